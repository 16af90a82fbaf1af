#include "platform/profile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

namespace kerumina::platform {
namespace {

namespace fs = std::filesystem;

class ProfileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder = fs::temp_directory_path() /
             ("kerumina-profile-" + std::to_string(::getpid()) + "-" + info->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
    path = folder / "kerumina.ini";
    profile.SetPath(path.string());
  }
  void TearDown() override { fs::remove_all(folder); }

  void WriteFile(const std::string& text) { std::ofstream(path, std::ios::binary) << text; }
  std::string ReadFile() const {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  fs::path folder;
  fs::path path;
  Profile profile;
};

TEST_F(ProfileTest, WriteKeepsOtherSectionsAndKeys) {
  WriteFile("[SEARCH]\ncombo_u1=3\nLEFT=10\n[Other]\nname=text value\n");
  ASSERT_TRUE(profile.WriteProfileInt("Search", "left", -12));  // names ignore case
  ASSERT_TRUE(profile.WriteProfileInt("Main", "Version", 60));
  EXPECT_EQ(profile.GetProfileInt("Search", "combo_u1", 0), 3);
  EXPECT_EQ(profile.GetProfileInt("search", "Left", 0), -12);
  EXPECT_EQ(profile.GetProfileInt("Main", "Version", 1), 60);
  const std::string text = ReadFile();
  EXPECT_NE(text.find("[Main]\nVersion=60\n"), std::string::npos) << text;
  EXPECT_NE(text.find("=-12\n"), std::string::npos) << text;
  EXPECT_NE(text.find("name=text value"), std::string::npos) << text;
  EXPECT_EQ(text.find("10"), std::string::npos) << text;  // one key, not two
}

// Paths are UTF-8; on Windows a plain narrow path would lose the Japanese folder name.
TEST_F(ProfileTest, WorksInAFolderWithAJapaneseName) {
  const fs::path japanese = folder / u8"ケルミナ設定";
  fs::create_directories(japanese);
  const std::u8string name = (japanese / "kerumina.ini").u8string();
  Profile there;
  there.SetPath(std::string(name.begin(), name.end()));
  ASSERT_TRUE(there.WriteProfileInt("Main", "Version", 60));
  EXPECT_EQ(there.GetProfileInt("Main", "Version", 1), 60);
  EXPECT_TRUE(fs::exists(japanese / "kerumina.ini"));
  EXPECT_TRUE(there.DeleteFile());
  EXPECT_FALSE(fs::exists(japanese / "kerumina.ini"));
}

TEST(ParseProfileInt, ReadsLeadingDecimalDigits) {
  const int max = std::numeric_limits<int>::max(), min = std::numeric_limits<int>::min();
  const std::pair<const char*, int> cases[] = {
      {"60", 60}, {" 7", 7}, {"-3", -3},           {"12abc", 12},        {"abc", 0},
      {"", 0},    {"+4", 4}, {"99999999999", max}, {"-99999999999", min}};
  for (const auto& [text, value] : cases) EXPECT_EQ(ParseProfileInt(text), value) << text;
}

// A folder in the file's place once made the INI library ask for an exabyte buffer.
TEST_F(ProfileTest, UnreadablePathGivesDefaultsWithoutError) {
  fs::create_directories(path);  // a folder where the file should be
  EXPECT_EQ(profile.GetProfileInt("Main", "Version", 1), 1);
  EXPECT_FALSE(profile.WriteProfileInt("Main", "Version", 60));
  Profile nowhere;
  EXPECT_EQ(nowhere.GetProfileInt("Main", "Version", 5), 5);
  EXPECT_FALSE(nowhere.WriteProfileInt("Main", "Version", 60));
}

}  // namespace
}  // namespace kerumina::platform
