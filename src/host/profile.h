// The private-profile (INI file) functions of Windows' Kernel32, with 8-bit strings.
// A bare file name lies in the Windows directory (host/windows_dir.h); a name with a
// slash or backslash is a path (Windows-form paths are mapped). Neither function raises.
#pragma once

#include <cstdint>

namespace quillon {

// Copies the value of `key` in `section` of `file` into `buffer`, or `default_value`
// ("" when null) when the file, the section or the key is missing or the file cannot
// be read. The text is cut to size - 1 characters and always NUL-terminated; returns
// the number of characters placed, without the NUL (0 when size is 0). Listing
// sections or keys (a null section or key) is not offered: such a call places "".
uint32_t GetPrivateProfileStringA(const char* section, const char* key, const char* default_value,
                                  char* buffer, uint32_t size, const char* file);

// Sets `key` in `section` of `file` to `value`, creating the file, the section or the
// key as needed and changing nothing else in the file. Returns nonzero on success; on
// failure returns 0 and the file is as it was. Deleting (a null key or value) is not
// offered, nor are names or values holding a line end: such a call returns 0.
int32_t WritePrivateProfileStringA(const char* section, const char* key, const char* value,
                                   const char* file);

}  // namespace quillon
