#include "calc/game_damage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "calc/game_damage_report.h"
#include "calc/stats.h"
#include "damage_fixture.h"
#include "data/abilities.h"
#include "data/moves.h"
#include "tests/case_file.h"
#include "text/cp932.h"

namespace kerumina::calc {
namespace {

using namespace damage_fixture;
using Req = DamageRequest;
using RollList = std::vector<std::int64_t>;

constexpr data::SpeciesId DARK = 196;
constexpr data::MoveId WATER_SPECIAL_95 = 56;  // both foes and the ally
constexpr data::MoveId ICE_SPECIAL_95 = 57;
constexpr data::MoveId STRUGGLE = 164;
constexpr data::MoveId DELAYED_PSYCHIC = 247;

constexpr Tweak SUN = [](Req& r) { r.weather = WEATHER_SUN; };
constexpr Tweak RAIN = [](Req& r) { r.weather = WEATHER_RAIN; };
constexpr Tweak ACTIVE = [](Req& r) { r.abilityActive = true; };
constexpr Tweak BERRY = [](Req& r) { r.berryActive = true; };
constexpr Tweak BURNED = [](Req& r) { r.burned = true; };
constexpr Tweak DOUBLE = [](Req& r) { r.doubleBattle = true; };
constexpr Tweak CRITICAL = [](Req& r) { r.critical = r.reflect = true; };
constexpr Tweak HELPING = [](Req& r) { r.helpingHand = true; };
constexpr Tweak BURN_STATUS = [](Req& r) { r.defenderStatus = DefenderStatus::Burn; };

// Every IV 31, stats computed as the entry editor would.
box::BoxEntry Built(data::SpeciesId species, std::int32_t nature, data::StatBlock ev,
                    std::int32_t level = 50) {
  box::BoxEntry entry = Entry(species, level);
  entry.nature = nature;
  std::copy(ev.begin(), ev.end(), entry.ev);
  const data::StatBlock stats = CalcStatBlock(species, level, nature, {31, 31, 31, 31, 31, 31}, ev);
  std::copy(stats.begin(), stats.end(), entry.stat);
  return entry;
}

RollList RollsOf(const GameDamageResult& result) {
  return {result.rolls.begin(), result.rolls.end()};
}
RollList RollsOf(const Req& request) {
  return RollsOf(ComputeGameDamage(request));
}

Req GroundRow() {
  return MoveRow(Built(444, 1, {4, 252, 0, 0, 0, 252}), Built(375, 20, {252, 0, 0, 0, 4, 0}), 88);
}
Req IceRow() {
  return MoveRow(Built(372, 10, {0, 0, 0, 252, 4, 252}), Built(226, 20, {252, 0, 4, 0, 0, 0}), 57);
}

TEST(ComputeGameDamage, WorkedRows) {
  const std::pair<Req, RollList> cases[] = {
      {GroundRow(),
       {152, 152, 156, 156, 158, 162, 162, 164, 164, 168, 170, 170, 174, 174, 176, 180}},
      {Make(GroundRow()).Items(2, 0).With([](Req& r) { r.doubleBattle = r.reflect = true; }),
       {98, 98, 98, 102, 102, 104, 104, 104, 108, 108, 110, 110, 110, 114, 114, 116}},
      // ひこう ×2 before はがね ×1/2, though the species lists はがね first.
      {IceRow(), {71, 72, 73, 73, 74, 75, 76, 77, 78, 78, 79, 80, 81, 82, 83, 84}},
      // 40 × 3/2 = 60 after てだすけ, so テクニシャン still applies.
      {Make(MoveRow(Built(447, 1, {0, 252, 0, 0, 0, 0}), Built(142, 20, {252, 0, 0, 0, 0, 0}), 182))
           .Abilities(data::ABILITY_TECHNICIAN, 0)
           .With(HELPING),
       {212, 216, 218, 218, 222, 224, 228, 230, 234, 234, 236, 240, 242, 246, 248, 252}},
      {Make(MoveRow(Built(248, 1, {0, 252, 0, 0, 0, 0}), Built(350, 20, {}), 443))
           .Abilities(0, data::ABILITY_FORECAST)
           .With(RAIN),
       {66, 67, 67, 68, 69, 70, 70, 71, 72, 73, 74, 74, 75, 76, 77, 78}},
  };
  for (const auto& [request, rolls] : cases) EXPECT_EQ(RollsOf(request), rolls);
  EXPECT_EQ(GameHitsCell(ComputeGameDamage(GroundRow())), "確定2発");
}

TEST(ComputeGameDamage, Immunities) {
  using namespace data;
  // Defender, move, the two abilities, "じゅうりょく" and "みやぶる／かぎわける", immune.
  const std::tuple<SpeciesId, MoveId, std::int32_t, std::int32_t, bool, bool> cases[] = {
      {GHOST, NORMAL_PHYSICAL_35, 0, 0, false, true},
      {GHOST, NORMAL_PHYSICAL_35, 0, 0, true, false},
      {GHOST_POISON, NORMAL_PHYSICAL_35, 0, ABILITY_SCRAPPY, false, false},
      {NORMAL_FLYING, GROUND_ALL_TARGETS, 0, 0, false, true},
      {NORMAL_FLYING, GROUND_ALL_TARGETS, 0, 0, true, false},  // a second flying type too
      {NORMAL, WATER_PHYSICAL_80, ABILITY_WONDER_GUARD, 0, false, true},
      {FIRE, WATER_PHYSICAL_80, ABILITY_WONDER_GUARD, 0, false, false},
      {WATER, 423, ABILITY_WONDER_GUARD, 0, false, false},
      {NORMAL, STRUGGLE, ABILITY_WONDER_GUARD, 0, false, false},
      {NORMAL, FIRE_SPECIAL_95, ABILITY_FLASH_FIRE, 0, false, true},
      {NORMAL, WATER_SPECIAL_40, ABILITY_WATER_ABSORB, 0, false, true},
      {NORMAL, WATER_PHYSICAL_80, ABILITY_DRY_SKIN, 0, false, true},
      {NORMAL, 84, ABILITY_VOLT_ABSORB, 0, false, true},
      {NORMAL, 84, ABILITY_MOTOR_DRIVE, 0, false, true},
      {NORMAL, GROUND_ALL_TARGETS, ABILITY_LEVITATE, 0, false, true},
      {NORMAL, GROUND_ALL_TARGETS, ABILITY_LEVITATE, 0, true, false},
      {NORMAL, GROUND_ALL_TARGETS, ABILITY_LEVITATE, ABILITY_MOLD_BREAKER, false, false},
      {NORMAL, 303, 98, ABILITY_MOLD_BREAKER, false, false},  // ぼうおん: every move below
      // Corrected: the future attacks stay typeless under ノーマルスキン, like わるあがき.
      {GHOST, DELAYED_PSYCHIC, 0, ABILITY_NORMALIZE, false, false},
      {GHOST, STRUGGLE, 0, ABILITY_NORMALIZE, false, false},
      {DARK, DELAYED_PSYCHIC, 0, 0, false, false},
  };
  for (const auto& [defender, move, defenderAbility, attackerAbility, conditions, immune] : cases) {
    Req request = Make(WATER, defender, move).Abilities(attackerAbility, defenderAbility);
    request.gravity = request.foresight = conditions;
    EXPECT_EQ(ComputeGameDamage(request).immune, immune) << defender << " " << move;
  }
}

// Neither stats, stages, items nor type factors move a fixed amount; only immunity does.
TEST(ComputeGameDamage, FixedDamage) {
  const std::tuple<data::MoveId, data::SpeciesId, std::int64_t> cases[] = {
      {68, NORMAL, 37}, {68, GHOST, 0},  {100, FIRE, 37},
      {100, NORMAL, 0}, {48, WATER, 20}, {81, FIRE, 40}};
  for (const auto& [move, defender, damage] : cases) {
    const Req request =
        Make(WATER, defender, move).Level(37).Items(2, 0).Stages(6, 0).With([](Req& r) {
          r.helpingHand = r.reflect = r.lightScreen = true;
        });
    EXPECT_EQ(RollsOf(request), RollList(ROLL_COUNT, damage)) << move;
  }
}

// Move, weather, the two abilities, the type and power used (1 with a type: not computable).
TEST(ComputeGameDamage, TypeAndPowerUsed) {
  using namespace data;
  const std::tuple<MoveId, int, int, int, TypeId, int> cases[] = {
      {WEATHER_TYPED, WEATHER_SANDSTORM, 0, 0, 5, 100},
      {WEATHER_TYPED, WEATHER_RAIN, 0, ABILITY_CLOUD_NINE, 0, 50},  // no weather at all
      {WEATHER_TYPED, WEATHER_HAIL, ABILITY_NORMALIZE, 0, 0, 100},
      {IV_TYPED, 0, 0, 0, 17, 70},
      {FRIENDSHIP, 0, 0, 0, 0, 102},
      {217, 0, 0, 0, 0, 102},
      {VARIABLE_POWER, 0, 0, 0, 1, 1},
      {STRUGGLE, 0, ABILITY_NORMALIZE, 0, TYPELESS, 50},
      {283, 0, 0, 0, 10, 150},
      {283, 0, ABILITY_BLAZE, 0, 10, 49},  // HP 100 at 33: 150 × 33 / 100
      {322, 0, ABILITY_TORRENT, 0, 11, 49},
  };
  for (const auto& [move, weather, attacker, defender, type, power] : cases) {
    Req request = Make(WATER, NORMAL, move).Abilities(attacker, defender).With(ACTIVE);
    request.weather = weather;
    const GameDamageResult result = ComputeGameDamage(request);
    EXPECT_EQ(std::tuple(result.moveType, result.movePower, result.notComputable),
              std::tuple(type, power, power == 1))
        << move;
  }
  EXPECT_TRUE(ComputeGameDamage(Make(WATER, NORMAL, IV_TYPED).With([](Req& r) {
                r.attacker->statsEntered = 1;
              })).notComputable);
  // ノーマルスキン turns the direct row's type too; it names no move.
  Req direct = Make(WATER, NORMAL, 0).Abilities(ABILITY_NORMALIZE, 0);
  MakeDirect(direct, 100, CATEGORY_PHYSICAL, 11);
  EXPECT_EQ(ComputeGameDamage(direct).moveType, 0);
}

// One row by the plain formula: the power, attack and defence a rule should give, the
// multipliers of the base before its +2, the critical factor after it, then the multipliers
// after the random factor in order (a reduction never makes 1 into 0).
using Steps = std::vector<std::pair<std::int64_t, std::int64_t>>;
struct Expected {
  std::int64_t power, attack, defence;
  Steps base, after;
  std::int64_t critical = 1;
};

RollList Reference(const Req& r, const Expected& e) {
  const std::int64_t level = r.attacker->level;
  std::int64_t base = (2 * level / 5 + 2) * e.power * e.attack / 50 / e.defence;
  for (const auto& [num, den] : e.base) base = base * num / den;
  base = (base + 2) * e.critical;
  RollList rolls;
  for (std::int64_t roll = 85; roll <= 100; ++roll) {
    std::int64_t x = base * roll / 100;
    for (const auto& [num, den] : e.after) x = std::max<std::int64_t>(x * num / den, num > 0);
    rolls.push_back(std::max<std::int64_t>(x, 1));
  }
  return rolls;
}

// Each rule of the games against the plain formula, in the games' own order.
TEST(ComputeGameDamage, RulesAgainstThePlainFormula) {
  constexpr std::pair<std::int64_t, std::int64_t> STAB{3, 2}, SUPER{2, 1}, HALF{1, 2};
  constexpr std::int32_t ATK = data::STAT_ATK, SPATK = data::STAT_SPATK;
  constexpr data::MoveId PHYSICAL = WATER_PHYSICAL_80, SPECIAL = WATER_SPECIAL_95;
  const Expected plain{80, 100, 100, {}, {STAB}}, special{95, 100, 100, {}, {STAB}};
  const auto water = [](data::MoveId move) { return Make(WATER, NORMAL, move); };
  const auto critical = [](std::int32_t attacker, std::int32_t defender, data::MoveId move) {
    return Make(WATER, NORMAL, move)
        .Level(100)
        .Stages(-1, 1)
        .Abilities(attacker, defender)
        .With(CRITICAL);
  };
  // clang-format off
  const std::pair<Req, Expected> cases[] = {
      // Items of the attacker, each on its category and species only.
      {water(PHYSICAL).Items(1, 0), {96, 100, 100, {}, {STAB}}},
      {water(PHYSICAL).Items(3, 0), {80, 150, 100, {}, {STAB}}},
      {water(PHYSICAL).Items(5, 0), {88, 100, 100, {}, {STAB}}},
      {water(SPECIAL).Items(8, 0), {104, 100, 100, {}, {STAB}}},
      {Make(WATER, FIRE, PHYSICAL).Items(9, 0), {80, 100, 100, {}, {STAB, SUPER, {6, 5}}}},
      {water(PHYSICAL).Items(9, 0), plain},
      {Make(379, NORMAL, SPECIAL).Items(10, 0), {95, 150, 100, {}, {}}},
      {Make(WATER, 379, SPECIAL).Items(0, 10), {95, 100, 150, {}, {STAB, HALF}}},
      {Make(365, NORMAL, SPECIAL).Items(11, 0), {95, 200, 100, {}, {STAB}}},
      {Make(365, NORMAL, PHYSICAL).Items(11, 0), plain},
      {Make(WATER, 365, PHYSICAL).Items(0, 12), {80, 100, 100, {}, {STAB, HALF}}},
      {Make(WATER, 131, SPECIAL).Items(0, 13), special},
      {Make(104, NORMAL, SPECIAL).Items(7, 0), {95, 100, 100, {}, {}}},
      {water(PHYSICAL).Items(3, 0).Abilities(data::ABILITY_KLUTZ, 0), plain},
      {water(PHYSICAL).Items(14, 0).With(BERRY), {80, 150, 100, {}, {STAB}}},
      {water(PHYSICAL).Items(14, 0).Stages(6, 0).With(BERRY), {80, 400, 100, {}, {STAB}}},
      {water(SPECIAL).Items(15, 0).With(BERRY), {95, 150, 100, {}, {STAB}}},
      {water(SPECIAL).Items(14, 0).With(BERRY), special},
      // てんねん ignores the berry's stage too; たんじゅん doubles the raised stage.
      {water(PHYSICAL).Items(14, 0).Stages(1, 0).Abilities(0, data::ABILITY_UNAWARE).With(BERRY), plain},
      {water(PHYSICAL).Items(14, 0).Abilities(data::ABILITY_SIMPLE, 0).With(BERRY), {80, 200, 100, {}, {STAB}}},
      {water(PHYSICAL).Stages(0, 2).Abilities(data::ABILITY_UNAWARE, 0), plain},
      {water(PHYSICAL).Stages(4, 0).Abilities(data::ABILITY_SIMPLE, 0), {80, 400, 100, {}, {STAB}}},
      {water(PHYSICAL).Stages(0, 1).Abilities(0, data::ABILITY_SIMPLE), {80, 100, 200, {}, {STAB}}},
      {water(PHYSICAL).Stages(-2, -1), {80, 50, 66, {}, {STAB}}},
      // Abilities and conditions on the attack.
      {water(PHYSICAL).Abilities(data::ABILITY_HUGE_POWER, 0), {80, 200, 100, {}, {STAB}}},
      {water(SPECIAL).Abilities(data::ABILITY_PURE_POWER, 0), special},
      {water(PHYSICAL).Abilities(data::ABILITY_SLOW_START, 0).With(ACTIVE), {80, 50, 100, {}, {STAB}}},
      {water(SPECIAL).Abilities(data::ABILITY_HUSTLE, 0), special},
      {water(PHYSICAL).Abilities(data::ABILITY_GUTS, 0).With(ACTIVE), {80, 150, 100, {}, {STAB}}},
      {water(PHYSICAL).Abilities(data::ABILITY_GUTS, 0).With(BURNED), {80, 150, 100, {}, {STAB}}},
      {water(PHYSICAL).With(BURNED), {80, 100, 100, {HALF}, {STAB}}},
      {water(SPECIAL).With(BURNED), special},
      {water(84).Abilities(data::ABILITY_SOLAR_POWER, 0).With(SUN), {95, 150, 100, {}, {}}},
      {water(NORMAL_PHYSICAL_35).Abilities(93, 0).With(SUN), {35, 150, 100, {}, {}}},
      {water(NORMAL_PHYSICAL_35).With([](Req& r) { r.weather = WEATHER_SUN, r.flowerGift = true; }),
       {35, 150, 100, {}, {}}},
      // The defence.
      {water(84).Abilities(0, 93).With(SUN), {95, 100, 150, {}, {}}},
      {Make(WATER, ROCK_GROUND, SPECIAL).With([](Req& r) { r.weather = WEATHER_SANDSTORM; }),
       {95, 100, 150, {}, {STAB, SUPER, SUPER}}},
      {water(119), {200, 100, 50, {}, {}}},
      {water(152), {250, 100, 50, {}, {}}},
      {water(262).Abilities(data::ABILITY_GUTS, 0).With(ACTIVE), {140, 150, 100, {}, {}}},  // からげんき
      // The power.
      {water(PHYSICAL).With(HELPING), {120, 100, 100, {}, {STAB}}},
      {water(WATER_SPECIAL_40).Abilities(data::ABILITY_TECHNICIAN, 0), {60, 100, 100, {}, {STAB}}},
      {water(364).Abilities(data::ABILITY_TECHNICIAN, 0), {90, 100, 100, {}, {}}},
      {water(PHYSICAL).Abilities(data::ABILITY_TECHNICIAN, 0), plain},
      {Make(32, 28, NORMAL_PHYSICAL_35).Abilities(66, 0), {26, 100, 100, {}, {}}},  // とうそうしん
      {Make(32, 31, NORMAL_PHYSICAL_35).Abilities(66, 0), {43, 100, 100, {}, {}}},
      {Make(32, NORMAL, NORMAL_PHYSICAL_35).Abilities(66, 0), {35, 100, 100, {}, {}}},
      {water(ICE_SPECIAL_95).Abilities(0, data::ABILITY_THICK_FAT), {47, 100, 100, {}, {}}},
      {water(FIRE_SPECIAL_95).Abilities(0, data::ABILITY_HEATPROOF), {47, 100, 100, {}, {}}},
      {water(FIRE_SPECIAL_95).Abilities(0, data::ABILITY_DRY_SKIN), {118, 100, 100, {}, {}}},
      {water(PHYSICAL).Abilities(data::ABILITY_TORRENT, 0).With(ACTIVE), {120, 100, 100, {}, {STAB}}},
      {water(PHYSICAL).Abilities(data::ABILITY_TORRENT, 0), plain},
      {water(75).Abilities(data::ABILITY_OVERGROW, 0).With(ACTIVE), {180, 100, 100, {}, {}}},
      // The base: weather, screens, spread moves, もらいび.
      {water(PHYSICAL).With(RAIN), {80, 100, 100, {{3, 2}}, {STAB}}},
      {water(PHYSICAL).With(SUN), {80, 100, 100, {HALF}, {STAB}}},
      {water(FIRE_SPECIAL_95).With(SUN), {95, 100, 100, {{3, 2}}, {}}},
      {water(FIRE_SPECIAL_95).With(RAIN), {95, 100, 100, {HALF}, {}}},
      {water(75).With(RAIN), {120, 100, 100, {HALF}, {}}},
      {water(75).With(SUN), {120, 100, 100, {}, {}}},
      {water(FIRE_SPECIAL_95).Abilities(data::ABILITY_FLASH_FIRE, 0).With(ACTIVE), {95, 100, 100, {{3, 2}}, {}}},
      {water(PHYSICAL).With([](Req& r) { r.reflect = true; }), {80, 100, 100, {HALF}, {STAB}}},
      {water(PHYSICAL).With([](Req& r) { r.reflect = r.doubleBattle = true; }), {80, 100, 100, {{2, 3}}, {STAB}}},
      {water(PHYSICAL).With([](Req& r) { r.lightScreen = true; }), plain},
      {water(SPECIAL).With([](Req& r) { r.lightScreen = true; }), {95, 100, 100, {HALF}, {STAB}}},
      {water(279).With([](Req& r) { r.reflect = true; }), {75, 100, 100, {}, {SUPER}}},  // かわらわり
      {water(SPECIAL).With(DOUBLE), {95, 100, 100, {{3, 4}}, {STAB}}},
      {water(POISON_BOTH_FOES).With(DOUBLE), {40, 100, 100, {{3, 4}}, {}}},
      {water(PHYSICAL).With(DOUBLE), plain},
      // After the random factor.
      {water(PHYSICAL).Abilities(data::ABILITY_ADAPTABILITY, 0), {80, 100, 100, {}, {{2, 1}}}},
      {Make(WATER, FIRE, PHYSICAL).Abilities(0, data::ABILITY_SOLID_ROCK), {80, 100, 100, {}, {STAB, SUPER, {3, 4}}}},
      {Make(WATER, FIRE, PHYSICAL).Abilities(0, data::ABILITY_FILTER), {80, 100, 100, {}, {STAB, SUPER, {3, 4}}}},
      {water(PHYSICAL).Abilities(0, data::ABILITY_FILTER), plain},
      {Make(WATER, WATER, PHYSICAL).Abilities(data::ABILITY_TINTED_LENS, 0), {80, 100, 100, {}, {STAB, HALF, {2, 1}}}},
      {Make(WATER, GHOST, STRUGGLE).Items(1, 0), {60, 100, 100, {}, {}}},
      {Make(WATER, DARK, DELAYED_PSYCHIC).Items(1, 0).With(SUN), {96, 100, 100, {}, {}}},
      // Corrected (the games' order): こだわりメガネ at +2: 101 × 3/2 = 151, then × 2 = 302.
      {water(ICE_SPECIAL_95).Level(100).Items(4, 0).Stages(2, 0).Stat(SPATK, 101, 20), {95, 302, 20, {}, {}}},
      // メタルパウダー at +1: 101 × 2 = 202, then × 3/2 = 303.
      {Make(NORMAL, 131, 32).Level(100).Items(0, 13).Stages(0, 1).Stat(ATK, 999, 101), {35, 999, 303, {}, {STAB}}},
      // ふといホネ before はりきり: 101 × 2 × 3/2.
      {Make(103, NORMAL, 32).Level(100).Items(7, 0).Abilities(81, 0).Stat(ATK, 101, 20), {35, 303, 20, {}, {}}},
      // しんかいのウロコ before the defender's フラワーギフト in sun.
      {Make(NORMAL, 365, ICE_SPECIAL_95).Level(100).Items(0, 12).Abilities(0, 93).Stat(SPATK, 500, 101).With(SUN),
       {95, 500, 303, {}, {HALF}}},
      // でんきだま doubles the power, before あついしぼう halves it; the attack stays.
      {Make(24, 142, 6).Items(6, 0).Abilities(0, 3), {75, 100, 100, {}, {}}},
      {Make(24, 142, ICE_SPECIAL_95).Level(100).Items(6, 0).Abilities(0, 3).Stat(SPATK, 100, 20), {95, 100, 20, {}, {}}},
      // すてみ before てだすけ: 90 × 6/5 × 3/2 × 11/10 = 178 (not 177).
      {Make(WATER, FIRE, 35).Items(5, 0).Abilities(43, 0).With(HELPING), {178, 100, 100, {}, {}}},
      // あついしぼう before もうか: 95 / 2 × 3/2 = 70 (not 71).
      {Make(391, 142, FIRE_SPECIAL_95).Abilities(data::ABILITY_BLAZE, 3).With(ACTIVE), {70, 100, 100, {}, {STAB}}},
      // てつのこぶし last: 75 / 2 × 6/5 = 44 (not 45).
      {Make(WATER, 142, 6).Level(100).Abilities(61, 3).Stat(ATK, 100, 20), {44, 100, 20, {}, {}}},
      // テクニシャン leaves わるあがき at 50.
      {water(STRUGGLE).Abilities(data::ABILITY_TECHNICIAN, 0), {50, 100, 100, {}, {}}},
      // A こおり move meets ほのお last, a ゴースト move meets ゴースト after あく.
      {Make(WATER, FIRE_FLYING, ICE_SPECIAL_95), {95, 100, 100, {}, {SUPER, HALF}}},
      {Make(WATER, 441, 246), {80, 100, 100, {}, {HALF, SUPER}}},
      {Make(WATER, NORMAL_FLYING, 279), {75, 100, 100, {}, {SUPER, HALF}}},
      {Make(WATER, GHOST, 246).With([](Req& r) { r.foresight = true; }), {80, 100, 100, {}, {SUPER}}},
      // Halving 1 gives 1: level 1, base 2, ½ then × 2 against みず/くさ.
      {Make(WATER, 269, 0).Level(1).Stat(SPATK, 1, 999).With([](Req& r) {
         MakeDirect(r, 5, data::CATEGORY_SPECIAL, data::TYPE_FIRE);
       }),
       {5, 1, 999, {}, {HALF, SUPER}}},
      // はめつのねがい: no いのちのたま, no same-type bonus; てだすけ again after the random factor.
      {Make(378, NORMAL, 352).Items(2, 0), {120, 100, 100, {}, {}}},
      {Make(378, NORMAL, 352).With(HELPING), {180, 100, 100, {}, {{3, 2}}}},
      // A critical hit drops the attacker's lowered stage, the defender's raised one and the
      // screens; スナイパー triples; かたやぶり breaks シェルアーマー; no future attack is one.
      {critical(0, 0, NORMAL_PHYSICAL_35), {35, 100, 100, {}, {}, 2}},
      {critical(44, 0, NORMAL_PHYSICAL_35), {35, 100, 100, {}, {}, 3}},
      {critical(data::ABILITY_MOLD_BREAKER, 33, NORMAL_PHYSICAL_35), {35, 100, 100, {}, {}, 2}},
      {critical(0, 19, NORMAL_PHYSICAL_35), {35, 66, 150, {HALF}, {}}},
      {critical(0, 0, DELAYED_PSYCHIC), {80, 66, 150, {}, {}}},
      {water(NORMAL_PHYSICAL_35).Stages(2, -2).With(CRITICAL), {35, 200, 50, {}, {}, 2}},
      // ふしぎなうろこ with a status: × 3/2 after the stage; not with a status it cannot have.
      {water(NORMAL_PHYSICAL_35).Level(100).Stages(0, 1).Abilities(0, 88).With(BURN_STATUS), {35, 100, 225, {}, {}}},
      {Make(WATER, FIRE, NORMAL_PHYSICAL_35).Abilities(0, 88).With(BURN_STATUS), {35, 100, 100, {}, {}}},
  };
  // clang-format on
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const auto& [request, expected] = cases[i];
    const GameDamageResult result = ComputeGameDamage(request);
    EXPECT_EQ(RollsOf(result), Reference(request, expected)) << "row " << i;
    EXPECT_EQ(result.critical, expected.critical > 1) << "row " << i;
  }
}

// The games meet a defender's two types in one fixed order (a こおり move meets ほのお last,
// a ゴースト move ゴースト last), truncating after each: every species and move type.
TEST(ComputeGameDamage, TypeFactorsInTheGamesOrder) {
  using namespace data;
  static constexpr TypeId ORDER[] = {0, 10, 11, 13, 12, 15, 1, 3, 4, 2, 14, 6, 5, 7, 16, 17, 8};
  for (SpeciesId species = 0; species < SPECIES_COUNT; ++species) {
    for (TypeId type = 0; type < TYPE_COUNT; ++type) {
      const auto rank = [type](TypeId t) {
        const bool last =
            (type == TYPE_ICE && t == TYPE_FIRE) || (type == TYPE_GHOST && t == TYPE_GHOST);
        return last ? std::ssize(ORDER) : std::ranges::find(ORDER, t) - std::begin(ORDER);
      };
      auto [first, second] = std::pair(Species(species).type1, Species(species).type2);
      if (rank(second) < rank(first)) std::swap(first, second);
      const std::int32_t a = TYPE_CHART[type][first], b = TYPE_CHART[type][second];
      if (first == second || type == PLACEHOLDER_TYPE || a * b == 0) continue;
      Req request = Make(WATER, species, 0);
      MakeDirect(request, 75, CATEGORY_PHYSICAL, type);
      const Steps after =
          type == TYPE_WATER ? Steps{{3, 2}, {a, 2}, {b, 2}} : Steps{{a, 2}, {b, 2}};
      EXPECT_EQ(RollsOf(request), Reference(request, {75, 100, 100, {}, after}))
          << species << " " << type;
    }
  }
}

// Items that do nothing for this attacker and defender: the wrong category, the wrong species.
TEST(ComputeGameDamage, ItemsOutOfPlaceDoNothing) {
  const std::pair<data::MoveId, std::vector<std::int32_t>> attacker[] = {
      {WATER_PHYSICAL_80, {4, 6, 7, 8, 10, 11}}, {WATER_SPECIAL_95, {3, 5, 6, 7, 10, 11}}};
  for (const auto& [move, items] : attacker) {
    const RollList plain = RollsOf(Make(WATER, NORMAL, move));
    for (const std::int32_t item : items)
      EXPECT_EQ(RollsOf(Make(WATER, NORMAL, move).Items(item, 0)), plain) << move << " " << item;
    for (const std::int32_t item : {10, 12, 13})
      EXPECT_EQ(RollsOf(Make(WATER, NORMAL, move).Items(0, item)), plain) << move << " " << item;
  }
}

// Each halving berry by name: a super-effective hit of its type, ホズのみ any ノーマル hit.
TEST(ComputeGameDamage, HalvingBerries) {
  using namespace data;
  for (const test::Case& c : test::ReadCases("halving_berries.tsv", 2)) {
    const std::string& name = c[0];
    const TypeId type = std::stoi(c[1]);
    ItemId item = 0;
    while (ItemName(item) != name) ++item;
    for (const SpeciesId defender : {0, 3, 6, 18, 73, 196, 199, 207, 269, 372}) {
      const SpeciesRecord& s = Species(defender);
      for (TypeId move = 0; move < TYPE_COUNT; ++move) {
        if (move == PLACEHOLDER_TYPE) continue;
        const std::int32_t product =
            TYPE_CHART[move][s.type1] * (s.type1 == s.type2 ? 2 : TYPE_CHART[move][s.type2]);
        Req request = Make(NORMAL, defender, 0).Items(0, item);
        MakeDirect(request, 80, CATEGORY_PHYSICAL, move);
        EXPECT_EQ(ComputeGameDamage(request).berryHalved,
                  move == type && product > (type == TYPE_NORMAL ? 0 : 4))
            << name << " " << defender << " " << move;
      }
    }
  }
}

// てつのこぶし boosts the punches, すてみ the moves with recoil or crash damage, and ぼうおん
// stops the sound moves; no other move.
TEST(ComputeGameDamage, AbilitiesActOnTheirMovesOnly) {
  constexpr std::string_view SOUNDS[] = {"いびき", "さわぐ", "ハイパーボイス", "むしのさざめき",
                                         "おしゃべり"};
  for (data::MoveId move = 0; move < data::MOVE_COUNT; ++move) {
    const std::string_view name = data::MoveName(move);
    const bool punch = name.find("パンチ") != std::string_view::npos || name == "スカイアッパー" ||
                       name == "アームハンマー";
    const bool recoil =
        std::ranges::count(std::array{45, 48, 198, 253, 262, 269}, data::Move(move).effect) > 0;
    const RollList plain = RollsOf(Make(NORMAL, WATER, move));
    EXPECT_EQ(RollsOf(Make(NORMAL, WATER, move).Abilities(61, 0)) != plain, punch) << name;
    EXPECT_EQ(RollsOf(Make(NORMAL, WATER, move).Abilities(43, 0)) != plain, recoil) << name;
    EXPECT_EQ(ComputeGameDamage(Make(NORMAL, WATER, move).Abilities(0, 98)).immune,
              std::ranges::count(SOUNDS, name) > 0)
        << name;
  }
}

// Every n-hit sequence, counted one by one.
std::int64_t CountByEnumeration(const RollList& rolls, int hits, std::int64_t hp) {
  std::int64_t sequences = 1;
  for (int i = 0; i < hits; ++i) sequences *= ROLL_COUNT;
  std::int64_t count = 0;
  for (std::int64_t code = 0; code < sequences; ++code) {
    std::int64_t sum = 0;
    std::int64_t rest = code;
    for (int hit = 0; hit < hits; ++hit, rest /= ROLL_COUNT) sum += rolls[rest % ROLL_COUNT];
    count += sum >= hp ? 1 : 0;
  }
  return count;
}

TEST(GameCells, Texts) {
  const auto make = [](std::int64_t min, std::int64_t max, std::int64_t hitsMin,
                       std::int64_t hitsMax, KoChance chance, bool skipped = false) {
    GameDamageResult r;
    r.skipped = skipped, r.immune = max == 0, r.minDamage = min, r.maxDamage = max;
    r.hitsMin = hitsMin, r.hitsMax = hitsMax;
    if (hitsMin <= KO_HITS_MAX) r.koChance[hitsMin] = chance;
    return r;
  };
  const std::tuple<GameDamageResult, const char*, const char*> cases[] = {
      {make(50, 50, 4, 4, {65536, 65536}), "50", "確定4発"},
      // A chance that is neither sure nor impossible never reads as one.
      {make(30, 40, 3, 4, {4095, 4096}), "30 ～ 40", "乱数3発 (99.9%)"},
      {make(30, 40, 4, 5, {1, 65536}), "30 ～ 40", "乱数4発 (0.1%)"},
      {make(10, 12, 9, 11, {}), "10 ～ 12", "9 ～ 11発"},
      {make(0, 0, 0, 0, {}), IMMUNE_CELL, IMMUNE_CELL},
      {make(0, 0, 0, 0, {}, true), NO_VALUE_CELL, NO_VALUE_CELL},
  };
  for (const auto& [result, damage, hits] : cases) {
    EXPECT_EQ(GameDamageCell(result), damage);
    EXPECT_EQ(GameHitsCell(result), hits);
  }
  // Same-type factor × type factors; a fixed amount and a typeless move show 1.
  const std::pair<Req, const char*> multipliers[] = {
      {Make(WATER, FIRE, WATER_PHYSICAL_80), "3.00"},
      {Make(WATER, FIRE, WATER_PHYSICAL_80).Abilities(data::ABILITY_ADAPTABILITY, 0), "4.00"},
      {Make(WATER, FIRE_FLYING, 57), "1.00"},
      {Make(WATER, NORMAL, STRUGGLE), "1.00"},
      {Make(WATER, FIRE_FLYING, 68), "1.00"},
      {Make(WATER, GHOST, 68), "0.00"},
  };
  for (const auto& [request, cell] : multipliers) {
    EXPECT_EQ(GameMultiplierCell(ComputeGameDamage(request)), cell) << cell;
  }
}

TEST(GameDamageReport, WorkedRow) {
  Req request = IceRow();
  request.defender->stat[data::STAT_HP] = 150;
  EXPECT_EQ(GameDamageReport(ComputeGameDamage(request)),
            "\r\n【実機計算】\r\n"
            "タイプ： こおり  威力： 95  倍率： 1.00\r\n"
            "乱数： 71 72 73 73 74 75 76 77 78 78 79 80 81 82 83 84\r\n"
            "ダメージ： 71 ～ 84 （47.3% ～ 56.0%）\r\n"
            "1発で倒す確率： 0.0% （0／16）\r\n"
            "2発で倒す確率： 80.1% （205／256）\r\n"
            "3発で倒す確率： 100.0% （4096／4096）\r\n"
            "4発で倒す確率： 100.0% （65536／65536）\r\n"
            "必要攻撃回数： 乱数2発 (80.1%)\r\n"
            "前提：\r\n・急所には当たらない\r\n・防御側のHPは満タン\r\n");
  EXPECT_EQ(GameDamageReport(GameDamageResult{}), "");
}

// Random box records, valid and not: the model never reads outside a table, skips what the
// classic model skips, and its rolls, hits and chances hang together.
TEST(ComputeGameDamageProperty, RandomRows) {
  RandomRows rows(20261207);
  int computed = 0;
  for (int i = 0; i < 10000; ++i) {
    const Req request = rows.NextRow();
    const GameDamageResult result = ComputeGameDamage(request);
    const bool status =
        request.rowKind == RowKind::Direct && request.directCategory == data::CATEGORY_STATUS;
    ASSERT_EQ(result.skipped, ComputeDamage(request).skipped || status) << i;
    const std::string report = GameDamageReport(result);
    ASSERT_EQ(report.empty(), result.skipped) << i;
    ASSERT_TRUE(text::Utf8ToCp932(report).ok) << i;
    ASSERT_EQ(std::ranges::count(report, '\n'), std::ranges::count(report, '\r')) << i;
    if (result.skipped || result.notComputable) continue;
    ++computed;
    ASSERT_TRUE(std::ranges::is_sorted(result.rolls)) << i;
    ASSERT_EQ(result.immune, result.rolls.back() == 0) << i;
    if (result.immune) continue;
    ASSERT_GE(result.minDamage, 1) << i;
    ASSERT_LE(result.hitsMin, result.hitsMax) << i;
    for (int hits = 1; hits <= KO_HITS_MAX; ++hits) {
      const KoChance& chance = result.koChance[hits];
      ASSERT_EQ(chance.numerator == 0, hits < result.hitsMin) << i;
      ASSERT_EQ(chance.numerator == chance.denominator, hits >= result.hitsMax) << i;
      if (computed % (hits <= 3 ? 4 : 32) == 0) {
        ASSERT_EQ(chance.numerator,
                  CountByEnumeration(RollsOf(result), hits, request.defender->stat[data::STAT_HP]))
            << i;
      }
    }
  }
  EXPECT_GT(computed, 1000);
  // The two largest first rolls leave every pair of rolls enough for 640 HP.
  const GameDamageResult four = ComputeGameDamage(Make(GroundRow()).Hp(640));
  EXPECT_EQ(four.koChance[4].numerator, CountByEnumeration(RollsOf(four), 4, 640));
}

}  // namespace
}  // namespace kerumina::calc
