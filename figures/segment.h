#pragma once
#include "figure.h"

#include <string_view>

namespace figures::segment {

struct Bars {
    int length;    // hundredths of a unit, 0 to 10000
    int direction; // hundredths of a degree, 0 to 18000
};

// Whole degrees, minutes and seconds of a direction, and what is left of a second.
struct Dms {
    double D, M, S, F;
};

const rt::FormDesign& design();
Dms degreesMinutesSeconds(double phi);
// Cls, the length box, then DrawSegment.
rt::Update hsbmhkos_Scroll(const Bars& bars, std::string_view decimalSeparator);
// Cls, the decimal-degree box, then DrawSegment.
rt::Update hsbdief_Scroll(const Bars& bars, std::string_view decimalSeparator);
// The other three direction boxes and the segment with its end marks and letters.
void DrawSegment(const Bars& bars, std::string_view decimalSeparator, rt::Update& u);

rt::Update hsbmhkos_Scroll(const rt::Controls& form);
rt::Update hsbdief_Scroll(const rt::Controls& form);
rt::Update Command1_Click(const rt::Controls& form);

// The line segment window: its design and its handlers.
const rt::FormClass& Formline();

} // namespace figures::segment
