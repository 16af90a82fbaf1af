#include "platform/profile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

#include "platform/file_locations.h"

namespace kerumina::platform {
namespace {

namespace fs = std::filesystem;

// Names ignore case; a write replaces its key and keeps every other section and key. Paths
// are UTF-8: on Windows a plain narrow path would lose the Japanese folder name. A folder in
// the file's place (it once made the INI library ask for an exabyte buffer) or no path at
// all gives the defaults and takes no write.
TEST(Profile, WriteKeepsOtherSectionsAndKeys) {
  const fs::path folder =
      fs::temp_directory_path() / ("kerumina-profile-" + std::to_string(::getpid()));
  const fs::path path = folder / u8"ケルミナ設定" / "kerumina.ini";
  fs::remove_all(folder);
  fs::create_directories(path.parent_path());
  std::ofstream(path) << "[SEARCH]\ncombo_u1=3\nLEFT=10\n[Other]\nname=t v\n";
  const std::u8string name = path.u8string();
  Profile profile;
  profile.SetPath(std::string(name.begin(), name.end()));
  ASSERT_TRUE(profile.WriteProfileInt("Search", "left", -12));
  ASSERT_TRUE(profile.WriteProfileInt("Main", "Version", 60));
  EXPECT_EQ(profile.GetProfileInt("Search", "combo_u1", 0), 3);
  EXPECT_EQ(profile.GetProfileInt("search", "Left", 0), -12);
  EXPECT_EQ(profile.GetProfileInt("Main", "Version", 1), 60);
  std::stringstream text;
  text << std::ifstream(path).rdbuf();
  EXPECT_NE(text.str().find("[Main]\nVersion=60\n"), std::string::npos) << text.str();
  EXPECT_NE(text.str().find("name=t v"), std::string::npos) << text.str();
  EXPECT_EQ(text.str().find("10"), std::string::npos) << text.str();  // one key, not two
  EXPECT_TRUE(profile.DeleteFile());
  EXPECT_FALSE(fs::exists(path));

  fs::create_directories(path);
  EXPECT_EQ(profile.GetProfileInt("Main", "Version", 1), 1);
  EXPECT_FALSE(profile.WriteProfileInt("Main", "Version", 60));
  fs::remove_all(folder);
  Profile nowhere;
  EXPECT_EQ(nowhere.GetProfileInt("Main", "Version", 5), 5);
  EXPECT_FALSE(nowhere.WriteProfileInt("Main", "Version", 60));
}

TEST(ParseProfileInt, ReadsLeadingDecimalDigits) {
  const int max = std::numeric_limits<int>::max(), min = std::numeric_limits<int>::min();
  const std::pair<const char*, int> cases[] = {
      {"60", 60}, {" 7", 7}, {"-3", -3},           {"12abc", 12},        {"abc", 0},
      {"", 0},    {"+4", 4}, {"99999999999", max}, {"-99999999999", min}};
  for (const auto& [text, value] : cases) EXPECT_EQ(ParseProfileInt(text), value) << text;
}

TEST(FileLocations, WritableCopyKeepsFilesBesideElseTheUserFoldersHoldThem) {
  const struct {
    const char* name;
    LocationFacts facts;
    FileLocations expected;
  } cases[] = {
      {"writable copy ignores the environment",
       {"/opt/k/", true, false, "/c", "/d", "/home/u"},
       {"/opt/k/", "/opt/k/", true}},
      {"defaults below home",
       {"/usr/bin/", false, true, "", "", "/home/u"},
       {"/home/u/.config/kerumina/", "/home/u/.local/share/kerumina/", false}},
      {"an installed copy its user may write (root, or a prefix of one's own)",
       {"/usr/bin/", true, true, "", "", "/root"},
       {"/root/.config/kerumina/", "/root/.local/share/kerumina/", false}},
      {"variables win, with or without a trailing separator",
       {"/usr/bin/", false, false, "/cfg/", "/dat", "/home/u/"},
       {"/cfg/kerumina/", "/dat/kerumina/", false}},
      {"relative variables are ignored",
       {"/usr/bin/", false, false, "cfg", "./dat", "/home/u"},
       {"/home/u/.config/kerumina/", "/home/u/.local/share/kerumina/", false}},
      {"no home at all leaves the executable's folder",
       {"/usr/bin/", false, false, "", "", ""},
       {"/usr/bin/", "/usr/bin/", true}},
      {"relative home counts as none",
       {"/usr/bin/", false, false, "/cfg", "", "home"},
       {"/cfg/kerumina/", "/usr/bin/", false}},
  };
  for (const auto& c : cases) {
    const FileLocations got = ResolveFileLocations(c.facts);
    EXPECT_EQ(got.settingsFolder, c.expected.settingsFolder) << c.name;
    EXPECT_EQ(got.dataFolder, c.expected.dataFolder) << c.name;
    EXPECT_EQ(got.besideExecutable, c.expected.besideExecutable) << c.name;
  }
}

}  // namespace
}  // namespace kerumina::platform
