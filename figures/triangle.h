#pragma once
#include "figure.h"

namespace figures::triangle {

struct Bars {
    int A; // angle Α in degrees, 1 to 90
    int G; // angle Γ in degrees, 1 to 89
    int b; // side β, the base ΑΓ, 1 to 10
};

// The solution of the triangle, all in double precision but the angle Β.
struct Solution {
    double ar, gr; // Α and Γ in radians
    double ta, tg; // their tangents
    double da;     // from Α along the base to the foot of the height
    double h;      // height from Β
    int B;         // angle Β in degrees
};

const rt::FormDesign& design();
Solution solve(const Bars& bars);
// Writes the three input boxes, then DrawTriangle.
rt::Update RefreshFigure(const Bars& bars);
// The six results into their boxes, Cls and the lettered triangle.
void DrawTriangle(const Bars& bars, rt::Update& u);

// The same, reading the three bars.
rt::Update RefreshFigure(const rt::Controls& form);

rt::Update hsbgoniaa_Scroll(const rt::Controls& form);
rt::Update hsbgoniag_Scroll(const rt::Controls& form);
rt::Update hsbpleurab_Scroll(const rt::Controls& form);
rt::Update Command1_Click(const rt::Controls& form);

// The triangle window: its design and its handlers.
const rt::FormClass& Formtri();

} // namespace figures::triangle
