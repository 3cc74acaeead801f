// Faults of keywords.txt: one that cannot be read is reported, then Analyse is refused
// and the log is not touched; an empty list ends the run after the first header; a
// single 50 MB line loads and gives the right report.
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <ostream>

#include "fault_fixture.h"
#include "sanitized.h"

namespace quillon::faults {
namespace {

constexpr char kSource[] = "d = CVDate(x)\r\n' Year( in a remark\r\n";

class KeywordFaultTest : public FaultTest {
 protected:
  KeywordFaultTest()
      : good_(PutSource("good.bas", kSource)),
        last_(PutSource("last.bas", kSource)),
        project_(PutProject({"Module=Good; good.bas", "Module=Last; last.bas"})) {}

  // What the Analyse command shows when the list did not load.
  std::string Refusal() const {
    return "Can not perform Date Analysis because the date keywords have not been loaded from : " + keyword_file_ +
           "\nMake sure that this file exists and contains the date keywords.\n"
           "Remember keywords should be enclosed in double quotes, e.g. \" CVDate(\"\n";
  }

  std::string good_;
  std::string last_;
  std::string project_;
};

struct ReadFault {
  const char* name;
  std::function<void(FaultTest&)> prepare;
  const char* message;
  bool needs_permissions;
};

void PrintTo(const ReadFault& fault, std::ostream* out) { *out << fault.name; }

const ReadFault kReadFaults[] = {
    {"Missing", [](FaultTest& t) { std::filesystem::remove(t.keyword_file_); },
     "(SetupKeywords), Error : 53, File not found", false},
    {"Unreadable", [](FaultTest& t) { chmod(t.keyword_file_.c_str(), 0); },
     "(SetupKeywords), Error : 70, Permission denied", true},
    {"ReadFailsAfterTheOpen",
     [](FaultTest& t) {
       std::filesystem::remove(t.keyword_file_);
       std::filesystem::create_symlink("/proc/self/mem", t.keyword_file_);
     },
     "(SetupKeywords), Error : 57, Device I/O error", false},
    {"AFolder",
     [](FaultTest& t) {
       std::filesystem::remove(t.keyword_file_);
       std::filesystem::create_directory(t.keyword_file_);
     },
     "(SetupKeywords), Error : 75, Path/File access error", false},
    {"AFifoWithoutAWriter",
     [](FaultTest& t) {
       std::filesystem::remove(t.keyword_file_);
       mkfifo(t.keyword_file_.c_str(), 0644);
     },
     "(SetupKeywords), Error : 75, Path/File access error", false},
};

class KeywordReadFaultTest : public KeywordFaultTest, public ::testing::WithParamInterface<ReadFault> {};

TEST_P(KeywordReadFaultTest, ReportsTheListThenRefusesToAnalyse) {
  const ReadFault& fault = GetParam();
  if (fault.needs_permissions && !CanHeedFilePermissions()) GTEST_SKIP() << "cannot drop root's file access";
  fault.prepare(*this);
  RunOptions options;
  options.heed_file_permissions = fault.needs_permissions;
  options.timeout_seconds = 30;
  const ProgramResult result = Analyse(project_, log_, options);
  EXPECT_EQ(result.err, std::string(fault.message) + "\n" + Refusal());
  EXPECT_EQ(result.out, Progress({}));
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(Log(), kUserLog);
  EXPECT_EQ(Ini(), kUserIniWithEntry);
}

INSTANTIATE_TEST_SUITE_P(Lists, KeywordReadFaultTest, ::testing::ValuesIn(kReadFaults),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(KeywordFaultTest, AnEmptyListEndsTheRunAfterTheFirstHeader) {
  PutKeywords("");
  const ProgramResult result = Analyse(project_, log_);
  EXPECT_EQ(result.err, "(AnalyseProject), Error : 9, Subscript out of range\n");
  EXPECT_EQ(result.out, Progress({"2 Components found in project", Analysing("Good", good_)}));
  EXPECT_EQ(result.exit_code, 1);
  const ParsedLog log = LogBlocks();
  EXPECT_TRUE(log.blocks.empty());
  const std::string header = HeaderStart("Good, " + good_);
  ASSERT_EQ(log.broken_rest.substr(0, header.size()), header);
  const size_t first_end = log.broken_rest.find("\r\n");
  EXPECT_EQ(log.broken_rest.substr(first_end), "\r\n" + std::string(first_end, '-') + "\r\n\r\n");
}

// The list is held in memory by design; a sanitized build gets a tenth of the size.
constexpr size_t kLongLine = kUnderAsan ? 5'000'000 : 50'000'000;

// A list of one line: `head`, then the fill byte over and over, then `tail`.
struct LongList {
  const char* name;
  const char* head;
  char fill;
  const char* tail;
  std::vector<std::string> rows;
};

void PrintTo(const LongList& fault, std::ostream* out) { *out << fault.name; }

class LongListTest : public KeywordFaultTest, public ::testing::WithParamInterface<LongList> {};

TEST_P(LongListTest, ASingleHugeLineLoadsAndReportsRight) {
  const LongList& list = GetParam();
  PutKeywords(list.head);
  AppendRepeated(keyword_file_, list.fill, kLongLine);
  Append(keyword_file_, list.tail);
  const ProgramResult result = Analyse(project_, log_);
  RecordProperty("max_rss_kb", std::to_string(result.max_rss_kb));
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.exit_code, 0);
  const ParsedLog log = LogBlocks();
  ASSERT_EQ(log.blocks.size(), 2u);
  EXPECT_EQ(log.blocks[0].lines, BlockLines(1, 1, list.rows));
  EXPECT_EQ(log.blocks[1].lines, BlockLines(1, 1, list.rows));
}

INSTANTIATE_TEST_SUITE_P(
    Lists, LongListTest,
    ::testing::Values(
        // Every quote is dropped: the line is the one keyword CVDate(.
        LongList{"QuotesAroundOneKeyword", "\"CVDate(", '"', "", {Row("CVDate(", 1)}},
        LongList{"OneHugeKeyword", "\"", 'k', "\"", {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quillon::faults
