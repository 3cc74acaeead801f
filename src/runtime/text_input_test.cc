// Line reading: where lines end, what the end-of-file test says, and open failures.
#include "runtime/text_input.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <vector>

#include "runtime/run_error.h"
#include "testing/temp_dir.h"

namespace quillon {
namespace {

using testing::TempDir;
using testing::WriteFile;

std::vector<std::string> ReadAllLines(const std::string& path) {
  TextInput in(path);
  std::vector<std::string> lines;
  while (!in.AtEnd()) lines.push_back(in.ReadLine());
  in.Close();
  return lines;
}

struct LineCase {
  std::string bytes;
  std::vector<std::string> lines;
};

TEST(TextInputTest, LinesEndAtCrOrCrLfButNotAtALoneLf) {
  const std::vector<LineCase> cases = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\n", {"a"}},
      {"a\r", {"a"}},
      {"a\r\nb", {"a", "b"}},
      {"a\rb\r\n", {"a", "b"}},
      {"a\nb\n", {"a\nb\n"}},
      {"\r\n\r\n", {"", ""}},
      {"a\r\r\nb", {"a", "", "b"}},
      {"\n\r\n", {"\n"}},
      {std::string("x\0y\r\n", 5), {std::string("x\0y", 3)}},
      {"\xE9t\xE9\r\n", {"\xE9t\xE9"}},
  };
  TempDir dir;
  for (const auto& c : cases) {
    WriteFile(dir / "f.txt", c.bytes);
    EXPECT_EQ(ReadAllLines(dir / "f.txt"), c.lines) << "bytes: " << c.bytes;
  }
}

TEST(TextInputTest, CrLfSplitAcrossBlocksIsOneTerminator) {
  TempDir dir;
  const size_t block = TextInput::kBlockSize;
  std::string bytes(block - 1, 'a');
  bytes += "\r\nb\r";
  WriteFile(dir / "f.txt", bytes);
  const auto lines = ReadAllLines(dir / "f.txt");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].size(), block - 1);
  EXPECT_EQ(lines[1], "b");
}

TEST(TextInputTest, LongLineComesInPiecesNoLargerThanABlock) {
  TempDir dir;
  const size_t length = TextInput::kBlockSize * 3 + 17;
  WriteFile(dir / "f.txt", std::string(length, 'x') + "\r\nend");
  TextInput in(dir / "f.txt");
  size_t total = 0;
  bool ended = false;
  while (!ended) {
    const auto piece = in.ReadPiece(&ended);
    EXPECT_LE(piece.size(), TextInput::kBlockSize);
    total += piece.size();
  }
  EXPECT_EQ(total, length);
  EXPECT_EQ(in.ReadLine(), "end");
  EXPECT_TRUE(in.AtEnd());
}

TEST(TextInputTest, ReadingPastTheEndRaisesInputPastEnd) {
  TempDir dir;
  WriteFile(dir / "f.txt", "only\r\n");
  TextInput in(dir / "f.txt");
  in.ReadLine();
  try {
    in.ReadLine();
    FAIL() << "no error";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), kErrInputPastEnd);
  }
}

TEST(TextInputTest, RawBlocksResumeAfterTheLineReadAndItsLineFeed) {
  TempDir dir;
  WriteFile(dir / "f.txt", "a\r\nbc\nd\r");
  TextInput in(dir / "f.txt", 3);
  EXPECT_EQ(in.ReadLine(), "a");
  std::string rest;
  for (std::string_view bytes; !(bytes = in.ReadBytes()).empty();) {
    EXPECT_LE(bytes.size(), 3u);
    rest += bytes;
  }
  EXPECT_EQ(rest, "bc\nd\r");
  EXPECT_TRUE(in.AtEnd());
}

int OpenError(const std::string& path) {
  try {
    TextInput in(path);
  } catch (const RuntimeError& e) {
    return e.number();
  }
  return 0;
}

TEST(TextInputTest, OpenFailuresGiveTheirRunTimeErrors) {
  TempDir dir;
  ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0600), 0);
  EXPECT_EQ(OpenError(dir / "missing.txt"), kErrFileNotFound);
  EXPECT_EQ(OpenError(dir / "no/such/folder.txt"), kErrPathNotFound);
  EXPECT_EQ(OpenError(dir.path().string()), kErrPathFileAccess);
  EXPECT_EQ(OpenError(dir / "fifo"), kErrPathFileAccess);  // and does not hang
  EXPECT_EQ(OpenError(""), kErrBadFileName);
}

}  // namespace
}  // namespace quillon
