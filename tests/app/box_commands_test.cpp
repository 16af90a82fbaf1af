// Box entries from the command line: checked whole before anything is written. Writing files
// and the byte-identical round trip are checked on the binary (run_cli.cmake).
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <sstream>

#include "app/cli/box_commands.h"
#include "app/cli/entry_json.h"
#include "calc/build_text.h"

namespace kerumina::cli {
namespace {

namespace fs = std::filesystem;

const char* const ENTRY =
    R"({"name":"ガブ","species":444,"level":50,"nature":3,"ability":0,"item":3,"statsEntered":0,
        "iv":[31,31,31,31,31,31],"ev":[4,252,0,0,0,252],"stat":[184,182,115,90,105,154],
        "move":[88,336,199,65535]})";

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
      {"item", "38", R"("e.item": expected an integer from 0 to 37)"},
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

TEST(EntriesFromJson, ReportsEveryBadEntryByIndexAndKeepsNone) {
  const ParsedEntries parsed =
      EntriesFromJson("[" + std::string(ENTRY) + "," + EntryWith("level", "0") + "," +
                      EntryWith("nature", "-1") + "]");
  EXPECT_TRUE(parsed.entries.empty());
  EXPECT_EQ(parsed.errors,
            (std::vector<std::string>{R"("entries[1].level": expected an integer from 1 to 100)",
                                      R"("entries[2].nature": expected an integer from 0 to 24)"}));
  EXPECT_EQ(EntriesFromJson("{}").errors.front(), "expected a JSON array of entries");
}

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
  EXPECT_EQ(line["species"], 9999);
  EXPECT_EQ(line["speciesName"], "－");
  EXPECT_EQ(line["valid"], false);
  EXPECT_EQ(RunBoxList(file, out, err), 1);  // gone now
}

TEST(BoxList, MarksNamesThatWouldNotRoundTripInvalid) {
  const box::BoxEntry good = EntryFromJson(Json::parse(ENTRY), "e");
  EXPECT_EQ(BoxListLine(good, 0)["valid"], true);
  struct Case {
    const char* what;
    const char* bytes;  // the first 32 bytes of the record; the rest stays zero
    std::size_t size;
  };
  const Case cases[] = {
      {"32 bytes without NUL", "abcdefghijklmnopqrstuvwxyz012345", 32},
      {"junk behind the NUL", "ab\0\0\0x", 6},
      {"lead byte with a bad trail", "\x81\x7f", 2},
      {"lead byte cut by the NUL", "A\x82", 2},
      {"code without a character", "\x85\x40", 2},
  };
  for (const Case& c : cases) {
    box::BoxEntry damaged = good;
    std::memset(damaged.name, 0, box::NAME_BYTES);
    std::memcpy(damaged.name, c.bytes, c.size);
    EXPECT_EQ(BoxListLine(damaged, 0)["valid"], false) << c.what;
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
