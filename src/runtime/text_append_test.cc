// Appending: after the last byte already there, CR LF line ends, and failures.
#include "runtime/text_append.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "runtime/run_error.h"
#include "testing/temp_dir.h"

namespace quillon {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

TEST(AppendFileTest, AppendsAfterTheLastByteEvenWithoutALineEnd) {
  TempDir dir;
  WriteFile(dir / "log.txt", "old");
  AppendFile log(dir / "log.txt");
  log.WriteLine("one");
  log.WriteLine("");
  log.Close();
  EXPECT_EQ(ReadFile(dir / "log.txt"), "oldone\r\n\r\n");
}

TEST(AppendFileTest, CreatesAMissingFile) {
  TempDir dir;
  AppendFile log(dir / "new.txt");
  log.WriteLine("\xE9");
  log.Close();
  EXPECT_EQ(ReadFile(dir / "new.txt"), "\xE9\r\n");
}

TEST(AppendFileTest, LinesBufferedWhenAFailureEndsTheCallStillReachTheFile) {
  TempDir dir;
  {
    AppendFile log(dir / "log.txt");
    log.WriteLine("header");
  }
  EXPECT_EQ(ReadFile(dir / "log.txt"), "header\r\n");
}

int OpenError(const std::string& path) {
  try {
    AppendFile log(path);
  } catch (const RuntimeError& e) {
    return e.number();
  }
  return 0;
}

TEST(AppendFileTest, OpenFailuresCreateNothing) {
  TempDir dir;
  EXPECT_EQ(OpenError(dir / "missing/log.txt"), kErrPathNotFound);
  EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
  EXPECT_EQ(OpenError(dir.path().string()), kErrPathFileAccess);
  EXPECT_EQ(OpenError(""), kErrBadFileName);
}

TEST(AppendFileTest, AFullDiskRaisesDiskFull) {
  AppendFile log("/dev/full");
  log.WriteLine("line");
  try {
    log.Close();
    FAIL() << "no error";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), kErrDiskFull);
    EXPECT_EQ(e.description(), "Disk full");
  }
}

}  // namespace
}  // namespace quillon
