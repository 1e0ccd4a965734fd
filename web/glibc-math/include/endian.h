/* Stands in for the glibc-internal parts of <endian.h> that its double-precision sine,
   cosine and tangent read: WebAssembly is little-endian. */
#pragma once
#include_next <endian.h>
#define LITTLE_ENDI 1
#define HIGH_HALF 1
#define LOW_HALF 0
