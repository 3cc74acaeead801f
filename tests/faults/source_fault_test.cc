// Faults of a component's source file: one that cannot be opened is reported and the
// run goes on; a read that fails later ends the run; odd bytes and a 200 MB line are
// analysed like any text, the long line in bounded memory.
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <ostream>

#include "fault_fixture.h"
#include "sanitized.h"

namespace quillon::faults {
namespace {

constexpr char kSource[] = "d = CVDate(x)\r\n' Year( in a remark\r\n";

// The bytes of a string literal, NULs included.
template <size_t N>
std::string Bytes(const char (&literal)[N]) {
  return std::string(literal, N - 1);
}

class SourceFaultTest : public FaultTest {
 protected:
  SourceFaultTest() : good_(PutSource("good.bas", kSource)), last_(PutSource("last.bas", kSource)) {}

  // A project of three components, the middle one from `line`.
  std::string ProjectAround(const std::string& line) {
    return PutProject({"Module=Good; good.bas", line, "Module=Last; last.bas"});
  }

  std::string good_;
  std::string last_;
};

struct OpenFault {
  const char* name;
  // Prepares the fault; returns the project line of the component and its path as shown.
  std::function<std::pair<std::string, std::string>(FaultTest&)> component;
  const char* message;
  bool needs_permissions;
};

void PrintTo(const OpenFault& fault, std::ostream* out) { *out << fault.name; }

const OpenFault kOpenFaults[] = {
    {"Missing", [](FaultTest& t) { return std::pair("Module=Bad; missing.bas", t.project_dir_ + "/missing.bas"); },
     "(Analyse), Error : 53, File not found", false},
    {"InAMissingFolder",
     [](FaultTest& t) { return std::pair("Module=Bad; nowhere\\x.bas", t.project_dir_ + "/nowhere/x.bas"); },
     "(Analyse), Error : 76, Path not found", false},
    {"Unreadable",
     [](FaultTest& t) {
       const std::string path = t.PutSource("locked.bas", kSource);
       chmod(path.c_str(), 0);
       return std::pair("Module=Bad; locked.bas", path);
     },
     "(Analyse), Error : 70, Permission denied", true},
    {"AFolder",
     [](FaultTest& t) {
       std::filesystem::create_directory(t.project_dir_ + "/folder.bas");
       return std::pair("Module=Bad; folder.bas", t.project_dir_ + "/folder.bas");
     },
     "(Analyse), Error : 75, Path/File access error", false},
    {"AFifoWithoutAWriter",
     [](FaultTest& t) {
       mkfifo((t.project_dir_ + "/pipe.bas").c_str(), 0644);
       return std::pair("Module=Bad; pipe.bas", t.project_dir_ + "/pipe.bas");
     },
     "(Analyse), Error : 75, Path/File access error", false},
    {"EmptyPath", [](FaultTest&) { return std::pair("Module=Bad;", ""); }, "(Analyse), Error : 64, Bad file name",
     false},
};

class SourceOpenFaultTest : public SourceFaultTest, public ::testing::WithParamInterface<OpenFault> {};

TEST_P(SourceOpenFaultTest, ReportsTheFileAndAnalysesTheOthers) {
  const OpenFault& fault = GetParam();
  if (fault.needs_permissions && !CanHeedFilePermissions()) GTEST_SKIP() << "cannot drop root's file access";
  const auto [line, shown] = fault.component(*this);
  RunOptions options;
  options.heed_file_permissions = fault.needs_permissions;
  options.timeout_seconds = 30;
  const ProgramResult result = Analyse(ProjectAround(line), log_, options);
  EXPECT_EQ(result.err, std::string(fault.message) + "\n");
  EXPECT_EQ(result.out, Progress({"3 Components found in project", Analysing("Good", good_), Analysing("Bad", shown),
                                  Analysing("Last", last_), "Finished"}));
  EXPECT_EQ(result.exit_code, 1);
  const ParsedLog log = LogBlocks();
  ASSERT_EQ(log.blocks.size(), 2u);
  EXPECT_EQ(log.blocks[0].subject, "Good, " + good_);
  EXPECT_EQ(log.blocks[1].subject, "Last, " + last_);
  EXPECT_EQ(log.broken_rest, "");
  EXPECT_EQ(Ini(), kUserIniWithEntry);
}

INSTANTIATE_TEST_SUITE_P(Sources, SourceOpenFaultTest, ::testing::ValuesIn(kOpenFaults),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SourceFaultTest, AReadFailingAfterTheOpenEndsTheRunAfterTheHeader) {
  // Reading /proc/self/mem from its start fails with EIO in every process.
  const ProgramResult result = Analyse(ProjectAround("Module=Bad; /proc/self/mem"), log_);
  EXPECT_EQ(result.err, "(AnalyseProject), Error : 57, Device I/O error\n");
  EXPECT_EQ(result.out, Progress({"3 Components found in project", Analysing("Good", good_),
                                  Analysing("Bad", "/proc/self/mem")}));
  EXPECT_EQ(result.exit_code, 1);
  const ParsedLog log = LogBlocks();
  ASSERT_EQ(log.blocks.size(), 1u);
  const std::string header = HeaderStart("Bad, /proc/self/mem");
  ASSERT_EQ(log.broken_rest.substr(0, header.size()), header);
  const size_t first_end = log.broken_rest.find("\r\n");
  EXPECT_EQ(log.broken_rest.substr(first_end), "\r\n" + std::string(first_end, '-') + "\r\n\r\n");
}

TEST_F(SourceFaultTest, NulBytesAndUndefinedCodePageBytesAreTextLikeAnyOther) {
  PutKeywords(Bytes("\"CVDate(\"\r\n\"\x81x\"\r\n\"\xE9t\xE9(\"\r\n\"\0\"\r\n"));
  const std::string bytes = Bytes("a\0CVDate(\0\r\n"    // code: CVDate( and the NUL keyword
                                  "'\0 CVDate(\r\n"       // a comment
                                  "\0\0\r\n"              // code of NULs only
                                  "\x81X \x8D\x8F\x90\x9D\r\n"  // undefined bytes, \x81x in other case
                                  "\xC9T\xC9(2000)\r\n"   // the accented keyword in capitals
                                  "\xFF\xFE\x01\x02\0");  // the last line, without an end
  const std::string path = PutSource("binary.bas", bytes);
  const ProgramResult result = Analyse(PutProject({"Module=Binary; binary.bas"}), log_);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.exit_code, 0);
  const ParsedLog log = LogBlocks();
  ASSERT_EQ(log.blocks.size(), 1u);
  EXPECT_EQ(log.blocks[0].lines,
            BlockLines(5, 1, {Row("CVDate(", 1), Row("\x81x", 1), Row("\xE9t\xE9(", 1), Row(std::string(1, '\0'), 3)}));
}

struct LongLine {
  const char* name;
  const char* project_line;
  const char* shown_name;
};

void PrintTo(const LongLine& fault, std::ostream* out) { *out << fault.name; }

class LongLineTest : public SourceFaultTest, public ::testing::WithParamInterface<LongLine> {};

TEST_P(LongLineTest, A200MegabyteLineIsOneLineScannedInBoundedMemory) {
  const std::string path = PutSource("long.bas", "");
  AppendRepeated(path, 'x', 100'000'000);
  Append(path, "CVDate(");
  AppendRepeated(path, 'y', 100'000'000);
  Append(path, "\r\n' Year( in a remark\r\n");
  const ProgramResult result = Analyse(PutProject({GetParam().project_line}), log_);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out, Progress({"1 Components found in project", Analysing(GetParam().shown_name, path), "Finished"}));
  EXPECT_EQ(result.exit_code, 0);
  const ParsedLog log = LogBlocks();
  ASSERT_EQ(log.blocks.size(), 1u);
  EXPECT_EQ(log.blocks[0].lines, BlockLines(1, 1, {Row("CVDate(", 1)}));
  RecordProperty("max_rss_kb", std::to_string(result.max_rss_kb));
  // The scan reads a block at a time; the line must never be held whole.
  if (!kUnderAsan) {
    EXPECT_LT(result.max_rss_kb, 64 * 1024) << "peak memory in kB";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Names, LongLineTest,
    ::testing::Values(LongLine{"NamedInTheProjectFile", "Module=Long; long.bas", "Long"},
                      LongLine{"NamedFromTheFileHeader", "Form=long.bas", "long"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quillon::faults
