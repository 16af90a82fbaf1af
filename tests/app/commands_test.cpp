// The JSON mapping of each command: refusals name the field, fields reach the core unchanged,
// answers carry the core's values, the null conventions of skipped, not computable and immune
// rows hold; a line loop never stops at a bad line, what the writer writes a parser reads, and
// box entries are checked whole before anything is written.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <sstream>

#include "app/cli/box_commands.h"
#include "app/cli/commands.h"
#include "app/cli/entry_json.h"
#include "app/cli/json_lines.h"
#include "calc/build_text.h"
#include "calc/iv.h"
#include "calc/stats.h"
#include "data/species_detail.h"
#include "tests/case_file.h"

namespace kerumina::cli {
namespace {

namespace fs = std::filesystem;

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
const std::string FLYING_DEFENDER =  // ポッポ, 160 HP
    R"({"name":"とり","species":17,"level":50,"nature":0,"ability":0,"item":0,
        "statsEntered":1,"iv":[0,0,0,0,0,0],"ev":[0,0,0,0,0,0],
        "stat":[160,100,95,90,90,121],"move":[65535,65535,65535,65535]})";

std::string With(const std::string& object, const std::string& field, const std::string& value) {
  Json json = Json::parse(object);
  json[field] = Json::parse(value);
  return json.dump();
}

std::string Damage(const std::string& fields, const std::string& attacker = ATTACKER,
                   const std::string& defender = FLYING_DEFENDER) {
  return R"({"attacker":)" + attacker + R"(,"defender":)" + defender + "," + fields + "}";
}

TEST(Commands, RefusalsNameTheField) {
  const std::string stats =
      R"({"species":0,"level":50,"nature":0,"iv":[0,0,0,0,0,0],"ev":[0,0,0,0,0,0]})";
  const std::string iv = R"({"species":0,"level":50,"nature":0})";
  const std::string own = R"("row":"own","move":1)",
                    direct = R"("row":"direct","category":0,"type":0)";
  const std::string grass = With(FLYING_DEFENDER, "species", "0");  // フシギダネ: くさ/どく
  const auto entry = [&](const char* field, const char* value) {
    return Damage(own, With(ATTACKER, field, value));
  };
  const std::string level = R"("level": expected an integer from 1 to 100)";
  const std::tuple<AnswerFunction, std::string, std::string> cases[] = {
      {AnswerStats, "[]", "expected a JSON object"},
      {AnswerStats, R"({"species":0,"nature":0})", R"("level": required field is missing)"},
      {AnswerStats, With(stats, "level", "null"), R"("level": required field is missing)"},
      {AnswerStats, With(stats, "level", R"("50")"), level},
      {AnswerStats, With(stats, "level", "0"), level},
      {AnswerStats, With(stats, "level", "18446744073709551615"), level},
      {AnswerStats, With(stats, "levle", "3"), R"("levle": unknown field)"},
      {AnswerStats, With(stats, "iv", "[0,0,0]"), R"("iv": expected an array of 6 integers)"},
      {AnswerIv, With(iv, "bounds", "[[0,31]]"),
       R"("bounds": expected an array of 6 [lo, hi] pairs)"},
      {AnswerIv, With(iv, "bounds", "[[0,31],[0,31],[0,32],[0,31],[0,31],[0,31]]"),
       R"("bounds[2][1]": expected an integer from 0 to 31)"},
      {AnswerIv, With(iv, "ev", "[255,255,1,0,0,0]"), R"("ev": expected a total of at most 510)"},
      {AnswerIv, With(iv, "ev", "[0,0,0,0,0,256]"),
       R"("ev[5]": expected an integer from 0 to 255)"},
      {AnswerIv, With(iv, "characteristic", "30"),
       R"("characteristic": expected an integer from 0 to 29)"},
      {AnswerIv, With(iv, "hiddenPower", "1"), R"("hiddenPower": expected true or false)"},
      {AnswerDamage, R"({"defender":null,"row":"own","move":0})",
       R"("attacker": required field is missing (null if none))"},
      {AnswerDamage, Damage(R"("row":"own ","move":1)"),
       R"("row": expected one of "own", "list", "direct")"},
      {AnswerDamage, Damage(direct + R"(,"power":82)"),
       R"("power": expected a multiple of 5 from 5 to 200)"},
      {AnswerDamage, Damage(R"("row":"direct","power":80,"category":0,"type":9)"),
       R"("type": type 9 is a placeholder no move has)"},
      {AnswerDamage, Damage(direct + R"(,"power":80,"move":1)"), R"("move": unknown field)"},
      {AnswerDamage, Damage(own + R"(,"model":"game","spikes":4)"),
       R"("spikes": expected an integer from 0 to 3)"},
      {AnswerDamage, Damage(own + R"(,"model":"game","defenderStatus":"sleep")"),
       R"("defenderStatus": expected one of "none", "poison", "toxic", "burn")"},
      {AnswerDamage, Damage(own + R"(,"critical":true)"),
       R"("critical": only the game model ("model": "game") reads it)"},
      {AnswerDamage, Damage(own + R"(,"model":"game","leechSeed":true)", ATTACKER, grass),
       R"("leechSeed": a grass-type defender cannot be seeded)"},
      {AnswerDamage, Damage(own + R"(,"model":"game","defenderStatus":"toxic")", ATTACKER, grass),
       R"("defenderStatus": the defender cannot have this status)"},
      {AnswerDamage, Damage(own + R"(,"attackStage":7)"),
       R"("attackStage": expected an integer from -6 to 6)"},
      {AnswerDamage, Damage(own + R"(,"model":"exact")"),
       R"("model": expected one of "classic", "game")"},
      {AnswerDamage, entry("level", "101"),
       R"("attacker.level": expected an integer from 1 to 100)"},
      {AnswerDamage, entry("name", R"("")"), R"("attacker.name": must not be empty)"},
      {AnswerDamage, entry("name", R"("abcdefghijklmnopqrstuvwxyz012345")"),
       R"("attacker.name": longer than 31 Shift-JIS bytes)"},
      {AnswerDamage, entry("name", R"("😀")"),
       R"("attacker.name": has a character without a Shift-JIS code)"},
      {AnswerDamage, entry("species", "507"),
       R"("attacker.species": expected an integer from 0 to 506)"},
      {AnswerDamage, entry("stat", "[0,1,1,1,1,1]"),
       R"("attacker.stat[0]": expected an integer from 1 to 999)"},
      {AnswerDamage, entry("move", "[1,2,3,500]"),
       R"("attacker.move[3]": expected a MoveId from 0 to 466 or 65535 (no move))"},
      {AnswerSearch, R"({"type1":9})", R"("type1": type 9 is a placeholder no species has)"},
      {AnswerSearch, R"({"moves":[1,2,3,4,5]})", R"("moves": expected an array of 0 to 4 MoveIds)"},
      {AnswerSearch, R"({"upper":[512,512,512,512,512,513]})",
       R"("upper[5]": expected an integer from 0 to 512)"},
      {AnswerLearn, R"({"species":0,"move":65535})",
       R"("move": expected an integer from 0 to 466)"},
  };
  for (const auto& [answer, input, error] : cases) {
    try {
      Answered(answer, input);
      ADD_FAILURE() << input << " accepted";
    } catch (const InputError& refusal) {
      EXPECT_EQ(refusal.what(), error) << input;
    }
  }
  // 31 bytes exactly (ten double-byte characters and one single) fit.
  EXPECT_NO_THROW(Answered(AnswerDamage, entry("name", R"("あいうえおかきくけこa")")));
}

// The answers in data/answers.jsonl; a damage input without an attacker or a defender gets
// ATTACKER or FLYING_DEFENDER.
TEST(Commands, AnswerWithTheCoresValues) {
  const std::map<std::string, AnswerFunction> commands{{"iv", AnswerIv},
                                                       {"search", AnswerSearch},
                                                       {"learn", AnswerLearn},
                                                       {"species", AnswerSpecies},
                                                       {"damage", AnswerDamage}};
  for (const test::Case& line : test::ReadCases("data/answers.jsonl", 1)) {
    const Json c = Json::parse(line[0]);
    Json input = c["input"];
    if (c["command"] == "damage") {
      input.emplace("attacker", Json::parse(ATTACKER));
      input.emplace("defender", Json::parse(FLYING_DEFENDER));
    }
    const Json got = Answered(commands.at(c["command"]), input.dump());
    for (const auto& [where, value] : c["expect"].items()) {
      const Json::json_pointer at(where);
      EXPECT_EQ(got.contains(at) ? got.at(at) : Json("absent"), value) << line[0] << " " << where;
    }
  }
  const Json stats = Answered(AnswerStats, R"({"species":291,"level":100,"nature":3,
      "iv":[31,31,31,31,31,31],"ev":[0,252,0,0,0,252]})");
  EXPECT_EQ(stats["stats"], Json(calc::CalcStatBlock(291, 100, 3, {31, 31, 31, 31, 31, 31},
                                                     {0, 252, 0, 0, 0, 252})));  // HP 1
  const Json fire = Answered(AnswerSearch, R"({"type1":10,"type2":10})");
  for (const Json& row : fire["rows"]) EXPECT_EQ(row["cells"][3], "－");  // single-typed only
  const Json quake =
      Answered(AnswerSearch, R"({"moves":[88],"methods":{"machine":true},"versions":{"dp":true}})");
  EXPECT_GT(quake["rows"].size(), 0u);
  EXPECT_LT(quake["rows"].size(), 505u);
  EXPECT_EQ(Answered(AnswerSpecies, R"({"species":291})")["moves"].size(),
            data::BuildLearnableMoves(291, data::MoveListOptions{}).rows.size());
}

// The classic report and trace (the rows: data/answers.jsonl).
TEST(DamageCommand, ClassicReportAndTrace) {
  const std::string direct = R"("row":"direct","power":80,"category":0,"type":0)";
  const Json classic = Answered(AnswerDamage, Damage(direct));
  EXPECT_EQ(classic["report"].get<std::string>().rfind("ダメージ算出 by ケルミナ\r\n", 0), 0u);
  EXPECT_EQ(Answered(AnswerDamage, Damage(direct + R"(,"model":"classic")")), classic);
  const Json immune = Answered(AnswerDamage, Damage(R"("row":"own","move":88)"));
  for (const Json& line : immune["trace"])  // the result lines stay out of the trace
    EXPECT_EQ(line.get<std::string>().find("無効"), std::string::npos);
  EXPECT_NE(immune["report"].get<std::string>().find("ダメージ： 無効\r\n必要攻撃回数： 無効\r\n"),
            std::string::npos);
}

// The reader keeps a reference: a temporary object must not compile.
static_assert(!std::is_constructible_v<FieldReader, Json&&>);

TEST(JsonLines, AnswersEveryLineInOrder) {
  std::istringstream in("{\"x\":1}\r\n{oops\n\n[]\n{\"x\":2}\n");
  std::ostringstream out;
  const bool ok = RunJsonLines(in, out, [](const Json& input, JsonWriter& answer) {
    FieldReader reader(input);
    const std::int32_t x = reader.Int("x", 0, 9);
    reader.Finish();
    answer.BeginObject().Key("twice").Int(2 * x).EndObject();
  });
  EXPECT_FALSE(ok);
  EXPECT_EQ(out.str(),
            "{\"twice\":2}\n{\"error\":\"not valid JSON\"}\n{\"error\":\"not valid JSON\"}\n"
            "{\"error\":\"expected a JSON object\"}\n{\"twice\":4}\n");
}

// Overlong forms, surrogates and code points past U+10FFFF must not pass as they are.
TEST(JsonWriter, WritesWhatAParserReadsBack) {
  JsonWriter out;
  out.BeginObject()
      .Key("s")
      .String("\"\\\r\n\t\x01 ケルミナ")
      .Key("n")
      .Int(-9223372036854775807 - 1);
  out.Key("a").BeginArray().Bool(true).Null().BeginObject().EndObject().Ints(std::vector{1, 2});
  out.EndArray().Key("e").BeginArray().EndArray().EndObject();
  EXPECT_EQ(
      out.Text(),
      R"({"s":"\"\\\r\n\t\u0001 ケルミナ","n":-9223372036854775808,"a":[true,null,{},[1,2]],"e":[]})");
  EXPECT_EQ(Json::parse(out.Text())["s"], "\"\\\r\n\t\x01 ケルミナ");
  for (const char* bad :
       {"\xff", "\xe3\x81", "a\xc0\xaf", "\xed\xa0\x80", "\xe0\x80\xaf", "\xf4\x90\x80\x80"}) {
    JsonWriter line;
    line.String(bad);
    EXPECT_NO_THROW(Json::parse(line.Text())) << line.Text();
  }
  EXPECT_EQ(Dump(Json{{"name", std::string("a\xff")}}), "{\"name\":\"a\xEF\xBF\xBD\"}");
}

TEST(EntriesFromJson, ReportsEveryBadEntryByIndexAndKeepsNone) {
  const ParsedEntries parsed = EntriesFromJson("[" + ATTACKER + "," + With(ATTACKER, "level", "0") +
                                               "," + With(ATTACKER, "nature", "-1") + "]");
  EXPECT_TRUE(parsed.entries.empty());
  EXPECT_EQ(parsed.errors,
            (std::vector<std::string>{R"("entries[1].level": expected an integer from 1 to 100)",
                                      R"("entries[2].nature": expected an integer from 0 to 24)"}));
  EXPECT_EQ(EntriesFromJson("{}").errors.front(), "expected a JSON array of entries");
}

// A damaged entry shows as it is; a name that would not come back the same is not valid.
TEST(BoxList, ShowsDamagedEntriesAsTheyAre) {
  const fs::path file =
      fs::temp_directory_path() / ("kerumina_cli_box_" + std::to_string(::getpid()) + ".vbd");
  box::Box damaged;
  box::SetNameUtf8(damaged.entries[0], "こわれ");
  damaged.entries[0].species = 9999;
  damaged.entries[0].level = 0;
  ASSERT_TRUE(box::SaveBox(damaged, file));
  std::ostringstream out, err;
  EXPECT_EQ(RunBoxList(file, out, err), 0);
  fs::remove(file);
  const Json line = Json::parse(out.str());
  EXPECT_EQ(std::tuple(line["species"], line["speciesName"], line["valid"]),
            std::tuple(9999, "－", false));
  EXPECT_EQ(RunBoxList(file, out, err), 1);  // gone now

  const box::BoxEntry good = EntryFromJson(Json::parse(ATTACKER), "e");
  EXPECT_EQ(BoxListLine(good, 0)["valid"], true);
  const std::string_view names[] = {
      {"abcdefghijklmnopqrstuvwxyz012345", 32},  // no NUL
      {"ab\0\0\0x", 6},                          // junk behind the NUL
      {"\x81\x7f", 2},                           // a lead byte with a bad trail
      {"A\x82", 2},                              // a lead byte cut by the NUL
      {"\x85\x40", 2},                           // a code without a character
  };
  for (const std::string_view name : names) {
    box::BoxEntry entry = good;
    std::memset(entry.name, 0, box::NAME_BYTES);
    std::memcpy(entry.name, name.data(), name.size());
    EXPECT_EQ(BoxListLine(entry, 0)["valid"], false) << name;
  }
}

TEST(BoxText, ExportLeavesOutDamagedEntriesAndImportNeedsRoomForAll) {
  const fs::path file =
      fs::temp_directory_path() / ("kerumina_cli_text_" + std::to_string(::getpid()) + ".vbd");
  const std::string build = "ガブリアス\n性格：まじめ\n";
  auto image = std::make_unique<box::Box>();
  image->entries.fill(calc::ParseBuilds(build).entries.at(0));
  image->entries[1].level = 0;
  image->entries[box::BOX_CAPACITY - 1] = box::BoxEntry{};
  ASSERT_TRUE(box::SaveBox(*image, file));
  std::ostringstream out, err;
  EXPECT_EQ(RunBoxExportText(file, out, err), 1);
  EXPECT_EQ(err.str(), "{\"error\":\"not a valid box entry: left out\",\"index\":1}\n");
  std::istringstream two(build + "\n" + build);
  EXPECT_EQ(RunBoxImportText(file, two, out, err), 1);
  EXPECT_NE(err.str().find("2 builds: the box has room for 1"), std::string::npos);
  fs::remove(file);
}

}  // namespace
}  // namespace kerumina::cli
