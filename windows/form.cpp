#include "form.h"

#include "access.h"
#include "controls.h"
#include "integer.h"
#include "keys.h"
#include "program.h"
#include "raster.h"
#include "scrollbar.h"
#include "spoken.h"
#include "text.h"
#include "worksheet.h"

#include <algorithm>
#include <cmath>
#include <commctrl.h>
#include <map>
#include <windowsx.h>

namespace win {

namespace {

constexpr wchar_t kWindowClass[] = L"SchimatiosForm";
constexpr UINT_PTR kRestTimer = 1;

int scaled(int twips, double scale) {
    return rt::scaledPixels(twips, scale);
}

// The DPI functions of Windows 10 and later, looked up so that Windows 7 starts too.
using DpiForWindow = UINT(WINAPI*)(HWND);
using AdjustForDpi = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
template <class F> F user32(const char* name) {
    return reinterpret_cast<F>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

UINT dpiOf(HWND hwnd) {
    static const auto forWindow = user32<DpiForWindow>("GetDpiForWindow");
    if (forWindow && hwnd) return forWindow(hwnd);
    const HDC dc = GetDC(nullptr);
    const UINT dpi = static_cast<UINT>(GetDeviceCaps(dc, LOGPIXELSX));
    ReleaseDC(nullptr, dc);
    return dpi;
}

RECT frameFor(SIZE client, DWORD style, DWORD exStyle, UINT dpi) {
    static const auto adjust = user32<AdjustForDpi>("AdjustWindowRectExForDpi");
    RECT r{0, 0, client.cx, client.cy};
    if (adjust)
        adjust(&r, style, FALSE, exStyle, dpi);
    else
        AdjustWindowRectEx(&r, style, FALSE, exStyle);
    return r;
}

void registerClass(HINSTANCE instance) {
    static bool done = false;
    if (done) return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = DefWindowProcW; // replaced by each window's own on creation
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, L"APPICON");
    wc.hIconSm = static_cast<HICON>(LoadImageW(instance, L"APPICON", IMAGE_ICON, 16, 16, 0));
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = kWindowClass;
    RegisterClassExW(&wc);
    done = true;
}

} // namespace

Form::Form(Program& program, const rt::FormClass& formClass)
    : program_(program), class_(formClass), rest_(formClass.design) {}

Form::~Form() {
    if (hwnd_) DestroyWindow(hwnd_);
    if (back_) DeleteObject(back_);
    if (labels_) DeleteObject(labels_);
}

double Form::dpiScale() const {
    return dpiOf(hwnd_) / 96.0;
}

HFONT Form::font() const {
    return program_.font(rt::fontPixels(scale_));
}

void Form::load(Form* inPlaceOf) {
    registerClass(program_.instance());
    const rt::FormDesign& d = design();
    const bool main = d.kind == rt::FormKind::Main;
    const DWORD style =
        (main ? WS_OVERLAPPEDWINDOW : WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU) | WS_CLIPCHILDREN;
    // The credits and the notice stay above the window being worked.
    const HWND owner = main ? nullptr : program_.worked();
    hwnd_ = CreateWindowExW(main ? 0 : WS_EX_DLGMODALFRAME, kWindowClass, wide(d.caption).c_str(),
                            style, CW_USEDEFAULT, CW_USEDEFAULT, 100, 100, owner, nullptr,
                            program_.instance(), nullptr);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(windowProc));
    back_ = CreateSolidBrush(colorref(d.backColor));

    // Children made later lie beneath: the controls a key reaches first, in tab order (as a
    // screen reader walks them), then the labels from the top of the stack down.
    std::vector<const rt::ControlDesign*> order = rt::tabOrder(d);
    const auto stack = rt::stackingOrder(d);
    for (auto c = stack.rbegin(); c != stack.rend(); ++c)
        if ((*c)->kind == rt::ControlKind::Label) order.push_back(*c);
    controls_.clear();
    for (const rt::ControlDesign* c : order) {
        const auto id = static_cast<INT_PTR>(kFirstControlId + (c - d.controls.data()));
        const wchar_t* cls = L"STATIC";
        DWORD s = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
        std::wstring text = wide(c->text);
        switch (c->kind) {
        case rt::ControlKind::Label:
            s |= SS_LEFTNOWORDWRAP | SS_NOPREFIX; // clipped to its box, as elsewhere
            break;
        case rt::ControlKind::TextBox:
            cls = L"EDIT";
            s |= WS_TABSTOP | WS_BORDER | ES_READONLY | ES_AUTOHSCROLL;
            break;
        case rt::ControlKind::ScrollBar:
            cls = L"SCROLLBAR";
            s |= WS_TABSTOP | SBS_VERT;
            text.clear();
            break;
        case rt::ControlKind::Button:
            cls = L"BUTTON";
            s |= WS_TABSTOP | BS_OWNERDRAW;
            text = wide(rt::spokenName(*c)); // not drawn: the button's name
            break;
        }
        HWND child = CreateWindowExW(0, cls, text.c_str(), s, 0, 0, 10, 10, hwnd_,
                                     reinterpret_cast<HMENU>(id), program_.instance(), nullptr);
        controls_.push_back({c, child});
        const auto scale = [this] { return scale_; };
        if (c->kind == rt::ControlKind::TextBox) watchControl(child, nullptr, scale);
        if (c->kind == rt::ControlKind::ScrollBar) {
            // The wheel: one unit a notch, as the core turns it.
            watchControl(
                child,
                [this, c, child](int notches) {
                    moveBar(*control(child), rt::wheelValue(*c, barValue(child), notches),
                            rt::Event::Change);
                },
                scale);
            setUpBar(child, *c);
            writeBarValue(controls_.back());
            if (rt::isLongBar(c->min, c->max))
                program_.access().description(child, wide(rt::kLongBarHint));
        }
        if (const std::string name = rt::spokenName(*c); !name.empty())
            program_.access().name(child, wide(name));
        if (!c->toolTip.empty() && c->kind == rt::ControlKind::Button) {
            // (the design's tool tip, shown by the system's tool tips)
            HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, TTS_ALWAYSTIP, 0, 0,
                                       0, 0, hwnd_, nullptr, program_.instance(), nullptr);
            std::wstring tipText = wide(c->toolTip);
            TOOLINFOW ti{};
            ti.cbSize = sizeof ti;
            ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
            ti.hwnd = hwnd_;
            ti.uId = reinterpret_cast<UINT_PTR>(child);
            ti.lpszText = tipText.data();
            SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
        }
    }
    // The results a bar's moves changed are told here once it rests.
    live_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, hwnd_, nullptr,
                            program_.instance(), nullptr);
    program_.access().liveRegion(live_);
    drawing_.clear();
    rest_.stop();
    description_ = d.figure.empty() ? std::string() : rt::describeEmpty(d);
    if (!description_.empty()) program_.access().description(hwnd_, wide(description_));

    zoom_ = program_.zoom();
    scale_ = dpiScale() * zoom_;
    const SIZE client{scaled(d.width, scale_), scaled(d.height, scale_)};
    const RECT frame = frameFor(client, style, GetWindowLongW(hwnd_, GWL_EXSTYLE), dpiOf(hwnd_));
    const int w = frame.right - frame.left, h = frame.bottom - frame.top;
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    POINT at{work.left + (work.right - work.left - w) / 2,
             work.top + (work.bottom - work.top - h) / 2};
    if (inPlaceOf && inPlaceOf->loaded()) {
        RECT r{};
        GetWindowRect(inPlaceOf->hwnd_, &r);
        at = {r.left, r.top};
    } else if (owner) {
        RECT r{};
        GetWindowRect(owner, &r);
        at = {(r.left + r.right - w) / 2, (r.top + r.bottom - h) / 2};
    }
    SetWindowPos(hwnd_, nullptr, at.x, at.y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
    layOut();
}

void Form::show(Form* inPlaceOf) {
    const bool fresh = !loaded();
    if (fresh) load(inPlaceOf);
    ShowWindow(hwnd_, SW_SHOW);
    program_.formShown(*this);
    SetForegroundWindow(hwnd_);
    SetActiveWindow(hwnd_);
    if (fresh)
        if (const rt::ControlDesign* first = rt::firstFocus(design()))
            SetFocus(control(first->name)->hwnd);
}

void Form::open(const app::Opening& opening) {
    show();
    for (const auto& [bar, value] : opening.values)
        if (const Control* c = control(bar)) {
            setBarValue(c->hwnd, *c->design, value, scale_); // set, not moved: no event
            writeBarValue(*c);
        }
    try {
        apply(app::openingUpdate(opening, decimalSeparator()));
    } catch (const rt::RuntimeError& error) {
        program_.runtimeError(error);
    }
}

std::string Form::link() const {
    return app::linkOf(design(), [this](std::string_view bar) { return value(bar); });
}

void Form::unload() {
    if (!loaded()) return;
    program_.formUnloading(*this);
    HWND hwnd = hwnd_;
    hwnd_ = nullptr;
    focus_ = nullptr;
    KillTimer(hwnd, kRestTimer);
    controls_.clear();
    DestroyWindow(hwnd);
    program_.formUnloaded();
}

void Form::applyZoom() {
    if (!loaded()) return;
    if (IsZoomed(hwnd_)) return layOut();
    zoom_ = program_.zoom();
    const double scale = dpiScale() * zoom_;
    const SIZE client{scaled(design().width, scale), scaled(design().height, scale)};
    const RECT frame = frameFor(client, GetWindowLongW(hwnd_, GWL_STYLE),
                                GetWindowLongW(hwnd_, GWL_EXSTYLE), dpiOf(hwnd_));
    RECT now{};
    GetWindowRect(hwnd_, &now);
    const int w = frame.right - frame.left, h = frame.bottom - frame.top;
    // Grows and shrinks about its middle.
    SetWindowPos(hwnd_, nullptr, (now.left + now.right - w) / 2, (now.top + now.bottom - h) / 2, w,
                 h, SWP_NOZORDER | SWP_NOACTIVATE);
    layOut();
}

void Form::layOut() {
    if (!loaded()) return;
    RECT r{};
    GetClientRect(hwnd_, &r);
    // At the zoom, or at the largest scale that fits once maximised or resized; centred.
    const rt::Fit fit = rt::fitDesign(design(), r.right, r.bottom, dpiScale() * zoom_);
    scale_ = fit.scale;
    origin_ = {fit.x, fit.y};
    const HFONT f = font();
    for (const Control& c : controls_) {
        const rt::ScreenRect at = fit.place(*c.design);
        MoveWindow(c.hwnd, at.x, at.y, at.width, at.height, FALSE);
        SendMessageW(c.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(f), FALSE);
    }
    // Moved and given their font without a repaint: all painted once, the window and
    // every control in it.
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    // A focused bar's blinking thumb (its caret) is made to the thumb's size when the bar
    // takes the focus: made again for the new size.
    if (const Control* c = control(GetFocus());
        c && c->design->kind == rt::ControlKind::ScrollBar) {
        SendMessageW(c->hwnd, WM_KILLFOCUS, 0, 0);
        SendMessageW(c->hwnd, WM_SETFOCUS, 0, 0);
    }
}

Placement Form::placement(int width, int height) const {
    return {scale_ / rt::kTwipsPerPixel, origin_, width, height, rt::penWidth(scale_), font()};
}

const Form::Control* Form::control(std::string_view name) const {
    for (const Control& c : controls_)
        if (c.design->name == name) return &c;
    return nullptr;
}

const Form::Control* Form::control(HWND hwnd) const {
    for (const Control& c : controls_)
        if (c.hwnd == hwnd) return &c;
    return nullptr;
}

std::string Form::boxText(std::string_view box) const {
    const Control* c = control(box);
    return c ? utf8(textOf(c->hwnd)) : std::string();
}

int Form::value(std::string_view bar) const {
    const Control* c = control(bar);
    return c ? barValue(c->hwnd) : 0;
}

std::string_view Form::decimalSeparator() const {
    return program_.decimalSeparator();
}

void Form::writeBarValue(const Control& bar) {
    program_.access().value(bar.hwnd, wide(rt::spokenValue(bar.design->unit, barValue(bar.hwnd),
                                                           program_.decimalSeparator())));
}

void Form::scrolled(HWND hwnd, int code) {
    const Control* bar = control(hwnd);
    if (!bar) return;
    const bool wasHeld = dragging_;
    if (const auto moved = barScrolled(hwnd, code, dragging_))
        moveBar(*bar, moved->first, moved->second);
    if (wasHeld && !dragging_)
        if (const int ms = rest_.released())
            SetTimer(hwnd_, kRestTimer, static_cast<UINT>(ms), nullptr);
}

void Form::moveBar(const Control& bar, int value, rt::Event event) {
    // The event goes only when the bar moved.
    if (!setBarValue(bar.hwnd, *bar.design, value, scale_)) return;
    writeBarValue(bar);
    restingBar_ = bar.hwnd;
    SetTimer(hwnd_, kRestTimer, static_cast<UINT>(rest_.moved()), nullptr);
    fire(bar, event);
}

void Form::fire(const Control& c, rt::Event event) {
    const rt::Handler* handler = class_.handlerFor(c.design->name, event);
    if (!handler) return;
    try {
        apply((*handler)(*this));
    } catch (const rt::RuntimeError& error) {
        program_.runtimeError(error);
    }
}

// Once a bar is still and its thumb not held, the window tells the boxes its moves changed.
void Form::rested() {
    KillTimer(hwnd_, kRestTimer);
    const auto [wakeAfter, said] = rest_.due(dragging_);
    if (wakeAfter) SetTimer(hwnd_, kRestTimer, static_cast<UINT>(wakeAfter), nullptr);
    if (!said.empty()) program_.access().tell(live_, wide(said));
}

void Form::apply(const rt::Update& update) {
    const HWND window = hwnd_; // (no longer in hwnd_ if the update unloads the form)
    const HDC dc = GetDC(window);
    RECT client{};
    GetClientRect(hwnd_, &client);
    const Placement at = placement(client.right, client.bottom);
    RECT before = footprint(dc, drawing_, at);
    bool drawn = false;
    // Repaints exactly where the drawing was and is: every item's device pixels known.
    const auto repaint = [&] {
        if (!drawn || !loaded()) return;
        RECT after = footprint(dc, drawing_, at), both{};
        UnionRect(&both, &before, &after);
        if (!IsRectEmpty(&both)) InvalidateRect(hwnd_, &both, FALSE);
        before = after;
        drawn = false;
    };
    for (const rt::Step& s : update.steps()) {
        switch (s.kind) {
        case rt::Step::SetText:
            if (const Control* box = control(s.name)) {
                const std::wstring text = wide(s.text);
                if (textOf(box->hwnd) != text) {
                    SetWindowTextW(box->hwnd, text.c_str());
                    rest_.written(s.name, s.text);
                }
            }
            break;
        case rt::Step::Cls:
        case rt::Step::Line:
        case rt::Step::Circle:
        case rt::Step::Print:
            drawn = rt::drawStep(drawing_, s, design().foreColor) || drawn;
            break;
        case rt::Step::Describe:
            description_ = s.text;
            program_.access().description(hwnd_, wide(s.text));
            break;
        case rt::Step::Beep:
            program_.beep();
            break;
        case rt::Step::Show:
            repaint();
            program_.form(s.name).show(s.text.empty() ? nullptr : &program_.form(s.text));
            break;
        case rt::Step::Unload:
            repaint();
            program_.form(s.name).unload();
            break;
        case rt::Step::End:
            ReleaseDC(window, dc);
            program_.end();
            return;
        }
        if (!loaded()) break;
    }
    repaint();
    ReleaseDC(window, dc);
}

void Form::paint() {
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(hwnd_, &ps);
    RECT client{};
    GetClientRect(hwnd_, &client);
    // Drawn off screen and put up at once, so that nothing flickers on a drag step.
    const HDC memory = CreateCompatibleDC(dc);
    const HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    FillRect(memory, &client, back_);
    // The angle's letter takes the system's highlighted-text colour.
    const COLORREF letters = design().foreIsHighlightedText ? GetSysColor(COLOR_HIGHLIGHTTEXT)
                                                            : colorref(design().foreColor);
    paintDrawing(memory, drawing_, placement(client.right, client.bottom), letters);
    BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
           ps.rcPaint.bottom - ps.rcPaint.top, memory, ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    EndPaint(hwnd_, &ps);
}

bool Form::key(const MSG& msg) {
    rt::Focus focus;
    if (const Control* c = control(GetFocus())) {
        focus.control = c->design;
        if (c->design->kind == rt::ControlKind::ScrollBar) focus.value = barValue(c->hwnd);
        if (c->design->kind == rt::ControlKind::TextBox) {
            DWORD from = 0, to = 0;
            SendMessageW(c->hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&from),
                         reinterpret_cast<LPARAM>(&to));
            focus.selection = from != to;
        }
    }
    return carryOut(rt::answerKey(design(), focus, keyPressOf(msg)));
}

bool Form::carryOut(const rt::Answer& answer) {
    switch (answer.command) {
    case rt::Command::None:
        return false;
    case rt::Command::MoveBar:
        moveBar(*control(answer.control), answer.value, rt::Event::Change);
        return true;
    case rt::Command::PressButton:
        fire(*control(answer.control), rt::Event::Click);
        return true;
    case rt::Command::FocusControl:
        SetFocus(control(answer.control)->hwnd);
        return true;
    case rt::Command::ZoomIn:
        return program_.stepZoom(rt::ZoomAsk::In), true;
    case rt::Command::ZoomOut:
        return program_.stepZoom(rt::ZoomAsk::Out), true;
    case rt::Command::ZoomReset:
        return program_.stepZoom(rt::ZoomAsk::Reset), true;
    case rt::Command::CopyFigure:
    case rt::Command::SaveFigure:
    case rt::Command::PrintFigure:
    case rt::Command::CopyLink:
    case rt::Command::OpenLinksHere:
        worksheetCommand(*this, answer.command);
        return true;
    case rt::Command::FigureMenu:
        return false; // Windows turns the key into WM_CONTEXTMENU, which opens the menu
    }
    return false;
}

LRESULT CALLBACK Form::windowProc(HWND hwnd, UINT message, WPARAM w, LPARAM l) {
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!form || form->hwnd_ != hwnd) return DefWindowProcW(hwnd, message, w, l);
    return form->handle(message, w, l);
}

LRESULT Form::handle(UINT message, WPARAM w, LPARAM l) {
    switch (message) {
    case WM_ACTIVATE:
        if (LOWORD(w) == WA_INACTIVE) {
            if (HWND f = GetFocus(); f && IsChild(hwnd_, f)) focus_ = f;
            break;
        }
        // The window being worked comes up beneath its dialogs.
        if (design().kind == rt::FormKind::Main) program_.keepDialogsAbove();
        // Back in the window (the notice closed, another program left), the pupil is where
        // they were: on the same bar, box or button.
        if (focus_ && IsWindow(focus_) && IsChild(hwnd_, focus_)) {
            SetFocus(focus_);
            return 0;
        }
        break;
    case WM_VSCROLL:
        scrolled(reinterpret_cast<HWND>(l), LOWORD(w));
        return 0;
    case WM_COMMAND:
        if (HIWORD(w) == BN_CLICKED)
            if (const Control* c = control(reinterpret_cast<HWND>(l))) fire(*c, rt::Event::Click);
        return 0;
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(l);
        if (const Control* c = control(item->hwndItem))
            drawButton(*item, *c->design, program_, scale_);
        return TRUE;
    }
    case WM_CTLCOLORSTATIC: {
        const Control* c = control(reinterpret_cast<HWND>(l));
        const HDC dc = reinterpret_cast<HDC>(w);
        if (c && c->design->kind == rt::ControlKind::TextBox) {
            // A read-only box, white with black text as a box that can be written.
            SetTextColor(dc, RGB(0, 0, 0));
            SetBkColor(dc, RGB(255, 255, 255));
            return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
        }
        const std::uint32_t backColor = c ? c->design->backColor : design().backColor;
        SetTextColor(dc, colorref(c ? c->design->foreColor : design().foreColor));
        SetBkColor(dc, colorref(backColor));
        if (!labels_) labels_ = CreateSolidBrush(colorref(backColor));
        return reinterpret_cast<LRESULT>(labels_);
    }
    case WM_ERASEBKGND:
        return 1; // painted whole in WM_PAINT
    case WM_PAINT:
        paint();
        return 0;
    case WM_TIMER:
        if (w == kRestTimer) rested();
        return 0;
    case WM_SIZE:
        layOut();
        return 0;
    case WM_GETMINMAXINFO: {
        // Never smaller than the design.
        auto* info = reinterpret_cast<MINMAXINFO*>(l);
        const SIZE client{scaled(design().width, dpiScale()), scaled(design().height, dpiScale())};
        const RECT frame = frameFor(client, GetWindowLongW(hwnd_, GWL_STYLE),
                                    GetWindowLongW(hwnd_, GWL_EXSTYLE), dpiOf(hwnd_));
        info->ptMinTrackSize = {frame.right - frame.left, frame.bottom - frame.top};
        return 0;
    }
    case 0x02E0: { // WM_DPICHANGED: the window moved to a screen of another density
        const auto* suggested = reinterpret_cast<const RECT*>(l);
        SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        layOut();
        return 0;
    }
    case WM_CONTEXTMENU:
        if (!design().figure.empty()) {
            worksheetMenu(*this, l == -1 ? POINT{-1, -1} : POINT{GET_X_LPARAM(l), GET_Y_LPARAM(l)});
            return 0;
        }
        break;
    case WM_CLOSE:
        unload();
        return 0;
    }
    return DefWindowProcW(hwnd_, message, w, l);
}

} // namespace win
