// The window that stands in for the development environment: it shows the open project
// and its components, connects the add-in when it loads, offers the Add-Ins menu that
// connected add-ins fill, and disconnects the add-in when it closes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "host/addin.h"
#include "host/class_registry.h"
#include "host/project_file_host.h"
#include "runtime/run_error.h"
#include "ui/window_system.h"

namespace quillon {

// The environment's own name: the end of its window title and its message boxes' title.
inline constexpr char kEnvironmentTitle[] = "Quillon environment";

class EnvironmentWindow {
 public:
  // A new, unloaded window over `app`. The add-in is created from `registry` by its
  // programmatic name when the window loads.
  EnvironmentWindow(WindowSystem& windows, const ClassRegistry& registry,
                    std::shared_ptr<ProjectFileApplication> app);

  // Loads the window (listing the components, creating and connecting the add-in), shows
  // it modally and returns once it has unloaded, which disconnects the add-in.
  void Show();

  // Whether a failure of the add-in or of its creation has reached the environment.
  bool failed() const { return failed_; }

 private:
  void BuildWindow();
  void Form_Load();
  void Form_Unload(int16_t& cancel);
  void ListComponents();
  void ConnectAddIn();
  void DisconnectAddIn();
  void AddInItem_Click(size_t index);
  // Rebuilds the Add-Ins menu from the application's menu, item for item.
  void RefreshAddInsMenu();
  // The environment's report of a failed call into the add-in.
  void ReportFailure(const RuntimeError& error);

  WindowSystem& windows_;
  const ClassRegistry& registry_;
  std::shared_ptr<ProjectFileApplication> app_;
  std::unique_ptr<Window> window_;
  Menu* mnuAddIns = nullptr;
  ListBox* lstComponents = nullptr;
  std::shared_ptr<VBAddIn> addin_;  // while connected
  bool failed_ = false;
};

// The window's title: "<project name> - Quillon environment", or
// "No project - Quillon environment" when the project file could not be opened.
std::string EnvironmentTitle(const ProjectFileApplication& app);

// The environment's message for a failed call into the add-in, such as
// "Quillon.QlnClass: Error 91, Object variable or With block variable not set".
std::string EnvironmentErrorText(const RuntimeError& error);

}  // namespace quillon
