// brenmor-size on a list of 1,000,000 vessels beside awk reading the same
// file and printing F alone, each run 5 times, alternating, as fresh
// processes writing to a file: the median wall times, their ratio, rows per
// second and peak memory. The same list cut to 100,000 rows shows that
// memory does not grow with the rows.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <random>
#include <string>
#include <vector>

#include "ratio_report.h"

namespace {

constexpr int kRuns = 5;
constexpr int kRows = 1'000'000;
constexpr int kFewRows = 100'000;

struct Finished {
  bool ok = false;
  double seconds = 0;
  double peakMiB = 0;
};

double Now() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// Runs `args` to its end with its standard output in `output`.
Finished Run(std::vector<std::string> args, const std::string& output) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  const double started = Now();
  pid_t pid = 0;
  const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return {};
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  // brenmor-size exits 0 when every row was sized, as every row here is.
  return {WIFEXITED(status) && WEXITSTATUS(status) == 0, Now() - started,
          static_cast<double>(usage.ru_maxrss) / 1024};
}

// A list as an equipment list might be: a tag, then P, C, S, E and V.
void WriteList(const std::string& path, int rows) {
  std::FILE* file = std::fopen(path.c_str(), "w");
  std::mt19937 random(20261208);
  std::uniform_real_distribution<double> pressure(10, 500);
  std::uniform_real_distribution<double> volume(50, 5000);
  const char* allowances[] = {"0.0625", "0.125", "0.25"};
  const char* stresses[] = {"16000", "17500", "20000"};
  const char* efficiencies[] = {"0.7", "0.85", "1"};
  std::fputs("Tag,P,C,S,E,V\n", file);
  for (int i = 0; i < rows; ++i) {
    std::fprintf(file, "V-%d,%.1f,%s,%s,%s,%.0f\n", i, pressure(random), allowances[random() % 3],
                 stresses[random() % 3], efficiencies[random() % 3], volume(random));
  }
  std::fclose(file);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::string sizer = argc > 1 ? argv[1] : "./brenmor-size";
  char folder[] = "/tmp/brenmor-list-bench-XXXXXX";
  if (mkdtemp(folder) == nullptr) return 2;
  const std::string dir = folder;
  const std::string list = dir + "/list.csv";
  const std::string few = dir + "/few.csv";
  WriteList(list, kRows);
  WriteList(few, kFewRows);
  const std::string awkProgram = "{print $0\",\"$2/($3*$4*$5)}";

  std::vector<double> sizeSeconds;
  std::vector<double> awkSeconds;
  std::vector<double> sizeMemory;
  std::vector<double> fewMemory;
  bool ok = true;
  for (int run = 0; run < kRuns && ok; ++run) {
    const Finished sized = Run({sizer, "--csv", list}, dir + "/sized.csv");
    const Finished awk = Run({"awk", "-F,", awkProgram, list}, dir + "/awk.csv");
    const Finished fewSized = Run({sizer, "--csv", few}, dir + "/few-sized.csv");
    ok = sized.ok && awk.ok && fewSized.ok;
    sizeSeconds.push_back(sized.seconds);
    awkSeconds.push_back(awk.seconds);
    sizeMemory.push_back(sized.peakMiB);
    fewMemory.push_back(fewSized.peakMiB);
  }
  std::remove(list.c_str());
  std::remove(few.c_str());
  for (const char* name : {"/sized.csv", "/awk.csv", "/few-sized.csv"}) {
    std::remove((dir + name).c_str());
  }
  rmdir(folder);
  if (!ok) {
    std::fprintf(stderr, "a run failed: %s or awk did not finish cleanly\n", sizer.c_str());
    return 2;
  }

  const double seconds = Median(sizeSeconds);
  std::printf("list of %d rows: brenmor-size median %.3f s (%.0f rows/s), awk median %.3f s\n",
              kRows, seconds, kRows / seconds, Median(awkSeconds));
  std::printf("peak RSS of brenmor-size: %.1f MiB at %d rows, %.1f MiB at %d rows\n",
              Median(sizeMemory), kRows, Median(fewMemory), kFewRows);
  bool met = ReportTarget("ratio", "list brenmor-size/awk", seconds / Median(awkSeconds), 1.0);
  met &= ReportTarget("ratio", "peak memory 1,000,000 rows/100,000 rows",
                      Median(sizeMemory) / Median(fewMemory), 1.1);
  return met ? 0 : 1;
}
