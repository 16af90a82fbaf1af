#include "platform/dialog.h"

#include <gtest/gtest.h>

#include "platform/headless_host.h"

namespace kerumina::platform {
namespace {

constexpr int IDC_GO = 100;
constexpr int IDC_PICK = 101;
constexpr int IDC_RADIO_A = 102;
constexpr int IDC_RADIO_B = 103;
constexpr int IDC_RADIO_C = 104;

const ControlTemplate CONTROLS[] = {
    {IDC_GO, ControlKind::Button, "go", STYLE_NONE, {0, 0, 40, 14}},
    {IDC_PICK, ControlKind::ComboBox, "", STYLE_SORT, {0, 20, 40, 12}},
    {IDC_RADIO_A, ControlKind::RadioButton, "a", STYLE_GROUP, {0, 40, 40, 10}},
    {IDC_RADIO_B, ControlKind::RadioButton, "b", STYLE_NONE, {0, 50, 40, 10}},
    {IDC_RADIO_C, ControlKind::RadioButton, "c", STYLE_GROUP, {0, 60, 40, 10}},
    {ID_OK, ControlKind::Button, "OK", STYLE_NONE, {0, 70, 40, 14}},
};
const DialogTemplate TEMPLATE{500, "caption", 100, 90, DIALOG_SYSTEM_MENU, CONTROLS};

class TestDialog : public CDialog {
 public:
  using CDialog::CDialog;
  int goClicks = 0;
  int oks = 0;

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

 private:
  void OnGo() { ++goClicks; }
};

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dialog.Create()); }
  HeadlessHost host{"/opt/kerumina/kerumina"};
  TestDialog dialog{host, TEMPLATE};
};

TEST_F(DialogTest, RadioGroupsEndAtTheNextGroupMark) {
  dialog.CheckDlgButton(IDC_RADIO_C, 1);
  dialog.Item<RadioButton>(IDC_RADIO_A).UserClick();
  dialog.CheckDlgButton(IDC_RADIO_B, 1);  // from code: no exclusion
  EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_RADIO_A), 1);
  dialog.Item<RadioButton>(IDC_RADIO_B).UserClick();
  EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_RADIO_A), 0);
  EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_RADIO_B), 1);
  EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_RADIO_C), 1);
  dialog.CheckRadioButton(IDC_RADIO_A, IDC_RADIO_B, IDC_RADIO_A);
  EXPECT_EQ(dialog.IsDlgButtonChecked(IDC_RADIO_A), 1);
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
  EXPECT_EQ(dialog.oks, 1);
  EXPECT_FALSE(dialog.IsWindow());
  EXPECT_EQ(dialog.DoModal(), ID_CANCEL);  // unscripted: Escape
  EXPECT_EQ(host.modalRuns(), 2);
}

}  // namespace
}  // namespace kerumina::platform
