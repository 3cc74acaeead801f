// Runs that overlap: several analyses appending to one log keep every block whole and
// in one piece, and starts that overlap, or are killed while VB.INI is rewritten, keep
// every entry of VB.INI and add the add-in's entry once.
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <random>
#include <thread>

#include "fault_fixture.h"

namespace quillon::faults {
namespace {

class ConcurrencyTest : public FaultTest {
 protected:
  // Starts `count` runs with `args` at once and waits for all; expects each to exit 0.
  void RunTogether(int count, const std::vector<std::string>& args) {
    std::vector<pid_t> pids;
    for (int i = 0; i < count; ++i) pids.push_back(StartProgram(Call(args)));
    for (const pid_t pid : pids) EXPECT_EQ(WaitProgram(pid).exit_code, 0);
  }

  // The names in the Windows directory besides VB.INI and its lock file.
  std::vector<std::string> StrayFiles() const {
    std::vector<std::string> stray;
    for (const auto& entry : std::filesystem::directory_iterator(windows_dir_)) {
      const std::string name = entry.path().filename();
      if (name != "VB.INI" && name != "VB.INI.lock") stray.push_back(name);
    }
    return stray;
  }
};

TEST_F(ConcurrencyTest, OverlappingRunsAppendWholeBlocksInOnePieceEach) {
  // Enough keywords, each found, that a block is longer than one buffered write.
  std::string keywords;
  std::string line;
  std::vector<std::string> rows;
  for (int k = 0; k < 4500; ++k) {
    const std::string keyword = "Kw" + std::to_string(10000 + k) + "(";
    keywords += "\"" + keyword + "\"\r\n";
    line += keyword + " ";
    rows.push_back(Row(keyword, 3));
  }
  PutKeywords(keywords);
  const std::string source = PutSource("all.bas", line + "\r\n" + line + "\r\n" + line + "\r\n");
  constexpr int kRuns = 4;
  constexpr int kRounds = 5;
  std::vector<std::vector<std::string>> runs;
  for (int run = 0; run < kRuns; ++run) {
    std::vector<std::string> lines;
    for (int c = 0; c < 3; ++c) lines.push_back("Module=R" + std::to_string(run) + "C" + std::to_string(c) + "; all.bas");
    const std::string project = PutSource("Run" + std::to_string(run) + ".vbp", "");
    testing::WriteFile(project, lines[0] + "\r\n" + lines[1] + "\r\n" + lines[2] + "\r\n");
    runs.push_back({"analyse", project, "--log", log_});
  }
  for (int round = 0; round < kRounds; ++round) {
    std::vector<pid_t> pids;
    for (const auto& args : runs) pids.push_back(StartProgram(Call(args)));
    for (const pid_t pid : pids) EXPECT_EQ(WaitProgram(pid).exit_code, 0);
  }

  const ParsedLog log = LogBlocks();
  EXPECT_EQ(log.broken_rest.substr(0, 200), "");
  ASSERT_EQ(log.blocks.size(), static_cast<size_t>(kRuns * kRounds * 3));
  const std::vector<std::string> expected = BlockLines(3, 0, rows);
  std::map<std::string, int> seen;  // per run, the next component it must show
  for (const auto& block : log.blocks) {
    EXPECT_EQ(block.lines, expected) << block.subject;
    const std::string run = block.subject.substr(0, 2);
    EXPECT_EQ(block.subject, run + "C" + std::to_string(seen[run]++ % 3) + ", " + source);
  }
}

// An INI of `sections` sections of `keys` entries each, [Add-Ins32] among them.
std::pair<std::string, std::string> LargeIni(int sections, int keys) {
  std::string before;
  std::string after;
  for (int s = 0; s < sections; ++s) {
    std::string section = s == sections / 2 ? "[Add-Ins32]\r\n" : "[Section" + std::to_string(s) + "]\r\n";
    for (int k = 0; k < keys; ++k) section += "Key" + std::to_string(k) + "=value " + std::to_string(s * keys + k) + "\r\n";
    before += section;
    after += section;
    if (s == sections / 2) after += "Quillon.QlnClass=0\r\n";
    before += "; remark\r\n";
    after += "; remark\r\n";
  }
  return {before, after};
}

TEST_F(ConcurrencyTest, OverlappingStartsAddTheEntryOnceAndKeepEveryOther) {
  const auto [before, after] = LargeIni(50, 40);
  for (int round = 0; round < 10; ++round) {
    testing::WriteFile(windows_dir_ + "/VB.INI", before);
    RunTogether(8, {});
    ASSERT_EQ(Ini(), after) << "round " << round;
  }
  EXPECT_EQ(StrayFiles(), std::vector<std::string>());
}

TEST_F(ConcurrencyTest, StartsKilledWhileRewritingLeaveTheOldOrTheNewFileWhole) {
  const auto [before, after] = LargeIni(400, 2000);  // about 20 MB
  testing::WriteFile(windows_dir_ + "/VB.INI", before);
  const auto start = std::chrono::steady_clock::now();
  RunTogether(1, {});
  const auto one_start = std::chrono::steady_clock::now() - start;
  ASSERT_EQ(Ini(), after);

  std::mt19937 random(20261211);
  int torn = 0;
  int old_kept = 0;
  for (int round = 0; round < 20; ++round) {
    testing::WriteFile(windows_dir_ + "/VB.INI", before);
    std::vector<pid_t> pids;
    for (int i = 0; i < 3; ++i) pids.push_back(StartProgram(Call({})));
    std::this_thread::sleep_for(one_start * (random() % 100) / 80);
    for (const pid_t pid : pids) kill(pid, SIGKILL);
    for (const pid_t pid : pids) WaitProgram(pid);
    const std::string ini = Ini();
    if (ini == before) ++old_kept;
    if (ini != before && ini != after) ++torn;
  }
  EXPECT_EQ(torn, 0);
  RecordProperty("rounds_killed_before_the_rename", old_kept);
  RecordProperty("stray_files", static_cast<int>(StrayFiles().size()));
  // The next start finds the entry missing or there, and leaves it there.
  RunTogether(1, {});
  EXPECT_EQ(Ini(), after);
}

}  // namespace
}  // namespace quillon::faults
