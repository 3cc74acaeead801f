// Several processes writing one INI file at once, and a writer killed mid-change.
#include "host/profile.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "host/windir_fixture.h"

namespace quillon {
namespace {

constexpr int kWriters = 8;
constexpr int kRounds = 50;

// Lines of `text` split at CR LF; false when a line is neither a header nor an entry.
bool SplitCleanLines(const std::string& text, std::vector<std::string>& lines) {
  size_t begin = 0;
  while (begin < text.size()) {
    const size_t end = text.find("\r\n", begin);
    if (end == std::string::npos) return false;  // a cut-off last line
    lines.push_back(text.substr(begin, end - begin));
    const std::string& line = lines.back();
    if (line.empty() || (line.front() != '[' && line.find('=') == std::string::npos)) return false;
    begin = end + 2;
  }
  return true;
}

std::string OriginalEntries() {
  std::string text = "[Settings]\r\n";
  for (int i = 0; i < 100; ++i) text += "Keep" + std::to_string(i) + "=value " + std::to_string(i) + "\r\n";
  return text + "[Add-Ins32]\r\nAppWizard.Wizard=1\r\n";
}

// Runs `body` in a child process; the child's exit status is 0 when it returns true.
pid_t Spawn(const std::function<bool()>& body) {
  const pid_t pid = fork();
  if (pid == 0) _exit(body() ? 0 : 1);
  return pid;
}

using ProfileConcurrencyTest = WindirTest;

TEST_F(ProfileConcurrencyTest, ConcurrentWritersLoseNoEntry) {
  const std::string original = OriginalEntries();
  Put(Path("VB.INI"), original);

  std::vector<pid_t> children;
  for (int w = 0; w < kWriters; ++w) {
    children.push_back(Spawn([w] {
      const std::string key = "Writer" + std::to_string(w);
      for (int round = 0; round < kRounds; ++round) {
        if (WritePrivateProfileStringA("Add-Ins32", key.c_str(), std::to_string(round).c_str(), "VB.INI") == 0)
          return false;
        // Every reader sees a whole file: the last original entry is always there.
        char buffer[16];
        GetPrivateProfileStringA("Settings", "Keep99", "missing", buffer, sizeof buffer, "VB.INI");
        if (std::string(buffer) != "value 99") return false;
      }
      return true;
    }));
  }
  for (const pid_t child : children) {
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }

  const std::string text = Take(Path("VB.INI")).value_or("");
  ASSERT_EQ(text.compare(0, original.size(), original), 0) << "original entries changed";
  std::vector<std::string> added;
  ASSERT_TRUE(SplitCleanLines(text.substr(original.size()), added)) << text;
  std::sort(added.begin(), added.end());
  std::vector<std::string> expected;
  for (int w = 0; w < kWriters; ++w) expected.push_back("Writer" + std::to_string(w) + "=" + std::to_string(kRounds - 1));
  EXPECT_EQ(added, expected);
}

TEST_F(ProfileConcurrencyTest, KilledWriterLeavesAWholeFile) {
  const std::string original = OriginalEntries();
  Put(Path("VB.INI"), original);
  const std::string values[] = {std::string(2000, 'a'), std::string(3000, 'b')};
  const std::vector<std::string> versions = {original, original + "Killed.Key=" + values[0] + "\r\n",
                                             original + "Killed.Key=" + values[1] + "\r\n"};

  for (int attempt = 0; attempt < 5; ++attempt) {
    const pid_t child = Spawn([&values] {
      for (int i = 0;; ++i) WritePrivateProfileStringA("Add-Ins32", "Killed.Key", values[i % 2].c_str(), "VB.INI");
      return true;
    });
    usleep(20000 + 15000 * attempt);
    ASSERT_EQ(kill(child, SIGKILL), 0);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);

    const std::string text = Take(Path("VB.INI")).value_or("");
    EXPECT_NE(std::find(versions.begin(), versions.end(), text), versions.end())
        << "attempt " << attempt << ": torn file of " << text.size() << " bytes";
  }

  // Whatever the killed writers left behind, the file still takes changes.
  ASSERT_NE(WritePrivateProfileStringA("Add-Ins32", "After.Kill", "1", "VB.INI"), 0);
  char buffer[16];
  EXPECT_EQ(GetPrivateProfileStringA("Add-Ins32", "After.Kill", "", buffer, sizeof buffer, "VB.INI"), 1u);
  EXPECT_EQ(GetPrivateProfileStringA("Settings", "Keep0", "", buffer, sizeof buffer, "VB.INI"), 7u);
}

}  // namespace
}  // namespace quillon
