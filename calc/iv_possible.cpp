#include "calc/iv_possible.h"

#include <bit>

#include "calc/hidden_power.h"

namespace kerumina::calc {
namespace {

constexpr const char* CHARACTERISTIC_TEXTS[CHARACTERISTIC_COUNT] = {
    "たべるのが だいすき",   "ひるねを よくする",     "いねむりが おおい",
    "ものを よく ちらかす",  "のんびりするのが すき", "ちからが じまん",
    "あばれることが すき",   "ちょっと おこりっぽい", "ケンカを するのが すき",
    "ちのけが おおい",       "からだが じょうぶ",     "うたれ づよい",
    "ねばり づよい",         "しんぼう づよい",       "がまん づよい",
    "かけっこが すき",       "ものおとに びんかん",   "おっちょこちょい",
    "すこし おちょうしもの", "にげるのが はやい",     "こうきしんが つよい",
    "イタズラが すき",       "ぬけめが ない",         "かんがえごとが おおい",
    "とても きちょうめん",   "きが つよい",           "ちょっぴり みえっぱり",
    "まけんきが つよい",     "まけずぎらい",          "ちょっぴり ごうじょう",
};

constexpr std::int32_t CHARACTERISTIC_REMAINDERS = 5;
constexpr IvMask ALL_IVS = 0xFFFFFFFFu;

constexpr IvMask IvsWithRemainder(std::int32_t remainder) {
  IvMask mask = 0;
  for (std::int32_t iv = remainder; iv <= IV_MAX; iv += CHARACTERISTIC_REMAINDERS) mask |= 1u << iv;
  return mask;
}

IvMask IvsFrom(std::int32_t least) {
  return ALL_IVS << least;
}
IvMask IvsUpTo(std::int32_t most) {
  return ALL_IVS >> (IV_MAX - most);
}
std::int32_t LowestIv(IvMask mask) {
  return std::countr_zero(mask);
}
std::int32_t HighestIv(IvMask mask) {
  return std::bit_width(mask) - 1;
}

// Stat s keeps the IVs of its remainder at least as high as every other stat's lowest;
// the others keep what is at most s's highest. A set left empty is a contradiction.
IvMasks ApplyCharacteristic(IvMasks masks, const Characteristic& c) {
  std::int32_t othersLeast = 0;
  for (int t = 0; t < data::STAT_COUNT; ++t) {
    if (t == c.stat) continue;
    if (masks[t] == 0) return masks;
    othersLeast = std::max(othersLeast, LowestIv(masks[t]));
  }
  masks[c.stat] &= IvsWithRemainder(c.remainder) & IvsFrom(othersLeast);
  if (masks[c.stat] == 0) return masks;
  const IvMask atMostHighest = IvsUpTo(HighestIv(masks[c.stat]));
  for (int t = 0; t < data::STAT_COUNT; ++t)
    if (t != c.stat) masks[t] &= atMostHighest;
  return masks;
}

// The bit-sum contributions of one stat's IV class (its two low bits).
struct BitContribution {
  std::int32_t typeBits;
  std::int32_t powerBits;
};

// At most the four classes of the two low bits; fixed storage keeps the search off the heap.
struct ClassList {
  std::array<BitContribution, 4> items{};
  int count = 0;
};

using StatClasses = std::array<ClassList, data::STAT_COUNT>;

constexpr IvMask CLASS_MEMBERS = 0x11111111u;  // IVs 0, 4, 8, …: class 0

ClassList ClassesIn(int d, IvMask mask) {
  ClassList classes;
  const int weight = data::DISPLAY_TO_SPECIES_STAT[d];
  for (int c = 0; c < 4; ++c) {
    if ((mask & (CLASS_MEMBERS << c)) == 0) continue;
    classes.items[classes.count++] = {(c & 1) << weight, (c >> 1) << weight};
  }
  return classes;
}

void VisitClasses(const StatClasses& classes, int d, std::int32_t typeBits, std::int32_t powerBits,
                  HiddenPowerRanges& ranges) {
  if (d == data::STAT_COUNT) {
    ranges[HiddenPowerTypeFromBits(typeBits)].Include(HiddenPowerPowerFromBits(powerBits));
    return;
  }
  for (int i = 0; i < classes[d].count; ++i) {
    const BitContribution& c = classes[d].items[i];
    VisitClasses(classes, d + 1, typeBits + c.typeBits, powerBits + c.powerBits, ranges);
  }
}

}  // namespace

Characteristic CharacteristicOf(int index) {
  const int gameStat = index / CHARACTERISTIC_REMAINDERS;
  int d = 0;
  while (data::DISPLAY_TO_SPECIES_STAT[d] != gameStat) ++d;
  return {d, index % CHARACTERISTIC_REMAINDERS};
}

const char* CharacteristicText(int index) {
  return CHARACTERISTIC_TEXTS[index];
}

IvMask IvMaskOf(const IvBound& bound) {
  const std::int32_t lo = std::max(bound.lo, 0);
  const std::int32_t hi = std::min(bound.hi, IV_MAX);
  if (lo > hi) return 0;
  return IvsFrom(lo) & IvsUpTo(hi);
}

PossibleIvs JudgePossibleIvs(const IvBounds& bounds, int characteristic) {
  PossibleIvs possible;
  for (int d = 0; d < data::STAT_COUNT; ++d) possible.masks[d] = IvMaskOf(bounds[d]);
  if (characteristic == NO_CHARACTERISTIC) return possible;
  const Characteristic c = CharacteristicOf(characteristic);
  const IvMasks narrowed = ApplyCharacteristic(possible.masks, c);
  for (IvMask mask : narrowed) {
    if (mask == 0) {
      possible.contradicted = true;
      return possible;
    }
  }
  possible.masks = narrowed;
  possible.highest = c.stat;
  return possible;
}

std::optional<HiddenPowerRanges> HiddenPowerCandidates(const IvBounds& bounds,
                                                       const PossibleIvs& possible) {
  if (CountOpenStats(bounds) > HIDDEN_POWER_MAX_OPEN_STATS) return std::nullopt;
  HiddenPowerRanges ranges{};
  StatClasses classes;
  const int s = possible.highest;
  if (s == NO_HIGHEST) {
    for (int d = 0; d < data::STAT_COUNT; ++d) classes[d] = ClassesIn(d, possible.masks[d]);
    VisitClasses(classes, 0, 0, 0, ranges);
    return ranges;
  }
  // Each value of the highest stat caps the others; at most seven values share a remainder.
  for (IvMask rest = possible.masks[s]; rest != 0; rest &= rest - 1) {
    const std::int32_t top = LowestIv(rest);
    for (int d = 0; d < data::STAT_COUNT; ++d)
      classes[d] = ClassesIn(d, d == s ? 1u << top : possible.masks[d] & IvsUpTo(top));
    VisitClasses(classes, 0, 0, 0, ranges);
  }
  return ranges;
}

}  // namespace kerumina::calc
