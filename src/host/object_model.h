// The development environment's object model: every member this program calls on the
// environment, as one set of interfaces. A failing member raises a RuntimeError.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace quillon {

// What a menu item calls back when it is clicked.
class AddInEventHandler {
 public:
  virtual ~AddInEventHandler() = default;
  virtual void AfterClick() = 0;
};

class VBComponent {
 public:
  virtual ~VBComponent() = default;
  virtual std::string Name() = 0;
  // The path of the component's source file on this system (index 0).
  virtual std::string FileNames(int16_t index) = 0;
};

class VBComponents {
 public:
  virtual ~VBComponents() = default;
  virtual int32_t Count() = 0;
};

class VBProject {
 public:
  virtual ~VBProject() = default;
  virtual std::shared_ptr<VBComponents> Components() = 0;
  // The component at `position`, counted from 0 to Count - 1.
  virtual std::shared_ptr<VBComponent> Components(int32_t& position) = 0;
};

class VBMenuItem {
 public:
  virtual ~VBMenuItem() = default;
  // From now on each click calls handler->AfterClick(); returns the connection's number.
  virtual int32_t ConnectEvents(std::shared_ptr<AddInEventHandler> handler) = 0;
  virtual void DisconnectEvents(int32_t& connection) = 0;
};

class VBMenuItems {
 public:
  virtual ~VBMenuItems() = default;
  virtual std::shared_ptr<VBMenuItem> Add(const std::string& caption) = 0;
  virtual void Remove(std::shared_ptr<VBMenuItem>& item) = 0;
};

class VBMenu {
 public:
  virtual ~VBMenu() = default;
  virtual std::shared_ptr<VBMenuItems> MenuItems() = 0;
};

class VBApplication {
 public:
  virtual ~VBApplication() = default;
  virtual std::shared_ptr<VBMenu> AddInMenu() = 0;
  virtual std::shared_ptr<VBProject> ActiveProject() = 0;
};

// The program-wide reference to the environment's application object: set when the
// environment connects the add-in, read by the project run, never cleared.
extern std::shared_ptr<VBApplication> objVBInst;

}  // namespace quillon
