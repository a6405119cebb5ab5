// brenmor-size on a list of 1,000,000 vessels beside awk reading the same
// file and printing F alone, each run 5 times, alternating, as fresh
// processes writing to a file: the median wall times, their ratio, rows per
// second and peak memory. The same list cut to 100,000 rows shows that
// memory does not grow with the rows, and the same list with a stray quote
// on its second line that it still comes out whole, in flat memory.
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

// Runs `args` to its end with its standard output in `output`; `sized`
// says whether every row must have been sized (exit status 0) or may have
// been refused or in error (1).
Finished Run(std::vector<std::string> args, const std::string& output, bool sized = true) {
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
  const bool ok = WIFEXITED(status) && WEXITSTATUS(status) == (sized ? 0 : 1);
  return {ok, Now() - started, static_cast<double>(usage.ru_maxrss) / 1024};
}

// A list as an equipment list might be: a tag, then P, C, S, E and V. A
// stray quote puts a closed quote and more text in the first row's tag.
void WriteList(const std::string& path, int rows, bool strayQuote = false) {
  std::FILE* file = std::fopen(path.c_str(), "w");
  std::mt19937 random(20261208);
  std::uniform_real_distribution<double> pressure(10, 500);
  std::uniform_real_distribution<double> volume(50, 5000);
  const char* allowances[] = {"0.0625", "0.125", "0.25"};
  const char* stresses[] = {"16000", "17500", "20000"};
  const char* efficiencies[] = {"0.7", "0.85", "1"};
  std::fputs("Tag,P,C,S,E,V\n", file);
  for (int i = 0; i < rows; ++i) {
    std::fprintf(
        file, i == 0 && strayQuote ? "\"V-%d\"A,%.1f,%s,%s,%s,%.0f\n" : "V-%d,%.1f,%s,%s,%s,%.0f\n",
        i, pressure(random), allowances[random() % 3], stresses[random() % 3],
        efficiencies[random() % 3], volume(random));
  }
  std::fclose(file);
}

std::size_t LinesOf(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "r");
  std::size_t lines = 0;
  for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) lines += c == '\n' ? 1 : 0;
  std::fclose(file);
  return lines;
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
  const std::string stray = dir + "/stray.csv";
  WriteList(list, kRows);
  WriteList(few, kFewRows);
  WriteList(stray, kRows, true);
  const std::string awkProgram = "{print $0\",\"$2/($3*$4*$5)}";

  std::vector<double> sizeSeconds;
  std::vector<double> awkSeconds;
  std::vector<double> sizeMemory;
  std::vector<double> fewMemory;
  std::vector<double> strayMemory;
  std::size_t strayLines = 0;
  bool ok = true;
  for (int run = 0; run < kRuns && ok; ++run) {
    const Finished sized = Run({sizer, "--csv", list}, dir + "/sized.csv");
    const Finished awk = Run({"awk", "-F,", awkProgram, list}, dir + "/awk.csv");
    const Finished fewSized = Run({sizer, "--csv", few}, dir + "/few-sized.csv");
    const Finished straySized = Run({sizer, "--csv", stray}, dir + "/stray-sized.csv", false);
    strayLines = LinesOf(dir + "/stray-sized.csv");
    ok = sized.ok && awk.ok && fewSized.ok && straySized.ok;
    strayMemory.push_back(straySized.peakMiB);
    sizeSeconds.push_back(sized.seconds);
    awkSeconds.push_back(awk.seconds);
    sizeMemory.push_back(sized.peakMiB);
    fewMemory.push_back(fewSized.peakMiB);
  }
  std::remove(list.c_str());
  std::remove(few.c_str());
  std::remove(stray.c_str());
  for (const char* name : {"/sized.csv", "/awk.csv", "/few-sized.csv", "/stray-sized.csv"}) {
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
  const bool whole = strayLines == kRows + 1;  // the header and every row
  std::printf("with a stray quote on line 2: %zu rows out of %d, peak RSS %.1f MiB %s\n",
              strayLines - 1, kRows, Median(strayMemory), whole ? "ok" : "MISS");
  bool met = whole;
  met &= ReportTarget("ratio", "list brenmor-size/awk", seconds / Median(awkSeconds), 0.8);
  met &= ReportTarget("ratio", "peak memory 1,000,000 rows/100,000 rows",
                      Median(sizeMemory) / Median(fewMemory), 1.1);
  met &= ReportTarget("ratio", "peak memory with a stray quote/100,000 rows",
                      Median(strayMemory) / Median(fewMemory), 1.1);
  return met ? 0 : 1;
}
