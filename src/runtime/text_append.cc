// Locked, buffered appending of CR LF terminated lines.
#include "runtime/text_append.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "runtime/run_error.h"
#include "runtime/win_path.h"

namespace quillon {
namespace {

constexpr size_t kFlushSize = 64 * 1024;

}  // namespace

AppendFile::AppendFile(const std::string& path) : path_(MapWindowsPath(path)) {
  if (path_.empty()) throw RuntimeError(kErrBadFileName);
  // Non-blocking so that a FIFO without a reader fails instead of stalling the open.
  fd_ = open(path_.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666);
  if (fd_ < 0) throw ErrorFromErrno(errno, path_);
  fcntl(fd_, F_SETFL, fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
  int locked;
  do {
    locked = flock(fd_, LOCK_EX);
  } while (locked != 0 && errno == EINTR);
  // A file system without locks still takes the lines; only the lock is lost.
}

AppendFile::~AppendFile() {
  if (fd_ < 0) return;
  try {
    Flush();
  } catch (const RuntimeError&) {
  }
  ::close(fd_);
}

void AppendFile::WriteLine(std::string_view line) {
  if (fd_ < 0) throw RuntimeError(kErrBadFileNameOrNumber);
  pending_.append(line);
  pending_.append("\r\n");
  if (pending_.size() >= kFlushSize) Flush();
}

void AppendFile::Flush() {
  size_t done = 0;
  while (done < pending_.size()) {
    const ssize_t put = write(fd_, pending_.data() + done, pending_.size() - done);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) {
      const int err = put < 0 ? errno : ENOSPC;
      pending_.erase(0, done);
      throw ErrorFromErrno(err, path_);
    }
    done += static_cast<size_t>(put);
  }
  pending_.clear();
}

void AppendFile::Close() {
  if (fd_ < 0) return;
  Flush();
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0 && errno != EINTR) throw ErrorFromErrno(errno, path_);
}

}  // namespace quillon
