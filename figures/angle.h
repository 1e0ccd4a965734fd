#pragma once
#include "figure.h"

namespace figures::angle {

const rt::FormDesign& design();
// The angle bar's update: the text, Cls, the first arm, the letter A, the second arm.
rt::Update update(int degrees);

class Formangle : public rt::Form {
    Q_OBJECT
  public:
    explicit Formangle(rt::Shell& shell) : rt::Form(shell, angle::design()) {}

  private:
    void wire() override;
    void hsbgonia_Change();
    void hsbgonia_Scroll();
    void Command1_Click();
};

} // namespace figures::angle
