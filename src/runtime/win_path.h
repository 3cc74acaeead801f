// Paths as a Windows program writes them, mapped onto this system's file tree.
#pragma once

#include <string>
#include <string_view>

namespace quillon {

// Backslashes become slashes; a drive "X:" becomes the folder named by the
// environment variable QUILLON_DRIVE_X. A drive without such a folder, or a UNC
// path (\\server\share), raises "Path not found" (76). A POSIX path is returned as it is.
std::string MapWindowsPath(std::string_view path);

}  // namespace quillon
