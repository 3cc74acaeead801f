// Tests for reading lines that end at CR, CR LF or a lone LF.
#include "host/loose_line_input.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/fixture_folder_test_util.h"
#include "runtime/run_error.h"

namespace quillon {
namespace {

std::vector<std::string> ReadAll(const std::string& path) {
  LooseLineInput input(path);
  std::vector<std::string> lines;
  std::string line;
  while (input.Next(&line)) lines.push_back(line);
  return lines;
}

TEST(LooseLineInputTest, EveryLineEndGivesTheSameLines) {
  struct Case {
    const char* label;
    std::string bytes;
    std::vector<std::string> lines;
  };
  const std::vector<Case> cases = {
      {"CR LF", "a\r\nb\r\n\r\nc\r\n", {"a", "b", "", "c"}},
      {"LF", "a\nb\n\nc\n", {"a", "b", "", "c"}},
      {"CR", "a\rb\r\rc\r", {"a", "b", "", "c"}},
      {"mixed", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
      {"no final terminator", "a\nb", {"a", "b"}},
      {"LF CR", "a\n\rb", {"a", "b"}},
      {"only LF", "\n", {""}},
      {"empty", "", {}},
  };
  FixtureFolder folder;
  for (const auto& c : cases) {
    EXPECT_EQ(ReadAll(folder.Write("f.txt", c.bytes)), c.lines) << c.label;
  }
}

TEST(LooseLineInputTest, LongLinesAreCutAndTheLinesAfterThemStillRead) {
  FixtureFolder folder;
  const std::string huge(TextInput::kBlockSize * 3, 'x');
  std::string many;
  for (int i = 0; i < 100000; ++i) many += "line" + std::to_string(i) + "\n";
  const auto lines = ReadAll(folder.Write("f.txt", "first\r\n" + huge + "\nafter\r\n" + many));
  ASSERT_EQ(lines.size(), 100003u);
  EXPECT_EQ(lines[1], std::string(LooseLineInput::kMaxLine, 'x'));
  EXPECT_EQ(lines[2], "after");
  EXPECT_EQ(lines[3], "line0");
  EXPECT_EQ(lines.back(), "line99999");
}

TEST(LooseLineInputTest, MissingFileRaisesFileNotFound) {
  FixtureFolder folder;
  try {
    LooseLineInput input(folder / "none.txt");
    FAIL() << "opened a missing file";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.number(), kErrFileNotFound);
  }
}

}  // namespace
}  // namespace quillon
