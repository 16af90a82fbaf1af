#include "platform/controls.h"

#include <gtest/gtest.h>

#include <vector>

namespace kerumina::platform {
namespace {

struct Recorder : NotificationSink, ControlObserver {
  std::vector<std::pair<int, Notification>> notifications;
  std::vector<ControlChange> changes;
  void OnNotification(int id, Notification code) override { notifications.emplace_back(id, code); }
  void OnControlChanged(Control&, ControlChange change) override { changes.push_back(change); }
};

std::vector<std::string> Texts(const ComboBox& combo) {
  std::vector<std::string> texts;
  for (int i = 0; i < combo.GetCount(); ++i) texts.push_back(combo.GetText(i));
  return texts;
}

TEST(ControlModel, OnlyUserActionsNotifyTheirDialog) {
  Recorder recorder;
  ComboBox combo(10, STYLE_NONE);
  CheckBox check(11, "x", STYLE_NONE);
  Edit edit(12, "", STYLE_NONE);
  ListView list(13, STYLE_NONE);
  Button button(14, "b", STYLE_NONE);
  for (Control* c : std::vector<Control*>{&combo, &check, &edit, &list, &button}) {
    c->Attach(&recorder, &recorder);
  }
  combo.AddString("a");
  combo.SetCurSel(0);
  check.SetCheck(1);
  edit.SetWindowText("5");
  list.InsertColumn(0, "h", ColumnAlign::Left, 10);
  list.InsertItem(0, "r");
  list.SetSelectedItem(0);
  EXPECT_TRUE(recorder.notifications.empty());
  EXPECT_FALSE(recorder.changes.empty());

  EXPECT_TRUE(combo.UserChoose(0));
  EXPECT_TRUE(check.UserClick());
  EXPECT_TRUE(edit.UserType("42"));
  EXPECT_TRUE(button.UserClick());
  EXPECT_EQ(recorder.notifications,
            (std::vector<std::pair<int, Notification>>{{10, Notification::SelChange},
                                                       {11, Notification::Clicked},
                                                       {12, Notification::EditChange},
                                                       {14, Notification::Clicked}}));
  EXPECT_EQ(check.GetCheck(), 0);  // toggled back from 1
  EXPECT_EQ(edit.GetWindowText(), "42");
}

TEST(ControlModel, DisabledOrHiddenControlIgnoresTheUser) {
  Recorder recorder;
  Button button(1, "b", STYLE_DISABLED);
  CheckBox check(2, "c", STYLE_HIDDEN);
  button.Attach(&recorder, &recorder);
  check.Attach(&recorder, &recorder);
  EXPECT_FALSE(button.UserClick());
  EXPECT_FALSE(check.UserClick());
  EXPECT_EQ(check.GetCheck(), 0);
  button.EnableWindow(true);
  EXPECT_TRUE(button.UserClick());
  EXPECT_EQ(recorder.notifications.size(), 1u);
}

TEST(ComboBoxModel, SortedInsertionFollowsTheJapaneseOrderAndKeepsTies) {
  ComboBox combo(1, STYLE_SORT);
  ItemData added = 0;
  for (const char* text : {"かみつく", "あ", "アイアンテール", " 無指定", "あ", "いあいぎり"}) {
    combo.SetItemData(combo.AddString(text), ++added);
  }
  EXPECT_EQ(Texts(combo), (std::vector<std::string>{" 無指定", "あ", "あ", "アイアンテール",
                                                    "いあいぎり", "かみつく"}));
  EXPECT_EQ(combo.GetItemData(1), 2);  // equal texts stay in the order they came
  EXPECT_EQ(combo.GetItemData(2), 5);
  EXPECT_EQ(combo.InsertString(-1, "あ"), 6);  // insert never sorts

  ComboBox plain(2, STYLE_NONE);
  plain.AddString("か");
  EXPECT_EQ(plain.AddString("あ"), 1);
  EXPECT_EQ(plain.InsertString(0, "さ"), 0);
  EXPECT_EQ(plain.InsertString(5, "x"), ItemListControl::NONE);
}

TEST(ComboBoxModel, FindStringExactSearchesAfterTheStartIgnoringAsciiCase) {
  ComboBox combo(1, STYLE_NONE);
  for (const char* text : {"LV 10", "LV 1", "lv 1", "LV 100"}) combo.AddString(text);
  EXPECT_EQ(combo.FindStringExact(-1, "LV 1"), 1);
  EXPECT_EQ(combo.FindStringExact(1, "Lv 1"), 2);
  EXPECT_EQ(combo.FindStringExact(2, "LV 1"), 1);  // wraps round
  EXPECT_EQ(combo.FindStringExact(-1, "LV"), ItemListControl::NONE);
}

TEST(ComboBoxModel, SelectionFollowsItsItemThroughInsertAndDelete) {
  ComboBox combo(1, STYLE_NONE);
  for (const char* text : {"a", "b", "c"}) combo.AddString(text);
  combo.SetCurSel(1);
  combo.InsertString(0, "z");
  EXPECT_EQ(combo.GetCurSel(), 2);
  combo.DeleteString(0);
  EXPECT_EQ(combo.GetCurSel(), 1);
  combo.DeleteString(1);
  EXPECT_EQ(combo.GetCurSel(), ItemListControl::NONE);
  EXPECT_EQ(combo.SetCurSel(7), ItemListControl::NONE);
  combo.ResetContent();
  EXPECT_EQ(combo.GetCount(), 0);
  EXPECT_EQ(combo.GetText(0), "");
}

TEST(ListViewModel, SortClickAndDeleteAll) {
  Recorder recorder;
  ListView list{50, STYLE_NONE};
  list.Attach(nullptr, &recorder);
  list.InsertColumn(0, "番号", ColumnAlign::Center, 36);
  list.InsertColumn(1, "値", ColumnAlign::Left, 90);
  const int values[] = {30, 10, 20, 10};
  for (int row = 0; row < 4; ++row) {
    list.InsertItem(row, std::to_string(row));
    list.SetItemText(row, 1, std::to_string(values[row]));
    list.SetItemData(row, values[row] * 10 + row);
  }
  // Sorting keeps ties in place and the selection on its row.
  list.SetSelectedItem(0);
  list.SortItems([](ItemData a, ItemData b) { return (a / 10) > (b / 10) ? 1 : 0; });
  std::vector<std::string> column0;
  for (int row = 0; row < list.GetItemCount(); ++row) column0.push_back(list.GetItemText(row, 0));
  EXPECT_EQ(column0, (std::vector<std::string>{"1", "3", "2", "0"}));
  EXPECT_EQ(list.GetSelectedItem(), 3);

  // A click reports row and column, or -1 off the rows.
  EXPECT_TRUE(list.UserClickItem(2, 1));
  EXPECT_EQ(list.GetLastClick().item, 2);
  EXPECT_EQ(list.GetLastClick().subItem, 1);
  EXPECT_EQ(list.GetSelectedItem(), 2);
  EXPECT_TRUE(list.UserClickItem(9, 0));
  EXPECT_EQ(list.GetLastClick().item, -1);
  EXPECT_EQ(list.GetSelectedItem(), 2);
  EXPECT_TRUE(list.UserClickColumn(1));
  EXPECT_EQ(list.GetLastColumnClick(), 1);
  EXPECT_FALSE(list.UserClickColumn(2));
  ASSERT_EQ(recorder.notifications.size(), 3u);
  EXPECT_EQ(recorder.notifications[2].second, Notification::ColumnClick);

  list.DeleteAllItems();
  EXPECT_EQ(list.GetItemCount(), 0);
  EXPECT_EQ(list.GetColumnCount(), 2);
  EXPECT_EQ(list.GetSelectedItem(), ListView::NONE);
  EXPECT_EQ(list.GetItemText(0, 0), "");
}

}  // namespace
}  // namespace kerumina::platform
