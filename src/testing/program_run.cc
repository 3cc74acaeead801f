// fork and exec with pipes for the output, a deadline, and the child-side limits.
#include "testing/program_run.h"

#include <fcntl.h>
#include <linux/capability.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <stdexcept>

namespace quillon::testing {
namespace {

// The capabilities that let root read, write and search whatever the modes say.
constexpr int kPermissionOverrides[] = {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER};

// Removes the overrides from the bounding set, so the program exec'd next runs without
// them even as root. Async-signal-safe; false when the system refuses.
bool DropPermissionOverrides() {
  if (geteuid() != 0) return true;
  for (const int cap : kPermissionOverrides) {
    if (prctl(PR_CAPBSET_DROP, cap, 0, 0, 0) != 0) return false;
  }
  return true;
}

std::vector<char*> Pointers(const std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (const auto& s : strings) pointers.push_back(const_cast<char*>(s.c_str()));
  pointers.push_back(nullptr);
  return pointers;
}

// In the child: applies the call's limits, connects stdout and stderr, and execs.
[[noreturn]] void ExecChild(const ProgramCall& call, char** argv, char** envp, int out_fd, int err_fd) {
  const int null_fd = open("/dev/null", O_RDWR);
  if (null_fd < 0 || dup2(null_fd, 0) < 0 || dup2(out_fd, 1) < 0 || dup2(err_fd, 2) < 0) _exit(126);
  if (call.file_size_limit) {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{static_cast<rlim_t>(*call.file_size_limit), static_cast<rlim_t>(*call.file_size_limit)};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(126);
  }
  if (call.heed_file_permissions && !DropPermissionOverrides()) _exit(126);
  // The peak memory figure starts from what this copy of the test holds now, not from
  // the test's own peak, which a forked child inherits.
  const int clear_refs = open("/proc/self/clear_refs", O_WRONLY);
  if (clear_refs >= 0) {
    if (write(clear_refs, "5", 1) != 1) _exit(126);
    close(clear_refs);
  }
  execve(call.program.c_str(), argv, envp);
  _exit(127);
}

struct Spawned {
  pid_t pid;
  int out_fd;  // read ends, -1 when the output goes to /dev/null
  int err_fd;
};

Spawned Spawn(const ProgramCall& call, bool capture) {
  std::vector<std::string> args{call.program};
  args.insert(args.end(), call.args.begin(), call.args.end());
  auto argv = Pointers(args);
  auto envp = Pointers(call.env);
  int out[2] = {-1, -1};
  int err[2] = {-1, -1};
  if (capture) {
    if (pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  } else {
    out[1] = err[1] = open("/dev/null", O_WRONLY | O_CLOEXEC);
  }
  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) ExecChild(call, argv.data(), envp.data(), out[1], err[1]);
  close(out[1]);
  if (err[1] != out[1]) close(err[1]);
  return {pid, out[0], err[0]};
}

double Seconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// Reads both pipes to their end, killing the child once the deadline passes.
void Collect(const Spawned& child, int timeout_seconds, ProgramResult& result) {
  pollfd fds[2] = {{child.out_fd, POLLIN, 0}, {child.err_fd, POLLIN, 0}};
  std::string* sinks[2] = {&result.out, &result.err};
  const double deadline = Seconds() + timeout_seconds;
  int open_pipes = 2;
  while (open_pipes > 0) {
    const double left = deadline - Seconds();
    if (left <= 0 && !result.timed_out) {
      kill(child.pid, SIGKILL);
      result.timed_out = true;
    }
    const int ready = poll(fds, 2, result.timed_out ? 1000 : static_cast<int>(left * 1000) + 1);
    if (ready < 0 && errno != EINTR) throw std::runtime_error("poll failed");
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      char chunk[65536];
      const ssize_t got = read(fds[i].fd, chunk, sizeof chunk);
      if (got > 0) {
        sinks[i]->append(chunk, static_cast<size_t>(got));
      } else if (got == 0 || errno != EINTR) {
        close(fds[i].fd);
        fds[i].fd = -1;
        --open_pipes;
      }
    }
  }
}

}  // namespace

ProgramResult WaitProgram(pid_t pid) {
  ProgramResult result;
  int status = 0;
  rusage usage{};
  while (wait4(pid, &status, 0, &usage) < 0) {
    if (errno != EINTR) throw std::runtime_error("wait4 failed");
  }
  if (WIFEXITED(status)) result.exit_code = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
  result.max_rss_kb = usage.ru_maxrss;
  return result;
}

ProgramResult RunProgram(const ProgramCall& call) {
  const Spawned child = Spawn(call, true);
  ProgramResult collected;
  Collect(child, call.timeout_seconds, collected);
  ProgramResult result = WaitProgram(child.pid);
  result.timed_out = collected.timed_out;
  result.out = std::move(collected.out);
  result.err = std::move(collected.err);
  return result;
}

pid_t StartProgram(const ProgramCall& call) { return Spawn(call, false).pid; }

bool CanHeedFilePermissions() {
  if (geteuid() != 0) return true;
  const pid_t pid = fork();
  if (pid < 0) return false;
  if (pid == 0) _exit(DropPermissionOverrides() ? 0 : 1);
  return WaitProgram(pid).exit_code == 0;
}

}  // namespace quillon::testing
