// The window system as the two windows see it: modal top-level windows with a menu bar,
// frames, list boxes, text boxes, buttons and labels, laid out in twips, plus the screen,
// message boxes and the event pump. Backends: FLTK (real windows) and headless.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "analysis/ui_services.h"

namespace quillon {

// Screen pixels per twip at 96 dots per inch: 15 twips make one pixel.
inline constexpr int32_t kTwipsPerPixel = 15;

// A position and size in twips, from the top left corner of the containing client area.
struct Rect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
};

struct Size {
  int32_t width = 0;
  int32_t height = 0;
};

// A label's font; an empty name means the window's default font.
struct Font {
  std::string name;
  double points = 0;
};

struct Color {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
};

// A window icon as XPM text (width height colours chars-per-pixel, colour lines, rows).
struct Icon {
  const char* const* xpm = nullptr;
};

// Why a window is being unloaded, as its query-unload handler is told.
enum class UnloadMode { kCloseControl, kCode };

class Control {
 public:
  virtual ~Control() = default;
  // The control's position and size in twips, inside its container.
  virtual Rect Bounds() const = 0;
};

class Button : public Control {
 public:
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Enabled() const = 0;
};

class TextBox : public Control {
 public:
  virtual std::string Text() const = 0;
  virtual void SetText(const std::string& text) = 0;
};

// A single-column, unsorted list. Its lines are Windows-1252 text.
class ListBox : public Control, public ProgressList {
 public:
  // Lets the list scroll sideways over `pixels`; returns the backend's result code.
  virtual int32_t SetHorizontalExtent(int32_t pixels) = 0;
};

class Label : public Control {};

class MenuItem {
 public:
  virtual ~MenuItem() = default;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Enabled() const = 0;
};

class Menu {
 public:
  virtual ~Menu() = default;
  // Adds an item at the end. An "&" in a caption marks the access key.
  virtual MenuItem& AddItem(const std::string& name, const std::string& caption,
                            std::function<void()> on_click) = 0;
  // Removes every item; the references AddItem returned are no longer valid. The menu
  // itself stays on the menu bar, empty.
  virtual void Clear() = 0;
};

class Frame;

// What holds controls: a window's client area or a frame. Controls take the tab order
// and the stacking order of their creation; the container owns them. An "&" in a
// caption marks the access key (Alt+letter presses the button).
class Container {
 public:
  virtual ~Container() = default;
  // An untitled frame.
  virtual Frame& AddFrame(const std::string& name, const Rect& bounds) = 0;
  virtual ListBox& AddListBox(const std::string& name, const Rect& bounds) = 0;
  virtual TextBox& AddTextBox(const std::string& name, const Rect& bounds,
                              const std::string& text) = 0;
  virtual Button& AddButton(const std::string& name, const Rect& bounds,
                            const std::string& caption, std::function<void()> on_click) = 0;
  // `color` empty: the default text colour. Labels take no focus and react to no click.
  virtual Label& AddLabel(const std::string& name, const Rect& bounds, const std::string& text,
                          const Font& font, std::optional<Color> color) = 0;
};

class Frame : public Container, public Control {};

// A top-level window. It is built unloaded; ShowModal loads it (the load handler runs),
// shows it and returns once it has unloaded.
class Window : public Container {
 public:
  virtual void SetIcon(const Icon& icon) = 0;
  // Adds a menu to the menu bar above the client area; menus come before controls.
  virtual Menu& AddMenu(const std::string& name, const std::string& caption) = 0;

  // Runs during ShowModal before the window shows.
  virtual void SetLoadHandler(std::function<void()> on_load) = 0;
  // Runs first when an unload is asked for; setting `cancel` to non-zero keeps the window.
  virtual void SetQueryUnloadHandler(std::function<void(int16_t& cancel, UnloadMode)> handler) = 0;
  // Runs when the window unloads; setting `cancel` to non-zero keeps the window.
  virtual void SetUnloadHandler(std::function<void(int16_t& cancel)> handler) = 0;

  virtual void ShowModal() = 0;
  // Asks the window to unload from code; the close control asks with kCloseControl.
  virtual void Unload() = 0;

  // The outer size and position in twips, border and title bar included.
  virtual Size OuterSize() const = 0;
  virtual void Move(int32_t left, int32_t top) = 0;
  // Puts the client area's top left corner at this screen position, in twips.
  virtual void MoveClientArea(int32_t left, int32_t top) = 0;
};

class WindowSystem : public MessageBox, public EventPump {
 public:
  // A new unloaded window whose client area below the menu bar has this size in twips.
  virtual std::unique_ptr<Window> CreateWindow(const std::string& title,
                                               const Size& client_size) = 0;
  // The screen's size in twips.
  virtual Size ScreenSize() const = 0;
};

// Twips to whole pixels, rounded to the nearest.
inline int32_t TwipsToPixels(int32_t twips) {
  return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                    : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

}  // namespace quillon
