// For the real-window checks: every tenth of a second, the windows' state is written to a
// file (through a temporary file and a rename, so a reader never sees half of it).
#pragma once

#include <FL/Fl_Window.H>

#include <functional>
#include <ostream>
#include <string>

namespace quillon {

using WindowDump = std::function<void(std::ostream&, Fl_Window*)>;

// From now on, while FLTK runs its loop, writes `dump` of every open window to `path`.
void StartStateFile(const std::string& path, WindowDump dump);

}  // namespace quillon
