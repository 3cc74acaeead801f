// Error numbers and texts, the errno mapping, and the trap message.
#include "runtime/run_error.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "testing/temp_dir.h"

namespace quillon {
namespace {

TEST(RunErrorTest, MapsErrnoOntoRunTimeErrors) {
  const std::pair<int, int32_t> cases[] = {
      {EACCES, kErrPermissionDenied}, {EISDIR, kErrPathFileAccess}, {ENOSPC, kErrDiskFull},
      {EIO, kErrDeviceIO},            {ENOMEM, kErrOutOfMemory},    {EMFILE, kErrTooManyFiles},
      {ENOTDIR, kErrPathNotFound},    {EROFS, kErrPathFileAccess},
  };
  for (const auto& [err, number] : cases) EXPECT_EQ(ErrorFromErrno(err).number(), number) << err;
}

TEST(RunErrorTest, MissingFileOrMissingFolder) {
  testing::TempDir dir;
  EXPECT_EQ(ErrorFromErrno(ENOENT, dir / "x.bas").number(), kErrFileNotFound);
  EXPECT_EQ(ErrorFromErrno(ENOENT, dir / "nope/x.bas").number(), kErrPathNotFound);
}

TEST(RunErrorTest, PromptNamesProcedureNumberAndDescription) {
  EXPECT_EQ(ErrorPrompt("Analyse", RuntimeError(kErrFileNotFound)), "(Analyse), Error : 53, File not found");
  EXPECT_EQ(ErrorPrompt("AnalyseProject", RuntimeError(kErrSubscriptOutOfRange)),
            "(AnalyseProject), Error : 9, Subscript out of range");
  EXPECT_EQ(RuntimeError(kErrObjectNotSet).description(), "Object variable or With block variable not set");
}

}  // namespace
}  // namespace quillon
