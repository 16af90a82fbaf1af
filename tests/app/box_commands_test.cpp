// The box file from the command line: entries checked whole before anything is written, and
// export followed by create giving back the same bytes.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/cli/box_commands.h"
#include "app/cli/entry_json.h"

namespace kerumina::cli {
namespace {

namespace fs = std::filesystem;

const char* const ENTRY =
    R"({"name":"ガブ","species":444,"level":50,"nature":3,"ability":0,"item":3,"statsEntered":0,
        "iv":[31,31,31,31,31,31],"ev":[4,252,0,0,0,252],"stat":[184,182,115,90,105,154],
        "move":[88,336,199,65535]})";

class BoxCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ =
        fs::temp_directory_path() /
        ("kerumina_cli_box_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

std::string EntryWith(std::string_view field, std::string_view value) {
  Json entry = Json::parse(ENTRY);
  entry[std::string(field)] = Json::parse(value);
  return entry.dump();
}

TEST(EntryJson, RefusesEveryBadField) {
  struct Case {
    const char* field;
    const char* value;
    const char* error;
  };
  const Case cases[] = {
      {"name", R"("")", R"("e.name": must not be empty)"},
      {"name", R"("abcdefghijklmnopqrstuvwxyz012345")",
       R"("e.name": longer than 31 Shift-JIS bytes)"},
      {"name", R"("😀")", R"("e.name": has a character without a Shift-JIS code)"},
      {"species", "507", R"("e.species": expected an integer from 0 to 506)"},
      {"ability", "124", R"("e.ability": expected an integer from 0 to 123)"},
      {"item", "17", R"("e.item": expected an integer from 0 to 16)"},
      {"statsEntered", "2", R"("e.statsEntered": expected an integer from 0 to 1)"},
      {"stat", "[0,1,1,1,1,1]", R"("e.stat[0]": expected an integer from 1 to 999)"},
      {"move", "[1,2,3]", R"("e.move": expected an array of 4 MoveIds)"},
      {"move", "[1,2,3,500]", R"("e.move[3]": expected a MoveId from 0 to 466 or 65535 (no move))"},
  };
  for (const Case& c : cases) {
    try {
      EntryFromJson(Json::parse(EntryWith(c.field, c.value)), "e");
      ADD_FAILURE() << c.field << " " << c.value << " accepted";
    } catch (const InputError& error) {
      EXPECT_EQ(std::string(error.what()), c.error);
    }
  }
  // 31 bytes exactly (ten double-byte characters and one single) fit.
  EXPECT_NO_THROW(EntryFromJson(Json::parse(EntryWith("name", R"("あいうえおかきくけこa")")), "e"));
}

TEST(EntryJson, RoundTripsThroughTheRecord) {
  const box::BoxEntry entry = EntryFromJson(Json::parse(ENTRY), "e");
  EXPECT_EQ(EntryToJson(entry), Json::parse(ENTRY));
  EXPECT_EQ(box::NameCp932(entry), "\x83\x4B\x83\x75");
}

TEST(EntriesFromJson, ReportsEveryBadEntryByIndex) {
  const ParsedEntries parsed =
      EntriesFromJson("[" + std::string(ENTRY) + "," + EntryWith("level", "0") + "," +
                      EntryWith("nature", "-1") + "]");
  EXPECT_TRUE(parsed.entries.empty());
  EXPECT_EQ(parsed.errors,
            (std::vector<std::string>{R"("entries[1].level": expected an integer from 1 to 100)",
                                      R"("entries[2].nature": expected an integer from 0 to 24)"}));
  EXPECT_EQ(EntriesFromJson("{}").errors.front(), "expected a JSON array of entries");
  EXPECT_EQ(EntriesFromJson("[").errors.front(), "not valid JSON");
}

TEST(EntriesFromJson, RefusesMoreThanABox) {
  std::string many = "[";
  for (int i = 0; i < box::BOX_CAPACITY + 1; ++i) many += (i ? "," : "") + std::string(ENTRY);
  const ParsedEntries parsed = EntriesFromJson(many + "]");
  EXPECT_TRUE(parsed.entries.empty());
  EXPECT_EQ(parsed.errors.front(), "1025 entries: a box holds at most 1024");
}

TEST_F(BoxCommands, ExportThenCreateKeepsTheBytes) {
  std::istringstream in("[" + std::string(ENTRY) + "," + EntryWith("name", R"("二匹目")") + "]");
  std::ostringstream out, err;
  ASSERT_EQ(RunBoxCreate(dir_ / "a.vbd", in, out, err), 0) << err.str();
  EXPECT_EQ(out.str(), "{\"entries\":2}\n");
  EXPECT_EQ(fs::file_size(dir_ / "a.vbd"), box::BOX_FILE_BYTES);

  std::ostringstream exported;
  ASSERT_EQ(RunBoxExport(dir_ / "a.vbd", exported, err), 0);
  std::istringstream again(exported.str());
  ASSERT_EQ(RunBoxCreate(dir_ / "b.vbd", again, out, err), 0) << err.str();
  std::ifstream a(dir_ / "a.vbd", std::ios::binary), b(dir_ / "b.vbd", std::ios::binary);
  const std::string bytesA{std::istreambuf_iterator<char>(a), {}};
  const std::string bytesB{std::istreambuf_iterator<char>(b), {}};
  EXPECT_TRUE(bytesA == bytesB);

  std::ostringstream listed;
  ASSERT_EQ(RunBoxList(dir_ / "b.vbd", listed, err), 0);
  EXPECT_NE(listed.str().find(R"("index":1,"speciesName":"ガブリアス","valid":true})"),
            std::string::npos);
}

TEST_F(BoxCommands, DamagedEntriesAreListedAsTheyAre) {
  box::Box damaged;
  box::SetNameUtf8(damaged.entries[0], "こわれ");
  damaged.entries[0].species = 9999;
  damaged.entries[0].level = 0;
  ASSERT_TRUE(box::SaveBox(damaged, dir_ / "d.vbd"));
  std::ostringstream out, err;
  ASSERT_EQ(RunBoxList(dir_ / "d.vbd", out, err), 0);
  const Json line = Json::parse(out.str());
  EXPECT_EQ(line["species"], 9999);
  EXPECT_EQ(line["speciesName"], "－");
  EXPECT_EQ(line["valid"], false);
}

TEST_F(BoxCommands, RefusedInputWritesNothing) {
  std::ostringstream out, err;
  std::istringstream bad("[" + EntryWith("item", "99") + "]");
  EXPECT_EQ(RunBoxCreate(dir_ / "x.vbd", bad, out, err), 1);
  EXPECT_FALSE(fs::exists(dir_ / "x.vbd"));
  EXPECT_NE(err.str().find("entries[0].item"), std::string::npos);
  EXPECT_EQ(RunBoxList(dir_ / "missing.vbd", out, err), 1);
}

}  // namespace
}  // namespace kerumina::cli
