#include <gtest/gtest.h>

#include "platform/headless_host.h"
#include "res/about_dlg.h"
#include "res/data_edit_dlg.h"
#include "res/search_dlg.h"
#include "res/top_window_dlg.h"
#include "tests/ui/shell_fixture.h"
#include "ui/damage_dlg.h"
#include "ui/data_edit_dlg.h"
#include "ui/data_view_dlg.h"
#include "ui/para_check_dlg.h"
#include "ui/search_dlg.h"

namespace kerumina::ui {
namespace {

using platform::Button;
using platform::HeadlessHost;
using platform::Rect;

// The five tool windows of a running launcher, in a fixed order for table checks.
std::vector<CToolWindowDlg*> ToolWindows(CTopWindowDlg& launcher) {
  return {launcher.searchDlg(), launcher.searchDlg()->detailView(), launcher.paraCheckDlg(),
          launcher.damageDlg(), launcher.damageDlg()->editDlg()};
}

std::vector<bool> Visibility(CTopWindowDlg& launcher) {
  std::vector<bool> visible;
  for (CToolWindowDlg* window : ToolWindows(launcher)) visible.push_back(window->IsWindowVisible());
  return visible;
}

void Click(platform::CDialog& dialog, int id) {
  dialog.Item<Button>(id).UserClick();
}

TEST_F(ShellTest, FirstStartLeavesOnlyTheVersionAndEveryToolWindowHidden) {
  bool ran = false;
  RunProgram([&](CTopWindowDlg& launcher) {
    ran = true;
    EXPECT_EQ(IniText(), "[Main]\nVersion=60\n");
    EXPECT_TRUE(launcher.IsWindowVisible());
    EXPECT_EQ(launcher.GetWindowText(), "ケルミナ");
    EXPECT_EQ(Visibility(launcher), std::vector<bool>(5, false));
    for (CToolWindowDlg* window : ToolWindows(launcher)) {
      EXPECT_TRUE(window->placed) << window->section();
      EXPECT_EQ(window->GetWindowPlacement().normalPosition,
                HeadlessHost::DefaultRect(window->dialogTemplate()));
    }
  });
  EXPECT_TRUE(ran);
  EXPECT_EQ(Setting("Main", "Version"), 60);
  for (const char* section : {"Search", "DataView", "ParaCheck", "Damage"}) {
    EXPECT_EQ(Setting(section, "show"), 0) << section;
  }
  EXPECT_EQ(Setting("DataEdit", "show"), -999);  // the edit window keeps no "show"
}

TEST_F(ShellTest, ToolWindowsCarryTheirTitles) {
  RunProgram([&](CTopWindowDlg& launcher) {
    std::vector<std::string> titles;
    for (CToolWindowDlg* window : ToolWindows(launcher)) titles.push_back(window->GetWindowText());
    EXPECT_EQ(titles, (std::vector<std::string>{
                          "ケルミナ Ver 0.8.2 ヴォルミル絞込み検索",
                          "ケルミナ Ver 0.8.2 ヴォルミル詳細データ",
                          "ケルミナ Ver 0.8.2 ヴォルミル個体値Ｖ判定",
                          "ケルミナ Ver 0.8.2 ヴォルミルボックス",
                          "ケルミナ Ver 0.8.2 ヴォルミルボックス　データ編集",
                      }));
  });
}

TEST_F(ShellTest, SettingsOfAnotherVersionAreWiped) {
  for (const char* version : {"[Main]\nVersion=59\n", "[Main]\nOther=60\n", ""}) {
    WriteIni(std::string(version) +
             "[Search]\nshow=1\nleft=10\ntop=10\nright=300\nbottom=300\ncombo_u1=4\n");
    RunProgram([&](CTopWindowDlg& launcher) {
      EXPECT_EQ(IniText(), "[Main]\nVersion=60\n") << version;
      EXPECT_FALSE(launcher.searchDlg()->IsWindowVisible());
    });
    EXPECT_EQ(Setting("Search", "combo_u1"), -999);
  }
}

TEST_F(ShellTest, VisibleWindowsComeBackWhereTheyWere) {
  WriteIni(
      "[Main]\nVersion=60\n"
      "[Search]\nshow=1\nleft=10\ntop=20\nright=700\nbottom=600\n"
      "[DataView]\nshow=1\nleft=50\ntop=60\nright=500\nbottom=400\n"
      "[TopWindow]\nleft=5\ntop=6\nright=180\nbottom=200\n");
  RunProgram([&](CTopWindowDlg& launcher) {
    EXPECT_EQ(Visibility(launcher), (std::vector<bool>{true, true, false, false, false}));
    EXPECT_EQ(launcher.searchDlg()->GetWindowPlacement().normalPosition, (Rect{10, 20, 700, 600}));
    EXPECT_EQ(launcher.searchDlg()->detailView()->GetWindowPlacement().normalPosition,
              (Rect{50, 60, 500, 400}));
    EXPECT_EQ(launcher.GetWindowPlacement().normalPosition, (Rect{5, 6, 180, 200}));
  });
}

TEST_F(ShellTest, EmptySavedRectangleLeavesTheDefaultPosition) {
  // right <= left, then bottom <= top
  for (const char* rect :
       {"left=100\ntop=10\nright=100\nbottom=300\n", "left=10\ntop=300\nright=400\nbottom=200\n"}) {
    WriteIni(std::string("[Main]\nVersion=60\n[ParaCheck]\nshow=1\n") + rect +
             "[TopWindow]\nleft=9\ntop=9\nright=9\nbottom=99\n");
    RunProgram([&](CTopWindowDlg& launcher) {
      CToolWindowDlg* window = launcher.paraCheckDlg();
      EXPECT_TRUE(window->IsWindowVisible());
      EXPECT_EQ(window->GetWindowPlacement().normalPosition,
                HeadlessHost::DefaultRect(window->dialogTemplate()));
      EXPECT_EQ(launcher.GetWindowPlacement().normalPosition,
                HeadlessHost::DefaultRect(launcher.dialogTemplate()));
    });
  }
}

TEST_F(ShellTest, LauncherButtonsShowTheirWindows) {
  RunProgram([&](CTopWindowDlg& launcher) {
    Click(launcher, res::IDC_TOP_SEARCH);
    EXPECT_EQ(Visibility(launcher), (std::vector<bool>{true, false, false, false, false}));
    Click(launcher, res::IDC_TOP_BOX);
    EXPECT_EQ(Visibility(launcher), (std::vector<bool>{true, false, false, true, false}));
    Click(launcher, res::IDC_TOP_PARA_CHECK);
    EXPECT_EQ(Visibility(launcher), (std::vector<bool>{true, false, true, true, false}));
  });
}

TEST_F(ShellTest, MinimiseHidesExactlyTheVisibleWindowsAndRestoreShowsThem) {
  RunProgram([&](CTopWindowDlg& launcher) {
    Click(launcher, res::IDC_TOP_SEARCH);
    Click(launcher, res::IDC_TOP_BOX);
    launcher.damageDlg()->editDlg()->ShowWindow(platform::SHOW_NORMAL);
    launcher.searchDlg()->detailView()->ShowWindow(platform::SHOW_NORMAL);
    const std::vector<bool> before{true, true, false, true, true};
    ASSERT_EQ(Visibility(launcher), before);

    launcher.UserMinimize();
    EXPECT_TRUE(launcher.launcherMinimized);
    EXPECT_EQ(Visibility(launcher), std::vector<bool>(5, false));
    std::vector<bool> flags;
    for (CToolWindowDlg* window : ToolWindows(launcher)) flags.push_back(window->hiddenByMinimize);
    EXPECT_EQ(flags, before);

    launcher.UserRestore();
    EXPECT_FALSE(launcher.launcherMinimized);
    EXPECT_EQ(Visibility(launcher), before);
    for (CToolWindowDlg* window : ToolWindows(launcher)) EXPECT_FALSE(window->hiddenByMinimize);
  });
}

TEST_F(ShellTest, ChildFollowsMinimiseEvenWhenItsOwnerIsHidden) {
  RunProgram([&](CTopWindowDlg& launcher) {
    CDataViewDlg* detail = launcher.searchDlg()->detailView();
    detail->ShowWindow(platform::SHOW_NORMAL);
    launcher.UserMinimize();
    EXPECT_FALSE(detail->IsWindowVisible());
    launcher.UserRestore();
    EXPECT_TRUE(detail->IsWindowVisible());
    EXPECT_FALSE(launcher.searchDlg()->IsWindowVisible());
  });
}

TEST_F(ShellTest, RestoreWithoutMinimiseChangesNothing) {
  RunProgram([&](CTopWindowDlg& launcher) {
    Click(launcher, res::IDC_TOP_SEARCH);
    launcher.UserMinimize();
    // Hidden while minimised by its own choice: stays hidden on restore.
    launcher.searchDlg()->hiddenByMinimize = false;
    launcher.UserRestore();
    EXPECT_FALSE(launcher.searchDlg()->IsWindowVisible());
    launcher.UserRestore();
    EXPECT_FALSE(launcher.searchDlg()->IsWindowVisible());
  });
}

TEST_F(ShellTest, CloseRecordsVisibilityAndPlacements) {
  RunProgram([&](CTopWindowDlg& launcher) {
    Click(launcher, res::IDC_TOP_SEARCH);
    launcher.searchDlg()->UserMoveTo(Rect{30, 40, 730, 640});
    launcher.searchDlg()->detailView()->ShowWindow(platform::SHOW_NORMAL);
    launcher.UserMoveTo(Rect{1, 2, 151, 202});
    Click(launcher, res::IDC_TOP_QUIT);
    EXPECT_EQ(launcher.searchDlg(), nullptr);
    EXPECT_EQ(launcher.paraCheckDlg(), nullptr);
    EXPECT_EQ(launcher.damageDlg(), nullptr);
  });
  EXPECT_EQ(Setting("Search", "show"), 1);
  EXPECT_EQ(Setting("DataView", "show"), 1);
  EXPECT_EQ(Setting("ParaCheck", "show"), 0);
  EXPECT_EQ(Setting("Damage", "show"), 0);
  EXPECT_EQ((Rect{Setting("Search", "left"), Setting("Search", "top"), Setting("Search", "right"),
                  Setting("Search", "bottom")}),
            (Rect{30, 40, 730, 640}));
  EXPECT_EQ((Rect{Setting("TopWindow", "left"), Setting("TopWindow", "top"),
                  Setting("TopWindow", "right"), Setting("TopWindow", "bottom")}),
            (Rect{1, 2, 151, 202}));
  Rect edit = HeadlessHost::DefaultRect(res::DATA_EDIT_DLG);
  EXPECT_EQ(Setting("DataEdit", "right"), edit.right);

  // The next start shows the search window where it was left.
  RunProgram([&](CTopWindowDlg& launcher) {
    EXPECT_EQ(Visibility(launcher), (std::vector<bool>{true, true, false, false, false}));
    EXPECT_EQ(launcher.searchDlg()->GetWindowPlacement().normalPosition, (Rect{30, 40, 730, 640}));
  });
}

TEST_F(ShellTest, ClosingWhileMinimisedRecordsEveryWindowAsHidden) {
  RunProgram([&](CTopWindowDlg& launcher) {
    Click(launcher, res::IDC_TOP_SEARCH);
    Click(launcher, res::IDC_TOP_BOX);
    launcher.searchDlg()->detailView()->ShowWindow(platform::SHOW_NORMAL);
    launcher.UserMinimize();
    launcher.UserClose();
  });
  for (const char* section : {"Search", "DataView", "ParaCheck", "Damage"}) {
    EXPECT_EQ(Setting(section, "show"), 0) << section;
  }
}

TEST_F(ShellTest, EscapeHidesAToolWindowAndEndsTheLauncher) {
  bool stillRunningAfterEnter = false;
  RunProgram([&](CTopWindowDlg& launcher) {
    Click(launcher, res::IDC_TOP_PARA_CHECK);
    CToolWindowDlg* window = launcher.paraCheckDlg();
    window->UserPressEnter();
    EXPECT_TRUE(window->IsWindowVisible());
    window->UserPressEscape();
    EXPECT_FALSE(window->IsWindowVisible());
    EXPECT_TRUE(window->IsWindow());
    launcher.UserPressEnter();
    stillRunningAfterEnter = !launcher.IsModalRunEnding() && launcher.paraCheckDlg() != nullptr;
    launcher.UserPressEscape();
    EXPECT_TRUE(launcher.IsModalRunEnding());
    EXPECT_EQ(launcher.paraCheckDlg(), nullptr);
  });
  EXPECT_TRUE(stillRunningAfterEnter);
  EXPECT_EQ(host.modalRuns(), 1);
}

TEST_F(ShellTest, ClosingButtonsOnlyHide) {
  RunProgram([&](CTopWindowDlg& launcher) {
    struct Case {
      CToolWindowDlg* window;
      int closeId;
      const char* caption;
    };
    const Case cases[] = {
        {launcher.searchDlg(), 1004, "検索終了"},
        {launcher.searchDlg()->detailView(), 1004, "閉じる"},
        {launcher.paraCheckDlg(), 1004, "閉じる"},
        {launcher.damageDlg(), 1004, "閉じる"},
        {launcher.damageDlg()->editDlg(), 1149, "キャンセル"},
    };
    for (const Case& c : cases) {
      c.window->ShowWindow(platform::SHOW_NORMAL);
      ASSERT_TRUE(c.window->IsWindowVisible()) << c.window->section();
      auto& button = c.window->Item<Button>(c.closeId);
      EXPECT_EQ(button.GetWindowText(), c.caption);
      button.UserClick();
      EXPECT_FALSE(c.window->IsWindowVisible()) << c.window->section();
      EXPECT_TRUE(c.window->IsWindow());
    }
  });
}

TEST_F(ShellTest, ReopenedToolWindowIsTheSameWindow) {
  RunProgram([&](CTopWindowDlg& launcher) {
    Click(launcher, res::IDC_TOP_SEARCH);
    CSearchDlg* search = launcher.searchDlg();
    search->UserMoveTo(Rect{7, 8, 600, 500});
    search->Item<Button>(res::IDC_SEARCH_CLOSE).UserClick();
    Click(launcher, res::IDC_TOP_SEARCH);
    EXPECT_EQ(launcher.searchDlg(), search);
    EXPECT_TRUE(search->IsWindowVisible());
    EXPECT_EQ(search->GetWindowPlacement().normalPosition, (Rect{7, 8, 600, 500}));
  });
}

TEST_F(ShellTest, EditWindowShowsOnItsFirstDirectShow) {
  RunProgram([&](CTopWindowDlg& launcher) {
    CDataEditDlg* edit = launcher.damageDlg()->editDlg();
    EXPECT_EQ(edit->notifyTarget(), launcher.damageDlg());
    EXPECT_FALSE(edit->IsWindowVisible());
    edit->ShowWindow(platform::SHOW_NORMAL);
    EXPECT_TRUE(edit->IsWindowVisible());
  });
}

TEST_F(ShellTest, SystemMenuOpensTheAboutBox) {
  std::string versionText;
  RunProgram([&](CTopWindowDlg& launcher) {
    ASSERT_EQ(launcher.systemMenu().size(), 2u);
    EXPECT_EQ(launcher.systemMenu()[0].command, 0);
    EXPECT_EQ(launcher.systemMenu()[1].command, 16);
    EXPECT_EQ(launcher.systemMenu()[1].text, "kerumina のﾊﾞｰｼﾞｮﾝ情報(&A)...");
    host.ScriptModal([&](platform::CDialog& about) {
      versionText = about.GetDlgItemText(res::IDC_ABOUT_VERSION);
      EXPECT_EQ(about.parent(), &launcher);
      about.Item<Button>(platform::ID_OK).UserClick();
    });
    launcher.UserSystemCommand(16);
    EXPECT_FALSE(launcher.IsModalRunEnding());
  });
  EXPECT_EQ(versionText, "ケルミナ Ver 0.8.2");
  EXPECT_EQ(host.modalRuns(), 2);
}

}  // namespace
}  // namespace kerumina::ui
