// The headless run: the same environment window, add-in, main window and run as on a
// display, on the headless backend, driven by a show hook for each window.
#include "analyse_command.h"

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "host/class_registry.h"
#include "host/environment_window.h"
#include "host/project_file_host.h"
#include "host/qln_class.h"
#include "ui/headless_window_system.h"

namespace quillon {
namespace {

constexpr char kMainWindowTitle[] = "Quillon";

// In the environment window: choose each "Quillon..." item, then close the window.
void DriveEnvironment(HeadlessWindow& window) {
  std::vector<std::string> chosen;
  for (const HeadlessMenu& menu : window.menus()) {
    for (const HeadlessMenuItem& item : menu.items) {
      if (item.caption == "Quillon...") chosen.push_back(item.name);
    }
  }
  for (const std::string& item : chosen) window.PressMenu(item);
  window.Close();
}

// In the main window: type the log path, run the analysis, and leave.
void DriveMainWindow(HeadlessWindow& window, const std::string& log_file) {
  window.SetText("txtLogFile", log_file);
  window.Press("cmdAnalyse");
  window.Press("cmdExit");
}

}  // namespace

int RunAnalyseCommand(const std::string& project_file, const std::string& log_file) {
  HeadlessWindowSystem windows(&std::cout, &std::cerr);
  windows.PrintListsOnlyOf(kMainWindowTitle);
  windows.SetShowHook([&log_file](HeadlessWindow& window) {
    if (window.title() == kMainWindowTitle) {
      DriveMainWindow(window, log_file);
    } else {
      DriveEnvironment(window);
    }
  });
  RegisterQlnClass(Registry(), windows);
  EnvironmentWindow environment(windows, Registry(),
                                std::make_shared<ProjectFileApplication>(project_file));
  environment.Show();
  return windows.message_count() == 0 ? 0 : 1;
}

}  // namespace quillon
