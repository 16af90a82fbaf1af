// The box window recomputes all six rows (and their reports) on every change of a control,
// on the user-interface thread.
#include <benchmark/benchmark.h>

#include <array>
#include <cstring>
#include <string>

#include "calc/damage.h"
#include "calc/damage_report.h"
#include "calc/game_damage.h"
#include "calc/game_damage_report.h"
#include "data/species.h"

namespace {

using namespace kerumina;

box::BoxEntry Entry(data::SpeciesId species, std::int32_t ability, std::int32_t item) {
  box::BoxEntry entry{};
  std::strcpy(entry.name, "A");
  entry.species = species;
  entry.level = 50;
  entry.nature = 3;
  entry.ability = ability;
  entry.item = item;
  const std::int32_t stats[6] = {175, 150, 95, 80, 90, 110};
  for (int s = 0; s < 6; ++s) {
    entry.iv[s] = 31;
    entry.ev[s] = s == 1 ? 252 : 0;
    entry.stat[s] = stats[s];
  }
  const std::int32_t moves[4] = {126, 88, 236, 310};
  std::memcpy(entry.move, moves, sizeof moves);
  return entry;
}

std::array<calc::DamageRequest, 6> SixRows() {
  calc::DamageRequest base;
  base.attacker = Entry(6, 29, 9);
  base.defender = Entry(5, 3, 10);
  base.weather = calc::WEATHER_RAIN;
  base.attackStage = 2;
  base.defenceStage = -1;
  base.helpingHand = true;
  base.abilityActive = true;
  base.berryActive = true;
  base.doubleBattle = true;
  base.lightScreen = true;
  std::array<calc::DamageRequest, 6> rows;
  for (int r = 0; r < 6; ++r) {
    rows[r] = base;
    if (r < 4) {
      rows[r].rowKind = calc::RowKind::OwnMove;
      rows[r].moveId = base.attacker->move[r];
    } else if (r == 4) {
      rows[r].rowKind = calc::RowKind::ListMove;
      rows[r].moveId = 52;
    } else {
      rows[r].rowKind = calc::RowKind::Direct;
      rows[r].directPower = 120;
      rows[r].directCategory = 1;
      rows[r].directType = 15;
    }
  }
  return rows;
}

void BM_ComputeDamageSixRows(benchmark::State& state) {
  const std::array<calc::DamageRequest, 6> rows = SixRows();
  for (auto _ : state) {
    for (const calc::DamageRequest& row : rows) {
      calc::DamageResult result = calc::ComputeDamage(row);
      benchmark::DoNotOptimize(result);
    }
  }
}
BENCHMARK(BM_ComputeDamageSixRows);

// What one recomputation of the window costs: results and the six reports.
void BM_ComputeDamageAndReportSixRows(benchmark::State& state) {
  const std::array<calc::DamageRequest, 6> rows = SixRows();
  for (auto _ : state) {
    for (const calc::DamageRequest& row : rows) {
      const calc::DamageResult result = calc::ComputeDamage(row);
      std::string report = calc::DamageReport(row, result);
      benchmark::DoNotOptimize(report);
    }
  }
}
BENCHMARK(BM_ComputeDamageAndReportSixRows);

// The same six rows as the games compute them, KO chances included. The defender's HP is
// set so that three and four hits stay uncertain for some rows, the costliest counts.
void BM_ComputeGameDamageSixRows(benchmark::State& state) {
  std::array<calc::DamageRequest, 6> rows = SixRows();
  for (calc::DamageRequest& row : rows) row.defender->stat[data::STAT_HP] = 400;
  std::int64_t uncertain = 0;
  for (const calc::DamageRequest& row : rows) {
    const calc::GameDamageResult result = calc::ComputeGameDamage(row);
    if (result.hitsMin < result.hitsMax && result.hitsMin >= 3) ++uncertain;
  }
  for (auto _ : state) {
    for (const calc::DamageRequest& row : rows) {
      calc::GameDamageResult result = calc::ComputeGameDamage(row);
      benchmark::DoNotOptimize(result);
    }
  }
  state.counters["rows_3_or_4_hits_uncertain"] = static_cast<double>(uncertain);
}
BENCHMARK(BM_ComputeGameDamageSixRows);

// What the window pays with the box ticked: both models and both reports for six rows.
void BM_BothModelsAndReportsSixRows(benchmark::State& state) {
  const std::array<calc::DamageRequest, 6> rows = SixRows();
  for (auto _ : state) {
    for (const calc::DamageRequest& row : rows) {
      const calc::DamageResult classic = calc::ComputeDamage(row);
      const calc::GameDamageResult game = calc::ComputeGameDamage(row);
      std::string report = calc::DamageReport(row, classic) + calc::GameDamageReport(game);
      benchmark::DoNotOptimize(report);
    }
  }
}
BENCHMARK(BM_BothModelsAndReportsSixRows);

}  // namespace
