// The Windows edition: one portable executable that carries the program out with plain
// Win32 controls and GDI. Its one argument is a link to open (schimatios.exe
// "schimatios:1/τρίγωνο/Α=50/Γ=60/β=5"); it keeps nothing between runs.
#include "program.h"
#include "text.h"

#include <shellapi.h>
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    const std::string link = arguments && count > 1 ? win::utf8(arguments[1]) : std::string();
    LocalFree(arguments);
    return win::Program(instance).run(link);
}
