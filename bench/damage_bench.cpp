// The box window recomputes all six rows (and their reports) on every change of a control,
// on the user-interface thread.
#include <benchmark/benchmark.h>

#include <array>
#include <cstring>
#include <string>

#include "calc/damage.h"
#include "calc/damage_report.h"
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

}  // namespace
