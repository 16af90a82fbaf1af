#include "platform/dialog.h"

#include <gtest/gtest.h>

#include "platform/data_exchange.h"
#include "platform/headless_host.h"

namespace kerumina::platform {
namespace {

constexpr int IDC_GO = 100, IDC_PICK = 101, IDC_RADIO_A = 102, IDC_RADIO_B = 103;
constexpr int IDC_RADIO_C = 104, IDC_FIRST = 105, IDC_SECOND = 106;

const ControlTemplate CONTROLS[] = {
    {IDC_GO, ControlKind::Button, "go", STYLE_NONE, {0, 0, 40, 14}},
    {IDC_PICK, ControlKind::ComboBox, "", STYLE_SORT, {0, 20, 40, 12}},
    {IDC_RADIO_A, ControlKind::RadioButton, "a", STYLE_GROUP, {0, 40, 40, 10}},
    {IDC_RADIO_B, ControlKind::RadioButton, "b", STYLE_NONE, {0, 50, 40, 10}},
    {IDC_RADIO_C, ControlKind::RadioButton, "c", STYLE_GROUP, {0, 60, 40, 10}},
    {IDC_FIRST, ControlKind::Edit, "", STYLE_NONE, {50, 0, 20, 12}},
    {IDC_SECOND, ControlKind::Edit, "", STYLE_NONE, {50, 20, 20, 12}},
    {ID_OK, ControlKind::Button, "OK", STYLE_NONE, {0, 70, 40, 14}},
};
const DialogTemplate TEMPLATE{500, "caption", 100, 90, DIALOG_SYSTEM_MENU, CONTROLS};

class TestDialog : public CDialog {
 public:
  using CDialog::CDialog;
  int goClicks = 0;
  int oks = 0;
  int first = 3;
  int second = 4;

 protected:
  const MessageMap* GetMessageMap() const override {
    static const MessageMapEntry entries[] = {
        OnNotify(IDC_GO, Notification::Clicked, &TestDialog::OnGo),
    };
    static const MessageMap map{CDialog::GetMessageMap(), entries};
    return &map;
  }
  void OnOK() override {
    ++oks;
    CDialog::OnOK();
  }
  void DoDataExchange(CDataExchange& dx) override {
    ExchangeInt(dx, IDC_FIRST, first);
    ValidateMinMaxInt(dx, first, 0, 255);
    ExchangeInt(dx, IDC_SECOND, second);
    ValidateMinMaxInt(dx, second, 1, 999);
  }

 private:
  void OnGo() { ++goClicks; }
};

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host.SetApplicationTitle("ケルミナ");
    ASSERT_TRUE(dialog.Create());
  }
  HeadlessHost host{"/opt/kerumina/kerumina"};
  TestDialog dialog{host, TEMPLATE};
};

// A user's click unchecks the rest of its group, which ends at the next group mark; code
// sets a single button only.
TEST_F(DialogTest, RadioGroupsEndAtTheNextGroupMark) {
  dialog.CheckDlgButton(IDC_RADIO_C, 1);
  dialog.Item<RadioButton>(IDC_RADIO_A).UserClick();
  dialog.CheckDlgButton(IDC_RADIO_B, 1);
  EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_RADIO_A), 1);
  dialog.Item<RadioButton>(IDC_RADIO_B).UserClick();
  EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_RADIO_A), 0);
  EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_RADIO_C), 1);
  dialog.CheckRadioButton(IDC_RADIO_A, IDC_RADIO_B, IDC_RADIO_A);
  EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_RADIO_B), 0);
}

TEST_F(DialogTest, EnterPressesTheFocusedButtonElseOk) {
  dialog.ShowWindow(SHOW_SHOW);
  dialog.GotoDlgCtrl(dialog.Item<Button>(IDC_GO));
  dialog.UserPressEnter();
  EXPECT_EQ(dialog.goClicks, 1);
  EXPECT_EQ(dialog.oks, 0);
  dialog.GotoDlgCtrl(dialog.Item<ComboBox>(IDC_PICK));
  dialog.UserPressEnter();
  EXPECT_EQ(dialog.goClicks, 1);  // the focus left the button: no stale press
  EXPECT_EQ(dialog.oks, 1);
}

TEST(Dialog, ModalRunReturnsTheResultAndDestroysTheWindow) {
  HeadlessHost host{"/opt/kerumina/kerumina"};
  TestDialog dialog{host, TEMPLATE};
  host.ScriptModal([](CDialog& d) {
    EXPECT_TRUE(d.IsWindowVisible());
    d.Item<Button>(ID_OK).UserClick();
  });
  EXPECT_EQ(dialog.DoModal(), ID_OK);
  EXPECT_FALSE(dialog.IsWindow());
  EXPECT_EQ(dialog.DoModal(), ID_CANCEL);  // unscripted: Escape
  EXPECT_EQ(host.modalRuns(), 2);
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

// Bad text stops the exchange at the first box with the framework's message, and the
// offending text is selected for retyping.
TEST_F(DialogTest, DataExchangeStopsAtTheFirstBadBox) {
  const struct {
    const char* first;
    const char* second;
    const char* message;
    int focus;
  } cases[] = {{"abc", "zzz", "整数を入力してください。", IDC_FIRST},
               {"0", "1000", "1 から 999 までの整数を入力してください。", IDC_SECOND}};
  for (const auto& c : cases) {
    const std::size_t shown = host.messages().size();
    dialog.Item<Edit>(IDC_FIRST).UserType(c.first);
    dialog.Item<Edit>(IDC_SECOND).UserType(c.second);
    EXPECT_FALSE(dialog.UpdateData(true));
    ASSERT_EQ(host.messages().size(), shown + 1);
    EXPECT_EQ(host.messages().back().text, c.message);
    EXPECT_EQ(host.messages().back().caption, "ケルミナ");
    EXPECT_EQ(host.messages().back().icon, MessageBoxIcon::Warning);
    auto& edit = dialog.Item<Edit>(c.focus);
    EXPECT_EQ(dialog.GetFocus(), &edit);
    EXPECT_EQ(edit.selectionStart(), 0);
    EXPECT_EQ(edit.selectionEnd(), static_cast<int>(edit.GetWindowText().size()));
  }
  dialog.Item<Edit>(IDC_SECOND).UserType("999");
  EXPECT_TRUE(dialog.UpdateData(true));
  EXPECT_EQ(dialog.second, 999);
}

}  // namespace
}  // namespace kerumina::platform
