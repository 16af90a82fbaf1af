#include "calc/stats.h"

#include <gtest/gtest.h>

namespace kerumina::calc {
namespace {

constexpr data::SpeciesId ALL_100_SPECIES = 150;  // every base stat 100
constexpr data::NatureId NEUTRAL = 24;

// The EV is quartered before it is added (3 EVs add nothing). A hindering nature keeps
// the stat when the core rises by one (10*9/10 = 11*9/10). For HP, at an odd sum one
// quartered EV already lifts the core; at an even one it takes two.
TEST(CalcStat, WorkedValues) {
  EXPECT_EQ((std::array{CalcStat(100, 31, 3, 50, 10), CalcStat(100, 31, 252, 100, 11),
                        CalcStat(250, 0, 0, 1, 9), CalcStat(250, 0, 400, 1, 9)}),
            (std::array{120, 328, 9, 9}));
  EXPECT_EQ((std::array{CalcHp(100, 31, 3, 50), CalcHp(100, 31, 4, 50), CalcHp(100, 0, 4, 50),
                        CalcHp(100, 0, 8, 50), CalcHp(100, 31, 252, 100)}),
            (std::array{175, 176, 160, 161, 404}));
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
