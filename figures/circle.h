#pragma once
#include "figure.h"

namespace figures::circle {

const rt::FormDesign& design();
// The radius bar's update: three texts, Cls, the letter K, the centre mark, the circle.
rt::Update update(int radius);

class Formk : public rt::Form {
    Q_OBJECT
  public:
    explicit Formk(rt::Shell& shell) : rt::Form(shell, circle::design()) {}

  private:
    void wire() override;
    void hsbR_Change();
    void hsbR_Scroll();
    void Command2_Click();
};

} // namespace figures::circle
