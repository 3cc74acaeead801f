// The project-file host: a project read from disk behind the object model's project,
// component collection and component interfaces.
#include "host/project_file_host.h"

#include "host/component_name.h"
#include "host/path_resolve.h"
#include "runtime/win_path.h"

namespace quillon {

// One component as the host hands it out: its project file line and its path here.
struct HostedComponent {
  ProjectEntry entry;
  std::string path;  // resolved on this system
};

struct ProjectFileApplication::Project {
  std::string name;
  std::vector<HostedComponent> components;
};

namespace {

using Loaded = ProjectFileApplication::Project;

class Component : public VBComponent {
 public:
  explicit Component(const HostedComponent& component) : component_(component) {}

  // Read from the file on every call, as the environment reads the component's own state.
  std::string Name() override { return ComponentName(component_.entry, component_.path); }

  std::string FileNames(int16_t index) override {
    if (index != 0) throw RuntimeError(kErrSubscriptOutOfRange);
    return component_.path;
  }

 private:
  HostedComponent component_;
};

class Components : public VBComponents {
 public:
  explicit Components(std::shared_ptr<const Loaded> project) : project_(std::move(project)) {}
  int32_t Count() override { return static_cast<int32_t>(project_->components.size()); }

 private:
  std::shared_ptr<const Loaded> project_;
};

class ProjectObject : public VBProject {
 public:
  explicit ProjectObject(std::shared_ptr<const Loaded> project) : project_(std::move(project)) {}

  std::shared_ptr<VBComponents> Components() override {
    return std::make_shared<class Components>(project_);
  }

  std::shared_ptr<VBComponent> Components(int32_t& position) override {
    const auto& components = project_->components;
    if (position < 0 || static_cast<size_t>(position) >= components.size()) {
      throw RuntimeError(kErrSubscriptOutOfRange);
    }
    return std::make_shared<Component>(components[position]);
  }

 private:
  std::shared_ptr<const Loaded> project_;
};

std::shared_ptr<const Loaded> LoadProject(const std::string& project_path) {
  const std::string path = MapWindowsPath(project_path);
  const ProjectFile file = ReadProjectFile(path);
  const std::string folder = FolderOf(path);
  auto project = std::make_shared<Loaded>();
  project->name = file.name;
  for (const auto& entry : file.components) {
    project->components.push_back({entry, ResolveComponentPath(folder, entry.path)});
  }
  return project;
}

}  // namespace

ProjectFileApplication::ProjectFileApplication(std::string project_path)
    : project_path_(std::move(project_path)), menu_(std::make_shared<AddInsMenu>()) {
  Reload();
}

void ProjectFileApplication::Reload() {
  try {
    project_ = LoadProject(project_path_);
    load_error_.reset();
  } catch (const RuntimeError& error) {
    project_.reset();
    load_error_ = error;
  }
}

std::shared_ptr<VBMenu> ProjectFileApplication::AddInMenu() { return menu_; }

std::shared_ptr<VBProject> ProjectFileApplication::ActiveProject() {
  if (!project_) throw *load_error_;
  return std::make_shared<ProjectObject>(project_);
}

std::string ProjectFileApplication::ProjectName() const { return project_ ? project_->name : std::string(); }

std::vector<std::pair<std::string, std::string>> ProjectFileApplication::ComponentList() const {
  std::vector<std::pair<std::string, std::string>> list;
  if (!project_) return list;
  for (const auto& component : project_->components) {
    list.emplace_back(ComponentName(component.entry, component.path), component.path);
  }
  return list;
}

std::optional<RuntimeError> ProjectFileApplication::LoadError() const { return load_error_; }

std::vector<std::string> ProjectFileApplication::MenuCaptions() const { return menu_->Captions(); }

bool ProjectFileApplication::ClickMenuItem(size_t index) { return menu_->Click(index); }

}  // namespace quillon
