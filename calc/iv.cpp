#include "calc/iv.h"

#include <algorithm>

#include "calc/hidden_power.h"
#include "calc/iv_possible.h"
#include "calc/stats.h"
#include "text/format.h"

namespace kerumina::calc {
namespace {

constexpr std::int32_t CONFIRM_MAX_CANDIES = 49;
constexpr std::int32_t CONFIRM_MAX_DOPINGS = 10;
constexpr std::int32_t EV_PER_DOPING = 10;
// The games refuse a doping item that would take the EV above this.
constexpr std::int32_t DOPING_EV_LIMIT = 100;
constexpr std::int32_t EV_STEP = 4;
constexpr std::int32_t EV_THRESHOLD_LIMIT = 400;
constexpr std::int32_t MAX_LEVEL = 100;

bool IsOpen(const IvBound& bound) {
  return bound.lo == 0 && bound.hi == IV_MAX;
}

// IVs outside 0..31 do not exist, whatever a caller passes as bounds.
IvBound ClampToIvs(const IvBound& bound) {
  return {std::max(bound.lo, 0), std::min(bound.hi, IV_MAX)};
}

}  // namespace

bool IsValidEvSpread(const data::StatBlock& evs) {
  std::int32_t total = 0;
  for (std::int32_t ev : evs) {
    if (ev < 0 || ev > EV_MAX) return false;
    total += ev;
  }
  return total <= EV_TOTAL_MAX;
}

IvCandidateList BuildIvCandidates(data::SpeciesId species, std::int32_t level,
                                  data::NatureId nature, int d, std::int32_t ev) {
  IvCandidateList list;
  IvCandidate current{CalcStatOf(species, level, nature, d, 0, ev), 0, 0};
  for (std::int32_t iv = 1; iv <= IV_MAX; ++iv) {
    const std::int32_t stat = CalcStatOf(species, level, nature, d, iv, ev);
    if (stat != current.stat) {
      current.ivHi = iv - 1;
      list.push_back(current);
      current = {stat, iv, iv};
    }
  }
  current.ivHi = IV_MAX;
  list.push_back(current);
  return list;
}

std::string IvCandidateText(const IvCandidate& candidate) {
  if (candidate.ivLo == candidate.ivHi)
    return text::Format("%d：%d", candidate.stat, candidate.ivLo);
  return text::Format("%d：%d～%d", candidate.stat, candidate.ivLo, candidate.ivHi);
}

std::int32_t PackIvCandidate(const IvCandidate& candidate) {
  return candidate.stat * 65536 + candidate.ivLo * 256 + candidate.ivHi;
}

IvCandidate UnpackIvCandidate(std::int32_t itemData) {
  return {itemData / 65536, itemData / 256 % 256, itemData % 256};
}

ConfirmLevel FindConfirmLevel(data::SpeciesId species, std::int32_t level, data::NatureId nature,
                              int d, std::int32_t ev) {
  for (std::int32_t k = 0; k <= CONFIRM_MAX_CANDIES && level + k <= MAX_LEVEL; ++k) {
    for (std::int32_t v = 0; v <= CONFIRM_MAX_DOPINGS; ++v) {
      const std::int32_t dosed = ev + EV_PER_DOPING * v;
      if (v > 0 && dosed > DOPING_EV_LIMIT) break;
      const std::int32_t top = CalcStatOf(species, level + k, nature, d, IV_MAX, dosed);
      const std::int32_t second = CalcStatOf(species, level + k, nature, d, IV_MAX - 1, dosed);
      if (top != second) return {k, v, top};
    }
  }
  return {};
}

bool NarrowBounds(IvBounds& bounds, int d, const IvCandidate& candidate) {
  IvBound& bound = bounds[d];
  if (candidate.ivHi < bound.lo || bound.hi < candidate.ivLo) return false;
  const IvBound before = bound;
  bound.hi = std::min(bound.hi, candidate.ivHi);
  bound.lo = std::max(bound.lo, candidate.ivLo);
  return bound.lo != before.lo || bound.hi != before.hi;
}

std::int32_t EvThreshold(data::SpeciesId species, std::int32_t level, data::NatureId nature, int d,
                         std::int32_t iv, std::int32_t ev) {
  const std::int32_t tenths = d == data::STAT_HP ? 10 : NatureMultiplier(nature, d);
  return EvThresholdOfBase(d, BaseStat(species, d), level, tenths, iv, ev);
}

std::int32_t EvThresholdOfBase(int d, std::int32_t base, std::int32_t level,
                               std::int32_t natureTenths, std::int32_t iv, std::int32_t ev) {
  const auto stat = [&](std::int32_t withEv) {
    return d == data::STAT_HP ? CalcHp(base, iv, withEv, level)
                              : CalcStat(base, iv, withEv, level, natureTenths);
  };
  const std::int32_t atGivenEv = stat(ev);
  for (std::int32_t more = EV_STEP; more <= EV_THRESHOLD_LIMIT; more += EV_STEP)
    if (stat(ev + more) != atGivenEv) return ev + more;
  return NO_EV_THRESHOLD;
}

std::int32_t DeterminedStat(const IvCandidateList& list, std::int32_t lo, std::int32_t hi) {
  for (const IvCandidate& candidate : list)
    if (candidate.ivLo <= lo && candidate.ivHi >= hi) return candidate.stat;
  return 0;
}

int CountOpenStats(const IvBounds& bounds) {
  // Bounds wider than 0..31 (never offered by the window) count as open too, so that no
  // caller can make the enumeration cover more than three unbounded stats.
  return static_cast<int>(std::count_if(bounds.begin(), bounds.end(),
                                        [](const IvBound& b) { return IsOpen(ClampToIvs(b)); }));
}

std::optional<HiddenPowerRanges> HiddenPowerCandidates(const IvBounds& bounds) {
  return HiddenPowerCandidates(bounds, JudgePossibleIvs(bounds, NO_CHARACTERISTIC));
}

std::optional<HiddenPowerRanges> HiddenPowerCandidatesByEnumeration(const IvBounds& bounds) {
  if (CountOpenStats(bounds) > HIDDEN_POWER_MAX_OPEN_STATS) return std::nullopt;
  IvBounds b;
  for (int d = 0; d < data::STAT_COUNT; ++d) b[d] = ClampToIvs(bounds[d]);
  HiddenPowerRanges ranges{};
  data::StatBlock ivs{};
  for (ivs[0] = b[0].lo; ivs[0] <= b[0].hi; ++ivs[0])
    for (ivs[1] = b[1].lo; ivs[1] <= b[1].hi; ++ivs[1])
      for (ivs[2] = b[2].lo; ivs[2] <= b[2].hi; ++ivs[2])
        for (ivs[3] = b[3].lo; ivs[3] <= b[3].hi; ++ivs[3])
          for (ivs[4] = b[4].lo; ivs[4] <= b[4].hi; ++ivs[4])
            for (ivs[5] = b[5].lo; ivs[5] <= b[5].hi; ++ivs[5])
              ranges[HiddenPowerType(ivs)].Include(HiddenPowerPower(ivs));
  return ranges;
}

}  // namespace kerumina::calc
