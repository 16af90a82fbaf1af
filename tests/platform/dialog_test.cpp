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
  int picks = 0;
  int oks = 0;
  int userMessages = 0;
  std::uintptr_t lastWParam = 0;
  bool suppressShow = false;
  std::vector<SizeType> sizes;

 protected:
  const MessageMap* GetMessageMap() const override {
    static const MessageMapEntry entries[] = {
        OnNotify(IDC_GO, Notification::Clicked, &TestDialog::OnGo),
        OnNotify(IDC_PICK, Notification::SelChange, &TestDialog::OnPick),
    };
    static const MessageMap map{CDialog::GetMessageMap(), entries};
    return &map;
  }
  void OnOK() override {
    ++oks;
    CDialog::OnOK();
  }
  void OnSize(SizeType type) override { sizes.push_back(type); }
  void OnWindowPosChanging(WindowPosChange& change) override {
    if (suppressShow) change.showWindow = false;
  }
  std::intptr_t WindowProc(unsigned message, std::uintptr_t wParam, std::intptr_t) override {
    if (message == USER_MESSAGE_BASE + 1) {
      ++userMessages;
      lastWParam = wParam;
    }
    return 0;
  }

 private:
  void OnGo() { ++goClicks; }
  void OnPick() { ++picks; }
};

class DialogTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dialog.Create()); }
  HeadlessHost host{"/opt/kerumina/kerumina"};
  TestDialog dialog{host, TEMPLATE};
};

TEST_F(DialogTest, CreateBuildsHiddenControlsFromTheTemplate) {
  EXPECT_FALSE(dialog.IsWindowVisible());
  EXPECT_EQ(dialog.GetWindowText(), "caption");
  EXPECT_EQ(dialog.controls().size(), std::size(CONTROLS));
  EXPECT_TRUE(dialog.Item<ComboBox>(IDC_PICK).HasStyle(STYLE_SORT));
  EXPECT_EQ(dialog.GetDlgItem(999), nullptr);
  EXPECT_EQ(dialog.GetWindowPlacement().normalPosition, HeadlessHost::DefaultRect(TEMPLATE));
  EXPECT_FALSE(dialog.Create());  // once only
}

TEST_F(DialogTest, MessagesReachTheirHandlers) {
  auto& pick = dialog.Item<ComboBox>(IDC_PICK);
  pick.AddString("x");
  pick.SetCurSel(0);
  EXPECT_EQ(dialog.picks, 0);  // set from code: no notification
  pick.UserChoose(0);
  dialog.Item<Button>(IDC_GO).UserClick();
  EXPECT_EQ(dialog.picks, 1);
  EXPECT_EQ(dialog.goClicks, 1);
  dialog.SendMessage(USER_MESSAGE_BASE + 1, 17, 0);  // handled before it returns
  EXPECT_EQ(dialog.userMessages, 1);
  EXPECT_EQ(dialog.lastWParam, 17u);
}

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

TEST_F(DialogTest, EscapeOnlyHidesAndDestroyKeepsTheObject) {
  dialog.ShowWindow(SHOW_SHOW);
  dialog.UserPressEscape();
  EXPECT_FALSE(dialog.IsWindowVisible());
  EXPECT_TRUE(dialog.IsWindow());
  dialog.ShowWindow(SHOW_SHOW);
  EXPECT_TRUE(dialog.DestroyWindow());
  EXPECT_FALSE(dialog.IsWindow());
  EXPECT_FALSE(dialog.IsWindowVisible());
  EXPECT_FALSE(dialog.DestroyWindow());
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

TEST_F(DialogTest, PlacementAppliesTheRectAndShowsUnlessSuppressed) {
  dialog.suppressShow = true;
  WindowPlacement placement = dialog.GetWindowPlacement();
  placement.normalPosition = Rect{10, 20, 300, 400};
  dialog.SetWindowPlacement(placement);
  EXPECT_FALSE(dialog.IsWindowVisible());
  EXPECT_EQ(dialog.GetWindowPlacement().normalPosition, (Rect{10, 20, 300, 400}));
  dialog.suppressShow = false;
  dialog.SetWindowPlacement(placement);
  EXPECT_TRUE(dialog.IsWindowVisible());
}

TEST_F(DialogTest, MinimiseAndRestoreReportSizeChanges) {
  dialog.ShowWindow(SHOW_SHOW);
  dialog.UserMinimize();
  EXPECT_TRUE(dialog.IsIconic());
  EXPECT_EQ(dialog.GetWindowPlacement().showCmd, SHOW_MINIMIZED);
  dialog.UserMinimize();
  dialog.UserSystemCommand(SYSCOMMAND_RESTORE);
  EXPECT_FALSE(dialog.IsIconic());
  EXPECT_EQ(dialog.sizes, (std::vector<SizeType>{SizeType::Minimized, SizeType::Restored}));
}

}  // namespace
}  // namespace kerumina::platform
