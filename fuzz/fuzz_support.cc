// The scratch folder, file and check helpers shared by the fuzz targets.
#include "fuzz_support.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace quillon::fuzz {
namespace {

namespace fs = std::filesystem;

constexpr char kPrefix[] = "quillon-fuzz-";

std::string ScratchBase() {
  struct stat st {};
  if (stat("/dev/shm", &st) == 0 && S_ISDIR(st.st_mode) && access("/dev/shm", W_OK) == 0) return "/dev/shm";
  const char* tmp = std::getenv("TMPDIR");
  return tmp != nullptr && *tmp != '\0' ? tmp : "/tmp";
}

// libFuzzer ends with _Exit, so no destructor removes a folder: each run removes the
// folders that runs no longer alive left behind.
void RemoveStaleFolders(const std::string& base) {
  std::error_code error;
  for (fs::directory_iterator it(base, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (name.rfind(kPrefix, 0) != 0) continue;
    const long pid = std::strtol(name.c_str() + std::strlen(kPrefix), nullptr, 10);
    if (pid > 0 && kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) fs::remove_all(it->path(), error);
  }
}

[[noreturn]] void SystemFailure(const std::string& what) {
  std::perror(what.c_str());
  std::abort();
}

}  // namespace

ScratchFolder::ScratchFolder() {
  const std::string base = ScratchBase();
  RemoveStaleFolders(base);
  path_ = base + "/" + kPrefix + std::to_string(getpid());
  std::error_code error;
  fs::remove_all(path_, error);
  if (mkdir(path_.c_str(), 0700) != 0) SystemFailure(path_);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

const ScratchFolder& ScratchFolder::Get() {
  static const ScratchFolder folder;
  return folder;
}

void PutFile(const std::string& path, std::string_view bytes) {
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) SystemFailure(path);
  while (!bytes.empty()) {
    const ssize_t put = write(fd, bytes.data(), bytes.size());
    if (put <= 0) SystemFailure(path);
    bytes.remove_prefix(static_cast<size_t>(put));
  }
  close(fd);
}

std::string TakeFile(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) SystemFailure(path);
  std::string bytes;
  char chunk[65536];
  for (ssize_t got; (got = read(fd, chunk, sizeof chunk)) != 0;) {
    if (got < 0) SystemFailure(path);
    bytes.append(chunk, static_cast<size_t>(got));
  }
  close(fd);
  return bytes;
}

std::vector<std::string> CrLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t cr = text.find('\r', start);
    if (cr == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, cr - start));
    start = cr + 1;
    if (start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}

void Check(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::abort();
}

}  // namespace quillon::fuzz
