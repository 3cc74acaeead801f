// The text of an INI file: looking up a key's value, and setting one so that every
// other byte of the text (comments, spacing, line ends) stays exactly as it was.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillon {

// The value of `key` in the first section named `section`, with the blanks around it
// removed; nothing when that section or key is missing. Names match without regard
// to case and with blanks around them ignored; the first matching key wins. Lines end
// at CR LF, CR or LF; lines starting with ';' and lines without '=' are no entries.
std::optional<std::string_view> FindProfileValue(std::string_view text, std::string_view section,
                                                 std::string_view key);

// `text` with `key` in `section` set to `value`. An existing key has only its value
// replaced. A missing key becomes a line after the section's last entry (or after
// its header when it has none); a missing section is appended at the end with the
// key. New lines end the way the text's first line does (CR LF when it has none).
std::string SetProfileValue(std::string_view text, std::string_view section, std::string_view key,
                            std::string_view value);

}  // namespace quillon
