// The straightforward scan: each line read whole, folded, and searched once per keyword.
#include "analysis/scan_reference.h"

#include "runtime/codepage.h"

namespace quillon {

bool IsCommentLine(const std::string& line) {
  const auto first = line.find_first_not_of(' ');
  return first != std::string::npos && line[first] == '\'';
}

void ScanReference(const std::vector<std::string>& keywords, TextInput& source, LineCounts& counts,
                   std::vector<int32_t>& hits) {
  std::vector<std::string> folded;
  for (const auto& keyword : keywords) folded.push_back(FoldCase(keyword));
  while (!source.AtEnd()) {
    const std::string line = source.ReadLine();
    if (IsCommentLine(line)) {
      AddOne(counts.comment);
      continue;
    }
    AddOne(counts.non_comment);
    if (line.empty()) continue;
    const std::string folded_line = FoldCase(line);
    for (size_t k = 0; k < folded.size(); ++k) {
      if (folded_line.find(folded[k]) != std::string::npos) AddOne(hits[k]);
    }
  }
}

}  // namespace quillon
