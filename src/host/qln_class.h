// The add-in class the environment connects: it puts "Quillon..." on the Add-Ins menu,
// opens the main window when the item is clicked, and takes the item away again.
#pragma once

#include <cstdint>
#include <memory>

#include "host/addin.h"
#include "host/class_registry.h"
#include "host/object_model.h"

namespace quillon {

class WindowSystem;

class QlnClass : public VBAddIn,
                 public AddInEventHandler,
                 public std::enable_shared_from_this<QlnClass> {
 public:
  // The class shows its window and its messages on `windows`.
  explicit QlnClass(WindowSystem& windows);

  // Stores the environment for the whole program, adds the menu item and connects its
  // clicks to this instance. Reports a failure itself; what was set before it stays set.
  void ConnectAddIn(std::shared_ptr<VBApplication>& VBInst) override;
  // Disconnects the clicks and removes the item; failures reach the caller. `mode` has no effect.
  void DisconnectAddIn(int16_t mode) override;
  // Shows the main window modally; returns when it has closed.
  void AfterClick() override;

  std::shared_ptr<VBMenuItems> objMenuItems;
  std::shared_ptr<VBMenuItem> mnuAddIn;
  int32_t lngConnectID = 0;

 private:
  WindowSystem& windows_;
};

// Enters QlnClass in `registry` under its programmatic name, created on `windows`.
void RegisterQlnClass(ClassRegistry& registry, WindowSystem& windows);

}  // namespace quillon
