// The run over a project's components: its progress lines, its calls on the
// environment, and how failures end it.
#include <gtest/gtest.h>

#include "analysis/date_analysis.h"
#include "host/scripted_host.h"
#include "testing/fakes.h"
#include "testing/temp_dir.h"

namespace quillon {
namespace {

using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

class AnalyseProjectTest : public ::testing::Test {
 protected:
  AnalyseProjectTest() : analysis({messages, pump, clock, dir / "keywords.txt"}) {
    analysis.strKeywords = {"Year("};
    app = std::make_shared<ScriptedApplication>();
    objVBInst = app;
  }
  ~AnalyseProjectTest() override { objVBInst.reset(); }

  std::string Source(const std::string& name, const std::string& text) {
    WriteFile(dir / name, text);
    return dir / name;
  }
  // How many report blocks the log holds.
  size_t Blocks() {
    const std::string log = ReadFile(dir / "log.txt");
    size_t blocks = 0;
    for (size_t at = 0; (at = log.find("Analysis of ", at)) != std::string::npos; ++at) ++blocks;
    return blocks;
  }

  TempDir dir;
  testing::RecordingMessages messages;
  testing::HookedPump pump;
  testing::FixedClock clock;
  testing::RecordingList list;
  DateAnalysis analysis;
  std::shared_ptr<ScriptedApplication> app;
};

TEST_F(AnalyseProjectTest, AnalysesEveryComponentInPositionOrder) {
  const std::string a = Source("a.frm", "x = Year(Now)\r\n");
  const std::string b = Source("b.bas", "' Year(\r\n");
  const std::string c = Source("c.cls", "");
  app->AddComponent("frmA", a);
  app->AddComponent("modB", b);
  app->AddComponent("clsC", c);
  list.lines = {"earlier line"};
  analysis.AnalyseProject(dir / "log.txt", list);
  EXPECT_EQ(list.lines, (std::vector<std::string>{"earlier line", "3 Components found in project",
                                                  "Date Analysing : frmA, " + a, "Date Analysing : modB, " + b,
                                                  "Date Analysing : clsC, " + c, "Finished"}));
  EXPECT_EQ(pump.calls, 3);
  EXPECT_EQ(list.refreshes, 3);
  EXPECT_TRUE(messages.shown.empty());
  const std::string log = ReadFile(dir / "log.txt");
  EXPECT_LT(log.find("Analysis of frmA, " + a), log.find("Analysis of modB, " + b));
  EXPECT_LT(log.find("Analysis of modB, " + b), log.find("Analysis of clsC, " + c));
  EXPECT_EQ(Blocks(), 3u);
}

TEST_F(AnalyseProjectTest, ReadsTheEnvironmentAfreshForEveryUse) {
  app->AddComponent("frmA", Source("a.frm", "x\r\n"));
  analysis.AnalyseProject(dir / "log.txt", list);
  EXPECT_EQ(app->Log(), (std::vector<std::string>{
                            "ActiveProject", "Components", "Count",              // count line
                            "ActiveProject", "Components", "Count",              // loop bound
                            "ActiveProject", "Components(0)", "Name", "FileNames(0)",  // progress line
                            "FileNames(0)", "Name"}));                           // Analyse's arguments
}

TEST_F(AnalyseProjectTest, AnEmptyProjectGivesTheCountLineAndFinished) {
  analysis.AnalyseProject(dir / "log.txt", list);
  EXPECT_EQ(list.lines, (std::vector<std::string>{"0 Components found in project", "Finished"}));
  EXPECT_EQ(pump.calls, 0);
}

TEST_F(AnalyseProjectTest, AComponentThatCannotBeOpenedDoesNotEndTheRun) {
  app->AddComponent("Gone", dir / "gone.bas");
  app->AddComponent("NoPath", "");
  app->AddComponent("Here", Source("here.bas", "x\r\n"));
  analysis.AnalyseProject(dir / "log.txt", list);
  EXPECT_EQ(messages.Prompts(), (std::vector<std::string>{"(Analyse), Error : 53, File not found",
                                                          "(Analyse), Error : 64, Bad file name"}));
  EXPECT_EQ(list.lines.back(), "Finished");
  EXPECT_EQ(Blocks(), 1u);
}

TEST_F(AnalyseProjectTest, NoOpenProjectIsReportedAndAddsNoLine) {
  app->Fail(HostMember::kActiveProject, RuntimeError(kErrObjectNotSet));
  analysis.AnalyseProject(dir / "log.txt", list);
  EXPECT_TRUE(list.lines.empty());
  EXPECT_EQ(messages.Prompts(), std::vector<std::string>{
                                    "(AnalyseProject), Error : 91, Object variable or With block variable not set"});
}

TEST_F(AnalyseProjectTest, AFailingMemberEndsTheRunWithoutFinished) {
  app->AddComponent("A", Source("a.bas", "x\r\n"));
  app->AddComponent("B", Source("b.bas", "x\r\n"));
  app->OnCall(HostMember::kComponentAt, 2, [] { throw RuntimeError(kErrSubscriptOutOfRange); });
  analysis.AnalyseProject(dir / "log.txt", list);
  EXPECT_EQ(list.lines.size(), 2u);
  EXPECT_EQ(list.lines.back(), "Date Analysing : A, " + dir / "a.bas");
  EXPECT_EQ(messages.Prompts(), std::vector<std::string>{"(AnalyseProject), Error : 9, Subscript out of range"});
  EXPECT_EQ(Blocks(), 1u);
}

TEST_F(AnalyseProjectTest, TheLoopBoundIsFixedWhenTheLoopStarts) {
  app->AddComponent("A", Source("a.bas", "x\r\n"));
  pump.hook = [&] { app->AddComponent("Late", dir / "a.bas"); };
  analysis.AnalyseProject(dir / "log.txt", list);
  EXPECT_EQ(list.lines, (std::vector<std::string>{"1 Components found in project",
                                                  "Date Analysing : A, " + dir / "a.bas", "Finished"}));
}

TEST_F(AnalyseProjectTest, AnEmptyKeywordTableEndsTheRunAtTheFirstFile) {
  analysis.strKeywords.clear();
  app->AddComponent("A", Source("a.bas", "x\r\n"));
  app->AddComponent("B", Source("b.bas", "x\r\n"));
  analysis.AnalyseProject(dir / "log.txt", list);
  EXPECT_EQ(messages.Prompts(), std::vector<std::string>{"(AnalyseProject), Error : 9, Subscript out of range"});
  EXPECT_NE(list.lines.back(), "Finished");
  const std::string log = ReadFile(dir / "log.txt");
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 3);
}

TEST_F(AnalyseProjectTest, AFullDiskEndsTheRunAndKeepsEarlierBlocks) {
  app->AddComponent("A", Source("a.bas", "x\r\n"));
  app->AddComponent("B", Source("b.bas", "x\r\n"));
  analysis.AnalyseProject("/dev/full", list);
  EXPECT_EQ(messages.Prompts(), std::vector<std::string>{"(AnalyseProject), Error : 61, Disk full"});
  EXPECT_EQ(list.lines.size(), 2u);
}

TEST_F(AnalyseProjectTest, ASecondRunStartsAgainFromTheCountLine) {
  app->AddComponent("A", Source("a.bas", "x\r\n"));
  app->Fail(HostMember::kName, RuntimeError(kErrAutomation));
  analysis.AnalyseProject(dir / "log.txt", list);
  app->Succeed(HostMember::kName);
  analysis.AnalyseProject(dir / "log.txt", list);
  EXPECT_EQ(list.lines, (std::vector<std::string>{"1 Components found in project", "1 Components found in project",
                                                  "Date Analysing : A, " + dir / "a.bas", "Finished"}));
  EXPECT_EQ(messages.Prompts(), std::vector<std::string>{"(AnalyseProject), Error : 440, Automation error"});
}

}  // namespace
}  // namespace quillon
