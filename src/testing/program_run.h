// Runs a program as a child process, without a shell, and collects what the fault tests
// look at: its standard output and error, how it ended, and its peak memory.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

namespace quillon::testing {

struct ProgramCall {
  std::string program;
  std::vector<std::string> args;  // after the program's name
  std::vector<std::string> env;   // the child's whole environment, "NAME=value" each
  // Sets RLIMIT_FSIZE in the child, with SIGXFSZ ignored, so a write past the limit
  // fails with EFBIG as on a full disk.
  std::optional<off_t> file_size_limit;
  // For a child run as root: drops the capabilities that let root ignore file
  // permissions, so that unreadable files and read-only folders refuse root too.
  bool heed_file_permissions = false;
  int timeout_seconds = 120;
};

struct ProgramResult {
  int exit_code = -1;       // -1 when it did not exit normally
  int signal = 0;           // the signal that ended it, if one did
  bool timed_out = false;   // killed after the call's timeout
  std::string out;
  std::string err;
  long max_rss_kb = 0;      // peak resident set size
};

ProgramResult RunProgram(const ProgramCall& call);

// Starts the program and returns at once, for runs that overlap; Wait collects it.
// Output goes to /dev/null.
pid_t StartProgram(const ProgramCall& call);
ProgramResult WaitProgram(pid_t pid);

// True when this process can run a child that heeds file permissions: always for a
// user other than root, and for root when it may drop those capabilities.
bool CanHeedFilePermissions();

}  // namespace quillon::testing
