// Finds the executable's folder through /proc/self/exe.
#include "runtime/app_path.h"

#include <cerrno>
#include <climits>
#include <unistd.h>

#include "runtime/run_error.h"

namespace quillon {

std::string AppPath() {
  char target[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", target, sizeof target);
  if (length < 0) throw ErrorFromErrno(errno);
  std::string path(target, static_cast<size_t>(length));
  const auto slash = path.find_last_of('/');
  return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace quillon
