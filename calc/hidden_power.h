// The type and power of the move that depends on the user's individual values; shared by
// the IV judgement (which enumerates IV combinations) and the damage calculation.
#pragma once

#include <array>
#include <cstdint>

#include "data/species.h"
#include "data/types.h"

namespace kerumina::calc {

// Hidden-power type index 0..15 -> TypeId: every type but 0 and the placeholder 9.
inline constexpr std::array<data::TypeId, 16> HP_TYPE_MAP = {1,  2,  3,  4,  5,  6,  7,  8,
                                                             10, 11, 12, 13, 14, 15, 16, 17};

// The two bit sums the formulas use, taking the IVs in species storage order (HP, Atk,
// Def, Speed, SpAtk, SpDef) with weights 1, 2, 4, 8, 16, 32.
std::int32_t HiddenPowerTypeBits(const data::StatBlock& ivs);
std::int32_t HiddenPowerPowerBits(const data::StatBlock& ivs);

inline data::TypeId HiddenPowerTypeFromBits(std::int32_t bits) {
  return HP_TYPE_MAP[bits * 15 / 63];
}
inline std::int32_t HiddenPowerPowerFromBits(std::int32_t bits) {
  return bits * 40 / 63 + 30;
}

// ivs in display order (HP, Atk, Def, SpAtk, SpDef, Speed).
data::TypeId HiddenPowerType(const data::StatBlock& ivs);
std::int32_t HiddenPowerPower(const data::StatBlock& ivs);

}  // namespace kerumina::calc
