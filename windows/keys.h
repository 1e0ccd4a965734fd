#pragma once
// A key message as the core names keys: by their place on a US keyboard (Windows gives a
// letter key's virtual-key code as its Latin letter whatever the layout), with the
// modifiers held as it came.
#include "interaction.h"

#include <windows.h>

namespace win {

rt::KeyPress keyPressOf(const MSG& msg);

} // namespace win
