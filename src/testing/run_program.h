// Runs a program for a test, without a shell, and collects its output and exit status.
#pragma once

#include <string>
#include <vector>

namespace quillon::testing {

struct ProgramResult {
  int exit_code = -1;  // the exit status, or 128 + the signal that ended the program
  std::string out;
  std::string err;
};

// Runs `argv[0]` with `argv`, in this process's environment plus `environment`
// ("NAME=value" entries, which win over inherited ones), with no standard input.
ProgramResult RunProgram(const std::vector<std::string>& argv,
                         const std::vector<std::string>& environment = {});

}  // namespace quillon::testing
