// Registration and creation of classes by programmatic name.
#include "host/class_registry.h"

#include "runtime/codepage.h"
#include "runtime/run_error.h"

namespace quillon {

void ClassRegistry::Register(const std::string& prog_id, ClassFactory factory) {
  classes_[FoldCase(prog_id)] = std::move(factory);
}

std::shared_ptr<VBAddIn> ClassRegistry::CreateObject(const std::string& prog_id) const {
  const auto entry = classes_.find(FoldCase(prog_id));
  if (entry == classes_.end()) throw RuntimeError(kErrCannotCreateObject);
  return entry->second();
}

ClassRegistry& Registry() {
  static ClassRegistry registry;
  return registry;
}

}  // namespace quillon
