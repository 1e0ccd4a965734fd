#pragma once
// What every figure window shares: the form class, the number conversions, π′ and
// the back button that all of them place at the same spot.
#include "design.h"
#include "formclass.h"
#include "integer.h"
#include "numfmt.h"
#include "spoken.h"
#include "update.h"

#include <cmath>
#include <string>

namespace figures {

// The figure windows take π as the double nearest to this 15-digit decimal, never
// the full-precision constant: the digits they show depend on it.
inline constexpr double kPi = 3.14159265358979;

// Degrees to radians, in this grouping.
inline double radians(double degrees) {
    return ((2 * kPi) * degrees) / 360;
}

inline constexpr int kFigureWidth = 6030;
inline constexpr int kFigureHeight = 4590;

constexpr rt::ControlDesign backButton(std::string_view name, int tabIndex) {
    return rt::button(name, 5040, 3960, 975, 615, tabIndex, rt::kBackPicture)
        .spoken("Επιστροφή στο μενού");
}

// The back button: Beep, the menu where this window stands, unload this window.
inline rt::Update backToMenu(const std::string& form) {
    return rt::replace(form, "Form1");
}

// Str of a whole number of degrees, followed directly by the degree sign.
inline std::string degrees(int value) {
    return rt::Str(value) + "°";
}

} // namespace figures
