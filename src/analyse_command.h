// "quillon analyse": the main window's run without a display, driven as the
// environment and a user would drive it.
#pragma once

#include <string>

namespace quillon {

// Connects the add-in to the project in `project_file`, clicks its menu item, types
// `log_file` into the window's log path box, presses Analyse, then Exit, and
// disconnects. Progress lines go to standard output, message boxes to standard error.
// Returns 0 when no message box was shown, else 1.
int RunAnalyseCommand(const std::string& project_file, const std::string& log_file);

}  // namespace quillon
