// Opens a project file in the environment window on the display, through FLTK, with the
// add-in connected to it as the development environment connects it.
#include "ide_command.h"

#include <memory>

#include "host/class_registry.h"
#include "host/environment_window.h"
#include "host/project_file_host.h"
#include "host/qln_class.h"
#include "ui/fltk_window_system.h"

namespace quillon {

int RunIdeCommand(const std::string& project_file) {
  FltkWindowSystem windows;
  RegisterQlnClass(Registry(), windows);
  EnvironmentWindow environment(windows, Registry(),
                                std::make_shared<ProjectFileApplication>(project_file));
  environment.Show();
  return environment.failed() ? 1 : 0;
}

}  // namespace quillon
