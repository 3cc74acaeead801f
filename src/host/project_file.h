// Reads a Visual Basic project file (.vbp of VB4 to 6, .mak of VB3 and 16-bit VB4)
// into the project's name and its component entries in file order.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

struct ProjectEntry {
  std::string name;  // the name before a ";" on the line, or empty when the line has none
  std::string path;  // the component's file path as the project file writes it
};

struct ProjectFile {
  std::string name;  // Name="..." of a .vbp, else the project file's base name
  std::vector<ProjectEntry> components;
};

// Reads the project file at `path`; the extension .mak (any case) selects the .mak
// rules, every other one the .vbp rules. Raises the read's RuntimeError.
ProjectFile ReadProjectFile(const std::string& path);

// One line of each kind of file: the component entry it holds, if any.
std::optional<ProjectEntry> VbpComponentLine(std::string_view line);
std::optional<ProjectEntry> MakComponentLine(std::string_view line);

// The last part of a path written with '/' or '\', without its extension.
std::string BaseName(std::string_view path);

}  // namespace quillon
