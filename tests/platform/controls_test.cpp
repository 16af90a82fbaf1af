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

TEST(ControlModel, SettingFromCodeNeverNotifies) {
  Recorder recorder;
  ComboBox combo(10, STYLE_NONE);
  CheckBox check(11, "x", STYLE_NONE);
  Edit edit(12, "", STYLE_NONE);
  ListView list(13, STYLE_NONE);
  for (Control* c : std::vector<Control*>{&combo, &check, &edit, &list}) {
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
}

TEST(ControlModel, UserActionsNotifyTheirDialog) {
  Recorder recorder;
  ComboBox combo(10, STYLE_NONE);
  CheckBox check(11, "x", STYLE_NONE);
  Edit edit(12, "", STYLE_NONE);
  Button button(14, "b", STYLE_NONE);
  for (Control* c : std::vector<Control*>{&combo, &check, &edit, &button}) {
    c->Attach(&recorder, &recorder);
  }
  combo.AddString("a");
  EXPECT_TRUE(combo.UserChoose(0));
  EXPECT_TRUE(check.UserClick());
  EXPECT_TRUE(edit.UserType("42"));
  EXPECT_TRUE(button.UserClick());
  std::vector<std::pair<int, Notification>> expected{{10, Notification::SelChange},
                                                     {11, Notification::Clicked},
                                                     {12, Notification::EditChange},
                                                     {14, Notification::Clicked}};
  EXPECT_EQ(recorder.notifications, expected);
  EXPECT_EQ(check.GetCheck(), 1);
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

TEST(ComboBoxModel, SortedInsertionFollowsTheJapaneseOrder) {
  ComboBox combo(1, STYLE_SORT);
  for (const char* text : {"かみつく", "アイアンテール", " 無指定", "いあいぎり"}) {
    combo.AddString(text);
  }
  ASSERT_EQ(combo.GetCount(), 4);
  EXPECT_EQ(combo.GetText(0), " 無指定");
  EXPECT_EQ(combo.GetText(1), "アイアンテール");
  EXPECT_EQ(combo.GetText(2), "いあいぎり");
  EXPECT_EQ(combo.GetText(3), "かみつく");
}

TEST(ComboBoxModel, EqualTextsKeepTheOrderTheyWereAddedIn) {
  ComboBox combo(1, STYLE_SORT);
  combo.SetItemData(combo.AddString("あ"), 1);
  combo.SetItemData(combo.AddString("あ"), 2);
  combo.SetItemData(combo.AddString("あ"), 3);
  EXPECT_EQ(combo.GetItemData(0), 1);
  EXPECT_EQ(combo.GetItemData(1), 2);
  EXPECT_EQ(combo.GetItemData(2), 3);
}

TEST(ComboBoxModel, UnsortedAddAppendsAndInsertNeverSorts) {
  ComboBox combo(1, STYLE_SORT);
  combo.AddString("か");
  EXPECT_EQ(combo.InsertString(-1, "あ"), 1);
  ComboBox plain(2, STYLE_NONE);
  plain.AddString("か");
  EXPECT_EQ(plain.AddString("あ"), 1);
  EXPECT_EQ(plain.InsertString(0, "さ"), 0);
  EXPECT_EQ(plain.InsertString(5, "x"), ItemListControl::NONE);
}

TEST(ComboBoxModel, SelectStringTakesTheFirstItemInListOrderByPrefix) {
  ComboBox combo(1, STYLE_NONE);
  for (const char* text : {"LV 10", "LV 1", "LV 100", "lv 2"}) combo.AddString(text);
  EXPECT_EQ(combo.SelectString(-1, "LV 1"), 0);
  EXPECT_EQ(combo.GetCurSel(), 0);
  EXPECT_EQ(combo.SelectString(0, "LV 1"), 1);   // searches after the start item
  EXPECT_EQ(combo.SelectString(-1, "LV 2"), 3);  // ASCII case does not matter
  EXPECT_EQ(combo.SelectString(-1, "X"), ItemListControl::NONE);
  EXPECT_EQ(combo.GetCurSel(), 3);  // unchanged when nothing matches
  EXPECT_EQ(combo.FindStringExact(-1, "LV 1"), 1);
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

TEST(RadioButtonModel, UserClickClearsTheRestOfItsGroupOnly) {
  RadioButton a(1, "a", STYLE_GROUP), b(2, "b", STYLE_NONE), other(3, "c", STYLE_GROUP);
  a.SetGroup({&a, &b});
  b.SetGroup({&a, &b});
  other.SetGroup({&other});
  a.SetCheck(1);
  other.SetCheck(1);
  b.SetCheck(1);  // from code: no exclusion
  EXPECT_EQ(a.GetCheck(), 1);
  a.SetCheck(0);
  EXPECT_TRUE(a.UserClick());
  EXPECT_EQ(a.GetCheck(), 1);
  EXPECT_EQ(b.GetCheck(), 0);
  EXPECT_EQ(other.GetCheck(), 1);
}

class ListViewModel : public ::testing::Test {
 protected:
  void SetUp() override {
    list.Attach(nullptr, &recorder);
    list.InsertColumn(0, "番号", ColumnAlign::Center, 36);
    list.InsertColumn(1, "値", ColumnAlign::Left, 90);
    const int values[] = {30, 10, 20, 10};
    for (int row = 0; row < 4; ++row) {
      list.InsertItem(row, std::to_string(row));
      list.SetItemText(row, 1, std::to_string(values[row]));
      list.SetItemData(row, values[row] * 10 + row);
    }
  }
  Recorder recorder;
  ListView list{50, STYLE_NONE};
};

TEST_F(ListViewModel, SortOrdersByTheComparisonAndKeepsTiesAndSelection) {
  list.SetSelectedItem(0);  // data 300
  list.SortItems([](ItemData a, ItemData b) { return (a / 10) > (b / 10) ? 1 : 0; });
  std::vector<std::string> column0;
  for (int row = 0; row < list.GetItemCount(); ++row) column0.push_back(list.GetItemText(row, 0));
  EXPECT_EQ(column0, (std::vector<std::string>{"1", "3", "2", "0"}));
  EXPECT_EQ(list.GetSelectedItem(), 3);
}

TEST_F(ListViewModel, ClickReportsRowAndColumnOrMinusOne) {
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
}

TEST_F(ListViewModel, DeleteAllEmptiesRowsButKeepsColumns) {
  list.SetSelectedItem(1);
  list.DeleteAllItems();
  EXPECT_EQ(list.GetItemCount(), 0);
  EXPECT_EQ(list.GetColumnCount(), 2);
  EXPECT_EQ(list.GetSelectedItem(), ListView::NONE);
  EXPECT_EQ(list.GetItemText(0, 0), "");
}

}  // namespace
}  // namespace kerumina::platform
