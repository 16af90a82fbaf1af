#include "calc/damage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <sstream>
#include <tuple>
#include <vector>

#include "calc/damage_report.h"
#include "damage_fixture.h"
#include "data/abilities.h"
#include "tests/case_file.h"
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

// The index of the entry named `name`.
template <typename Names, typename Name = std::identity>
int Named(const std::string& name, const Names& names, Name nameOf = {}) {
  const auto at = std::ranges::find_if(
      names, [&](auto& e) { return std::invoke(nameOf, e) == std::string_view(name); });
  EXPECT_NE(at, std::end(names)) << name;
  return static_cast<int>(at - std::begin(names));
}

// Applies changes written as words, e.g. "vs=ムウマ type=かくとう foresight" (see
// damage_rules.tsv).
void Change(Req& r, const std::string& words) {
  using Set = std::function<void(Req&, const std::string&)>;
  const auto item = &data::ItemRecord::name;
  const std::map<std::string, Set> setters = {
      {"atk", [](Req& r, auto& v) { r.attacker->ability = Named(v, data::ABILITY_NAMES); }},
      {"def", [](Req& r, auto& v) { r.defender->ability = Named(v, data::ABILITY_NAMES); }},
      {"atkitem", [&](Req& r, auto& v) { r.attacker->item = Named(v, data::ITEMS, item); }},
      {"defitem", [&](Req& r, auto& v) { r.defender->item = Named(v, data::ITEMS, item); }},
      {"vs", [](Req& r, auto& v) { r.defender->species = Named(v, data::SPECIES_NAMES); }},
      {"type", [](Req& r, auto& v) { r.directType = Named(v, data::TYPE_NAMES); }},
      {"cat", [](Req& r, auto& v) { r.directCategory = Named(v, data::MOVE_CATEGORY_NAMES); }},
      {"power", [](Req& r, auto& v) { r.directPower = std::stoi(v); }},
      {"move", [](Req& r, auto& v) { r.moveId = Named(v, data::MOVE_NAMES); }},
      {"list", [](Req& r, auto& v) { r.moveId = Named(v, data::MOVE_NAMES); }},
      {"weather", [](Req& r, auto& v) { r.weather = Named(v, WEATHER_NAMES); }},
      {"astage", [](Req& r, auto& v) { r.attackStage = std::stoi(v); }},
      {"dstage", [](Req& r, auto& v) { r.defenceStage = std::stoi(v); }}};
  const std::map<std::string, bool Req::*> flags = {
      {"helping", &Req::helpingHand},     {"burn", &Req::burned},
      {"flower", &Req::flowerGift},       {"reflect", &Req::reflect},
      {"lightscreen", &Req::lightScreen}, {"gravity", &Req::gravity},
      {"foresight", &Req::foresight},     {"active", &Req::abilityActive},
      {"berry", &Req::berryActive},       {"double", &Req::doubleBattle},
      {"critical", &Req::critical},       {"stealthrock", &Req::stealthRock}};
  std::istringstream in(words);
  for (std::string word; in >> word && word != "-";) {
    const std::size_t eq = word.find('=');
    const std::string key = word.substr(0, eq);
    if (key == "move" || key == "list")
      r.rowKind = key == "move" ? RowKind::OwnMove : RowKind::ListMove;
    if (flags.contains(key)) {
      r.*flags.at(key) = true;
    } else {
      setters.at(key)(r, word.substr(eq + 1));  // throws for an unknown word
    }
  }
}

// A level-100 water attacker, every stat 600, hits a normal defender (HP 999) with a direct
// physical water move of power 80, changed by `words`.
Req Big(const std::string& words) {
  Req r = MoveRow(Entry(WATER, 100), Entry(NORMAL), data::NO_MOVE);
  std::fill(std::begin(r.attacker->stat), std::end(r.attacker->stat), 600);
  r.defender->stat[data::STAT_HP] = 999;
  MakeDirect(r, 80, data::CATEGORY_PHYSICAL, data::TYPE_WATER);
  Change(r, words);
  return r;
}

// A direct normal row from a water attacker against a normal defender: E = 4, no bonus.
void Plain(Req& r, std::int32_t level, std::int32_t power, std::int32_t attack,
           std::int32_t defence, std::int32_t hp) {
  r.attacker->level = level, r.attacker->stat[data::STAT_ATK] = attack;
  r.defender->stat[data::STAT_DEF] = defence, r.defender->stat[data::STAT_HP] = hp;
  MakeDirect(r, power, data::CATEGORY_PHYSICAL, 0);
}

// The step order when many rules fire; M = 20 gives m = 17; level 1 power 5; one damage
// shows one and the whole HP as hits; 64-bit products; a defence of 3 at -6 (3 * 2 / 8 = 0)
// counts as 1.
TEST(ComputeDamage, WorkedRows) {
  Req many = MoveRow(Entry(FIRE), Entry(WATER), FIRE_SPECIAL_95);
  Change(many,
         "atk=もうか atkitem=各種タイプ補正 def=あついしぼう defitem=こころのしずく "
         "weather=晴れ astage=1 dstage=-1 helping active lightscreen");
  // P = 95*27/8 = 320, A = 100*36/20 = 180, D = 100*2/3 = 66;
  // x = 22*320*180/66/50 + 2 = 386; Mn/Md = 30/120 gives 96; E = 2 gives 48.
  EXPECT_EQ(ComputeDamage(many).trace,
            (Lines{"相性補正： *0.50", "タイプ一致でダメージ： *1.5", "晴れで炎技威力： *1.5",
                   "攻撃ランク補正＝攻撃力： *1.50", "＞＞＞ 防御ランク補正＝防御力： *0.67",
                   "「てだすけ」で威力： *1.5", "「もうか」発動で炎技威力： *1.5",
                   "「あついしぼう」でダメージ： *0.5", "「各種タイプ補正」で攻撃力： *1.2",
                   "＞＞＞ 「ひかりのかべ」でダメージ： *0.5",
                   "＞＞＞ 「こころのしずく」で防御力： *1.5"}));
  EXPECT_EQ(CellsOf(ComputeDamage(many)), (Cells{"0.75", "40 ～ 48", "3"}));
  const std::pair<Tweak, Cells> cases[] = {
      {[](Req& r) { Plain(r, 50, 50, 82, 100, 100); }, {"1.00", "17 ～ 20", "5 ～ 6"}},
      {[](Req& r) { Plain(r, 1, 5, 1, 1, 3); }, {"1.00", "1 ～ 2", "2 ～ 3"}},
      {[](Req& r) { Plain(r, 1, 5, 1, 1, 3), r.reflect = true; }, {"1.00", "1", "3"}},
      {[](Req& r) { Plain(r, 50, 50, 82, 100, 34); }, {"1.00", "17 ～ 20", "2"}},
      {[](Req& r) { Plain(r, 100, 200, 999, 1, 999); }, {"1.00", "142658 ～ 167834", "1"}},
      {[](Req& r) { Plain(r, 50, 50, 100, 3, 100), r.defenceStage = -6; },
       {"1.00", "1871 ～ 2202", "1"}},
  };
  for (const auto& [tweak, cells] : cases) EXPECT_EQ(CellsOf(ComputeDamage(Row(tweak))), cells);
}

// Each row of damage_rules.tsv: a scenario, a trigger added to it, the factor the greatest
// damage must change by and the trigger's line (written once, or "!": never). Big numbers
// keep the truncations far below the factors' differences.
TEST(ComputeDamage, EachRuleScalesTheDamageAndWritesItsLine) {
  for (const test::Case& c : test::ReadCases("damage_rules.tsv", 4)) {
    Req request = Big(c[0]);
    const double base = static_cast<double>(ComputeDamage(request).maxDamage);
    Change(request, c[1]);
    const DamageResult with = ComputeDamage(request);
    const int num = std::stoi(c[2]), den = std::stoi(c[2].substr(c[2].find('/') + 1));
    const double expected = base * num / den;
    // Equal factors take the same steps: the results must match exactly.
    EXPECT_NEAR(with.maxDamage, expected, num == den ? 0 : expected / 50 + 1)
        << c[0] << " " << c[1];
    const bool never = c[3].starts_with('!');
    const std::string line = c[3].substr(never ? 1 : 0);
    EXPECT_TRUE(line.empty() || std::ranges::count(with.trace, line) == !never) << c[1];
  }
}

// Each item's factor in tenths: held by the attacker for a physical and a special hit, held by
// the defender against them (a divisor). The hits are super effective and berries active.
TEST(ComputeDamage, EveryItemOnEverySide) {
  // The battle's items from 17 on hold nothing this model reads.
  std::array<int, 4> factors[data::ITEM_COUNT] = {
      {10, 10, 10, 10}, {12, 12, 10, 10}, {13, 13, 10, 10}, {15, 10, 10, 10}, {10, 15, 10, 10},
      {11, 10, 10, 10}, {20, 20, 10, 10}, {20, 10, 10, 10}, {10, 11, 10, 10}, {12, 12, 10, 10},
      {10, 15, 10, 15}, {10, 20, 10, 10}, {10, 10, 10, 20}, {10, 10, 20, 10}, {15, 10, 10, 10},
      {10, 15, 10, 10}, {10, 10, 10, 10}};
  std::fill(factors + 17, std::end(factors), std::array{10, 10, 10, 10});
  for (data::ItemId item = 0; item < data::ITEM_COUNT; ++item) {
    const data::ItemRecord& row = data::ITEMS[item];
    if (item >= 17) {
      EXPECT_EQ(row.attackKind | row.attackFactor | row.defenceKind | row.defenceFactor, 0);
    }
    for (std::int32_t category : {0, 1}) {
      Req r = Big("vs=ヒトカゲ berry");
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
      [](Req& r) { r.moveId = IV_TYPED, r.attacker->statsEntered = 1; },  // no IVs: power 1
  };
  for (const Tweak tweak : cases) {
    const Req request = Row(tweak);
    const DamageResult result = ComputeDamage(request);
    EXPECT_EQ(CellsOf(result), Cells(NO_VALUE_CELL, NO_VALUE_CELL, NO_VALUE_CELL));
    EXPECT_EQ(result.skipped, result.trace.empty());
    EXPECT_EQ(DamageReport(request, result).empty(), result.skipped);
    EXPECT_EQ(result.notComputable, !result.skipped);
  }
  const DamageResult variable = ComputeDamage(Row([](Req& r) { r.moveId = VARIABLE_POWER; }));
  EXPECT_EQ(variable.trace.back(), "ダメージ変化技につき計算不能");
}

// The report of a row: the sides, the move, the trace and the result.
std::string Report(const Req& request) {
  return DamageReport(request, ComputeDamage(request));
}

const std::string STAGES =
    "攻撃ランク補正＝攻撃力： *1.00\r\n"
    "＞＞＞ 防御ランク補正＝防御力： *1.00\r\n";

TEST(DamageReport, WorkedRow) {
  Req request = MoveRow(Entry(WATER), Entry(FIRE), WATER_PHYSICAL_80);
  request.attacker->ev[data::STAT_ATK] = 252;
  request.defender->stat[data::STAT_HP] = 150;
  request.defender->ev[data::STAT_HP] = 4;
  const std::string report = Report(request);
  EXPECT_TRUE(text::Utf8ToCp932(report).ok);
  EXPECT_EQ(report,
            "ダメージ算出 by ケルミナ\r\n\r\n"
            "LV50  ゼニガメ   まじめ　　（変化無し） なし／その他    \r\n"
            "＞＞＞ LV50  ヒトカゲ   まじめ　　（変化無し） なし／その他    \r\n"
            "攻撃： 100 （ 個体値： 31  努力値： 252 ）\r\n"
            "＞＞＞ ＨＰ： 150 （ 個体値： 31  努力値： 4   ）\r\n"
            "＞＞＞ 防御： 100 （ 個体値： 31  努力値： 0   ）\r\n"
            "\r\nたきのぼり\r\n威力： 80   命中： 100\r\n分類： 物理 タイプ： みず    \r\n"
            "相性補正： *2.00\r\nタイプ一致でダメージ： *1.5\r\n" +
                STAGES + "ダメージ： 93 ～ 110\r\n必要攻撃回数： 2\r\n");
}

TEST(DamageReport, Parts) {
  struct {
    Tweak tweak;
    std::string part;
    bool atEnd = false;
  } const cases[] = {
      // Widths count cp932 bytes: the 16-byte item name fills its column.
      {[](Req& r) { r.attacker->item = 12, r.attacker->level = 100; },
       "LV100 ゼニガメ   まじめ　　（変化無し） しんかいのウロコ\r\n"},
      // Typed-in stats show dashes; a direct row names itself.
      {[](Req& r) {
         r.attacker->statsEntered = r.defender->statsEntered = 1,
         r.attacker->stat[data::STAT_SPATK] = 7;
         MakeDirect(r, 200, 2, 15);
       },
       "特攻： 7   （ 個体値： --- 努力値： --- ）\r\n"
       "＞＞＞ ＨＰ： 100 （ 個体値： --- 努力値： --- ）\r\n"
       "＞＞＞ 特防： 100 （ 個体値： --- 努力値： --- ）\r\n"
       "\r\n技：直接数値選択\r\n威力： 200  命中： ---\r\n分類： 変化 タイプ： こおり  \r\n"
       "相性補正： *1.00\r\n"},
      // MoveId 310 shows the selected weather even when the defender cancels it.
      {[](Req& r) { Change(r, "def=エアロック move=ウェザーボール weather=雨"); },
       "\r\nウェザーボール\r\n威力： 50   命中： 100\r\n分類： 特殊 タイプ： 天候依存\r\n"
       "（天候：雨＝みずタイプ）\r\n「エアロック」「ノーてんき」により天候を通常に\r\n"
       "相性補正： *1.00\r\n"},
      // A friendship move shows its table power; the trace names the one used.
      {[](Req& r) { r.moveId = FRIENDSHIP; }, "\r\nおんがえし\r\n威力： 1    命中： 100\r\n"},
      {[](Req& r) { r.moveId = VARIABLE_POWER; }, "ダメージ変化技につき計算不能\r\n", true},
      // The immune result lines appear once, at the end.
      {[](Req& r) { r.defender = Entry(GHOST), r.moveId = NORMAL_PHYSICAL_35; },
       "相性補正： *0.00\r\n" + STAGES + "ダメージ： 無効\r\n必要攻撃回数： 無効\r\n", true},
  };
  for (const auto& c : cases) {
    const std::string report = Report(Row(c.tweak));
    EXPECT_TRUE(c.atEnd ? report.ends_with(c.part) : report.find(c.part) != std::string::npos)
        << report;
    EXPECT_EQ(report.find("\nダメージ："), report.rfind("\nダメージ："));
  }
}

// A result that claims to be computed for a request that is not must not be trusted.
TEST(DamageReport, EmptyForMismatchedResult) {
  Req invalid = Row([](Req&) {});
  const DamageResult computed = ComputeDamage(invalid);
  invalid.attacker->species = -1;
  EXPECT_EQ(DamageReport(invalid, computed), "");
}

}  // namespace
}  // namespace kerumina::calc
