// A repeating FLTK timeout that writes the windows' state to a file.
#include "ui/fltk_state_file.h"

#include <FL/Fl.H>

#include <cstdio>
#include <fstream>

namespace quillon {
namespace {

std::string state_file;
WindowDump dump_window;

void WriteState(void*) {
  const std::string temp = state_file + ".new";
  {
    std::ofstream out(temp);
    for (Fl_Window* w = Fl::first_window(); w != nullptr; w = Fl::next_window(w)) dump_window(out, w);
  }
  std::rename(temp.c_str(), state_file.c_str());
  Fl::repeat_timeout(0.1, WriteState);
}

}  // namespace

void StartStateFile(const std::string& path, WindowDump dump) {
  state_file = path;
  dump_window = std::move(dump);
  Fl::add_timeout(0.1, WriteState);
}

}  // namespace quillon
