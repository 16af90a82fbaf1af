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

std::vector<std::string> Texts(const ComboBox& combo) {
  std::vector<std::string> texts;
  for (int i = 0; i < combo.GetCount(); ++i) texts.push_back(combo.GetText(i));
  return texts;
}

// Code changes reach the observer only; the user's actions notify the dialog, unless the
// control is disabled or hidden.
TEST(ControlModel, OnlyUserActionsOnLiveControlsNotifyTheirDialog) {
  Recorder recorder;
  ComboBox combo(10, STYLE_NONE);
  CheckBox check(11, "x", STYLE_NONE);
  Edit edit(12, "", STYLE_NONE);
  ListView list(13, STYLE_NONE);
  Button button(14, "b", STYLE_DISABLED);
  CheckBox hidden(15, "c", STYLE_HIDDEN);
  for (Control* c : std::vector<Control*>{&combo, &check, &edit, &list, &button, &hidden})
    c->Attach(&recorder, &recorder);
  combo.AddString("a");
  combo.SetCurSel(0);
  check.SetCheck(1);
  edit.SetWindowText("5");
  list.InsertItem(0, "r");
  list.SetSelectedItem(0);
  EXPECT_TRUE(recorder.notifications.empty());
  EXPECT_GT(recorder.changes, 0);

  EXPECT_TRUE(combo.UserChoose(0));
  EXPECT_TRUE(check.UserClick());
  EXPECT_TRUE(edit.UserType("42"));
  EXPECT_FALSE(button.UserClick());
  EXPECT_FALSE(hidden.UserClick());
  button.EnableWindow(true);
  EXPECT_TRUE(button.UserClick());
  EXPECT_EQ(recorder.notifications, (Notified{{10, Notification::SelChange},
                                              {11, Notification::Clicked},
                                              {12, Notification::EditChange},
                                              {14, Notification::Clicked}}));
  EXPECT_EQ(check.GetCheck(), 0);  // toggled back from 1
  EXPECT_EQ(hidden.GetCheck(), 0);
  EXPECT_EQ(edit.GetWindowText(), "42");
}

// Sorted insertion follows the Japanese order and keeps equal texts in arrival order;
// InsertString never sorts; the selection follows its item; the exact search ignores ASCII
// case, starts after the given item and wraps round.
TEST(ComboBoxModel, SortedInsertionSelectionAndExactSearch) {
  ComboBox combo(1, STYLE_SORT);
  ItemData added = 0;
  for (const char* text : {"かみつく", "あ", "アイアンテール", " 無指定", "あ", "いあいぎり"})
    combo.SetItemData(combo.AddString(text), ++added);
  EXPECT_EQ(Texts(combo), (std::vector<std::string>{" 無指定", "あ", "あ", "アイアンテール",
                                                    "いあいぎり", "かみつく"}));
  EXPECT_EQ(combo.GetItemData(1), 2);
  EXPECT_EQ(combo.GetItemData(2), 5);
  EXPECT_EQ(combo.InsertString(-1, "あ"), 6);
  EXPECT_EQ(combo.InsertString(9, "x"), ItemListControl::NONE);
  combo.SetCurSel(3);
  combo.InsertString(0, "z");
  EXPECT_EQ(combo.GetCurSel(), 4);
  combo.DeleteString(0);
  EXPECT_EQ(combo.GetCurSel(), 3);
  combo.DeleteString(3);
  EXPECT_EQ(combo.GetCurSel(), ItemListControl::NONE);
  EXPECT_EQ(combo.SetCurSel(70), ItemListControl::NONE);

  ComboBox levels(2, STYLE_NONE);
  for (const char* text : {"LV 10", "LV 1", "lv 1", "LV 100"}) levels.AddString(text);
  EXPECT_EQ(levels.FindStringExact(-1, "LV 1"), 1);
  EXPECT_EQ(levels.FindStringExact(1, "Lv 1"), 2);
  EXPECT_EQ(levels.FindStringExact(2, "LV 1"), 1);
  EXPECT_EQ(levels.FindStringExact(-1, "LV"), ItemListControl::NONE);
}

// Sorting keeps ties in place and the selection on its row; a click reports row and column
// (-1 off the rows, keeping the selection); a heading beyond the columns takes no click.
TEST(ListViewModel, SortAndClicks) {
  Recorder recorder;
  ListView list{50, STYLE_NONE};
  list.Attach(nullptr, &recorder);
  list.InsertColumn(0, "番号", ColumnAlign::Center, 36);
  list.InsertColumn(1, "値", ColumnAlign::Left, 90);
  const int values[] = {30, 10, 20, 10};
  for (int row = 0; row < 4; ++row) {
    list.InsertItem(row, std::to_string(row));
    list.SetItemData(row, values[row] * 10 + row);
  }
  list.SetSelectedItem(0);
  list.SortItems([](ItemData a, ItemData b) { return (a / 10) > (b / 10) ? 1 : 0; });
  std::vector<std::string> column0;
  for (int row = 0; row < list.GetItemCount(); ++row) column0.push_back(list.GetItemText(row, 0));
  EXPECT_EQ(column0, (std::vector<std::string>{"1", "3", "2", "0"}));
  EXPECT_EQ(list.GetSelectedItem(), 3);

  EXPECT_TRUE(list.UserClickItem(2, 1));
  EXPECT_EQ(list.GetLastClick().subItem, 1);
  EXPECT_EQ(list.GetSelectedItem(), 2);
  EXPECT_TRUE(list.UserClickItem(9, 0));
  EXPECT_EQ(list.GetLastClick().item, -1);
  EXPECT_EQ(list.GetSelectedItem(), 2);
  EXPECT_TRUE(list.UserClickColumn(1));
  EXPECT_FALSE(list.UserClickColumn(2));
  EXPECT_EQ(recorder.notifications.back(), std::pair(50, Notification::ColumnClick));
  list.DeleteAllItems();
  EXPECT_EQ(list.GetSelectedItem(), ListView::NONE);
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
    for (int c = 0; c < columns; ++c) {
      list.InsertColumn(c, std::string(random() % 6, 'h'), ColumnAlign::Left,
                        static_cast<int>(random() % 40));
    }
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
      for (int row = 0; row < rows; ++row) {
        expected = std::max(expected, static_cast<int>(list.GetItemText(row, c).size()) * 3 + 4);
      }
      EXPECT_EQ(widths[c], expected) << "round " << round << " column " << c;
    }
  }
  // Texts are runs of one letter: 6 headings, 12 of 'x', 12 of 'y' overlap in length only.
  EXPECT_LE(measured, 6 + 12 + 12);
}

}  // namespace
}  // namespace kerumina::platform
