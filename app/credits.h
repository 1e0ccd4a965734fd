#pragma once
#include "formclass.h"

namespace app::credits {

const rt::FormDesign& design();

// The control array Command1 has the single element 1.
rt::Update Command1_Click(const rt::Controls& form, int index);

// The credits window: three lines and a button that closes it.
const rt::FormClass& Formd();

} // namespace app::credits
