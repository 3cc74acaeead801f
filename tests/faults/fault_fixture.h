// The setting of every fault test: a temporary folder with a copy of the program and
// the keyword list it reads, a Windows directory whose VB.INI already holds the user's
// other settings, a project folder, and a log that already holds the user's text.
// Each run checks that nothing in the project folder was written to.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "log_blocks.h"
#include "testing/program_run.h"
#include "testing/temp_dir.h"

namespace quillon::faults {

using testing::CanHeedFilePermissions;
using testing::ProgramCall;
using testing::ProgramResult;
using testing::RunProgram;
using testing::StartProgram;
using testing::WaitProgram;

// VB.INI as the user had it, and as it must be after a start: the add-in entry added
// after the last entry of its section, nothing else changed.
extern const char kUserIni[];
extern const char kUserIniWithEntry[];

// The text the log held before the run, with no line end at its end.
extern const char kUserLog[];

// The keyword list most tests use.
extern const char kKeywords[];

struct RunOptions {
  std::vector<std::string> extra_env;  // "NAME=value" added to the child's environment
  std::optional<off_t> file_size_limit;
  bool heed_file_permissions = false;
  int timeout_seconds = 120;
};

// Public throughout, so that tables of fault cases can prepare their faults.
class FaultTest : public ::testing::Test {
 public:
  FaultTest();

  // Writes `bytes` to `name` inside the project folder; returns the full path.
  std::string PutSource(const std::string& name, const std::string& bytes);
  // Writes the project file Project.vbp with `lines`, each ended by CR LF; returns its path.
  std::string PutProject(const std::vector<std::string>& lines);
  void PutKeywords(const std::string& bytes);
  // Appends `count` copies of `c` to the file at `path`, a megabyte at a time, so that
  // large fixtures never stand whole in this process's memory.
  static void AppendRepeated(const std::string& path, char c, size_t count);
  static void Append(const std::string& path, const std::string& bytes);

  // Runs "quillon analyse <project> --log <log>" (no --log when `log` is null).
  ProgramResult Analyse(const std::string& project, const char* log, const RunOptions& options = {});
  ProgramResult Analyse(const std::string& project, const std::string& log, const RunOptions& options = {}) {
    return Analyse(project, log.c_str(), options);
  }
  // Runs the program with `args` and the test's environment.
  ProgramResult Run(const std::vector<std::string>& args, const RunOptions& options = {});
  ProgramCall Call(const std::vector<std::string>& args, const RunOptions& options = {}) const;

  // The standard output of a run: the keyword line, then `lines` (each without "\n").
  std::string Progress(const std::vector<std::string>& lines) const;
  // "Date Analysing : <name>, <path>".
  static std::string Analysing(const std::string& name, const std::string& path);

  // Every entry under `folder` but those named in `skip` (relative paths), with the
  // bytes of each regular file, a marker for anything else.
  static std::map<std::string, std::string> Snapshot(const std::string& folder,
                                                     const std::vector<std::string>& skip = {});

  std::string Log() const;
  std::string Ini() const;
  // The log's blocks after the user's text; fails the test when it lost that text.
  ParsedLog LogBlocks() const;


  testing::TempDir root_;
  std::string bin_dir_;
  std::string program_;
  std::string keyword_file_;
  std::string windows_dir_;
  std::string project_dir_;
  std::string log_;
};

}  // namespace quillon::faults
