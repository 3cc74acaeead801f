// The environment as this system stands it in: the project that a project file on
// disk describes, and an Add-Ins menu that the environment's window shows and clicks.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/addin_menu.h"
#include "host/object_model.h"
#include "host/project_file.h"
#include "runtime/run_error.h"

namespace quillon {

class ProjectFileApplication : public VBApplication {
 public:
  // Opens the project that `project_path` describes (a Windows-form path is mapped).
  // A file that cannot be read leaves no project open; ActiveProject raises the read's error.
  explicit ProjectFileApplication(std::string project_path);

  std::shared_ptr<VBMenu> AddInMenu() override;
  std::shared_ptr<VBProject> ActiveProject() override;

  // Reads the project file again, as the environment does when a project is reopened;
  // component objects handed out before keep the project they came from.
  void Reload();

  // For the environment's window: the open project's name and its components, each
  // with the name that Name gives ("" and none while no project is open).
  std::string ProjectName() const;
  std::vector<std::pair<std::string, std::string>> ComponentList() const;  // name, path
  // The error that keeps the project from opening, if any.
  std::optional<RuntimeError> LoadError() const;

  std::vector<std::string> MenuCaptions() const;
  bool ClickMenuItem(size_t index);

  struct Project;

 private:
  std::string project_path_;
  std::shared_ptr<const Project> project_;  // null while no project is open
  std::optional<RuntimeError> load_error_;
  std::shared_ptr<AddInsMenu> menu_;
};

}  // namespace quillon
