// A window system without a display, for the command line and for tests. It records
// what each window shows, lets a caller press buttons and menu items, type into text
// boxes and close windows, and reports message boxes and list lines as they appear.
//
// A modal window's event loop is the show hook: ShowModal loads the window, calls the
// hook, and expects the window to have unloaded when the hook returns. Message boxes
// and the event pump call their own hooks, so a caller can act while a box is up or
// while a run yields.
#pragma once

#include <deque>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ui/window_system.h"

namespace quillon {

// What one control of a headless window holds.
struct HeadlessControl {
  std::string name;
  std::string kind;    // "frame", "list", "text", "button" or "label"
  std::string parent;  // the frame that holds it; empty for the window itself
  Rect bounds;
  std::string text;    // a button's or label's caption, a text box's text
  bool enabled = true;
  Font font;
  std::optional<Color> color;
  std::vector<std::string> lines;  // a list's lines
  int32_t horizontal_extent = 0;   // a list's scrolling range in pixels
  int refresh_count = 0;           // how often a list was repainted
  std::function<void()> on_click;
};

struct HeadlessMenuItem {
  std::string name;
  std::string caption;
  bool enabled = true;
  std::function<void()> on_click;
};

struct HeadlessMenu {
  std::string name;
  std::string caption;
  std::deque<HeadlessMenuItem> items;
};

struct ShownMessage {
  std::string prompt;
  MsgBoxIcon icon = MsgBoxIcon::kNone;
  std::string title;
};

// Sizes in twips of what surrounds a window's client area.
struct FrameMetrics {
  int32_t border = 60;     // each side and the bottom
  int32_t caption = 330;   // the title bar
  int32_t menu_bar = 300;  // added when the window has a menu
};

class HeadlessWindowSystem;

class HeadlessWindow : public Window {
 public:
  HeadlessWindow(HeadlessWindowSystem& system, std::string title, Size client_size);
  ~HeadlessWindow() override;

  // Container and Window.
  Frame& AddFrame(const std::string& name, const Rect& bounds) override;
  ListBox& AddListBox(const std::string& name, const Rect& bounds) override;
  TextBox& AddTextBox(const std::string& name, const Rect& bounds,
                      const std::string& text) override;
  Button& AddButton(const std::string& name, const Rect& bounds, const std::string& caption,
                    std::function<void()> on_click) override;
  Label& AddLabel(const std::string& name, const Rect& bounds, const std::string& text,
                  const Font& font, std::optional<Color> color) override;
  void SetIcon(const Icon& icon) override { icon_ = icon; }
  Menu& AddMenu(const std::string& name, const std::string& caption) override;
  void SetLoadHandler(std::function<void()> on_load) override { on_load_ = std::move(on_load); }
  void SetQueryUnloadHandler(std::function<void(int16_t&, UnloadMode)> handler) override {
    on_query_unload_ = std::move(handler);
  }
  void SetUnloadHandler(std::function<void(int16_t&)> handler) override {
    on_unload_ = std::move(handler);
  }
  void ShowModal() override;
  void Unload() override { RequestUnload(UnloadMode::kCode); }
  Size OuterSize() const override;
  void Move(int32_t left, int32_t top) override;
  void MoveClientArea(int32_t left, int32_t top) override;

  // What the window shows.
  const std::string& title() const { return title_; }
  bool shown() const { return shown_; }
  Size client_size() const { return client_size_; }
  // The outer window's and the client area's top left corner on the screen, in twips.
  int32_t left() const { return left_; }
  int32_t top() const { return top_; }
  int32_t client_left() const;
  int32_t client_top() const;
  const std::optional<Icon>& icon() const { return icon_; }
  const std::deque<HeadlessMenu>& menus() const { return menus_; }
  // The control called `name`; throws std::out_of_range when there is none.
  const HeadlessControl& control(const std::string& name) const;
  // Control names in creation order, which is the tab order.
  std::vector<std::string> control_names() const;

  // What a user does. Pressing a disabled button or item does nothing.
  void Press(const std::string& button);
  void PressMenu(const std::string& item);
  void SetText(const std::string& text_box, const std::string& text);
  // The window's own close control; returns whether the window unloaded.
  bool Close() { return RequestUnload(UnloadMode::kCloseControl); }

  // For the frames: a new control inside the container called `parent`.
  Frame& NewFrame(const std::string& parent, const std::string& name, const Rect& bounds);
  ListBox& NewListBox(const std::string& parent, const std::string& name, const Rect& bounds);
  TextBox& NewTextBox(const std::string& parent, const std::string& name, const Rect& bounds,
                      const std::string& text);
  Button& NewButton(const std::string& parent, const std::string& name, const Rect& bounds,
                    const std::string& caption, std::function<void()> on_click);
  Label& NewLabel(const std::string& parent, const std::string& name, const Rect& bounds,
                  const std::string& text, const Font& font, std::optional<Color> color);
  HeadlessWindowSystem& system() { return system_; }

 private:
  HeadlessControl& NewControl(const std::string& kind, const std::string& name,
                              const std::string& parent, const Rect& bounds);
  HeadlessControl& Find(const std::string& name);
  bool RequestUnload(UnloadMode mode);
  void RequireLoaded(const char* action) const;

  HeadlessWindowSystem& system_;
  std::string title_;
  Size client_size_;
  int32_t left_ = 0;
  int32_t top_ = 0;
  bool loaded_ = false;
  bool shown_ = false;
  std::optional<Icon> icon_;
  std::deque<HeadlessControl> controls_;
  std::deque<HeadlessMenu> menus_;
  std::vector<std::unique_ptr<Control>> control_views_;
  std::vector<std::unique_ptr<Menu>> menu_views_;
  std::function<void()> on_load_;
  std::function<void(int16_t&, UnloadMode)> on_query_unload_;
  std::function<void(int16_t&)> on_unload_;
};

class HeadlessWindowSystem : public WindowSystem {
 public:
  // For tests: prints nothing.
  HeadlessWindowSystem() = default;
  // For the command line: every list line goes to `list_out` as it is added, and every
  // message box's prompt to `msg_out`, one output line per line of the prompt. Either
  // may be null.
  HeadlessWindowSystem(std::ostream* list_out, std::ostream* msg_out);
  // From now on only the lists of windows titled `title` go to `list_out`.
  void PrintListsOnlyOf(std::string title) { printed_window_ = std::move(title); }

  std::unique_ptr<Window> CreateWindow(const std::string& title,
                                       const Size& client_size) override;
  Size ScreenSize() const override { return screen_; }
  void Show(const std::string& prompt, MsgBoxIcon icon, const std::string& title) override;
  void DoEvents() override;

  void SetScreenSize(Size screen) { screen_ = screen; }
  void SetFrameMetrics(FrameMetrics metrics) { metrics_ = metrics; }
  const FrameMetrics& frame_metrics() const { return metrics_; }

  // Called once a window has loaded and shows; it must leave the window unloaded.
  void SetShowHook(std::function<void(HeadlessWindow&)> hook) { on_show_ = std::move(hook); }
  // Called while a message box is up; it returns to answer the box.
  void SetMessageHook(std::function<void(const ShownMessage&)> hook) {
    on_message_ = std::move(hook);
  }
  // Called each time pending events are let run.
  void SetDoEventsHook(std::function<void()> hook) { on_do_events_ = std::move(hook); }

  const std::vector<ShownMessage>& messages() const { return messages_; }
  int message_count() const { return static_cast<int>(messages_.size()); }
  int do_events_count() const { return do_events_count_; }
  // One entry per event in order: "load T", "show T", "unload T" for a window titled T,
  // "list L" for a line added to a list, "message P" for a box with prompt P.
  const std::vector<std::string>& journal() const { return journal_; }
  // The most recently created window with this title that is still loaded, else null.
  HeadlessWindow* FindWindow(const std::string& title) const;

  // For the windows.
  void Record(std::string entry) { journal_.push_back(std::move(entry)); }
  void ListLineAdded(const HeadlessWindow& window, const std::string& line);
  void WindowLoaded(HeadlessWindow& window) { live_.push_back(&window); }
  void WindowGone(HeadlessWindow& window);
  void RunShowHook(HeadlessWindow& window);

 private:
  std::ostream* list_out_ = nullptr;
  std::ostream* msg_out_ = nullptr;
  std::optional<std::string> printed_window_;  // unset: every window's lists
  Size screen_{19200, 15360};
  FrameMetrics metrics_;
  std::function<void(HeadlessWindow&)> on_show_;
  std::function<void(const ShownMessage&)> on_message_;
  std::function<void()> on_do_events_;
  std::vector<ShownMessage> messages_;
  std::vector<std::string> journal_;
  std::vector<HeadlessWindow*> live_;
  int do_events_count_ = 0;
};

}  // namespace quillon
