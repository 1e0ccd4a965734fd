#pragma once
#include "form.h"

namespace app {

const rt::FormDesign& menuDesign();

// The main menu: eight figure buttons, the credits and the end button.
class Form1 : public rt::Form {
    Q_OBJECT
  public:
    explicit Form1(rt::Shell& shell) : rt::Form(shell, menuDesign()) {}

  private:
    void wire() override;
    void Command4_Click();
    void Command9_Click();
};

} // namespace app
