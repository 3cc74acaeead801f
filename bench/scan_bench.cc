// Measures the source scan: Analyse on a corpus of lines and on a file with no line end,
// the straightforward scan, and grep and ripgrep where installed. Each measurement runs
// in a fresh child process, so that its peak resident memory is its own.
//
//   scan_bench KEYWORDS CORPUS NO_LINE_END SLICE WORK_DIR
// SLICE is the start of CORPUS on which the slow straightforward scan is timed.
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "analysis/date_analysis.h"
#include "analysis/scan_reference.h"
#include "runtime/text_input.h"

namespace quillon {
namespace {

constexpr int kRuns = 3;

struct Quiet : ProgressList, MessageBox, EventPump {
  void AddItem(const std::string&) override {}
  void Refresh() override {}
  void Show(const std::string& prompt, MsgBoxIcon, const std::string&) override {
    std::cerr << "message: " << prompt << '\n';
    std::exit(1);
  }
  void DoEvents() override {}
};

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// In the child: analyses FILE with the keyword list KEYWORDS, the straightforward scan
// when `naive`; prints the seconds the scan took.
int Child(bool naive, const std::string& keywords, const std::string& file, const std::string& log) {
  Quiet ui;
  SystemClock clock;
  DateAnalysis analysis({ui, ui, clock, keywords});
  analysis.SetupKeywords(ui);
  const auto start = std::chrono::steady_clock::now();
  if (naive) {
    LineCounts counts;
    std::vector<int32_t> hits(analysis.strKeywords.size(), 0);
    TextInput in(file);
    ScanReference(analysis.strKeywords, in, counts, hits);
  } else {
    analysis.Analyse(file, "Corpus", log);
  }
  std::printf("%.6f\n", Seconds(start));
  return 0;
}

struct Figure {
  double seconds = 0;
  long peak_kib = 0;
};

// Runs `argv` in a child process and reads its standard output through a pipe (GNU grep
// stops at the first match when its output is /dev/null). The time is the child's own
// figure when it prints one, else the wall-clock time.
std::optional<Figure> Run(const std::vector<std::string>& argv, bool prints_seconds) {
  int pipe_fds[2];
  if (pipe(pipe_fds) != 0) return std::nullopt;
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    dup2(pipe_fds[1], STDOUT_FILENO);
    close(pipe_fds[0]);
    execvp(args[0], args.data());
    _exit(127);
  }
  close(pipe_fds[1]);
  std::string text;
  char buffer[256];
  for (ssize_t got; (got = read(pipe_fds[0], buffer, sizeof buffer)) > 0;) text.append(buffer, got);
  close(pipe_fds[0]);
  int status = 0;
  struct rusage usage {};
  if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status)) return std::nullopt;
  // grep and rg exit with 1 when nothing matched; only a failure to start counts.
  if (WEXITSTATUS(status) > 1) return std::nullopt;
  Figure figure{prints_seconds ? std::atof(text.c_str()) : Seconds(start), usage.ru_maxrss};
  return figure;
}

// The best of kRuns runs: the least time, and the peak memory of that run.
std::optional<Figure> Best(const std::vector<std::string>& argv, bool prints_seconds, int runs = kRuns) {
  std::optional<Figure> best;
  for (int i = 0; i < runs; ++i) {
    const auto figure = Run(argv, prints_seconds);
    if (!figure) return std::nullopt;
    if (!best || figure->seconds < best->seconds) best = figure;
  }
  return best;
}

bool Installed(const std::string& tool) {
  return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0;
}

double FileMegabytes(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 ? st.st_size / 1e6 : 0;
}

struct Row {
  std::string what;
  std::string on;
  double megabytes;
  std::optional<Figure> figure;
  double MBps() const { return figure ? megabytes / figure->seconds : 0; }
};

void Print(const std::vector<Row>& rows, double analyse_mbps) {
  std::printf("%-34s %-22s %10s %12s %19s\n", "measurement", "file", "MB/s", "peak RSS", "Analyse on corpus");
  for (const auto& row : rows) {
    if (!row.figure) {
      std::printf("%-34s %-22s %10s\n", row.what.c_str(), row.on.c_str(), "not run");
      continue;
    }
    std::printf("%-34s %-22s %10.0f %8.1f MiB", row.what.c_str(), row.on.c_str(), row.MBps(),
                row.figure->peak_kib / 1024.0);
    if (row.what == "Analyse") {
      std::printf("\n");
    } else {
      std::printf(" %11.2fx faster\n", analyse_mbps / row.MBps());
    }
  }
}

// rows[0] and rows[1] are Analyse on the corpus and on the file with no line end; rg,
// when it ran, is the last row.
void PrintTargets(const std::vector<Row>& rows) {
  const auto verdict = [](bool met) { return met ? "met" : "NOT met"; };
  const double analyse_mbps = rows[0].MBps();
  const long peak = std::max(rows[0].figure->peak_kib, rows[1].figure->peak_kib);
  std::printf("target: Analyse at least 1000 MB/s on the corpus: %s\n", verdict(analyse_mbps >= 1000));
  std::printf("target: peak RSS at most 16 MiB on both files: %s\n", verdict(peak <= 16 * 1024));
  if (rows.back().what.rfind("rg", 0) == 0 && rows.back().figure) {
    std::printf("target: Analyse at least twice as fast as rg: %s\n", verdict(analyse_mbps >= 2 * rows.back().MBps()));
  }
}

int Bench(const std::string& self, const std::string& keywords, const std::string& corpus,
          const std::string& single, const std::string& slice, const std::string& work) {
  // grep and rg take the same keywords, one a line, without the quotes.
  const std::string patterns = work + "/keywords.lf";
  {
    TextInput in(keywords);
    std::ofstream out(patterns, std::ios::binary);
    while (!in.AtEnd()) out << strRemoveQuotes(in.ReadLine()) << '\n';
  }
  const std::string log = work + "/bench.log";
  const double corpus_mb = FileMegabytes(corpus);
  const auto label = [](const std::string& name, double mb) { return name + " " + std::to_string(int(mb + 0.5)) + " MB"; };

  std::vector<Row> rows;
  rows.push_back({"Analyse", label("corpus", corpus_mb), corpus_mb,
                  Best({self, "--child", "analyse", keywords, corpus, log}, true)});
  const double analyse_mbps = rows.back().MBps();
  rows.push_back({"Analyse", label("no line end", FileMegabytes(single)), FileMegabytes(single),
                  Best({self, "--child", "analyse", keywords, single, log}, true)});
  rows.push_back({"straightforward scan", label("corpus start", FileMegabytes(slice)), FileMegabytes(slice),
                  Best({self, "--child", "naive", keywords, slice, log}, true, 1)});
  if (Installed("grep")) {
    rows.push_back({"LC_ALL=C grep -c -i -F -f", label("corpus", corpus_mb), corpus_mb,
                    Best({"env", "LC_ALL=C", "grep", "-c", "-i", "-F", "-f", patterns, corpus}, false)});
  }
  if (Installed("rg")) {
    rows.push_back({"rg --no-mmap -c -i -F -f", label("corpus", corpus_mb), corpus_mb,
                    Best({"rg", "--no-mmap", "-c", "-i", "-F", "-f", patterns, corpus}, false)});
  }
  Print(rows, analyse_mbps);
  std::printf("\nMB = 10^6 bytes; best of %d runs (the straightforward scan: one run); peak RSS of the whole process.\n", kRuns);
  if (!rows[0].figure || !rows[1].figure) return 1;
  PrintTargets(rows);
  return 0;
}

}  // namespace
}  // namespace quillon

int main(int argc, char** argv) {
  if (argc == 6 && std::strcmp(argv[1], "--child") == 0) {
    return quillon::Child(std::strcmp(argv[2], "naive") == 0, argv[3], argv[4], argv[5]);
  }
  if (argc != 6) {
    std::fprintf(stderr, "usage: scan_bench KEYWORDS CORPUS NO_LINE_END SLICE WORK_DIR\n");
    return 2;
  }
  return quillon::Bench("/proc/self/exe", argv[1], argv[2], argv[3], argv[4], argv[5]);
}
