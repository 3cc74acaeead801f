// The folder that holds the running program's executable.
#pragma once

#include <string>

namespace quillon {

// The executable's folder as this system names it (through /proc/self/exe, so a
// symbolic link elsewhere still finds the real folder), without a trailing slash.
std::string AppPath();

}  // namespace quillon
