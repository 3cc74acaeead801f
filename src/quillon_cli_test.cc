// The quillon command as users' scripts see it: output streams, exit status, the log.
#include <gtest/gtest.h>

#include <filesystem>

#include "testing/program_run.h"
#include "testing/temp_dir.h"

namespace quillon {
namespace {

using testing::ProgramCall;
using testing::ProgramResult;
using testing::ReadFile;
using testing::RunProgram;
using testing::TempDir;
using testing::WriteFile;

const std::string kBinary = QUILLON_BINARY;
const std::string kExamples = QUILLON_EXAMPLES_DIR;

class QuillonCommandTest : public ::testing::Test {
 protected:
  // Runs quillon with a Windows directory of the test's own, the C locale, and `env`.
  ProgramResult Quillon(std::vector<std::string> args, std::vector<std::string> env = {},
                        const std::string& binary = kBinary) {
    ProgramCall call;
    call.program = binary;
    call.args = std::move(args);
    call.env = {"WINDIR=" + dir / "windows", "LC_ALL=C"};
    call.env.insert(call.env.end(), env.begin(), env.end());
    return RunProgram(call);
  }
  std::string KeywordLine() const {
    return "Reading date keywords from : " + std::filesystem::path(kBinary).parent_path().string() +
           "/keywords.txt\n";
  }

  TempDir dir;
};

TEST_F(QuillonCommandTest, AnalysesTheExampleProjectIntoTheLog) {
  WriteFile(dir / "review.txt", "kept\r\n");
  const auto run = Quillon({"analyse", kExamples + "/Payroll/Payroll.vbp", "--log", dir / "review.txt"});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.err, "");
  const std::string p = kExamples + "/Payroll/";
  EXPECT_EQ(run.out, KeywordLine() + "4 Components found in project\n" +
                         "Date Analysing : frmPayroll, " + p + "frmPayroll.frm\n" +
                         "Date Analysing : DateUtil, " + p + "modules/DateUtil.bas\n" +
                         "Date Analysing : PayCalc, " + p + "PayCalc.bas\n" +
                         "Date Analysing : Employee, " + p + "Employee.cls\n" + "Finished\n");
  const std::string log = ReadFile(dir / "review.txt");
  EXPECT_EQ(log.rfind("kept\r\nAnalysis of frmPayroll, " + p + "frmPayroll.frm started at : ", 0), 0u);
  EXPECT_NE(log.find("Analysis of Employee, " + p + "Employee.cls started at : "), std::string::npos);
  EXPECT_EQ(log.substr(log.size() - 4), "\r\n\r\n");
}

TEST_F(QuillonCommandTest, MessageBoxesGoToStandardErrorAndSetTheExitStatus) {
  WriteFile(dir / "p.vbp", "Module=Gone; gone.bas\r\nModule=Here; here.bas\r\n");
  WriteFile(dir / "here.bas", "x = Now\r\n");
  const auto run = Quillon({"analyse", dir / "p.vbp", "--log", dir / "log.txt"});
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(run.err, "(Analyse), Error : 53, File not found\n");
  EXPECT_NE(run.out.find("Date Analysing : Here, " + dir / "here.bas\nFinished\n"), std::string::npos);
}

TEST_F(QuillonCommandTest, AProjectThatCannotBeReadIsNoOpenProject) {
  const auto run = Quillon({"analyse", dir / "missing.vbp", "--log", dir / "log.txt"});
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(run.out, KeywordLine());
  EXPECT_EQ(run.err, "(AnalyseProject), Error : 53, File not found\n");
  EXPECT_FALSE(std::filesystem::exists(dir / "log.txt"));
}

TEST_F(QuillonCommandTest, TheDefaultLogIsOnDriveC) {
  WriteFile(dir / "p.vbp", "Module=A; a.bas\r\n");
  WriteFile(dir / "a.bas", "x\r\n");
  std::filesystem::create_directories(dir / "c/TEMP");
  const auto mapped = Quillon({"analyse", dir / "p.vbp"}, {"QUILLON_DRIVE_C=" + dir / "c"});
  EXPECT_EQ(mapped.exit_code, 0) << mapped.err;
  EXPECT_TRUE(std::filesystem::exists(dir / "c/TEMP/LOG.TXT"));
  const auto unmapped = Quillon({"analyse", dir / "p.vbp"}, {"QUILLON_DRIVE_C="});
  EXPECT_EQ(unmapped.exit_code, 1);
  EXPECT_EQ(unmapped.err, "(Analyse), Error : 76, Path not found\n");
}

TEST_F(QuillonCommandTest, AMissingKeywordListIsReportedAndAnalyseRefused) {
  std::filesystem::copy_file(kBinary, dir / "quillon");
  WriteFile(dir / "p.vbp", "");
  const auto run = Quillon({"analyse", dir / "p.vbp", "--log", dir / "log.txt"}, {}, dir / "quillon");
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(run.out, "Reading date keywords from : " + dir / "keywords.txt\n");
  EXPECT_EQ(run.err, "(SetupKeywords), Error : 53, File not found\n"
                     "Can not perform Date Analysis because the date keywords have not been loaded from : " +
                         dir / "keywords.txt\n" +
                         "Make sure that this file exists and contains the date keywords.\n"
                         "Remember keywords should be enclosed in double quotes, e.g. \" CVDate(\"\n");
}

TEST_F(QuillonCommandTest, WrongCommandLinesExitWithTwoAndAUsageLine) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"analyse"}, {"analyse", "a.vbp", "--log"}, {"analyse", "a.vbp", "--bogus"}, {"nonsense"}}) {
    const auto run = Quillon(args);
    EXPECT_EQ(run.exit_code, 2) << ::testing::PrintToString(args);
    EXPECT_NE(run.err.find("usage: quillon analyse PROJECT.vbp [--log LOGFILE]"), std::string::npos);
  }
}

TEST_F(QuillonCommandTest, HelpAndVersionAnswerOnStandardOutput) {
  const auto help = Quillon({"--help"});
  EXPECT_EQ(help.exit_code, 0);
  EXPECT_EQ(help.out.rfind("usage: quillon", 0), 0u);
  const auto version = Quillon({"--version"});
  EXPECT_EQ(version.exit_code, 0);
  EXPECT_EQ(version.out, "quillon " QUILLON_VERSION "\n");
}

TEST_F(QuillonCommandTest, EveryStartEntersTheAddInInVbIni) {
  const auto alone = Quillon({});
  EXPECT_EQ(alone.exit_code, 0);
  EXPECT_EQ(alone.out + alone.err, "");
  EXPECT_EQ(ReadFile(dir / "windows/VB.INI"), "[Add-Ins32]\r\nQuillon.QlnClass=0\r\n");
  WriteFile(dir / "windows/VB.INI", "[Add-Ins32]\r\nQuillon.QlnClass=1\r\n");
  Quillon({"--version"});
  EXPECT_EQ(ReadFile(dir / "windows/VB.INI"), "[Add-Ins32]\r\nQuillon.QlnClass=1\r\n");
}

}  // namespace
}  // namespace quillon
