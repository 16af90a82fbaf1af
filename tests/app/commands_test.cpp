// The JSON mapping of each calculating command: fields reach the core unchanged, answers
// carry the core's values, and the null conventions of skipped, not computable and immune
// rows hold.
#include <gtest/gtest.h>

#include "app/cli/commands.h"
#include "calc/stats.h"
#include "data/species_detail.h"

namespace kerumina::cli {
namespace {

using AnswerFunction = void (*)(const Json&, JsonWriter&);

Json Answered(AnswerFunction answer, const Json& input) {
  JsonWriter out;
  answer(input, out);
  return Json::parse(out.Text());
}

std::string ErrorOf(AnswerFunction answer, const std::string& input) {
  try {
    JsonWriter out;
    answer(Json::parse(input), out);
  } catch (const InputError& error) {
    return error.what();
  }
  return "";
}

const char* const ATTACKER =
    R"({"name":"ガブ","species":444,"level":50,"nature":3,"ability":0,"item":0,
        "statsEntered":0,"iv":[31,31,31,31,31,31],"ev":[4,252,0,0,0,252],
        "stat":[184,182,115,90,105,154],"move":[88,336,199,65535]})";
const char* const FLYING_DEFENDER =
    R"({"name":"とり","species":17,"level":50,"nature":0,"ability":0,"item":0,
        "statsEntered":1,"iv":[0,0,0,0,0,0],"ev":[0,0,0,0,0,0],
        "stat":[160,100,95,90,90,121],"move":[65535,65535,65535,65535]})";

Json DamageOf(const std::string& extra, const char* defender = FLYING_DEFENDER) {
  return Answered(AnswerDamage, Json::parse(std::string(R"({"attacker":)") + ATTACKER +
                                            R"(,"defender":)" + defender + "," + extra + "}"));
}

TEST(StatsCommand, MapsToCalcStatBlock) {
  const Json answer = Answered(
      AnswerStats,
      Json::parse(
          R"({"species":291,"level":100,"nature":3,"iv":[31,31,31,31,31,31],"ev":[0,252,0,0,0,252]})"));
  const data::StatBlock expected =
      calc::CalcStatBlock(291, 100, 3, {31, 31, 31, 31, 31, 31}, {0, 252, 0, 0, 0, 252});
  EXPECT_EQ(answer["stats"].get<std::vector<std::int32_t>>(),
            std::vector<std::int32_t>(expected.begin(), expected.end()));
  EXPECT_EQ(answer["stats"][0], 1);  // fixed HP
  EXPECT_EQ(ErrorOf(AnswerStats, R"({"species":0,"level":50,"nature":25,"iv":[0,0,0,0,0,0],
                                      "ev":[0,0,0,0,0,0]})"),
            R"("nature": expected an integer from 0 to 24)");
  EXPECT_EQ(ErrorOf(AnswerStats, R"({"species":0,"level":50,"nature":0,"iv":[0,0,0,0,0,256],
                                      "ev":[0,0,0,0,0,0]})"),
            R"("iv[5]": expected an integer from 0 to 255)");
}

TEST(IvCommand, CandidatesConfirmAndHiddenPower) {
  const Json plain = Answered(AnswerIv, Json::parse(R"({"species":0,"level":50,"nature":0})"));
  ASSERT_EQ(plain["candidates"].size(), 6u);
  EXPECT_EQ(plain["candidates"][0][0],
            Json::parse(R"({"stat":105,"ivLo":0,"ivHi":1,"text":"105：0～1"})"));
  EXPECT_EQ(plain["confirm"][0], Json::parse(R"({"candies":0,"dopings":2,"stat":123})"));
  EXPECT_TRUE(plain["hiddenPower"].is_null());  // not asked for
  EXPECT_EQ(plain["determined"], Json::parse("[0,0,0,0,0,0]"));

  const Json all31 =
      Answered(AnswerIv, Json::parse(
                             R"({"species":0,"level":50,"nature":0,"hiddenPower":true,
          "bounds":[[31,31],[31,31],[31,31],[31,31],[31,31],[31,31]]})"));
  EXPECT_EQ(all31["hiddenPower"], Json::parse(R"([{"type":17,"min":70,"max":70}])"));
  EXPECT_NE(all31["report"].get<std::string>().find("\r\n"), std::string::npos);

  // lo > hi admits no combination: computed, but empty.
  const Json empty =
      Answered(AnswerIv, Json::parse(
                             R"({"species":0,"level":50,"nature":0,"hiddenPower":true,
          "bounds":[[20,10],[31,31],[31,31],[31,31],[31,31],[31,31]]})"));
  EXPECT_EQ(empty["hiddenPower"], Json::array());
  // Four open stats: not computed.
  const Json open = Answered(AnswerIv, Json::parse(
                                           R"({"species":0,"level":50,"nature":0,"hiddenPower":true,
          "bounds":[[0,31],[0,31],[0,31],[0,31],[31,31],[31,31]]})"));
  EXPECT_TRUE(open["hiddenPower"].is_null());
  EXPECT_EQ(ErrorOf(AnswerIv, R"({"species":0,"level":50,"nature":0,"bounds":[[0,31]]})"),
            R"("bounds": expected an array of 6 [lo, hi] pairs)");
  EXPECT_EQ(ErrorOf(AnswerIv, R"({"species":0,"level":50,"nature":0,
                                   "bounds":[[0,31],[0,31],[0,32],[0,31],[0,31],[0,31]]})"),
            R"("bounds[2][1]": expected an integer from 0 to 31)");
}

TEST(DamageCommand, ComputedRow) {
  const Json answer = DamageOf(R"("row":"direct","power":80,"category":0,"type":0)");
  EXPECT_FALSE(answer["skipped"].get<bool>());
  EXPECT_EQ(answer["multiplier"], "1.00");
  EXPECT_TRUE(answer["maxDamage"].is_number_integer());
  EXPECT_TRUE(answer["hitsMin"].is_number_integer());
  EXPECT_EQ(answer["type"], 0);
  EXPECT_EQ(answer["power"], 80);
  EXPECT_EQ(answer["trace"][0], "相性補正： *1.00");
  EXPECT_EQ(answer["report"].get<std::string>().rfind("ダメージ算出 by ケルミナ\r\n", 0), 0u);
}

TEST(DamageCommand, ImmuneRowDropsResultLinesFromTrace) {
  const Json answer = DamageOf(R"("row":"own","move":88)");  // ground against flying
  EXPECT_TRUE(answer["immune"].get<bool>());
  EXPECT_EQ(answer["maxDamage"], 0);
  EXPECT_TRUE(answer["minDamage"].is_null());
  EXPECT_TRUE(answer["hitsMax"].is_null());
  EXPECT_EQ(answer["multiplier"], "0.00");
  EXPECT_EQ(answer["damageCell"], "無効");
  for (const Json& line : answer["trace"])
    EXPECT_EQ(line.get<std::string>().find("無効"), std::string::npos);
  const std::string report = answer["report"];
  EXPECT_NE(report.find("ダメージ： 無効\r\n必要攻撃回数： 無効\r\n"), std::string::npos);
}

TEST(DamageCommand, SkippedAndNotComputableRows) {
  const Json skipped =
      Answered(AnswerDamage, Json::parse(std::string(R"({"attacker":null,"defender":)") +
                                         FLYING_DEFENDER + R"(,"row":"own","move":88})"));
  EXPECT_TRUE(skipped["skipped"].get<bool>());
  for (const char* key : {"multiplier", "maxDamage", "minDamage", "type", "power"}) {
    EXPECT_TRUE(skipped[key].is_null()) << key;
  }
  EXPECT_EQ(skipped["damageCell"], "－");
  EXPECT_EQ(skipped["report"], "");
  EXPECT_TRUE(DamageOf(R"("row":"own","move":65535)")["skipped"].get<bool>());
  EXPECT_TRUE(DamageOf(R"("row":"list","move":44)")["skipped"].get<bool>());  // status move

  const Json variable = DamageOf(R"("row":"own","move":11)");
  EXPECT_TRUE(variable["notComputable"].get<bool>());
  EXPECT_TRUE(variable["multiplier"].is_null());
  EXPECT_TRUE(variable["maxDamage"].is_null());
  EXPECT_EQ(variable["power"], 1);
  EXPECT_EQ(variable["trace"].back(), "ダメージ変化技につき計算不能");
}

TEST(DamageCommand, RefusesBadFields) {
  EXPECT_EQ(ErrorOf(AnswerDamage, R"({"defender":null,"row":"own","move":0})"),
            R"("attacker": required field is missing (null if none))");
  const std::string both = std::string(R"({"attacker":)") + ATTACKER + R"(,"defender":null,)";
  EXPECT_EQ(ErrorOf(AnswerDamage, both + R"("row":"direct","power":82,"category":0,"type":0})"),
            R"("power": expected a multiple of 5 from 5 to 200)");
  EXPECT_EQ(ErrorOf(AnswerDamage, both + R"("row":"direct","power":80,"category":0,"type":9})"),
            R"("type": type 9 is a placeholder no move has)");
  EXPECT_EQ(
      ErrorOf(AnswerDamage, both + R"("row":"direct","power":80,"category":0,"type":0,"move":1})"),
      R"("move": unknown field)");
  EXPECT_EQ(ErrorOf(AnswerDamage, both + R"("row":"own","move":1,"attackStage":7})"),
            R"("attackStage": expected an integer from -6 to 6)");
  std::string badSide = ATTACKER;
  badSide.replace(badSide.find("\"level\":50"), 10, "\"level\":101");
  EXPECT_EQ(ErrorOf(AnswerDamage,
                    R"({"attacker":)" + badSide + R"(,"defender":null,"row":"own","move":1})"),
            R"("attacker.level": expected an integer from 1 to 100)");
}

TEST(SearchCommand, NeutralConditionsAndFields) {
  const Json all = Answered(AnswerSearch, Json::object());
  ASSERT_EQ(all["rows"].size(), 505u);
  EXPECT_EQ(all["rows"][0]["species"], 0);
  EXPECT_EQ(all["rows"][0]["cells"].size(), 12u);
  EXPECT_EQ(all["rows"][493]["species"], 495);  // the egg rows are never listed

  // The single-typed flying... none; the single-typed fire species only.
  const Json fire = Answered(AnswerSearch, Json::parse(R"({"type1":10,"type2":10})"));
  for (const Json& row : fire["rows"]) EXPECT_EQ(row["cells"][3], "－");
  // A move given with no method flag matches nothing.
  EXPECT_TRUE(Answered(AnswerSearch, Json::parse(R"({"moves":[88]})"))["rows"].empty());
  const Json quake =
      Answered(AnswerSearch,
               Json::parse(R"({"moves":[88],"methods":{"machine":true},"versions":{"dp":true}})"));
  EXPECT_GT(quake["rows"].size(), 0u);
  EXPECT_LT(quake["rows"].size(), 505u);

  EXPECT_EQ(ErrorOf(AnswerSearch, R"({"type1":9})"),
            R"("type1": type 9 is a placeholder no species has)");
  EXPECT_EQ(ErrorOf(AnswerSearch, R"({"moves":[1,2,3,4,5]})"),
            R"("moves": expected an array of 0 to 4 MoveIds)");
  EXPECT_EQ(ErrorOf(AnswerSearch, R"({"methods":{"levelup":true}})"),
            R"("methods.levelup": unknown field)");
  EXPECT_EQ(ErrorOf(AnswerSearch, R"({"upper":[512,512,512,512,512,513]})"),
            R"("upper[5]": expected an integer from 0 to 512)");
}

TEST(LearnCommand, AsksCanLearnAny) {
  EXPECT_EQ(Answered(AnswerLearn, Json::parse(R"({"species":291,"move":102})")),
            Json::parse(R"({"canLearn":true})"));
  EXPECT_EQ(Answered(AnswerLearn, Json::parse(R"({"species":289,"move":102})")),
            Json::parse(R"({"canLearn":false})"));
  EXPECT_EQ(ErrorOf(AnswerLearn, R"({"species":0,"move":65535})"),
            R"("move": expected an integer from 0 to 466)");
}

TEST(SpeciesCommand, DetailViewData) {
  const Json shed = Answered(AnswerSpecies, Json::parse(R"({"species":291})"));
  EXPECT_EQ(shed["level"], 50);
  EXPECT_EQ(shed["stats"][0], 61);  // the view's formula: no fixed HP
  EXPECT_EQ(shed["femaleRatio"], "－");
  EXPECT_EQ(shed["preEvolutions"], Json::parse(R"([{"id":289,"name":"ツチニン"}])"));
  EXPECT_EQ(shed["moves"].size(),
            data::BuildLearnableMoves(291, data::MoveListOptions{}).rows.size());
  EXPECT_EQ(shed["moves"][0]["method"], " ヌケニン DP-LV:1");

  const Json first = Answered(AnswerSpecies, Json::parse(R"({"species":0,"level":1})"));
  EXPECT_EQ(first["stats"][0], 45 / 50 + 11);
  EXPECT_EQ(first["types"].size(), 2u);
  EXPECT_EQ(first["hatchSteps"], "5120歩");
  EXPECT_EQ(first["descendants"].size(), 2u);
  EXPECT_EQ(Answered(AnswerSpecies, Json::parse(R"({"species":28})"))["femaleRatio"], "特殊");
  EXPECT_EQ(ErrorOf(AnswerSpecies, R"({"species":0,"level":0})"),
            R"("level": expected an integer from 1 to 100)");
}

}  // namespace
}  // namespace kerumina::cli
