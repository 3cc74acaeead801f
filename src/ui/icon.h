// The main window's icon.
#pragma once

#include "ui/window_system.h"

namespace quillon {

// A running figure on a grey square: 32 × 32 pixels, 16 colours.
Icon QuillonIcon();

}  // namespace quillon
