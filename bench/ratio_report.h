// Collects Google Benchmark's results by name, so that a benchmark binary can
// print the ratios and targets that a script reads:
//   ratio <name>: <value> (target <= <limit>) ok|MISS
// Each benchmark runs repeatedly, interleaved at random with the others, and
// its median counts: a neighbour's burst on a shared machine then moves one
// repetition of one side, not the ratio.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

class RecordingReporter : public benchmark::ConsoleReporter {
 public:
  RecordingReporter() : ConsoleReporter(OO_Tabular) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
        nanoseconds_[run.run_name.str()] =
            run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1e9;
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
  double ns(const std::string& name) const {
    const auto found = nanoseconds_.find(name);
    return found == nanoseconds_.end() ? 0 : found->second;
  }

 private:
  std::map<std::string, double> nanoseconds_;
};

// One line per target; returns whether it was met.
inline bool ReportTarget(const char* kind, const std::string& name, double value, double limit,
                         const char* unit = "") {
  const bool ok = value <= limit;
  std::printf("%s %s: %.3g%s (target <= %g%s) %s\n", kind, name.c_str(), value, unit, limit, unit,
              ok ? "ok" : "MISS");
  return ok;
}

// Runs the registered benchmarks, repeated and interleaved, with the command
// line's options after those.
inline RecordingReporter RunBenchmarks(int argc, char* argv[]) {
  std::vector<char*> args = {argv[0]};
  std::string repetitions = "--benchmark_repetitions=9";
  std::string interleaved = "--benchmark_enable_random_interleaving=true";
  std::string aggregates = "--benchmark_report_aggregates_only=true";
  args.insert(args.end(), {repetitions.data(), interleaved.data(), aggregates.data()});
  args.insert(args.end(), argv + 1, argv + argc);
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  RecordingReporter reporter;  // tabular, without colour codes in a log
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return reporter;
}
