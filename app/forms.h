#pragma once
// The program: its eleven form classes, reached by name, and the one it starts on.
#include "formclass.h"

#include <string_view>
#include <vector>

namespace app {

// The file and product version, from the build (CMakeLists.txt).
inline constexpr const char* kVersion = SCHIMATIOS_VERSION;

// The program's name, as its windows' messages are titled.
inline constexpr const char* kProgramName = "ΣΧΗμάτιος";

// The runtime shows this form at start; the program computes nothing at start.
inline constexpr std::string_view kStartupForm = "Form1";

// Every form class, in no particular order.
const std::vector<const rt::FormClass*>& formClasses();
// The form class of that name, or nullptr.
const rt::FormClass* formClass(std::string_view name);

// How a pupil comes to a window and goes back: the button of another window whose click
// shows it, that window, and the window's own button whose click shows that one again
// (empty where there is none). Read from the handlers themselves.
struct Way {
    std::string_view from, opens, back;
};
Way wayTo(std::string_view form);
// The figure windows, in the order the menu shows them (row by row).
std::vector<const rt::FormClass*> figureClasses();

} // namespace app
