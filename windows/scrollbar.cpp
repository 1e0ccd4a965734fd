#include "scrollbar.h"

#include "controls.h"

#include <algorithm>
#include <commctrl.h>

namespace win {

void setUpBar(HWND bar, const rt::ControlDesign& design) {
    SCROLLINFO si{
        sizeof si, SIF_RANGE | SIF_POS | SIF_PAGE, design.min, design.max, 0, design.value, 0};
    SetScrollInfo(bar, SB_CTL, &si, FALSE);
}

int barValue(HWND bar) {
    return GetScrollPos(bar, SB_CTL);
}

std::optional<std::pair<int, rt::Event>> barScrolled(HWND bar, int code, bool& held) {
    SCROLLINFO si{sizeof si, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(bar, SB_CTL, &si);
    switch (code) {
    case SB_LINEUP:
    case SB_PAGEUP:
        return std::pair(si.nPos - 1, rt::Event::Change);
    case SB_LINEDOWN:
    case SB_PAGEDOWN:
        return std::pair(si.nPos + 1, rt::Event::Change);
    case SB_TOP:
        return std::pair(si.nMin, rt::Event::Change);
    case SB_BOTTOM:
        return std::pair(si.nMax, rt::Event::Change);
    case SB_THUMBTRACK:
        held = true;
        return std::pair(si.nTrackPos, rt::Event::Scroll);
    case SB_THUMBPOSITION:
        return std::pair(si.nTrackPos, rt::Event::Change);
    case SB_ENDSCROLL:
        held = false;
        return std::nullopt;
    }
    return std::nullopt;
}

bool setBarValue(HWND bar, const rt::ControlDesign& design, int value, double scale) {
    const int v = std::clamp(value, design.min, design.max);
    if (v == barValue(bar)) return false;
    SetScrollPos(bar, SB_CTL, v, TRUE);
    if (GetFocus() == bar) {
        // A focused bar's thumb blinks (the bar's caret), which does not follow a position
        // set by the program: it is moved with the thumb.
        SCROLLBARINFO info{};
        info.cbSize = sizeof info;
        if (GetScrollBarInfo(bar, OBJID_CLIENT, &info)) SetCaretPos(1, info.xyThumbTop + 1);
        paintFocusRing(bar, scale);
    }
    return true;
}

namespace {

struct Watch {
    std::function<void(int)> wheel;
    std::function<double()> scale;
};

LRESULT CALLBACK watched(HWND hwnd, UINT message, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR data) {
    auto* watch = reinterpret_cast<Watch*>(data);
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, watched, 1);
        delete watch;
        return DefSubclassProc(hwnd, message, w, l);
    }
    if (message == WM_MOUSEWHEEL && watch->wheel) {
        if (const int notches = GET_WHEEL_DELTA_WPARAM(w) / WHEEL_DELTA) watch->wheel(notches);
        return 0;
    }
    if (message == WM_SETFOCUS || message == WM_KILLFOCUS) InvalidateRect(hwnd, nullptr, TRUE);
    const LRESULT result = DefSubclassProc(hwnd, message, w, l);
    // A scroll bar redraws itself outside WM_PAINT too, when it is clicked, stepped or set:
    // the ring goes back on after each of those.
    switch (message) {
    case WM_PAINT:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_TIMER:
    case WM_MOUSEWHEEL:
    case SBM_SETPOS:
    case SBM_SETSCROLLINFO:
        if (GetFocus() == hwnd) paintFocusRing(hwnd, watch->scale());
    }
    return result;
}

} // namespace

void watchControl(HWND control, std::function<void(int notches)> wheel,
                  std::function<double()> scale) {
    SetWindowSubclass(control, watched, 1,
                      reinterpret_cast<DWORD_PTR>(new Watch{std::move(wheel), std::move(scale)}));
}

} // namespace win
