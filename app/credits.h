#pragma once
#include "form.h"

namespace app {

const rt::FormDesign& creditsDesign();

// The credits window: three lines and a button that closes it.
class Formd : public rt::Form {
    Q_OBJECT
  public:
    explicit Formd(rt::Shell& shell) : rt::Form(shell, creditsDesign()) {}

  private:
    void wire() override;
    void Command1_Click(int index);
};

} // namespace app
