/* What the sine, cosine and tangent sources take from glibc's internal header. */
#pragma once
#include <errno.h>
#include <math.h>
#define attribute_hidden
#define __glibc_likely(cond) __builtin_expect((cond), 1)
#define __glibc_unlikely(cond) __builtin_expect((cond), 0)
#define __set_errno(value) (errno = (value))
#ifndef __always_inline
#define __always_inline __inline __attribute__((__always_inline__))
#endif
