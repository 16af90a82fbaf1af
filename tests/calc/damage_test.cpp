#include "calc/damage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "calc/damage_report.h"
#include "damage_fixture.h"
#include "data/abilities.h"
#include "text/cp932.h"

namespace kerumina::calc {
namespace {

using namespace damage_fixture;
using Lines = std::vector<std::string>;
using Req = DamageRequest;
using Cells = std::tuple<std::string, std::string, std::string>;  // multiplier, damage, hits

Cells CellsOf(const DamageResult& r) {
  return {r.multiplierText, r.damageText, r.hitsText};
}

const Cells DASHES = {NO_VALUE_CELL, NO_VALUE_CELL, NO_VALUE_CELL};
const std::string STAGE_A = "攻撃ランク補正＝攻撃力： *1.00";
const std::string STAGE_D = "＞＞＞ 防御ランク補正＝防御力： *1.00";
const Lines NONE;

struct TraceCase {
  Tweak tweak;
  Lines trace;  // empty: not compared
  Cells cells;
};

// A direct normal row from a water attacker against a normal defender: E = 4, no bonus.
void Plain(Req& r, std::int32_t level, std::int32_t power, std::int32_t attack,
           std::int32_t defence, std::int32_t hp) {
  r.attacker->level = level, r.attacker->stat[data::STAT_ATK] = attack;
  r.defender->stat[data::STAT_DEF] = defence, r.defender->stat[data::STAT_HP] = hp;
  MakeDirect(r, power, data::CATEGORY_PHYSICAL, 0);
}

// The worked row; immunity (ability 11 still applies at E = 0, the result lines close the
// trace); the step order when many rules fire; M = 20 gives m = 17; level 1 power 5; one
// damage shows one and the whole HP as hits; 64-bit products; a defence of 3 at -6
// (3 * 2 / 8 = 0) counts as 1.
TEST(ComputeDamage, WorkedRows) {
  const TraceCase cases[] = {
      {[](Req& r) { r.defender = Entry(FIRE), r.defender->stat[data::STAT_HP] = 150; },
       {"相性補正： *2.00", "タイプ一致でダメージ： *1.5", STAGE_A, STAGE_D},
       {"3.00", "93 ～ 110", "2"}},
      {[](Req& r) {
         r.attacker->ability = data::ABILITY_TINTED_LENS;
         r.defender = Entry(GHOST), r.moveId = NORMAL_PHYSICAL_35;
       },
       {"相性補正： *0.00", STAGE_A, STAGE_D, "「いろめがね」でダメージ： *2", "ダメージ： 無効",
        "必要攻撃回数： 無効"},
       {"0.00", IMMUNE_CELL, IMMUNE_CELL}},
      {[](Req& r) {
         r = MoveRow(Entry(FIRE), Entry(WATER), FIRE_SPECIAL_95);
         r.attacker->ability = data::ABILITY_BLAZE, r.attacker->item = 1;
         r.defender->ability = data::ABILITY_THICK_FAT, r.defender->item = 10;
         r.weather = WEATHER_SUN, r.attackStage = 1, r.defenceStage = -1;
         r.helpingHand = r.abilityActive = r.lightScreen = true;
       },
       // P = 95*27/8 = 320, A = 100*36/20 = 180, D = 100*2/3 = 66;
       // x = 22*320*180/66/50 + 2 = 386; Mn/Md = 30/120 gives 96; E = 2 gives 48.
       {"相性補正： *0.50", "タイプ一致でダメージ： *1.5", "晴れで炎技威力： *1.5",
        "攻撃ランク補正＝攻撃力： *1.50", "＞＞＞ 防御ランク補正＝防御力： *0.67",
        "「てだすけ」で威力： *1.5", "「もうか」発動で炎技威力： *1.5",
        "「あついしぼう」でダメージ： *0.5", "「各種タイプ補正」で攻撃力： *1.2",
        "＞＞＞ 「ひかりのかべ」でダメージ： *0.5", "＞＞＞ 「こころのしずく」で防御力： *1.5"},
       {"0.75", "40 ～ 48", "3"}},
      {[](Req& r) { Plain(r, 50, 50, 82, 100, 100); }, NONE, {"1.00", "17 ～ 20", "5 ～ 6"}},
      {[](Req& r) { Plain(r, 1, 5, 1, 1, 3); }, NONE, {"1.00", "1 ～ 2", "2 ～ 3"}},
      {[](Req& r) { Plain(r, 1, 5, 1, 1, 3), r.reflect = true; }, NONE, {"1.00", "1", "3"}},
      {[](Req& r) { Plain(r, 50, 50, 82, 100, 34); }, NONE, {"1.00", "17 ～ 20", "2"}},
      {[](Req& r) { Plain(r, 100, 200, 999, 1, 999); }, NONE, {"1.00", "142658 ～ 167834", "1"}},
      {[](Req& r) { Plain(r, 50, 50, 100, 1, 100); }, NONE, {"1.00", "1871 ～ 2202", "1"}},
      {[](Req& r) { Plain(r, 50, 50, 100, 3, 100), r.defenceStage = -6; },
       NONE,
       {"1.00", "1871 ～ 2202", "1"}},
  };
  for (const TraceCase& c : cases) {
    const DamageResult result = ComputeDamage(Row(c.tweak));
    EXPECT_EQ(c.trace.empty() ? c.trace : result.trace, c.trace);
    EXPECT_EQ(CellsOf(result), c.cells);
    EXPECT_EQ(result.immune, result.maxDamage == 0);
  }
}

// The lines a row writes once and those it must not write.
struct LineCase {
  Tweak tweak;
  Lines once, absent = {};
};

void Gravity(Req& r, data::SpeciesId defender, bool gravity) {
  r.defender = Entry(defender), r.moveId = GROUND_ALL_TARGETS, r.gravity = gravity;
}
void Levitate(Req& r, bool gravity, std::int32_t attackerAbility) {
  Gravity(r, NORMAL, gravity);
  r.defender->ability = data::ABILITY_LEVITATE, r.attacker->ability = attackerAbility;
}
void Ghost(Req& r, data::SpeciesId defender, bool foresight, std::int32_t ability) {
  r.defender = Entry(defender), r.moveId = NORMAL_PHYSICAL_35;
  r.foresight = foresight, r.attacker->ability = ability;
}
void Rain310(Req& r, std::int32_t defenderAbility) {
  r.defender = Entry(FIRE), r.defender->ability = defenderAbility;
  r.moveId = WEATHER_TYPED, r.weather = WEATHER_RAIN;
}
void Abilities(Req& r, std::int32_t attacker, std::int32_t defender) {
  r.attacker->ability = attacker, r.defender->ability = defender;
}
void Berry(Req& r, std::int32_t item, std::int32_t stage, std::int32_t defenderAbility) {
  r.attacker->item = item, r.attackStage = stage, r.berryActive = true;
  r.defender->ability = defenderAbility;
}
// A category-2 direct row meets the rules asking for category 1 exactly.
void StatusRow(Req& r, std::int32_t category, std::int32_t weather) {
  r.attacker->ability = data::ABILITY_SOLAR_POWER, r.attacker->item = 4;  // special ×1.5
  r.defender = Entry(ROCK_GROUND), r.weather = weather, r.lightScreen = r.reflect = true;
  MakeDirect(r, 50, category, 0);
}

const std::string TYPES_1 = "相性補正： *1.00";
const std::string TYPES_2 = "相性補正： *2.00";
const std::string IMMUNE = "ダメージ： 無効";
const std::string GRAVITY = "「じゅうりょく」により「じめん」等倍";
const std::string LEVITATE = "「ふゆう」で地面技無効";
const std::string FORESIGHT = "「みやぶる」により「ノーマル格闘」有効";
const std::string SCRAPPY = "「きもったま」により「ノーマル格闘」有効";
const std::string AIR_LOCK = "「エアロック」「ノーてんき」により天候を通常に";
const Lines RAIN_310 = {"天候により威力： *2", "雨で水技威力： *1.5"};
const std::string CHIIRA = "「チイラのみ」で攻撃： *1.5";
const std::string YATAPI = "「ヤタピのみ」で特攻： *1.5";
const std::string STAGE_4 = "攻撃ランク補正＝攻撃力： *4.00";
const std::string SOLAR = "「サンパワー」時に晴れで特殊： *1.5";
const std::string SAND = "＞＞＞ 砂嵐で岩タイプは特防： *1.5";

TEST(ComputeDamage, RuleLines) {
  const LineCase cases[] = {
      // Gravity grounds only a second flying type; it cancels Levitate, Mold Breaker too.
      {[](Req& r) { Gravity(r, NORMAL_FLYING, true); }, Lines{GRAVITY, TYPES_1}},
      {[](Req& r) { Gravity(r, FIRE_FLYING, true); }, Lines{GRAVITY, TYPES_2}},
      {[](Req& r) { Gravity(r, FIRE, true); }, Lines{TYPES_2}, Lines{GRAVITY}},
      {[](Req& r) { Levitate(r, false, 0); }, Lines{LEVITATE, IMMUNE}},
      {[](Req& r) { Levitate(r, true, 0); },
       Lines{"「じゅうりょく」で「ふゆう」が無効＝地面技等倍"}, Lines{LEVITATE, IMMUNE}},
      {[](Req& r) { Levitate(r, false, data::ABILITY_MOLD_BREAKER); }, NONE,
       Lines{LEVITATE, IMMUNE}},
      // One override line per overridden lookup; the second type only when looked up alone.
      {[](Req& r) { Ghost(r, GHOST, true, 0); }, Lines{FORESIGHT, TYPES_1}, Lines{SCRAPPY}},
      {[](Req& r) { Ghost(r, ELECTRIC_GHOST, true, 0); }, Lines{FORESIGHT, TYPES_1}},
      {[](Req& r) { Ghost(r, GHOST_POISON, false, data::ABILITY_SCRAPPY); },
       Lines{SCRAPPY, TYPES_1}, Lines{FORESIGHT}},
      {[](Req& r) { Ghost(r, GHOST_POISON, true, data::ABILITY_SCRAPPY); },
       Lines{FORESIGHT, TYPES_1}, Lines{SCRAPPY}},
      // A cancelled weather takes MoveId 310's boosts, not its type; ability lines are
      // written whenever the side has the ability (Forecast names the type that stays).
      {[](Req& r) { Rain310(r, 0); }, RAIN_310},
      {[](Req& r) { Rain310(r, data::ABILITY_AIR_LOCK); }, Lines{AIR_LOCK, TYPES_2}, RAIN_310},
      {[](Req& r) { r.attacker->ability = data::ABILITY_CLOUD_NINE; }, Lines{AIR_LOCK}},
      {[](Req& r) { r.defender->ability = data::ABILITY_FORECAST; },
       Lines{"＞＞＞ 「てんきや」によりノーマルタイプに"}},
      {[](Req& r) { Abilities(r, data::ABILITY_SIMPLE, data::ABILITY_UNAWARE); },
       Lines{"「たんじゅん」でランク影響2倍", "＞＞＞ 「てんねん」で相手のランク影響無視"}},
      {[](Req& r) { Abilities(r, data::ABILITY_UNAWARE, data::ABILITY_SIMPLE); },
       Lines{"「てんねん」で相手のランク影響無視", "＞＞＞ 「たんじゅん」でランク影響2倍"}},
      // Nothing to raise at +6; Unaware drops the stage, then the berry raises it; Simple
      // doubles and clamps.
      {[](Req& r) { Berry(r, 14, 6, 0); }, Lines{STAGE_4}, Lines{CHIIRA}},
      {[](Req& r) { Berry(r, 14, 5, 0); }, Lines{STAGE_4, CHIIRA}},
      {[](Req& r) { Berry(r, 14, 2, data::ABILITY_UNAWARE); },
       Lines{"攻撃ランク補正＝攻撃力： *1.50", CHIIRA}},
      {[](Req& r) { Berry(r, 14, 0, 0), r.moveId = WATER_SPECIAL_40; }, NONE,
       Lines{CHIIRA, YATAPI}},
      {[](Req& r) { Berry(r, 15, -1, 0), r.moveId = WATER_SPECIAL_40; }, Lines{YATAPI, STAGE_A}},
      {[](Req& r) { Berry(r, 15, 0, 0), MakeDirect(r, 50, 2, 0); }, NONE, Lines{YATAPI}},
      {[](Req& r) { r.attacker->ability = data::ABILITY_SIMPLE, r.attackStage = 4; },
       Lines{STAGE_4}},
      {[](Req& r) { r.attacker->ability = data::ABILITY_SIMPLE, r.attackStage = -2; },
       Lines{"攻撃ランク補正＝攻撃力： *0.33"}},
      {[](Req& r) { StatusRow(r, 2, WEATHER_SUN); },
       Lines{"＞＞＞ 「ひかりのかべ」でダメージ： *0.5", "「こだわりメガネ」で攻撃力： *1.5"},
       Lines{SOLAR, "＞＞＞ 「リフレクター」でダメージ： *0.5"}},
      {[](Req& r) { StatusRow(r, 2, WEATHER_SANDSTORM); }, NONE, Lines{SAND}},
      {[](Req& r) { StatusRow(r, 1, WEATHER_SANDSTORM); }, Lines{SAND}},
      {[](Req& r) { StatusRow(r, 1, WEATHER_SUN); }, Lines{SOLAR}},
      // The defender item's line prints u/10 while the damage is divided by it.
      {[](Req& r) { r.defender->item = 12, r.moveId = FIRE_SPECIAL_95; },
       Lines{"＞＞＞ 「しんかいのウロコ」で防御力： *2.0"}},
      {[](Req& r) { r.moveId = POISON_BOTH_FOES, r.doubleBattle = true; },
       Lines{"「敵二体」で威力： *0.75"}},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const DamageResult result = ComputeDamage(Row(cases[i].tweak));
    for (const std::string& l : cases[i].once)
      EXPECT_EQ(std::ranges::count(result.trace, l), 1) << "row " << i << ": " << l;
    for (const std::string& l : cases[i].absent)
      EXPECT_EQ(std::ranges::count(result.trace, l), 0) << "row " << i << ": " << l;
  }
}

// Nothing to compute (a missing or out-of-range part): no trace, dashes, no report. A move
// without a fixed power is computed but shows dashes too.
TEST(ComputeDamage, RowsWithoutDamage) {
  const Tweak cases[] = {
      [](Req& r) { r.moveId = data::NO_MOVE; },
      [](Req& r) { r.moveId = STATUS_MOVE; },
      [](Req& r) { r.moveId = data::MOVE_COUNT; },
      [](Req& r) { r.moveId = -1; },
      [](Req& r) { r.attacker->level = 0; },
      [](Req& r) { r.defender->item = 38; },  // items 17..37 are valid since the battle items
      [](Req& r) { r.defender.reset(); },
      [](Req& r) { r.weather = WEATHER_COUNT; },
      [](Req& r) { r.attackStage = 7; },
      [](Req& r) { r.defenceStage = -7; },
      [](Req& r) { MakeDirect(r, 0, 0, 0); },
      [](Req& r) { MakeDirect(r, 205, 0, 0); },
      [](Req& r) { MakeDirect(r, 50, 3, 0); },
      [](Req& r) { MakeDirect(r, 50, 0, data::PLACEHOLDER_TYPE); },
      [](Req& r) { MakeDirect(r, 50, 0, data::TYPE_COUNT); },
      [](Req& r) { r.moveId = VARIABLE_POWER; },
  };
  for (const Tweak tweak : cases) {
    const Req request = Row(tweak);
    const DamageResult result = ComputeDamage(request);
    EXPECT_EQ(CellsOf(result), DASHES);
    EXPECT_EQ(result.skipped, result.trace.empty());
    EXPECT_EQ(DamageReport(request, result).empty(), result.skipped);
    EXPECT_EQ(result.notComputable, !result.skipped);
  }
  const DamageResult variable = ComputeDamage(Row([](Req& r) { r.moveId = VARIABLE_POWER; }));
  EXPECT_EQ(variable.trace.back(), "ダメージ変化技につき計算不能");
  EXPECT_FALSE(ComputeDamage(MoveRow(Entry(WATER), Entry(WATER), WATER_PHYSICAL_80)).skipped);
}

// The type and power a row shows: MoveId 310 takes the chosen weather's type; MoveId 236
// follows the IVs unless stats were typed in.
TEST(ComputeDamage, ShownTypeAndPower) {
  const data::TypeId weatherTypes[WEATHER_COUNT] = {0, 10, 11, 5, 15};
  Req request = Row([](Req& r) { r.moveId = WEATHER_TYPED; });
  for (request.weather = 0; request.weather < WEATHER_COUNT; ++request.weather) {
    const DamageResult result = ComputeDamage(request);
    EXPECT_EQ(std::pair(result.moveType, result.movePower),
              std::pair(weatherTypes[request.weather], 50));
  }
  request.moveId = IV_TYPED, request.weather = WEATHER_NONE;
  EXPECT_EQ(std::pair(ComputeDamage(request).moveType, ComputeDamage(request).movePower),
            std::pair(17, 70));
  // HP, Atk, Def odd; SpAtk, SpDef, Speed even: type bits 7 -> index 1 (ひこう).
  std::fill(request.attacker->iv + 3, request.attacker->iv + 6, 30);
  EXPECT_EQ(ComputeDamage(request).moveType, 2);
  request.attacker->statsEntered = 1;
  const DamageResult typedIn = ComputeDamage(request);
  EXPECT_EQ(std::tuple(typedIn.moveType, typedIn.movePower, typedIn.notComputable),
            std::tuple(0, 1, true));
}

// Category 2 takes the special stats; a defender item divides the damage unless its holder
// has ability 85.
TEST(ComputeDamage, ComparedRows) {
  Req status = Row([](Req& r) { MakeDirect(r, 50, 2, 0); });
  status.attacker->stat[data::STAT_SPATK] = 200;
  const std::int64_t special = ComputeDamage(status).maxDamage;
  status.directCategory = 1;
  EXPECT_EQ(ComputeDamage(status).maxDamage, special);
  status.directCategory = 0;
  EXPECT_LT(ComputeDamage(status).maxDamage, special);

  Req held = Row([](Req& r) { r.moveId = FIRE_SPECIAL_95; });
  const DamageResult before = ComputeDamage(held);
  held.defender->item = 12;  // special defence ×2.0
  EXPECT_EQ(ComputeDamage(held).maxDamage, before.maxDamage / 2);
  held.defender->ability = data::ABILITY_KLUTZ;
  const DamageResult klutz = ComputeDamage(held);
  EXPECT_EQ(klutz.maxDamage, before.maxDamage);
  EXPECT_EQ(klutz.trace.size(), before.trace.size());
}

// Random box records, valid and not, through the calculation and the report.
TEST(ComputeDamageProperty, RandomEntriesNeverReadOutsideTables) {
  RandomRows rows(20240607);
  int computed = 0;
  for (int i = 0; i < 20000; ++i) {
    const Req request = rows.NextRow();
    const DamageResult result = ComputeDamage(request);
    const std::string report = DamageReport(request, result);
    ASSERT_TRUE(IsValidRequest(request) || result.skipped) << i;
    ASSERT_EQ(report.empty(), result.skipped) << i;
    if (result.skipped) continue;
    ++computed;
    ASSERT_TRUE(text::Utf8ToCp932(report).ok) << i;
    for (const std::string& line : result.trace)
      ASSERT_EQ(line.find_first_of("\r\n"), std::string::npos) << i;
    if (result.notComputable || result.immune) continue;
    ASSERT_GE(result.minDamage, 1) << i;
    ASSERT_LE(result.minDamage, result.maxDamage) << i;
    ASSERT_LE(result.hitsMin, result.hitsMax) << i;
  }
  EXPECT_GT(computed, 1000);
}

}  // namespace
}  // namespace kerumina::calc
