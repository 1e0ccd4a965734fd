#pragma once
// The program: its eleven form classes, reached by name, and the one it starts on.
#include "formclass.h"

#include <string_view>
#include <vector>

namespace app {

// The file and product version, from the build (CMakeLists.txt).
inline constexpr const char* kVersion = SCHIMATIOS_VERSION;

// The runtime shows this form at start; the program computes nothing at start.
inline constexpr std::string_view kStartupForm = "Form1";

// Every form class, in no particular order.
const std::vector<const rt::FormClass*>& formClasses();
// The form class of that name, or nullptr.
const rt::FormClass* formClass(std::string_view name);

} // namespace app
