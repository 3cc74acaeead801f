// Connecting and disconnecting the add-in, and its menu item's click.
#include "host/qln_class.h"

#include "host/type_library.h"
#include "runtime/run_error.h"
#include "ui/frm_qln.h"
#include "ui/window_system.h"

namespace quillon {
namespace {

// An object reference the caller is about to use: an unset one raises 91, as it would
// in the environment's own language.
template <typename T>
T& Use(const std::shared_ptr<T>& object) {
  if (!object) throw RuntimeError(kErrObjectNotSet);
  return *object;
}

}  // namespace

QlnClass::QlnClass(WindowSystem& windows) : windows_(windows) {}

void QlnClass::ConnectAddIn(std::shared_ptr<VBApplication>& VBInst) {
  try {
    objVBInst = VBInst;
    objMenuItems = Use(Use(VBInst).AddInMenu()).MenuItems();
    mnuAddIn = Use(objMenuItems).Add("Quillon...");
    lngConnectID = Use(mnuAddIn).ConnectEvents(shared_from_this());
  } catch (const RuntimeError& error) {
    windows_.Show(ErrorPrompt("ConnectAddIn", error));
  }
}

void QlnClass::DisconnectAddIn(int16_t /*mode*/) {
  Use(mnuAddIn).DisconnectEvents(lngConnectID);
  Use(objMenuItems).Remove(mnuAddIn);
}

void QlnClass::AfterClick() { ShowMainWindowModal(windows_); }

void RegisterQlnClass(ClassRegistry& registry, WindowSystem& windows) {
  registry.Register(kQlnClassIdentity.prog_id, [&windows] { return std::make_shared<QlnClass>(windows); });
}

}  // namespace quillon
