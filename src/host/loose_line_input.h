// Lines of a text file that may end at CR, CR LF or a lone LF, for files that were
// edited on other systems as well as the environment's own CR LF files.
#pragma once

#include <string>
#include <string_view>

#include "runtime/text_input.h"

namespace quillon {

class LooseLineInput {
 public:
  // At most this many bytes of a line are kept. Project files and source-file headers
  // have no longer lines worth reading, and a huge line must not cost its size in memory.
  static constexpr size_t kMaxLine = 64 * 1024;

  // Raises the open's RuntimeError (e.g. 53 "File not found").
  explicit LooseLineInput(const std::string& path);

  // Sets `*line` to the next line without its terminator, cut to kMaxLine bytes; false
  // when none is left. Raises a RuntimeError when the read fails.
  bool Next(std::string* line);

 private:
  // Reads on while the rest of the current piece is empty but the line goes on.
  void SkipEmptyPieces();

  TextInput input_;
  std::string_view rest_;   // what is left of the current piece of a CR / CR LF line
  bool in_line_ = false;    // a CR / CR LF line has been started and not finished
  bool line_ended_ = false; // the current piece is the last of its CR / CR LF line
};

}  // namespace quillon
