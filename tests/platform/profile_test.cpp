#include "platform/profile.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
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

TEST_F(ProfileTest, MissingFileReadsDefaults) {
  EXPECT_EQ(profile.GetProfileInt("Main", "Version", 1), 1);
  EXPECT_EQ(profile.GetProfileInt("Search", "left", -7), -7);
  EXPECT_FALSE(fs::exists(path));
}

TEST_F(ProfileTest, WriteCreatesKeyValueLinesInDecimal) {
  ASSERT_TRUE(profile.WriteProfileInt("Main", "Version", 60));
  ASSERT_TRUE(profile.WriteProfileInt("Search", "left", -12));
  std::string text = ReadFile();
  EXPECT_NE(text.find("[Main]\nVersion=60\n"), std::string::npos) << text;
  EXPECT_NE(text.find("[Search]\nleft=-12\n"), std::string::npos) << text;
  EXPECT_EQ(profile.GetProfileInt("Main", "Version", 1), 60);
  EXPECT_EQ(profile.GetProfileInt("Search", "left", 0), -12);
}

TEST_F(ProfileTest, WritingKeepsOtherSectionsAndKeys) {
  WriteFile("[Search]\ncombo_u1=3\nleft=10\n[Other]\nname=text value\n");
  ASSERT_TRUE(profile.WriteProfileInt("Search", "left", 20));
  ASSERT_TRUE(profile.WriteProfileInt("DataView", "show", 1));
  EXPECT_EQ(profile.GetProfileInt("Search", "combo_u1", 0), 3);
  EXPECT_EQ(profile.GetProfileInt("Search", "left", 0), 20);
  EXPECT_EQ(profile.GetProfileInt("DataView", "show", 0), 1);
  EXPECT_NE(ReadFile().find("name=text value"), std::string::npos);
}

TEST_F(ProfileTest, SectionsAndKeysIgnoreCase) {
  WriteFile("[MAIN]\nVERSION=59\n");
  EXPECT_EQ(profile.GetProfileInt("Main", "Version", 1), 59);
  ASSERT_TRUE(profile.WriteProfileInt("main", "version", 60));
  EXPECT_EQ(profile.GetProfileInt("Main", "Version", 1), 60);
  std::string text = ReadFile();
  EXPECT_EQ(text.find("59"), std::string::npos);
  EXPECT_EQ(text.find("version"), std::string::npos);  // one key, not two
}

TEST(ParseProfileInt, ReadsLeadingDecimalDigits) {
  struct Case {
    const char* text;
    int value;
  };
  const Case cases[] = {{"60", 60},
                        {" 7", 7},
                        {"-3", -3},
                        {"12abc", 12},
                        {"abc", 0},
                        {"", 0},
                        {"+4", 4},
                        {"99999999999", 2147483647},
                        {"-99999999999", -2147483647 - 1}};
  for (const Case& c : cases) EXPECT_EQ(ParseProfileInt(c.text), c.value) << c.text;
}

TEST_F(ProfileTest, DeleteRemovesTheFileAndDefaultsReturn) {
  ASSERT_TRUE(profile.WriteProfileInt("Main", "Version", 59));
  EXPECT_TRUE(profile.DeleteFile());
  EXPECT_FALSE(fs::exists(path));
  EXPECT_EQ(profile.GetProfileInt("Main", "Version", 1), 1);
  EXPECT_TRUE(profile.DeleteFile());  // already gone
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
