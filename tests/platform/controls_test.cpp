#include "platform/controls.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/column_fit.h"

namespace kerumina::platform {
namespace {

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

// Sorted insertion follows the Japanese order and keeps equal texts in arrival order;
// InsertString never sorts; the selection follows its item; the exact search ignores ASCII
// case, starts after the given item and wraps round.
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

}  // namespace
}  // namespace kerumina::platform
