// Component names: from the project line, or from the header a source file starts with
// (VERSION, the Begin ... End description of a form or class, then its Attribute lines).
#include "host/component_name.h"

#include "host/line_text.h"
#include "host/loose_line_input.h"
#include "runtime/codepage.h"
#include "runtime/run_error.h"

namespace quillon {
namespace {

// Whether `text` starts with the word `word`, without regard to case.
bool StartsWithWord(std::string_view text, std::string_view word) {
  if (text.size() < word.size() || !EqualsIgnoreCase(text.substr(0, word.size()), word)) return false;
  return text.size() == word.size() || text[word.size()] == ' ' || text[word.size()] == '\t';
}

enum class HeaderLine { kTopLevel, kInBlock, kPastHeader };

// Follows the header a source file starts with; the header ends at the first line
// outside a Begin ... End block that is none of the header's own lines.
class Header {
 public:
  HeaderLine Next(std::string_view raw) {
    const auto line = TrimBlanks(raw);
    if (depth_ > 0) {
      if (EqualsIgnoreCase(line, "End")) --depth_;
      else if (StartsWithWord(line, "Begin")) ++depth_;
      return HeaderLine::kInBlock;
    }
    if (StartsWithWord(line, "Begin")) {
      ++depth_;
      return HeaderLine::kInBlock;
    }
    const bool header = line.empty() || StartsWithWord(line, "VERSION") ||
                        StartsWithWord(line, "Object") || StartsWithWord(line, "Attribute");
    return header ? HeaderLine::kTopLevel : HeaderLine::kPastHeader;
  }

 private:
  int depth_ = 0;
};

std::optional<std::string> NameFromHeader(const std::string& path) {
  LooseLineInput input(path);
  Header header;
  std::string line;
  while (input.Next(&line)) {
    const HeaderLine kind = header.Next(line);
    if (kind == HeaderLine::kPastHeader) break;
    if (kind != HeaderLine::kTopLevel) continue;
    if (auto name = VbNameAttribute(line)) return name;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> VbNameAttribute(std::string_view line) {
  auto text = TrimBlanks(line);
  if (!StartsWithWord(text, "Attribute")) return std::nullopt;
  text = TrimBlanks(text.substr(9));
  if (text.size() < 7 || !EqualsIgnoreCase(text.substr(0, 7), "VB_Name")) return std::nullopt;
  text = TrimBlanks(text.substr(7));
  if (text.empty() || text.front() != '=') return std::nullopt;
  return std::string(Unquote(TrimBlanks(text.substr(1))));
}

std::string ComponentName(const ProjectEntry& entry, const std::string& resolved_path) {
  if (!entry.name.empty()) return entry.name;
  try {
    if (auto name = NameFromHeader(resolved_path)) return *name;
  } catch (const RuntimeError&) {
    // Missing or unreadable: fall back to the name the path gives.
  }
  return BaseName(resolved_path);
}

}  // namespace quillon
