// FLTK widgets that behave as the windows need: buttons pressed by Alt+access key,
// Enter or space; a list with a settable horizontal scrolling range; text drawn as it
// stands; and a window whose close control asks its owner and which Escape leaves alone.
#pragma once

#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Hold_Browser.H>
#include <FL/Fl_Widget.H>

#include <functional>
#include <string>

namespace quillon {

// A push button. Alt plus the letter after "&" in its label presses it; Enter and
// the space bar press it while it has the focus. No other key does.
class AccessKeyButton : public Fl_Button {
 public:
  AccessKeyButton(int x, int y, int w, int h, const char* label);
  int handle(int event) override;
};

// A single-column list whose horizontal scrollbar spans at least `extent` pixels.
// Lines are shown as they stand: no "@" formatting and no tab columns.
class ExtentBrowser : public Fl_Hold_Browser {
 public:
  ExtentBrowser(int x, int y, int w, int h);
  void set_extent(int pixels);

 protected:
  int full_width() const override;

 private:
  int extent_ = 0;
};

// Static text, drawn with no "@" symbols and no "&" underlines. Takes no focus or events.
class PlainText : public Fl_Widget {
 public:
  PlainText(int x, int y, int w, int h, std::string text);
  const std::string& text() const { return text_; }
  void draw() override;
  int handle(int) override { return 0; }

 private:
  std::string text_;
};

// A top-level window. Its close control calls `on_close`; Escape does nothing.
class ClosableWindow : public Fl_Double_Window {
 public:
  ClosableWindow(int w, int h, const char* title, std::function<void()> on_close);

 private:
  static void Callback(Fl_Widget* widget, void* data);
  std::function<void()> on_close_;
};

}  // namespace quillon
