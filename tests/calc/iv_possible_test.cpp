#include "calc/iv_possible.h"

#include <gtest/gtest.h>

#include <random>

#include "calc/hidden_power.h"

namespace kerumina::calc {
namespace {

using namespace data;

IvMask Ivs(std::int32_t lo, std::int32_t hi, std::int32_t step = 1) {
  IvMask mask = 0;
  for (std::int32_t iv = lo; iv <= hi; iv += step) mask |= 1u << iv;
  return mask;
}

// In the games' order of stats: Speed before SpAtk.
TEST(Characteristic, EachTextNamesItsStatAndRemainder) {
  const std::pair<int, std::string> rows[] = {
      {STAT_HP,
       "たべるのが だいすき/ひるねを よくする/いねむりが おおい/ものを よく ちらかす/"
       "のんびりするのが すき/"},
      {STAT_ATK,
       "ちからが じまん/あばれることが すき/ちょっと おこりっぽい/"
       "ケンカを するのが すき/ちのけが おおい/"},
      {STAT_DEF, "からだが じょうぶ/うたれ づよい/ねばり づよい/しんぼう づよい/がまん づよい/"},
      {STAT_SPEED,
       "かけっこが すき/ものおとに びんかん/おっちょこちょい/すこし おちょうしもの/"
       "にげるのが はやい/"},
      {STAT_SPATK,
       "こうきしんが つよい/イタズラが すき/ぬけめが ない/かんがえごとが おおい/"
       "とても きちょうめん/"},
      {STAT_SPDEF,
       "きが つよい/ちょっぴり みえっぱり/まけんきが つよい/まけずぎらい/"
       "ちょっぴり ごうじょう/"},
  };
  int index = 0;
  for (auto [stat, texts] : rows) {
    for (std::int32_t remainder = 0; remainder < 5; ++remainder, ++index) {
      EXPECT_EQ(CharacteristicText(index), texts.substr(0, texts.find('/')));
      EXPECT_EQ(CharacteristicOf(index), (Characteristic{stat, remainder})) << index;
      texts.erase(0, texts.find('/') + 1);
    }
  }
}

// Characteristics 4: HP remainder 4, 6: Atk 1, 9: Atk 4, 16: Speed 1.
TEST(JudgePossibleIvs, PinsTiesAndContradictions) {
  IvBounds open, pinned, contradicted, ties;
  open.fill({0, 31});
  pinned = contradicted = ties = open;
  pinned[STAT_HP] = {25, 31}, pinned[STAT_ATK] = {20, 31};
  contradicted[STAT_ATK] = {28, 31}, contradicted[STAT_HP] = {30, 31};
  ties[STAT_ATK] = ties[STAT_SPEED] = {31, 31};
  const IvMask u29 = Ivs(0, 29), all = Ivs(0, 31), top = Ivs(31, 31);
  const struct {
    IvBounds bounds;
    int characteristic;
    PossibleIvs possible;
  } cases[] = {
      {open, 4, {{Ivs(4, 29, 5), u29, u29, u29, u29, u29}, STAT_HP}},
      {pinned, 9, {{Ivs(25, 29), Ivs(29, 29), u29, u29, u29, u29}, STAT_ATK}},
      {contradicted, 9, {{Ivs(30, 31), Ivs(28, 31), all, all, all, all}, NO_HIGHEST, true}},
      {ties, 6, {{all, top, all, all, all, top}, STAT_ATK}},
      {ties, 16, {{all, top, all, all, all, top}, STAT_SPEED}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(JudgePossibleIvs(c.bounds, c.characteristic), c.possible) << c.characteristic;
}

// Against the plain reading of the rules: every full set of six IVs within small random
// bounds (now and then one open, a few inverted) whose named stat, if any, has the
// remainder and no lower IV than any other. Without any, the characteristic is left out.
TEST(JudgePossibleIvs, MatchesPlainEnumerationOfJointPossibilities) {
  std::mt19937 rng(1805);
  const auto uniform = [&](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(rng); };
  for (int round = 0; round < 400; ++round) {
    const int characteristic = uniform(NO_CHARACTERISTIC, CHARACTERISTIC_COUNT - 1);
    const auto [s, remainder] =
        characteristic == NO_CHARACTERISTIC ? Characteristic{-1} : CharacteristicOf(characteristic);
    const int centre = uniform(2, 29);
    IvBounds b;
    for (int d = 0, open = uniform(0, 15); d < STAT_COUNT; ++d) {
      const std::int32_t lo = std::clamp(centre + (d == s ? 4 : 0) + uniform(-6, 3), 0, IV_MAX);
      const std::int32_t hi = uniform(0, 39) == 0 ? lo - 1 : std::min(IV_MAX, lo + uniform(0, 3));
      b[d] = d == open ? IvBound{0, IV_MAX} : IvBound{lo, hi};
    }
    IvMasks seen{};
    HiddenPowerRanges hiddenPower{};
    StatBlock v;
    for (v[0] = b[0].lo; v[0] <= b[0].hi; ++v[0])
      for (v[1] = b[1].lo; v[1] <= b[1].hi; ++v[1])
        for (v[2] = b[2].lo; v[2] <= b[2].hi; ++v[2])
          for (v[3] = b[3].lo; v[3] <= b[3].hi; ++v[3])
            for (v[4] = b[4].lo; v[4] <= b[4].hi; ++v[4])
              for (v[5] = b[5].lo; v[5] <= b[5].hi; ++v[5]) {
                const bool highest = s < 0 || *std::max_element(v.begin(), v.end()) == v[s];
                if (!highest || (s >= 0 && v[s] % 5 != remainder)) continue;
                for (int d = 0; d < STAT_COUNT; ++d) seen[d] |= 1u << v[d];
                hiddenPower[HiddenPowerType(v)].Include(HiddenPowerPower(v));
              }
    const PossibleIvs possible = JudgePossibleIvs(b, characteristic);
    const bool any = seen[0] != 0;
    ASSERT_EQ(possible.contradicted, s >= 0 && !any) << round;
    ASSERT_EQ(possible.masks, any ? seen : JudgePossibleIvs(b, NO_CHARACTERISTIC).masks) << round;
    ASSERT_EQ(HiddenPowerCandidates(b, possible),
              any ? hiddenPower : HiddenPowerCandidatesByEnumeration(b))
        << round;
  }
}

}  // namespace
}  // namespace kerumina::calc
