// Maps drive letters and backslashes of Windows-form paths onto this system.
#include "runtime/win_path.h"

#include <cctype>
#include <cstdlib>

#include "runtime/run_error.h"

namespace quillon {
namespace {

bool HasDrive(std::string_view path) {
  return path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]));
}

// The folder that stands for drive `letter`, without a trailing slash.
std::string DriveFolder(char letter) {
  const std::string name =
      std::string("QUILLON_DRIVE_") + static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
  const char* folder = std::getenv(name.c_str());
  if (folder == nullptr || *folder == '\0') throw RuntimeError(kErrPathNotFound);
  std::string result(folder);
  while (result.size() > 1 && result.back() == '/') result.pop_back();
  return result;
}

}  // namespace

std::string MapWindowsPath(std::string_view path) {
  std::string mapped(path);
  for (char& c : mapped) {
    if (c == '\\') c = '/';
  }
  if (path.rfind("\\\\", 0) == 0) throw RuntimeError(kErrPathNotFound);
  if (!HasDrive(mapped)) return mapped;
  std::string rest = mapped.substr(2);
  if (!rest.empty() && rest.front() != '/') rest.insert(rest.begin(), '/');
  const std::string folder = DriveFolder(mapped[0]);
  if (folder == "/") return rest.empty() ? folder : rest;
  return folder + rest;
}

}  // namespace quillon
