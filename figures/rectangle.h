#pragma once
#include "figure.h"

namespace figures::rectangle {

const rt::FormDesign& design();
// Writes the four boxes and draws the lettered rectangle of sides α and β.
rt::Update DrawRectangle(int a, int b);

class Formo : public rt::Form {
    Q_OBJECT
  public:
    explicit Formo(rt::Shell& shell) : rt::Form(shell, rectangle::design()) {}

  private:
    void wire() override;
    void hsbpleyraa_Scroll();
    void hsbpleyrab_Scroll();
    void Command2_Click();
    void DrawRectangle();
};

} // namespace figures::rectangle
