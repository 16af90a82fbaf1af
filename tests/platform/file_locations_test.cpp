#include "platform/file_locations.h"

#include <gtest/gtest.h>

namespace kerumina::platform {
namespace {

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
      {"no home at all leaves the executable's folder",
       {"/usr/bin/", false, false, "", "", ""},
       {"/usr/bin/", "/usr/bin/", true}},
      {"relative home counts as none",
       {"/usr/bin/", false, false, "/cfg", "", "home"},
       {"/cfg/kerumina/", "/usr/bin/", false}},
  };
  for (const Case& c : cases) {
    FileLocations got = ResolveFileLocations(c.facts);
    EXPECT_EQ(got.settingsFolder, c.expected.settingsFolder) << c.name;
    EXPECT_EQ(got.dataFolder, c.expected.dataFolder) << c.name;
    EXPECT_EQ(got.besideExecutable, c.expected.besideExecutable) << c.name;
  }
}

}  // namespace
}  // namespace kerumina::platform
