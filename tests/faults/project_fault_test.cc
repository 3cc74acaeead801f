// Faults of the project file: one that cannot be read ends the run with its error;
// empty, binary and truncated files, repeated components, ".." and drive paths are
// read as they stand, each component analysed or reported and the run going on.
#include <sys/stat.h>

#include <filesystem>
#include <random>

#include "fault_fixture.h"

namespace quillon::faults {
namespace {

constexpr char kSource[] = "d = CVDate(x)\r\n' Year( in a remark\r\n";

class ProjectFaultTest : public FaultTest {
 protected:
  ProjectFaultTest() : good_(PutSource("good.bas", kSource)) {}

  // Runs a project file of `bytes` and expects no message and no block in the log.
  void ExpectNoComponents(const std::string& bytes) {
    const std::string project = PutSource("Project.vbp", bytes);
    const ProgramResult result = Analyse(project, log_);
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out, Progress({"0 Components found in project", "Finished"}));
    EXPECT_EQ(result.exit_code, 0);
    EXPECT_EQ(Log(), kUserLog);
  }

  std::string good_;
};

TEST_F(ProjectFaultTest, AProjectFileThatCannotBeReadEndsTheRunBeforeAnyLine) {
  std::filesystem::create_directory(project_dir_ + "/Folder.vbp");
  mkfifo((project_dir_ + "/Fifo.vbp").c_str(), 0644);
  const std::pair<std::string, std::string> cases[] = {
      {project_dir_ + "/Missing.vbp", "(AnalyseProject), Error : 53, File not found"},
      {project_dir_ + "/Folder.vbp", "(AnalyseProject), Error : 75, Path/File access error"},
      {project_dir_ + "/Fifo.vbp", "(AnalyseProject), Error : 75, Path/File access error"},
      {"Z:\\Project.vbp", "(AnalyseProject), Error : 76, Path not found"},
  };
  for (const auto& [project, message] : cases) {
    RunOptions options;
    options.timeout_seconds = 30;
    const ProgramResult result = Analyse(project, log_, options);
    EXPECT_EQ(result.err, message + "\n") << project;
    EXPECT_EQ(result.out, Progress({})) << project;
    EXPECT_EQ(result.exit_code, 1) << project;
    EXPECT_EQ(Log(), kUserLog) << project;
  }
  EXPECT_EQ(Ini(), kUserIniWithEntry);
}

TEST_F(ProjectFaultTest, AnEmptyProjectFileHasNoComponents) { ExpectNoComponents(""); }

TEST_F(ProjectFaultTest, ABinaryProjectFileHasNoComponents) {
  std::mt19937 random(20261211);
  std::string bytes(64 * 1024, '\0');
  for (char& c : bytes) c = static_cast<char>(random() % 256);
  // The bytes hold '=', CR and LF now and then, NULs too, but no component key.
  ExpectNoComponents(bytes);
}

TEST_F(ProjectFaultTest, ALineCutShortIsAComponentWhoseFileIsMissing) {
  const std::string project = PutSource("Project.vbp", "Module=Good; good.bas\r\nModule=Dat");
  const ProgramResult result = Analyse(project, log_);
  EXPECT_EQ(result.err, "(Analyse), Error : 53, File not found\n");
  EXPECT_EQ(result.out, Progress({"2 Components found in project", Analysing("Good", good_),
                                  Analysing("Dat", project_dir_ + "/Dat"), "Finished"}));
  EXPECT_EQ(result.exit_code, 1);
  const ParsedLog log = LogBlocks();
  ASSERT_EQ(log.blocks.size(), 1u);
  EXPECT_EQ(log.broken_rest, "");
}

TEST_F(ProjectFaultTest, ARepeatedComponentIsAnalysedEachTime) {
  const ProgramResult result = Analyse(PutProject({"Module=Good; good.bas", "Module=Good; good.bas"}), log_);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out, Progress({"2 Components found in project", Analysing("Good", good_), Analysing("Good", good_),
                                  "Finished"}));
  const ParsedLog log = LogBlocks();
  ASSERT_EQ(log.blocks.size(), 2u);
  for (const auto& block : log.blocks) {
    EXPECT_EQ(block.subject, "Good, " + good_);
    EXPECT_EQ(block.lines, BlockLines(1, 1, {Row("CVDate(", 1)}));
  }
}

TEST_F(ProjectFaultTest, PathsAreReadAsWrittenOrReportedWhenTheyLeadNowhere) {
  const std::string shared = PutSource("shared/Util.bas", kSource);
  const std::string project = PutSource("sub/Project.vbp",
                                        "Module=Up; ..\\SHARED\\util.bas\r\n"
                                        "Module=Unc; \\\\server\\share\\x.bas\r\n"
                                        "Module=Drive; D:\\VB\\x.bas\r\n"
                                        "Module=Mapped; M:\\shared\\util.bas\r\n");
  RunOptions options;
  options.extra_env = {"QUILLON_DRIVE_M=" + project_dir_};
  const ProgramResult result = Analyse(project, log_, options);
  EXPECT_EQ(result.err, "(Analyse), Error : 76, Path not found\n(Analyse), Error : 76, Path not found\n");
  EXPECT_EQ(result.out, Progress({"4 Components found in project",
                                  Analysing("Up", project_dir_ + "/sub/../shared/Util.bas"),
                                  Analysing("Unc", "//server/share/x.bas"), Analysing("Drive", "D:/VB/x.bas"),
                                  Analysing("Mapped", shared), "Finished"}));
  EXPECT_EQ(result.exit_code, 1);
  const ParsedLog log = LogBlocks();
  ASSERT_EQ(log.blocks.size(), 2u);
  EXPECT_EQ(log.blocks[0].subject, "Up, " + project_dir_ + "/sub/../shared/Util.bas");
  EXPECT_EQ(log.blocks[1].subject, "Mapped, " + shared);
  EXPECT_EQ(log.blocks[1].lines, BlockLines(1, 1, {Row("CVDate(", 1)}));
  EXPECT_EQ(log.broken_rest, "");
}

}  // namespace
}  // namespace quillon::faults
