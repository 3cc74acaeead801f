// "quillon ide": the project opened in a real window, as in the development environment.
#pragma once

#include <string>

namespace quillon {

// Opens the project in `project_file` and shows the main window on the display;
// returns the command's exit status when the window has closed.
int RunIdeCommand(const std::string& project_file);

}  // namespace quillon
