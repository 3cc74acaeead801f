// Shows the main window on the FLTK window system over a small project in a folder,
// for the check that drives it with xdotool under Xvfb. While the window is up, the
// program writes what the display holds to a state file ten times a second: each shown
// window with its client area, each widget with its kind, geometry (in pixels within the
// client area, below any menu bar), state and text, and each list's scrolling range and
// lines.
//
// Usage: fltk_window_check <work folder> <state file> [--no-keywords]
// The folder gets three source files and, unless --no-keywords, keywords.txt; the log
// goes where the log box says, mapped through QUILLON_DRIVE_<letter>. One component's
// name holds a Windows-1252 "é" (byte E9). Exits 0 once the window has closed.
#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Browser.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Window.H>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

#include "host/scripted_host.h"
#include "runtime/clock.h"
#include "testing/temp_dir.h"
#include "ui/fltk_widgets.h"
#include "ui/fltk_window_system.h"
#include "ui/frm_qln.h"
#include "ui/fltk_state_file.h"

namespace quillon {
namespace {


const char* Kind(Fl_Widget* w) {
  if (dynamic_cast<Fl_Menu_Bar*>(w)) return "menubar";
  if (dynamic_cast<Fl_Browser*>(w)) return "list";
  if (dynamic_cast<Fl_Input*>(w)) return "text";
  if (dynamic_cast<Fl_Button*>(w)) return "button";
  if (dynamic_cast<PlainText*>(w)) return "label";
  if (dynamic_cast<Fl_Box*>(w)) return "box";
  if (w->as_group()) return "frame";
  return "other";
}

// The widget's text on one line: line breaks become "|".
std::string Text(Fl_Widget* w) {
  std::string text;
  if (auto* input = dynamic_cast<Fl_Input*>(w)) {
    text = input->value();
  } else if (auto* plain = dynamic_cast<PlainText*>(w)) {
    text = plain->text();
  } else if (w->label() != nullptr) {
    text = w->label();
  }
  for (char& c : text) {
    if (c == '\n') c = '|';
  }
  return text;
}

// One line per widget: kind x y w h active focused font-size colour text.
// "colour" is the FLTK colour value in hex (0 the default black, ff00 pure blue).
void DumpWidget(std::ostream& out, Fl_Widget* w, int top) {
  out << "widget " << Kind(w) << ' ' << w->x() << ' ' << w->y() - top << ' ' << w->w() << ' '
      << w->h() << ' ' << (w->active() ? 1 : 0) << ' ' << (Fl::focus() == w ? 1 : 0) << ' '
      << w->labelsize() << ' ' << std::hex << w->labelcolor() << std::dec << ' ' << Text(w)
      << '\n';
  if (auto* list = dynamic_cast<Fl_Browser*>(w)) {
    // The horizontal scrollbar spans its own width plus its maximum.
    const Fl_Scrollbar& bar = list->hscrollbar;
    out << "scroll " << (bar.visible() ? bar.w() + static_cast<int>(bar.maximum()) : 0) << '\n';
    for (int i = 1; i <= list->size(); ++i) out << "line " << list->text(i) << '\n';
    return;
  }
  if (Fl_Group* group = w->as_group()) {
    for (int i = 0; i < group->children(); ++i) DumpWidget(out, group->child(i), top);
  }
}

void DumpWindow(std::ostream& out, Fl_Window* window) {
  int top = 0;
  for (int i = 0; i < window->children(); ++i) {
    if (dynamic_cast<Fl_Menu_Bar*>(window->child(i))) top = window->child(i)->h();
  }
  out << "window " << window->x() << ' ' << window->y() + top << ' ' << window->w() << ' '
      << window->h() - top << ' ' << (window->label() ? window->label() : "") << '\n';
  for (int i = 0; i < window->children(); ++i) DumpWidget(out, window->child(i), top);
}

void WriteProject(const std::filesystem::path& folder, ScriptedApplication& app) {
  const struct {
    const char* name;
    const char* file;
    const char* text;
  } components[] = {
      {"frmMain", "frmMain.frm", "d = CVDate(txtDate)\r\n' Year( in a remark\r\n"},
      {"modDates", "modDates.bas", "y = Year(Now)\r\n"},
      {"clsLedg\xE9r", "clsLedger.cls", "Rem nothing dated here\r\n"},
  };
  for (const auto& c : components) {
    testing::WriteFile(folder / c.file, c.text);
    app.AddComponent(c.name, (folder / c.file).string());
  }
}

}  // namespace
}  // namespace quillon

int main(int argc, char** argv) {
  using namespace quillon;
  const bool keywords = argc == 3;
  if (argc != 3 && !(argc == 4 && std::string(argv[3]) == "--no-keywords")) {
    std::cerr << "usage: fltk_window_check <work folder> <state file> [--no-keywords]\n";
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  auto app = std::make_shared<ScriptedApplication>();
  WriteProject(folder, *app);
  if (keywords) {
    testing::WriteFile(folder / "keywords.txt", "\"Year(\"\r\n\"CVDate(\"\r\n\"Now\"\r\n");
  }
  objVBInst = app;
  try {
    FltkWindowSystem windows;
    SystemClock clock;
    StartStateFile(argv[2], DumpWindow);
    ShowMainWindowModal(windows, clock, (folder / "keywords.txt").string());
  } catch (const RuntimeError& e) {
    std::cerr << "fltk_window_check: " << e.description() << '\n';
    return 1;
  }
  std::cout << "closed\n";
  return 0;
}
