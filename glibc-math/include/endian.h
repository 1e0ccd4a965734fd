/* Stands in for the glibc-internal parts of <endian.h> that its double-precision sine,
   cosine and tangent read: WebAssembly and x86-64 are little-endian. (mingw-w64 has no
   <endian.h> of its own.) */
#pragma once
#if __has_include_next(<endian.h>)
#include_next <endian.h>
#endif
#define LITTLE_ENDI 1
#define HIGH_HALF 1
#define LOW_HALF 0
