// A bare Win32 window of the menu's size, built as the Windows edition is (static,
// stripped, mingw-w64): the yardstick for its start-up time under Wine.
#include <windows.h>

static LRESULT CALLBACK proc(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(hwnd, message, w, l);
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW c{};
    c.lpfnWndProc = proc;
    c.hInstance = instance;
    c.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // the arrow
    c.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    c.lpszClassName = L"bare";
    RegisterClassW(&c);
    RECT r{0, 0, 392, 281};
    AdjustWindowRect(&r, WS_OVERLAPPEDWINDOW, FALSE);
    CreateWindowW(L"bare", L"bare", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                  r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        DispatchMessageW(&msg);
    return 0;
}
