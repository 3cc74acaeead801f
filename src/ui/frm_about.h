// The About box: names the product and tells the user how to reach its maker.
#pragma once

#include <memory>

#include "ui/window_system.h"

namespace quillon {

class frmAbout {
 public:
  explicit frmAbout(WindowSystem& windows);

  // Shows the box modally; returns when it has closed.
  void Show();

 private:
  void cmdOk_Click();

  std::unique_ptr<Window> window_;
};

}  // namespace quillon
