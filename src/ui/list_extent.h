// Gives a list box a horizontal scrolling range from its own width.
#pragma once

#include <cstdint>

#include "ui/window_system.h"

namespace quillon {

// Sends the list's width in twips plus 100, unconverted, as a range in pixels
// (6235 for a list 6135 twips wide); returns what the list box returns.
int32_t lngSetHorizontalExtent(ListBox& lstBox);

}  // namespace quillon
