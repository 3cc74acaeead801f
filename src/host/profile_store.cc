// Locked reading and atomic replacement (temporary file, fsync, rename) of a file.
#include "host/profile_store.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "runtime/run_error.h"

namespace quillon {
namespace {

// The file a path names: a symbolic link is followed, so that a change replaces the
// file it points to rather than the link itself.
std::string RealFile(const std::string& path) {
  struct stat st {};
  if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
  char resolved[PATH_MAX];
  return realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : path;
}

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;

  int get() const { return fd_; }
  // Closes now, reporting what close() reports.
  int Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd);
  }

 private:
  int fd_;
};

// Holds `operation` (LOCK_SH or LOCK_EX) on "<path>.lock" while it lives. A lock file
// that cannot be opened raises a RuntimeError only when `required`; a file system
// without locks is used unlocked.
class FileLock {
 public:
  FileLock(const std::string& path, int operation, bool required)
      : lock_(open((path + ".lock").c_str(), O_RDONLY | O_CREAT | O_CLOEXEC, 0666)) {
    if (lock_.get() < 0) {
      if (required) throw ErrorFromErrno(errno, path + ".lock");
      return;
    }
    while (flock(lock_.get(), operation) != 0 && errno == EINTR) {
    }
  }

 private:
  Descriptor lock_;
};

struct FileText {
  std::string text;
  std::optional<mode_t> mode;  // permission bits; nothing when the file does not exist
};

FileText ReadFile(const std::string& path) {
  Descriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.get() < 0) {
    if (errno == ENOENT) return {};
    throw ErrorFromErrno(errno, path);
  }
  struct stat st {};
  if (fstat(file.get(), &st) != 0) throw ErrorFromErrno(errno, path);
  FileText result{std::string(), st.st_mode & 07777};
  char chunk[8192];
  for (;;) {
    const ssize_t got = read(file.get(), chunk, sizeof chunk);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) throw ErrorFromErrno(errno, path);
    if (got == 0) return result;
    result.text.append(chunk, static_cast<size_t>(got));
  }
}

void WriteAll(int fd, std::string_view text, const std::string& path) {
  while (!text.empty()) {
    const ssize_t put = write(fd, text.data(), text.size());
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) throw ErrorFromErrno(put < 0 ? errno : ENOSPC, path);
    text.remove_prefix(static_cast<size_t>(put));
  }
}

// Opens a new file beside `path` under a name no other file has; returns its name and
// descriptor. 0666 lets the umask decide the bits of a file that is new.
std::pair<std::string, int> OpenUniqueBeside(const std::string& path) {
  for (int attempt = 0;; ++attempt) {
    std::string name = path + "." + std::to_string(getpid()) + "." + std::to_string(attempt) + ".tmp";
    const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) return {std::move(name), fd};
    // A name can be taken by what a killed process with the same id left behind.
    if (errno != EEXIST || attempt >= 100) throw ErrorFromErrno(errno, name);
  }
}

// A temporary file beside the file it will replace; removed when it is not committed
// by the time it goes.
class TempFile {
 public:
  explicit TempFile(const std::string& path) : TempFile(OpenUniqueBeside(path)) {}
  ~TempFile() {
    if (!committed_) unlink(name_.c_str());
  }

  // Writes `text` with permission bits `mode` (when given), syncs, and renames the
  // file onto `path`.
  void CommitAs(const std::string& path, std::string_view text, std::optional<mode_t> mode) {
    WriteAll(fd_.get(), text, name_);
    if (mode && fchmod(fd_.get(), *mode) != 0) throw ErrorFromErrno(errno, name_);
    if (fsync(fd_.get()) != 0 || fd_.Close() != 0) throw ErrorFromErrno(errno, name_);
    if (rename(name_.c_str(), path.c_str()) != 0) throw ErrorFromErrno(errno, path);
    committed_ = true;
  }

 private:
  explicit TempFile(std::pair<std::string, int> opened)
      : name_(std::move(opened.first)), fd_(opened.second) {}

  std::string name_;
  Descriptor fd_;
  bool committed_ = false;
};

// Whether `name` is "<base>.<digits>.<digits>.tmp", a temporary file of OpenUniqueBeside.
bool IsTempNameOf(const std::string& name, const std::string& base) {
  const std::string suffix = ".tmp";
  if (name.size() <= base.size() + 1 + suffix.size() || name.compare(0, base.size() + 1, base + ".") != 0 ||
      name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
    return false;
  const std::string middle = name.substr(base.size() + 1, name.size() - base.size() - 1 - suffix.size());
  const size_t dot = middle.find('.');
  const auto digits = [](const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
  };
  return dot != std::string::npos && digits(middle.substr(0, dot)) && digits(middle.substr(dot + 1));
}

// Removes the temporary files that writers killed mid-write left beside `path`. Only a
// writer holding the exclusive lock makes them, so under that lock every one is stale.
void RemoveStaleTempFiles(const std::string& path) {
  const std::filesystem::path file(path);
  const std::string base = file.filename().string();
  std::error_code ignored;
  const auto folder = file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
  for (const auto& entry : std::filesystem::directory_iterator(folder, ignored)) {
    if (IsTempNameOf(entry.path().filename().string(), base)) std::filesystem::remove(entry.path(), ignored);
  }
}

// Makes the rename durable. Best effort: the change itself is complete already.
void SyncFolderOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
  Descriptor dir(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() >= 0) fsync(dir.get());
}

}  // namespace

std::optional<std::string> ReadSharedFile(const std::string& path) {
  const std::string file = RealFile(path);
  // Renames are atomic, so a reader without a lock still sees a whole file.
  const FileLock lock(file, LOCK_SH, false);
  FileText content = ReadFile(file);
  if (!content.mode) return std::nullopt;
  return std::move(content.text);
}

void EditSharedFile(const std::string& path, const std::function<std::string(std::string_view)>& edit) {
  const std::string file = RealFile(path);
  const FileLock lock(file, LOCK_EX, true);
  RemoveStaleTempFiles(file);
  const FileText content = ReadFile(file);
  const std::string changed = edit(content.text);
  TempFile temp(file);
  temp.CommitAs(file, changed, content.mode);
  SyncFolderOf(file);
}

}  // namespace quillon
