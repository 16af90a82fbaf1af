// The IV judgement: which IVs (0..31) can have produced an observed stat at the EVs the
// creature has (0 unless the player knows better), how to tell IV 31 from IV 30, how many
// EVs raise a stat, and which hidden-power types the remaining IV ranges allow. Pure
// functions; the judgement window and the command line both call them.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "data/species.h"
#include "data/types.h"

namespace kerumina::calc {

inline constexpr std::int32_t IV_MAX = 31;
inline constexpr std::int32_t EV_MAX = 255;
inline constexpr std::int32_t EV_TOTAL_MAX = 510;

// Whether the games allow these EVs: 0..255 each, at most 510 together.
bool IsValidEvSpread(const data::StatBlock& evs);

// One observable stat value and the IVs ivLo..ivHi (and no others) that give it at the
// stat's EV.
struct IvCandidate {
  std::int32_t stat = 0;
  std::int32_t ivLo = 0;
  std::int32_t ivHi = 0;
  friend bool operator==(const IvCandidate&, const IvCandidate&) = default;
};

// Ascending by IV; the ranges are disjoint and cover 0..31.
using IvCandidateList = std::vector<IvCandidate>;

IvCandidateList BuildIvCandidates(data::SpeciesId species, std::int32_t level,
                                  data::NatureId nature, int d, std::int32_t ev = 0);

// List-box text: "stat：iv" or "stat：lo～hi".
std::string IvCandidateText(const IvCandidate& candidate);

// List-box item data: stat × 65536 + ivLo × 256 + ivHi.
std::int32_t PackIvCandidate(const IvCandidate& candidate);
IvCandidate UnpackIvCandidate(std::int32_t itemData);

// How to make IV 31 show a different stat from IV 30: level-ups, doping items (10 EVs
// each, counted from the stat's EV while it stays at most 100, the most the games let them
// give) and the stat IV 31 then shows. All zero when nothing within reach separates them.
struct ConfirmLevel {
  std::int32_t candies = 0;
  std::int32_t dopings = 0;
  std::int32_t confirmStat = 0;
  friend bool operator==(const ConfirmLevel&, const ConfirmLevel&) = default;
};

ConfirmLevel FindConfirmLevel(data::SpeciesId species, std::int32_t level, data::NatureId nature,
                              int d, std::int32_t ev = 0);

// At-least (lo) and at-most (hi) bound of one stat's IV. Nothing keeps lo ≤ hi.
struct IvBound {
  std::int32_t lo = 0;
  std::int32_t hi = IV_MAX;
  friend bool operator==(const IvBound&, const IvBound&) = default;
};

using IvBounds = std::array<IvBound, data::STAT_COUNT>;

// Intersects the bounds of stat d with a picked candidate; a candidate outside the bounds
// leaves them alone. Returns whether the bounds changed.
bool NarrowBounds(IvBounds& bounds, int d, const IvCandidate& candidate);

// EvThreshold's answer when no EV within 400 of the given one raises the stat (level 1,
// hindering nature).
inline constexpr std::int32_t NO_EV_THRESHOLD = -1;

// The first EV of ev + 4, ev + 8, …, ev + 400 that raises stat d above its value at ev.
std::int32_t EvThreshold(data::SpeciesId species, std::int32_t level, data::NatureId nature, int d,
                         std::int32_t iv, std::int32_t ev = 0);

// The same from a bare base stat (natureTenths is ignored for d = HP). No table species
// reaches NO_EV_THRESHOLD from EV 0; a base of 235 or more at level 1 with tenths 9 does.
std::int32_t EvThresholdOfBase(int d, std::int32_t base, std::int32_t level,
                               std::int32_t natureTenths, std::int32_t iv, std::int32_t ev = 0);

// The stat the bounds pin down: the first candidate with ivLo ≤ lo and ivHi ≥ hi, else 0.
std::int32_t DeterminedStat(const IvCandidateList& list, std::int32_t lo, std::int32_t hi);

// Occurrence and power range of one hidden-power type.
struct HiddenPowerRange {
  bool occurs = false;
  std::int32_t minPower = 999;
  std::int32_t maxPower = 0;
  void Include(std::int32_t power) {
    occurs = true;
    minPower = std::min(minPower, power);
    maxPower = std::max(maxPower, power);
  }
  friend bool operator==(const HiddenPowerRange&, const HiddenPowerRange&) = default;
};

// Indexed by TypeId.
using HiddenPowerRanges = std::array<HiddenPowerRange, data::TYPE_COUNT>;

// Stats whose bounds admit every IV 0..31.
int CountOpenStats(const IvBounds& bounds);

// Hidden power is computed only while at most this many stats are open.
inline constexpr int HIDDEN_POWER_MAX_OPEN_STATS = 3;

// Hidden-power types over every IV combination within the bounds (IVs 0..31), or nothing
// when four or more stats are open. Bounds with lo > hi give an empty, computed result.
// Only the two low bits of an IV matter, so each range is reduced to the bit classes it
// contains: at most 4^6 combinations instead of up to 32^3 × 31^3.
std::optional<HiddenPowerRanges> HiddenPowerCandidates(const IvBounds& bounds);

// Same answer by visiting every combination; the reference for tests and benchmarks.
// Its cost is the product of the range sizes.
std::optional<HiddenPowerRanges> HiddenPowerCandidatesByEnumeration(const IvBounds& bounds);

}  // namespace kerumina::calc
