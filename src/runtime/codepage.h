// The Windows-1252 code page: the letter-case folding that "without regard to case"
// means for source text, and conversion to and from UTF-8 for display and file names.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quillon {

// Maps every byte to its lower-case form: ASCII A-Z, the accented capitals
// À-Þ except ×, and Š Œ Ž Ÿ. Every other byte maps to itself.
const std::array<unsigned char, 256>& CaseFoldTable();

inline unsigned char FoldCase(unsigned char c) { return CaseFoldTable()[c]; }

// `text` with every byte folded.
std::string FoldCase(std::string_view text);

// Compares two Windows-1252 texts without regard to letter case.
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// Windows-1252 bytes as UTF-8. The five bytes Windows leaves undefined become
// the C1 control characters of the same value, as Windows itself converts them.
std::string Cp1252ToUtf8(std::string_view text);

// UTF-8 text as Windows-1252, or nothing when it is not valid UTF-8 or holds a
// character the code page lacks.
std::optional<std::string> Utf8ToCp1252(std::string_view text);

}  // namespace quillon
