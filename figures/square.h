#pragma once
#include "figure.h"

namespace figures::square {

const rt::FormDesign& design();
// The side bar's update: three texts, Cls, the four sides and the four letters.
rt::Update update(int side);

rt::Update hsbpleyra_Change(const rt::Controls& form);
rt::Update hsbpleyra_Scroll(const rt::Controls& form);
rt::Update Command2_Click(const rt::Controls& form);

// The square window: its design and its handlers.
const rt::FormClass& Formt();

} // namespace figures::square
