// Box entries from the command line: checked whole before anything is written (each field's
// refusal: commands_test). Writing files and the byte-identical round trips are checked on
// the binary (run_cli.cmake).
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

  const box::BoxEntry good = EntryFromJson(Json::parse(ENTRY), "e");
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
