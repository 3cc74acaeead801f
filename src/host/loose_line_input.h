// Lines of a text file that may end at CR, CR LF or a lone LF, for files that were
// edited on other systems as well as the environment's own CR LF files.
#pragma once

#include <deque>
#include <string>

#include "runtime/text_input.h"

namespace quillon {

class LooseLineInput {
 public:
  // Raises the open's RuntimeError (e.g. 53 "File not found").
  explicit LooseLineInput(const std::string& path);

  // Sets `*line` to the next line without its terminator; false when none is left.
  // Raises a RuntimeError when the read fails.
  bool Next(std::string* line);

 private:
  TextInput input_;
  std::deque<std::string> pending_;  // the rest of a CR-ended line that held LFs
};

}  // namespace quillon
