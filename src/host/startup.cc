// Registration of the add-in class in VB.INI's add-in list at every start.
#include "host/startup.h"

#include <cstdint>
#include <string_view>

#include "host/profile.h"

namespace quillon {

void AddInStartup() {
  const char* const section = "Add-Ins32";
  // Twelve NUL characters with the size 13 passed: 13 bytes, so that a value cut to
  // 12 characters still has room for its terminating NUL.
  char buffer[13] = {};
  const int16_t count = static_cast<int16_t>(
      GetPrivateProfileStringA(section, "Quillon.QlnClass", "NotFound", buffer, sizeof buffer, "VB.INI"));
  const std::string_view value(buffer, count > 0 ? static_cast<size_t>(count) : 0);
  // Getting the default back means the entry is missing. The comparison heeds case:
  // only a stored value differing from the default in case alone ("notfound") would
  // tell, and such a value is an entry somebody wrote, to be left alone like any other.
  if (value == "NotFound") {
    // A failed write goes unnoticed; the entry is still missing and the next start tries again.
    WritePrivateProfileStringA(section, "Quillon.QlnClass", "0", "VB.INI");
  }
}

}  // namespace quillon
