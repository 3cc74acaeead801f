// The FLTK window system: real windows on the display, twips shown at 15 to the pixel.
// Text from the program (Windows-1252) is shown as UTF-8 and typed text read back.
#pragma once

#include <memory>
#include <string>

#include "ui/window_system.h"

namespace quillon {

class FltkWindowSystem : public WindowSystem {
 public:
  // Opens the display; raises RuntimeError when there is none.
  FltkWindowSystem();

  std::unique_ptr<Window> CreateWindow(const std::string& title,
                                       const Size& client_size) override;
  Size ScreenSize() const override;
  void Show(const std::string& prompt, MsgBoxIcon icon, const std::string& title) override;
  // Handles the events that are waiting and repaints, without waiting for new ones.
  void DoEvents() override;
};

// The height in pixels of a window's menu bar, above its client area.
inline constexpr int kFltkMenuBarHeight = 25;

}  // namespace quillon
