#include "calc/game_damage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "calc/game_damage_report.h"
#include "calc/stats.h"
#include "damage_fixture.h"
#include "data/abilities.h"
#include "text/cp932.h"

namespace kerumina::calc {
namespace {

using namespace damage_fixture;
using Req = DamageRequest;
using RollList = std::vector<std::int64_t>;

constexpr data::SpeciesId DARK = 196;
constexpr data::MoveId ELECTRIC_SPECIAL_95 = 84;
constexpr data::MoveId SOUND_MOVE = 303;
constexpr data::MoveId STRUGGLE = 164;
constexpr data::MoveId DELAYED_PSYCHIC = 247;
constexpr data::MoveId WONDER_GUARD_PIERCING = 423;
constexpr data::MoveId HP_SCALED_FIRE = 283;
constexpr std::int32_t SOUNDPROOF = 98;

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

Req GroundRow() {
  return MoveRow(Built(444, 1, {4, 252, 0, 0, 0, 252}), Built(375, 20, {252, 0, 0, 0, 4, 0}), 88);
}
Req IceRow() {
  return MoveRow(Built(372, 10, {0, 0, 0, 252, 4, 252}), Built(226, 20, {252, 0, 4, 0, 0, 0}), 57);
}

struct WorkedCase {
  Req (*make)();
  RollList rolls;
};

TEST(ComputeGameDamage, WorkedRows) {
  const WorkedCase cases[] = {
      {GroundRow, {152, 152, 156, 156, 158, 162, 162, 164, 164, 168, 170, 170, 174, 174, 176, 180}},
      {[] {
         Req r = GroundRow();
         r.attacker->item = 2, r.doubleBattle = r.reflect = true;
         return r;
       },
       {98, 98, 98, 102, 102, 104, 104, 104, 108, 108, 110, 110, 110, 114, 114, 116}},
      // ひこう ×2 before はがね ×1/2, though the species lists はがね first.
      {IceRow, {71, 72, 73, 73, 74, 75, 76, 77, 78, 78, 79, 80, 81, 82, 83, 84}},
      {[] { return MoveRow(Built(241, 20, {}), Built(447, 20, {}, 100), 68); },
       RollList(ROLL_COUNT, 50)},
      // 40 × 3/2 = 60 after てだすけ, so テクニシャン still applies.
      {[] {
         Req r = MoveRow(Built(447, 1, {0, 252, 0, 0, 0, 0}), Built(142, 20, {252, 0, 0, 0, 0, 0}),
                         182);
         r.attacker->ability = data::ABILITY_TECHNICIAN, r.helpingHand = true;
         return r;
       },
       {212, 216, 218, 218, 222, 224, 228, 230, 234, 234, 236, 240, 242, 246, 248, 252}},
      {[] {
         Req r = MoveRow(Built(248, 1, {0, 252, 0, 0, 0, 0}), Built(350, 20, {}), 443);
         r.defender->ability = data::ABILITY_FORECAST, r.weather = WEATHER_RAIN;
         return r;
       },
       {66, 67, 67, 68, 69, 70, 70, 71, 72, 73, 74, 74, 75, 76, 77, 78}},
  };
  for (const WorkedCase& c : cases) EXPECT_EQ(RollsOf(ComputeGameDamage(c.make())), c.rolls);

  EXPECT_EQ(GameHitsCell(ComputeGameDamage(GroundRow())), "確定2発");
}

void Berry(Req& r, std::int32_t stage) {
  r.attacker->item = 14, r.berryActive = true, r.attackStage = stage;
}

void Against(Req& r, data::SpeciesId defender, data::MoveId move, std::int32_t ability = 0) {
  r.defender = Entry(defender), r.moveId = move, r.defender->ability = ability;
}

struct ImmuneCase {
  data::SpeciesId defender;
  data::MoveId move;
  std::int32_t defenderAbility, attackerAbility;
  bool conditions;  // "じゅうりょく" and "みやぶる／かぎわける"
  bool immune;
};

TEST(ComputeGameDamage, Immunities) {
  const ImmuneCase cases[] = {
      {GHOST, NORMAL_PHYSICAL_35, 0, 0, false, true},
      {GHOST, NORMAL_PHYSICAL_35, 0, 0, true, false},
      {GHOST_POISON, NORMAL_PHYSICAL_35, 0, data::ABILITY_SCRAPPY, false, false},
      {NORMAL_FLYING, GROUND_ALL_TARGETS, 0, 0, false, true},
      {NORMAL_FLYING, GROUND_ALL_TARGETS, 0, 0, true, false},  // a second flying type too
      {NORMAL, WATER_PHYSICAL_80, data::ABILITY_WONDER_GUARD, 0, false, true},
      {FIRE, WATER_PHYSICAL_80, data::ABILITY_WONDER_GUARD, 0, false, false},
      {WATER, WONDER_GUARD_PIERCING, data::ABILITY_WONDER_GUARD, 0, false, false},
      {NORMAL, STRUGGLE, data::ABILITY_WONDER_GUARD, 0, false, false},
      {NORMAL, FIRE_SPECIAL_95, data::ABILITY_FLASH_FIRE, 0, false, true},
      {NORMAL, WATER_SPECIAL_40, data::ABILITY_WATER_ABSORB, 0, false, true},
      {NORMAL, WATER_PHYSICAL_80, data::ABILITY_DRY_SKIN, 0, false, true},
      {NORMAL, ELECTRIC_SPECIAL_95, data::ABILITY_VOLT_ABSORB, 0, false, true},
      {NORMAL, ELECTRIC_SPECIAL_95, data::ABILITY_MOTOR_DRIVE, 0, false, true},
      {NORMAL, GROUND_ALL_TARGETS, data::ABILITY_LEVITATE, 0, false, true},
      {NORMAL, GROUND_ALL_TARGETS, data::ABILITY_LEVITATE, 0, true, false},
      {NORMAL, GROUND_ALL_TARGETS, data::ABILITY_LEVITATE, data::ABILITY_MOLD_BREAKER, false,
       false},
      {NORMAL, SOUND_MOVE, SOUNDPROOF, 0, false, true},
      {NORMAL, SOUND_MOVE, SOUNDPROOF, data::ABILITY_MOLD_BREAKER, false, false},
      // Corrected: the future attacks stay typeless under ノーマルスキン, like わるあがき.
      {GHOST, DELAYED_PSYCHIC, 0, data::ABILITY_NORMALIZE, false, false},
      {GHOST, STRUGGLE, 0, data::ABILITY_NORMALIZE, false, false},
      {DARK, DELAYED_PSYCHIC, 0, 0, false, false},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const ImmuneCase& c = cases[i];
    Req request = Row([](Req&) {});
    Against(request, c.defender, c.move, c.defenderAbility);
    request.attacker->ability = c.attackerAbility;
    request.gravity = request.foresight = c.conditions;
    const GameDamageResult result = ComputeGameDamage(request);
    EXPECT_EQ(result.immune, c.immune) << "row " << i;
    EXPECT_EQ(GameDamageCell(result) == IMMUNE_CELL, c.immune) << "row " << i;
  }
}

struct FixedCase {
  data::MoveId move;
  data::SpeciesId defender;
  std::int64_t damage;  // every roll; 0 = immune
};

// Neither stats, stages, items nor type factors move a fixed amount; only immunity does.
TEST(ComputeGameDamage, FixedDamage) {
  const FixedCase cases[] = {{68, NORMAL, 37}, {68, GHOST, 0},  {100, FIRE, 37},
                             {100, NORMAL, 0}, {48, WATER, 20}, {81, FIRE, 40}};
  for (const FixedCase& c : cases) {
    Req request = Row([](Req& r) {
      r.attacker->level = 37, r.attacker->item = 2, r.attackStage = 6;
      r.helpingHand = r.reflect = r.lightScreen = true;
    });
    Against(request, c.defender, c.move);
    EXPECT_EQ(RollsOf(ComputeGameDamage(request)), RollList(ROLL_COUNT, c.damage)) << c.move;
  }
}

// The typeless moves hit as a move without a type would: no factor, no bonus, but the type
// items boost them.
TEST(ComputeGameDamage, TypelessMoves) {
  Req struggle = Row([](Req& r) { r.attacker = Entry(NORMAL), Against(r, GHOST, STRUGGLE); });
  Req plain = Row([](Req& r) { MakeDirect(r, 50, data::CATEGORY_PHYSICAL, 0); });
  const GameDamageResult typeless = ComputeGameDamage(struggle);
  EXPECT_EQ(RollsOf(typeless), RollsOf(ComputeGameDamage(plain)));
  EXPECT_EQ(typeless.moveType, TYPELESS);
  EXPECT_EQ(GameMultiplierCell(typeless), "1.00");
  struggle.attacker->item = plain.attacker->item = 1;
  EXPECT_EQ(RollsOf(ComputeGameDamage(struggle)), RollsOf(ComputeGameDamage(plain)));

  // Corrected: the type items boost the future attacks too.
  Req delayed = Row([](Req& r) { Against(r, DARK, DELAYED_PSYCHIC), r.weather = WEATHER_SUN; });
  const RollList withoutItem = RollsOf(ComputeGameDamage(delayed));
  delayed.attacker->item = 1;
  EXPECT_GT(RollsOf(ComputeGameDamage(delayed)), withoutItem);
}

struct MoveCase {
  data::MoveId move;
  std::int32_t weather, attackerAbility, defenderAbility;
  data::TypeId type;
  std::int32_t power;  // 1 with a type: not computable
};

TEST(ComputeGameDamage, TypeAndPowerUsed) {
  const MoveCase cases[] = {
      {WEATHER_TYPED, WEATHER_SANDSTORM, 0, 0, 5, 100},
      {WEATHER_TYPED, WEATHER_RAIN, 0, data::ABILITY_CLOUD_NINE, 0, 50},  // no weather at all
      {WEATHER_TYPED, WEATHER_HAIL, data::ABILITY_NORMALIZE, 0, 0, 100},
      {IV_TYPED, 0, 0, 0, 17, 70},
      {FRIENDSHIP, 0, 0, 0, 0, 102},
      {VARIABLE_POWER, 0, 0, 0, 1, 1},
      {HP_SCALED_FIRE, 0, 0, 0, 10, 150},
      {HP_SCALED_FIRE, 0, data::ABILITY_BLAZE, 0, 10, 49},  // HP 100 at 33: 150 × 33 / 100
  };
  for (const MoveCase& c : cases) {
    Req request = Row([](Req& r) { r.abilityActive = true; });
    request.moveId = c.move, request.weather = c.weather;
    request.attacker->ability = c.attackerAbility, request.defender->ability = c.defenderAbility;
    const GameDamageResult result = ComputeGameDamage(request);
    EXPECT_EQ(std::tuple(result.moveType, result.movePower, result.notComputable),
              std::tuple(c.type, c.power, c.power == 1))
        << c.move;
  }
  Req typedIn = Row([](Req& r) { r.moveId = IV_TYPED, r.attacker->statsEntered = 1; });
  EXPECT_TRUE(ComputeGameDamage(typedIn).notComputable);
  // A status row deals no damage, though the classic model computes one.
  const Req status = Row([](Req& r) { MakeDirect(r, 50, data::CATEGORY_STATUS, 0); });
  EXPECT_TRUE(ComputeGameDamage(status).skipped);
  EXPECT_FALSE(ComputeDamage(status).skipped);
  // ノーマルスキン turns the direct row's type too; it names no move.
  const Req normalized = Row([](Req& r) {
    MakeDirect(r, 100, data::CATEGORY_PHYSICAL, 11);
    r.attacker->ability = data::ABILITY_NORMALIZE;
  });
  EXPECT_EQ(ComputeGameDamage(normalized).moveType, 0);
}

// Rules whose effect is plainest as a comparison of two rows.
TEST(ComputeGameDamage, RowsThatMatch) {
  const std::pair<Tweak, Tweak> same[] = {
      // かわらわり breaks the screen before it hits.
      {[](Req& r) { r.moveId = 279, r.reflect = true; }, [](Req& r) { r.moveId = 279; }},
      // てんねん ignores the berry's stage too; たんじゅん doubles the raised stage.
      {[](Req& r) { Berry(r, 2), r.defender->ability = data::ABILITY_UNAWARE; }, [](Req&) {}},
      {[](Req& r) { Berry(r, 1), r.attacker->ability = data::ABILITY_SIMPLE; },
       [](Req& r) { r.attackStage = 4; }},
      // かたやぶり: no あついしぼう.
      {[](Req& r) { Against(r, NORMAL, FIRE_SPECIAL_95, 3), r.attacker->ability = 18; },
       [](Req& r) { Against(r, NORMAL, FIRE_SPECIAL_95), r.attacker->ability = 18; }},
  };
  for (std::size_t i = 0; i < std::size(same); ++i) {
    EXPECT_EQ(RollsOf(ComputeGameDamage(Row(same[i].first))),
              RollsOf(ComputeGameDamage(Row(same[i].second))))
        << "row " << i;
  }
}

// One plain row by the base formula: the power, attack and defence a rule should give, then
// the multipliers after the random factor in order (a reduction never makes 1 into 0).
struct Expected {
  std::int64_t power, attack, defence;
  std::vector<std::pair<std::int64_t, std::int64_t>> after;
  std::int64_t critical = 1;  // the base's factor after the +2
};

RollList Reference(const Req& r, const Expected& e) {
  const std::int64_t level = r.attacker->level;
  const std::int64_t base =
      ((2 * level / 5 + 2) * e.power * e.attack / 50 / e.defence + 2) * e.critical;
  RollList rolls;
  for (std::int64_t roll = 85; roll <= 100; ++roll) {
    std::int64_t x = base * roll / 100;
    for (const auto& [num, den] : e.after) x = std::max<std::int64_t>(x * num / den, num > 0);
    rolls.push_back(std::max<std::int64_t>(x, 1));
  }
  return rolls;
}

struct OrderCase {
  Req request;
  Expected expected;
};

// The games' own order of the modifiers, each row against the plain formula.
TEST(ComputeGameDamage, GamesOwnOrder) {
  constexpr std::pair<std::int64_t, std::int64_t> STAB{3, 2}, SUPER{2, 1}, HALF{1, 2};
  constexpr std::int32_t ATK = data::STAT_ATK, SPATK = data::STAT_SPATK;
  const OrderCase cases[] = {
      // こだわりメガネ at +2: 101 × 3/2 = 151, then × 2 = 302 (the stage last).
      {Make(WATER, NORMAL, 57).Level(100).Items(4, 0).Stages(2, 0).Stat(SPATK, 101, 20),
       {95, 302, 20, {}}},
      // メタルパウダー at +1: 101 × 2 = 202, then × 3/2 = 303.
      {Make(NORMAL, 131, 32).Level(100).Items(0, 13).Stages(0, 1).Stat(ATK, 999, 101),
       {35, 999, 303, {STAB}}},
      // ふといホネ before はりきり: 101 × 2 × 3/2.
      {Make(104, NORMAL, 32).Level(100).Items(7, 0).Abilities(81, 0).Stat(ATK, 101, 20),
       {35, 303, 20, {}}},
      // しんかいのウロコ before the defender's フラワーギフト in sun.
      {Make(NORMAL, 365, 57)
           .Level(100)
           .Items(0, 12)
           .Abilities(0, 93)
           .Stat(SPATK, 500, 101)
           .With([](Req& r) { r.weather = WEATHER_SUN; }),
       {95, 500, 303, {HALF}}},
      // でんきだま doubles the power, before あついしぼう halves it; the attack stays.
      {Make(24, 142, 6).Items(6, 0).Abilities(0, 3), {75, 100, 100, {}}},
      {Make(24, 142, 57).Level(100).Items(6, 0).Abilities(0, 3).Stat(SPATK, 100, 20),
       {95, 100, 20, {}}},
      // すてみ before てだすけ: 90 × 6/5 × 3/2 × 11/10 = 178 (not 177).
      {Make(WATER, FIRE, 35).Items(5, 0).Abilities(43, 0).With([](Req& r) {
         r.helpingHand = true;
       }),
       {178, 100, 100, {}}},
      // あついしぼう before もうか: 95 / 2 × 3/2 = 70 (not 71).
      {Make(391, 142, 52).Abilities(data::ABILITY_BLAZE, 3).With([](Req& r) {
         r.abilityActive = true;
       }),
       {70, 100, 100, {STAB}}},
      // てつのこぶし last: 75 / 2 × 6/5 = 44 (not 45).
      {Make(WATER, 142, 6).Level(100).Abilities(61, 3).Stat(ATK, 100, 20), {44, 100, 20, {}}},
      // テクニシャン leaves わるあがき at 50.
      {Make(WATER, NORMAL, STRUGGLE).Abilities(data::ABILITY_TECHNICIAN, 0), {50, 100, 100, {}}},
      // A こおり move meets ほのお last, a ゴースト move meets ゴースト after あく.
      {Make(WATER, FIRE_FLYING, 57), {95, 100, 100, {SUPER, HALF}}},
      {Make(WATER, 441, 246), {80, 100, 100, {HALF, SUPER}}},
      // Halving 1 gives 1: level 1, base 2, ½ then × 2 against みず/くさ.
      {Make(WATER, 269, 0).Level(1).Stat(SPATK, 1, 999).With([](Req& r) {
         MakeDirect(r, 5, data::CATEGORY_SPECIAL, data::TYPE_FIRE);
       }),
       {5, 1, 999, {HALF, SUPER}}},
      // はめつのねがい: no いのちのたま, no same-type bonus; てだすけ again after the random
      // factor.
      {Make(378, NORMAL, 352).Items(2, 0), {120, 100, 100, {}}},
      {Make(378, NORMAL, 352).With([](Req& r) { r.helpingHand = true; }),
       {180, 100, 100, {{3, 2}}}},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    EXPECT_EQ(RollsOf(ComputeGameDamage(cases[i].request)),
              Reference(cases[i].request, cases[i].expected))
        << "row " << i;
  }
}

// A critical hit drops the attacker's lowered stage, the defender's raised one and the screens.
TEST(ComputeGameDamage, CriticalHits) {
  const auto row = [](std::int32_t attacker, std::int32_t defender, data::MoveId move) {
    return Make(WATER, NORMAL, move)
        .Level(100)
        .Stages(-1, 1)
        .Abilities(attacker, defender)
        .With([](Req& r) { r.critical = r.reflect = true; });
  };
  constexpr std::int32_t SNIPER = 44, SHELL_ARMOR = 33, BATTLE_ARMOR = 19;
  const OrderCase cases[] = {
      {row(0, 0, NORMAL_PHYSICAL_35), {35, 100, 100, {}, 2}},
      {row(SNIPER, 0, NORMAL_PHYSICAL_35), {35, 100, 100, {}, 3}},
      {row(data::ABILITY_MOLD_BREAKER, SHELL_ARMOR, NORMAL_PHYSICAL_35), {35, 100, 100, {}, 2}},
      {row(0, 0, DELAYED_PSYCHIC), {80, 66, 150, {}}},
      // ふしぎなうろこ with a status: × 3/2 after the stage.
      {Make(WATER, NORMAL, NORMAL_PHYSICAL_35)
           .Level(100)
           .Stages(0, 1)
           .Abilities(0, 88)
           .With([](Req& r) { r.defenderStatus = DefenderStatus::Burn; }),
       {35, 100, 225, {}}},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const GameDamageResult result = ComputeGameDamage(cases[i].request);
    EXPECT_EQ(RollsOf(result), Reference(cases[i].request, cases[i].expected)) << "row " << i;
    EXPECT_EQ(result.critical, cases[i].expected.critical > 1) << "row " << i;
  }
  // The armour stops it (a note says so); the screen then halves as usual.
  const GameDamageResult shielded = ComputeGameDamage(row(0, BATTLE_ARMOR, NORMAL_PHYSICAL_35));
  EXPECT_FALSE(shielded.critical);
  EXPECT_EQ(shielded.notes.front(), "防御側の「カブトアーマー」で急所に当たらない");
}

TEST(ComputeGameDamage, SoulDewAssumesAnOrdinaryBattle) {
  Req request = MoveRow(Entry(379), Entry(NORMAL), 57);
  const auto noted = [&request] {
    return std::ranges::count(
        ComputeGameDamage(request).notes,
        std::string("「こころのしずく」はバトルフロンティア以外の対戦として計算"));
  };
  EXPECT_EQ(noted(), 0);
  request.attacker->item = 10;
  EXPECT_EQ(noted(), 1);
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

TEST(ComputeGameDamage, KoChancesCountEverySequence) {
  Req request = IceRow();  // rolls 71..84 with ties
  const std::int32_t hps[] = {1, 71, 72, 84, 150, 160, 230, 250, 300, 336, 337, 999};
  for (const std::int32_t hp : hps) {
    request.defender->stat[data::STAT_HP] = hp;
    const GameDamageResult result = ComputeGameDamage(request);
    const RollList rolls = RollsOf(result);
    EXPECT_EQ(result.koChance[0].numerator, 0);
    for (int hits = 1; hits <= KO_HITS_MAX; ++hits) {
      EXPECT_EQ(result.koChance[hits].numerator, CountByEnumeration(rolls, hits, hp))
          << "HP " << hp << ", " << hits << " hits";
    }
  }
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
  const struct {
    GameDamageResult result;
    const char* damage;
    const char* hits;
  } cases[] = {
      {make(50, 50, 4, 4, {65536, 65536}), "50", "確定4発"},
      {make(71, 84, 2, 3, {205, 256}), "71 ～ 84", "乱数2発 (80.1%)"},
      // A chance that is neither sure nor impossible never reads as one.
      {make(30, 40, 3, 4, {4095, 4096}), "30 ～ 40", "乱数3発 (99.9%)"},
      {make(30, 40, 4, 5, {1, 65536}), "30 ～ 40", "乱数4発 (0.1%)"},
      {make(10, 12, 9, 11, {}), "10 ～ 12", "9 ～ 11発"},
      {make(0, 0, 0, 0, {}), IMMUNE_CELL, IMMUNE_CELL},
      {make(0, 0, 0, 0, {}, true), NO_VALUE_CELL, NO_VALUE_CELL},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GameDamageCell(c.result), c.damage);
    EXPECT_EQ(GameHitsCell(c.result), c.hits);
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
      if (hits <= 3 && computed % 4 == 0) {
        ASSERT_EQ(chance.numerator,
                  CountByEnumeration(RollsOf(result), hits, request.defender->stat[data::STAT_HP]))
            << i;
      }
    }
  }
  EXPECT_GT(computed, 1000);
}

}  // namespace
}  // namespace kerumina::calc
