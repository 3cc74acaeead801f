// The object registry: creatable classes entered under their programmatic names, and
// creation by name as the environment does it.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "host/addin.h"

namespace quillon {

using ClassFactory = std::function<std::shared_ptr<VBAddIn>()>;

class ClassRegistry {
 public:
  // Enters (or replaces) the class created by `factory` under `prog_id`.
  void Register(const std::string& prog_id, ClassFactory factory);
  // A new instance of the class registered as `prog_id`, matched without regard to
  // case as the system registry matches it; raises 429 when no such class is registered.
  std::shared_ptr<VBAddIn> CreateObject(const std::string& prog_id) const;

 private:
  std::map<std::string, ClassFactory> classes_;  // keyed by the folded name
};

// The program's one registry.
ClassRegistry& Registry();

}  // namespace quillon
