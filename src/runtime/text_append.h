// Append output of 8-bit text lines, each ended by CR LF, to a file that may already
// hold text. The file is held under an exclusive advisory lock while it is open, so
// that what one writer appends between open and close stays together.
#pragma once

#include <string>
#include <string_view>

namespace quillon {

class AppendFile {
 public:
  // Opens `path` (Windows-form paths are mapped) for appending, creating a missing
  // file; raises a RuntimeError when it cannot be opened.
  explicit AppendFile(const std::string& path);
  // Writes what is still buffered and closes; failures at this point are dropped,
  // since it only runs when a failure already ends the caller.
  ~AppendFile();
  AppendFile(const AppendFile&) = delete;
  AppendFile& operator=(const AppendFile&) = delete;

  // Appends `line` and CR LF; raises a RuntimeError (disk full, I/O error) on failure.
  void WriteLine(std::string_view line);

  // Writes what is buffered and closes the file; raises a RuntimeError on failure.
  void Close();

 private:
  void Flush();

  std::string path_;
  int fd_ = -1;
  std::string pending_;
};

}  // namespace quillon
