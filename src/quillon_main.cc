// The program: the start-up registration first, then the command the line asks for.
#include <clocale>
#include <iostream>

#include "analyse_command.h"
#include "command_line.h"
#include "host/startup.h"
#include "ide_command.h"
#include "runtime/run_error.h"

#ifndef QUILLON_VERSION
#error "the build defines QUILLON_VERSION"
#endif

namespace quillon {
namespace {

int Run(const CommandLine& line) {
  switch (line.command) {
    case CommandLine::Command::kStartupOnly:
      return 0;
    case CommandLine::Command::kHelp:
      std::cout << UsageText();
      return 0;
    case CommandLine::Command::kVersion:
      std::cout << "quillon " << QUILLON_VERSION << "\n";
      return 0;
    case CommandLine::Command::kWrong:
      std::cerr << "quillon: " << line.error << "\n" << UsageText();
      return 2;
    case CommandLine::Command::kAnalyse:
      return RunAnalyseCommand(line.project, line.log);
    case CommandLine::Command::kIde:
      return RunIdeCommand(line.project);
  }
  return 2;
}

}  // namespace
}  // namespace quillon

int main(int argc, char** argv) {
  std::setlocale(LC_TIME, "");
  quillon::AddInStartup();
  try {
    return quillon::Run(quillon::ParseCommandLine({argv + 1, argv + argc}));
  } catch (const quillon::RuntimeError& error) {
    // A failure no window reported, such as a display that cannot be opened.
    std::cerr << "quillon: Error " << error.number() << ", " << error.description() << "\n";
    return 1;
  }
}
