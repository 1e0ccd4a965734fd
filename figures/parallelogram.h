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

class Formparal : public rt::Form {
    Q_OBJECT
  public:
    explicit Formparal(rt::Shell& shell) : rt::Form(shell, parallelogram::design()) {}

  private:
    void wire() override;
    void hsbpleurac_Scroll();
    void hsbpleurad_Scroll();
    void hsbgonia1_Scroll();
    void Command2_Click();
    void RefreshFigure();
};

} // namespace figures::parallelogram
