// The straightforward scan: each line read whole, folded, and searched once per keyword.
#include "analysis/source_scan.h"

#include <limits>

#include "runtime/codepage.h"
#include "runtime/run_error.h"

namespace quillon {
namespace {

void AddOne(int32_t& count) {
  if (count == std::numeric_limits<int32_t>::max()) throw RuntimeError(kErrOverflow);
  ++count;
}

}  // namespace

bool IsCommentLine(const std::string& line) {
  const auto first = line.find_first_not_of(' ');
  return first != std::string::npos && line[first] == '\'';
}

KeywordScanner::KeywordScanner(const std::vector<std::string>& keywords) {
  folded_.reserve(keywords.size());
  for (const auto& keyword : keywords) folded_.push_back(FoldCase(keyword));
}

void KeywordScanner::Scan(TextInput& source, LineCounts& counts, std::vector<int32_t>& hits) const {
  while (!source.AtEnd()) {
    const std::string line = source.ReadLine();
    if (IsCommentLine(line)) {
      AddOne(counts.comment);
      continue;
    }
    AddOne(counts.non_comment);
    if (line.empty()) continue;
    const std::string folded = FoldCase(line);
    for (size_t k = 0; k < folded_.size(); ++k) {
      if (folded.find(folded_[k]) != std::string::npos) AddOne(hits[k]);
    }
  }
}

}  // namespace quillon
