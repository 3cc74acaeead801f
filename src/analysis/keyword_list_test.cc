// Reading keywords.txt: quotes dropped, one entry per line, and a failed read reported.
#include <gtest/gtest.h>

#include "analysis/date_analysis.h"
#include "testing/fakes.h"
#include "testing/temp_dir.h"

namespace quillon {
namespace {

using testing::TempDir;
using testing::WriteFile;

TEST(RemoveQuotesTest, DropsEveryDoubleQuoteAndNothingElse) {
  const std::pair<std::string, std::string> cases[] = {
      {"\"CVDate(\"", "CVDate("},
      {"CVDate(", "CVDate("},
      {"\" CVDate(\"", " CVDate("},
      {"\"Year", "Year"},
      {"\"Now\" 'remark", "Now 'remark"},
      {"a\"b\"c", "abc"},
      {"\"\"", ""},
      {"", ""},
      {"\t\"x\" ", "\tx "},
  };
  for (const auto& [line, keyword] : cases) EXPECT_EQ(strRemoveQuotes(line), keyword) << line;
}

class SetupKeywordsTest : public ::testing::Test {
 protected:
  DateAnalysis Make() {
    return DateAnalysis({messages, pump, clock, dir / "keywords.txt"});
  }
  TempDir dir;
  testing::RecordingMessages messages;
  testing::HookedPump pump;
  testing::FixedClock clock;
  testing::RecordingList list;
};

TEST_F(SetupKeywordsTest, OneEntryPerLineInFileOrder) {
  WriteFile(dir / "keywords.txt", "\"CVDate(\"\r\n\r\n\"year(\"\r\n\"CVDate(\"\r\nlast");
  DateAnalysis analysis = Make();
  analysis.SetupKeywords(list);
  EXPECT_TRUE(analysis.blnKeywordsLoaded);
  EXPECT_EQ(analysis.strKeywords, (std::vector<std::string>{"CVDate(", "", "year(", "CVDate(", "last"}));
  EXPECT_EQ(list.lines, std::vector<std::string>{"Reading date keywords from : " + dir / "keywords.txt"});
  EXPECT_EQ(list.refreshes, 1);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SetupKeywordsTest, LineFeedsAloneDoNotEndAKeyword) {
  WriteFile(dir / "keywords.txt", "\"a\"\n\"b\"\n");
  DateAnalysis analysis = Make();
  analysis.SetupKeywords(list);
  EXPECT_EQ(analysis.strKeywords, std::vector<std::string>{"a\nb\n"});
}

TEST_F(SetupKeywordsTest, AnEmptyFileIsLoadedWithNoEntries) {
  WriteFile(dir / "keywords.txt", "");
  DateAnalysis analysis = Make();
  analysis.SetupKeywords(list);
  EXPECT_TRUE(analysis.blnKeywordsLoaded);
  EXPECT_TRUE(analysis.strKeywords.empty());
}

TEST_F(SetupKeywordsTest, AMissingFileIsReportedAfterTheProgressLine) {
  DateAnalysis analysis = Make();
  analysis.SetupKeywords(list);
  EXPECT_FALSE(analysis.blnKeywordsLoaded);
  EXPECT_TRUE(analysis.strKeywords.empty());
  EXPECT_EQ(list.lines.size(), 1u);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].prompt, "(SetupKeywords), Error : 53, File not found");
  EXPECT_EQ(messages.shown[0].icon, MsgBoxIcon::kNone);
  EXPECT_EQ(messages.shown[0].title, "Quillon");
}

TEST_F(SetupKeywordsTest, AFolderInsteadOfAFileIsReported) {
  std::filesystem::create_directory(dir / "keywords.txt");
  DateAnalysis analysis = Make();
  analysis.SetupKeywords(list);
  EXPECT_FALSE(analysis.blnKeywordsLoaded);
  EXPECT_EQ(messages.Prompts(), std::vector<std::string>{"(SetupKeywords), Error : 75, Path/File access error"});
}

}  // namespace
}  // namespace quillon
