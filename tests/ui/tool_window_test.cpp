// The shared tool-window behaviour on a window of its own, apart from the launcher.
#include <gtest/gtest.h>

#include "tests/ui/shell_fixture.h"
#include "ui/tool_window_dlg.h"

namespace kerumina::ui {
namespace {

using platform::ControlKind;
using platform::Rect;

constexpr int IDC_NOTE = 300;
constexpr int IDC_CLOSE = 301;
const platform::ControlTemplate CONTROLS[] = {
    {IDC_NOTE, ControlKind::Edit, "", platform::STYLE_NONE, {5, 5, 80, 12}},
    {IDC_CLOSE, ControlKind::Button, "閉じる", platform::STYLE_NONE, {5, 25, 50, 14}},
};
const platform::DialogTemplate TEMPLATE{900, "", 120, 60, platform::DIALOG_CAPTION, CONTROLS};

class NoteDlg : public CToolWindowDlg {
 public:
  explicit NoteDlg(CMainApp& app) : CToolWindowDlg(app, TEMPLATE, "Note", "%s メモ", IDC_CLOSE) {}
};

class ToolWindowTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    app.PrepareSettings();
  }
  CMainApp app{host};
};

TEST_F(ToolWindowTest, NoShowGetsThroughBeforeTheFirstRequest) {
  NoteDlg note(app);
  ASSERT_TRUE(note.CreateToolWindow());
  EXPECT_EQ(note.GetWindowText(), "ケルミナ Ver 0.8.2 メモ");
  note.ShowWindow(platform::SHOW_NORMAL);
  EXPECT_FALSE(note.IsWindowVisible());
  note.ShowToolWindow(platform::SHOW_SHOW);
  EXPECT_TRUE(note.placed);
  EXPECT_TRUE(note.IsWindowVisible());
  note.DestroyWindow();
}

TEST_F(ToolWindowTest, FirstRequestAppliesTheSavedPlacementWithoutShowing) {
  for (const char* key : {"left", "top", "right", "bottom"}) {
    app.WriteProfileInt("Note", key,
                        std::string(key) == "right" || std::string(key) == "bottom" ? 400 : 100);
  }
  NoteDlg note(app);
  ASSERT_TRUE(note.CreateToolWindow());
  note.ShowToolWindow(platform::SHOW_HIDE);
  EXPECT_FALSE(note.IsWindowVisible());
  EXPECT_EQ(note.GetWindowPlacement().normalPosition, (Rect{100, 100, 400, 400}));
  // Later requests do not move it back.
  note.UserMoveTo(Rect{0, 0, 50, 50});
  note.ShowToolWindow(platform::SHOW_SHOW);
  EXPECT_EQ(note.GetWindowPlacement().normalPosition, (Rect{0, 0, 50, 50}));
  note.DestroyWindow();
  EXPECT_EQ(app.GetProfileInt("Note", "right", 0), 50);
}

TEST_F(ToolWindowTest, ClosedWindowComesBackWithItsContents) {
  NoteDlg note(app);
  ASSERT_TRUE(note.CreateToolWindow());
  note.ShowToolWindow(platform::SHOW_SHOW);
  note.Item<platform::Edit>(IDC_NOTE).UserType("あいう 50");
  note.Item<platform::Button>(IDC_CLOSE).UserClick();
  EXPECT_FALSE(note.IsWindowVisible());
  note.ShowWindow(platform::SHOW_NORMAL);
  EXPECT_TRUE(note.IsWindowVisible());
  EXPECT_EQ(note.GetDlgItemText(IDC_NOTE), "あいう 50");
  note.DestroyWindow();
}

TEST_F(ToolWindowTest, MinimiseRequestOnAHiddenWindowLeavesItHidden) {
  NoteDlg note(app);
  ASSERT_TRUE(note.CreateToolWindow());
  note.ShowToolWindow(platform::SHOW_HIDE);
  note.ShowToolWindow(platform::SHOW_MINIMIZE);
  EXPECT_FALSE(note.hiddenByMinimize);
  note.ShowToolWindow(platform::SHOW_RESTORE);
  EXPECT_FALSE(note.IsWindowVisible());
  note.DestroyWindow();
}

}  // namespace
}  // namespace kerumina::ui
