#pragma once
#include "figure.h"

namespace figures::parallelogram {

struct Bars {
    int a;   // side α, the base ΑΒ
    int b;   // side β, ΑΔ
    int phi; // angle φ at Α in degrees
};

const rt::FormDesign& design();
// Writes the three input boxes, then DrawParallelogram.
rt::Update RefreshFigure(const Bars& bars);
// Height, area and perimeter into their boxes, Cls and the lettered figure.
void DrawParallelogram(const Bars& bars, rt::Update& u);

// The same, reading the three bars.
rt::Update RefreshFigure(const rt::Controls& form);

rt::Update hsbpleurac_Scroll(const rt::Controls& form);
rt::Update hsbpleurad_Scroll(const rt::Controls& form);
rt::Update hsbgonia1_Scroll(const rt::Controls& form);
rt::Update Command2_Click(const rt::Controls& form);

// The oblique parallelogram window: its design and its handlers.
const rt::FormClass& Formparal();

} // namespace figures::parallelogram
