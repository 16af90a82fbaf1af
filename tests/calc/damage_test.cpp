#include "calc/damage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "calc/damage_report.h"
#include "data/abilities.h"
#include "data/species.h"
#include "text/cp932.h"

namespace kerumina::calc {
namespace {

using Lines = std::vector<std::string>;

// Species by their types.
constexpr data::SpeciesId WATER = 6;             // みず
constexpr data::SpeciesId FIRE = 3;              // ほのお
constexpr data::SpeciesId NORMAL = 18;           // ノーマル
constexpr data::SpeciesId NORMAL_FLYING = 15;    // ノーマル/ひこう
constexpr data::SpeciesId FIRE_FLYING = 5;       // ほのお/ひこう
constexpr data::SpeciesId GHOST = 199;           // ゴースト
constexpr data::SpeciesId GHOST_POISON = 91;     // ゴースト/どく
constexpr data::SpeciesId ELECTRIC_GHOST = 502;  // でんき/ゴースト
constexpr data::SpeciesId ROCK_GROUND = 73;      // いわ/じめん

// Moves by what they are.
constexpr data::MoveId WATER_PHYSICAL_80 = 126;
constexpr data::MoveId WATER_SPECIAL_40 = 54;
constexpr data::MoveId FIRE_SPECIAL_95 = 52;
constexpr data::MoveId NORMAL_PHYSICAL_35 = 32;
constexpr data::MoveId GROUND_ALL_TARGETS = 88;
constexpr data::MoveId POISON_BOTH_FOES = 50;
constexpr data::MoveId SELF_DESTRUCT = 119;
constexpr data::MoveId FRIENDSHIP = 215;
constexpr data::MoveId IV_TYPED = 236;
constexpr data::MoveId STATUS_DOUBLED = 262;
constexpr data::MoveId WEATHER_TYPED = 310;
constexpr data::MoveId STATUS_MOVE = 13;
constexpr data::MoveId VARIABLE_POWER_MOVE = 66;  // power 1 in the table

box::BoxEntry Entry(data::SpeciesId species, std::int32_t level = 50) {
  box::BoxEntry entry{};
  std::strcpy(entry.name, "A");
  entry.species = species;
  entry.level = level;
  entry.nature = 24;
  for (int s = 0; s < 6; ++s) {
    entry.iv[s] = 31;
    entry.stat[s] = 100;
  }
  std::fill(std::begin(entry.move), std::end(entry.move), box::EMPTY_MOVE_SLOT);
  return entry;
}

DamageRequest MoveRow(const box::BoxEntry& attacker, const box::BoxEntry& defender,
                      data::MoveId move) {
  DamageRequest request;
  request.attacker = attacker;
  request.defender = defender;
  request.rowKind = RowKind::OwnMove;
  request.moveId = move;
  return request;
}

DamageRequest DirectRow(const box::BoxEntry& attacker, const box::BoxEntry& defender,
                        std::int32_t power, std::int32_t category, data::TypeId type) {
  DamageRequest request;
  request.attacker = attacker;
  request.defender = defender;
  request.rowKind = RowKind::Direct;
  request.directPower = power;
  request.directCategory = category;
  request.directType = type;
  return request;
}

bool HasLine(const DamageResult& result, const std::string& line) {
  return std::find(result.trace.begin(), result.trace.end(), line) != result.trace.end();
}

int CountLines(const DamageResult& result, const std::string& line) {
  return static_cast<int>(std::count(result.trace.begin(), result.trace.end(), line));
}

const std::string STAGE_NEUTRAL_A = "攻撃ランク補正＝攻撃力： *1.00";
const std::string STAGE_NEUTRAL_D = "＞＞＞ 防御ランク補正＝防御力： *1.00";

TEST(ComputeDamage, WorkedRow) {
  box::BoxEntry attacker = Entry(WATER);
  box::BoxEntry defender = Entry(FIRE);
  defender.stat[data::STAT_HP] = 150;
  const DamageResult result = ComputeDamage(MoveRow(attacker, defender, WATER_PHYSICAL_80));
  EXPECT_FALSE(result.skipped);
  EXPECT_EQ(result.maxDamage, 110);
  EXPECT_EQ(result.minDamage, 93);
  EXPECT_EQ(result.damageText, "93 ～ 110");
  EXPECT_EQ(result.hitsText, "2");
  EXPECT_EQ(result.multiplierText, "3.00");
  EXPECT_EQ(result.trace, (Lines{"相性補正： *2.00", "タイプ一致でダメージ： *1.5", STAGE_NEUTRAL_A,
                                 STAGE_NEUTRAL_D}));
}

struct ResultCase {
  const char* name;
  std::int32_t level, power, attack, defence, hp;
  std::int64_t maxDamage, minDamage;
  const char* damageText;
  const char* hitsText;
};

// Direct normal rows from a water attacker against a normal defender: E = 4, no bonus.
TEST(ComputeDamage, ResultCells) {
  const ResultCase cases[] = {
      {"m is M * 0.85 truncated", 50, 50, 82, 100, 100, 20, 17, "17 ～ 20", "5 ～ 6"},
      {"level 1 power 5", 1, 5, 1, 1, 3, 2, 1, "1 ～ 2", "2 ～ 3"},
      {"equal hit counts", 50, 50, 82, 100, 34, 20, 17, "17 ～ 20", "2"},
      {"64-bit product", 100, 200, 999, 1, 999, 167834, 142658, "142658 ～ 167834", "1"},
  };
  for (const ResultCase& c : cases) {
    box::BoxEntry attacker = Entry(WATER, c.level);
    attacker.stat[data::STAT_ATK] = c.attack;
    box::BoxEntry defender = Entry(NORMAL);
    defender.stat[data::STAT_DEF] = c.defence;
    defender.stat[data::STAT_HP] = c.hp;
    const DamageResult result = ComputeDamage(DirectRow(attacker, defender, c.power, 0, 0));
    EXPECT_EQ(result.maxDamage, c.maxDamage) << c.name;
    EXPECT_EQ(result.minDamage, c.minDamage) << c.name;
    EXPECT_EQ(result.damageText, c.damageText) << c.name;
    EXPECT_EQ(result.hitsText, c.hitsText) << c.name;
    EXPECT_EQ(result.multiplierText, "1.00") << c.name;
  }
}

TEST(ComputeDamage, OneDamageShowsOneAndWholeHp) {
  box::BoxEntry attacker = Entry(WATER, 1);
  attacker.stat[data::STAT_ATK] = 1;
  box::BoxEntry defender = Entry(NORMAL);
  defender.stat[data::STAT_DEF] = 1;
  defender.stat[data::STAT_HP] = 3;
  DamageRequest request = DirectRow(attacker, defender, 5, 0, 0);
  request.reflect = true;
  const DamageResult result = ComputeDamage(request);
  EXPECT_EQ(result.maxDamage, 1);
  EXPECT_EQ(result.minDamage, 1);
  EXPECT_EQ(result.damageText, "1");
  EXPECT_EQ(result.hitsText, "3");
}

TEST(ComputeDamage, DefendingStatBelowOneCountsAsOne) {
  box::BoxEntry attacker = Entry(WATER);
  box::BoxEntry weak = Entry(NORMAL);
  weak.stat[data::STAT_DEF] = 3;
  DamageRequest lowered = DirectRow(attacker, weak, 50, 0, 0);
  lowered.defenceStage = -6;
  weak.stat[data::STAT_DEF] = 1;
  const DamageResult atOne = ComputeDamage(DirectRow(attacker, weak, 50, 0, 0));
  const DamageResult result = ComputeDamage(lowered);
  EXPECT_EQ(result.maxDamage, atOne.maxDamage);
  EXPECT_GT(result.maxDamage, 0);
  EXPECT_TRUE(HasLine(result, "＞＞＞ 防御ランク補正＝防御力： *0.25"));
}

TEST(ComputeDamage, ImmuneRowEndsTraceWithResultLines) {
  box::BoxEntry attacker = Entry(WATER);
  attacker.ability = data::ABILITY_TINTED_LENS;
  const DamageResult result = ComputeDamage(MoveRow(attacker, Entry(GHOST), NORMAL_PHYSICAL_35));
  EXPECT_TRUE(result.immune);
  EXPECT_EQ(result.maxDamage, 0);
  EXPECT_EQ(result.multiplierText, "0.00");
  EXPECT_EQ(result.damageText, "無効");
  EXPECT_EQ(result.hitsText, "無効");
  // Tinted lens applies for E = 0 too; the damage stays 0.
  EXPECT_EQ(result.trace,
            (Lines{"相性補正： *0.00", STAGE_NEUTRAL_A, STAGE_NEUTRAL_D,
                   "「いろめがね」でダメージ： *2", "ダメージ： 無効", "必要攻撃回数： 無効"}));
}

TEST(ComputeDamage, SkipsRowsWithNothingToCompute) {
  const box::BoxEntry valid = Entry(WATER);
  box::BoxEntry badLevel = Entry(WATER);
  badLevel.level = 0;
  box::BoxEntry badItem = Entry(WATER);
  badItem.item = 17;
  DamageRequest noDefender = MoveRow(valid, valid, WATER_PHYSICAL_80);
  noDefender.defender.reset();
  DamageRequest badWeather = MoveRow(valid, valid, WATER_PHYSICAL_80);
  badWeather.weather = 5;
  DamageRequest badStage = MoveRow(valid, valid, WATER_PHYSICAL_80);
  badStage.attackStage = 7;
  DamageRequest badStageLow = MoveRow(valid, valid, WATER_PHYSICAL_80);
  badStageLow.defenceStage = -7;
  const DamageRequest cases[] = {
      MoveRow(valid, valid, data::NO_MOVE),
      MoveRow(valid, valid, STATUS_MOVE),
      MoveRow(valid, valid, data::MOVE_COUNT),
      MoveRow(valid, valid, -1),
      MoveRow(badLevel, valid, WATER_PHYSICAL_80),
      MoveRow(valid, badItem, WATER_PHYSICAL_80),
      noDefender,
      badWeather,
      badStage,
      badStageLow,
      DirectRow(valid, valid, 0, 0, 0),
      DirectRow(valid, valid, 205, 0, 0),
      DirectRow(valid, valid, 50, 3, 0),
      DirectRow(valid, valid, 50, 0, data::PLACEHOLDER_TYPE),
      DirectRow(valid, valid, 50, 0, data::TYPE_COUNT),
  };
  int index = 0;
  for (const DamageRequest& request : cases) {
    const DamageResult result = ComputeDamage(request);
    EXPECT_TRUE(result.skipped) << index;
    EXPECT_TRUE(result.trace.empty()) << index;
    EXPECT_EQ(result.multiplierText, "－") << index;
    EXPECT_EQ(result.damageText, "－") << index;
    EXPECT_EQ(result.hitsText, "－") << index;
    EXPECT_EQ(DamageReport(request, result), "") << index;
    ++index;
  }
}

TEST(ComputeDamage, SameEntryMayAttackItself) {
  const box::BoxEntry entry = Entry(WATER);
  EXPECT_FALSE(ComputeDamage(MoveRow(entry, entry, WATER_PHYSICAL_80)).skipped);
}

TEST(ComputeDamage, GravityGroundsOnlyASecondFlyingType) {
  const box::BoxEntry attacker = Entry(WATER);
  DamageRequest request = MoveRow(attacker, Entry(NORMAL_FLYING), GROUND_ALL_TARGETS);
  EXPECT_TRUE(ComputeDamage(request).immune);
  request.gravity = true;
  DamageResult result = ComputeDamage(request);
  EXPECT_FALSE(result.immune);
  EXPECT_EQ(result.multiplierText, "1.00");
  EXPECT_EQ(result.trace.front(), "「じゅうりょく」により「じめん」等倍");

  request.defender = Entry(FIRE_FLYING);
  result = ComputeDamage(request);
  EXPECT_EQ(result.multiplierText, "2.00");
  // A single type never takes the gravity branch.
  request.defender = Entry(FIRE);
  result = ComputeDamage(request);
  EXPECT_FALSE(HasLine(result, "「じゅうりょく」により「じめん」等倍"));
  EXPECT_EQ(result.multiplierText, "2.00");
}

TEST(ComputeDamage, LevitateUnderGravity) {
  box::BoxEntry defender = Entry(NORMAL);
  defender.ability = data::ABILITY_LEVITATE;
  DamageRequest request = MoveRow(Entry(WATER), defender, GROUND_ALL_TARGETS);
  DamageResult result = ComputeDamage(request);
  EXPECT_TRUE(result.immune);
  EXPECT_TRUE(HasLine(result, "「ふゆう」で地面技無効"));
  request.gravity = true;
  result = ComputeDamage(request);
  EXPECT_FALSE(result.immune);
  EXPECT_TRUE(HasLine(result, "「じゅうりょく」で「ふゆう」が無効＝地面技等倍"));
  request.gravity = false;
  box::BoxEntry breaker = Entry(WATER);
  breaker.ability = data::ABILITY_MOLD_BREAKER;
  request.attacker = breaker;
  result = ComputeDamage(request);
  EXPECT_FALSE(result.immune);
  EXPECT_FALSE(HasLine(result, "「ふゆう」で地面技無効"));
}

struct GhostCase {
  data::SpeciesId defender;
  bool foresight;
  std::int32_t ability;
  const char* line;
  int lines;
  const char* multiplier;
};

// One override line per lookup that is overridden.
TEST(ComputeDamage, GhostOverrideLinePerLookup) {
  const char* FORESIGHT = "「みやぶる」により「ノーマル格闘」有効";
  const char* SCRAPPY = "「きもったま」により「ノーマル格闘」有効";
  const GhostCase cases[] = {
      {GHOST, true, 0, FORESIGHT, 1, "1.00"},
      {GHOST_POISON, true, 0, FORESIGHT, 1, "1.00"},
      {ELECTRIC_GHOST, true, 0, FORESIGHT, 1, "1.00"},
      {GHOST_POISON, false, data::ABILITY_SCRAPPY, SCRAPPY, 1, "1.00"},
      {GHOST_POISON, true, data::ABILITY_SCRAPPY, FORESIGHT, 1, "1.00"},
      {GHOST_POISON, false, 0, FORESIGHT, 0, "0.00"},
  };
  for (const GhostCase& c : cases) {
    box::BoxEntry attacker = Entry(WATER);
    attacker.ability = c.ability;
    DamageRequest request = MoveRow(attacker, Entry(c.defender), NORMAL_PHYSICAL_35);
    request.foresight = c.foresight;
    const DamageResult result = ComputeDamage(request);
    EXPECT_EQ(CountLines(result, c.line), c.lines) << c.defender;
    EXPECT_EQ(CountLines(result, SCRAPPY) + CountLines(result, FORESIGHT), c.lines) << c.defender;
    EXPECT_EQ(result.multiplierText, c.multiplier) << c.defender;
  }
}

TEST(ComputeDamage, WeatherTypedMoveKeepsTypeWhenWeatherCancelled) {
  box::BoxEntry defender = Entry(NORMAL);
  DamageRequest request = MoveRow(Entry(NORMAL), defender, WEATHER_TYPED);
  request.weather = WEATHER_RAIN;
  DamageResult result = ComputeDamage(request);
  EXPECT_EQ(result.moveType, 11);
  EXPECT_EQ(result.movePower, 50);
  EXPECT_TRUE(HasLine(result, "天候により威力： *2"));
  EXPECT_TRUE(HasLine(result, "雨で水技威力： *1.5"));

  defender.ability = data::ABILITY_AIR_LOCK;
  request.defender = defender;
  result = ComputeDamage(request);
  EXPECT_EQ(result.moveType, 11);
  EXPECT_EQ(result.movePower, 50);
  EXPECT_EQ(result.trace.front(), "「エアロック」「ノーてんき」により天候を通常に");
  EXPECT_FALSE(HasLine(result, "天候により威力： *2"));
  EXPECT_FALSE(HasLine(result, "雨で水技威力： *1.5"));

  const std::pair<std::int32_t, data::TypeId> types[] = {
      {WEATHER_NONE, 0}, {WEATHER_SUN, 10}, {WEATHER_SANDSTORM, 5}, {WEATHER_HAIL, 15}};
  for (const auto& [weather, type] : types) {
    request.weather = weather;
    EXPECT_EQ(ComputeDamage(request).moveType, type) << weather;
  }
}

// Ability lines are written whenever the side has the ability, even when nothing changes.
TEST(ComputeDamage, AbilityLinesWrittenWithoutEffect) {
  box::BoxEntry attacker = Entry(WATER);
  attacker.ability = data::ABILITY_CLOUD_NINE;
  DamageResult result = ComputeDamage(MoveRow(attacker, Entry(FIRE), WATER_SPECIAL_40));
  EXPECT_EQ(result.trace.front(), "「エアロック」「ノーてんき」により天候を通常に");

  box::BoxEntry forecast = Entry(WATER);
  forecast.ability = data::ABILITY_FORECAST;
  DamageRequest request = MoveRow(forecast, forecast, WATER_SPECIAL_40);
  result = ComputeDamage(request);
  EXPECT_EQ(result.trace[0], "「てんきや」によりみずタイプに");
  EXPECT_EQ(result.trace[1], "＞＞＞ 「てんきや」によりみずタイプに");
  request.weather = WEATHER_SUN;
  result = ComputeDamage(request);
  EXPECT_EQ(result.trace[0], "「てんきや」によりほのおタイプに");
  EXPECT_EQ(result.trace[1], "＞＞＞ 「てんきや」によりほのおタイプに");
  EXPECT_EQ(result.trace[2], "相性補正： *2.00");  // water against the changed fire type

  box::BoxEntry simple = Entry(WATER);
  simple.ability = data::ABILITY_SIMPLE;
  box::BoxEntry unaware = Entry(FIRE);
  unaware.ability = data::ABILITY_UNAWARE;
  result = ComputeDamage(MoveRow(simple, unaware, WATER_SPECIAL_40));
  EXPECT_TRUE(HasLine(result, "「たんじゅん」でランク影響2倍"));
  EXPECT_TRUE(HasLine(result, "＞＞＞ 「てんねん」で相手のランク影響無視"));
  result = ComputeDamage(MoveRow(unaware, simple, WATER_SPECIAL_40));
  EXPECT_TRUE(HasLine(result, "＞＞＞ 「たんじゅん」でランク影響2倍"));
  EXPECT_TRUE(HasLine(result, "「てんねん」で相手のランク影響無視"));
}

struct StageCase {
  const char* name;
  std::int32_t attackerAbility, defenderAbility, attackerItem, stage;
  bool berry;
  std::int32_t category;
  const char* berryLine;  // nullptr: none expected
  const char* stageLine;
};

TEST(ComputeDamage, StagesAndBerries) {
  const char* PHYSICAL_BERRY = "「チイラのみ」で攻撃： *1.5";
  const char* SPECIAL_BERRY = "「ヤタピのみ」で特攻： *1.5";
  const StageCase cases[] = {
      {"+6 stays", 0, 0, 14, 6, true, 0, nullptr, "攻撃ランク補正＝攻撃力： *4.00"},
      {"+5 raised", 0, 0, 14, 5, true, 0, PHYSICAL_BERRY, "攻撃ランク補正＝攻撃力： *4.00"},
      {"unaware then berry", 0, data::ABILITY_UNAWARE, 14, 2, true, 0, PHYSICAL_BERRY,
       "攻撃ランク補正＝攻撃力： *1.50"},
      {"berry off", 0, 0, 14, 0, false, 0, nullptr, "攻撃ランク補正＝攻撃力： *1.00"},
      {"klutz", data::ABILITY_KLUTZ, 0, 14, 0, true, 0, nullptr, "攻撃ランク補正＝攻撃力： *1.00"},
      {"physical berry, special move", 0, 0, 14, 0, true, 1, nullptr,
       "攻撃ランク補正＝攻撃力： *1.00"},
      {"special berry", 0, 0, 15, -1, true, 1, SPECIAL_BERRY, "攻撃ランク補正＝攻撃力： *1.00"},
      {"special berry, status category", 0, 0, 15, 0, true, 2, nullptr,
       "攻撃ランク補正＝攻撃力： *1.00"},
      {"simple doubles and clamps", data::ABILITY_SIMPLE, 0, 0, 4, false, 0, nullptr,
       "攻撃ランク補正＝攻撃力： *4.00"},
      {"simple negative", data::ABILITY_SIMPLE, 0, 0, -2, false, 0, nullptr,
       "攻撃ランク補正＝攻撃力： *0.33"},
      {"-5", 0, 0, 0, -5, false, 0, nullptr, "攻撃ランク補正＝攻撃力： *0.29"},
  };
  for (const StageCase& c : cases) {
    box::BoxEntry attacker = Entry(WATER);
    attacker.ability = c.attackerAbility;
    attacker.item = c.attackerItem;
    box::BoxEntry defender = Entry(NORMAL);
    defender.ability = c.defenderAbility;
    DamageRequest request = DirectRow(attacker, defender, 50, c.category, 0);
    request.attackStage = c.stage;
    request.berryActive = c.berry;
    const DamageResult result = ComputeDamage(request);
    EXPECT_EQ(CountLines(result, PHYSICAL_BERRY) + CountLines(result, SPECIAL_BERRY),
              c.berryLine ? 1 : 0)
        << c.name;
    if (c.berryLine) {
      EXPECT_TRUE(HasLine(result, c.berryLine)) << c.name;
    }
    EXPECT_TRUE(HasLine(result, c.stageLine)) << c.name;
  }
}

TEST(ComputeDamage, SunWithFlowerGift) {
  DamageRequest request = MoveRow(Entry(NORMAL), Entry(NORMAL), WATER_PHYSICAL_80);
  request.weather = WEATHER_SUN;
  request.flowerGift = true;
  DamageResult result = ComputeDamage(request);
  EXPECT_TRUE(HasLine(result, "「フラワーギフト」時に晴れで攻撃： *1.5"));
  EXPECT_FALSE(HasLine(result, "晴れで水技威力： *0.5"));
  request.moveId = WATER_SPECIAL_40;
  result = ComputeDamage(request);
  EXPECT_FALSE(HasLine(result, "「フラワーギフト」時に晴れで攻撃： *1.5"));
  EXPECT_TRUE(HasLine(result, "晴れで水技威力： *0.5"));
}

// The rules asking for category 1 exactly leave a category-2 direct row alone; every rule
// for "not physical" applies to it.
TEST(ComputeDamage, StatusCategoryDirectRow) {
  box::BoxEntry attacker = Entry(WATER);
  attacker.ability = data::ABILITY_SOLAR_POWER;
  attacker.item = 4;  // special attacks ×1.5
  attacker.stat[data::STAT_SPATK] = 200;
  box::BoxEntry defender = Entry(ROCK_GROUND);
  DamageRequest request = DirectRow(attacker, defender, 50, 2, 0);
  request.weather = WEATHER_SUN;
  request.lightScreen = true;
  request.reflect = true;
  DamageResult result = ComputeDamage(request);
  EXPECT_FALSE(result.skipped);
  EXPECT_FALSE(HasLine(result, "「サンパワー」時に晴れで特殊： *1.5"));
  EXPECT_TRUE(HasLine(result, "＞＞＞ 「ひかりのかべ」でダメージ： *0.5"));
  EXPECT_FALSE(HasLine(result, "＞＞＞ 「リフレクター」でダメージ： *0.5"));
  EXPECT_TRUE(HasLine(result, "「こだわりメガネ」で攻撃力： *1.5"));
  request.weather = WEATHER_SANDSTORM;
  EXPECT_FALSE(HasLine(ComputeDamage(request), "＞＞＞ 砂嵐で岩タイプは特防： *1.5"));
  request.directCategory = 1;
  EXPECT_TRUE(HasLine(ComputeDamage(request), "＞＞＞ 砂嵐で岩タイプは特防： *1.5"));
  request.weather = WEATHER_SUN;
  EXPECT_TRUE(HasLine(ComputeDamage(request), "「サンパワー」時に晴れで特殊： *1.5"));

  // Special stats are used: the special attack of 200 doubles the damage's core.
  request.directCategory = 2;
  request.weather = WEATHER_NONE;
  request.lightScreen = false;
  attacker.item = 0;
  request.attacker = attacker;
  const std::int64_t withSpecial = ComputeDamage(request).maxDamage;
  request.directCategory = 1;
  EXPECT_EQ(ComputeDamage(request).maxDamage, withSpecial);
  request.directCategory = 0;
  request.reflect = false;
  EXPECT_LT(ComputeDamage(request).maxDamage, withSpecial);
}

TEST(ComputeDamage, DefenderItemPrintsItsFactorAndDividesByIt) {
  box::BoxEntry defender = Entry(NORMAL);
  const DamageRequest plain = MoveRow(Entry(WATER), defender, FIRE_SPECIAL_95);
  defender.item = 12;  // special defence ×2.0
  const DamageRequest held = MoveRow(Entry(WATER), defender, FIRE_SPECIAL_95);
  const DamageResult before = ComputeDamage(plain);
  const DamageResult after = ComputeDamage(held);
  EXPECT_TRUE(HasLine(after, "＞＞＞ 「しんかいのウロコ」で防御力： *2.0"));
  EXPECT_EQ(after.maxDamage, before.maxDamage / 2);
  // A holder with ability 85 gets nothing from it.
  defender.ability = data::ABILITY_KLUTZ;
  const DamageResult klutz = ComputeDamage(MoveRow(Entry(WATER), defender, FIRE_SPECIAL_95));
  EXPECT_EQ(klutz.maxDamage, before.maxDamage);
  EXPECT_EQ(klutz.trace.size(), before.trace.size());
}

TEST(ComputeDamage, AttackerItems) {
  box::BoxEntry attacker = Entry(NORMAL);
  attacker.item = 9;  // ×1.2 when super effective
  DamageResult result = ComputeDamage(MoveRow(attacker, Entry(FIRE), WATER_PHYSICAL_80));
  EXPECT_TRUE(HasLine(result, "「たつじんのおび」で攻撃力： *1.2"));
  result = ComputeDamage(MoveRow(attacker, Entry(NORMAL), WATER_PHYSICAL_80));
  EXPECT_FALSE(HasLine(result, "「たつじんのおび」で攻撃力： *1.2"));
  attacker.item = 3;  // physical ×1.5, applied to the damage
  result = ComputeDamage(MoveRow(attacker, Entry(NORMAL), WATER_PHYSICAL_80));
  EXPECT_TRUE(HasLine(result, "「こだわりハチマキ」で攻撃力： *1.5"));
  attacker.item = 2;
  result = ComputeDamage(MoveRow(attacker, Entry(NORMAL), WATER_SPECIAL_40));
  EXPECT_TRUE(HasLine(result, "「いのちのたま」で攻撃力： *1.3"));
  attacker.ability = data::ABILITY_KLUTZ;
  result = ComputeDamage(MoveRow(attacker, Entry(NORMAL), WATER_SPECIAL_40));
  EXPECT_FALSE(HasLine(result, "「いのちのたま」で攻撃力： *1.3"));
}

TEST(ComputeDamage, MoveRules) {
  const box::BoxEntry attacker = Entry(WATER);
  const box::BoxEntry defender = Entry(WATER);
  DamageResult result = ComputeDamage(MoveRow(attacker, defender, SELF_DESTRUCT));
  EXPECT_TRUE(HasLine(result, "「じばく」「だいばくはつ」で防御力：*0.5"));

  result = ComputeDamage(MoveRow(attacker, defender, FRIENDSHIP));
  EXPECT_EQ(result.movePower, 1);
  EXPECT_TRUE(HasLine(result, "最大威力に設定：＝102"));
  EXPECT_FALSE(result.notComputable);

  result = ComputeDamage(MoveRow(attacker, defender, VARIABLE_POWER_MOVE));
  EXPECT_TRUE(result.notComputable);
  EXPECT_EQ(result.trace.back(), "ダメージ変化技につき計算不能");
  EXPECT_EQ(result.multiplierText, "－");
  EXPECT_EQ(result.damageText, "－");
  EXPECT_EQ(result.hitsText, "－");
}

TEST(ComputeDamage, IvTypedMove) {
  box::BoxEntry attacker = Entry(WATER);
  DamageResult result = ComputeDamage(MoveRow(attacker, Entry(NORMAL), IV_TYPED));
  EXPECT_EQ(result.moveType, 17);
  EXPECT_EQ(result.movePower, 70);
  EXPECT_FALSE(result.notComputable);
  // HP, Atk, Def odd; SpAtk, SpDef, Speed even: type bits 7 -> index 1 (ひこう).
  for (int s = 3; s < 6; ++s) attacker.iv[s] = 30;
  result = ComputeDamage(MoveRow(attacker, Entry(NORMAL), IV_TYPED));
  EXPECT_EQ(result.moveType, 2);
  attacker.statsEntered = 1;
  result = ComputeDamage(MoveRow(attacker, Entry(NORMAL), IV_TYPED));
  EXPECT_EQ(result.moveType, 0);
  EXPECT_EQ(result.movePower, 1);
  EXPECT_TRUE(result.notComputable);
}

TEST(ComputeDamage, BurnAndStatusDoubledMove) {
  box::BoxEntry attacker = Entry(WATER);
  DamageRequest request = MoveRow(attacker, Entry(WATER), STATUS_DOUBLED);
  request.burned = true;
  DamageResult result = ComputeDamage(request);
  EXPECT_TRUE(HasLine(result, "「やけど」で攻撃半減： *0.5"));
  EXPECT_TRUE(HasLine(result, "「からげんき」は状態異常で威力： *2"));
  attacker.ability = data::ABILITY_GUTS;
  request.attacker = attacker;
  request.abilityActive = true;
  result = ComputeDamage(request);
  EXPECT_EQ(result.trace.end()[-2], "「からげんき」は状態異常で威力： *2");
  EXPECT_TRUE(HasLine(result, "「こんじょう」でやけどの影響無し"));
  EXPECT_TRUE(HasLine(result, "「こんじょう」発動で攻撃力： *1.5"));
  EXPECT_FALSE(HasLine(result, "「やけど」で攻撃半減： *0.5"));
}

TEST(ComputeDamage, TwoTargetsOnlyForOwnMoves) {
  DamageRequest request = MoveRow(Entry(WATER), Entry(WATER), GROUND_ALL_TARGETS);
  request.doubleBattle = true;
  EXPECT_TRUE(HasLine(ComputeDamage(request), "「全体」で威力： *0.75"));
  request.moveId = POISON_BOTH_FOES;
  EXPECT_TRUE(HasLine(ComputeDamage(request), "「敵二体」で威力： *0.75"));
  request.rowKind = RowKind::ListMove;
  EXPECT_FALSE(HasLine(ComputeDamage(request), "「敵二体」で威力： *0.75"));
}

// The full trace order of a row on which many rules fire.
TEST(ComputeDamage, TraceFollowsStepOrder) {
  box::BoxEntry attacker = Entry(FIRE);
  attacker.ability = data::ABILITY_BLAZE;
  attacker.item = 1;
  box::BoxEntry defender = Entry(WATER);
  defender.ability = data::ABILITY_THICK_FAT;
  defender.item = 10;
  DamageRequest request = MoveRow(attacker, defender, FIRE_SPECIAL_95);
  request.weather = WEATHER_SUN;
  request.attackStage = 1;
  request.defenceStage = -1;
  request.helpingHand = true;
  request.abilityActive = true;
  request.lightScreen = true;
  const DamageResult result = ComputeDamage(request);
  EXPECT_EQ(result.trace, (Lines{
                              "相性補正： *0.50",
                              "タイプ一致でダメージ： *1.5",
                              "晴れで炎技威力： *1.5",
                              "攻撃ランク補正＝攻撃力： *1.50",
                              "＞＞＞ 防御ランク補正＝防御力： *0.67",
                              "「てだすけ」で威力： *1.5",
                              "「もうか」発動で炎技威力： *1.5",
                              "「あついしぼう」でダメージ： *0.5",
                              "「各種タイプ補正」で攻撃力： *1.2",
                              "＞＞＞ 「ひかりのかべ」でダメージ： *0.5",
                              "＞＞＞ 「こころのしずく」で防御力： *1.5",
                          }));
  EXPECT_EQ(result.multiplierText, "0.75");
  // P = 95*27/8 = 320, A = 100*36/20 = 180, D = 100*2/3 = 66;
  // x = 22*320*180/66/50 + 2 = 386; Mn/Md = 30/120 gives 96; E = 2 gives 48.
  EXPECT_EQ(result.maxDamage, 48);
}

// Random box records, valid and not, through the calculation and the report.
TEST(ComputeDamageProperty, RandomEntriesNeverReadOutsideTables) {
  std::mt19937 random(20240607);
  const auto uniform = [&](std::int32_t lo, std::int32_t hi) {
    return std::uniform_int_distribution<std::int32_t>(lo, hi)(random);
  };
  const auto randomEntry = [&]() {
    box::BoxEntry entry{};
    if (uniform(0, 3) == 0) {
      auto* bytes = reinterpret_cast<unsigned char*>(&entry);
      for (std::size_t i = 0; i < sizeof entry; ++i) bytes[i] = uniform(0, 255);
      return entry;
    }
    entry.name[0] = 'A';
    entry.species = uniform(0, data::SPECIES_COUNT - 1);
    entry.level = uniform(1, 100);
    entry.nature = uniform(0, data::NATURE_COUNT - 1);
    entry.ability = uniform(0, data::ABILITY_COUNT - 1);
    entry.item = uniform(0, data::ITEM_COUNT - 1);
    entry.statsEntered = uniform(0, 1);
    for (int s = 0; s < 6; ++s) {
      entry.iv[s] = uniform(0, 255);
      entry.ev[s] = uniform(0, 255);
      entry.stat[s] = uniform(1, 999);
    }
    for (auto& move : entry.move) {
      move = uniform(0, 4) == 0 ? box::EMPTY_MOVE_SLOT : uniform(0, data::MOVE_COUNT - 1);
    }
    // Now and then one field out of range.
    if (uniform(0, 9) == 0) entry.stat[uniform(0, 5)] = uniform(-5, 1005);
    if (uniform(0, 19) == 0) entry.species = uniform(-3, 600);
    return entry;
  };
  int computed = 0;
  for (int i = 0; i < 20000; ++i) {
    DamageRequest request;
    if (uniform(0, 49) != 0) request.attacker = randomEntry();
    if (uniform(0, 49) != 0) request.defender = randomEntry();
    const int row = uniform(0, 5);
    request.rowKind = row < 4 ? RowKind::OwnMove : row == 4 ? RowKind::ListMove : RowKind::Direct;
    request.moveId = row < 4 && request.attacker ? request.attacker->move[row]
                                                 : uniform(-2, data::MOVE_COUNT + 1);
    request.directPower = 5 * uniform(-1, 41);
    request.directCategory = uniform(-1, 3);
    request.directType = uniform(-1, data::TYPE_COUNT);
    request.weather = uniform(-1, WEATHER_COUNT);
    request.attackStage = uniform(-7, 7);
    request.defenceStage = uniform(-7, 7);
    request.helpingHand = uniform(0, 1);
    request.burned = uniform(0, 1);
    request.flowerGift = uniform(0, 1);
    request.reflect = uniform(0, 1);
    request.lightScreen = uniform(0, 1);
    request.gravity = uniform(0, 1);
    request.foresight = uniform(0, 1);
    request.abilityActive = uniform(0, 1);
    request.berryActive = uniform(0, 1);
    request.doubleBattle = uniform(0, 1);

    const DamageResult result = ComputeDamage(request);
    const std::string report = DamageReport(request, result);
    if (!IsValidRequest(request)) {
      ASSERT_TRUE(result.skipped) << i;
    }
    if (result.skipped) {
      ASSERT_TRUE(report.empty()) << i;
      continue;
    }
    ++computed;
    ASSERT_FALSE(report.empty()) << i;
    ASSERT_TRUE(text::Utf8ToCp932(report).ok) << i;
    for (const std::string& line : result.trace) {
      ASSERT_EQ(line.find_first_of("\r\n"), std::string::npos) << i;
    }
    if (result.notComputable || result.immune) continue;
    ASSERT_GE(result.minDamage, 1) << i;
    ASSERT_LE(result.minDamage, result.maxDamage) << i;
    ASSERT_LE(result.hitsMin, result.hitsMax) << i;
  }
  EXPECT_GT(computed, 1000);
}

}  // namespace
}  // namespace kerumina::calc
