// A modal FLTK message box with an OK button and an optional information icon.
#pragma once

#include <string>

#include "analysis/ui_services.h"

namespace quillon {

// Shows `prompt` (UTF-8; lines split at "\n") centred on the screen and returns when
// OK, Enter, Escape or the close control has answered it.
void ShowFltkMessageBox(const std::string& prompt, MsgBoxIcon icon, const std::string& title);

}  // namespace quillon
