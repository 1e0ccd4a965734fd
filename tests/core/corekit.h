#pragma once
// Shared by the core's suites: what an update leaves drawn, the grammar of Str, and the
// shape checks of the figures; no toolkit.
#include "picture.h"
#include "update.h"

#include <cmath>
#include <string>
#include <vector>

namespace corekit {

// One drawn item as a surface keeps it.
using Item = rt::Drawn;
// What an update draws, in the order it draws it (a surface then lays the letters above
// every line): the figure's own sequence, as its tables list it.
std::vector<Item> drawnInOrder(const rt::Update& update, std::uint32_t foreColour = 0);

// The last text the update writes to the box; fails the test when it writes none.
std::string textOf(const rt::Update& update, const std::string& box);

// The box names the update writes, in order.
std::vector<std::string> boxesWritten(const rt::Update& update);

// Str's grammar: leading blank or "-", no zero before the point, at most 15 significant
// digits, the exponent form only outside [0.0001, 1E15); and the text reads back as the
// same text (Str of the number it spells).
bool wellFormedStr(const std::string& text);

// Every end of every line meets an end of another line.
bool closedOutline(const std::vector<Item>& items);

inline bool near(double a, double b, double tolerance = 0.01) {
    return std::abs(a - b) <= tolerance;
}

} // namespace corekit
