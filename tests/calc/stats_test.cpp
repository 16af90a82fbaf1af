#include "calc/stats.h"

#include <gtest/gtest.h>

namespace kerumina::calc {
namespace {

constexpr data::SpeciesId ALL_100_SPECIES = 150;  // every base stat 100
constexpr data::NatureId NEUTRAL = 24;

struct StatCase {
  std::int32_t base, iv, ev, level, tenths, expected;  // tenths 0: the HP formula
};

// The EV is quartered before it is added (3 EVs add nothing). A hindering nature keeps
// the stat when the core rises by one (10*9/10 = 11*9/10). For HP, at an odd sum one
// quartered EV already lifts the core; at an even one it takes two.
TEST(CalcStat, WorkedValues) {
  const StatCase cases[] = {
      {100, 31, 252, 50, 11, 167}, {100, 31, 252, 50, 10, 152},  {100, 31, 252, 50, 9, 136},
      {100, 31, 0, 50, 10, 120},   {100, 31, 252, 100, 11, 328}, {100, 31, 3, 50, 10, 120},
      {250, 0, 0, 1, 9, 9},        {250, 0, 400, 1, 9, 9},       {100, 31, 252, 50, 0, 207},
      {100, 31, 0, 50, 0, 175},    {100, 31, 252, 100, 0, 404},  {100, 31, 3, 50, 0, 175},
      {100, 31, 4, 50, 0, 176},    {100, 0, 4, 50, 0, 160},      {100, 0, 8, 50, 0, 161}};
  for (const StatCase& c : cases) {
    const std::int32_t stat = c.tenths == 0 ? CalcHp(c.base, c.iv, c.ev, c.level)
                                            : CalcStat(c.base, c.iv, c.ev, c.level, c.tenths);
    EXPECT_EQ(stat, c.expected) << c.base << "/" << c.iv << "/" << c.ev << "/" << c.level << "/"
                                << c.tenths;
  }
}

TEST(CalcStatBlock, SpeedStoredFourthNaturePerStatFixedHp) {
  const std::int32_t charmander[] = {39, 52, 43, 60, 50, 65};  // stored 39 52 43 65 60 50
  for (int d = 0; d < data::STAT_COUNT; ++d) EXPECT_EQ(BaseStat(3, d), charmander[d]);

  const data::StatBlock ivs = {31, 31, 31, 31, 31, 31};
  const data::StatBlock evs = {252, 252, 252, 252, 252, 252};
  const data::NatureId timid = 16;
  EXPECT_EQ(CalcStatBlock(ALL_100_SPECIES, 50, timid, ivs, evs),
            (data::StatBlock{207, 136, 152, 152, 152, 167}));

  EXPECT_EQ(CalcStatOf(FIXED_HP_SPECIES, 50, NEUTRAL, data::STAT_HP, 31, 0), 76);
  const data::StatBlock stats = CalcStatBlock(FIXED_HP_SPECIES, 50, NEUTRAL, ivs, {252});
  EXPECT_EQ(stats[data::STAT_HP], 1);
  EXPECT_EQ(stats[data::STAT_ATK], CalcStat(90, 31, 0, 50, 10));
}

}  // namespace
}  // namespace kerumina::calc
