#include "calc/stats.h"

#include <gtest/gtest.h>

namespace kerumina::calc {
namespace {

constexpr data::SpeciesId ALL_100_SPECIES = 150;  // every base stat 100
constexpr data::NatureId NEUTRAL = 24;

struct StatCase {
  std::int32_t base, iv, ev, level, tenths, expected;
};

TEST(CalcStat, WorkedValues) {
  const StatCase cases[] = {
      {100, 31, 252, 50, 11, 167},
      {100, 31, 252, 50, 10, 152},
      {100, 31, 252, 50, 9, 136},
      {100, 31, 0, 50, 10, 120},
      {100, 31, 252, 100, 11, 328},
      // The EV is quartered before it is added: 3 EVs add nothing.
      {100, 31, 3, 50, 10, 120},
  };
  for (const StatCase& c : cases)
    EXPECT_EQ(CalcStat(c.base, c.iv, c.ev, c.level, c.tenths), c.expected)
        << c.base << "/" << c.iv << "/" << c.ev << "/" << c.level << "/" << c.tenths;
}

TEST(CalcStat, HinderingNatureKeepsStatWhenCoreRisesByOne) {
  // core 5 -> 6 at level 1: (10) * 9 / 10 = 9 and (11) * 9 / 10 = 9.
  EXPECT_EQ(CalcStat(250, 0, 0, 1, 9), CalcStat(250, 0, 400, 1, 9));
}

TEST(CalcHp, WorkedValues) {
  EXPECT_EQ(CalcHp(100, 31, 252, 50), 207);
  EXPECT_EQ(CalcHp(100, 31, 0, 50), 175);
  EXPECT_EQ(CalcHp(100, 31, 252, 100), 404);
  EXPECT_EQ(CalcHp(100, 31, 3, 50), 175);
  // At an odd sum one quartered EV already lifts the core; at an even one it takes two.
  EXPECT_EQ(CalcHp(100, 31, 4, 50), 176);
  EXPECT_EQ(CalcHp(100, 0, 4, 50), 160);
  EXPECT_EQ(CalcHp(100, 0, 8, 50), 161);
}

TEST(BaseStat, SpeedIsStoredFourthButShownLast) {
  const data::SpeciesId charmander = 3;  // stored 39 52 43 65 60 50
  const std::int32_t expected[] = {39, 52, 43, 60, 50, 65};
  for (int d = 0; d < data::STAT_COUNT; ++d) EXPECT_EQ(BaseStat(charmander, d), expected[d]);
}

TEST(CalcStatBlock, AppliesNaturePerStat) {
  const data::StatBlock ivs = {31, 31, 31, 31, 31, 31};
  const data::StatBlock evs = {252, 252, 252, 252, 252, 252};
  const data::NatureId timid = 16;
  const data::StatBlock expected = {207, 136, 152, 152, 152, 167};
  EXPECT_EQ(CalcStatBlock(ALL_100_SPECIES, 50, timid, ivs, evs), expected);
}

TEST(CalcStatBlock, FixedHpSpeciesStoresHpOne) {
  ASSERT_EQ(CalcStatOf(FIXED_HP_SPECIES, 50, NEUTRAL, data::STAT_HP, 31, 0), 76);
  const data::StatBlock ivs = {31, 31, 31, 31, 31, 31};
  const data::StatBlock evs = {252, 0, 0, 0, 0, 0};
  const data::StatBlock stats = CalcStatBlock(FIXED_HP_SPECIES, 50, NEUTRAL, ivs, evs);
  EXPECT_EQ(stats[data::STAT_HP], 1);
  EXPECT_EQ(stats[data::STAT_ATK], CalcStat(90, 31, 0, 50, 10));
}

}  // namespace
}  // namespace kerumina::calc
