// What the program may touch: it reads source, project and keyword files, appends to
// the log and rewrites VB.INI, nothing else; names and paths from a project file reach
// the screen and the log as plain text, never as formats, escapes or commands.
#include <filesystem>

#include "fault_fixture.h"

namespace quillon::faults {
namespace {

class SecurityTest : public FaultTest {};

TEST_F(SecurityTest, NamesAndPathsFromTheProjectAreShownAsPlainText) {
  const std::string file = "%n%s %x $(touch made-by-shell) `touch made-by-shell`.bas";
  const std::string name = "%s%n%99999999d\\n\x1b[31m$HOME";
  const std::string path = PutSource(file, "d = CVDate(x)\r\n");
  const std::string log = root_ / "%s%n.txt";
  const ProgramResult result = Analyse(PutProject({"Module=" + name + "; " + file}), log);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out, Progress({"1 Components found in project", Analysing(name, path), "Finished"}));
  EXPECT_EQ(result.exit_code, 0);
  const ParsedLog blocks = ParseLog(testing::ReadFile(log));
  ASSERT_EQ(blocks.blocks.size(), 1u);
  EXPECT_EQ(blocks.blocks[0].subject, name + ", " + path);
  EXPECT_EQ(blocks.broken_rest, "");
  EXPECT_FALSE(std::filesystem::exists("made-by-shell"));
  EXPECT_FALSE(std::filesystem::exists(root_ / "made-by-shell"));
}

TEST_F(SecurityTest, OnlyTheLogAndVbIniChange) {
  PutSource("a.bas", "d = CVDate(x)\r\n");
  PutSource("forms/b.frm", "VERSION 4.00\r\nAttribute VB_Name = \"frmB\"\r\n");
  const std::string project = PutProject({"Module=A; a.bas", "Form=forms\\B.FRM"});
  const std::vector<std::string> written = {"review.txt", "windows"};
  const auto before = Snapshot(root_.path(), written);
  const ProgramResult result = Analyse(project, log_);
  EXPECT_EQ(result.exit_code, 0) << result.err;
  EXPECT_EQ(Snapshot(root_.path(), written), before);
  EXPECT_EQ(LogBlocks().blocks.size(), 2u);
  EXPECT_EQ(Ini(), kUserIniWithEntry);
}

TEST_F(SecurityTest, AComponentThatIsTheLogItselfIsReadAndAppendedToOnce) {
  const ProgramResult result = Analyse(PutProject({"Module=Self; ..\\review.txt"}), log_);
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out, Progress({"1 Components found in project",
                                  Analysing("Self", project_dir_ + "/../review.txt"), "Finished"}));
  const ParsedLog log = LogBlocks();
  ASSERT_EQ(log.blocks.size(), 1u);
  EXPECT_EQ(log.broken_rest, "");
}

}  // namespace
}  // namespace quillon::faults
