// What the fuzz targets share: a scratch folder for the files each run puts its input
// into (so the code under test reads through the same calls as on a real file), the
// plain line split they compare against, and the check that stops a run on a fault.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillon::fuzz {

class ScratchFolder {
 public:
  // A folder of its own, named after the process, under /dev/shm (memory, so
  // rewriting files is cheap) or, where that is missing, under TMPDIR or /tmp.
  static const ScratchFolder& Get();
  ~ScratchFolder();

  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  ScratchFolder();
  std::string path_;
};

// Replaces the file at `path` with `bytes`; aborts when it cannot, since no later
// check would mean anything.
void PutFile(const std::string& path, std::string_view bytes);

// The bytes of the file at `path`; aborts when it cannot be read.
std::string TakeFile(const std::string& path);

// `text` split at CR and CR LF, as the program's line reader splits a file: a lone LF
// ends no line, and a terminator at the very end starts no further line.
std::vector<std::string> CrLines(std::string_view text);

// Reports `what` and aborts, so libFuzzer keeps the input, when `ok` is false.
void Check(bool ok, const char* what);

}  // namespace quillon::fuzz
