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
