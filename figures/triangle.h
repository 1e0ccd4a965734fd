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

class Formtri : public rt::Form {
    Q_OBJECT
  public:
    explicit Formtri(rt::Shell& shell) : rt::Form(shell, triangle::design()) {}

  private:
    void wire() override;
    void hsbgoniaa_Scroll();
    void hsbgoniag_Scroll();
    void hsbpleurab_Scroll();
    void Command1_Click();
    void RefreshFigure();
};

} // namespace figures::triangle
