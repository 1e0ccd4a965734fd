#pragma once
#include "figure.h"

namespace figures::angle {

const rt::FormDesign& design();
// The angle bar's update: the text, Cls, the first arm, the letter A, the second arm.
rt::Update update(int degrees);

rt::Update hsbgonia_Change(const rt::Controls& form);
rt::Update hsbgonia_Scroll(const rt::Controls& form);
rt::Update Command1_Click(const rt::Controls& form);

// The angle window: its design and its handlers.
const rt::FormClass& Formangle();

} // namespace figures::angle
