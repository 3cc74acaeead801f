// The straightforward scan, kept as the reference that the one-pass scan is checked
// and measured against: each line read whole, folded, and searched once per keyword.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "analysis/source_scan.h"
#include "runtime/text_input.h"

namespace quillon {

// True for a comment line: its first character after leading blanks (spaces only) is '.
bool IsCommentLine(const std::string& line);

// Counts as KeywordScanner::Scan does, for the table `keywords`.
void ScanReference(const std::vector<std::string>& keywords, TextInput& source, LineCounts& counts,
                   std::vector<int32_t>& hits);

}  // namespace quillon
