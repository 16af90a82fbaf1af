// A full box as build texts: what "box export-text" writes and "テキスト取込" reads at most.
#include <benchmark/benchmark.h>

#include <vector>

#include "box/box.h"
#include "calc/build_text.h"

namespace {

using namespace kerumina;

std::vector<box::BoxEntry> FullBox() {
  const std::string build =
      "ガブ（ガブリアス）＠こだわりハチマキ\n性格：いじっぱり\n努力値：H4 A252 S252\n"
      "技：じしん／ドラゴンクロー／げきりん／いあいぎり\n";
  std::string text;
  for (int i = 0; i < box::BOX_CAPACITY; ++i) text += build + "\n";
  return calc::ParseBuilds(text).entries;
}

void BM_WriteFullBox(benchmark::State& state) {
  const std::vector<box::BoxEntry> entries = FullBox();
  for (auto _ : state) benchmark::DoNotOptimize(calc::BuildsText(entries));
}
BENCHMARK(BM_WriteFullBox)->Unit(benchmark::kMillisecond);

void BM_ReadFullBox(benchmark::State& state) {
  const std::string text = calc::BuildsText(FullBox());
  for (auto _ : state) benchmark::DoNotOptimize(calc::ParseBuilds(text));
}
BENCHMARK(BM_ReadFullBox)->Unit(benchmark::kMillisecond);

}  // namespace
