#pragma once
#include "form.h"

namespace app {

const rt::FormDesign& noticeDesign();

// The notice the trapezium window shows when the upper base is not the shorter one.
class Formm : public rt::Form {
    Q_OBJECT
  public:
    explicit Formm(rt::Shell& shell) : rt::Form(shell, noticeDesign()) {}

  private:
    void wire() override;
    void Command1_Click();
};

} // namespace app
