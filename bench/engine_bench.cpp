// Engine operations, ns per call, beside the floor of the sizing: the two
// powers that one SizeVessel cannot avoid.
#include <benchmark/benchmark.h>

#include <cmath>

#include "brenmor/design_state.h"
#include "brenmor/number_text.h"
#include "brenmor/sizing.h"
#include "brenmor/units.h"
#include "ratio_report.h"

namespace {

using namespace brenmor;

void BM_CalcF(benchmark::State& state) {
  double P = 100;
  const double C = 0.0625;
  const double S = 16000;
  const double E = 0.8;
  for (auto _ : state) {
    benchmark::DoNotOptimize(P);
    benchmark::DoNotOptimize(CalcF(P, C, S, E));
  }
}
BENCHMARK(BM_CalcF);

void BM_SizeVessel(benchmark::State& state) {
  double F = 0.125;
  double V = 1000;
  for (auto _ : state) {
    benchmark::DoNotOptimize(F);
    benchmark::DoNotOptimize(V);
    benchmark::DoNotOptimize(SizeVessel(F, V));
  }
}
BENCHMARK(BM_SizeVessel);

// The same two powers as SizeVessel at F = 0.125 (rows 5 and 6).
void BM_TwoPowFloor(benchmark::State& state) {
  double V = 1000;
  const double Blo = 0.266;
  const double Bhi = 0.259;
  for (auto _ : state) {
    benchmark::DoNotOptimize(V);
    benchmark::DoNotOptimize(std::pow(V, Blo));
    benchmark::DoNotOptimize(std::pow(V, Bhi));
  }
}
BENCHMARK(BM_TwoPowFloor);

void BM_CalculateWithFormatting(benchmark::State& state) {
  DesignState design;
  design.LoadDefaults("100", "0.0625", "16000", "0.8", "1000");
  for (auto _ : state) benchmark::DoNotOptimize(design.Calculate());
}
BENCHMARK(BM_CalculateWithFormatting);

void BM_ParseValue(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ParseValue(" 145.03824327658526 "));
}
BENCHMARK(BM_ParseValue);

void BM_FormatValue(benchmark::State& state) {
  double x = 145.038;
  for (auto _ : state) {
    benchmark::DoNotOptimize(x);
    benchmark::DoNotOptimize(FormatValue(x));
  }
}
BENCHMARK(BM_FormatValue);

void BM_ConvertToBase(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(ConvertToBase(Field::P, 1, "10"));
}
BENCHMARK(BM_ConvertToBase);

}  // namespace

int main(int argc, char* argv[]) {
  const RecordingReporter results = RunBenchmarks(argc, argv);
  const double floor = results.ns("BM_TwoPowFloor");
  bool ok =
      ReportTarget("ratio", "SizeVessel/two-pow floor", results.ns("BM_SizeVessel") / floor, 1.5);
  ok &= ReportTarget("time", "Calculate with formatting", results.ns("BM_CalculateWithFormatting"),
                     1000, " ns");
  return ok ? 0 : 1;
}
