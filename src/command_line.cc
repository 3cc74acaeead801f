// Parsing of "quillon [analyse PROJECT [--log PATH] | ide PROJECT | --help | --version]".
#include "command_line.h"

namespace quillon {
namespace {

CommandLine Wrong(const std::string& error) {
  CommandLine line;
  line.command = CommandLine::Command::kWrong;
  line.error = error;
  return line;
}

// Reads the options of "analyse" and "ide" from args[1] on.
CommandLine ParseProjectCommand(CommandLine line, const std::vector<std::string>& args) {
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (line.command == CommandLine::Command::kAnalyse && arg == "--log") {
      if (++i == args.size()) return Wrong("--log needs a path");
      line.log = args[i];
    } else if (line.command == CommandLine::Command::kAnalyse && arg.rfind("--log=", 0) == 0) {
      line.log = arg.substr(6);
    } else if (arg.size() > 1 && arg[0] == '-') {
      return Wrong("unknown option " + arg);
    } else if (line.project.empty()) {
      line.project = arg;
    } else {
      return Wrong("more than one project: " + arg);
    }
  }
  if (line.project.empty()) return Wrong(args[0] + " needs a project file");
  return line;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  CommandLine line;
  if (args.empty()) return line;
  const std::string& first = args[0];
  if ((first == "--help" || first == "-h") && args.size() == 1) line.command = CommandLine::Command::kHelp;
  else if (first == "--version" && args.size() == 1) line.command = CommandLine::Command::kVersion;
  else if (first == "analyse" || first == "analyze") line.command = CommandLine::Command::kAnalyse;
  else if (first == "ide") line.command = CommandLine::Command::kIde;
  else return Wrong("unknown command " + first);
  if (line.command == CommandLine::Command::kAnalyse || line.command == CommandLine::Command::kIde)
    return ParseProjectCommand(line, args);
  return line;
}

std::string UsageText() {
  return "usage: quillon analyse PROJECT.vbp [--log LOGFILE]\n"
         "       quillon ide PROJECT.vbp\n"
         "       quillon [--help | --version]\n";
}

}  // namespace quillon
