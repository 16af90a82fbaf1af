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
  // Created after the test has written its settings.
  NoteDlg& Create() {
    EXPECT_TRUE(note.CreateToolWindow());
    return note;
  }
  void TearDown() override {
    if (note.IsWindow()) note.DestroyWindow();
    ShellTest::TearDown();
  }
  CMainApp app{host};
  NoteDlg note{app};
};

TEST_F(ToolWindowTest, NoShowBeforeTheFirstRequestAndContentsSurviveClosing) {
  Create();
  EXPECT_EQ(note.GetWindowText(), "ケルミナ Ver 0.8.2 メモ");
  note.ShowWindow(platform::SHOW_NORMAL);
  EXPECT_FALSE(note.IsWindowVisible());
  note.ShowToolWindow(platform::SHOW_SHOW);
  EXPECT_TRUE(note.placed);
  EXPECT_TRUE(note.IsWindowVisible());

  note.Item<platform::Edit>(IDC_NOTE).UserType("あいう 50");
  note.Item<platform::Button>(IDC_CLOSE).UserClick();
  EXPECT_FALSE(note.IsWindowVisible());
  note.ShowWindow(platform::SHOW_NORMAL);
  EXPECT_TRUE(note.IsWindowVisible());
  EXPECT_EQ(note.GetDlgItemText(IDC_NOTE), "あいう 50");
}

TEST_F(ToolWindowTest, FirstRequestAppliesTheSavedPlacementWithoutShowing) {
  for (const auto& [key, value] :
       {std::pair{"left", 100}, {"top", 100}, {"right", 400}, {"bottom", 400}}) {
    app.WriteProfileInt("Note", key, value);
  }
  Create().ShowToolWindow(platform::SHOW_HIDE);
  EXPECT_FALSE(note.IsWindowVisible());
  EXPECT_EQ(note.GetWindowPlacement().normalPosition, (Rect{100, 100, 400, 400}));
  // Later requests do not move it back.
  note.UserMoveTo(Rect{0, 0, 50, 50});
  note.ShowToolWindow(platform::SHOW_SHOW);
  EXPECT_EQ(note.GetWindowPlacement().normalPosition, (Rect{0, 0, 50, 50}));
  note.DestroyWindow();
  EXPECT_EQ(SavedRect("Note"), (Rect{0, 0, 50, 50}));
}

TEST_F(ToolWindowTest, MinimiseRequestOnAHiddenWindowLeavesItHidden) {
  Create().ShowToolWindow(platform::SHOW_HIDE);
  note.ShowToolWindow(platform::SHOW_MINIMIZE);
  EXPECT_FALSE(note.hiddenByMinimize);
  note.ShowToolWindow(platform::SHOW_RESTORE);
  EXPECT_FALSE(note.IsWindowVisible());
}

}  // namespace
}  // namespace kerumina::ui
