// The headless run: the same add-in, window and run as on a display, on the headless backend.
#include "analyse_command.h"

#include <iostream>

#include "host/class_registry.h"
#include "host/project_file_host.h"
#include "host/qln_class.h"
#include "host/type_library.h"
#include "ui/headless_window_system.h"

namespace quillon {

int RunAnalyseCommand(const std::string& project_file, const std::string& log_file) {
  HeadlessWindowSystem windows(&std::cout, &std::cerr);
  windows.SetShowHook([&log_file](HeadlessWindow& window) {
    window.SetText("txtLogFile", log_file);
    window.Press("cmdAnalyse");
    window.Press("cmdExit");
  });
  RegisterQlnClass(Registry(), windows);

  auto environment = std::make_shared<ProjectFileApplication>(project_file);
  std::shared_ptr<VBApplication> application = environment;
  auto addin = Registry().CreateObject(kQlnClassIdentity.prog_id);
  addin->ConnectAddIn(application);
  const auto captions = environment->MenuCaptions();
  for (size_t item = 0; item < captions.size(); ++item) {
    if (captions[item] == "Quillon...") environment->ClickMenuItem(item);
  }
  addin->DisconnectAddIn(0);
  return windows.message_count() == 0 ? 0 : 1;
}

}  // namespace quillon
