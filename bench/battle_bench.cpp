// With "実機計算" and the battle's conditions the box window follows six rows through up to
// nine turns on every change; the costliest rows strike two to five times at a defender of
// many HP that takes several turns to faint.
#include <benchmark/benchmark.h>

#include <array>
#include <cstring>
#include <string>

#include "calc/battle.h"
#include "calc/damage.h"
#include "calc/damage_report.h"
#include "calc/game_damage_report.h"
#include "data/species.h"

namespace {

using namespace kerumina;

box::BoxEntry Entry(data::SpeciesId species, std::int32_t item, std::array<std::int32_t, 6> stats) {
  box::BoxEntry entry{};
  std::strcpy(entry.name, "A");
  entry.species = species;
  entry.level = 50;
  entry.item = item;
  entry.statsEntered = 1;
  std::memcpy(entry.stat, stats.data(), sizeof entry.stat);
  // ロックブラスト, トリプルキック, にどげり, はたきおとす
  const std::int32_t moves[4] = {349, 166, 23, 281};
  std::memcpy(entry.move, moves, sizeof moves);
  return entry;
}

// Every battle condition at once against ハピナス of 714 HP holding オボンのみ.
std::array<calc::DamageRequest, 6> SixBattleRows() {
  calc::DamageRequest base;
  base.attacker = Entry(75, 0, {187, 178, 150, 75, 85, 65});
  base.defender = Entry(241, 20, {714, 30, 150, 95, 155, 75});
  base.weather = calc::WEATHER_SANDSTORM;
  base.critical = base.stealthRock = base.leechSeed = true;
  base.spikes = 3;
  base.defenderStatus = calc::DefenderStatus::Toxic;
  std::array<calc::DamageRequest, 6> rows;
  for (int r = 0; r < 6; ++r) {
    rows[r] = base;
    rows[r].rowKind = r < 4    ? calc::RowKind::OwnMove
                      : r == 4 ? calc::RowKind::ListMove
                               : calc::RowKind::Direct;
    rows[r].moveId = r < 4 ? base.attacker->move[r] : 332;  // つららばり: 2 to 5 strikes
    rows[r].directPower = 40;
  }
  return rows;
}

void BM_GameBattleSixRows(benchmark::State& state) {
  const std::array<calc::DamageRequest, 6> rows = SixBattleRows();
  double turns = 0;
  for (const calc::DamageRequest& row : rows) turns += calc::ComputeGameBattle(row).hitsMax;
  for (auto _ : state) {
    for (const calc::DamageRequest& row : rows) {
      calc::GameDamageResult result = calc::ComputeGameBattle(row);
      benchmark::DoNotOptimize(result);
    }
  }
  state.counters["turns_to_faint_summed"] = turns;
}
BENCHMARK(BM_GameBattleSixRows)->Unit(benchmark::kMicrosecond);

// The longest the window waits: weak strikes against たべのこし, so every row is followed
// through all nine turns with its HP spread wide.
void BM_GameBattleSixRowsNineTurns(benchmark::State& state) {
  std::array<calc::DamageRequest, 6> rows = SixBattleRows();
  double turns = 0;
  for (calc::DamageRequest& row : rows) {
    row.defender->item = 17;
    row.defender->stat[data::STAT_DEF] = 400;
    row.weather = calc::WEATHER_NONE;
    row.defenderStatus = calc::DefenderStatus::None;
    row.leechSeed = false;
    turns += calc::ComputeGameBattle(row).hitsMin == 0 ? 10 : 0;
  }
  for (auto _ : state) {
    for (const calc::DamageRequest& row : rows) {
      calc::GameDamageResult result = calc::ComputeGameBattle(row);
      benchmark::DoNotOptimize(result);
    }
  }
  state.counters["rows_alive_after_nine_turns"] = turns / 10;
}
BENCHMARK(BM_GameBattleSixRowsNineTurns)->Unit(benchmark::kMicrosecond);

// One recomputation of the window: both models and both reports for the six rows.
void BM_GameBattleAndReportsSixRows(benchmark::State& state) {
  const std::array<calc::DamageRequest, 6> rows = SixBattleRows();
  for (auto _ : state) {
    for (const calc::DamageRequest& row : rows) {
      const calc::DamageResult classic = calc::ComputeDamage(row);
      const calc::GameDamageResult game = calc::ComputeGameBattle(row);
      std::string report = calc::DamageReport(row, classic) + calc::GameDamageReport(game);
      benchmark::DoNotOptimize(report);
    }
  }
}
BENCHMARK(BM_GameBattleAndReportsSixRows)->Unit(benchmark::kMicrosecond);

}  // namespace
