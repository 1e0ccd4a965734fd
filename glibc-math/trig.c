/* The C library's sin, cos and tan, taken by the linker before its own: the desktop
   program's functions (glibc's), built under other names from glibc's own sources. */
double glibc_sin(double x);
double glibc_cos(double x);
double glibc_tan(double x);

double sin(double x) {
    return glibc_sin(x);
}
double cos(double x) {
    return glibc_cos(x);
}
double tan(double x) {
    return glibc_tan(x);
}
/* GCC makes one sincos call of a sine and a cosine of the same argument. */
void sincos(double x, double* s, double* c) {
    *s = glibc_sin(x);
    *c = glibc_cos(x);
}
