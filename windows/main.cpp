// The Windows edition: one portable executable that carries the program out with plain
// Win32 controls and GDI. It takes no command line and keeps nothing between runs.
#include "program.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    return win::Program(instance).run();
}
