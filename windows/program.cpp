#include "program.h"

#include "access.h"
#include "form.h"
#include "forms.h"
#include "text.h"

#include <algorithm>
#include <commctrl.h>
#include <gdiplus.h>
#include <shlwapi.h>
#include <span>

namespace win {

namespace {

ULONG_PTR gdiplus = 0;

// Format's decimal separator: the user's, as Windows has it.
std::string userDecimalSeparator() {
    wchar_t sep[8] = L".";
    GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, sep, 8);
    return utf8(sep);
}

// The program's font (DejaVu Sans Condensed cut to the program's letters), from the
// executable, for this process alone: nothing is installed.
void loadFont(HINSTANCE instance) {
    const HRSRC found = FindResourceW(instance, L"PROGRAMFONT", MAKEINTRESOURCEW(10)); // RT_RCDATA
    if (!found) return;
    DWORD count = 0;
    AddFontMemResourceEx(LockResource(LoadResource(instance, found)),
                         SizeofResource(instance, found), nullptr, &count);
}

} // namespace

Program::Program(HINSTANCE instance) : instance_(instance), separator_(userDecimalSeparator()) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&gdiplus, &input, nullptr);
    loadFont(instance);
    access_ = std::make_unique<Access>();
}

Program::~Program() {
    forms_.clear();
    for (auto& [size, font] : fonts_)
        DeleteObject(font);
    for (auto& [name, bitmap] : pictures_)
        if (bitmap) DeleteObject(bitmap);
    access_.reset();
    Gdiplus::GdiplusShutdown(gdiplus);
    CoUninitialize();
}

int Program::run() {
    form(app::kStartupForm).show();
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_KEYDOWN && keyDown(msg)) continue;
        // Tab and Shift+Tab walk the window's controls in their tab order.
        if (HWND top = GetAncestor(msg.hwnd, GA_ROOT); top && IsDialogMessageW(top, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return result_;
}

bool Program::keyDown(MSG& msg) {
    // Ctrl + (or =), Ctrl − and Ctrl 0, on the main keys and the keypad, in every window.
    if ((GetKeyState(VK_CONTROL) & 0x8000) && !(GetKeyState(VK_MENU) & 0x8000)) {
        const WPARAM k = msg.wParam;
        if (k == VK_OEM_PLUS || k == VK_ADD) return stepZoom(1), true;
        if (k == VK_OEM_MINUS || k == VK_SUBTRACT) return stepZoom(-1), true;
        if (k == '0' || k == VK_NUMPAD0) return stepZoom(0), true;
    }
    const HWND top = GetAncestor(msg.hwnd, GA_ROOT);
    for (auto& [name, f] : forms_)
        if (f->loaded() && f->hwnd() == top) return f->key(msg);
    return false;
}

Form& Program::form(std::string_view name) {
    auto found = forms_.find(name);
    if (found == forms_.end())
        found =
            forms_.emplace(std::string(name), std::make_unique<Form>(*this, *app::formClass(name)))
                .first;
    return *found->second;
}

HWND Program::worked() const {
    return worked_ && worked_->loaded() ? worked_->hwnd() : nullptr;
}

void Program::formShown(Form& form) {
    if (form.design().kind != rt::FormKind::Main) return;
    worked_ = &form;
    keepDialogsAbove(form.hwnd());
}

void Program::formUnloading(Form& form) {
    if (form.design().kind != rt::FormKind::Main) return;
    if (worked_ == &form) {
        worked_ = nullptr;
        for (auto& [name, f] : forms_)
            if (f.get() != &form && f->loaded() && f->design().kind == rt::FormKind::Main)
                worked_ = f.get();
    }
    keepDialogsAbove(worked());
}

void Program::keepDialogsAbove(HWND owner) {
    for (auto& [name, f] : forms_)
        if (f->loaded() && f->design().kind != rt::FormKind::Main)
            SetWindowLongPtrW(f->hwnd(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
}

void Program::formUnloaded() {
    for (auto& [name, f] : forms_)
        if (f->loaded()) return;
    PostQuitMessage(result_);
}

void Program::end() {
    for (auto& [name, f] : forms_)
        if (f->loaded()) ShowWindow(f->hwnd(), SW_HIDE);
    PostQuitMessage(result_);
}

void Program::beep() {
    MessageBeep(MB_OK);
}

void Program::runtimeError(const std::exception& error) {
    MessageBoxW(nullptr, wide(error.what()).c_str(), L"ΣΧΗμάτιος", MB_OK | MB_ICONERROR);
    result_ = 1;
    end();
}

void Program::stepZoom(int step) {
    const auto steps = std::span(rt::kZoomSteps);
    const auto at = std::find(steps.begin(), steps.end(), zoom_);
    const std::ptrdiff_t i = at == steps.end() ? 0 : at - steps.begin();
    const double next =
        step == 0 ? 1 : steps[std::clamp<std::ptrdiff_t>(i + step, 0, std::ssize(steps) - 1)];
    // A larger step that would not fit a window's screen is skipped.
    if (next > zoom_)
        for (auto& [name, f] : forms_) {
            if (!f->loaded()) continue;
            MONITORINFO mi{sizeof mi, {}, {}, 0};
            GetMonitorInfoW(MonitorFromWindow(f->hwnd(), MONITOR_DEFAULTTONEAREST), &mi);
            RECT r{};
            GetWindowRect(f->hwnd(), &r);
            const double grow = next / zoom_;
            if ((r.right - r.left) * grow > mi.rcWork.right - mi.rcWork.left ||
                (r.bottom - r.top) * grow > mi.rcWork.bottom - mi.rcWork.top)
                return;
        }
    zoom_ = next;
    for (auto& [name, f] : forms_)
        f->applyZoom();
}

HFONT Program::font(int pixels) {
    HFONT& f = fonts_[pixels];
    if (!f)
        f = CreateFontW(-pixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                        OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                        DEFAULT_PITCH | FF_SWISS, L"DejaVu Sans Condensed");
    return f;
}

HBITMAP Program::picture(const std::string& file) {
    if (const auto found = pictures_.find(file); found != pictures_.end()) return found->second;
    HBITMAP bitmap = nullptr;
    // Stored under its file name as a word: "angle@2x.png" is ANGLE_2X_PNG.
    std::wstring name = wide(file);
    for (wchar_t& c : name)
        c = c == L'@' || c == L'.' ? L'_' : static_cast<wchar_t>(towupper(c));
    if (const HRSRC res = FindResourceW(instance_, name.c_str(), MAKEINTRESOURCEW(10))) {
        const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(instance_, res)));
        if (IStream* stream = SHCreateMemStream(data, SizeofResource(instance_, res))) {
            if (Gdiplus::Bitmap* image = Gdiplus::Bitmap::FromStream(stream)) {
                const COLORREF face = GetSysColor(COLOR_BTNFACE);
                image->GetHBITMAP(Gdiplus::Color(GetRValue(face), GetGValue(face), GetBValue(face)),
                                  &bitmap);
                delete image;
            }
            stream->Release();
        }
    }
    return pictures_[file] = bitmap;
}

} // namespace win
