// Component path resolution, part by part, with a case-insensitive folder search.
#include "host/path_resolve.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>
#include <vector>

#include "runtime/codepage.h"
#include "runtime/run_error.h"
#include "runtime/win_path.h"

namespace quillon {
namespace {

namespace fs = std::filesystem;

bool Exists(const std::string& path) {
  std::error_code error;
  return fs::exists(fs::path(path.empty() ? "." : path), error);
}

std::string Join(const std::string& folder, std::string_view part) {
  if (folder.empty()) return std::string(part);
  if (folder.back() == '/') return folder + std::string(part);
  return folder + "/" + std::string(part);
}

// A folder entry's name as Windows-1252 text, for comparing with project file text.
std::string EntryText(const std::string& name) {
  auto converted = Utf8ToCp1252(name);
  return converted ? *converted : name;
}

// The entry of `folder` whose name equals `part` without regard to case; when
// several do, the first in byte order, so the choice does not depend on the listing.
std::optional<std::string> FindIgnoringCase(const std::string& folder, std::string_view part) {
  std::vector<std::string> matches;
  std::error_code error;
  for (fs::directory_iterator it(folder.empty() ? "." : folder, error), end; !error && it != end;
       it.increment(error)) {
    std::string name = it->path().filename().string();
    if (EqualsIgnoreCase(EntryText(name), part)) matches.push_back(std::move(name));
  }
  if (matches.empty()) return std::nullopt;
  return *std::min_element(matches.begin(), matches.end());
}

std::vector<std::string_view> Parts(std::string_view path) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  while (start <= path.size()) {
    size_t slash = path.find('/', start);
    if (slash == std::string_view::npos) slash = path.size();
    if (slash > start) parts.push_back(path.substr(start, slash - start));
    start = slash + 1;
  }
  return parts;
}

std::string Slashed(std::string text) {
  std::replace(text.begin(), text.end(), '\\', '/');
  return text;
}

}  // namespace

std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return std::string();
  return slash == 0 ? std::string("/") : path.substr(0, slash);
}

std::string ResolveComponentPath(const std::string& project_folder, const std::string& component_path) {
  if (component_path.empty()) return std::string();
  std::string mapped;
  try {
    mapped = MapWindowsPath(component_path);
  } catch (const RuntimeError&) {
    // The environment hands out such a path unchecked; raising here would end the
    // whole run, while the real environment lets the file's open report it.
    return Slashed(component_path);
  }
  const bool absolute = !mapped.empty() && mapped.front() == '/';
  std::string resolved = absolute ? "/" : project_folder;
  const auto parts = Parts(mapped);
  for (size_t i = 0; i < parts.size(); ++i) {
    const std::string exact = Join(resolved, parts[i]);
    if (parts[i] == "." || parts[i] == ".." || Exists(exact)) {
      resolved = exact;
      continue;
    }
    const auto found = FindIgnoringCase(resolved, parts[i]);
    if (!found) {
      // Not there: keep the rest as written, so the open reports the file missing.
      for (size_t rest = i; rest < parts.size(); ++rest) resolved = Join(resolved, parts[rest]);
      return resolved;
    }
    resolved = Join(resolved, *found);
  }
  return resolved;
}

}  // namespace quillon
