#include "calc/damage_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "data/abilities.h"
#include "data/species.h"
#include "text/cp932.h"

namespace kerumina::calc {
namespace {

constexpr data::SpeciesId WATER = 6;    // ゼニガメ
constexpr data::SpeciesId FIRE = 3;     // ヒトカゲ
constexpr data::SpeciesId GHOST = 199;  // ムウマ
constexpr data::SpeciesId NORMAL = 18;  // コラッタ
constexpr data::MoveId WATER_PHYSICAL_80 = 126;
constexpr data::MoveId NORMAL_PHYSICAL_35 = 32;
constexpr data::MoveId FRIENDSHIP = 215;
constexpr data::MoveId WEATHER_TYPED = 310;
constexpr data::MoveId VARIABLE_POWER = 66;

box::BoxEntry Entry(data::SpeciesId species) {
  box::BoxEntry entry{};
  std::strcpy(entry.name, "A");
  entry.species = species;
  entry.level = 50;
  entry.nature = 24;
  for (int s = 0; s < 6; ++s) {
    entry.iv[s] = 31;
    entry.stat[s] = 100;
  }
  std::fill(std::begin(entry.move), std::end(entry.move), box::EMPTY_MOVE_SLOT);
  return entry;
}

DamageRequest Row(const box::BoxEntry& attacker, const box::BoxEntry& defender, data::MoveId move) {
  DamageRequest request;
  request.attacker = attacker;
  request.defender = defender;
  request.moveId = move;
  return request;
}

std::string Report(const DamageRequest& request) {
  return DamageReport(request, ComputeDamage(request));
}

const std::string BANNER = "ダメージ算出 by ケルミナ\r\n\r\n";
const std::string STAGES =
    "攻撃ランク補正＝攻撃力： *1.00\r\n"
    "＞＞＞ 防御ランク補正＝防御力： *1.00\r\n";

TEST(DamageReport, WorkedRow) {
  box::BoxEntry attacker = Entry(WATER);
  attacker.ev[data::STAT_ATK] = 252;
  box::BoxEntry defender = Entry(FIRE);
  defender.stat[data::STAT_HP] = 150;
  defender.ev[data::STAT_HP] = 4;
  const std::string expected = BANNER +
                               "LV50  ゼニガメ   まじめ　　（変化無し） なし／その他    \r\n"
                               "＞＞＞ LV50  ヒトカゲ   まじめ　　（変化無し） なし／その他    \r\n"
                               "攻撃： 100 （ 個体値： 31  努力値： 252 ）\r\n"
                               "＞＞＞ ＨＰ： 150 （ 個体値： 31  努力値： 4   ）\r\n"
                               "＞＞＞ 防御： 100 （ 個体値： 31  努力値： 0   ）\r\n"
                               "\r\n"
                               "たきのぼり\r\n"
                               "威力： 80   命中： 100\r\n"
                               "分類： 物理 タイプ： みず    \r\n"
                               "相性補正： *2.00\r\n"
                               "タイプ一致でダメージ： *1.5\r\n" +
                               STAGES +
                               "ダメージ： 93 ～ 110\r\n"
                               "必要攻撃回数： 2\r\n";
  EXPECT_EQ(Report(Row(attacker, defender, WATER_PHYSICAL_80)), expected);
}

// Widths count cp932 bytes: the item column is 16 bytes wide in the clipboard's encoding.
TEST(DamageReport, ColumnsPadInCp932Bytes) {
  box::BoxEntry attacker = Entry(WATER);
  attacker.item = 12;  // しんかいのウロコ: 16 bytes, no padding
  attacker.level = 100;
  const std::string report = Report(Row(attacker, Entry(FIRE), WATER_PHYSICAL_80));
  const text::Cp932Conversion cp932 = text::Utf8ToCp932(report);
  ASSERT_TRUE(cp932.ok);
  const std::string firstSideLine =
      cp932.bytes.substr(text::Utf8ToCp932(BANNER).bytes.size(),
                         cp932.bytes.find("\r\n", text::Utf8ToCp932(BANNER).bytes.size()) -
                             text::Utf8ToCp932(BANNER).bytes.size());
  // "LV100" + " " + 10 + " " + nature label + " " + 16
  const std::size_t natureBytes = text::Cp932Length(data::NatureLabel(24));
  EXPECT_EQ(firstSideLine.size(), 5 + 1 + 10 + 1 + natureBytes + 1 + 16);
  EXPECT_NE(report.find("LV100 ゼニガメ   まじめ　　（変化無し） しんかいのウロコ\r\n"),
            std::string::npos);
}

TEST(DamageReport, TypedInStatsShowDashes) {
  box::BoxEntry attacker = Entry(WATER);
  attacker.statsEntered = 1;
  attacker.stat[data::STAT_SPATK] = 7;
  box::BoxEntry defender = Entry(FIRE);
  defender.statsEntered = 1;
  DamageRequest request;
  request.attacker = attacker;
  request.defender = defender;
  request.rowKind = RowKind::Direct;
  request.directPower = 200;
  request.directCategory = 2;
  request.directType = 15;
  const std::string report = Report(request);
  const std::string expectedStatsAndMove =
      "特攻： 7   （ 個体値： --- 努力値： --- ）\r\n"
      "＞＞＞ ＨＰ： 100 （ 個体値： --- 努力値： --- ）\r\n"
      "＞＞＞ 特防： 100 （ 個体値： --- 努力値： --- ）\r\n"
      "\r\n技：直接数値選択\r\n"
      "威力： 200  命中： ---\r\n"
      "分類： 変化 タイプ： こおり  \r\n"
      "相性補正： *0.50\r\n";
  EXPECT_NE(report.find(expectedStatsAndMove), std::string::npos) << report;
}

TEST(DamageReport, WeatherTypedMoveShowsSelectedWeather) {
  box::BoxEntry defender = Entry(NORMAL);
  defender.ability = data::ABILITY_AIR_LOCK;
  DamageRequest request = Row(Entry(NORMAL), defender, WEATHER_TYPED);
  request.weather = WEATHER_RAIN;
  const std::string report = Report(request);
  const std::string expectedMove =
      "\r\nウェザーボール\r\n"
      "威力： 50   命中： 100\r\n"
      "分類： 特殊 タイプ： 天候依存\r\n"
      "（天候：雨＝みずタイプ）\r\n"
      "「エアロック」「ノーてんき」により天候を通常に\r\n"
      "相性補正： *1.00\r\n";
  EXPECT_NE(report.find(expectedMove), std::string::npos) << report;
}

TEST(DamageReport, ImmuneResultLinesOnceAtTheEnd) {
  const std::string report = Report(Row(Entry(WATER), Entry(GHOST), NORMAL_PHYSICAL_35));
  const std::string tail =
      "相性補正： *0.00\r\n" + STAGES + "ダメージ： 無効\r\n必要攻撃回数： 無効\r\n";
  ASSERT_GE(report.size(), tail.size());
  EXPECT_EQ(report.substr(report.size() - tail.size()), tail);
  EXPECT_EQ(report.find("ダメージ： 無効"), report.rfind("ダメージ： 無効"));
}

TEST(DamageReport, FriendshipMoveShowsTablePower) {
  const std::string report = Report(Row(Entry(WATER), Entry(WATER), FRIENDSHIP));
  EXPECT_NE(report.find("\r\nおんがえし\r\n威力： 1    命中： 100\r\n"), std::string::npos);
  EXPECT_NE(report.find("最大威力に設定：＝102\r\n"), std::string::npos);
}

TEST(DamageReport, NotComputableRowEndsWithItsLine) {
  const std::string report = Report(Row(Entry(WATER), Entry(WATER), VARIABLE_POWER));
  const std::string tail = "ダメージ変化技につき計算不能\r\n";
  ASSERT_GE(report.size(), tail.size());
  EXPECT_EQ(report.substr(report.size() - tail.size()), tail);
  EXPECT_EQ(report.find("ダメージ："), std::string::npos);
}

TEST(DamageReport, EmptyForSkippedOrMismatchedRows) {
  const DamageRequest request = Row(Entry(WATER), Entry(WATER), data::NO_MOVE);
  EXPECT_EQ(Report(request), "");
  // A result that claims to be computed for a request that is not must not be trusted.
  DamageRequest invalid = Row(Entry(WATER), Entry(WATER), WATER_PHYSICAL_80);
  const DamageResult computed = ComputeDamage(invalid);
  invalid.attacker->species = -1;
  EXPECT_EQ(DamageReport(invalid, computed), "");
}

}  // namespace
}  // namespace kerumina::calc
