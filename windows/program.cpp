#include "program.h"

#include "access.h"
#include "form.h"
#include "forms.h"
#include "link.h"
#include "text.h"

#include <algorithm>
#include <commctrl.h>
#include <gdiplus.h>
#include <shlwapi.h>

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

int Program::run(std::string_view link) {
    const app::Opening opening = app::readLink(link);
    if (opening.form)
        form(opening.form->name()).open(opening);
    else
        form(app::kStartupForm).show();
    if (!opening.problem.empty())
        MessageBoxW(nullptr, wide(opening.problem).c_str(), wide(app::kProgramName).c_str(),
                    MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND);
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_KEYDOWN && keyDown(msg)) continue;
        // (what the core leaves to the controls: Escape and Enter on the menu and figures)
        if (HWND top = GetAncestor(msg.hwnd, GA_ROOT); top && IsDialogMessageW(top, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return result_;
}

bool Program::keyDown(MSG& msg) {
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

HWND Program::worked() {
    const std::string_view worked = desk_.worked();
    return worked.empty() ? nullptr : form(worked).hwnd();
}

void Program::formShown(Form& form) {
    desk_.shown(form.design());
    keepDialogsAbove();
}

void Program::formUnloading(Form& form) {
    desk_.unloaded(form.design());
    keepDialogsAbove();
}

void Program::keepDialogsAbove() {
    const HWND owner = worked();
    for (const std::string_view dialog : desk_.dialogs()) {
        const HWND hwnd = form(dialog).hwnd();
        SetWindowLongPtrW(hwnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
        // (Wine stacks a window by the owner it was made with: put above it here too)
        SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void Program::formUnloaded() {
    if (desk_.empty()) PostQuitMessage(result_);
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
    MessageBoxW(nullptr, wide(error.what()).c_str(), wide(app::kProgramName).c_str(),
                MB_OK | MB_ICONERROR);
    result_ = 1;
    end();
}

void Program::stepZoom(rt::ZoomAsk ask) {
    // A larger step at which a window would not fit its screen is not taken.
    const double next = rt::nextZoom(rt::kZoomSteps, zoom_, ask, [this](double zoom) {
        for (auto& [name, f] : forms_) {
            if (!f->loaded()) continue;
            MONITORINFO mi{sizeof mi, {}, {}, 0};
            GetMonitorInfoW(MonitorFromWindow(f->hwnd(), MONITOR_DEFAULTTONEAREST), &mi);
            RECT r{};
            GetWindowRect(f->hwnd(), &r);
            const double grow = zoom / zoom_;
            if ((r.right - r.left) * grow > mi.rcWork.right - mi.rcWork.left ||
                (r.bottom - r.top) * grow > mi.rcWork.bottom - mi.rcWork.top)
                return false;
        }
        return true;
    });
    if (next == zoom_) return;
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
