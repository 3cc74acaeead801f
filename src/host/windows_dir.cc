// Choosing and creating the Windows directory's stand-in folder.
#include "host/windows_dir.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>

#include "runtime/run_error.h"

namespace quillon {
namespace {

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::string(value) : std::string();
}

std::string ChosenFolder() {
  std::string folder = Variable("WINDIR");
  if (folder.empty()) {
    // The base directory rules take only an absolute XDG_CONFIG_HOME.
    const std::string config = Variable("XDG_CONFIG_HOME");
    const std::string home = Variable("HOME");
    if (!config.empty() && config.front() == '/') {
      folder = config + "/quillon";
    } else if (!home.empty()) {
      folder = home + "/.config/quillon";
    } else {
      throw RuntimeError(kErrPathNotFound);
    }
  }
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

bool IsFolder(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Creates `folder` and the folders above it that are missing.
void CreateFolders(const std::string& folder) {
  for (size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
    const std::string part = folder.substr(0, slash);
    if (mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) throw ErrorFromErrno(errno, part);
    if (slash == std::string::npos) break;
  }
  if (!IsFolder(folder)) throw ErrorFromErrno(ENOTDIR, folder);
}

}  // namespace

std::string WindowsDirectory() {
  const std::string folder = ChosenFolder();
  if (!IsFolder(folder)) CreateFolders(folder);
  return folder;
}

}  // namespace quillon
