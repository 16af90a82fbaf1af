#include "calc/stats.h"

namespace kerumina::calc {
namespace {

// The EV is quartered on its own before anything is added; multiply before dividing.
std::int32_t Core(std::int32_t base, std::int32_t iv, std::int32_t ev, std::int32_t level) {
  const std::int32_t evPart = ev / 4;
  return (2 * base + iv + evPart) * level / 100;
}

}  // namespace

std::int32_t CalcHp(std::int32_t base, std::int32_t iv, std::int32_t ev, std::int32_t level) {
  return Core(base, iv, ev, level) + level + 10;
}

std::int32_t CalcStat(std::int32_t base, std::int32_t iv, std::int32_t ev, std::int32_t level,
                      std::int32_t natureTenths) {
  return (Core(base, iv, ev, level) + 5) * natureTenths / 10;
}

std::int32_t NatureMultiplier(data::NatureId nature, int d) {
  return data::NATURES[nature].multiplier[d - 1];
}

std::int32_t BaseStat(data::SpeciesId species, int d) {
  return data::SPECIES_TABLE[species].base[data::DISPLAY_TO_SPECIES_STAT[d]];
}

std::int32_t CalcStatOf(data::SpeciesId species, std::int32_t level, data::NatureId nature, int d,
                        std::int32_t iv, std::int32_t ev) {
  const std::int32_t base = BaseStat(species, d);
  if (d == data::STAT_HP) return CalcHp(base, iv, ev, level);
  return CalcStat(base, iv, ev, level, NatureMultiplier(nature, d));
}

data::StatBlock CalcStatBlock(data::SpeciesId species, std::int32_t level, data::NatureId nature,
                              const data::StatBlock& ivs, const data::StatBlock& evs) {
  data::StatBlock stats{};
  for (int d = 0; d < data::STAT_COUNT; ++d)
    stats[d] = CalcStatOf(species, level, nature, d, ivs[d], evs[d]);
  if (species == FIXED_HP_SPECIES) stats[data::STAT_HP] = 1;
  return stats;
}

}  // namespace kerumina::calc
