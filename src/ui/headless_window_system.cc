// The headless window system: windows as records that a caller inspects and drives.
#include "ui/headless_window_system.h"

#include <ostream>
#include <stdexcept>
#include <utility>

namespace quillon {
namespace {

class HeadlessButton : public Button {
 public:
  explicit HeadlessButton(HeadlessControl& state) : state_(state) {}
  Rect Bounds() const override { return state_.bounds; }
  void SetEnabled(bool enabled) override { state_.enabled = enabled; }
  bool Enabled() const override { return state_.enabled; }

 private:
  HeadlessControl& state_;
};

class HeadlessTextBox : public TextBox {
 public:
  explicit HeadlessTextBox(HeadlessControl& state) : state_(state) {}
  Rect Bounds() const override { return state_.bounds; }
  std::string Text() const override { return state_.text; }
  void SetText(const std::string& text) override { state_.text = text; }

 private:
  HeadlessControl& state_;
};

class HeadlessListBox : public ListBox {
 public:
  HeadlessListBox(HeadlessControl& state, HeadlessWindow& window)
      : state_(state), window_(window) {}
  Rect Bounds() const override { return state_.bounds; }
  void AddItem(const std::string& line) override {
    state_.lines.push_back(line);
    window_.system().ListLineAdded(window_, line);
  }
  void Refresh() override { ++state_.refresh_count; }
  int32_t SetHorizontalExtent(int32_t pixels) override {
    state_.horizontal_extent = pixels;
    return 0;
  }

 private:
  HeadlessControl& state_;
  HeadlessWindow& window_;
};

class HeadlessLabel : public Label {
 public:
  explicit HeadlessLabel(HeadlessControl& state) : state_(state) {}
  Rect Bounds() const override { return state_.bounds; }

 private:
  HeadlessControl& state_;
};

class HeadlessFrame : public Frame {
 public:
  HeadlessFrame(HeadlessControl& state, HeadlessWindow& window)
      : state_(state), window_(window) {}
  Rect Bounds() const override { return state_.bounds; }
  Frame& AddFrame(const std::string& name, const Rect& bounds) override {
    return window_.NewFrame(state_.name, name, bounds);
  }
  ListBox& AddListBox(const std::string& name, const Rect& bounds) override {
    return window_.NewListBox(state_.name, name, bounds);
  }
  TextBox& AddTextBox(const std::string& name, const Rect& bounds,
                      const std::string& text) override {
    return window_.NewTextBox(state_.name, name, bounds, text);
  }
  Button& AddButton(const std::string& name, const Rect& bounds, const std::string& caption,
                    std::function<void()> on_click) override {
    return window_.NewButton(state_.name, name, bounds, caption, std::move(on_click));
  }
  Label& AddLabel(const std::string& name, const Rect& bounds, const std::string& text,
                  const Font& font, std::optional<Color> color) override {
    return window_.NewLabel(state_.name, name, bounds, text, font, color);
  }

 private:
  HeadlessControl& state_;
  HeadlessWindow& window_;
};

class HeadlessMenuItemView : public MenuItem {
 public:
  explicit HeadlessMenuItemView(HeadlessMenuItem& state) : state_(state) {}
  void SetEnabled(bool enabled) override { state_.enabled = enabled; }
  bool Enabled() const override { return state_.enabled; }

 private:
  HeadlessMenuItem& state_;
};

class HeadlessMenuView : public Menu {
 public:
  explicit HeadlessMenuView(HeadlessMenu& state) : state_(state) {}
  MenuItem& AddItem(const std::string& name, const std::string& caption,
                    std::function<void()> on_click) override {
    state_.items.push_back(HeadlessMenuItem{name, caption, true, std::move(on_click)});
    items_.push_back(std::make_unique<HeadlessMenuItemView>(state_.items.back()));
    return *items_.back();
  }
  void Clear() override {
    items_.clear();
    state_.items.clear();
  }

 private:
  HeadlessMenu& state_;
  std::vector<std::unique_ptr<HeadlessMenuItemView>> items_;
};

// Calls a copy of `handler`, if it is set, so that the handler may replace itself.
template <class Handler, class... Args>
void CallIfSet(Handler handler, Args&&... args) {
  if (handler) handler(std::forward<Args>(args)...);
}

}  // namespace

HeadlessWindow::HeadlessWindow(HeadlessWindowSystem& system, std::string title, Size client_size)
    : system_(system), title_(std::move(title)), client_size_(client_size) {}

HeadlessWindow::~HeadlessWindow() { system_.WindowGone(*this); }

Frame& HeadlessWindow::AddFrame(const std::string& name, const Rect& bounds) {
  return NewFrame("", name, bounds);
}

ListBox& HeadlessWindow::AddListBox(const std::string& name, const Rect& bounds) {
  return NewListBox("", name, bounds);
}

TextBox& HeadlessWindow::AddTextBox(const std::string& name, const Rect& bounds,
                                    const std::string& text) {
  return NewTextBox("", name, bounds, text);
}

Button& HeadlessWindow::AddButton(const std::string& name, const Rect& bounds,
                                  const std::string& caption, std::function<void()> on_click) {
  return NewButton("", name, bounds, caption, std::move(on_click));
}

Label& HeadlessWindow::AddLabel(const std::string& name, const Rect& bounds,
                                const std::string& text, const Font& font,
                                std::optional<Color> color) {
  return NewLabel("", name, bounds, text, font, color);
}

Menu& HeadlessWindow::AddMenu(const std::string& name, const std::string& caption) {
  menus_.push_back(HeadlessMenu{name, caption, {}});
  menu_views_.push_back(std::make_unique<HeadlessMenuView>(menus_.back()));
  return *menu_views_.back();
}

HeadlessControl& HeadlessWindow::NewControl(const std::string& kind, const std::string& name,
                                            const std::string& parent, const Rect& bounds) {
  HeadlessControl& state = controls_.emplace_back();
  state.name = name;
  state.kind = kind;
  state.parent = parent;
  state.bounds = bounds;
  return state;
}

Frame& HeadlessWindow::NewFrame(const std::string& parent, const std::string& name,
                                const Rect& bounds) {
  auto view = std::make_unique<HeadlessFrame>(NewControl("frame", name, parent, bounds), *this);
  Frame& frame = *view;
  control_views_.push_back(std::move(view));
  return frame;
}

ListBox& HeadlessWindow::NewListBox(const std::string& parent, const std::string& name,
                                    const Rect& bounds) {
  auto view =
      std::make_unique<HeadlessListBox>(NewControl("list", name, parent, bounds), *this);
  ListBox& list = *view;
  control_views_.push_back(std::move(view));
  return list;
}

TextBox& HeadlessWindow::NewTextBox(const std::string& parent, const std::string& name,
                                    const Rect& bounds, const std::string& text) {
  HeadlessControl& state = NewControl("text", name, parent, bounds);
  state.text = text;
  auto view = std::make_unique<HeadlessTextBox>(state);
  TextBox& box = *view;
  control_views_.push_back(std::move(view));
  return box;
}

Button& HeadlessWindow::NewButton(const std::string& parent, const std::string& name,
                                  const Rect& bounds, const std::string& caption,
                                  std::function<void()> on_click) {
  HeadlessControl& state = NewControl("button", name, parent, bounds);
  state.text = caption;
  state.on_click = std::move(on_click);
  auto view = std::make_unique<HeadlessButton>(state);
  Button& button = *view;
  control_views_.push_back(std::move(view));
  return button;
}

Label& HeadlessWindow::NewLabel(const std::string& parent, const std::string& name,
                                const Rect& bounds, const std::string& text, const Font& font,
                                std::optional<Color> color) {
  HeadlessControl& state = NewControl("label", name, parent, bounds);
  state.text = text;
  state.font = font;
  state.color = color;
  auto view = std::make_unique<HeadlessLabel>(state);
  Label& label = *view;
  control_views_.push_back(std::move(view));
  return label;
}

void HeadlessWindow::ShowModal() {
  if (loaded_) throw std::logic_error("window \"" + title_ + "\" is already shown");
  loaded_ = true;
  system_.WindowLoaded(*this);
  system_.Record("load " + title_);
  CallIfSet(on_load_);
  if (!loaded_) return;
  shown_ = true;
  system_.Record("show " + title_);
  system_.RunShowHook(*this);
  if (loaded_) throw std::logic_error("window \"" + title_ + "\" was left open");
}

bool HeadlessWindow::RequestUnload(UnloadMode mode) {
  RequireLoaded("unload");
  int16_t cancel = 0;
  CallIfSet(on_query_unload_, cancel, mode);
  if (cancel != 0) return false;
  CallIfSet(on_unload_, cancel);
  if (cancel != 0) return false;
  loaded_ = false;
  shown_ = false;
  system_.WindowGone(*this);
  system_.Record("unload " + title_);
  return true;
}

Size HeadlessWindow::OuterSize() const {
  const FrameMetrics& m = system_.frame_metrics();
  const int32_t menu = menus_.empty() ? 0 : m.menu_bar;
  return {client_size_.width + 2 * m.border,
          client_size_.height + m.caption + menu + m.border};
}

void HeadlessWindow::Move(int32_t left, int32_t top) {
  left_ = left;
  top_ = top;
}

void HeadlessWindow::MoveClientArea(int32_t left, int32_t top) {
  Move(left - (client_left() - left_), top - (client_top() - top_));
}

int32_t HeadlessWindow::client_left() const { return left_ + system_.frame_metrics().border; }

int32_t HeadlessWindow::client_top() const {
  const FrameMetrics& m = system_.frame_metrics();
  return top_ + m.caption + (menus_.empty() ? 0 : m.menu_bar);
}

const HeadlessControl& HeadlessWindow::control(const std::string& name) const {
  for (const HeadlessControl& c : controls_) {
    if (c.name == name) return c;
  }
  throw std::out_of_range("window \"" + title_ + "\" has no control " + name);
}

HeadlessControl& HeadlessWindow::Find(const std::string& name) {
  return const_cast<HeadlessControl&>(static_cast<const HeadlessWindow*>(this)->control(name));
}

std::vector<std::string> HeadlessWindow::control_names() const {
  std::vector<std::string> names;
  for (const HeadlessControl& c : controls_) names.push_back(c.name);
  return names;
}

void HeadlessWindow::Press(const std::string& button) {
  RequireLoaded("press a button of");
  HeadlessControl& c = Find(button);
  if (c.kind != "button") throw std::invalid_argument(button + " is not a button");
  if (c.enabled) CallIfSet(c.on_click);
}

void HeadlessWindow::PressMenu(const std::string& item) {
  RequireLoaded("choose a menu item of");
  for (HeadlessMenu& menu : menus_) {
    for (HeadlessMenuItem& i : menu.items) {
      if (i.name != item) continue;
      if (i.enabled) CallIfSet(i.on_click);
      return;
    }
  }
  throw std::out_of_range("window \"" + title_ + "\" has no menu item " + item);
}

void HeadlessWindow::SetText(const std::string& text_box, const std::string& text) {
  HeadlessControl& c = Find(text_box);
  if (c.kind != "text") throw std::invalid_argument(text_box + " is not a text box");
  c.text = text;
}

void HeadlessWindow::RequireLoaded(const char* action) const {
  if (!loaded_) throw std::logic_error(std::string("cannot ") + action + " unloaded window \"" +
                                       title_ + "\"");
}

HeadlessWindowSystem::HeadlessWindowSystem(std::ostream* list_out, std::ostream* msg_out)
    : list_out_(list_out), msg_out_(msg_out) {}

std::unique_ptr<Window> HeadlessWindowSystem::CreateWindow(const std::string& title,
                                                           const Size& client_size) {
  return std::make_unique<HeadlessWindow>(*this, title, client_size);
}

void HeadlessWindowSystem::Show(const std::string& prompt, MsgBoxIcon icon,
                                const std::string& title) {
  messages_.push_back(ShownMessage{prompt, icon, title});
  Record("message " + prompt);
  if (msg_out_ != nullptr) {
    size_t start = 0;
    for (size_t end; (end = prompt.find("\r\n", start)) != std::string::npos; start = end + 2) {
      *msg_out_ << prompt.substr(start, end - start) << "\n";
    }
    *msg_out_ << prompt.substr(start) << "\n" << std::flush;
  }
  CallIfSet(on_message_, ShownMessage{prompt, icon, title});
}

void HeadlessWindowSystem::DoEvents() {
  ++do_events_count_;
  CallIfSet(on_do_events_);
}

void HeadlessWindowSystem::ListLineAdded(const HeadlessWindow& window, const std::string& line) {
  Record("list " + line);
  if (list_out_ == nullptr) return;
  if (printed_window_ && window.title() != *printed_window_) return;
  *list_out_ << line << "\n" << std::flush;
}

void HeadlessWindowSystem::WindowGone(HeadlessWindow& window) {
  for (auto it = live_.begin(); it != live_.end(); ++it) {
    if (*it == &window) {
      live_.erase(it);
      return;
    }
  }
}

void HeadlessWindowSystem::RunShowHook(HeadlessWindow& window) { CallIfSet(on_show_, window); }

HeadlessWindow* HeadlessWindowSystem::FindWindow(const std::string& title) const {
  for (auto it = live_.rbegin(); it != live_.rend(); ++it) {
    if ((*it)->title() == title) return *it;
  }
  return nullptr;
}

}  // namespace quillon
