// How long one re-run of the search takes: the search window runs it on every change.
#include <benchmark/benchmark.h>

#include "search/search.h"

namespace {

using kerumina::search::SearchConditions;

SearchConditions FourMovesEverywhere(bool anyMode) {
  SearchConditions c;
  c.anyMode = anyMode;
  c.methods = {true, true, true, true};
  c.versions = {true, true, true};
  // Common moves, so in all mode most species go through the whole pre-evolution walk.
  c.moves = {45, 112, 13, 263};
  return c;
}

void BM_RunSearchFourMovesAnyMode(benchmark::State& state) {
  const SearchConditions c = FourMovesEverywhere(true);
  for (auto _ : state) benchmark::DoNotOptimize(kerumina::search::RunSearch(c));
}
BENCHMARK(BM_RunSearchFourMovesAnyMode)->Unit(benchmark::kMicrosecond);

void BM_RunSearchFourMovesAllMode(benchmark::State& state) {
  const SearchConditions c = FourMovesEverywhere(false);
  for (auto _ : state) benchmark::DoNotOptimize(kerumina::search::RunSearch(c));
}
BENCHMARK(BM_RunSearchFourMovesAllMode)->Unit(benchmark::kMicrosecond);

void BM_RunSearchNoCondition(benchmark::State& state) {
  const SearchConditions c;
  for (auto _ : state) benchmark::DoNotOptimize(kerumina::search::RunSearch(c));
}
BENCHMARK(BM_RunSearchNoCondition)->Unit(benchmark::kMicrosecond);

}  // namespace
