// The FLTK widgets' key handling, drawing and scrolling range.
#include "ui/fltk_widgets.h"

#include <FL/Enumerations.H>
#include <FL/Fl.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <utility>

namespace quillon {

AccessKeyButton::AccessKeyButton(int x, int y, int w, int h, const char* label)
    : Fl_Button(x, y, w, h, label) {}

int AccessKeyButton::handle(int event) {
  const bool modified = Fl::event_state(FL_SHIFT | FL_CTRL | FL_META) != 0;
  switch (event) {
    case FL_SHORTCUT:
      if (!Fl::event_state(FL_ALT) || modified || !test_shortcut(label(), true)) return 0;
      if (active_r()) do_callback();
      return 1;
    case FL_KEYBOARD:
      if (Fl::focus() != this || modified || Fl::event_state(FL_ALT)) return 0;
      if (Fl::event_key() == FL_Enter || Fl::event_key() == FL_KP_Enter) {
        do_callback();
        return 1;
      }
      return Fl_Button::handle(event);
    default:
      return Fl_Button::handle(event);
  }
}

ExtentBrowser::ExtentBrowser(int x, int y, int w, int h) : Fl_Hold_Browser(x, y, w, h) {
  format_char('\x01');
  column_char('\x02');
}

void ExtentBrowser::set_extent(int pixels) {
  extent_ = pixels;
  redraw();
}

int ExtentBrowser::full_width() const { return std::max(Fl_Hold_Browser::full_width(), extent_); }

PlainText::PlainText(int x, int y, int w, int h, std::string text)
    : Fl_Widget(x, y, w, h), text_(std::move(text)) {
  clear_visible_focus();
}

void PlainText::draw() {
  fl_font(labelfont(), labelsize());
  fl_color(active_r() ? labelcolor() : fl_inactive(labelcolor()));
  fl_draw(text_.c_str(), x(), y(), w(), h(), FL_ALIGN_TOP_LEFT | FL_ALIGN_INSIDE | FL_ALIGN_CLIP,
          nullptr, 0);
}

ClosableWindow::ClosableWindow(int w, int h, const char* title, std::function<void()> on_close)
    : Fl_Double_Window(w, h, title), on_close_(std::move(on_close)) {
  callback(Callback, this);
}

void ClosableWindow::Callback(Fl_Widget* /*widget*/, void* data) {
  if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
  static_cast<ClosableWindow*>(data)->on_close_();
}

}  // namespace quillon
