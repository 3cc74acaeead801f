// Finds a project's component file on this system: Windows-form paths mapped, relative
// paths taken from the project file's folder, and path parts matched without regard to
// case where the exact name does not exist.
#pragma once

#include <string>

namespace quillon {

// The path on this system for `component_path` as a project file in `project_folder`
// writes it ("" for the current folder). Where a part cannot be found, the result is
// the part of the path found so far followed by the rest as written, so opening it
// fails as for a missing file. An empty path stays empty; a UNC path or a drive
// without a mapped folder is returned as written, with '/' for '\'. Reads folders
// only; never creates anything.
std::string ResolveComponentPath(const std::string& project_folder, const std::string& component_path);

// The folder part of a file path on this system ("" when it has none).
std::string FolderOf(const std::string& path);

}  // namespace quillon
