#include "platform/dialog.h"

#include <gtest/gtest.h>

#include "platform/data_exchange.h"
#include "platform/headless_host.h"

namespace kerumina::platform {
namespace {

constexpr int IDC_GO = 100, IDC_FIRST = 101, IDC_SECOND = 102;

const ControlTemplate CONTROLS[] = {
    {IDC_GO, ControlKind::Button, "go", STYLE_NONE, {0, 0, 40, 14}},
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
  void OnGo() { ++goClicks; }

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

TEST_F(DialogTest, EnterPressesTheFocusedButtonElseOk) {
  dialog.ShowWindow(SHOW_SHOW);
  dialog.GotoDlgCtrl(dialog.Item<Button>(IDC_GO));
  dialog.UserPressEnter();
  EXPECT_EQ(dialog.goClicks, 1);
  EXPECT_EQ(dialog.oks, 0);
  dialog.GotoDlgCtrl(dialog.Item<Edit>(IDC_FIRST));
  dialog.UserPressEnter();
  EXPECT_EQ(dialog.goClicks, 1);  // the focus left the button: no stale press
  EXPECT_EQ(dialog.oks, 1);
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
  dialog.Item<Edit>(IDC_FIRST).UserType("abc");
  dialog.Item<Edit>(IDC_SECOND).UserType("1000");
  EXPECT_FALSE(dialog.UpdateData(true));
  ASSERT_EQ(host.messages().size(), 1u);
  EXPECT_EQ(host.messages()[0].text, "整数を入力してください。");
  EXPECT_EQ(host.messages()[0].caption, "ケルミナ");
  EXPECT_EQ(host.messages()[0].icon, MessageBoxIcon::Warning);
  auto& edit = dialog.Item<Edit>(IDC_FIRST);
  EXPECT_EQ(dialog.GetFocus(), &edit);
  EXPECT_EQ(edit.selectionStart(), 0);
  EXPECT_EQ(edit.selectionEnd(), 3);
  dialog.Item<Edit>(IDC_FIRST).UserType("255");
  EXPECT_FALSE(dialog.UpdateData(true));
  EXPECT_EQ(host.messages().back().text, "1 から 999 までの整数を入力してください。");
  EXPECT_EQ(dialog.GetFocus(), &dialog.Item<Edit>(IDC_SECOND));
  dialog.Item<Edit>(IDC_SECOND).UserType("999");
  EXPECT_TRUE(dialog.UpdateData(true));
  EXPECT_EQ(dialog.first + dialog.second, 255 + 999);
}

}  // namespace
}  // namespace kerumina::platform
