// Engine operations, ns per call, beside the floor of the sizing: the same
// arithmetic for one segment already known, without the search or the checks.
#include <benchmark/benchmark.h>

#include <cmath>

#include "brenmor/calculation/calculation.h"
#include "brenmor/design/units.h"
#include "brenmor/form/design_state.h"
#include "brenmor/numbers/number_text.h"
#include "brenmor/sizing/sizing.h"
#include "brenmor/wall/wall.h"
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

// SizeVessel's arithmetic for one segment already known (rows 5 and 6), in
// the same order, called and answered the same way, but without the search
// or the checks.
[[gnu::noinline]] VesselSize OneSegment(double F, double V) {
  const SizingRow& lo = SizingTable[4];
  const SizingRow& hi = SizingTable[5];
  const double Dlo = lo.A * std::pow(V, lo.B) * 25.4 * 12;
  const double Dhi = hi.A * std::pow(V, hi.B) * 25.4 * 12;
  const double D = Dlo + (F - lo.Ft) * ((Dhi - Dlo) / (hi.Ft - lo.Ft));
  const double metres = D / 1000;
  const double L = ((4 * V) / 35.287552) / (metres * metres * 3.14159265358979) * 1000;
  return {ProblemKind::None, D, L, 6, Dlo, Dhi};
}

void BM_OneSegmentFloor(benchmark::State& state) {
  double F = 0.125;
  double V = 1000;
  for (auto _ : state) {
    benchmark::DoNotOptimize(F);
    benchmark::DoNotOptimize(V);
    benchmark::DoNotOptimize(OneSegment(F, V));
  }
}
BENCHMARK(BM_OneSegmentFloor);

// The window's Calculate: the whole calculation, its wall and least weight
// among it, and every figure written as it is shown.
void BM_CalculateWithFormatting(benchmark::State& state) {
  DesignState design;
  design.LoadDefaults("100", "0.0625", "16000", "0.8", "1000");
  for (auto _ : state) benchmark::DoNotOptimize(design.Calculate({}));
}
BENCHMARK(BM_CalculateWithFormatting);

// The wall and weight of the handbook's vessel, the diameter of least weight
// among them: what every row of a list costs on top of its sizing.
void BM_WallOf(benchmark::State& state) {
  DesignValues v{300, 0.125, 17000, 1, 1500};
  const VesselSize size = SizeDesign(v.P, v.C, v.S, v.E, v.V).size;
  for (auto _ : state) {
    benchmark::DoNotOptimize(v);
    benchmark::DoNotOptimize(WallOf(v, size, {}));
  }
}
BENCHMARK(BM_WallOf);

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
  const double floor = results.ns("BM_OneSegmentFloor");
  bool ok = ReportTarget("ratio", "SizeVessel/one-segment floor",
                         results.ns("BM_SizeVessel") / floor, 1.15);
  ok &= ReportTarget("time", "Calculate with formatting", results.ns("BM_CalculateWithFormatting"),
                     1000, " ns");
  return ok ? 0 : 1;
}
