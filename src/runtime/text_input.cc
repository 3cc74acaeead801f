// Block-buffered reading of CR and CR LF terminated lines.
#include "runtime/text_input.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "runtime/run_error.h"
#include "runtime/win_path.h"

namespace quillon {

TextInput::TextInput(const std::string& path, size_t block_size) : path_(MapWindowsPath(path)) {
  if (path_.empty()) throw RuntimeError(kErrBadFileName);
  // Non-blocking so that a FIFO cannot stall the open; only regular files are read.
  fd_ = open(path_.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd_ < 0) throw ErrorFromErrno(errno, path_);
  struct stat st {};
  if (fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
    const int err = S_ISDIR(st.st_mode) ? EISDIR : ENXIO;
    ::close(fd_);
    fd_ = -1;
    throw ErrorFromErrno(err, path_);
  }
  fcntl(fd_, F_SETFL, fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
  buffer_.resize(block_size == 0 ? 1 : block_size);
}

TextInput::~TextInput() {
  if (fd_ >= 0) ::close(fd_);
}

bool TextInput::Fill() {
  ssize_t got;
  do {
    got = read(fd_, buffer_.data(), buffer_.size());
  } while (got < 0 && errno == EINTR);
  if (got < 0) throw ErrorFromErrno(errno, path_);
  pos_ = 0;
  length_ = static_cast<size_t>(got);
  return got > 0;
}

bool TextInput::AtEnd() {
  if (fd_ < 0) throw RuntimeError(kErrBadFileNameOrNumber);
  for (;;) {
    if (pos_ == length_ && !Fill()) return true;
    if (!skip_lf_) return false;
    skip_lf_ = false;
    if (buffer_[pos_] == '\n') ++pos_;
  }
}

std::string_view TextInput::ReadPiece(bool* line_ended) {
  if (AtEnd()) {
    if (!mid_line_) throw RuntimeError(kErrInputPastEnd);
    mid_line_ = false;
    *line_ended = true;
    return {};
  }
  const char* start = buffer_.data() + pos_;
  const size_t available = length_ - pos_;
  const void* cr = std::memchr(start, '\r', available);
  if (cr == nullptr) {
    pos_ = length_;
    mid_line_ = true;
    *line_ended = false;
    return {start, available};
  }
  const size_t length = static_cast<const char*>(cr) - start;
  pos_ += length + 1;
  skip_lf_ = true;
  mid_line_ = false;
  *line_ended = true;
  return {start, length};
}

std::string TextInput::ReadLine() {
  std::string line;
  bool ended = false;
  do {
    line += ReadPiece(&ended);
  } while (!ended);
  return line;
}

std::string_view TextInput::ReadBytes() {
  if (AtEnd()) return {};
  const std::string_view bytes(buffer_.data() + pos_, length_ - pos_);
  pos_ = length_;
  mid_line_ = false;
  return bytes;
}

void TextInput::Close() {
  if (fd_ < 0) return;
  const int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0 && errno != EINTR) throw ErrorFromErrno(errno, path_);
}

}  // namespace quillon
