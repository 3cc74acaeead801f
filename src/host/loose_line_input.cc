// Splits the CR / CR LF lines of TextInput further at each LF it leaves inside a line.
#include "host/loose_line_input.h"

namespace quillon {

LooseLineInput::LooseLineInput(const std::string& path) : input_(path) {}

bool LooseLineInput::Next(std::string* line) {
  if (pending_.empty()) {
    if (input_.AtEnd()) return false;
    const std::string text = input_.ReadLine();
    size_t start = 0;
    for (size_t lf = text.find('\n'); lf != std::string::npos; lf = text.find('\n', start)) {
      pending_.push_back(text.substr(start, lf - start));
      start = lf + 1;
    }
    // A trailing LF ends the last line; it starts no empty one.
    if (start < text.size() || pending_.empty()) pending_.push_back(text.substr(start));
  }
  *line = std::move(pending_.front());
  pending_.pop_front();
  return true;
}

}  // namespace quillon
