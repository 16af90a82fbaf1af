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
  struct Case {
    Tweak tweak;
    Lines trace;  // empty: not compared
    Cells cells;
  };
  const Case cases[] = {
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
      {[](Req& r) { Plain(r, 50, 50, 82, 100, 100); }, {}, {"1.00", "17 ～ 20", "5 ～ 6"}},
      {[](Req& r) { Plain(r, 1, 5, 1, 1, 3); }, {}, {"1.00", "1 ～ 2", "2 ～ 3"}},
      {[](Req& r) { Plain(r, 1, 5, 1, 1, 3), r.reflect = true; }, {}, {"1.00", "1", "3"}},
      {[](Req& r) { Plain(r, 50, 50, 82, 100, 34); }, {}, {"1.00", "17 ～ 20", "2"}},
      {[](Req& r) { Plain(r, 100, 200, 999, 1, 999); }, {}, {"1.00", "142658 ～ 167834", "1"}},
      {[](Req& r) { Plain(r, 50, 50, 100, 3, 100), r.defenceStage = -6; },
       {},
       {"1.00", "1871 ～ 2202", "1"}},
  };
  for (const Case& c : cases) {
    const DamageResult result = ComputeDamage(Row(c.tweak));
    EXPECT_EQ(c.trace.empty() ? c.trace : result.trace, c.trace);
    EXPECT_EQ(CellsOf(result), c.cells);
    EXPECT_EQ(result.immune, result.maxDamage == 0);
  }
}

// The greatest damage of rows without abilities, items, weather or move rules, worked out
// the plain way: each modifier one fraction, applied once.
std::int64_t PlainMaxDamage(const Req& r) {
  const box::BoxEntry& a = *r.attacker;
  const box::BoxEntry& d = *r.defender;
  const bool physical = r.directCategory == data::CATEGORY_PHYSICAL;
  // The stage fraction of a value, over `halved` more (2 for a burn).
  const auto stage = [](std::int64_t value, std::int32_t s, std::int64_t halved) {
    return s >= 0 ? value * (2 + s) / (2 * halved) : value * 2 / ((2 - s) * halved);
  };
  const std::int64_t p = r.directPower * (r.helpingHand ? 3 : 2) / 2;
  const std::int64_t attack = stage(a.stat[physical ? data::STAT_ATK : data::STAT_SPATK],
                                    r.attackStage, physical && r.burned ? 2 : 1);
  const std::int64_t defence = std::max<std::int64_t>(
      stage(d.stat[physical ? data::STAT_DEF : data::STAT_SPDEF], r.defenceStage, 1), 1);
  const data::SpeciesRecord& as = data::Species(a.species);
  const data::SpeciesRecord& ds = data::Species(d.species);
  const bool sameType = r.directType == as.type1 || r.directType == as.type2;
  const bool screen = physical ? r.reflect : r.lightScreen;
  const std::int64_t e1 = data::TYPE_CHART[r.directType][ds.type1];
  const std::int64_t e =
      ds.type1 == ds.type2 ? 2 * e1 : e1 * data::TYPE_CHART[r.directType][ds.type2];
  std::int64_t x = (2 * a.level / 5 + 2) * p * attack / defence / 50 + 2;
  x = x * (sameType ? 3 : 2) / (2 * (screen ? 2 : 1));
  return x * e / 4;
}

TEST(ComputeDamageProperty, PlainRowsAgreeWithThePlainFormula) {
  RandomRows random(77);
  for (int i = 0; i < 3000; ++i) {
    Req r = MoveRow(Entry(random.Uniform(0, data::SPECIES_COUNT - 1), random.Uniform(1, 100)),
                    Entry(random.Uniform(0, data::SPECIES_COUNT - 1)), data::NO_MOVE);
    for (int s = 0; s < 6; ++s) {
      r.attacker->stat[s] = random.Uniform(1, 999), r.defender->stat[s] = random.Uniform(1, 999);
    }
    data::TypeId type = random.Uniform(0, data::TYPE_COUNT - 2);
    MakeDirect(r, 5 * random.Uniform(1, 40), random.Uniform(0, 2), type < 9 ? type : type + 1);
    r.attackStage = random.Uniform(-6, 6), r.defenceStage = random.Uniform(-6, 6);
    r.helpingHand = random.Uniform(0, 1), r.burned = random.Uniform(0, 1);
    r.reflect = random.Uniform(0, 1), r.lightScreen = random.Uniform(0, 1);
    ASSERT_EQ(ComputeDamage(r).maxDamage, PlainMaxDamage(r)) << i;
  }
}

// A rule's effect: the greatest damage of the scenario with the trigger added, against the
// scenario alone, and the trigger's line (written once when the rule fires, else not at
// all). Big numbers keep the truncations far below the factors' differences.
struct Effect {
  Tweak scenario;
  Tweak trigger;
  int num, den;
  std::string line = {};
  bool fires = true;
};

Req Big(Tweak scenario) {
  Req r = MoveRow(Entry(WATER, 100), Entry(NORMAL), data::NO_MOVE);
  std::fill(std::begin(r.attacker->stat), std::end(r.attacker->stat), 600);
  r.defender->stat[data::STAT_HP] = 999;
  MakeDirect(r, 80, data::CATEGORY_PHYSICAL, data::TYPE_WATER);
  if (scenario) scenario(r);
  return r;
}

// The changes the scenarios and triggers are made of.
template <auto Field, auto Value>
void Set(Req& r) {
  r.*Field = Value;
}
template <auto Field, auto Value>
void SetA(Req& r) {
  *r.attacker.*Field = Value;
}
template <auto Field, auto Value>
void SetD(Req& r) {
  *r.defender.*Field = Value;
}
template <data::TypeId T, std::int32_t C = 0, std::int32_t P = 80>
void Hit(Req& r) {
  MakeDirect(r, P, C, T);
}
template <data::MoveId M, RowKind K = RowKind::OwnMove>
void Use(Req& r) {
  r.rowKind = K, r.moveId = M;
}
template <Tweak... T>
void All(Req& r) {
  (T(r), ...);
}
template <std::int32_t A>
constexpr Tweak Atk = SetA<&box::BoxEntry::ability, A>;
template <std::int32_t A>
constexpr Tweak Def = SetD<&box::BoxEntry::ability, A>;
template <std::int32_t I>
constexpr Tweak AtkItem = SetA<&box::BoxEntry::item, I>;
template <std::int32_t I>
constexpr Tweak DefItem = SetD<&box::BoxEntry::item, I>;
template <data::SpeciesId S>
constexpr Tweak Vs = SetD<&box::BoxEntry::species, S>;
template <std::int32_t W>
constexpr Tweak Sky = Set<&Req::weather, W>;
template <std::int32_t S>
constexpr Tweak AtkStage = Set<&Req::attackStage, S>;
template <std::int32_t S>
constexpr Tweak DefStage = Set<&Req::defenceStage, S>;
template <bool Req::*Flag>
constexpr Tweak On = Set<Flag, true>;
constexpr Tweak SPECIAL = Set<&Req::directCategory, 1>, STATUS = Set<&Req::directCategory, 2>;
constexpr Tweak ACTIVE = On<&Req::abilityActive>, BERRY = On<&Req::berryActive>,
                BURN = On<&Req::burned>, GRAVITY = On<&Req::gravity>,
                FORESIGHT = On<&Req::foresight>, DOUBLE = On<&Req::doubleBattle>;
const std::string GRAVITY_LINE = "「じゅうりょく」により「じめん」等倍";
const std::string FORESIGHT_LINE = "「みやぶる」により「ノーマル格闘」有効";
const std::string SOLAR = "「サンパワー」時に晴れで特殊： *1.5";
const std::string SAND = "＞＞＞ 砂嵐で岩タイプは特防： *1.5";
const std::string CHIIRA = "「チイラのみ」で攻撃： *1.5";
const std::string YATAPI = "「ヤタピのみ」で特攻： *1.5";
const std::string LEVITATE = "「ふゆう」で地面技無効";

TEST(ComputeDamage, EachRuleScalesTheDamageAndWritesItsLine) {
  using enum data::Ability;
  const Effect effects[] = {
      {nullptr, Atk<ABILITY_NORMALIZE>, 2, 3, "「ノーマルスキン」によりノーマルタイプに変更"},
      {Sky<WEATHER_SUN>, Atk<ABILITY_CLOUD_NINE>, 2, 1,
       "「エアロック」「ノーてんき」により天候を通常に"},
      {Sky<WEATHER_RAIN>, Def<ABILITY_AIR_LOCK>, 2, 3},
      {Sky<WEATHER_RAIN>, Def<ABILITY_FORECAST>, 1, 2, "＞＞＞ 「てんきや」によりみずタイプに"},
      {nullptr, Atk<ABILITY_FORECAST>, 1, 1, "「てんきや」によりみずタイプに"},
      // Ghosts lose their immunity, one line per overridden type; gravity grounds only a
      // second flying type.
      {Hit<0>, All<Vs<GHOST>, FORESIGHT>, 1, 1, FORESIGHT_LINE},
      {Hit<1>, All<Vs<GHOST_POISON>, Atk<ABILITY_SCRAPPY>>, 1, 4,
       "「きもったま」により「ノーマル格闘」有効"},
      {Hit<0>, All<Vs<ELECTRIC_GHOST>, FORESIGHT>, 1, 1, FORESIGHT_LINE},
      {Hit<4>, All<Vs<NORMAL_FLYING>, GRAVITY>, 1, 1, GRAVITY_LINE},
      {All<Hit<4>, Vs<FIRE>>, All<Vs<FIRE_FLYING>, GRAVITY>, 1, 1, GRAVITY_LINE},
      {Hit<4>, All<Vs<FIRE>, GRAVITY>, 2, 1, GRAVITY_LINE, false},
      {Hit<0>, Hit<11>, 3, 2, "タイプ一致でダメージ： *1.5"},
      {nullptr, Atk<ABILITY_ADAPTABILITY>, 4, 3,
       "「てきおうりょく」によりタイプ一致でダメージ： *2"},
      {Hit<0, 0, 200>, Use<119>, 2, 1, "「じばく」「だいばくはつ」で防御力：*0.5"},
      {Hit<0, 0, 200>, Use<152>, 5, 2},
      {Hit<0, 0, 102>, Use<FRIENDSHIP>, 1, 1, "最大威力に設定：＝102"},
      {Hit<0, 0, 102>, Use<217, RowKind::ListMove>, 1, 1},
      {All<Hit<11, 1, 100>, Sky<WEATHER_RAIN>>, Use<WEATHER_TYPED>, 1, 1, "天候により威力： *2"},
      // A cancelled weather keeps MoveId 310's type but not its power.
      {All<Hit<11, 1, 50>, Sky<WEATHER_RAIN>, Def<ABILITY_AIR_LOCK>>, Use<WEATHER_TYPED>, 1, 1,
       "天候により威力： *2", false},
      {Hit<10>, Sky<WEATHER_SUN>, 3, 2, "晴れで炎技威力： *1.5"},
      {Hit<10>, Sky<WEATHER_RAIN>, 1, 2, "雨で炎技威力： *0.5"},
      {nullptr, Sky<WEATHER_RAIN>, 3, 2, "雨で水技威力： *1.5"},
      {nullptr, Sky<WEATHER_SUN>, 1, 2, "晴れで水技威力： *0.5"},
      {nullptr, Sky<WEATHER_HAIL>, 1, 1},
      {Sky<WEATHER_SUN>, On<&Req::flowerGift>, 3, 1, "「フラワーギフト」時に晴れで攻撃： *1.5"},
      {All<Sky<WEATHER_SUN>, SPECIAL>, On<&Req::flowerGift>, 1, 1, "晴れで水技威力： *0.5"},
      {All<Sky<WEATHER_SUN>, SPECIAL>, Atk<ABILITY_SOLAR_POWER>, 3, 2, SOLAR},
      {All<Sky<WEATHER_SUN>, STATUS>, Atk<ABILITY_SOLAR_POWER>, 1, 1, SOLAR, false},
      {All<SPECIAL, Vs<ROCK_GROUND>>, Sky<WEATHER_SANDSTORM>, 2, 3, SAND},
      {All<STATUS, Vs<ROCK_GROUND>>, Sky<WEATHER_SANDSTORM>, 1, 1, SAND, false},
      // Stages and the berries that raise them.
      {AtkStage<1>, Atk<ABILITY_SIMPLE>, 4, 3, "「たんじゅん」でランク影響2倍"},
      {AtkStage<4>, Atk<ABILITY_SIMPLE>, 4, 3},
      {DefStage<1>, Def<ABILITY_SIMPLE>, 3, 4, "＞＞＞ 「たんじゅん」でランク影響2倍"},
      {DefStage<2>, Atk<ABILITY_UNAWARE>, 2, 1, "「てんねん」で相手のランク影響無視"},
      {AtkStage<2>, Def<ABILITY_UNAWARE>, 1, 2, "＞＞＞ 「てんねん」で相手のランク影響無視"},
      {AtkItem<14>, BERRY, 3, 2, CHIIRA},
      {All<AtkItem<15>, SPECIAL>, BERRY, 3, 2, YATAPI},
      {All<AtkItem<14>, AtkStage<6>>, BERRY, 1, 1, CHIIRA, false},
      {All<AtkItem<15>, AtkStage<6>, SPECIAL>, BERRY, 1, 1, YATAPI, false},
      {All<AtkItem<15>, STATUS>, BERRY, 1, 1, YATAPI, false},
      {All<AtkItem<14>, Atk<ABILITY_KLUTZ>>, BERRY, 1, 1, CHIIRA, false},
      {All<AtkItem<14>, AtkStage<2>, Def<ABILITY_UNAWARE>>, BERRY, 3, 2},
      // Helping hand, burn and the attacker's abilities.
      {nullptr, On<&Req::helpingHand>, 3, 2, "「てだすけ」で威力： *1.5"},
      {nullptr, BURN, 1, 2, "「やけど」で攻撃半減： *0.5"},
      {SPECIAL, BURN, 1, 1},
      {Atk<ABILITY_GUTS>, BURN, 1, 1, "「こんじょう」でやけどの影響無し"},
      {Hit<0, 0, 70>, All<Use<262>, BURN>, 1, 1, "「からげんき」は状態異常で威力： *2"},
      {Vs<WATER>, Atk<ABILITY_TINTED_LENS>, 2, 1, "「いろめがね」でダメージ： *2"},
      {nullptr, Atk<ABILITY_TINTED_LENS>, 1, 1},
      {nullptr, Atk<ABILITY_HUGE_POWER>, 2, 1, "「ちからもち」「ヨガパワー」で攻撃力： *2"},
      {nullptr, Atk<ABILITY_PURE_POWER>, 2, 1},
      {SPECIAL, Atk<ABILITY_HUGE_POWER>, 1, 1},
      {Hit<11, 0, 60>, Atk<ABILITY_TECHNICIAN>, 3, 2, "「テクニシャン」で威力： *1.5"},
      {Hit<11, 0, 65>, Atk<ABILITY_TECHNICIAN>, 1, 1},
      {SPECIAL, Atk<ABILITY_HUSTLE>, 3, 2, "「はりきり」で攻撃力： *1.5"},
      {Atk<ABILITY_TORRENT>, ACTIVE, 3, 2, "「げきりゅう」発動で水技威力： *1.5"},
      {Atk<ABILITY_GUTS>, ACTIVE, 3, 2, "「こんじょう」発動で攻撃力： *1.5"},
      {All<Atk<ABILITY_GUTS>, SPECIAL>, ACTIVE, 1, 1},
      {All<Atk<ABILITY_OVERGROW>, Hit<12>>, ACTIVE, 3, 2, "「しんりょく」発動で草技威力： *1.5"},
      {Atk<ABILITY_SLOW_START>, ACTIVE, 1, 2, "「スロースタート」発動中は攻撃力： *0.5"},
      {All<Atk<ABILITY_SWARM>, Hit<6>>, ACTIVE, 3, 2, "「むしのしらせ」発動で虫技威力： *1.5"},
      {All<Atk<ABILITY_BLAZE>, Hit<10>>, ACTIVE, 3, 2, "「もうか」発動で炎技威力： *1.5"},
      {All<Atk<ABILITY_FLASH_FIRE>, Hit<10>>, ACTIVE, 3, 2, "「もらいび」発動で炎技威力： *1.5"},
      {Atk<ABILITY_BLAZE>, ACTIVE, 1, 1},
      // The defender's abilities.
      {Hit<15>, Def<ABILITY_THICK_FAT>, 1, 2, "「あついしぼう」でダメージ： *0.5"},
      {Hit<10>, Def<ABILITY_DRY_SKIN>, 5, 4, "「かんそうはだ」でダメージ： *1.25"},
      {nullptr, Def<ABILITY_DRY_SKIN>, 0, 1, "「かんそうはだ」で水技無効"},
      {Hit<10>, Def<ABILITY_HEATPROOF>, 1, 2, "「たいねつ」でダメージ： *0.5"},
      {Hit<13>, Def<ABILITY_VOLT_ABSORB>, 0, 1, "「ちくでん」「でんきエンジン」で電気技無効"},
      {Hit<13>, Def<ABILITY_MOTOR_DRIVE>, 0, 1},
      {nullptr, Def<ABILITY_WATER_ABSORB>, 0, 1, "「ちょすい」で水技無効"},
      {Vs<FIRE>, Def<ABILITY_FILTER>, 3, 4, "「ハードロック」「フィルター」でダメージ： *0.75"},
      {Vs<FIRE>, Def<ABILITY_SOLID_ROCK>, 3, 4},
      {nullptr, Def<ABILITY_FILTER>, 1, 1},
      {nullptr, Def<ABILITY_WONDER_GUARD>, 0, 1, "「ふしぎなまもり」で無効"},
      {Vs<FIRE>, Def<ABILITY_WONDER_GUARD>, 1, 1},
      {Hit<4>, Def<ABILITY_LEVITATE>, 0, 1, LEVITATE},
      {All<Hit<4>, GRAVITY>, Def<ABILITY_LEVITATE>, 1, 1,
       "「じゅうりょく」で「ふゆう」が無効＝地面技等倍"},
      {All<Hit<4>, Atk<ABILITY_MOLD_BREAKER>>, Def<ABILITY_LEVITATE>, 1, 1, LEVITATE, false},
      {Hit<10>, Def<ABILITY_FLASH_FIRE>, 0, 1, "「もらいび」で炎技無効"},
      // Two targets, screens and the items' exceptions.
      {Use<POISON_BOTH_FOES>, DOUBLE, 3, 4, "「敵二体」で威力： *0.75"},
      {Use<GROUND_ALL_TARGETS>, DOUBLE, 3, 4, "「全体」で威力： *0.75"},
      {Use<GROUND_ALL_TARGETS, RowKind::ListMove>, DOUBLE, 1, 1},
      {nullptr, On<&Req::reflect>, 1, 2, "＞＞＞ 「リフレクター」でダメージ： *0.5"},
      {SPECIAL, On<&Req::lightScreen>, 1, 2, "＞＞＞ 「ひかりのかべ」でダメージ： *0.5"},
      {STATUS, On<&Req::lightScreen>, 1, 2},
      {SPECIAL, On<&Req::reflect>, 1, 1},
      {AtkItem<3>, Atk<ABILITY_KLUTZ>, 2, 3, "「こだわりハチマキ」で攻撃力： *1.5", false},
      {AtkItem<2>, Atk<ABILITY_KLUTZ>, 10, 13},
      {DefItem<13>, Def<ABILITY_KLUTZ>, 2, 1, "＞＞＞ 「メタルパウダー」で防御力： *2.0", false},
      {SPECIAL, DefItem<12>, 1, 2, "＞＞＞ 「しんかいのウロコ」で防御力： *2.0"},
      {STATUS, AtkItem<4>, 3, 2, "「こだわりメガネ」で攻撃力： *1.5"},
      {nullptr, AtkItem<9>, 1, 1},  // the expert belt needs a super-effective hit
  };
  for (const Effect& e : effects) {
    const auto at = &e - effects;
    Req request = Big(e.scenario);
    const double base = static_cast<double>(ComputeDamage(request).maxDamage);
    e.trigger(request);
    const DamageResult with = ComputeDamage(request);
    const double expected = base * e.num / e.den;
    // Equal factors take the same steps: the results must match exactly.
    EXPECT_NEAR(with.maxDamage, expected, e.num == e.den ? 0 : expected / 50 + 1) << at;
    EXPECT_TRUE(e.line.empty() || std::ranges::count(with.trace, e.line) == e.fires) << at;
  }
}

// Each item's factor in tenths: held by the attacker for a physical and a special hit, held by
// the defender against them (a divisor). The hits are super effective and berries active.
TEST(ComputeDamage, EveryItemOnEverySide) {
  // The battle's items from 17 on do nothing in this model.
  std::array<int, 4> factors[data::ITEM_COUNT] = {
      {10, 10, 10, 10}, {12, 12, 10, 10}, {13, 13, 10, 10}, {15, 10, 10, 10}, {10, 15, 10, 10},
      {11, 10, 10, 10}, {20, 20, 10, 10}, {20, 10, 10, 10}, {10, 11, 10, 10}, {12, 12, 10, 10},
      {10, 15, 10, 15}, {10, 20, 10, 10}, {10, 10, 10, 20}, {10, 10, 20, 10}, {15, 10, 10, 10},
      {10, 15, 10, 10}, {10, 10, 10, 10}};
  std::fill(factors + 17, std::end(factors), std::array{10, 10, 10, 10});
  for (data::ItemId item = 0; item < data::ITEM_COUNT; ++item) {
    for (std::int32_t category : {0, 1}) {
      Req r = Big(All<Vs<FIRE>, BERRY>);
      r.directCategory = category;
      const double base = static_cast<double>(ComputeDamage(r).maxDamage);
      r.attacker->item = item;
      const double attacked = base * factors[item][category] / 10;
      EXPECT_NEAR(ComputeDamage(r).maxDamage, attacked, attacked / 50) << item << "/" << category;
      r.attacker->item = 0, r.defender->item = item;
      const double defended = base * 10 / factors[item][2 + category];
      EXPECT_NEAR(ComputeDamage(r).maxDamage, defended, defended / 50) << item << "/" << category;
    }
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
