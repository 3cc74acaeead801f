// Opens a project file and shows the main window on the display through FLTK.
#include "ide_command.h"

#include "host/object_model.h"
#include "host/project_file_host.h"
#include "ui/fltk_window_system.h"
#include "ui/frm_qln.h"

namespace quillon {

int RunIdeCommand(const std::string& project_file) {
  FltkWindowSystem windows;
  objVBInst = std::make_shared<ProjectFileApplication>(project_file);
  ShowMainWindowModal(windows);
  return 0;
}

}  // namespace quillon
