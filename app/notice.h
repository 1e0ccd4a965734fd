#pragma once
#include "formclass.h"

namespace app::notice {

const rt::FormDesign& design();

rt::Update Command1_Click(const rt::Controls& form);

// The notice the trapezium window shows when the upper base is not the shorter one.
const rt::FormClass& Formm();

} // namespace app::notice
