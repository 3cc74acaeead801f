// A scripted stand-in for the development environment, for tests: a project whose
// components the test sets (even during a run), a menu that records its items, a log
// of every member called, and members that can be made to fail or run a callback.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/addin_menu.h"
#include "host/host_member.h"
#include "host/object_model.h"
#include "runtime/run_error.h"

namespace quillon {

class ScriptedApplication : public VBApplication {
 public:
  ScriptedApplication();

  std::shared_ptr<VBMenu> AddInMenu() override;
  std::shared_ptr<VBProject> ActiveProject() override;

  // The project's components, in position order. A component object fetched earlier
  // keeps its name and path after it is removed from the project.
  void AddComponent(const std::string& name, const std::string& path);
  void RemoveComponent(size_t position);
  size_t ComponentCount() const;

  // From now on every call of `member` raises `error`, until Succeed(member).
  // Example: Fail(HostMember::kActiveProject, RuntimeError(kErrObjectNotSet)).
  void Fail(HostMember member, const RuntimeError& error);
  void Succeed(HostMember member);

  // Runs `action` when `member` is called for the `nth` time (1 = its first call since
  // the application was made; 0 = every call), after the call is logged and before it
  // does its work. The action may change the project, or raise to fail that one call.
  void OnCall(HostMember member, int nth, std::function<void()> action);

  // Every member called so far, in order: the member's name, then its arguments
  // in parentheses where it has any that are not objects. Examples: "ActiveProject",
  // "Components", "Count", "Components(2)", "Name", "FileNames(0)", "AddInMenu",
  // "MenuItems", "Add(Quillon...)", "ConnectEvents", "DisconnectEvents(1)", "Remove".
  const std::vector<std::string>& Log() const;
  void ClearLog();
  // How many times `member` has been called since the application was made.
  int Calls(HostMember member) const;

  // The Add-Ins menu: its captions in order, and a click on item `index`, which calls
  // the connected handlers' AfterClick and tells whether one was reached.
  std::vector<std::string> MenuCaptions() const;
  bool ClickMenuItem(size_t index);

  struct Script;

 private:
  std::shared_ptr<Script> script_;
  std::shared_ptr<AddInsMenu> menu_;
};

}  // namespace quillon
