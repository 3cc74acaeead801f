// The FLTK message box: measures its text, lays out icon, text and OK button, and runs
// its own modal loop.
#include "ui/fltk_message_box.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Return_Button.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>

#include <algorithm>

#include "ui/fltk_widgets.h"

namespace quillon {
namespace {

constexpr int kMargin = 12;
constexpr int kIconSize = 32;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kTextSize = 12;

void CloseBox(Fl_Widget* widget, void*) {
  Fl_Window* window = widget->as_window() ? widget->as_window() : widget->window();
  window->hide();
}

}  // namespace

void ShowFltkMessageBox(const std::string& prompt, MsgBoxIcon icon, const std::string& title) {
  int text_w = 0;
  int text_h = 0;
  fl_font(FL_HELVETICA, kTextSize);
  fl_measure(prompt.c_str(), text_w, text_h, 0);
  const int icon_w = icon == MsgBoxIcon::kInformation ? kIconSize + kMargin : 0;
  const int body_h = std::max(text_h, icon_w > 0 ? kIconSize : 0);
  const int w = std::max(kMargin + icon_w + text_w + kMargin, kButtonWidth + 2 * kMargin);
  const int h = kMargin + body_h + kMargin + kButtonHeight + kMargin;

  Fl_Group::current(nullptr);
  Fl_Window box(w, h);
  box.copy_label(title.c_str());
  box.callback(CloseBox);
  if (icon == MsgBoxIcon::kInformation) {
    auto* mark = new Fl_Box(kMargin, kMargin, kIconSize, kIconSize, "i");
    mark->box(FL_OVAL_BOX);
    mark->color(FL_BLUE);
    mark->labelcolor(FL_WHITE);
    mark->labelfont(FL_TIMES_BOLD);
    mark->labelsize(24);
    box.add(mark);
  }
  auto* text = new PlainText(kMargin + icon_w, kMargin, text_w, text_h, prompt);
  text->labelfont(FL_HELVETICA);
  text->labelsize(kTextSize);
  box.add(text);
  auto* ok = new Fl_Return_Button((w - kButtonWidth) / 2, h - kMargin - kButtonHeight,
                                  kButtonWidth, kButtonHeight, "OK");
  ok->labelsize(kTextSize);
  ok->callback(CloseBox);
  box.add(ok);
  box.set_modal();
  box.position((Fl::w() - w) / 2, (Fl::h() - h) / 2);
  box.show();
  ok->take_focus();
  while (box.shown()) Fl::wait();
}

}  // namespace quillon
