#include "calc/iv_possible.h"

#include <gtest/gtest.h>

#include <random>

#include "calc/hidden_power.h"

namespace kerumina::calc {
namespace {

using namespace data;

IvBounds Open() {
  IvBounds bounds;
  bounds.fill({0, IV_MAX});
  return bounds;
}

IvMask Ivs(std::initializer_list<std::int32_t> ivs) {
  IvMask mask = 0;
  for (std::int32_t iv : ivs) mask |= 1u << iv;
  return mask;
}

IvMask Range(std::int32_t lo, std::int32_t hi) {
  IvMask mask = 0;
  for (std::int32_t iv = lo; iv <= hi; ++iv) mask |= 1u << iv;
  return mask;
}

// The games list the stats HP, Atk, Def, Speed, SpAtk, SpDef.
TEST(Characteristic, EachTextNamesItsStatAndRemainder) {
  const struct {
    int stat;
    const char* texts[5];
  } rows[] = {
      {STAT_HP,
       {"たべるのが だいすき", "ひるねを よくする", "いねむりが おおい", "ものを よく ちらかす",
        "のんびりするのが すき"}},
      {STAT_ATK,
       {"ちからが じまん", "あばれることが すき", "ちょっと おこりっぽい", "ケンカを するのが すき",
        "ちのけが おおい"}},
      {STAT_DEF,
       {"からだが じょうぶ", "うたれ づよい", "ねばり づよい", "しんぼう づよい", "がまん づよい"}},
      {STAT_SPEED,
       {"かけっこが すき", "ものおとに びんかん", "おっちょこちょい", "すこし おちょうしもの",
        "にげるのが はやい"}},
      {STAT_SPATK,
       {"こうきしんが つよい", "イタズラが すき", "ぬけめが ない", "かんがえごとが おおい",
        "とても きちょうめん"}},
      {STAT_SPDEF,
       {"きが つよい", "ちょっぴり みえっぱり", "まけんきが つよい", "まけずぎらい",
        "ちょっぴり ごうじょう"}},
  };
  int index = 0;
  for (const auto& row : rows) {
    for (std::int32_t remainder = 0; remainder < 5; ++remainder, ++index) {
      EXPECT_STREQ(CharacteristicText(index), row.texts[remainder]);
      EXPECT_EQ(CharacteristicOf(index), (Characteristic{row.stat, remainder})) << index;
    }
  }
  EXPECT_EQ(index, CHARACTERISTIC_COUNT);
}

constexpr int ATK_1 = 6;     // あばれることが すき
constexpr int ATK_4 = 9;     // ちのけが おおい
constexpr int SPEED_1 = 16;  // ものおとに びんかん

struct JudgeCase {
  const char* what;
  IvBounds bounds;
  int characteristic;
  IvMasks masks;
  int highest;
  bool contradicted = false;
};

TEST(JudgePossibleIvs, WorkedCases) {
  IvBounds pinned = Open(), hp30 = Open(), ties = Open();
  pinned[STAT_HP] = {25, 31}, pinned[STAT_ATK] = {20, 31};
  hp30[STAT_ATK] = {28, 31}, hp30[STAT_HP] = {30, 31};
  ties[STAT_ATK] = ties[STAT_SPEED] = {31, 31}, ties[STAT_DEF] = {20, 25};
  const IvMask all = Range(0, 31), u29 = Range(0, 29), top = Ivs({31}), def = Range(20, 25);
  const IvMasks hp30Masks = {Range(30, 31), Range(28, 31), all, all, all, all};
  const IvMasks tiesMasks = {all, top, def, all, all, top};
  const JudgeCase cases[] = {
      {"no characteristic: the bounds", hp30, NO_CHARACTERISTIC, hp30Masks, NO_HIGHEST, false},
      {"all open", Open(), 4, {Ivs({4, 9, 14, 19, 24, 29}), u29, u29, u29, u29, u29}, STAT_HP},
      {"pinned above the others' least",
       pinned,
       ATK_4,
       {Range(25, 29), Ivs({29}), u29, u29, u29, u29},
       STAT_ATK},
      {"others' least above the remainder's IVs", hp30, ATK_4, hp30Masks, NO_HIGHEST, true},
      {"tie at 31, atk named", ties, ATK_1, tiesMasks, STAT_ATK},
      {"tie at 31, speed named", ties, SPEED_1, tiesMasks, STAT_SPEED},
      {"the named stat can be highest nowhere", ties, ATK_4, tiesMasks, NO_HIGHEST, true},
  };
  for (const JudgeCase& c : cases) {
    EXPECT_EQ(JudgePossibleIvs(c.bounds, c.characteristic),
              (PossibleIvs{c.masks, c.highest, c.contradicted}))
        << c.what;
  }
}

// The plain reading of the rules: every full set of six IVs within the bounds whose named
// stat has the remainder and no lower IV than any other.
struct Joint {
  IvMasks seen{};
  HiddenPowerRanges hiddenPower{};
  bool any = false;
};

Joint EnumerateJoint(const IvBounds& b, int characteristic) {
  Joint joint;
  const Characteristic c = CharacteristicOf(characteristic);
  StatBlock ivs;
  for (ivs[0] = b[0].lo; ivs[0] <= b[0].hi; ++ivs[0])
    for (ivs[1] = b[1].lo; ivs[1] <= b[1].hi; ++ivs[1])
      for (ivs[2] = b[2].lo; ivs[2] <= b[2].hi; ++ivs[2])
        for (ivs[3] = b[3].lo; ivs[3] <= b[3].hi; ++ivs[3])
          for (ivs[4] = b[4].lo; ivs[4] <= b[4].hi; ++ivs[4])
            for (ivs[5] = b[5].lo; ivs[5] <= b[5].hi; ++ivs[5]) {
              if (ivs[c.stat] % 5 != c.remainder) continue;
              bool highest = true;
              for (std::int32_t iv : ivs) highest = highest && iv <= ivs[c.stat];
              if (!highest) continue;
              joint.any = true;
              for (int d = 0; d < STAT_COUNT; ++d) joint.seen[d] |= 1u << ivs[d];
              joint.hiddenPower[HiddenPowerType(ivs)].Include(HiddenPowerPower(ivs));
            }
  return joint;
}

// Small random bounds round a common centre, so that the named stat competes; now and
// then one stat open. A contradiction falls back to the bounds alone.
TEST(JudgePossibleIvs, MatchesPlainEnumerationOfJointPossibilities) {
  std::mt19937 rng(1805);
  const auto uniform = [&](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(rng); };
  for (int round = 0; round < 300; ++round) {
    const int characteristic = uniform(0, CHARACTERISTIC_COUNT - 1);
    const int centre = uniform(2, 29), open = uniform(0, 15);
    IvBounds bounds;
    for (int d = 0; d < STAT_COUNT; ++d) {
      const int lift = d == CharacteristicOf(characteristic).stat ? 4 : 0;
      const std::int32_t lo = std::clamp(centre + lift + uniform(-6, 3), 0, IV_MAX);
      bounds[d] =
          d == open ? IvBound{0, IV_MAX} : IvBound{lo, std::min(IV_MAX, lo + uniform(0, 3))};
    }
    const Joint joint = EnumerateJoint(bounds, characteristic);
    const PossibleIvs possible = JudgePossibleIvs(bounds, characteristic);
    ASSERT_EQ(possible.contradicted, !joint.any) << round;
    if (joint.any) {
      ASSERT_EQ(possible.masks, joint.seen) << round;
      ASSERT_EQ(HiddenPowerCandidates(bounds, possible), joint.hiddenPower) << round;
    } else {
      ASSERT_EQ(possible.masks, JudgePossibleIvs(bounds, NO_CHARACTERISTIC).masks) << round;
      ASSERT_EQ(possible.highest, NO_HIGHEST);
      ASSERT_EQ(HiddenPowerCandidates(bounds, possible),
                HiddenPowerCandidatesByEnumeration(bounds));
    }
  }
}

TEST(HiddenPower, CharacteristicKeepsTheOpenStatRule) {
  IvBounds bounds = Open();
  bounds[STAT_HP] = bounds[STAT_ATK] = {31, 31};
  const PossibleIvs possible = JudgePossibleIvs(bounds, ATK_1);
  EXPECT_EQ(possible.highest, STAT_ATK);
  EXPECT_FALSE(HiddenPowerCandidates(bounds, possible).has_value());
  bounds[STAT_DEF] = {0, 30};
  EXPECT_TRUE(HiddenPowerCandidates(bounds, JudgePossibleIvs(bounds, ATK_1)).has_value());
}

}  // namespace
}  // namespace kerumina::calc
