// The environment's Add-Ins menu as the stand-in hosts provide it: items in order,
// each with the handlers connected to its clicks, behind the object model's menu interfaces.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "host/host_member.h"
#include "host/object_model.h"

namespace quillon {

// Called as a menu member is entered, before it does its work, with the member and
// its arguments as text ("" when it has none or they are objects). It may raise,
// which makes the member fail.
using MemberHook = std::function<void(HostMember member, const std::string& args)>;

class AddInsMenu : public VBMenu {
 public:
  explicit AddInsMenu(MemberHook hook = nullptr);

  std::shared_ptr<VBMenuItems> MenuItems() override;

  // The captions of the items on the menu, in order.
  std::vector<std::string> Captions() const;

  // Clicks item `index` (0-based): calls AfterClick on every handler connected to it
  // that still exists, in the order they were connected. Returns whether any handler
  // was reached.
  // Raises "Subscript out of range" (9) when there is no such item.
  bool Click(size_t index);

  struct State;

 private:
  std::shared_ptr<State> state_;
};

}  // namespace quillon
