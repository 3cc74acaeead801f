// Shows the environment window on the FLTK window system over a small project, with the
// add-in connected as `quillon ide` connects it, for the check that drives it with
// xdotool under Xvfb. While windows are up, the program writes what they hold to a
// state file ten times a second: "window <title>" for each shown window, "menu <path>"
// for each entry of its menu bar ("Add-&Ins/" for a menu, "Add-&Ins/Quillon..." for an
// item in it) and "line <text>" for each list line. Once the environment window has
// closed it prints "closed", the environment window's menu entries as "final menu
// <path>" lines and "captions <n>", the number of items left on the application's
// Add-Ins menu.
//
// Usage: environment_window_check <work folder> <state file>
// The folder gets the project ledger.vbp with two components. Exits 0 once the window
// has closed, 1 when a failure reached the environment.
#include <FL/Fl.H>
#include <FL/Fl_Browser.H>
#include <FL/Fl_Menu_Bar.H>
#include <FL/Fl_Window.H>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "host/class_registry.h"
#include "host/environment_window.h"
#include "host/project_file_host.h"
#include "host/qln_class.h"
#include "testing/temp_dir.h"
#include "ui/fltk_window_system.h"
#include "ui/fltk_state_file.h"

namespace quillon {
namespace {

std::string environment_title;
const Fl_Menu_Bar* environment_bar = nullptr;  // found in the environment window while shown

// One line per menu bar entry, its path built from the menus above it.
void DumpMenu(std::ostream& out, const char* tag, const Fl_Menu_Bar* bar) {
  std::vector<std::string> open;
  for (const Fl_Menu_Item* item = bar->menu(); item != nullptr; ++item) {
    if (item->text == nullptr) {
      if (open.empty()) break;
      open.pop_back();
      continue;
    }
    std::string path;
    for (const std::string& menu : open) path += menu + "/";
    path += item->text;
    if (item->submenu()) {
      out << tag << ' ' << path << "/\n";
      open.push_back(item->text);
    } else {
      out << tag << ' ' << path << '\n';
    }
  }
}

// The menu bars and list lines among a group's widgets, frames included.
void DumpWidgets(std::ostream& out, Fl_Group* group, bool environment) {
  for (int i = 0; i < group->children(); ++i) {
    Fl_Widget* child = group->child(i);
    if (auto* bar = dynamic_cast<Fl_Menu_Bar*>(child)) {
      if (environment) environment_bar = bar;
      DumpMenu(out, "menu", bar);
    } else if (auto* list = dynamic_cast<Fl_Browser*>(child)) {
      for (int line = 1; line <= list->size(); ++line) out << "line " << list->text(line) << '\n';
    } else if (Fl_Group* inner = child->as_group()) {
      DumpWidgets(out, inner, environment);
    }
  }
}

void DumpWindow(std::ostream& out, Fl_Window* window) {
  const std::string title = window->label() != nullptr ? window->label() : "";
  out << "window " << title << '\n';
  DumpWidgets(out, window, title == environment_title);
}

std::string WriteProject(const std::filesystem::path& folder) {
  testing::WriteFile((folder / "dates.bas").string(), "Attribute VB_Name = \"Dates\"\r\nd = Now\r\n");
  testing::WriteFile((folder / "book.cls").string(), "x = 1\r\n");
  const std::string project = (folder / "ledger.vbp").string();
  testing::WriteFile(project, "Module=Dates; dates.bas\r\nClass=Book; book.cls\r\nName=\"Ledger\"\r\n");
  return project;
}

}  // namespace
}  // namespace quillon

int main(int argc, char** argv) {
  using namespace quillon;
  if (argc != 3) {
    std::cerr << "usage: environment_window_check <work folder> <state file>\n";
    return 2;
  }
  auto app = std::make_shared<ProjectFileApplication>(WriteProject(argv[1]));
  environment_title = EnvironmentTitle(*app);
  try {
    FltkWindowSystem windows;
    RegisterQlnClass(Registry(), windows);
    EnvironmentWindow environment(windows, Registry(), app);
    StartStateFile(argv[2], DumpWindow);
    environment.Show();
    std::cout << "closed\n";
    if (environment_bar != nullptr) DumpMenu(std::cout, "final menu", environment_bar);
    std::cout << "captions " << app->MenuCaptions().size() << '\n';
    return environment.failed() ? 1 : 0;
  } catch (const RuntimeError& e) {
    std::cerr << "environment_window_check: " << e.description() << '\n';
    return 1;
  }
}
