// Faults of the log: a full disk ends the run and keeps what was written; a log that
// cannot be opened is reported for each file and the run goes on, the log untouched.
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <ostream>

#include "fault_fixture.h"

namespace quillon::faults {
namespace {

constexpr char kSource[] = "d = CVDate(x)\r\n' Year( in a remark\r\n";

class LogFaultTest : public FaultTest {
 protected:
  LogFaultTest()
      : first_(PutSource("first.bas", kSource)),
        second_(PutSource("second.bas", kSource)),
        project_(PutProject({"Module=First; first.bas", "Module=Second; second.bas"})) {}

  std::string first_;
  std::string second_;
  std::string project_;
};

TEST_F(LogFaultTest, DiskFullEndsTheRunWithItsErrorAndNoFinished) {
  const ProgramResult result = Analyse(project_, "/dev/full");
  EXPECT_EQ(result.err, "(AnalyseProject), Error : 61, Disk full\n");
  EXPECT_EQ(result.out, Progress({"2 Components found in project", Analysing("First", first_)}));
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(Ini(), kUserIniWithEntry);
}

TEST_F(LogFaultTest, DiskFillingUpInTheSecondBlockKeepsTheLinesAlreadyWritten) {
  // Room for the user's text, the first block and 40 bytes more.
  ASSERT_EQ(Analyse(project_, log_).exit_code, 0);
  const std::string two_blocks = Log();
  const ParsedLog clean = LogBlocks();
  ASSERT_EQ(clean.blocks.size(), 2u);
  const size_t second_start = two_blocks.find("Analysis of Second");
  testing::WriteFile(log_, kUserLog);
  const off_t limit = static_cast<off_t>(second_start - two_blocks.find("Analysis of First") +
                                         std::string(kUserLog).size() + 40);

  RunOptions options;
  options.file_size_limit = limit;
  const ProgramResult result = Analyse(project_, log_, options);
  EXPECT_EQ(result.err, "(AnalyseProject), Error : 61, Disk full\n");
  EXPECT_EQ(result.out, Progress({"2 Components found in project", Analysing("First", first_),
                                  Analysing("Second", second_)}));
  EXPECT_EQ(result.exit_code, 1);
  const ParsedLog log = LogBlocks();
  ASSERT_EQ(log.blocks.size(), 1u);
  EXPECT_EQ(log.blocks[0].subject, "First, " + first_);
  EXPECT_EQ(log.blocks[0].lines, BlockLines(1, 1, {"CVDate(:      1"}));
  EXPECT_EQ(log.broken_rest, HeaderStart("Second, " + second_).substr(0, 40));
  EXPECT_EQ(Ini(), kUserIniWithEntry);
}

struct OpenFault {
  const char* name;
  // Prepares the fault and returns the log path to pass (null: the default log path).
  std::function<const char*(FaultTest&, std::string&)> log;
  const char* message;
  bool needs_permissions;
};

void PrintTo(const OpenFault& fault, std::ostream* out) { *out << fault.name; }

// Each makes the log impossible to open; `path` keeps the string the pointer refers to.
const OpenFault kOpenFaults[] = {
    {"ReadOnlyFolder",
     [](FaultTest& t, std::string& path) {
       std::filesystem::create_directory(t.root_ / "read-only");
       chmod((t.root_ / "read-only").c_str(), 0555);
       return (path = t.root_ / "read-only/review.txt").c_str();
     },
     "(Analyse), Error : 70, Permission denied", true},
    {"ReadOnlyLogFile",
     [](FaultTest& t, std::string& path) {
       chmod(t.log_.c_str(), 0444);
       return (path = t.log_).c_str();
     },
     "(Analyse), Error : 70, Permission denied", true},
    {"FolderOnAReadOnlyFileSystem",
     [](FaultTest&, std::string&) { return "/proc/self/review.txt"; },
     "(Analyse), Error : 53, File not found", false},
    {"PathIsAFolder",
     [](FaultTest& t, std::string& path) {
       std::filesystem::create_directory(t.root_ / "folder");
       return (path = t.root_ / "folder").c_str();
     },
     "(Analyse), Error : 75, Path/File access error", false},
    {"EmptyPath", [](FaultTest&, std::string&) { return ""; }, "(Analyse), Error : 64, Bad file name", false},
    {"MissingFolder",
     [](FaultTest& t, std::string& path) { return (path = t.root_ / "missing/review.txt").c_str(); },
     "(Analyse), Error : 76, Path not found", false},
    {"DefaultPathOnAnUnmappedDrive", [](FaultTest&, std::string&) { return static_cast<const char*>(nullptr); },
     "(Analyse), Error : 76, Path not found", false},
    {"FifoWithoutAReader",
     [](FaultTest& t, std::string& path) {
       mkfifo((t.root_ / "fifo").c_str(), 0644);
       return (path = t.root_ / "fifo").c_str();
     },
     "(Analyse), Error : 75, Path/File access error", false},
};

class LogOpenFaultTest : public LogFaultTest, public ::testing::WithParamInterface<OpenFault> {};

TEST_P(LogOpenFaultTest, ReportsEachFileAndGoesOnWithTheLogUntouched) {
  const OpenFault& fault = GetParam();
  if (fault.needs_permissions && !CanHeedFilePermissions()) GTEST_SKIP() << "cannot drop root's file access";
  std::string path;
  const char* log = fault.log(*this, path);
  const auto folder_before = [&] {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(root_.path())) names.push_back(entry.path());
    std::sort(names.begin(), names.end());
    return names;
  };
  const auto before = folder_before();

  RunOptions options;
  options.heed_file_permissions = fault.needs_permissions;
  const ProgramResult result = Analyse(project_, log, options);
  EXPECT_EQ(result.err, std::string(fault.message) + "\n" + fault.message + "\n");
  EXPECT_EQ(result.out, Progress({"2 Components found in project", Analysing("First", first_),
                                  Analysing("Second", second_), "Finished"}));
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_EQ(Log(), kUserLog);
  EXPECT_EQ(folder_before(), before) << "a file or folder was created";
  EXPECT_EQ(Ini(), kUserIniWithEntry);
}

INSTANTIATE_TEST_SUITE_P(Logs, LogOpenFaultTest, ::testing::ValuesIn(kOpenFaults),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quillon::faults
