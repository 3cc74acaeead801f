// Fuzzes the INI reader and writer: setting a key in any INI text must read back as the
// value written, keep the value of every other entry, and change no byte outside the
// one value or the one inserted line; the file functions must do the same on disk.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fuzz_support.h"
#include "host/profile.h"
#include "host/profile_text.h"
#include "runtime/codepage.h"

namespace quillon::fuzz {
namespace {

std::string_view Trim(std::string_view s) {
  const size_t first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

// Every section and key that an entry line of `text` names, in file order.
std::vector<std::pair<std::string, std::string>> EntryNames(std::string_view text) {
  std::vector<std::pair<std::string, std::string>> names;
  std::string section;
  bool in_section = false;
  for (size_t start = 0; start < text.size();) {
    const size_t end = std::min(text.find_first_of("\r\n", start), text.size());
    const std::string_view line = Trim(text.substr(start, end - start));
    start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    if (!line.empty() && line.front() == '[') {
      const size_t close = line.find(']');
      section = std::string(Trim(line.substr(1, close == std::string_view::npos ? close : close - 1)));
      in_section = true;
    } else if (in_section && !line.empty() && line.front() != ';' && line.find('=') != line.npos) {
      names.emplace_back(section, std::string(Trim(line.substr(0, line.find('=')))));
    }
  }
  return names;
}

// Names and a value that the INI syntax can hold as written: one line, no NUL, a
// section without "]", a key without "=" that no reader takes for a comment or a
// section header, and a value without blanks around it (a read drops those).
bool WellFormed(std::string_view section, std::string_view key, std::string_view value) {
  for (const auto text : {section, key, value}) {
    if (text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) return false;
  }
  const std::string_view trimmed_key = Trim(key);
  return section.find(']') == std::string_view::npos && key.find('=') == std::string_view::npos &&
         (trimmed_key.empty() || (trimmed_key.front() != ';' && trimmed_key.front() != '[')) &&
         Trim(value).size() == value.size();
}

bool SameName(std::string_view a, std::string_view b) { return EqualsIgnoreCase(Trim(a), Trim(b)); }

// The stretch of `before` that `after` does not keep: [prefix, before.size() - suffix).
std::pair<size_t, size_t> ChangedStretch(std::string_view before, std::string_view after) {
  const size_t limit = std::min(before.size(), after.size());
  size_t prefix = 0;
  while (prefix < limit && before[prefix] == after[prefix]) ++prefix;
  size_t suffix = 0;
  while (suffix < limit - prefix && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) ++suffix;
  return {prefix, before.size() - suffix};
}

void CheckTextEdit(std::string_view text, const std::string& section, const std::string& key,
                   const std::string& value) {
  const std::optional<std::string_view> old_value = FindProfileValue(text, section, key);
  const std::string after = SetProfileValue(text, section, key, value);
  Check(FindProfileValue(after, section, key) == std::optional<std::string_view>(value),
        "the value written does not read back");
  for (const auto& [other_section, other_key] : EntryNames(text)) {
    if (SameName(other_section, section) && SameName(other_key, key)) continue;
    Check(FindProfileValue(text, other_section, other_key) == FindProfileValue(after, other_section, other_key),
          "another entry changed its value");
  }
  const auto [begin, end] = ChangedStretch(text, after);
  // A new key only inserts; an existing one loses at most its old value's bytes.
  Check(end - begin <= (old_value ? old_value->size() : 0), "bytes outside the entry changed");
}

void CheckFileFunctions(std::string_view text, const std::string& section, const std::string& key,
                        const std::string& value, uint32_t size) {
  const auto& scratch = ScratchFolder::Get();
  PutFile(scratch / "VB.INI", text);
  std::vector<char> buffer(size + 1, 'x');
  const uint32_t count =
      GetPrivateProfileStringA(section.c_str(), key.c_str(), "NotFound", buffer.data(), size, "VB.INI");
  const std::string_view expected = FindProfileValue(text, section, key).value_or("NotFound");
  if (size == 0) {
    Check(count == 0 && buffer[0] == 'x', "a read into no room placed something");
  } else {
    Check(count == std::min<size_t>(expected.size(), size - 1), "the read returned the wrong count");
    Check(std::string_view(buffer.data(), count) == expected.substr(0, count) && buffer[count] == '\0',
          "the read placed the wrong text");
  }
  Check(WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), "VB.INI") != 0,
        "a well-formed write failed");
  Check(TakeFile(scratch / "VB.INI") == SetProfileValue(text, section, key, value),
        "the file differs from the edited text");
  for (const auto& entry : std::filesystem::directory_iterator(scratch.path())) {
    const std::string name = entry.path().filename().string();
    Check(name == "VB.INI" || name == "VB.INI.lock", "a write left a file behind");
  }
}

void Run(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string section = input.ConsumeRandomLengthString(16);
  const std::string key = input.ConsumeRandomLengthString(16);
  const std::string value = input.ConsumeRandomLengthString(16);
  const uint32_t buffer_size = input.ConsumeIntegralInRange<uint32_t>(0, 24);
  const std::string text = input.ConsumeRemainingBytesAsString();
  if (!WellFormed(section, key, value)) {
    // Only robustness is asked of names the syntax cannot hold.
    SetProfileValue(text, section, key, value);
    FindProfileValue(text, section, key);
    return;
  }
  CheckTextEdit(text, section, key, value);
  CheckFileFunctions(text, section, key, value, buffer_size);
}

}  // namespace
}  // namespace quillon::fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The Windows directory, where "VB.INI" is looked for, is the scratch folder.
  setenv("WINDIR", quillon::fuzz::ScratchFolder::Get().path().c_str(), 1);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  quillon::fuzz::Run(data, size);
  return 0;
}
