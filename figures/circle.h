#pragma once
#include "figure.h"

namespace figures::circle {

const rt::FormDesign& design();
// The radius bar's update: three texts, Cls, the letter K, the centre mark, the circle.
rt::Update update(int radius);

rt::Update hsbR_Change(const rt::Controls& form);
rt::Update hsbR_Scroll(const rt::Controls& form);
rt::Update Command2_Click(const rt::Controls& form);

// The circle window: its design and its handlers.
const rt::FormClass& Formk();

} // namespace figures::circle
