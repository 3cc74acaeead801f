// The FLTK window system: each interface object wraps one FLTK widget, placed in
// pixels from its twip layout. A window's children are positioned in window pixels,
// so a frame passes its own origin to the controls inside it.
#include "ui/fltk_window_system.h"

#include <FL/Fl.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Pixmap.H>
#include <FL/Fl_RGB_Image.H>
#include <FL/x.H>

#include <stdexcept>
#include <utility>
#include <vector>

#include "runtime/codepage.h"
#include "runtime/run_error.h"
#include "ui/fltk_message_box.h"
#include "ui/fltk_widgets.h"

namespace quillon {
namespace {

// The window's default font; labels with a named font get the nearest FLTK face.
constexpr Fl_Font kDefaultFont = FL_HELVETICA;
constexpr int kDefaultFontSize = 12;

int Px(int32_t twips) { return TwipsToPixels(twips); }

int FontPixels(double points) { return static_cast<int>(points * 96 / 72 + 0.5); }

// Where a container's controls go: its FLTK group and its origin in window pixels.
struct Place {
  Fl_Group* group;
  int x;
  int y;
};

template <class W>
W* Adopt(Place place, W* widget) {
  widget->labelfont(kDefaultFont);
  widget->labelsize(kDefaultFontSize);
  place.group->add(widget);
  return widget;
}

class FltkButton : public Button {
 public:
  FltkButton(Place place, const Rect& bounds, const std::string& caption,
             std::function<void()> on_click)
      : bounds_(bounds), on_click_(std::move(on_click)) {
    Fl_Group::current(nullptr);
    widget_ = Adopt(place, new AccessKeyButton(place.x + Px(bounds.left), place.y + Px(bounds.top),
                                               Px(bounds.width), Px(bounds.height), nullptr));
    widget_->copy_label(caption.c_str());
    widget_->callback(Clicked, this);
  }
  Rect Bounds() const override { return bounds_; }
  void SetEnabled(bool enabled) override {
    if (enabled) {
      widget_->activate();
    } else {
      widget_->deactivate();
    }
  }
  bool Enabled() const override { return widget_->active() != 0; }
  Fl_Widget* widget() { return widget_; }

 private:
  static void Clicked(Fl_Widget*, void* self) { static_cast<FltkButton*>(self)->on_click_(); }

  Rect bounds_;
  std::function<void()> on_click_;
  AccessKeyButton* widget_;
};

class FltkTextBox : public TextBox {
 public:
  FltkTextBox(Place place, const Rect& bounds, const std::string& text) : bounds_(bounds) {
    Fl_Group::current(nullptr);
    widget_ = Adopt(place, new Fl_Input(place.x + Px(bounds.left), place.y + Px(bounds.top),
                                        Px(bounds.width), Px(bounds.height)));
    widget_->textfont(kDefaultFont);
    widget_->textsize(kDefaultFontSize);
    SetText(text);
  }
  Rect Bounds() const override { return bounds_; }
  // Typed text that the code page cannot hold is passed on as its UTF-8 bytes.
  std::string Text() const override {
    const std::string typed = widget_->value();
    return Utf8ToCp1252(typed).value_or(typed);
  }
  void SetText(const std::string& text) override { widget_->value(Cp1252ToUtf8(text).c_str()); }
  Fl_Widget* widget() { return widget_; }

 private:
  Rect bounds_;
  Fl_Input* widget_;
};

class FltkListBox : public ListBox {
 public:
  FltkListBox(Place place, const Rect& bounds) : bounds_(bounds) {
    Fl_Group::current(nullptr);
    widget_ = Adopt(place, new ExtentBrowser(place.x + Px(bounds.left), place.y + Px(bounds.top),
                                             Px(bounds.width), Px(bounds.height)));
    widget_->textfont(kDefaultFont);
    widget_->textsize(kDefaultFontSize);
  }
  Rect Bounds() const override { return bounds_; }
  void AddItem(const std::string& line) override { widget_->add(Cp1252ToUtf8(line).c_str()); }
  void Refresh() override {
    widget_->redraw();
    Fl::flush();
  }
  int32_t SetHorizontalExtent(int32_t pixels) override {
    widget_->set_extent(pixels);
    return 0;
  }
  Fl_Widget* widget() { return widget_; }

 private:
  Rect bounds_;
  ExtentBrowser* widget_;
};

class FltkLabel : public Label {
 public:
  FltkLabel(Place place, const Rect& bounds, const std::string& text, const Font& font,
            std::optional<Color> color)
      : bounds_(bounds) {
    Fl_Group::current(nullptr);
    PlainText* widget =
        Adopt(place, new PlainText(place.x + Px(bounds.left), place.y + Px(bounds.top),
                                   Px(bounds.width), Px(bounds.height), Cp1252ToUtf8(text)));
    if (!font.name.empty()) widget->labelsize(FontPixels(font.points));
    if (color) widget->labelcolor(fl_rgb_color(color->red, color->green, color->blue));
  }
  Rect Bounds() const override { return bounds_; }

 private:
  Rect bounds_;
};

class FltkFrame;

// Creates the controls of one container; the window owns what it creates.
class Children {
 public:
  Children(std::vector<std::unique_ptr<Control>>& owned, Fl_Widget*& first_focus, Place place)
      : owned_(owned), first_focus_(first_focus), place_(place) {}

  Frame& AddFrame(const Rect& bounds);
  ListBox& AddListBox(const Rect& bounds) {
    auto* list = Keep(std::make_unique<FltkListBox>(place_, bounds));
    Focusable(list->widget());
    return *list;
  }
  TextBox& AddTextBox(const Rect& bounds, const std::string& text) {
    auto* box = Keep(std::make_unique<FltkTextBox>(place_, bounds, text));
    Focusable(box->widget());
    return *box;
  }
  Button& AddButton(const Rect& bounds, const std::string& caption,
                    std::function<void()> on_click) {
    auto* button = Keep(std::make_unique<FltkButton>(place_, bounds, caption, std::move(on_click)));
    Focusable(button->widget());
    return *button;
  }
  Label& AddLabel(const Rect& bounds, const std::string& text, const Font& font,
                  std::optional<Color> color) {
    return *Keep(std::make_unique<FltkLabel>(place_, bounds, text, font, color));
  }
  bool empty() const { return owned_.empty(); }

 private:
  template <class C>
  C* Keep(std::unique_ptr<C> control) {
    C* raw = control.get();
    owned_.push_back(std::move(control));
    return raw;
  }
  void Focusable(Fl_Widget* widget) {
    if (first_focus_ == nullptr) first_focus_ = widget;
  }

  std::vector<std::unique_ptr<Control>>& owned_;
  Fl_Widget*& first_focus_;
  Place place_;
};

// An untitled frame: an etched border around its controls.
class FltkFrame : public Frame {
 public:
  FltkFrame(std::vector<std::unique_ptr<Control>>& owned, Fl_Widget*& first_focus, Place place,
            const Rect& bounds)
      : bounds_(bounds), children_(owned, first_focus, InnerPlace(place, bounds)) {}
  Rect Bounds() const override { return bounds_; }
  Frame& AddFrame(const std::string&, const Rect& bounds) override {
    return children_.AddFrame(bounds);
  }
  ListBox& AddListBox(const std::string&, const Rect& bounds) override {
    return children_.AddListBox(bounds);
  }
  TextBox& AddTextBox(const std::string&, const Rect& bounds, const std::string& text) override {
    return children_.AddTextBox(bounds, text);
  }
  Button& AddButton(const std::string&, const Rect& bounds, const std::string& caption,
                    std::function<void()> on_click) override {
    return children_.AddButton(bounds, caption, std::move(on_click));
  }
  Label& AddLabel(const std::string&, const Rect& bounds, const std::string& text,
                  const Font& font, std::optional<Color> color) override {
    return children_.AddLabel(bounds, text, font, color);
  }

 private:
  static Place InnerPlace(Place outer, const Rect& bounds) {
    Fl_Group::current(nullptr);
    const int x = outer.x + Px(bounds.left);
    const int y = outer.y + Px(bounds.top);
    auto* group = new Fl_Group(x, y, Px(bounds.width), Px(bounds.height));
    group->end();
    group->box(FL_ENGRAVED_FRAME);
    outer.group->add(group);
    return Place{group, x, y};
  }

  Rect bounds_;
  Children children_;
};

Frame& Children::AddFrame(const Rect& bounds) {
  return *Keep(std::make_unique<FltkFrame>(owned_, first_focus_, place_, bounds));
}

class FltkMenuItem : public MenuItem {
 public:
  FltkMenuItem(Fl_Menu_Bar* bar, std::string path, std::function<void()> on_click)
      : bar_(bar), path_(std::move(path)), on_click_(std::move(on_click)) {
    bar_->add(path_.c_str(), 0, Chosen, this);
  }
  void SetEnabled(bool enabled) override {
    const int index = Index();
    const int mode = bar_->mode(index);
    bar_->mode(index, enabled ? mode & ~FL_MENU_INACTIVE : mode | FL_MENU_INACTIVE);
  }
  bool Enabled() const override { return (bar_->mode(Index()) & FL_MENU_INACTIVE) == 0; }
  // Takes the item off the menu bar, so that it no longer calls back.
  void Remove() { bar_->remove(Index()); }

 private:
  static void Chosen(Fl_Widget*, void* self) { static_cast<FltkMenuItem*>(self)->on_click_(); }
  int Index() const {
    const int index = bar_->find_index(path_.c_str());
    if (index < 0) throw std::logic_error("menu item " + path_ + " is gone");
    return index;
  }

  Fl_Menu_Bar* bar_;
  std::string path_;
  std::function<void()> on_click_;
};

// A menu on the bar: a submenu entry, there from the start so that an empty menu shows too.
class FltkMenu : public Menu {
 public:
  FltkMenu(Fl_Menu_Bar* bar, const std::string& caption)
      : bar_(bar), caption_(Cp1252ToUtf8(caption)) {
    bar_->add(caption_.c_str(), 0, nullptr, nullptr, FL_SUBMENU);
  }
  MenuItem& AddItem(const std::string&, const std::string& caption,
                    std::function<void()> on_click) override {
    items_.push_back(
        std::make_unique<FltkMenuItem>(bar_, caption_ + "/" + Cp1252ToUtf8(caption),
                                       std::move(on_click)));
    return *items_.back();
  }
  void Clear() override {
    for (const auto& item : items_) item->Remove();
    items_.clear();
  }

 private:
  Fl_Menu_Bar* bar_;
  std::string caption_;
  std::vector<std::unique_ptr<FltkMenuItem>> items_;
};

class FltkWindow : public Window {
 public:
  FltkWindow(const std::string& title, const Size& client_size) {
    Fl_Group::current(nullptr);
    window_ = std::make_unique<ClosableWindow>(Px(client_size.width), Px(client_size.height),
                                               nullptr,
                                               [this] { RequestUnload(UnloadMode::kCloseControl); });
    window_->end();
    window_->copy_label(Cp1252ToUtf8(title).c_str());
  }

  Frame& AddFrame(const std::string&, const Rect& bounds) override {
    return children().AddFrame(bounds);
  }
  ListBox& AddListBox(const std::string&, const Rect& bounds) override {
    return children().AddListBox(bounds);
  }
  TextBox& AddTextBox(const std::string&, const Rect& bounds, const std::string& text) override {
    return children().AddTextBox(bounds, text);
  }
  Button& AddButton(const std::string&, const Rect& bounds, const std::string& caption,
                    std::function<void()> on_click) override {
    return children().AddButton(bounds, caption, std::move(on_click));
  }
  Label& AddLabel(const std::string&, const Rect& bounds, const std::string& text,
                  const Font& font, std::optional<Color> color) override {
    return children().AddLabel(bounds, text, font, color);
  }

  void SetIcon(const Icon& icon) override {
    Fl_Pixmap pixmap(icon.xpm);
    Fl_RGB_Image image(&pixmap);
    window_->icon(&image);
  }

  // The menu bar sits above the client area, so menus must come before controls.
  Menu& AddMenu(const std::string&, const std::string& caption) override {
    if (!controls_.empty()) throw std::logic_error("a window's menus come before its controls");
    if (bar_ == nullptr) {
      window_->size(window_->w(), window_->h() + kFltkMenuBarHeight);
      Fl_Group::current(nullptr);
      bar_ = new Fl_Menu_Bar(0, 0, window_->w(), kFltkMenuBarHeight);
      bar_->textfont(kDefaultFont);
      bar_->textsize(kDefaultFontSize);
      window_->add(bar_);
    }
    menus_.push_back(std::make_unique<FltkMenu>(bar_, caption));
    return *menus_.back();
  }

  void SetLoadHandler(std::function<void()> on_load) override { on_load_ = std::move(on_load); }
  void SetQueryUnloadHandler(std::function<void(int16_t&, UnloadMode)> handler) override {
    on_query_unload_ = std::move(handler);
  }
  void SetUnloadHandler(std::function<void(int16_t&)> handler) override {
    on_unload_ = std::move(handler);
  }

  void ShowModal() override {
    if (loaded_) throw RuntimeError(400, "Form already displayed; can't show modally");
    loaded_ = true;
    if (on_load_) on_load_();
    if (!loaded_) return;
    window_->set_modal();
    window_->show();
    if (first_focus_ != nullptr) first_focus_->take_focus();
    while (loaded_) Fl::wait();
  }

  void Unload() override { RequestUnload(UnloadMode::kCode); }

  Size OuterSize() const override {
    if (!window_->shown()) {
      return {window_->w() * kTwipsPerPixel, window_->h() * kTwipsPerPixel};
    }
    return {window_->decorated_w() * kTwipsPerPixel, window_->decorated_h() * kTwipsPerPixel};
  }

  // Decorations are known only once the window is shown; before that the outer window
  // is taken to be the FLTK window.
  void Move(int32_t left, int32_t top) override {
    int border = 0;
    int caption = 0;
    if (window_->shown()) {
      border = (window_->decorated_w() - window_->w()) / 2;
      caption = window_->decorated_h() - window_->h() - border;
    }
    window_->position(Px(left) + border, Px(top) + caption);
  }

  void MoveClientArea(int32_t left, int32_t top) override {
    window_->position(Px(left), Px(top) - (bar_ != nullptr ? kFltkMenuBarHeight : 0));
  }

 private:
  Children children() {
    return Children(controls_, first_focus_,
                    Place{window_.get(), 0, bar_ != nullptr ? kFltkMenuBarHeight : 0});
  }

  void RequestUnload(UnloadMode mode) {
    if (!loaded_) return;
    int16_t cancel = 0;
    if (on_query_unload_) on_query_unload_(cancel, mode);
    if (cancel != 0) return;
    if (on_unload_) on_unload_(cancel);
    if (cancel != 0) return;
    loaded_ = false;
    window_->hide();
  }

  // Declared first so that it goes last, after the controls that wrap its widgets.
  std::unique_ptr<ClosableWindow> window_;
  Fl_Menu_Bar* bar_ = nullptr;
  Fl_Widget* first_focus_ = nullptr;
  std::vector<std::unique_ptr<Control>> controls_;
  std::vector<std::unique_ptr<Menu>> menus_;
  bool loaded_ = false;
  std::function<void()> on_load_;
  std::function<void(int16_t&, UnloadMode)> on_query_unload_;
  std::function<void(int16_t&)> on_unload_;
};

}  // namespace

FltkWindowSystem::FltkWindowSystem() {
  if (fl_display == nullptr) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) throw RuntimeError(kErrInvalidCall, "Can not open the display");
    fl_open_display(display);
  }
}

std::unique_ptr<Window> FltkWindowSystem::CreateWindow(const std::string& title,
                                                       const Size& client_size) {
  return std::make_unique<FltkWindow>(title, client_size);
}

Size FltkWindowSystem::ScreenSize() const {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;
  Fl::screen_xywh(x, y, w, h, 0);
  return {w * kTwipsPerPixel, h * kTwipsPerPixel};
}

void FltkWindowSystem::Show(const std::string& prompt, MsgBoxIcon icon, const std::string& title) {
  std::string text = Cp1252ToUtf8(prompt);
  for (size_t at; (at = text.find("\r\n")) != std::string::npos;) text.replace(at, 2, "\n");
  ShowFltkMessageBox(text, icon, Cp1252ToUtf8(title));
}

void FltkWindowSystem::DoEvents() { Fl::check(); }

}  // namespace quillon
