#pragma once
// What the program says to a screen reader, the same in every edition: a control's name,
// a bar's value as its box writes it, the results a bar's moves changed once it rests,
// the description of the figure drawn, and when a bar counts as resting.
#include "design.h"
#include "update.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

namespace rt {

// A bar is at rest once it has been still this long, its thumb not held.
inline constexpr int kRestMs = 700;

// Said after the name of a bar of more than 100 steps.
inline constexpr const char* kLongBarHint =
    "Ctrl με τα βέλη ή με Page Up και Page Down: ένα δέκατο της κλίμακας";

// A control's spoken name: the design's, a label's caption, or a button's tool tip.
std::string spokenName(const ControlDesign& control);

// A bar's value as its box writes it, in the locale's decimal separator: "7", "45°",
// "070,97", "046,45°".
std::string spokenValue(BarUnit unit, int value, std::string_view decimalSeparator);

// The boxes whose texts changed since the bar last rested, each by its spoken name with
// its text, in the window's order: "ΠΛΕΥΡΑ α: 7, ΠΕΡΙΜΕΤΡΟΣ: 28". `changed` gives a box's
// new text, or nullptr when it did not change. Empty when nothing changed.
std::string
resultsMessage(const FormDesign& design,
               const std::function<const std::string*(const std::string& box)>& changed);

// The figure an update draws, as a sentence: what it is, its vertex letters in the order
// the update prints them (as Greek capitals, where the drawing prints their Latin
// look-alikes) and what defines it: "Τετράγωνο ΑΒΓΔ, πλευρά α 7".
std::string describeFigure(const Update& update, std::string_view figure,
                           std::initializer_list<std::string> defining);

// A figure window before its first drawing.
std::string describeEmpty(const FormDesign& design);

// A number of hundredths in the locale's writing, as a sentence says it: "70,97".
std::string hundredths(int value, std::string_view decimalSeparator);

} // namespace rt
