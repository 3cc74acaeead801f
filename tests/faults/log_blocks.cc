// The report block's shape, read line by line.
#include "log_blocks.h"

#include <optional>

namespace quillon::faults {
namespace {

constexpr std::string_view kStarted = " started at : ";
constexpr std::string_view kCompleted = "Analysis completed at: ";

// "hh:mm:ss on <date>" with digits where the time has them.
bool IsStamp(std::string_view text) {
  if (text.size() < 13 || text.substr(8, 4) != " on " || text[2] != ':' || text[5] != ':') return false;
  for (const size_t i : {0, 1, 3, 4, 6, 7}) {
    if (text[i] < '0' || text[i] > '9') return false;
  }
  return true;
}

class LineReader {
 public:
  explicit LineReader(std::string_view text) : text_(text) {}
  bool AtEnd() const { return pos_ == text_.size(); }
  size_t Position() const { return pos_; }
  // The next CR LF ended line, or nothing when the text holds no further whole line.
  std::optional<std::string_view> Next() {
    const size_t end = text_.find("\r\n", pos_);
    if (end == std::string_view::npos) return std::nullopt;
    const std::string_view line = text_.substr(pos_, end - pos_);
    pos_ = end + 2;
    return line;
  }

 private:
  std::string_view text_;
  size_t pos_ = 0;
};

bool Underlines(std::optional<std::string_view> dashes, std::string_view line) {
  return dashes && *dashes == std::string(line.size(), '-');
}

// One whole block from the reader's position, or nothing when what stands there is none.
std::optional<LogBlock> ReadBlock(LineReader& reader) {
  const auto header = reader.Next();
  if (!header || header->rfind("Analysis of ", 0) != 0) return std::nullopt;
  const size_t started = header->rfind(kStarted);
  if (started == std::string_view::npos || !IsStamp(header->substr(started + kStarted.size()))) return std::nullopt;
  if (!Underlines(reader.Next(), *header) || reader.Next() != std::string_view()) return std::nullopt;
  LogBlock block{std::string(header->substr(12, started - 12)), {}};
  for (;;) {
    const auto line = reader.Next();
    if (!line) return std::nullopt;
    if (line->rfind(kCompleted, 0) == 0 && IsStamp(line->substr(kCompleted.size()))) {
      if (!Underlines(reader.Next(), *line)) return std::nullopt;
      if (reader.Next() != std::string_view() || reader.Next() != std::string_view()) return std::nullopt;
      return block;
    }
    block.lines.emplace_back(*line);
  }
}

std::string Zoned(const std::string& first, const std::string& second) {
  return first + std::string(14 - first.size() % 14, ' ') + second;
}

}  // namespace

ParsedLog ParseLog(std::string_view log) {
  ParsedLog parsed;
  LineReader reader(log);
  while (!reader.AtEnd()) {
    const size_t start = reader.Position();
    auto block = ReadBlock(reader);
    if (!block) {
      parsed.broken_rest = std::string(log.substr(start));
      break;
    }
    parsed.blocks.push_back(std::move(*block));
  }
  return parsed;
}

std::vector<std::string> BlockLines(int non_comment, int comment, const std::vector<std::string>& rows) {
  std::vector<std::string> lines{Zoned("Non comment lines:", std::to_string(non_comment)),
                                 Zoned("Comment lines:", std::to_string(comment)),
                                 "",
                                 "",
                                 "KEYWORD       COUNT",
                                 "-------       -----"};
  lines.insert(lines.end(), rows.begin(), rows.end());
  lines.insert(lines.end(), {"", ""});
  return lines;
}

std::string Row(const std::string& keyword, int count) { return Zoned(keyword + ":", std::to_string(count)); }

std::string HeaderStart(const std::string& subject) { return "Analysis of " + subject + std::string(kStarted); }

}  // namespace quillon::faults
