#pragma once
#include "figure.h"

namespace figures::rectangle {

const rt::FormDesign& design();
// Writes the four boxes and draws the lettered rectangle of sides α and β.
rt::Update DrawRectangle(int a, int b);

// The same, reading both bars.
rt::Update DrawRectangle(const rt::Controls& form);

rt::Update hsbpleyraa_Scroll(const rt::Controls& form);
rt::Update hsbpleyrab_Scroll(const rt::Controls& form);
rt::Update Command2_Click(const rt::Controls& form);

// The rectangle window: its design and its handlers.
const rt::FormClass& Formo();

} // namespace figures::rectangle
