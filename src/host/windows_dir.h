// The folder that stands for the Windows directory, where a bare profile file name
// such as "VB.INI" is looked for.
#pragma once

#include <string>

namespace quillon {

// The folder named by WINDIR when it is set and not empty, else
// $XDG_CONFIG_HOME/quillon (when that is an absolute path), else
// $HOME/.config/quillon; without a trailing slash. A missing folder is created with
// its parents (mode 0755, as the umask allows). Raises a RuntimeError when no folder
// is named or it cannot be created.
std::string WindowsDirectory();

}  // namespace quillon
