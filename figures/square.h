#pragma once
#include "figure.h"

namespace figures::square {

const rt::FormDesign& design();
// The side bar's update: three texts, Cls, the four sides and the four letters.
rt::Update update(int side);

class Formt : public rt::Form {
    Q_OBJECT
  public:
    explicit Formt(rt::Shell& shell) : rt::Form(shell, square::design()) {}

  private:
    void wire() override;
    void hsbpleyra_Change();
    void hsbpleyra_Scroll();
    void Command2_Click();
};

} // namespace figures::square
