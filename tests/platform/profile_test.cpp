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

class ProfileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() /
             ("kerumina-profile-" + std::to_string(::getpid()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
    profile.SetPath((folder / "kerumina.ini").string());
  }
  void TearDown() override { fs::remove_all(folder); }

  fs::path folder;
  Profile profile;
};

// Names ignore case; a write replaces its key and keeps every other section and key.
TEST_F(ProfileTest, WriteKeepsOtherSectionsAndKeys) {
  std::ofstream(folder / "kerumina.ini") << "[SEARCH]\ncombo_u1=3\nLEFT=10\n[Other]\nname=t v\n";
  ASSERT_TRUE(profile.WriteProfileInt("Search", "left", -12));
  ASSERT_TRUE(profile.WriteProfileInt("Main", "Version", 60));
  EXPECT_EQ(profile.GetProfileInt("Search", "combo_u1", 0), 3);
  EXPECT_EQ(profile.GetProfileInt("search", "Left", 0), -12);
  EXPECT_EQ(profile.GetProfileInt("Main", "Version", 1), 60);
  std::stringstream text;
  text << std::ifstream(folder / "kerumina.ini").rdbuf();
  EXPECT_NE(text.str().find("[Main]\nVersion=60\n"), std::string::npos) << text.str();
  EXPECT_NE(text.str().find("name=t v"), std::string::npos) << text.str();
  EXPECT_EQ(text.str().find("10"), std::string::npos) << text.str();  // one key, not two
}

// Paths are UTF-8; on Windows a plain narrow path would lose the Japanese folder name.
TEST_F(ProfileTest, WorksInAFolderWithAJapaneseName) {
  const fs::path japanese = folder / u8"ケルミナ設定";
  fs::create_directories(japanese);
  const std::u8string name = (japanese / "kerumina.ini").u8string();
  profile.SetPath(std::string(name.begin(), name.end()));
  ASSERT_TRUE(profile.WriteProfileInt("Main", "Version", 60));
  EXPECT_EQ(profile.GetProfileInt("Main", "Version", 1), 60);
  EXPECT_TRUE(fs::exists(japanese / "kerumina.ini"));
  EXPECT_TRUE(profile.DeleteFile());
  EXPECT_FALSE(fs::exists(japanese / "kerumina.ini"));
}

// A folder in the file's place once made the INI library ask for an exabyte buffer.
TEST_F(ProfileTest, UnreadablePathGivesDefaultsWithoutError) {
  fs::create_directories(folder / "kerumina.ini");
  EXPECT_EQ(profile.GetProfileInt("Main", "Version", 1), 1);
  EXPECT_FALSE(profile.WriteProfileInt("Main", "Version", 60));
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
