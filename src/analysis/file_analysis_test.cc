// The report block of one source file, byte for byte, and the failures of its analysis.
#include <gtest/gtest.h>

#include <filesystem>

#include "analysis/date_analysis.h"
#include "runtime/run_error.h"
#include "testing/fakes.h"
#include "testing/temp_dir.h"

namespace quillon {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

const char kStamp[] = "09:05:03 on Friday, December 11, 2026";

class AnalyseTest : public ::testing::Test {
 protected:
  AnalyseTest() : analysis({messages, pump, clock, dir / "keywords.txt"}) {}

  // Analyses `source` with `keywords` and returns what the log gained.
  std::string Report(const std::string& source, std::vector<std::string> keywords) {
    WriteFile(dir / "src.bas", source);
    analysis.strKeywords = std::move(keywords);
    analysis.Analyse(dir / "src.bas", "Src", dir / "log.txt");
    return ReadFile(dir / "log.txt");
  }

  TempDir dir;
  testing::RecordingMessages messages;
  testing::HookedPump pump;
  testing::FixedClock clock;
  DateAnalysis analysis;
};

TEST_F(AnalyseTest, WritesTheWholeBlockWithZoneSpacingAndUnderlines) {
  const std::string log = Report(
      "Dim d As Date\r\n"
      "d = CVDate(\"1/1/99\") ' CVDate( again, cvdate(\r\n"
      "   ' Year( only in a comment\r\n"
      "x = abcdefghijklm",
      {"CVDate(", "ABCDEFGHIJKL", "ABCDEFGHIJKLM", "Year("});
  const std::string header = "Analysis of Src, " + dir / "src.bas" + " started at : " + kStamp;
  const std::string footer = std::string("Analysis completed at: ") + kStamp;
  EXPECT_EQ(log, header + "\r\n" + std::string(header.size(), '-') + "\r\n" +
                     "\r\n"
                     "Non comment lines:          3\r\n"
                     "Comment lines:              1\r\n"
                     "\r\n"
                     "\r\n"
                     "KEYWORD       COUNT\r\n"
                     "-------       -----\r\n"
                     "CVDate(:      1\r\n"
                     "ABCDEFGHIJKL: 1\r\n"
                     "ABCDEFGHIJKLM:              1\r\n"
                     "\r\n"
                     "\r\n" +
                     footer + "\r\n" + std::string(footer.size(), '-') + "\r\n" + "\r\n" + "\r\n");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(AnalyseTest, AnEmptyFileGivesZeroCountsAndNoRows) {
  const std::string log = Report("", {"CVDate("});
  EXPECT_NE(log.find("\r\nNon comment lines:          0\r\nComment lines:              0\r\n"
                     "\r\n\r\nKEYWORD       COUNT\r\n-------       -----\r\n\r\n\r\nAnalysis completed at: "),
            std::string::npos)
      << log;
}

// The lines of the block between the "-------" row and the two empty lines after it.
std::vector<std::string> KeywordRows(const std::string& log) {
  std::vector<std::string> rows;
  size_t at = log.find("-------       -----\r\n") + 21;
  for (size_t end; (end = log.find("\r\n", at)) != at; at = end + 2) rows.push_back(log.substr(at, end - at));
  return rows;
}

std::string Counts(const std::string& log) {
  const size_t at = log.find("Non comment lines:");
  return log.substr(at, log.find("\r\n\r\n", at) - at);
}

struct LineRuleCase {
  const char* what;
  std::string source;
  std::vector<std::string> keywords;
  int non_comment;
  int comment;
  std::vector<std::string> rows;
};

TEST_F(AnalyseTest, CountsLinesAndKeywordsByTheLineRules) {
  const std::vector<LineRuleCase> cases = {
      {"last line without terminator", "a\r\nb", {"b"}, 2, 0, {"b:            1"}},
      {"terminator at the end adds no line", "a\r\nb\r\n", {"x"}, 2, 0, {}},
      {"CR alone ends a line", "a\rb\ra", {"a"}, 3, 0, {"a:            2"}},
      {"LF alone does not", "a\nb\nc\n", {"b"}, 1, 0, {"b:            1"}},
      {"spaces then apostrophe", "  ' Year(\r\n", {"Year("}, 0, 1, {}},
      {"tab then apostrophe", "\t' Year(\r\n", {"Year("}, 1, 0, {"Year(:        1"}},
      {"Rem is code", "Rem Year(\r\n", {"Year("}, 1, 0, {"Year(:        1"}},
      {"empty keyword: spaces yes, empty no", "\r\n   \r\n'c\r\n", {""}, 2, 1, {":             1"}},
      {"duplicate keywords", "x = Now\r\n", {"now", "NOW"}, 1, 0, {"now:          1", "NOW:          1"}},
      {"three times in a line adds one", "Year(Year(Year(\r\n", {"year("}, 1, 0, {"year(:        1"}},
      {"trailing comment counts", "x = 1 ' CVDate(\r\n", {"CVDate("}, 1, 0, {"CVDate(:      1"}},
      {"accented letters fold", "\xE9tat = 1\r\n", {"\xC9TAT"}, 1, 0, {"\xC9TAT:         1"}},
      {"multiplication sign does not fold", "\xF7\r\n", {"\xD7"}, 1, 0, {}},
      {"leading blank keyword", "x=CVDate(1)\r\nx = CVDate(2)\r\n", {" CVDate("}, 2, 0, {" CVDate(:     1"}},
  };
  for (const auto& c : cases) {
    std::filesystem::remove(dir / "log.txt");
    const std::string log = Report(c.source, c.keywords);
    EXPECT_EQ(Counts(log), "Non comment lines:" + std::string(10, ' ') + std::to_string(c.non_comment) +
                               "\r\nComment lines:" + std::string(14, ' ') + std::to_string(c.comment))
        << c.what;
    EXPECT_EQ(KeywordRows(log), c.rows) << c.what;
  }
}

TEST_F(AnalyseTest, AppendsAfterWhatTheLogHeld) {
  WriteFile(dir / "log.txt", "earlier");
  const std::string first = Report("x\r\n", {"x"});
  ASSERT_EQ(first.rfind("earlierAnalysis of Src, ", 0), 0u);
  const std::string second = Report("x\r\n", {"x"});
  EXPECT_EQ(second, first + first.substr(7));
}

TEST_F(AnalyseTest, EachStampTakesTimeAndDateFromOneReading) {
  class MidnightClock : public Clock {
   public:
    std::tm Now() override {
      std::tm when{};
      when.tm_year = 126;
      when.tm_mon = 11;
      when.tm_mday = 11 + readings;
      when.tm_hour = readings == 0 ? 23 : 0;
      when.tm_min = readings == 0 ? 59 : 0;
      when.tm_sec = readings == 0 ? 59 : 0;
      when.tm_wday = 5 + readings;
      ++readings;
      return when;
    }
    int readings = 0;
  } midnight;
  DateAnalysis late({messages, pump, midnight, dir / "keywords.txt"});
  late.strKeywords = {"x"};
  WriteFile(dir / "src.bas", "x");
  late.Analyse(dir / "src.bas", "Src", dir / "log.txt");
  const std::string log = ReadFile(dir / "log.txt");
  EXPECT_NE(log.find(" started at : 23:59:59 on Friday, December 11, 2026\r\n"), std::string::npos);
  EXPECT_NE(log.find("Analysis completed at: 00:00:00 on Saturday, December 12, 2026\r\n"), std::string::npos);
  EXPECT_EQ(midnight.readings, 2);
}

TEST_F(AnalyseTest, AMissingSourceIsReportedAndTheLogIsNotTouched) {
  analysis.strKeywords = {"x"};
  analysis.Analyse(dir / "missing.bas", "Missing", dir / "log.txt");
  EXPECT_EQ(messages.Prompts(), std::vector<std::string>{"(Analyse), Error : 53, File not found"});
  EXPECT_FALSE(std::filesystem::exists(dir / "log.txt"));
}

TEST_F(AnalyseTest, ALogInAMissingFolderIsReportedAndNothingIsCreated) {
  WriteFile(dir / "src.bas", "x");
  analysis.strKeywords = {"x"};
  analysis.Analyse(dir / "src.bas", "Src", dir / "nowhere/log.txt");
  analysis.Analyse(dir / "src.bas", "Src", "");
  EXPECT_EQ(messages.Prompts(), (std::vector<std::string>{"(Analyse), Error : 76, Path not found",
                                                          "(Analyse), Error : 64, Bad file name"}));
  EXPECT_FALSE(std::filesystem::exists(dir / "nowhere"));
}

TEST_F(AnalyseTest, AnEmptyKeywordTableFailsAfterTheHeaderLines) {
  WriteFile(dir / "src.bas", "x\r\n");
  try {
    analysis.Analyse(dir / "src.bas", "Src", dir / "log.txt");
    FAIL() << "no error";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), kErrSubscriptOutOfRange);
  }
  const std::string header = "Analysis of Src, " + dir / "src.bas" + " started at : " + kStamp;
  EXPECT_EQ(ReadFile(dir / "log.txt"), header + "\r\n" + std::string(header.size(), '-') + "\r\n\r\n");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(AnalyseTest, AWriteFailureAfterOpeningPassesToTheCaller) {
  WriteFile(dir / "src.bas", "x\r\n");
  analysis.strKeywords = {"x"};
  try {
    analysis.Analyse(dir / "src.bas", "Src", "/dev/full");
    FAIL() << "no error";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), kErrDiskFull);
  }
  EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace quillon
