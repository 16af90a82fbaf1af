#include "calc/damage_report.h"

#include <gtest/gtest.h>

#include <string>

#include "damage_fixture.h"
#include "data/abilities.h"
#include "text/cp932.h"

namespace kerumina::calc {
namespace {

using namespace damage_fixture;

std::string Report(const DamageRequest& request) {
  return DamageReport(request, ComputeDamage(request));
}

const std::string STAGES =
    "攻撃ランク補正＝攻撃力： *1.00\r\n"
    "＞＞＞ 防御ランク補正＝防御力： *1.00\r\n";

TEST(DamageReport, WorkedRow) {
  DamageRequest request = MoveRow(Entry(WATER), Entry(FIRE), WATER_PHYSICAL_80);
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

struct ReportCase {
  Tweak tweak;
  std::string part;
  bool atEnd = false;
};

TEST(DamageReport, Parts) {
  const ReportCase cases[] = {
      // Widths count cp932 bytes: the 16-byte item name fills its column.
      {[](DamageRequest& r) { r.attacker->item = 12, r.attacker->level = 100; },
       "LV100 ゼニガメ   まじめ　　（変化無し） しんかいのウロコ\r\n"},
      // Typed-in stats show dashes; a direct row names itself.
      {[](DamageRequest& r) {
         r.attacker->statsEntered = r.defender->statsEntered = 1;
         r.attacker->stat[data::STAT_SPATK] = 7;
         MakeDirect(r, 200, 2, 15);
       },
       "特攻： 7   （ 個体値： --- 努力値： --- ）\r\n"
       "＞＞＞ ＨＰ： 100 （ 個体値： --- 努力値： --- ）\r\n"
       "＞＞＞ 特防： 100 （ 個体値： --- 努力値： --- ）\r\n"
       "\r\n技：直接数値選択\r\n威力： 200  命中： ---\r\n分類： 変化 タイプ： こおり  \r\n"
       "相性補正： *1.00\r\n"},
      // MoveId 310 shows the selected weather even when the defender cancels it.
      {[](DamageRequest& r) {
         r.defender->ability = data::ABILITY_AIR_LOCK;
         r.moveId = WEATHER_TYPED, r.weather = WEATHER_RAIN;
       },
       "\r\nウェザーボール\r\n威力： 50   命中： 100\r\n分類： 特殊 タイプ： 天候依存\r\n"
       "（天候：雨＝みずタイプ）\r\n「エアロック」「ノーてんき」により天候を通常に\r\n"
       "相性補正： *1.00\r\n"},
      // A friendship move shows its table power; the trace names the one used.
      {[](DamageRequest& r) { r.moveId = FRIENDSHIP; },
       "\r\nおんがえし\r\n威力： 1    命中： 100\r\n"},
      {[](DamageRequest& r) { r.moveId = FRIENDSHIP; }, "最大威力に設定：＝102\r\n"},
      {[](DamageRequest& r) { r.moveId = VARIABLE_POWER; }, "ダメージ変化技につき計算不能\r\n",
       true},
      // The immune result lines appear once, at the end.
      {[](DamageRequest& r) { r.defender = Entry(GHOST), r.moveId = NORMAL_PHYSICAL_35; },
       "相性補正： *0.00\r\n" + STAGES + "ダメージ： 無効\r\n必要攻撃回数： 無効\r\n", true},
  };
  for (const ReportCase& c : cases) {
    const std::string report = Report(Row(c.tweak));
    EXPECT_TRUE(c.atEnd ? report.ends_with(c.part) : report.find(c.part) != std::string::npos)
        << report;
    EXPECT_EQ(report.find("\nダメージ："), report.rfind("\nダメージ："));
  }
}

// A result that claims to be computed for a request that is not must not be trusted.
TEST(DamageReport, EmptyForMismatchedResult) {
  DamageRequest invalid = Row([](DamageRequest&) {});
  const DamageResult computed = ComputeDamage(invalid);
  invalid.attacker->species = -1;
  EXPECT_EQ(DamageReport(invalid, computed), "");
}

}  // namespace
}  // namespace kerumina::calc
