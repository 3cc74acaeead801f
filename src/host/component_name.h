// The name the environment shows for a component that a project file lists.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "host/project_file.h"

namespace quillon {

// The name before the ";" where the project line has one, else the Attribute VB_Name
// in the header of the file at `resolved_path`, else that path's base name (the name
// on disk, where resolving found the file). Never raises: a file that cannot be read
// has no header to take the name from.
std::string ComponentName(const ProjectEntry& entry, const std::string& resolved_path);

// The value of an `Attribute VB_Name = "..."` line, quotes stripped.
std::optional<std::string> VbNameAttribute(std::string_view line);

}  // namespace quillon
