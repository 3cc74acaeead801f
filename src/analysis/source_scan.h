// The scan of one source file: comment and non-comment lines, and for every keyword
// the number of non-comment lines that contain it, compared without regard to case.
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "analysis/keyword_matcher.h"
#include "runtime/run_error.h"
#include "runtime/text_input.h"

namespace quillon {

struct LineCounts {
  int32_t non_comment = 0;
  int32_t comment = 0;
};

// Adds 1 to a count; raises Overflow (6) rather than pass 2^31 - 1.
inline void AddOne(int32_t& count) {
  if (count == std::numeric_limits<int32_t>::max()) throw RuntimeError(kErrOverflow);
  ++count;
}

class KeywordScanner {
 public:
  // Prepares the scan for a keyword table; keyword k of the table is `keywords[k]`.
  // `filter` chooses the window filter; both kinds count the same.
  explicit KeywordScanner(const std::vector<std::string>& keywords,
                          WindowFilter::Kind filter = WindowFilter::Kind::kVector);

  // Reads `source` to its end. Every line adds 1 to one of the two counts; every
  // non-comment line adds 1 to hits[k] for each keyword k it contains (at most 1 a line).
  // `hits` has one entry per keyword. A count that would pass 2^31 - 1 raises Overflow.
  // The file is read a block at a time, so memory grows neither with a file nor a line.
  void Scan(TextInput& source, LineCounts& counts, std::vector<int32_t>& hits) const;

 private:
  class FileScan;

  KeywordMatcher matcher_;
  std::vector<uint32_t> empty_keywords_;  // found in every non-empty non-comment line
};

}  // namespace quillon
