// What a creature's characteristic (個性) adds to the IV bounds. The characteristic names
// the stat with the highest IV and that IV's remainder modulo 5, which turns each stat's
// interval into a set. The sets are six 32-bit masks (bit v: IV v is possible), computed
// from the bounds on every evaluation: with no characteristic they are the bounds exactly.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "calc/iv.h"
#include "data/species.h"

namespace kerumina::calc {

inline constexpr int CHARACTERISTIC_COUNT = 30;
inline constexpr int NO_CHARACTERISTIC = -1;

struct Characteristic {
  int stat = 0;                // display order
  std::int32_t remainder = 0;  // of the highest IV, modulo 5
  friend bool operator==(const Characteristic&, const Characteristic&) = default;
};

// index = 5 × the stat in the games' order (HP, Atk, Def, Speed, SpAtk, SpDef) + remainder.
Characteristic CharacteristicOf(int index);
// The sentence of the summary screen, e.g. "ちからが じまん".
const char* CharacteristicText(int index);

using IvMask = std::uint32_t;
using IvMasks = std::array<IvMask, data::STAT_COUNT>;

// IVs lo..hi of 0..31; empty when lo > hi.
IvMask IvMaskOf(const IvBound& bound);

inline constexpr int NO_HIGHEST = -1;

struct PossibleIvs {
  IvMasks masks{};
  // The stat whose IV is at least every other IV, or NO_HIGHEST.
  int highest = NO_HIGHEST;
  // The characteristic leaves some stat no IV; it was left out of masks and highest.
  bool contradicted = false;
  friend bool operator==(const PossibleIvs&, const PossibleIvs&) = default;
};

// Exact: every IV left is part of some full set of six within the bounds that the
// characteristic allows (ties for the highest IV allowed: the games break them by a value
// nobody sees).
PossibleIvs JudgePossibleIvs(const IvBounds& bounds, int characteristic);

// Hidden-power types over every full set of six IVs the possibilities allow, or nothing
// when four or more stats are open in the bounds. Only the two low bits of an IV matter,
// so each set is reduced to the bit classes it holds: at most 4^6 combinations, or 4^5
// for each of the at most seven values of the highest stat.
std::optional<HiddenPowerRanges> HiddenPowerCandidates(const IvBounds& bounds,
                                                       const PossibleIvs& possible);

}  // namespace kerumina::calc
