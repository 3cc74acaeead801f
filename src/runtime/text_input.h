// Sequential 8-bit text input: a line ends at CR or CR LF, never at a lone LF.
// The file is read in fixed blocks, so memory does not grow with its size.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillon {

class TextInput {
 public:
  static constexpr size_t kBlockSize = 256 * 1024;

  // Opens `path` (Windows-form paths are mapped) for reading; raises a RuntimeError
  // when it is missing, not a regular file, or cannot be read. Tests pass a small
  // `block_size` to put block boundaries where they want them.
  explicit TextInput(const std::string& path, size_t block_size = kBlockSize);
  ~TextInput();
  TextInput(const TextInput&) = delete;
  TextInput& operator=(const TextInput&) = delete;

  // The end-of-file test that comes before every read. A terminator at the very end
  // of the file starts no further line; an empty file is at its end at once.
  bool AtEnd();

  // Reads the next line whole, without its terminator.
  std::string ReadLine();

  // Reads the next piece of the current line: at most one block of its bytes.
  // `*line_ended` tells whether the piece finishes the line. Raises "Input past
  // end of file" (62) when no line is left.
  std::string_view ReadPiece(bool* line_ended);

  // Reads the rest of the file as it stands, terminators included: the next stretch
  // of at most one block, from where line reading stopped (a line feed that completes
  // a CR LF already read is skipped). Empty at the end of the file. For callers that
  // split lines themselves; the view is valid until the next read.
  std::string_view ReadBytes();

  // Closes the file; raises a RuntimeError when the system reports a failure.
  void Close();

 private:
  bool Fill();

  std::string path_;
  int fd_ = -1;
  std::vector<char> buffer_;
  size_t pos_ = 0;
  size_t length_ = 0;
  bool skip_lf_ = false;   // the last line ended at a CR, so a following LF belongs to it
  bool mid_line_ = false;  // a piece of the current line was handed out
};

}  // namespace quillon
