// The scripted environment: shared script state behind the project, component and
// menu objects, so every object a caller holds sees the test's latest changes.
#include "host/scripted_host.h"

#include <map>
#include <utility>

namespace quillon {

struct ScriptedComponentData {
  std::string name;
  std::string path;
};

struct ScriptedApplication::Script {
  std::vector<std::shared_ptr<ScriptedComponentData>> components;
  std::map<HostMember, RuntimeError> failures;
  std::multimap<HostMember, std::pair<int, std::function<void()>>> actions;
  std::map<HostMember, int> calls;
  std::vector<std::string> log;

  // Logs the call, runs the actions due, then raises the member's failure if it has one.
  void Enter(HostMember member, const std::string& args = std::string()) {
    log.push_back(args.empty() ? MemberName(member) : MemberName(member) + ("(" + args + ")"));
    const int call = ++calls[member];
    std::vector<std::function<void()>> due;
    auto range = actions.equal_range(member);
    for (auto it = range.first; it != range.second; ++it) {
      if (it->second.first == 0 || it->second.first == call) due.push_back(it->second.second);
    }
    for (const auto& action : due) action();
    auto failure = failures.find(member);
    if (failure != failures.end()) throw failure->second;
  }
};

namespace {

using Script = ScriptedApplication::Script;

class Component : public VBComponent {
 public:
  Component(std::shared_ptr<Script> script, std::shared_ptr<ScriptedComponentData> data)
      : script_(std::move(script)), data_(std::move(data)) {}

  std::string Name() override {
    script_->Enter(HostMember::kName);
    return data_->name;
  }

  std::string FileNames(int16_t index) override {
    script_->Enter(HostMember::kFileNames, std::to_string(index));
    if (index != 0) throw RuntimeError(kErrSubscriptOutOfRange);
    return data_->path;
  }

 private:
  std::shared_ptr<Script> script_;
  std::shared_ptr<ScriptedComponentData> data_;
};

class Components : public VBComponents {
 public:
  explicit Components(std::shared_ptr<Script> script) : script_(std::move(script)) {}

  int32_t Count() override {
    script_->Enter(HostMember::kCount);
    return static_cast<int32_t>(script_->components.size());
  }

 private:
  std::shared_ptr<Script> script_;
};

class Project : public VBProject {
 public:
  explicit Project(std::shared_ptr<Script> script) : script_(std::move(script)) {}

  std::shared_ptr<VBComponents> Components() override {
    script_->Enter(HostMember::kComponents);
    return std::make_shared<class Components>(script_);
  }

  std::shared_ptr<VBComponent> Components(int32_t& position) override {
    script_->Enter(HostMember::kComponentAt, std::to_string(position));
    const auto& components = script_->components;
    if (position < 0 || static_cast<size_t>(position) >= components.size()) {
      throw RuntimeError(kErrSubscriptOutOfRange);
    }
    return std::make_shared<Component>(script_, components[position]);
  }

 private:
  std::shared_ptr<Script> script_;
};

}  // namespace

ScriptedApplication::ScriptedApplication() : script_(std::make_shared<Script>()) {
  // The menu's members go through the same log, failures and actions.
  std::weak_ptr<Script> script = script_;
  menu_ = std::make_shared<AddInsMenu>([script](HostMember member, const std::string& args) {
    if (auto alive = script.lock()) alive->Enter(member, args);
  });
}

std::shared_ptr<VBMenu> ScriptedApplication::AddInMenu() {
  script_->Enter(HostMember::kAddInMenu);
  return menu_;
}

std::shared_ptr<VBProject> ScriptedApplication::ActiveProject() {
  script_->Enter(HostMember::kActiveProject);
  return std::make_shared<Project>(script_);
}

void ScriptedApplication::AddComponent(const std::string& name, const std::string& path) {
  script_->components.push_back(std::make_shared<ScriptedComponentData>(ScriptedComponentData{name, path}));
}

void ScriptedApplication::RemoveComponent(size_t position) {
  auto& components = script_->components;
  if (position >= components.size()) throw RuntimeError(kErrSubscriptOutOfRange);
  components.erase(components.begin() + static_cast<std::ptrdiff_t>(position));
}

size_t ScriptedApplication::ComponentCount() const { return script_->components.size(); }

void ScriptedApplication::Fail(HostMember member, const RuntimeError& error) {
  script_->failures.erase(member);
  script_->failures.emplace(member, error);
}

void ScriptedApplication::Succeed(HostMember member) { script_->failures.erase(member); }

void ScriptedApplication::OnCall(HostMember member, int nth, std::function<void()> action) {
  script_->actions.emplace(member, std::make_pair(nth, std::move(action)));
}

const std::vector<std::string>& ScriptedApplication::Log() const { return script_->log; }

void ScriptedApplication::ClearLog() { script_->log.clear(); }

int ScriptedApplication::Calls(HostMember member) const {
  auto found = script_->calls.find(member);
  return found == script_->calls.end() ? 0 : found->second;
}

std::vector<std::string> ScriptedApplication::MenuCaptions() const { return menu_->Captions(); }

bool ScriptedApplication::ClickMenuItem(size_t index) { return menu_->Click(index); }

}  // namespace quillon
