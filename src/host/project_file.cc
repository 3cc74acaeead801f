// Project file parsing: the component lines of .vbp and .mak files and the project name.
#include "host/project_file.h"

#include "host/line_text.h"
#include "host/loose_line_input.h"
#include "runtime/codepage.h"

namespace quillon {
namespace {

bool EndsWithIgnoreCase(std::string_view text, std::string_view ending) {
  return text.size() >= ending.size() &&
         EqualsIgnoreCase(text.substr(text.size() - ending.size()), ending);
}

// "Name; path" or just "path".
ProjectEntry NamedEntry(std::string_view value) {
  const auto semicolon = value.find(';');
  if (semicolon == std::string_view::npos) return {std::string(), std::string(TrimBlanks(value))};
  return {std::string(TrimBlanks(value.substr(0, semicolon))),
          std::string(TrimBlanks(value.substr(semicolon + 1)))};
}

struct KeyValue {
  std::string_view key;
  std::string_view value;
};

std::optional<KeyValue> SplitKey(std::string_view line) {
  const auto equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return KeyValue{TrimBlanks(line.substr(0, equals)), TrimBlanks(line.substr(equals + 1))};
}

bool IsSectionHeader(std::string_view line) {
  const auto text = TrimBlanks(line);
  return !text.empty() && text.front() == '[';
}

std::optional<std::string> VbpProjectName(std::string_view line) {
  const auto pair = SplitKey(line);
  if (!pair || !EqualsIgnoreCase(pair->key, "Name")) return std::nullopt;
  return std::string(Unquote(pair->value));
}

}  // namespace

std::optional<ProjectEntry> VbpComponentLine(std::string_view line) {
  const auto pair = SplitKey(line);
  if (!pair) return std::nullopt;
  // Modules and classes carry their name before the path; the other kinds only a path.
  static constexpr std::string_view kNamed[] = {"Module", "Class"};
  static constexpr std::string_view kPathOnly[] = {"Form", "UserControl", "PropertyPage",
                                                   "UserDocument", "Designer"};
  for (const auto key : kNamed) {
    if (EqualsIgnoreCase(pair->key, key)) return NamedEntry(pair->value);
  }
  for (const auto key : kPathOnly) {
    if (EqualsIgnoreCase(pair->key, key)) return ProjectEntry{std::string(), std::string(pair->value)};
  }
  return std::nullopt;
}

std::optional<ProjectEntry> MakComponentLine(std::string_view line) {
  const auto pair = SplitKey(line);
  const auto entry = NamedEntry(Unquote(pair ? pair->value : TrimBlanks(line)));
  for (const auto extension : {".frm", ".bas", ".cls"}) {
    if (EndsWithIgnoreCase(entry.path, extension)) return entry;
  }
  return std::nullopt;
}

std::string BaseName(std::string_view path) {
  const auto slash = path.find_last_of("/\\");
  auto name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const auto dot = name.rfind('.');
  return std::string(dot == std::string_view::npos ? name : name.substr(0, dot));
}

ProjectFile ReadProjectFile(const std::string& path) {
  const bool mak = EndsWithIgnoreCase(path, ".mak");
  ProjectFile project;
  std::optional<std::string> name;
  LooseLineInput input(path);
  std::string line;
  // Components and the name live in the file's first part; the [sections] that may
  // follow belong to other tools and run to the end of the file.
  bool in_section = false;
  while (input.Next(&line)) {
    in_section = in_section || IsSectionHeader(line);
    if (in_section) continue;
    if (auto entry = mak ? MakComponentLine(line) : VbpComponentLine(line)) {
      project.components.push_back(std::move(*entry));
    } else if (!mak && !name) {
      name = VbpProjectName(line);
    }
  }
  project.name = name ? *name : BaseName(path);
  return project;
}

}  // namespace quillon
