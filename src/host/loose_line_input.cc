// Splits the CR / CR LF lines of TextInput further at each LF, piece by piece, so that
// memory stays bounded however long a line is.
#include "host/loose_line_input.h"

#include <algorithm>

namespace quillon {
namespace {

void AppendCapped(std::string* line, std::string_view text) {
  const size_t room = LooseLineInput::kMaxLine - std::min(line->size(), LooseLineInput::kMaxLine);
  line->append(text.substr(0, std::min(room, text.size())));
}

}  // namespace

LooseLineInput::LooseLineInput(const std::string& path) : input_(path) {}

void LooseLineInput::SkipEmptyPieces() {
  while (rest_.empty() && !line_ended_) rest_ = input_.ReadPiece(&line_ended_);
}

bool LooseLineInput::Next(std::string* line) {
  line->clear();
  if (!in_line_) {
    if (input_.AtEnd()) return false;
    rest_ = input_.ReadPiece(&line_ended_);
    in_line_ = true;
  }
  for (;;) {
    const size_t lf = rest_.find('\n');
    if (lf != std::string_view::npos) {
      AppendCapped(line, rest_.substr(0, lf));
      rest_.remove_prefix(lf + 1);
      // A trailing LF ends the last line; it starts no empty one.
      SkipEmptyPieces();
      if (rest_.empty()) in_line_ = false;
      return true;
    }
    AppendCapped(line, rest_);
    rest_ = {};
    if (line_ended_) {
      in_line_ = false;
      return true;
    }
    rest_ = input_.ReadPiece(&line_ended_);
  }
}

}  // namespace quillon
