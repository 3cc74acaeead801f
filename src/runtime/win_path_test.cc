// Windows-form paths mapped onto this system.
#include "runtime/win_path.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include "runtime/run_error.h"

namespace quillon {
namespace {

TEST(WinPathTest, MapsDrivesAndBackslashes) {
  setenv("QUILLON_DRIVE_C", "/srv/c/", 1);
  setenv("QUILLON_DRIVE_R", "/", 1);
  const std::pair<std::string, std::string> cases[] = {
      {"C:\\TEMP\\LOG.TXT", "/srv/c/TEMP/LOG.TXT"},
      {"c:\\temp\\log.txt", "/srv/c/temp/log.txt"},
      {"C:LOG.TXT", "/srv/c/LOG.TXT"},
      {"C:", "/srv/c"},
      {"R:\\x", "/x"},
      {"..\\Forms\\Main.frm", "../Forms/Main.frm"},
      {"/home/u/log.txt", "/home/u/log.txt"},
      {"log.txt", "log.txt"},
      {"", ""},
  };
  for (const auto& [windows, mapped] : cases) EXPECT_EQ(MapWindowsPath(windows), mapped) << windows;
}

TEST(WinPathTest, UnmappedDriveAndUncPathsAreNotFound) {
  unsetenv("QUILLON_DRIVE_Q");
  for (const char* path : {"Q:\\x.bas", "\\\\server\\share\\x.bas"}) {
    try {
      MapWindowsPath(path);
      ADD_FAILURE() << path;
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.number(), kErrPathNotFound) << path;
      EXPECT_EQ(e.description(), "Path not found");
    }
  }
}

}  // namespace
}  // namespace quillon
