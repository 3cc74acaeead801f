// Line-by-line parsing of INI text into sections and entries, and the one-line edits
// that set a value.
#include "host/profile_text.h"

#include "runtime/codepage.h"

namespace quillon {
namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view Trim(std::string_view s) {
  const size_t first = s.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return s.substr(s.size());
  return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

// One line: its text is [begin, end), its line end [end, next).
struct Line {
  size_t begin = 0;
  size_t end = 0;
  size_t next = 0;
};

Line LineAt(std::string_view text, size_t begin) {
  const size_t end = text.find_first_of("\r\n", begin);
  if (end == std::string_view::npos) return {begin, text.size(), text.size()};
  size_t next = end + 1;
  if (text[end] == '\r' && next < text.size() && text[next] == '\n') ++next;
  return {begin, end, next};
}

// The name between the brackets of a section header line, or nothing for other lines.
std::optional<std::string_view> SectionName(std::string_view line) {
  std::string_view name = Trim(line);
  if (name.empty() || name.front() != '[') return std::nullopt;
  name.remove_prefix(1);
  return Trim(name.substr(0, name.find(']')));
}

// An entry line: its key, and where its value (without the blanks around it) lies in the text.
struct Entry {
  std::string_view key;
  size_t value_begin = 0;
  size_t value_end = 0;
};

std::optional<Entry> EntryOf(std::string_view text, const Line& line) {
  const std::string_view content = text.substr(line.begin, line.end - line.begin);
  const std::string_view trimmed = Trim(content);
  const size_t equals = content.find('=');
  if (trimmed.empty() || trimmed.front() == ';' || equals == std::string_view::npos) return std::nullopt;
  const std::string_view value = Trim(content.substr(equals + 1));
  const size_t value_begin = static_cast<size_t>(value.data() - text.data());
  return Entry{Trim(content.substr(0, equals)), value_begin, value_begin + value.size()};
}

// Where a key is, or would go, in the text.
struct Place {
  bool section_found = false;
  Line last;  // the section's last entry line before the key, or its header
  std::optional<Entry> entry;
};

Place Locate(std::string_view text, std::string_view section, std::string_view key) {
  section = Trim(section);
  key = Trim(key);
  Place place;
  bool inside = false;
  for (size_t begin = 0; begin < text.size();) {
    const Line line = LineAt(text, begin);
    begin = line.next;
    if (const auto name = SectionName(text.substr(line.begin, line.end - line.begin))) {
      if (inside) break;  // only the first section of that name counts
      inside = EqualsIgnoreCase(*name, section);
      if (inside) {
        place.section_found = true;
        place.last = line;
      }
      continue;
    }
    if (!inside) continue;
    const auto entry = EntryOf(text, line);
    if (!entry) continue;
    place.last = line;
    if (EqualsIgnoreCase(entry->key, key)) {
      place.entry = entry;
      break;
    }
  }
  return place;
}

std::string_view LineEndStyle(std::string_view text) {
  const size_t end = text.find_first_of("\r\n");
  if (end == std::string_view::npos) return "\r\n";
  if (text[end] == '\n') return "\n";
  return text.substr(end, 2) == "\r\n" ? "\r\n" : "\r";
}

}  // namespace

std::optional<std::string_view> FindProfileValue(std::string_view text, std::string_view section,
                                                 std::string_view key) {
  const Place place = Locate(text, section, key);
  if (!place.entry) return std::nullopt;
  return text.substr(place.entry->value_begin, place.entry->value_end - place.entry->value_begin);
}

std::string SetProfileValue(std::string_view text, std::string_view section, std::string_view key,
                            std::string_view value) {
  const Place place = Locate(text, section, key);
  std::string result(text);
  if (place.entry) {
    return result.replace(place.entry->value_begin, place.entry->value_end - place.entry->value_begin,
                          value);
  }
  const std::string eol(LineEndStyle(text));
  const std::string entry = std::string(Trim(key)) + "=" + std::string(value);
  if (place.section_found) {
    const Line& last = place.last;
    // The last line of a text without a final line end keeps it that way.
    result.insert(last.next, last.next == last.end ? eol + entry : entry + eol);
    return result;
  }
  if (!text.empty() && text.back() != '\r' && text.back() != '\n') result += eol;
  return result + "[" + std::string(Trim(section)) + "]" + eol + entry + eol;
}

}  // namespace quillon
