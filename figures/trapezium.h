#pragma once
#include "figure.h"

namespace figures::trapezium {

struct Bars {
    int A; // angle Α in degrees, 1 to 100
    int B; // angle Β in degrees, 1 to 79
    int a; // lower base α, 1 to 10
    int g; // upper base γ, 0 to 9
};

struct Solution {
    double s;     // horizontal distance from Α to Δ (negative when Α > 90°)
    double t;     // horizontal distance from Γ to Β
    double h;     // height
    double beta;  // leg ΒΓ
    double delta; // leg ΔΑ
    int D;        // angle Δ in degrees
};

const rt::FormDesign& design();
// Only for α > γ.
Solution solve(const Bars& bars);
// Writes the four input boxes, then DrawTrapezium.
rt::Update RefreshFigure(const Bars& bars);
// For α > γ: Cls, the six results and the lettered trapezium. Otherwise a beep and the
// notice window, and nothing else.
void DrawTrapezium(const Bars& bars, rt::Update& u);

// The same, reading the four bars.
rt::Update RefreshFigure(const rt::Controls& form);

rt::Update hsbgoniaa_Scroll(const rt::Controls& form);
rt::Update hsbgoniab_Scroll(const rt::Controls& form);
rt::Update hsbpleuraa_Scroll(const rt::Controls& form);
rt::Update hsbpleurag_Scroll(const rt::Controls& form);
rt::Update Command1_Click(const rt::Controls& form);

// The trapezium window: its design and its handlers.
const rt::FormClass& Formtra();

} // namespace figures::trapezium
