// The fault tests' folder, program copy, environment and checks after each run.
#include "fault_fixture.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#ifndef QUILLON_BINARY
#error "the build defines QUILLON_BINARY, the path of the quillon executable"
#endif

namespace quillon::faults {

namespace fs = std::filesystem;

const char kUserIni[] =
    "[Visual Basic]\r\n"
    "vbpath=C:\\VB\r\n"
    "; the user's own remark\r\n"
    "\r\n"
    "[Add-Ins32]\r\n"
    "AppWizard.Wizard=0\r\n"
    "  DataForm.Wizard = 1 \r\n"
    "\r\n"
    "[Last Files]\r\n"
    "File1=C:\\PROJECTS\\PAYROLL.VBP";
const char kUserIniWithEntry[] =
    "[Visual Basic]\r\n"
    "vbpath=C:\\VB\r\n"
    "; the user's own remark\r\n"
    "\r\n"
    "[Add-Ins32]\r\n"
    "AppWizard.Wizard=0\r\n"
    "  DataForm.Wizard = 1 \r\n"
    "Quillon.QlnClass=0\r\n"
    "\r\n"
    "[Last Files]\r\n"
    "File1=C:\\PROJECTS\\PAYROLL.VBP";

const char kUserLog[] = "Review notes kept by hand\r\nlast line without an end";

const char kKeywords[] = "\"CVDate(\"\r\n\"Year(\"\r\n";

namespace {

// A hard link where the file system allows one, else a copy: the program finds its
// keyword list through /proc/self/exe, which names the link it was started through.
void PlaceProgram(const std::string& from, const std::string& to) {
  std::error_code error;
  fs::create_hard_link(from, to, error);
  if (error) fs::copy_file(from, to, fs::copy_options::overwrite_existing);
}

// The bytes of a small file; for a large one its size and a hash of its bytes, so that
// a snapshot stays small (a child forked from this process starts with its memory).
std::string Contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "<unreadable>";
  std::string bytes;
  uint64_t hash = 1469598103934665603u;  // FNV-1a
  size_t size = 0;
  char chunk[65536];
  while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
    const auto got = static_cast<size_t>(in.gcount());
    for (size_t i = 0; i < got; ++i) hash = (hash ^ static_cast<unsigned char>(chunk[i])) * 1099511628211u;
    if (size < sizeof chunk) bytes.append(chunk, got);
    size += got;
  }
  if (size <= sizeof chunk) return bytes;
  return "<" + std::to_string(size) + " bytes, hash " + std::to_string(hash) + ">";
}

std::string Describe(const fs::directory_entry& entry) {
  const auto status = entry.symlink_status();
  if (fs::is_directory(status)) return "<folder>";
  if (fs::is_fifo(status)) return "<fifo>";
  if (fs::is_symlink(status)) return "<link to " + fs::read_symlink(entry.path()).string() + ">";
  if (!fs::is_regular_file(status)) return "<other>";
  return Contents(entry.path());
}

}  // namespace

FaultTest::FaultTest()
    : bin_dir_(root_ / "bin"),
      program_(bin_dir_ + "/quillon"),
      keyword_file_(bin_dir_ + "/keywords.txt"),
      windows_dir_(root_ / "windows"),
      project_dir_(root_ / "project"),
      log_(root_ / "review.txt") {
  for (const auto& folder : {bin_dir_, windows_dir_, project_dir_}) fs::create_directories(folder);
  PlaceProgram(QUILLON_BINARY, program_);
  testing::WriteFile(keyword_file_, kKeywords);
  testing::WriteFile(windows_dir_ + "/VB.INI", kUserIni);
  testing::WriteFile(log_, kUserLog);
}

std::string FaultTest::PutSource(const std::string& name, const std::string& bytes) {
  const std::string path = project_dir_ + "/" + name;
  fs::create_directories(fs::path(path).parent_path());
  testing::WriteFile(path, bytes);
  return path;
}

std::string FaultTest::PutProject(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return PutSource("Project.vbp", text);
}

void FaultTest::PutKeywords(const std::string& bytes) { testing::WriteFile(keyword_file_, bytes); }

void FaultTest::AppendRepeated(const std::string& path, char c, size_t count) {
  std::ofstream out(path, std::ios::binary | std::ios::app);
  const std::string chunk(1 << 20, c);
  for (; count > 0; count -= std::min(count, chunk.size())) out.write(chunk.data(), std::min(count, chunk.size()));
  ASSERT_TRUE(out.good()) << path;
}

void FaultTest::Append(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::app);
  out << bytes;
  ASSERT_TRUE(out.good()) << path;
}

ProgramCall FaultTest::Call(const std::vector<std::string>& args, const RunOptions& options) const {
  ProgramCall call;
  call.program = program_;
  call.args = args;
  // Only what the program reads: its Windows directory, a home of its own, the C
  // locale for a fixed long date, and the sanitizers' settings when they run.
  call.env = {"WINDIR=" + windows_dir_, "HOME=" + (root_ / "home"), "LC_ALL=C"};
  for (const char* name : {"ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"}) {
    if (const char* value = std::getenv(name)) call.env.push_back(std::string(name) + "=" + value);
  }
  call.env.insert(call.env.end(), options.extra_env.begin(), options.extra_env.end());
  call.file_size_limit = options.file_size_limit;
  call.heed_file_permissions = options.heed_file_permissions;
  call.timeout_seconds = options.timeout_seconds;
  return call;
}

ProgramResult FaultTest::Run(const std::vector<std::string>& args, const RunOptions& options) {
  const auto before = Snapshot(project_dir_);
  ProgramResult result = RunProgram(Call(args, options));
  EXPECT_FALSE(result.timed_out) << "the program hung and was killed";
  EXPECT_EQ(result.signal, 0) << "the program died of a signal\n" << result.err;
  EXPECT_EQ(Snapshot(project_dir_), before) << "the run changed the project folder";
  return result;
}

ProgramResult FaultTest::Analyse(const std::string& project, const char* log, const RunOptions& options) {
  std::vector<std::string> args{"analyse", project};
  if (log != nullptr) args.insert(args.end(), {"--log", log});
  return Run(args, options);
}

std::string FaultTest::Progress(const std::vector<std::string>& lines) const {
  std::string out = "Reading date keywords from : " + keyword_file_ + "\n";
  for (const auto& line : lines) out += line + "\n";
  return out;
}

std::string FaultTest::Analysing(const std::string& name, const std::string& path) {
  return "Date Analysing : " + name + ", " + path;
}

std::string FaultTest::Log() const { return testing::ReadFile(log_); }

std::string FaultTest::Ini() const { return testing::ReadFile(windows_dir_ + "/VB.INI"); }

ParsedLog FaultTest::LogBlocks() const {
  const std::string log = Log();
  const std::string user(kUserLog);
  EXPECT_EQ(log.substr(0, user.size()), user) << "the user's text in the log changed";
  return ParseLog(std::string_view(log).substr(std::min(user.size(), log.size())));
}

std::map<std::string, std::string> FaultTest::Snapshot(const std::string& folder,
                                                       const std::vector<std::string>& skip) {
  std::map<std::string, std::string> snapshot;
  for (auto it = fs::recursive_directory_iterator(folder); it != fs::recursive_directory_iterator(); ++it) {
    const std::string name = fs::relative(it->path(), folder).string();
    if (std::find(skip.begin(), skip.end(), name) != skip.end()) {
      if (it->is_directory()) it.disable_recursion_pending();
      continue;
    }
    snapshot[name] = Describe(*it);
  }
  return snapshot;
}

}  // namespace quillon::faults
