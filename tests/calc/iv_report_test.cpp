#include "calc/iv_report.h"

#include <gtest/gtest.h>

#include "text/cp932.h"

namespace kerumina::calc {
namespace {

constexpr data::SpeciesId MEW = 150;  // every base stat 100
constexpr data::NatureId SERIOUS = 24;

// Reports leave the program as cp932: compare there, so a character without a code fails.
void ExpectSameCp932(const std::string& actual, const std::string& expected) {
  const text::Cp932Conversion a = text::Utf8ToCp932(actual);
  const text::Cp932Conversion e = text::Utf8ToCp932(expected);
  ASSERT_TRUE(a.ok) << "no cp932 code at byte " << a.badOffset;
  ASSERT_TRUE(e.ok);
  EXPECT_EQ(a.bytes, e.bytes) << actual;
}

IvBounds Uniform(std::int32_t lo, std::int32_t hi) {
  IvBounds bounds;
  bounds.fill({lo, hi});
  return bounds;
}

const std::string HEADER = "種族：ミュウ　ＬＶ： 50　性格：まじめ　　（変化無し）\r\n";
const std::string HP_SECTION = "\r\n 可能性のある「めざパ」一覧\r\n";

TEST(BuildIvReport, InitialBoundsGiveHeaderAndSixOpenLines) {
  ExpectSameCp932(BuildIvReport({MEW, 50, SERIOUS, Uniform(0, 31), {}, false, std::nullopt}),
                  HEADER +
                      "ＨＰ：  0 (  0 ～ 31 )\r\n攻撃：  0 (  0 ～ 31 )\r\n"
                      "防御：  0 (  0 ～ 31 )\r\n特攻：  0 (  0 ～ 31 )\r\n"
                      "特防：  0 (  0 ～ 31 )\r\n素早：  0 (  0 ～ 31 )\r\n");
}

TEST(EvaluateIvs, HiddenPowerSectionPadsTypeNamesToEightBytes) {
  IvBounds bounds = Uniform(31, 31);
  bounds[data::STAT_HP] = {30, 31};  // type bit 0 of HP open: ドラゴン or あく
  const IvEvaluation result = EvaluateIvs(MEW, 50, SERIOUS, bounds, true);
  ExpectSameCp932(result.report, HEADER +
                                     "ＨＰ：175 ( 30 ～ 31 )\r\n攻撃：120 ( 31 ～ 31 )\r\n"
                                     "防御：120 ( 31 ～ 31 )\r\n特攻：120 ( 31 ～ 31 )\r\n"
                                     "特防：120 ( 31 ～ 31 )\r\n素早：120 ( 31 ～ 31 )\r\n" +
                                     HP_SECTION + "ドラゴン:70-70 \r\nあく    :70-70 \r\n");
  ASSERT_TRUE(result.hiddenPower.has_value());
  EXPECT_EQ(HiddenPowerLines(*result.hiddenPower),
            (std::vector<std::string>{"ドラゴン:70-70 ", "あく    :70-70 "}));
}

TEST(EvaluateIvs, ThresholdsDeterminedStatsAndTexts) {
  IvBounds bounds = Uniform(0, 31);
  bounds[data::STAT_HP] = {10, 11};
  const IvEvaluation result = EvaluateIvs(MEW, 50, SERIOUS, bounds, false);
  EXPECT_EQ(result.determinedStats, (data::StatBlock{165, 0, 0, 0, 0, 0}));
  EXPECT_EQ(result.thresholdLo[data::STAT_ATK], 8);
  EXPECT_EQ(result.thresholdHi[data::STAT_ATK], 4);
  EXPECT_FALSE(result.hiddenPower.has_value());
  EXPECT_EQ(EvThresholdText(0, 8, 31, 4), " 0:8～31:4 ");
  EXPECT_EQ(EvThresholdText(0, NO_EV_THRESHOLD, 31, 4), " 0:－～31:4 ");
  EXPECT_EQ(ConfirmLevelText(FindConfirmLevel(MEW, 50, SERIOUS, data::STAT_HP)),
            "あめ： 0 個 ドーピング： 2 個　Ｖ確定能力値： 178");
}

// The section needs the switch and at most three open stats; bounds admitting no
// combination leave its header alone.
TEST(EvaluateIvs, HiddenPowerSectionOnlyWhenSwitchedOnAndComputed) {
  IvBounds bounds = Uniform(0, 31);
  bounds[0] = bounds[1] = {31, 31};
  EXPECT_EQ(EvaluateIvs(MEW, 50, SERIOUS, bounds, true).report.find("めざパ"), std::string::npos);
  bounds[2] = {31, 31};
  EXPECT_NE(EvaluateIvs(MEW, 50, SERIOUS, bounds, true).report.find("めざパ"), std::string::npos);
  EXPECT_EQ(EvaluateIvs(MEW, 50, SERIOUS, bounds, false).report.find("めざパ"), std::string::npos);

  bounds = Uniform(31, 31);
  bounds[data::STAT_SPEED] = {20, 10};
  const std::string report = EvaluateIvs(MEW, 50, SERIOUS, bounds, true).report;
  // The determined stat follows its rule literally: IVs 10..11 hold 20 >= lo and 10 <= hi.
  EXPECT_TRUE(report.ends_with("素早：110 ( 20 ～ 10 )\r\n" + HP_SECTION));
}

TEST(IvSetText, RunsJoinedByCommas) {
  const std::pair<IvMask, const char*> cases[] = {
      {0, "－"}, {0xFFFFFFFFu, "0～31"}, {0x1C2Fu, "0～3,5,10～12"}, {1u << 31, "31"}};
  for (const auto& [mask, text] : cases) EXPECT_EQ(IvSetText(mask), text) << mask;
  EXPECT_EQ(IvSetCellText(0x42108421u), "0,5,10,15,\n20,25,30");
  EXPECT_EQ(IvSetCellText(0x421084u), "2,7,12,17,22");  // 12 columns fit
}

// EV 252 makes HP IV 0 show 191. Atk 28..31 with "ちのけが おおい" leaves 29 and caps
// the others; Def from 30 up contradicts it.
TEST(EvaluateIvs, FactsShiftStatsAndAddTheirLines) {
  IvBounds bounds = Uniform(0, 31);
  bounds[data::STAT_HP] = {0, 0};
  bounds[data::STAT_ATK] = {28, 31};
  const IvEvaluation result =
      EvaluateIvs(MEW, 50, SERIOUS, bounds, false, {{252, 0, 0, 6, 0, 0}, 9});
  EXPECT_EQ(result.determinedStats[data::STAT_HP], 191);
  ExpectSameCp932(result.report.substr(result.report.find("個性")),
                  "個性：ちのけが おおい\r\nＨＰ候補：0\r\n攻撃候補：29\r\n防御候補：0～29\r\n"
                  "特攻候補：0～29\r\n特防候補：0～29\r\n素早候補：0～29\r\n"
                  "努力値：252/0/0/6/0/0\r\n");
  bounds[data::STAT_DEF] = {30, 31};
  EXPECT_NE(
      EvaluateIvs(MEW, 50, SERIOUS, bounds, false, {{}, 9})
          .report.find(
              "個性：ちのけが おおい\r\n個性と合いません\r\nＨＰ候補：0\r\n攻撃候補：28～31\r\n"),
      std::string::npos);
}

}  // namespace
}  // namespace kerumina::calc
