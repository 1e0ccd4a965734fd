#pragma once
#include "formclass.h"

namespace app::menu {

const rt::FormDesign& design();

rt::Update Command4_Click(const rt::Controls& form);
rt::Update Command9_Click(const rt::Controls& form);

// The main menu: eight figure buttons, the credits and the end button.
const rt::FormClass& Form1();

} // namespace app::menu
