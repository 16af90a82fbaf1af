// Hidden power over the IV bounds: the class-reduced search against visiting every
// combination, on bounds small enough for the plain walk, and the worst case for the
// fast path alone, also with a characteristic; and the whole evaluation the IV window runs
// on every change.
#include <benchmark/benchmark.h>

#include "calc/iv.h"
#include "calc/iv_possible.h"
#include "calc/iv_report.h"

namespace kerumina::calc {
namespace {

// Three open stats, the other three pinned to one IV each: 32^3 combinations.
IvBounds ThreeOpenThreePinned() {
  IvBounds bounds;
  bounds[data::STAT_HP] = {31, 31};
  bounds[data::STAT_ATK] = {0, 0};
  bounds[data::STAT_SPEED] = {30, 30};
  return bounds;
}

// Three open stats, the other three as wide as the open-stat rule allows: 32^3 × 31^3.
IvBounds WorstCase() {
  IvBounds bounds;
  bounds[data::STAT_HP] = {0, 30};
  bounds[data::STAT_ATK] = {1, 31};
  bounds[data::STAT_SPEED] = {0, 30};
  return bounds;
}

void BM_HiddenPowerClasses_ThreeOpenThreePinned(benchmark::State& state) {
  const IvBounds bounds = ThreeOpenThreePinned();
  for (auto _ : state) benchmark::DoNotOptimize(HiddenPowerCandidates(bounds));
}
BENCHMARK(BM_HiddenPowerClasses_ThreeOpenThreePinned);

void BM_HiddenPowerEnumeration_ThreeOpenThreePinned(benchmark::State& state) {
  const IvBounds bounds = ThreeOpenThreePinned();
  for (auto _ : state) benchmark::DoNotOptimize(HiddenPowerCandidatesByEnumeration(bounds));
}
BENCHMARK(BM_HiddenPowerEnumeration_ThreeOpenThreePinned)->Unit(benchmark::kMicrosecond);

void BM_HiddenPowerClasses_WorstCase(benchmark::State& state) {
  const IvBounds bounds = WorstCase();
  for (auto _ : state) benchmark::DoNotOptimize(HiddenPowerCandidates(bounds));
}
BENCHMARK(BM_HiddenPowerClasses_WorstCase)->Unit(benchmark::kMicrosecond);

// "うたれ づよい": Def (open) highest with remainder 1, seven values 1..31 to try.
constexpr int DEF_REMAINDER_1 = 11;

void BM_HiddenPowerCharacteristic_WorstCase(benchmark::State& state) {
  const IvBounds bounds = WorstCase();
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        HiddenPowerCandidates(bounds, JudgePossibleIvs(bounds, DEF_REMAINDER_1)));
  }
}
BENCHMARK(BM_HiddenPowerCharacteristic_WorstCase)->Unit(benchmark::kMicrosecond);

// Level 50, every base stat 100, hidden power on: thresholds, lists, possible IVs, report.
void BM_EvaluateIvs(benchmark::State& state) {
  const IvFacts facts =
      state.range(0) == 0 ? IvFacts{} : IvFacts{{252, 0, 0, 6, 0, 252}, DEF_REMAINDER_1};
  const IvBounds bounds = WorstCase();
  for (auto _ : state) benchmark::DoNotOptimize(EvaluateIvs(150, 50, 24, bounds, true, facts));
}
BENCHMARK(BM_EvaluateIvs)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kerumina::calc
