// The JSON mapping of each calculating command: fields reach the core unchanged, answers
// carry the core's values, and the null conventions of skipped, not computable and immune
// rows hold.
#include <gtest/gtest.h>

#include "app/cli/commands.h"
#include "calc/iv.h"
#include "calc/stats.h"
#include "data/species_detail.h"

namespace kerumina::cli {
namespace {

using AnswerFunction = void (*)(const Json&, JsonWriter&);

Json Answered(AnswerFunction answer, const std::string& input) {
  JsonWriter out;
  answer(Json::parse(input), out);
  return Json::parse(out.Text());
}

const std::string ATTACKER =
    R"({"name":"ガブ","species":444,"level":50,"nature":3,"ability":0,"item":0,
        "statsEntered":0,"iv":[31,31,31,31,31,31],"ev":[4,252,0,0,0,252],
        "stat":[184,182,115,90,105,154],"move":[88,336,199,65535]})";
const std::string FLYING_DEFENDER =
    R"({"name":"とり","species":17,"level":50,"nature":0,"ability":0,"item":0,
        "statsEntered":1,"iv":[0,0,0,0,0,0],"ev":[0,0,0,0,0,0],
        "stat":[160,100,95,90,90,121],"move":[65535,65535,65535,65535]})";

Json DamageOf(const std::string& fields, const std::string& attacker = ATTACKER) {
  return Answered(AnswerDamage, R"({"attacker":)" + attacker + R"(,"defender":)" + FLYING_DEFENDER +
                                    "," + fields + "}");
}

TEST(Commands, RefusalsNameTheField) {
  const std::string ivs = R"(,"iv":[0,0,0,0,0,0],"ev":[0,0,0,0,0,0]})";
  const std::string both = R"({"attacker":)" + ATTACKER + R"(,"defender":null,)";
  std::string grassSide = FLYING_DEFENDER;  // フシギダネ: くさ/どく
  grassSide.replace(grassSide.find("\"species\":17"), 12, "\"species\":0");
  const std::string grass = R"({"attacker":)" + ATTACKER + R"(,"defender":)" + grassSide + ",";
  std::string badSide = ATTACKER;
  badSide.replace(badSide.find("\"level\":50"), 10, "\"level\":101");
  const struct {
    AnswerFunction answer;
    std::string input;
    const char* error;
  } cases[] = {
      {AnswerStats, R"({"species":0,"level":50,"nature":25)" + ivs,
       R"("nature": expected an integer from 0 to 24)"},
      {AnswerIv, R"({"species":0,"level":50,"nature":0,"bounds":[[0,31]]})",
       R"("bounds": expected an array of 6 [lo, hi] pairs)"},
      {AnswerIv,
       R"({"species":0,"level":50,"nature":0,"bounds":[[0,31],[0,31],[0,32],[0,31],[0,31],[0,31]]})",
       R"("bounds[2][1]": expected an integer from 0 to 31)"},
      {AnswerIv, R"({"species":0,"level":50,"nature":0,"ev":[255,255,1,0,0,0]})",
       R"("ev": expected a total of at most 510)"},
      {AnswerIv, R"({"species":0,"level":50,"nature":0,"ev":[0,0,0,0,0,256]})",
       R"("ev[5]": expected an integer from 0 to 255)"},
      {AnswerIv, R"({"species":0,"level":50,"nature":0,"characteristic":30})",
       R"("characteristic": expected an integer from 0 to 29)"},
      {AnswerDamage, R"({"defender":null,"row":"own","move":0})",
       R"("attacker": required field is missing (null if none))"},
      {AnswerDamage, both + R"("row":"direct","power":82,"category":0,"type":0})",
       R"("power": expected a multiple of 5 from 5 to 200)"},
      {AnswerDamage, both + R"("row":"direct","power":80,"category":0,"type":9})",
       R"("type": type 9 is a placeholder no move has)"},
      {AnswerDamage, both + R"("row":"direct","power":80,"category":0,"type":0,"move":1})",
       R"("move": unknown field)"},
      {AnswerDamage, both + R"("row":"own","move":1,"model":"game","spikes":4})",
       R"("spikes": expected an integer from 0 to 3)"},
      {AnswerDamage, both + R"("row":"own","move":1,"model":"game","defenderStatus":"sleep"})",
       R"("defenderStatus": expected one of "none", "poison", "toxic", "burn")"},
      {AnswerDamage, both + R"("row":"own","move":1,"critical":true})",
       R"("critical": only the game model ("model": "game") reads it)"},
      {AnswerDamage, grass + R"("row":"own","move":1,"model":"game","leechSeed":true})",
       R"("leechSeed": a grass-type defender cannot be seeded)"},
      {AnswerDamage, grass + R"("row":"own","move":1,"model":"game","defenderStatus":"toxic"})",
       R"("defenderStatus": the defender cannot have this status)"},
      {AnswerDamage, both + R"("row":"own","move":1,"attackStage":7})",
       R"("attackStage": expected an integer from -6 to 6)"},
      {AnswerDamage, both + R"("row":"own","move":1,"model":"exact"})",
       R"("model": expected one of "classic", "game")"},
      {AnswerDamage, R"({"attacker":)" + badSide + R"(,"defender":null,"row":"own","move":1})",
       R"("attacker.level": expected an integer from 1 to 100)"},
      {AnswerSearch, R"({"type1":9})", R"("type1": type 9 is a placeholder no species has)"},
      {AnswerSearch, R"({"moves":[1,2,3,4,5]})", R"("moves": expected an array of 0 to 4 MoveIds)"},
      {AnswerSearch, R"({"upper":[512,512,512,512,512,513]})",
       R"("upper[5]": expected an integer from 0 to 512)"},
      {AnswerLearn, R"({"species":0,"move":65535})",
       R"("move": expected an integer from 0 to 466)"},
  };
  for (const auto& c : cases) {
    try {
      JsonWriter out;
      c.answer(Json::parse(c.input), out);
      ADD_FAILURE() << c.input << " accepted";
    } catch (const InputError& error) {
      EXPECT_EQ(std::string(error.what()), c.error) << c.input;
    }
  }
}

TEST(StatsCommand, MapsToCalcStatBlock) {
  const Json answer = Answered(
      AnswerStats,
      R"({"species":291,"level":100,"nature":3,"iv":[31,31,31,31,31,31],"ev":[0,252,0,0,0,252]})");
  const data::StatBlock expected =
      calc::CalcStatBlock(291, 100, 3, {31, 31, 31, 31, 31, 31}, {0, 252, 0, 0, 0, 252});
  EXPECT_EQ(answer["stats"].get<std::vector<std::int32_t>>(),
            std::vector<std::int32_t>(expected.begin(), expected.end()));
  EXPECT_EQ(answer["stats"][0], 1);  // fixed HP
}

TEST(IvCommand, CandidatesConfirmAndHiddenPower) {
  const std::string base = R"({"species":0,"level":50,"nature":0)";
  const Json plain = Answered(AnswerIv, base + "}");
  ASSERT_EQ(plain["candidates"].size(), 6u);
  EXPECT_EQ(plain["candidates"][0][0],
            Json::parse(R"({"stat":105,"ivLo":0,"ivHi":1,"text":"105：0～1"})"));
  EXPECT_EQ(plain["confirm"][0], Json::parse(R"({"candies":0,"dopings":2,"stat":123})"));
  EXPECT_TRUE(plain["hiddenPower"].is_null());  // not asked for
  EXPECT_EQ(plain["determined"], Json::parse("[0,0,0,0,0,0]"));

  const std::string asked = base + R"(,"hiddenPower":true,"bounds":)";
  const Json all31 =
      Answered(AnswerIv, asked + "[[31,31],[31,31],[31,31],[31,31],[31,31],[31,31]]}");
  EXPECT_EQ(all31["hiddenPower"], Json::parse(R"([{"type":17,"min":70,"max":70}])"));
  EXPECT_NE(all31["report"].get<std::string>().find("\r\n"), std::string::npos);
  // lo > hi admits no combination: computed, but empty.
  EXPECT_EQ(Answered(AnswerIv,
                     asked + "[[20,10],[31,31],[31,31],[31,31],[31,31],[31,31]]}")["hiddenPower"],
            Json::array());
  // Four open stats: not computed.
  EXPECT_TRUE(
      Answered(AnswerIv, asked + "[[0,31],[0,31],[0,31],[0,31],[31,31],[31,31]]}")["hiddenPower"]
          .is_null());
}

// Either fact adds the possible IVs; a characteristic also says whether it fits.
TEST(IvCommand, EvsAndCharacteristic) {
  const std::string base = R"({"species":0,"level":50,"nature":0)";
  EXPECT_FALSE(Answered(AnswerIv, base + "}").contains("possible"));
  const Json evs = Answered(AnswerIv, base + R"(,"ev":[252,0,0,0,0,0]})");
  EXPECT_EQ(evs["candidates"][0][0]["stat"],
            calc::BuildIvCandidates(0, 50, 0, data::STAT_HP, 252)[0].stat);
  EXPECT_TRUE(evs["characteristicConsistent"].is_null());
  const std::string atk28 = R"(,"bounds":[[0,31],[28,31],[0,31],[0,31],[0,31],[0,31]])";
  const Json pinned = Answered(AnswerIv, base + atk28 + R"(,"characteristic":9})");
  EXPECT_EQ(pinned["possible"][1], Json::parse("[29]"));
  EXPECT_EQ(pinned["characteristicConsistent"], true);
  EXPECT_EQ(
      Answered(AnswerIv, base + atk28 + R"(,"characteristic":7})")["characteristicConsistent"],
      false);
}

TEST(DamageCommand, ComputedAndImmuneRows) {
  const Json answer = DamageOf(R"("row":"direct","power":80,"category":0,"type":0)");
  EXPECT_FALSE(answer["skipped"].get<bool>());
  EXPECT_EQ(answer["multiplier"], "1.00");
  EXPECT_TRUE(answer["maxDamage"].is_number_integer());
  EXPECT_TRUE(answer["hitsMin"].is_number_integer());
  EXPECT_EQ(answer["type"], 0);
  EXPECT_EQ(answer["power"], 80);
  EXPECT_EQ(answer["trace"][0], "相性補正： *1.00");
  EXPECT_EQ(answer["report"].get<std::string>().rfind("ダメージ算出 by ケルミナ\r\n", 0), 0u);

  const Json immune = DamageOf(R"("row":"own","move":88)");  // ground against flying
  EXPECT_TRUE(immune["immune"].get<bool>());
  EXPECT_EQ(immune["maxDamage"], 0);
  EXPECT_TRUE(immune["minDamage"].is_null());
  EXPECT_TRUE(immune["hitsMax"].is_null());
  EXPECT_EQ(immune["multiplier"], "0.00");
  EXPECT_EQ(immune["damageCell"], "無効");
  for (const Json& line : immune["trace"]) {  // the result lines stay out of the trace
    EXPECT_EQ(line.get<std::string>().find("無効"), std::string::npos);
  }
  EXPECT_NE(immune["report"].get<std::string>().find("ダメージ： 無効\r\n必要攻撃回数： 無効\r\n"),
            std::string::npos);
}

TEST(DamageCommand, SkippedAndNotComputableRows) {
  const Json skipped = DamageOf(R"("row":"own","move":88)", "null");
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

TEST(DamageCommand, ClassicIsTheDefaultModel) {
  const std::string row = R"("row":"direct","power":80,"category":0,"type":0)";
  EXPECT_EQ(DamageOf(row + R"(,"model":"classic")"), DamageOf(row));
  EXPECT_FALSE(DamageOf(row).contains("model"));
}

TEST(DamageCommand, GameRows) {
  const Json row = DamageOf(R"("row":"direct","power":80,"category":0,"type":0,"model":"game")");
  EXPECT_EQ(row["model"], "game");
  ASSERT_EQ(row["rolls"].size(), 16u);
  EXPECT_EQ(row["minDamage"], row["rolls"][0]);
  EXPECT_EQ(row["maxDamage"], row["rolls"][15]);
  EXPECT_TRUE(row["minPercent"].is_number());
  // 160 HP against 58..69.
  EXPECT_EQ(row["ko"], Json::parse("[[0,16],[0,256],[4096,4096],[65536,65536]]"));
  EXPECT_EQ(row["hitsCell"], "確定3発");
  EXPECT_EQ(row["type"], 0);
  EXPECT_EQ(row["power"], 80);
  EXPECT_EQ(row["notes"][0], "急所には当たらない");

  const Json immune = DamageOf(R"("row":"own","move":88,"model":"game")");
  EXPECT_TRUE(immune["immune"].get<bool>());
  EXPECT_EQ(immune["rolls"], Json(std::vector<int>(16, 0)));
  for (const char* key : {"hitsMin", "hitsMax", "ko"}) EXPECT_TRUE(immune[key].is_null()) << key;
  EXPECT_EQ(immune["damageCell"], "無効");

  const Json status = DamageOf(R"("row":"direct","power":80,"category":2,"type":0,"model":"game")");
  EXPECT_TRUE(status["skipped"].get<bool>());
  for (const char* key : {"rolls", "minPercent", "ko", "multiplier", "type", "power"}) {
    EXPECT_TRUE(status[key].is_null()) << key;
  }
  const Json typeless = DamageOf(R"("row":"own","move":164,"model":"game")");
  EXPECT_TRUE(typeless["type"].is_null());
  EXPECT_EQ(typeless["power"], 50);
}

// The battle's fields add their answer fields; a request without them answers as before.
TEST(DamageCommand, BattleRows) {
  const std::string row = R"("row":"direct","power":80,"category":0,"type":0,"model":"game")";
  EXPECT_FALSE(DamageOf(row).contains("strikes"));
  const Json plain = DamageOf(row + R"(,"critical":false,"spikes":0)");
  EXPECT_EQ(plain["koChance"], Json::parse("[0.0,0.0,1.0,1.0]"));
  EXPECT_EQ(plain["ko"], DamageOf(row)["ko"]);

  // ノーマル/ひこう of 160 HP: 40 from the rocks, then 117..138 from a critical hit.
  const Json rocks = DamageOf(row + R"(,"critical":true,"stealthRock":true)");
  EXPECT_EQ(rocks["entryDamage"], 40);
  EXPECT_TRUE(rocks["ko"].is_null());
  EXPECT_EQ(rocks["strikes"], Json::parse(R"({"count":[1],"weight":[8]})"));
  EXPECT_EQ(rocks["strikeRolls"][0], rocks["rolls"]);
  EXPECT_EQ(rocks["notes"][0], "急所に当たる");
  EXPECT_EQ(rocks["hitsCell"], "乱数1発 (87.5%)");
  EXPECT_EQ(rocks["koChance"][0], 0.875);
}

TEST(SearchCommand, NeutralConditionsAndFields) {
  const Json all = Answered(AnswerSearch, "{}");
  ASSERT_EQ(all["rows"].size(), 505u);
  EXPECT_EQ(all["rows"][0]["species"], 0);
  EXPECT_EQ(all["rows"][0]["cells"].size(), 12u);
  EXPECT_EQ(all["rows"][493]["species"], 495);  // the egg rows are never listed

  // Both types fire: the single-typed fire species only.
  const Json fire = Answered(AnswerSearch, R"({"type1":10,"type2":10})");
  for (const Json& row : fire["rows"]) EXPECT_EQ(row["cells"][3], "－");
  // A move given with no method flag matches nothing.
  EXPECT_TRUE(Answered(AnswerSearch, R"({"moves":[88]})")["rows"].empty());
  const Json quake =
      Answered(AnswerSearch, R"({"moves":[88],"methods":{"machine":true},"versions":{"dp":true}})");
  EXPECT_GT(quake["rows"].size(), 0u);
  EXPECT_LT(quake["rows"].size(), 505u);
}

TEST(LearnAndSpeciesCommands, DetailViewData) {
  EXPECT_TRUE(Answered(AnswerLearn, R"({"species":291,"move":102})")["canLearn"].get<bool>());
  EXPECT_FALSE(Answered(AnswerLearn, R"({"species":289,"move":102})")["canLearn"].get<bool>());

  const Json shed = Answered(AnswerSpecies, R"({"species":291})");
  EXPECT_EQ(shed["level"], 50);
  EXPECT_EQ(shed["stats"][0], 61);  // the view's formula: no fixed HP
  EXPECT_EQ(shed["femaleRatio"], "－");
  EXPECT_EQ(shed["preEvolutions"], Json::parse(R"([{"id":289,"name":"ツチニン"}])"));
  EXPECT_EQ(shed["moves"].size(),
            data::BuildLearnableMoves(291, data::MoveListOptions{}).rows.size());
  EXPECT_EQ(shed["moves"][0]["method"], " ヌケニン DP-LV:1");

  const Json first = Answered(AnswerSpecies, R"({"species":0,"level":1})");
  EXPECT_EQ(first["stats"][0], 45 / 50 + 11);
  EXPECT_EQ(first["types"].size(), 2u);
  EXPECT_EQ(first["hatchSteps"], "5120歩");
  EXPECT_EQ(first["descendants"].size(), 2u);
  EXPECT_EQ(Answered(AnswerSpecies, R"({"species":28})")["femaleRatio"], "特殊");
}

}  // namespace
}  // namespace kerumina::cli
