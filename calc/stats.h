// The stat formula of the games, shared by the entry editor, the IV judgement and the
// detail view so that every window turns base stats, IVs and EVs into the same numbers.
// All steps are integer with truncating division, in a fixed order: reordering them
// changes results at some inputs.
#pragma once

#include <cstdint>

#include "data/species.h"
#include "data/types.h"

namespace kerumina::calc {

// The species whose registered creatures always store HP 1.
inline constexpr data::SpeciesId FIXED_HP_SPECIES = 291;

// HP from base stat, IV, EV and level. No clamping: callers pass sane values.
std::int32_t CalcHp(std::int32_t base, std::int32_t iv, std::int32_t ev, std::int32_t level);

// Atk, Def, SpAtk, SpDef or Speed; natureTenths is 9, 10 or 11.
std::int32_t CalcStat(std::int32_t base, std::int32_t iv, std::int32_t ev, std::int32_t level,
                      std::int32_t natureTenths);

// Tenths of display stat d (1..5) for the nature.
std::int32_t NatureMultiplier(data::NatureId nature, int d);

// Base stat of display stat d (0..5), read through the storage order of the table.
std::int32_t BaseStat(data::SpeciesId species, int d);

// One display stat d of a species: CalcHp for d = 0, CalcStat with the nature otherwise.
// The fixed-HP rule is not applied here (the IV judgement shows formula HP).
std::int32_t CalcStatOf(data::SpeciesId species, std::int32_t level, data::NatureId nature, int d,
                        std::int32_t iv, std::int32_t ev);

// The six stats of a registered creature; HP is 1 for FIXED_HP_SPECIES.
data::StatBlock CalcStatBlock(data::SpeciesId species, std::int32_t level, data::NatureId nature,
                              const data::StatBlock& ivs, const data::StatBlock& evs);

}  // namespace kerumina::calc
