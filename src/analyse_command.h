// "quillon analyse": the main window's run without a display, driven as the
// environment and a user would drive it.
#pragma once

#include <string>

namespace quillon {

// Opens the project in `project_file` in the environment window, which connects the
// add-in; chooses its "Quillon..." item, types `log_file` into the main window's log path
// box, presses Analyse, then Exit, and closes the environment window, which disconnects
// the add-in. The main window's progress lines go to standard output, every message box
// (the environment's too) to standard error. Returns 0 when no message box was shown, else 1.
int RunAnalyseCommand(const std::string& project_file, const std::string& log_file);

}  // namespace quillon
