#include "calc/game_damage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
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
constexpr data::MoveId FIRE_FANG = 423;
constexpr data::MoveId HP_SCALED_FIRE = 283;

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

Req Quake() {
  return MoveRow(Built(444, 1, {4, 252, 0, 0, 0, 252}), Built(375, 20, {252, 0, 0, 0, 4, 0}), 88);
}
Req IceBeam() {
  return MoveRow(Built(372, 10, {0, 0, 0, 252, 4, 252}), Built(226, 20, {252, 0, 4, 0, 0, 0}), 57);
}

struct WorkedCase {
  Req (*make)();
  RollList rolls;
};

TEST(ComputeGameDamage, WorkedRows) {
  const WorkedCase cases[] = {
      {Quake, {152, 152, 156, 156, 158, 162, 162, 164, 164, 168, 170, 170, 174, 174, 176, 180}},
      {[] {
         Req r = Quake();
         r.attacker->item = 2, r.doubleBattle = r.reflect = true;
         return r;
       },
       {98, 98, 98, 102, 102, 104, 104, 104, 108, 108, 110, 110, 110, 114, 114, 116}},
      // ひこう ×2 before はがね ×1/2, though the species lists はがね first.
      {IceBeam, {71, 72, 73, 73, 74, 75, 76, 77, 78, 78, 79, 80, 81, 82, 83, 84}},
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

  const Req quake = Quake();
  EXPECT_EQ(RollList(quake.attacker->stat, quake.attacker->stat + 6),
            RollList({184, 200, 115, 90, 105, 154}));
  EXPECT_EQ(GameHitsCell(ComputeGameDamage(quake)), "確定2発");
  Req iceBeam = IceBeam();
  iceBeam.defender->stat[data::STAT_HP] = 150;
  const GameDamageResult twoHits = ComputeGameDamage(iceBeam);
  EXPECT_EQ(twoHits.koChance[2].numerator, 205);
  EXPECT_EQ(twoHits.koChance[2].denominator, 256);
  EXPECT_EQ(GameHitsCell(twoHits), "乱数2発 (80.1%)");
}

struct ImmuneCase {
  Tweak tweak;
  bool immune;
};

void Berry(Req& r, std::int32_t stage) {
  r.attacker->item = 14, r.berryActive = true, r.attackStage = stage;
}

void Against(Req& r, data::SpeciesId defender, data::MoveId move, std::int32_t ability = 0) {
  r.defender = Entry(defender), r.moveId = move, r.defender->ability = ability;
}

TEST(ComputeGameDamage, Immunities) {
  const ImmuneCase cases[] = {
      {[](Req& r) { Against(r, GHOST, NORMAL_PHYSICAL_35); }, true},
      {[](Req& r) { Against(r, GHOST, NORMAL_PHYSICAL_35), r.foresight = true; }, false},
      {[](Req& r) {
         Against(r, GHOST_POISON, NORMAL_PHYSICAL_35), r.attacker->ability = data::ABILITY_SCRAPPY;
       },
       false},
      {[](Req& r) { Against(r, NORMAL_FLYING, GROUND_ALL_TARGETS); }, true},
      // Gravity grounds a flying type in either slot.
      {[](Req& r) { Against(r, NORMAL_FLYING, GROUND_ALL_TARGETS), r.gravity = true; }, false},
      {[](Req& r) { Against(r, NORMAL, WATER_PHYSICAL_80, data::ABILITY_WONDER_GUARD); }, true},
      {[](Req& r) { Against(r, FIRE, WATER_PHYSICAL_80, data::ABILITY_WONDER_GUARD); }, false},
      {[](Req& r) { Against(r, WATER, FIRE_FANG, data::ABILITY_WONDER_GUARD); }, false},
      {[](Req& r) { Against(r, NORMAL, STRUGGLE, data::ABILITY_WONDER_GUARD); }, false},
      {[](Req& r) { Against(r, NORMAL, FIRE_SPECIAL_95, data::ABILITY_FLASH_FIRE); }, true},
      {[](Req& r) { Against(r, NORMAL, WATER_SPECIAL_40, data::ABILITY_WATER_ABSORB); }, true},
      {[](Req& r) { Against(r, NORMAL, WATER_PHYSICAL_80, data::ABILITY_DRY_SKIN); }, true},
      {[](Req& r) { Against(r, NORMAL, ELECTRIC_SPECIAL_95, data::ABILITY_VOLT_ABSORB); }, true},
      {[](Req& r) { Against(r, NORMAL, ELECTRIC_SPECIAL_95, data::ABILITY_MOTOR_DRIVE); }, true},
      {[](Req& r) { Against(r, NORMAL, GROUND_ALL_TARGETS, data::ABILITY_LEVITATE); }, true},
      {[](Req& r) {
         Against(r, NORMAL, GROUND_ALL_TARGETS, data::ABILITY_LEVITATE), r.gravity = true;
       },
       false},
      {[](Req& r) {
         Against(r, NORMAL, GROUND_ALL_TARGETS, data::ABILITY_LEVITATE);
         r.attacker->ability = data::ABILITY_MOLD_BREAKER;
       },
       false},
      {[](Req& r) { Against(r, NORMAL, SOUND_MOVE, 98); }, true},
      {[](Req& r) { Against(r, NORMAL, SOUND_MOVE, 98), r.attacker->ability = 18; }, false},
      // ノーマルスキン turns a delayed move into a normal one; わるあがき stays typeless.
      {[](Req& r) { Against(r, GHOST, DELAYED_PSYCHIC), r.attacker->ability = 76; }, true},
      {[](Req& r) { Against(r, GHOST, STRUGGLE), r.attacker->ability = 76; }, false},
      {[](Req& r) { Against(r, DARK, DELAYED_PSYCHIC); }, false},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const GameDamageResult result = ComputeGameDamage(Row(cases[i].tweak));
    EXPECT_EQ(result.immune, cases[i].immune) << "row " << i;
    EXPECT_EQ(result.immune, result.maxDamage == 0) << "row " << i;
    EXPECT_EQ(GameDamageCell(result) == IMMUNE_CELL, cases[i].immune) << "row " << i;
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
    const GameDamageResult result = ComputeGameDamage(request);
    EXPECT_EQ(RollsOf(result), RollList(ROLL_COUNT, c.damage)) << c.move;
    EXPECT_EQ(result.immune, c.damage == 0) << c.move;
  }
}

// The typeless moves hit as a move without a type would: no factor, no bonus, and of the
// type items only わるあがき's.
TEST(ComputeGameDamage, TypelessMoves) {
  Req struggle = Row([](Req& r) { r.attacker = Entry(NORMAL), Against(r, GHOST, STRUGGLE); });
  Req plain = Row([](Req& r) { MakeDirect(r, 50, data::CATEGORY_PHYSICAL, 0); });
  const GameDamageResult typeless = ComputeGameDamage(struggle);
  EXPECT_EQ(RollsOf(typeless), RollsOf(ComputeGameDamage(plain)));
  EXPECT_EQ(typeless.moveType, TYPELESS);
  EXPECT_EQ(GameMultiplierCell(typeless), "1.00");
  struggle.attacker->item = 1, plain.attacker->item = 1;
  EXPECT_EQ(RollsOf(ComputeGameDamage(struggle)), RollsOf(ComputeGameDamage(plain)));

  Req delayed = Row([](Req& r) { Against(r, DARK, DELAYED_PSYCHIC), r.weather = WEATHER_SUN; });
  const RollList withoutItem = RollsOf(ComputeGameDamage(delayed));
  delayed.attacker->item = 1;
  EXPECT_EQ(RollsOf(ComputeGameDamage(delayed)), withoutItem);
}

struct MoveCase {
  Tweak tweak;
  data::TypeId type;
  std::int32_t power;
  bool notComputable = false;
};

TEST(ComputeGameDamage, TypeAndPowerUsed) {
  const MoveCase cases[] = {
      {[](Req& r) { r.moveId = WEATHER_TYPED, r.weather = WEATHER_SANDSTORM; }, 5, 100},
      // A cancelled weather leaves the move as it is without weather.
      {[](Req& r) {
         r.moveId = WEATHER_TYPED, r.weather = WEATHER_RAIN;
         r.defender->ability = data::ABILITY_CLOUD_NINE;
       },
       0, 50},
      {[](Req& r) { r.moveId = WEATHER_TYPED, r.weather = 4, r.attacker->ability = 76; }, 0, 100},
      {[](Req& r) { r.moveId = IV_TYPED; }, 17, 70},
      {[](Req& r) { r.moveId = IV_TYPED, r.attacker->statsEntered = 1; }, 0, 1, true},
      {[](Req& r) { r.moveId = FRIENDSHIP; }, 0, 102},
      {[](Req& r) { r.moveId = VARIABLE_POWER; }, 1, 1, true},
      {[](Req& r) { r.moveId = HP_SCALED_FIRE; }, 10, 150},
      // HP 100 at one third: 33, and 150 × 33 / 100.
      {[](Req& r) {
         r.moveId = HP_SCALED_FIRE, r.abilityActive = true;
         r.attacker->ability = data::ABILITY_BLAZE;
       },
       10, 49},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const GameDamageResult result = ComputeGameDamage(Row(cases[i].tweak));
    EXPECT_EQ(std::tuple(result.moveType, result.movePower, result.notComputable),
              std::tuple(cases[i].type, cases[i].power, cases[i].notComputable))
        << "row " << i;
  }
  // A status row deals no damage, though the classic model computes one.
  const Req status = Row([](Req& r) { MakeDirect(r, 50, data::CATEGORY_STATUS, 0); });
  EXPECT_TRUE(ComputeGameDamage(status).skipped);
  EXPECT_FALSE(ComputeDamage(status).skipped);
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
      // ぶきよう: no item on that side; かたやぶり: no あついしぼう.
      {[](Req& r) { r.attacker->item = 3, r.attacker->ability = data::ABILITY_KLUTZ; },
       [](Req& r) { r.attacker->ability = data::ABILITY_KLUTZ; }},
      {[](Req& r) {
         Against(r, NORMAL, FIRE_SPECIAL_95, data::ABILITY_THICK_FAT);
         r.attacker->ability = data::ABILITY_MOLD_BREAKER;
       },
       [](Req& r) { Against(r, NORMAL, FIRE_SPECIAL_95), r.attacker->ability = 18; }},
      // A species-bound item on another species does nothing.
      {[](Req& r) { r.attacker->item = 7; }, [](Req&) {}},
  };
  for (std::size_t i = 0; i < std::size(same); ++i) {
    EXPECT_EQ(RollsOf(ComputeGameDamage(Row(same[i].first))),
              RollsOf(ComputeGameDamage(Row(same[i].second))))
        << "row " << i;
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

TEST(ComputeGameDamage, KoChancesCountEverySequence) {
  Req request = IceBeam();  // rolls 71..84 with ties
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
                       std::int64_t hitsMax, KoChance chance) {
    GameDamageResult r;
    r.skipped = false, r.minDamage = min, r.maxDamage = max;
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
      {[] {
         GameDamageResult r;
         r.skipped = false, r.immune = true;
         return r;
       }(),
       IMMUNE_CELL, IMMUNE_CELL},
      {GameDamageResult{}, NO_VALUE_CELL, NO_VALUE_CELL},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GameDamageCell(c.result), c.damage);
    EXPECT_EQ(GameHitsCell(c.result), c.hits);
  }
}

TEST(GameDamageReport, WorkedRow) {
  Req request = IceBeam();
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
  std::mt19937 random(20261207);
  const auto uniform = [&](std::int32_t lo, std::int32_t hi) {
    return std::uniform_int_distribution<std::int32_t>(lo, hi)(random);
  };
  const auto randomEntry = [&]() {
    box::BoxEntry entry = Entry(uniform(0, data::SPECIES_COUNT - 1), uniform(1, 100));
    entry.ability = uniform(0, data::ABILITY_COUNT - 1);
    entry.item = uniform(0, data::ITEM_COUNT - 1);
    entry.statsEntered = uniform(0, 1);
    for (int s = 0; s < 6; ++s) entry.iv[s] = uniform(0, 31), entry.stat[s] = uniform(1, 999);
    if (uniform(0, 19) == 0) entry.stat[uniform(0, 5)] = uniform(-5, 1005);
    if (uniform(0, 19) == 0) entry.species = uniform(-3, 600);
    return entry;
  };
  int computed = 0;
  for (int i = 0; i < 5000; ++i) {
    Req request{.attacker = randomEntry(), .defender = randomEntry()};
    const int row = uniform(0, 5);
    request.moveId = uniform(-1, data::MOVE_COUNT);
    MakeDirect(request, 5 * uniform(0, 41), uniform(0, 3), uniform(0, data::TYPE_COUNT));
    request.rowKind = row < 4 ? RowKind::OwnMove : row == 4 ? RowKind::ListMove : RowKind::Direct;
    request.weather = uniform(0, WEATHER_COUNT);
    request.attackStage = uniform(-6, 7);
    request.defenceStage = uniform(-7, 6);
    for (bool Req::*flag : {&Req::helpingHand, &Req::burned, &Req::flowerGift, &Req::reflect,
                            &Req::lightScreen, &Req::gravity, &Req::foresight, &Req::abilityActive,
                            &Req::berryActive, &Req::doubleBattle})
      request.*flag = uniform(0, 1);

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
