// The program's command line: which command to run and with what.
#pragma once

#include <string>
#include <vector>

namespace quillon {

struct CommandLine {
  enum class Command { kStartupOnly, kAnalyse, kIde, kHelp, kVersion, kWrong };
  Command command = Command::kStartupOnly;
  std::string project;
  std::string log = "C:\\TEMP\\LOG.TXT";  // the main window's default log path
  std::string error;                     // what is wrong, for kWrong
};

// Parses the arguments after the program's name.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// The usage text, one line per form of the command.
std::string UsageText();

}  // namespace quillon
