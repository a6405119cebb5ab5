// Start-up of frmBrenmor against a window of the same widgets without its
// logic (the floor), each started 20 times as a fresh process, alternating:
// the median time from spawning the process to its first painted frame, and
// the median peak resident memory. A bare QWidget of the same size is shown
// for information: the font system's start is most of the gap to it.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "ratio_report.h"

namespace {

constexpr int kRuns = 20;

struct Sample {
  double milliseconds;
  double peakMiB;
};

long long MonotonicNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

bool Start(const std::string& probe, const char* kind, Sample& sample) {
  std::array<int, 2> out{};
  if (pipe(out.data()) != 0) return false;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  std::vector<char*> args = {const_cast<char*>(probe.c_str()), const_cast<char*>(kind), nullptr};
  const long long started = MonotonicNs();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, probe.c_str(), &actions, nullptr, args.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (spawned != 0) {
    close(out[0]);
    return false;
  }
  std::array<char, 64> text{};
  const ssize_t length = read(out[0], text.data(), text.size() - 1);
  close(out[0]);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  if (length <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return false;
  sample.milliseconds = static_cast<double>(std::stoll(text.data()) - started) / 1e6;
  sample.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024;
  return true;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::string probe = argc > 1 ? argv[1] : "./startup_probe";
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  constexpr int kKinds = 3;
  const std::array<const char*, kKinds> kinds = {"window", "floor", "empty"};
  std::array<std::vector<double>, kKinds> time;
  std::array<std::vector<double>, kKinds> memory;
  for (int run = 0; run < kRuns; ++run) {
    for (int k = 0; k < kKinds; ++k) {
      Sample sample{};
      if (!Start(probe, kinds[k], sample)) {
        std::fprintf(stderr, "could not start %s %s\n", probe.c_str(), kinds[k]);
        return 2;
      }
      time[k].push_back(sample.milliseconds);
      memory[k].push_back(sample.peakMiB);
    }
  }
  for (int k = 0; k < kKinds; ++k) {
    std::printf("start-up %-6s: median %.1f ms to first paint, peak RSS %.1f MiB (%d runs)\n",
                kinds[k], Median(time[k]), Median(memory[k]), kRuns);
  }
  bool ok = ReportTarget("ratio", "start-up time frmBrenmor/floor",
                         Median(time[0]) / Median(time[1]), 1.10);
  ok &= ReportTarget("ratio", "peak memory frmBrenmor/floor", Median(memory[0]) / Median(memory[1]),
                     1.05);
  std::printf("for information: frmBrenmor/empty QWidget: start-up %.2f, memory %.2f\n",
              Median(time[0]) / Median(time[2]), Median(memory[0]) / Median(memory[2]));
  return ok ? 0 : 1;
}
