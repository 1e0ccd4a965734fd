/* WebAssembly rounds to nearest and nothing can change that: setting and restoring the
   rounding mode around the computation is nothing to do. */
#pragma once
#include <fenv.h>
#define SET_RESTORE_ROUND(mode) ((void)0)
#define SET_RESTORE_ROUND_53BIT(mode) ((void)0)
