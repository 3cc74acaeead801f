// The command line's forms and the ones that are wrong.
#include "command_line.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

using Command = CommandLine::Command;

TEST(CommandLineTest, ReadsEachForm) {
  struct Case {
    std::vector<std::string> args;
    Command command;
    std::string project;
    std::string log;
  };
  const Case cases[] = {
      {{}, Command::kStartupOnly, "", "C:\\TEMP\\LOG.TXT"},
      {{"analyse", "p.vbp"}, Command::kAnalyse, "p.vbp", "C:\\TEMP\\LOG.TXT"},
      {{"analyse", "p.vbp", "--log", "r.txt"}, Command::kAnalyse, "p.vbp", "r.txt"},
      {{"analyse", "--log", "", "p.vbp"}, Command::kAnalyse, "p.vbp", ""},
      {{"analyse", "--log=r.txt", "p.vbp"}, Command::kAnalyse, "p.vbp", "r.txt"},
      {{"ide", "p.mak"}, Command::kIde, "p.mak", "C:\\TEMP\\LOG.TXT"},
      {{"--help"}, Command::kHelp, "", "C:\\TEMP\\LOG.TXT"},
      {{"--version"}, Command::kVersion, "", "C:\\TEMP\\LOG.TXT"},
  };
  for (const auto& c : cases) {
    const CommandLine line = ParseCommandLine(c.args);
    EXPECT_EQ(line.command, c.command) << ::testing::PrintToString(c.args);
    EXPECT_EQ(line.project, c.project) << ::testing::PrintToString(c.args);
    EXPECT_EQ(line.log, c.log) << ::testing::PrintToString(c.args);
  }
}

TEST(CommandLineTest, RejectsWhatItCannotRead) {
  const std::vector<std::string> wrong[] = {
      {"analyse"},           {"analyse", "a.vbp", "b.vbp"}, {"analyse", "a.vbp", "--log"},
      {"analyse", "-x", "a.vbp"}, {"ide", "a.vbp", "--log", "x"}, {"frobnicate"},
      {"--help", "extra"},   {"--colour"},
  };
  for (const auto& args : wrong) {
    const CommandLine line = ParseCommandLine(args);
    EXPECT_EQ(line.command, Command::kWrong) << ::testing::PrintToString(args);
    EXPECT_FALSE(line.error.empty());
  }
}

}  // namespace
}  // namespace quillon
