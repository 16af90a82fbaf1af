// The framework's controls, parsers, settings file and folders (its dialogs: the window tests).
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <limits>
#include <random>
#include <sstream>
#include <tuple>
#include <vector>

#include "platform/column_fit.h"
#include "platform/controls.h"
#include "platform/data_exchange.h"
#include "platform/file_locations.h"
#include "platform/profile.h"

namespace kerumina::platform {
namespace {

namespace fs = std::filesystem;

using Notified = std::vector<std::pair<int, Notification>>;

struct Recorder : NotificationSink, ControlObserver {
  Notified notifications;
  int changes = 0;
  void OnNotification(int id, Notification code) override { notifications.emplace_back(id, code); }
  void OnControlChanged(Control&, ControlChange) override { ++changes; }
};

// Code changes reach the observer only; the user's actions notify the dialog, unless the
// control is disabled or hidden.
TEST(ControlModel, OnlyUserActionsOnLiveControlsNotifyTheirDialog) {
  Recorder recorder;
  ComboBox combo(10, STYLE_NONE);
  CheckBox check(11, "x", STYLE_NONE);
  Edit edit(12, "", STYLE_NONE);
  Button button(14, "b", STYLE_DISABLED);
  CheckBox hidden(15, "c", STYLE_HIDDEN);
  for (Control* c : std::vector<Control*>{&combo, &check, &edit, &button, &hidden})
    c->Attach(&recorder, &recorder);
  combo.AddString("a");
  combo.SetCurSel(0);
  check.SetCheck(1);
  edit.SetWindowText("5");
  EXPECT_TRUE(recorder.notifications.empty());
  EXPECT_GT(recorder.changes, 0);
  EXPECT_TRUE(combo.UserChoose(0) && check.UserClick() && edit.UserType("42"));
  EXPECT_FALSE(button.UserClick() || hidden.UserClick());
  button.EnableWindow(true);
  EXPECT_TRUE(button.UserClick());
  EXPECT_EQ(recorder.notifications, (Notified{{10, Notification::SelChange},
                                              {11, Notification::Clicked},
                                              {12, Notification::EditChange},
                                              {14, Notification::Clicked}}));
  EXPECT_EQ(check.GetCheck() + hidden.GetCheck(), 0);  // toggled back from 1; untouched
}

// Sorted insertion keeps equal texts in arrival order, InsertString never sorts, the selection
// follows its item; the exact search ignores ASCII case, starts after an item and wraps.
TEST(ComboBoxModel, SortedInsertionSelectionAndExactSearch) {
  ComboBox combo(1, STYLE_SORT);
  ItemData added = 0;
  for (const char* text : {"かみつく", "あ", "アイアンテール", " 無指定", "あ", "いあいぎり"})
    combo.SetItemData(combo.AddString(text), ++added);
  std::string texts;
  for (int i = 0; i < combo.GetCount(); ++i) texts += combo.GetText(i) + "/";
  EXPECT_EQ(texts, " 無指定/あ/あ/アイアンテール/いあいぎり/かみつく/");
  EXPECT_EQ(combo.GetItemData(1), 2);
  EXPECT_EQ(combo.GetItemData(2), 5);
  ComboBox levels(2, STYLE_NONE);
  for (const char* text : {"LV 10", "LV 1", "lv 1", "LV 100"}) levels.AddString(text);
  EXPECT_EQ(levels.FindStringExact(-1, "Lv 1"), 1);
  EXPECT_EQ(levels.FindStringExact(1, "LV 1"), 2);
  EXPECT_EQ(levels.FindStringExact(2, "LV 1"), 1);
  EXPECT_EQ(levels.FindStringExact(-1, "LV"), ItemListControl::NONE);
  EXPECT_EQ(combo.InsertString(-1, "あ"), 6);
  EXPECT_EQ(combo.InsertString(9, "x"), ItemListControl::NONE);
  combo.SetCurSel(3);
  combo.InsertString(0, "z");
  EXPECT_EQ(combo.GetCurSel(), 4);
  combo.DeleteString(0);
  combo.DeleteString(3);
  EXPECT_EQ(combo.GetCurSel(), ItemListControl::NONE);
}

// Against a plain recomputation over random lists; every distinct text measured once.
TEST(ColumnFitter, WidensEachColumnToItsWidestTextMeasuringEachTextOnce) {
  int measured = 0;
  ColumnFitter fitter(
      [&measured](std::string_view text) { return ++measured, static_cast<int>(text.size()) * 3; },
      4);
  std::mt19937 random(7);
  for (int round = 0; round < 20; ++round) {
    ListView list(1, STYLE_NONE);
    const int columns = 1 + static_cast<int>(random() % 4);
    for (int c = 0; c < columns; ++c)
      list.InsertColumn(c, std::string(random() % 6, 'h'), ColumnAlign::Left,
                        static_cast<int>(random() % 40));
    const int rows = static_cast<int>(random() % 30);
    for (int row = 0; row < rows; ++row) {
      list.InsertItem(row, std::string(random() % 12, 'x'));
      for (int c = 1; c < columns; ++c) list.SetItemText(row, c, std::string(random() % 12, 'y'));
    }
    const std::vector<int> widths = fitter.Widths(list);
    ASSERT_EQ(static_cast<int>(widths.size()), columns);
    for (int c = 0; c < columns; ++c) {
      int expected = std::max(list.GetColumn(c).width,
                              static_cast<int>(list.GetColumn(c).heading.size()) * 3 + 4);
      for (int row = 0; row < rows; ++row)
        expected = std::max(expected, static_cast<int>(list.GetItemText(row, c).size()) * 3 + 4);
      EXPECT_EQ(widths[c], expected) << "round " << round << " column " << c;
    }
  }
  // Texts are runs of one letter: 6 headings, 12 of 'x', 12 of 'y' overlap in length only.
  EXPECT_LE(measured, 6 + 12 + 12);
}

TEST(ParseDialogInteger, AcceptsWhatTheFrameworkAccepts) {
  const std::optional<int> no;
  const std::pair<const char*, std::optional<int>> cases[] = {
      {"0", 0},    {"31", 31}, {" 7 ", 7},         {"-4", -4},
      {"+5", 5},   {"", no},   {"  ", no},         {"1a", no},
      {"1 2", no}, {"-", no},  {"2147483648", no}, {"-2147483648", -2147483647 - 1},
      {"１２", no}};
  for (const auto& [text, value] : cases) EXPECT_EQ(ParseDialogInteger(text), value) << text;
}

// Names ignore case; a write keeps every other key. Paths are UTF-8 (a narrow path on Windows
// would lose the Japanese folder). No path gives the defaults and takes no write; a folder in
// the file's place (it once made the INI library ask for an exabyte buffer): the shell tests.
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

// A writable copy ignores the environment, an installed one its user may write (root, or a
// prefix of one's own) does not; absolute variables win (trailing separator or not), else
// the folders below home; a relative home counts as none, no home leaves the program's folder.
TEST(FileLocations, WritableCopyKeepsFilesBesideElseTheUserFoldersHoldThem) {
  const std::string config = "/home/u/.config/kerumina/", data = "/home/u/.local/share/kerumina/";
  const std::pair<LocationFacts, FileLocations> cases[] = {
      {{"/opt/k/", true, false, "/c", "/d", "/home/u"}, {"/opt/k/", "/opt/k/", true}},
      {{"/usr/bin/", false, true, "", "", "/home/u"}, {config, data, false}},
      {{"/usr/bin/", true, true, "", "", "/root"},
       {"/root/.config/kerumina/", "/root/.local/share/kerumina/", false}},
      {{"/usr/bin/", false, false, "/cfg/", "/dat", "/home/u/"},
       {"/cfg/kerumina/", "/dat/kerumina/", false}},
      {{"/usr/bin/", false, false, "cfg", "./dat", "/home/u"}, {config, data, false}},
      {{"/usr/bin/", false, false, "", "", ""}, {"/usr/bin/", "/usr/bin/", true}},
      {{"/usr/bin/", false, false, "/cfg", "", "home"}, {"/cfg/kerumina/", "/usr/bin/", false}},
  };
  for (const auto& [facts, expected] : cases) {
    const FileLocations got = ResolveFileLocations(facts);
    EXPECT_EQ(std::tie(got.settingsFolder, got.dataFolder, got.besideExecutable),
              std::tie(expected.settingsFolder, expected.dataFolder, expected.besideExecutable))
        << facts.executableFolder << "|" << facts.xdgConfigHome << "|" << facts.home;
  }
}

}  // namespace
}  // namespace kerumina::platform
