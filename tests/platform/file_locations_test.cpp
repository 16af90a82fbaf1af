#include "platform/file_locations.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace kerumina::platform {
namespace {

namespace fs = std::filesystem;

TEST(FileLocationsTest, WritableCopyKeepsFilesBesideElseTheUserFoldersHoldThem) {
  struct Case {
    const char* name;
    LocationFacts facts;
    FileLocations expected;
  };
  const Case cases[] = {
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
      {"one variable set",
       {"/usr/bin/", false, false, "", "/dat", "/home/u"},
       {"/home/u/.config/kerumina/", "/dat/kerumina/", false}},
      {"no home at all leaves the executable's folder",
       {"/usr/bin/", false, false, "", "", ""},
       {"/usr/bin/", "/usr/bin/", true}},
      {"relative home counts as none",
       {"/usr/bin/", false, false, "/cfg", "", "home"},
       {"/cfg/kerumina/", "/usr/bin/", false}},
      {"unknown executable folder",
       {"", false, false, "", "", "/home/u"},
       {"/home/u/.config/kerumina/", "/home/u/.local/share/kerumina/", false}},
  };
  for (const Case& c : cases) {
    FileLocations got = ResolveFileLocations(c.facts);
    EXPECT_EQ(got.settingsFolder, c.expected.settingsFolder) << c.name;
    EXPECT_EQ(got.dataFolder, c.expected.dataFolder) << c.name;
    EXPECT_EQ(got.besideExecutable, c.expected.besideExecutable) << c.name;
  }
}

TEST(FileLocationsTest, FoldersAreCreatedForTheirOwnerOnly) {
  const fs::path root =
      fs::temp_directory_path() / ("kerumina-locations-" + std::to_string(::getpid()));
  fs::remove_all(root);
  fs::create_directories(root);
  const fs::path made = root / "share" / "kerumina";
  ASSERT_TRUE(CreateFolderForWriting(made.string() + "/"));
  for (const fs::path& folder : {root / "share", made}) {
    EXPECT_EQ(fs::status(folder).permissions() & fs::perms::all, fs::perms::owner_all) << folder;
  }
  // An existing folder keeps its permissions.
  fs::permissions(made, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);
  EXPECT_TRUE(CreateFolderForWriting(made.string()));
  EXPECT_NE(fs::status(made).permissions() & fs::perms::group_read, fs::perms::none);
  // A file where a folder belongs, and no folder at all.
  std::ofstream(root / "file") << "x";
  EXPECT_FALSE(CreateFolderForWriting((root / "file" / "kerumina").string()));
  EXPECT_FALSE(CreateFolderForWriting((root / "file").string()));
  EXPECT_FALSE(CreateFolderForWriting(""));
  fs::remove_all(root);
}

}  // namespace
}  // namespace kerumina::platform
