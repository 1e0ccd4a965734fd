/* The public names sin, cos and tan are defined in trig.c instead. */
#pragma once
#define libm_alias_double(from, to)
