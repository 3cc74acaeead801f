// The scan of one source file: comment and non-comment lines, and for every keyword
// the number of non-comment lines that contain it, compared without regard to case.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "runtime/text_input.h"

namespace quillon {

struct LineCounts {
  int32_t non_comment = 0;
  int32_t comment = 0;
};

// True for a comment line: its first character after leading blanks (spaces only) is '.
bool IsCommentLine(const std::string& line);

class KeywordScanner {
 public:
  // Prepares the scan for a keyword table; keyword k of the table is `keywords[k]`.
  explicit KeywordScanner(const std::vector<std::string>& keywords);

  // Reads `source` to its end. Every line adds 1 to one of the two counts; every
  // non-comment line adds 1 to hits[k] for each keyword k it contains (at most 1 a line).
  // `hits` has one entry per keyword. A count that would pass 2^31 - 1 raises Overflow.
  void Scan(TextInput& source, LineCounts& counts, std::vector<int32_t>& hits) const;

 private:
  std::vector<std::string> folded_;
};

}  // namespace quillon
