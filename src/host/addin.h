// What the environment calls on an add-in object it has created by name.
#pragma once

#include <cstdint>
#include <memory>

#include "host/object_model.h"

namespace quillon {

class VBAddIn {
 public:
  virtual ~VBAddIn() = default;
  virtual void ConnectAddIn(std::shared_ptr<VBApplication>& VBInst) = 0;
  virtual void DisconnectAddIn(int16_t mode) = 0;
};

}  // namespace quillon
