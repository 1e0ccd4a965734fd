#pragma once
// How a window answers a person, the same in every edition: what a key does, the zoom
// steps and the fit of a design to a window, tab order and first focus, which window the
// credits and the notice stand above, when a bar counts as resting and what is then
// said, the figure's context menu and the focus ring. A runtime tells the model what it
// observed, in these terms, and carries out the answer with its toolkit.
#include "design.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace rt {

// ---- Keys ----------------------------------------------------------------------------

// A key by its place on the keyboard, named as on a US keyboard and as the browsers name
// it (KeyboardEvent.code): the C key is "KeyC" whatever letter the layout gives it.
enum class Key {
    Other,
    ArrowUp,
    ArrowDown,
    ArrowLeft,
    ArrowRight,
    PageUp,
    PageDown,
    Home,
    End,
    Escape,
    Enter,
    Space,
    Tab,
    Equal, // the = and + key
    Minus,
    Digit0,
    NumpadAdd,
    NumpadSubtract,
    Numpad0,
    KeyC,
    KeyS,
    KeyP,
    ContextMenu,
    F10,
};
std::string_view name(Key key);
std::optional<Key> keyNamed(std::string_view name);

struct KeyPress {
    Key key = Key::Other;
    bool ctrl = false, shift = false, alt = false;
};
// "Ctrl+ArrowDown", "Shift+Tab", "Escape": how tables and drivers write a key.
std::optional<KeyPress> keyPressNamed(std::string_view text);
std::string name(const KeyPress& press);

// What the window does with a key.
enum class Command {
    None,         // the key is not the window's: the toolkit's own
    MoveBar,      // the focused bar to `value` (a Change, if it moved)
    PressButton,  // `control` is clicked
    FocusControl, // the focus to `control`
    ZoomIn,
    ZoomOut,
    ZoomReset,
    CopyFigure,
    SaveFigure,
    PrintFigure,
    FigureMenu,    // the figure's context menu
    CopyLink,      // the window's link to the clipboard
    OpenLinksHere, // the system to open the program's links with this program
};
std::string_view name(Command command);

struct Answer {
    Command command = Command::None;
    int value = 0;              // MoveBar
    std::string_view control{}; // PressButton, FocusControl
    bool operator==(const Answer&) const = default;
};

// Where the focus is when the key comes: the focused control (null for none), the bar's
// value when it is a bar, and whether a box has text selected (then Ctrl+C is the box's).
struct Focus {
    const ControlDesign* control = nullptr;
    int value = 0;
    bool selection = false;
};

// What a key does in a window:
// - a bar: the arrows and Page Up/Down one unit (Up, Left, Page Up towards Min), with Ctrl
//   a tenth of the range; Home to Min, End to Max;
// - Enter and Space press the focused button; Escape presses a dialog's or the notice's
//   own button (the first in its design);
// - Tab and Shift+Tab walk the window's controls in tab order, round and round;
// - Ctrl with + (or =), − and 0, on the main keys or the keypad: the zoom, in every window;
// - in a figure window: Ctrl+C copies the figure (unless a box has text selected), Ctrl+S
//   saves it, Ctrl+P prints it, the Menu key and Shift+F10 open its menu.
Answer answerKey(const FormDesign& form, const Focus& focus, const KeyPress& key);

// A bar's value after a turn of the wheel, `notches` away from the user (positive) or
// towards: one unit a notch, towards Min when turned away.
int wheelValue(const ControlDesign& bar, int value, int notches);

// ---- Focus and stacking --------------------------------------------------------------

// The controls a key reaches, in tab order; the first takes the focus as the window opens.
std::vector<const ControlDesign*> tabOrder(const FormDesign& form);
const ControlDesign* firstFocus(const FormDesign& form);
// Every control from the bottom up: the labels beneath every other control (a later label
// above an earlier one it overlaps), the rest in tab order; the drawing beneath all.
std::vector<const ControlDesign*> stackingOrder(const FormDesign& form);

// The windows open on the desk: which one is being worked (the menu or figure window shown
// last and still loaded) and that the credits and the notice stand above it, modeless,
// whichever window replaces which.
class Desk {
  public:
    void shown(const FormDesign& form);
    void unloaded(const FormDesign& form);
    // The window the dialogs stand above; empty when none is loaded.
    std::string_view worked() const;
    // The loaded credits and notice, in the order they were shown.
    std::vector<std::string_view> dialogs() const;
    bool isLoaded(std::string_view form) const;
    // The program ends when its last window goes.
    bool empty() const { return loaded_.empty(); }

  private:
    struct Loaded {
        std::string_view name;
        FormKind kind;
    };
    std::vector<Loaded> loaded_; // in the order shown, the last shown last
};

// ---- Zoom and fit --------------------------------------------------------------------

// The desktop editions' zooms are times the design's size (kZoomSteps); the page already
// fits the window being worked to the viewport at 1, so its zooms are times that fitted
// size and step down as well as up.
inline constexpr double kPageZoomSteps[] = {0.5, 0.67, 0.8, 0.9, 1, 1.1, 1.25, 1.5, 1.75, 2};

enum class ZoomAsk { In, Out, Reset };
// The zoom asked for by Ctrl +, Ctrl − or Ctrl 0, from `now`; a larger step at which some
// window would not fit its screen is not taken (`fits` says), and then the zoom stays.
double nextZoom(std::span<const double> steps, double now, ZoomAsk ask,
                const std::function<bool(double)>& fits = {});
// The zoom a window opens at: the program's, or the largest step below it that fits.
double openingZoom(std::span<const double> steps, double programZoom,
                   const std::function<bool(double)>& fits);

struct ScreenRect {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const ScreenRect&) const = default;
};
// Twips at a scale, in whole logical pixels.
int scaledPixels(int twips, double scale);
// The window's client size at a zoom.
ScreenRect zoomedClient(const FormDesign& form, double zoom);

// Where a design is shown in a client area: at the zoom when the area is exactly the
// zoomed size, else at the largest scale at which it fits, centred.
struct Fit {
    double scale = 1;
    int x = 0, y = 0; // the design's top-left corner
    // A control's rectangle at this fit.
    ScreenRect place(const ControlDesign& control) const;
};
Fit fitDesign(const FormDesign& form, int clientWidth, int clientHeight, double zoom);

// A window (its frame) grown or shrunk to `width` × `height` about its middle, kept on the
// screen's available area.
ScreenRect resizedOnScreen(const ScreenRect& frame, int width, int height,
                           const ScreenRect& screen);

// The program's text at a scale: 10 pixels at 1, rounded down so every caption still fits.
int fontPixels(double scale);

// ---- Looks ---------------------------------------------------------------------------

// The ring round the focused bar, box or button: amber, 2 logical pixels at zoom 1 and as
// much wider as the window is zoomed.
inline constexpr std::uint32_t kFocusRingColour = 0xffc800;
int focusRingWidth(double scale);

// ---- The rest rule -------------------------------------------------------------------

// A window's bars come to rest once still for kRestMs with no thumb held (counted from the
// last move or from the thumb's release, whichever is later); then the boxes their moves
// changed are said once, in the window's order.
class Rest {
  public:
    explicit Rest(const FormDesign& form) : form_(form) {}
    // A bar moved: wake after this many milliseconds (the timer restarts).
    int moved();
    // A held thumb was let go: wake after this many milliseconds (the timer restarts), or
    // 0 when nothing waits to be said.
    int released();
    // A box's text was written anew by a move.
    void written(std::string_view box, std::string text);
    // The timer is due: say `say` (nothing when empty), or wake again after `wakeAfter`
    // milliseconds when the thumb is still held.
    struct Due {
        int wakeAfter = 0;
        std::string say;
    };
    Due due(bool thumbHeld);
    // The window unloads: nothing is said.
    void stop();

  private:
    const FormDesign& form_;
    std::vector<std::pair<std::string, std::string>> changed_;
    bool waiting_ = false;
};

// ---- The figure's context menu -------------------------------------------------------

struct MenuEntry {
    Command command;
    std::string_view text;
};
// The menu on a figure window's drawing (none elsewhere).
// `opensLinks`: where the program itself can make the system open its links with it (a
// portable .exe, which no installer registered), the menu offers that too.
std::vector<MenuEntry> figureMenu(const FormDesign& form, bool opensLinks = false);

} // namespace rt
