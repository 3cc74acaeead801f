// Small text helpers for the key = value lines of project and source file headers.
#pragma once

#include <string_view>

namespace quillon {

// `text` without the blanks and tabs around it.
inline std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// `text` without the double quotes around it, where it has them.
inline std::string_view Unquote(std::string_view text) {
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') return text.substr(1, text.size() - 2);
  return text;
}

}  // namespace quillon
