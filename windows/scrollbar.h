#pragma once
// The program's scroll bar on Windows: a SCROLLBAR control, vertical, Min at the top, and
// what it needs beyond the standard control — the designed events told apart, a position
// set by the program followed by its blinking thumb, the wheel one unit a notch, and the
// focus ring that a bar and a box wear.
#include "formclass.h"

#include <functional>
#include <optional>
#include <utility>
#include <windows.h>

namespace win {

// Gives a bar its design's range and value.
void setUpBar(HWND bar, const rt::ControlDesign& design);
int barValue(HWND bar);

// The position a WM_VSCROLL code asks for and the designed event it makes: Scroll for every
// position the thumb is dragged to, Change for an arrow, the trough, and the end of a drag
// that moved it further; nothing at the end of a drag. `held` follows the thumb.
std::optional<std::pair<int, rt::Event>> barScrolled(HWND bar, int code, bool& held);

// Sets the position, clamped to the range; false when it did not move. A focused bar's
// blinking thumb and its ring follow.
bool setBarValue(HWND bar, const rt::ControlDesign& design, int value, double scale);

// A bar's or a box's own messages: the wheel's notches (a bar's) go to `wheel`; the ring is
// kept on the focused one at the scale `scale` reads.
void watchControl(HWND control, std::function<void(int notches)> wheel,
                  std::function<double()> scale);

} // namespace win
