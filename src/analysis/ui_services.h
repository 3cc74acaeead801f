// What the analysis needs of a window system, as three small interfaces: a progress
// list, message boxes and an event pump. The windows and the command line supply them.
#pragma once

#include <string>

namespace quillon {

// The application's title, shown on every message box unless another is given.
inline constexpr char kAppTitle[] = "Quillon";

class ProgressList {
 public:
  virtual ~ProgressList() = default;
  // Adds `line` at the end of the list.
  virtual void AddItem(const std::string& line) = 0;
  // Repaints the list at once.
  virtual void Refresh() = 0;
};

enum class MsgBoxIcon { kNone, kInformation };

class MessageBox {
 public:
  virtual ~MessageBox() = default;
  // Shows a modal box with an OK button and returns when the user has answered it.
  virtual void Show(const std::string& prompt, MsgBoxIcon icon = MsgBoxIcon::kNone,
                    const std::string& title = kAppTitle) = 0;
};

class EventPump {
 public:
  virtual ~EventPump() = default;
  // Lets pending window events run, without waiting for new ones.
  virtual void DoEvents() = 0;
};

}  // namespace quillon
