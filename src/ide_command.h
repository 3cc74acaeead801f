// "quillon ide": the project opened in a real window, as in the development environment.
#pragma once

#include <string>

namespace quillon {

// Opens the project in `project_file` in the environment window on the display, with the
// add-in connected: its "Quillon..." item on the Add-Ins menu opens the main window.
// Returns when the environment window has closed: 0, or 1 when a failure of the add-in
// reached the environment (which showed it in a message box).
int RunIdeCommand(const std::string& project_file);

}  // namespace quillon
