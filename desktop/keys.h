#pragma once
// A Qt key event as the core names keys: by their place on a US keyboard ("KeyC" for the
// C key whatever letter a Greek layout types with it), with their modifiers.
#include "interaction.h"

#include <optional>

class QKeyEvent;

namespace desktop {

rt::KeyPress keyPressOf(const QKeyEvent& event);

} // namespace desktop
