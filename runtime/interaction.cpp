#include "interaction.h"

#include "picture.h"
#include "spoken.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace rt {

namespace {

constexpr std::string_view kKeyNames[] = {
    "Other",    "ArrowUp", "ArrowDown", "ArrowLeft", "ArrowRight",  "PageUp",
    "PageDown", "Home",    "End",       "Escape",    "Enter",       "Space",
    "Tab",      "Equal",   "Minus",     "Digit0",    "NumpadAdd",   "NumpadSubtract",
    "Numpad0",  "KeyC",    "KeyS",      "KeyP",      "ContextMenu", "F10"};
static_assert(std::size(kKeyNames) == static_cast<std::size_t>(Key::F10) + 1);

constexpr std::string_view kCommandNames[] = {
    "None",       "MoveBar",   "PressButton",  "FocusControl", "ZoomIn",
    "ZoomOut",    "ZoomReset", "CopyFigure",   "SaveFigure",   "PrintFigure",
    "FigureMenu", "CopyLink",  "OpenLinksHere"};
static_assert(std::size(kCommandNames) == static_cast<std::size_t>(Command::OpenLinksHere) + 1);

bool isFigure(const FormDesign& form) {
    return !form.figure.empty();
}

// The first button of a dialog's or the notice's design: the one that closes it.
const ControlDesign* ownButton(const FormDesign& form) {
    for (const ControlDesign& c : form.controls)
        if (c.kind == ControlKind::Button) return &c;
    return nullptr;
}

std::optional<Answer> barKey(const ControlDesign& bar, int value, const KeyPress& k) {
    if (k.alt || k.shift) return std::nullopt;
    const int step = k.ctrl ? tenthOfRange(bar.min, bar.max) : 1;
    int to = value;
    switch (k.key) {
    case Key::ArrowUp:
    case Key::ArrowLeft:
    case Key::PageUp:
        to = value - step;
        break;
    case Key::ArrowDown:
    case Key::ArrowRight:
    case Key::PageDown:
        to = value + step;
        break;
    case Key::Home:
        if (k.ctrl) return std::nullopt;
        to = bar.min;
        break;
    case Key::End:
        if (k.ctrl) return std::nullopt;
        to = bar.max;
        break;
    default:
        return std::nullopt;
    }
    return Answer{Command::MoveBar, std::clamp(to, bar.min, bar.max), bar.name};
}

} // namespace

std::string_view name(Key key) {
    return kKeyNames[static_cast<int>(key)];
}

std::optional<Key> keyNamed(std::string_view text) {
    for (std::size_t i = 0; i < std::size(kKeyNames); ++i)
        if (kKeyNames[i] == text) return static_cast<Key>(i);
    return std::nullopt;
}

std::optional<KeyPress> keyPressNamed(std::string_view text) {
    KeyPress press;
    for (;;) {
        const auto plus = text.find('+');
        if (plus == std::string_view::npos || plus + 1 == text.size()) break;
        const std::string_view modifier = text.substr(0, plus);
        if (modifier == "Ctrl")
            press.ctrl = true;
        else if (modifier == "Shift")
            press.shift = true;
        else if (modifier == "Alt")
            press.alt = true;
        else
            return std::nullopt;
        text.remove_prefix(plus + 1);
    }
    const std::optional<Key> key = keyNamed(text);
    if (!key) return std::nullopt;
    press.key = *key;
    return press;
}

std::string name(const KeyPress& press) {
    std::string out;
    if (press.ctrl) out += "Ctrl+";
    if (press.alt) out += "Alt+";
    if (press.shift) out += "Shift+";
    out += name(press.key);
    return out;
}

std::string_view name(Command command) {
    return kCommandNames[static_cast<int>(command)];
}

Answer answerKey(const FormDesign& form, const Focus& focus, const KeyPress& k) {
    const ControlDesign* focused = focus.control;
    // The zoom, in every window, on the main keys or the keypad.
    if (k.ctrl && !k.alt) {
        switch (k.key) {
        case Key::Equal:
        case Key::NumpadAdd:
            return {Command::ZoomIn};
        case Key::Minus:
        case Key::NumpadSubtract:
            return {Command::ZoomOut};
        case Key::Digit0:
        case Key::Numpad0:
            return {Command::ZoomReset};
        default:
            break;
        }
    }
    // The figure onto paper.
    if (isFigure(form) && k.ctrl && !k.alt && !k.shift) {
        if (k.key == Key::KeyC) return focus.selection ? Answer{} : Answer{Command::CopyFigure};
        if (k.key == Key::KeyS) return {Command::SaveFigure};
        if (k.key == Key::KeyP) return {Command::PrintFigure};
    }
    if (isFigure(form) && !k.ctrl && !k.alt &&
        ((k.key == Key::ContextMenu && !k.shift) || (k.key == Key::F10 && k.shift)))
        return {Command::FigureMenu};
    // Tab and Shift+Tab, round and round the window's controls.
    if (k.key == Key::Tab && !k.ctrl && !k.alt) {
        const auto order = tabOrder(form);
        if (order.empty()) return {};
        const auto at = std::find(order.begin(), order.end(), focused);
        const std::ptrdiff_t n = std::ssize(order);
        std::ptrdiff_t next = 0;
        if (at != order.end()) next = ((at - order.begin()) + (k.shift ? n - 1 : 1)) % n;
        return {Command::FocusControl, 0, order[static_cast<std::size_t>(next)]->name};
    }
    if (k.key == Key::Escape && !k.ctrl && !k.alt && !k.shift && form.kind != FormKind::Main)
        if (const ControlDesign* button = ownButton(form))
            return {Command::PressButton, 0, button->name};
    if (!focused) return {};
    if (focused->kind == ControlKind::Button && (k.key == Key::Enter || k.key == Key::Space) &&
        !k.ctrl && !k.alt && !k.shift)
        return {Command::PressButton, 0, focused->name};
    if (focused->kind == ControlKind::ScrollBar)
        if (const auto moved = barKey(*focused, focus.value, k)) return *moved;
    return {};
}

int wheelValue(const ControlDesign& bar, int value, int notches) {
    return std::clamp(value - notches, bar.min, bar.max);
}

std::vector<const ControlDesign*> tabOrder(const FormDesign& form) {
    std::vector<const ControlDesign*> order;
    for (const ControlDesign& c : form.controls)
        if (c.kind != ControlKind::Label) order.push_back(&c);
    std::stable_sort(order.begin(), order.end(),
                     [](const auto* a, const auto* b) { return a->tabIndex < b->tabIndex; });
    return order;
}

const ControlDesign* firstFocus(const FormDesign& form) {
    const auto order = tabOrder(form);
    return order.empty() ? nullptr : order.front();
}

std::vector<const ControlDesign*> stackingOrder(const FormDesign& form) {
    std::vector<const ControlDesign*> order;
    for (const ControlDesign& c : form.controls)
        if (c.kind == ControlKind::Label) order.push_back(&c);
    const auto reached = tabOrder(form);
    order.insert(order.end(), reached.begin(), reached.end());
    return order;
}

void Desk::shown(const FormDesign& form) {
    std::erase_if(loaded_, [&](const Loaded& l) { return l.name == form.name; });
    loaded_.push_back({form.name, form.kind});
}

void Desk::unloaded(const FormDesign& form) {
    std::erase_if(loaded_, [&](const Loaded& l) { return l.name == form.name; });
}

std::string_view Desk::worked() const {
    for (auto l = loaded_.rbegin(); l != loaded_.rend(); ++l)
        if (l->kind == FormKind::Main) return l->name;
    return {};
}

std::vector<std::string_view> Desk::dialogs() const {
    std::vector<std::string_view> out;
    for (const Loaded& l : loaded_)
        if (l.kind != FormKind::Main) out.push_back(l.name);
    return out;
}

bool Desk::isLoaded(std::string_view form) const {
    return std::any_of(loaded_.begin(), loaded_.end(),
                       [&](const Loaded& l) { return l.name == form; });
}

double nextZoom(std::span<const double> steps, double now, ZoomAsk ask,
                const std::function<bool(double)>& fits) {
    if (ask == ZoomAsk::Reset) return 1;
    // The step at or just below the zoom now.
    std::ptrdiff_t i = 0;
    for (std::ptrdiff_t j = 0; j < std::ssize(steps); ++j)
        if (steps[static_cast<std::size_t>(j)] <= now) i = j;
    if (ask == ZoomAsk::Out && steps[static_cast<std::size_t>(i)] == now) --i;
    if (ask == ZoomAsk::In) ++i;
    i = std::clamp<std::ptrdiff_t>(i, 0, std::ssize(steps) - 1);
    const double next = steps[static_cast<std::size_t>(i)];
    if (next > now && fits && !fits(next)) return now;
    return next;
}

double openingZoom(std::span<const double> steps, double programZoom,
                   const std::function<bool(double)>& fits) {
    for (auto step = steps.rbegin(); step != steps.rend(); ++step)
        if (*step <= programZoom && (!fits || fits(*step))) return *step;
    return steps.empty() ? 1 : steps.front();
}

int scaledPixels(int twips, double scale) {
    return static_cast<int>(std::lround(twips * scale / kTwipsPerPixel));
}

ScreenRect zoomedClient(const FormDesign& form, double zoom) {
    return {0, 0, scaledPixels(form.width, zoom), scaledPixels(form.height, zoom)};
}

ScreenRect Fit::place(const ControlDesign& c) const {
    return {x + scaledPixels(c.left, scale), y + scaledPixels(c.top, scale),
            scaledPixels(c.width, scale), scaledPixels(c.height, scale)};
}

Fit fitDesign(const FormDesign& form, int clientWidth, int clientHeight, double zoom) {
    const ScreenRect zoomed = zoomedClient(form, zoom);
    const ScreenRect design = zoomedClient(form, 1);
    double scale = zoom;
    if (clientWidth != zoomed.width || clientHeight != zoomed.height)
        scale = std::min(double(clientWidth) / design.width, double(clientHeight) / design.height);
    if (!(scale > 0)) return {1, 0, 0};
    const ScreenRect shown = zoomedClient(form, scale);
    return {scale, (clientWidth - shown.width) / 2, (clientHeight - shown.height) / 2};
}

ScreenRect resizedOnScreen(const ScreenRect& frame, int width, int height,
                           const ScreenRect& screen) {
    ScreenRect r{frame.x + (frame.width - width) / 2, frame.y + (frame.height - height) / 2, width,
                 height};
    r.x = std::max(screen.x, std::min(r.x, screen.x + screen.width - width));
    r.y = std::max(screen.y, std::min(r.y, screen.y + screen.height - height));
    return r;
}

int fontPixels(double scale) {
    return std::max(1, static_cast<int>(10 * scale + 1e-9));
}

int focusRingWidth(double scale) {
    return 2 * std::max(1, static_cast<int>(std::lround(scale)));
}

int Rest::moved() {
    waiting_ = true;
    return kRestMs;
}

int Rest::released() {
    return waiting_ ? kRestMs : 0;
}

void Rest::written(std::string_view box, std::string text) {
    for (auto& [name, was] : changed_)
        if (name == box) {
            was = std::move(text);
            return;
        }
    changed_.emplace_back(std::string(box), std::move(text));
}

Rest::Due Rest::due(bool thumbHeld) {
    if (!waiting_) return {};
    if (thumbHeld) return {kRestMs, {}}; // still held: not at rest
    waiting_ = false;
    std::string said = resultsMessage(form_, [this](const std::string& box) -> const std::string* {
        for (const auto& [name, text] : changed_)
            if (name == box) return &text;
        return nullptr;
    });
    changed_.clear();
    return {0, std::move(said)};
}

void Rest::stop() {
    waiting_ = false;
    changed_.clear();
}

std::vector<MenuEntry> figureMenu(const FormDesign& form, bool opensLinks) {
    if (!isFigure(form)) return {};
    std::vector<MenuEntry> menu{{Command::CopyFigure, kCopyFigure},
                                {Command::SaveFigure, kSaveFigure},
                                {Command::PrintFigure, kPrintFigure},
                                {Command::CopyLink, kCopyLink}};
    if (opensLinks) menu.push_back({Command::OpenLinksHere, kOpenLinksHere});
    return menu;
}

} // namespace rt
