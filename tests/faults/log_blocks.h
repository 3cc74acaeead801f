// Reads a log back into the report blocks it holds, checking that each one is whole:
// header and underline, the counts and keyword table, footer and underline, the two
// empty lines, every line ended by CR LF.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillon::faults {

struct LogBlock {
  std::string subject;             // "Name, path" from the header line
  std::vector<std::string> lines;  // the lines between the header's empty line and the footer
};

struct ParsedLog {
  std::vector<LogBlock> blocks;
  // What follows the last whole block when it is not one: empty for a log of whole
  // blocks only; otherwise the bytes from where the first broken block begins.
  std::string broken_rest;
};

// Splits `log` (without any text that stood before the blocks) into whole blocks.
ParsedLog ParseLog(std::string_view log);

// The lines of a block's middle for these counts and keyword rows ("CVDate(:      2").
std::vector<std::string> BlockLines(int non_comment, int comment, const std::vector<std::string>& rows);

// A keyword row: the keyword, ":", blanks to the next 14-column zone, the count.
std::string Row(const std::string& keyword, int count);

// Lines 1 to 3 of a block with the time stamp left out: "Analysis of <subject> started at : ".
std::string HeaderStart(const std::string& subject);

}  // namespace quillon::faults
