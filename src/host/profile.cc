// The private-profile functions over the INI text layer and the locked file store.
#include "host/profile.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <string>
#include <string_view>

#include "host/profile_store.h"
#include "host/profile_text.h"
#include "host/windows_dir.h"
#include "runtime/run_error.h"
#include "runtime/win_path.h"

namespace quillon {
namespace {

std::string ProfilePath(std::string_view file) {
  if (file.empty()) throw RuntimeError(kErrBadFileName);
  if (file.find_first_of("/\\") != std::string_view::npos) return MapWindowsPath(file);
  return WindowsDirectory() + "/" + std::string(file);
}

uint32_t CopyOut(std::string_view text, char* buffer, uint32_t size) {
  const size_t count = std::min<size_t>(text.size(), size - 1);
  std::memcpy(buffer, text.data(), count);
  buffer[count] = '\0';
  return static_cast<uint32_t>(count);
}

// True for a string that can stand on one line of the file.
bool IsOneLine(const char* text) { return text != nullptr && std::strpbrk(text, "\r\n") == nullptr; }

}  // namespace

uint32_t GetPrivateProfileStringA(const char* section, const char* key, const char* default_value,
                                  char* buffer, uint32_t size, const char* file) {
  if (buffer == nullptr || size == 0) return 0;
  if (section == nullptr || key == nullptr || file == nullptr) return CopyOut("", buffer, size);
  try {
    const auto text = ReadSharedFile(ProfilePath(file));
    if (text) {
      if (const auto value = FindProfileValue(*text, section, key)) return CopyOut(*value, buffer, size);
    }
  } catch (const std::exception&) {
    // A file that cannot be read counts as missing, as it does on Windows.
  }
  return CopyOut(default_value != nullptr ? default_value : "", buffer, size);
}

int32_t WritePrivateProfileStringA(const char* section, const char* key, const char* value,
                                   const char* file) {
  if (!IsOneLine(section) || !IsOneLine(key) || !IsOneLine(value) || file == nullptr) return 0;
  try {
    EditSharedFile(ProfilePath(file), [&](std::string_view text) {
      return SetProfileValue(text, section, key, value);
    });
    return 1;
  } catch (const std::exception&) {
    return 0;
  }
}

}  // namespace quillon
