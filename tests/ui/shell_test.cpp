#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "res/about_dlg.h"
#include "res/data_edit_dlg.h"
#include "res/top_window_dlg.h"
#include "tests/ui/shell_fixture.h"
#include "ui/damage_dlg.h"
#include "ui/data_edit_dlg.h"
#include "ui/data_view_dlg.h"
#include "ui/para_check_dlg.h"
#include "ui/search_dlg.h"
#include "ui/tool_window_dlg.h"

namespace kerumina::ui {
namespace {

using platform::Button;
using platform::HeadlessHost;
using platform::Rect;
using Shown = std::vector<bool>;

// The five tool windows of a running launcher: search, detail view, IV check, box, edit.
std::vector<CToolWindowDlg*> ToolWindows(CTopWindowDlg& launcher) {
  return {launcher.searchDlg(), launcher.searchDlg()->detailView(), launcher.paraCheckDlg(),
          launcher.damageDlg(), launcher.damageDlg()->editDlg()};
}

Shown Visibility(CTopWindowDlg& launcher) {
  Shown visible;
  for (CToolWindowDlg* window : ToolWindows(launcher)) visible.push_back(window->IsWindowVisible());
  return visible;
}

Rect DefaultRect(const platform::CDialog& dialog) {
  return HeadlessHost::DefaultRect(dialog.dialogTemplate());
}

// A first start writes only the version and keeps every window hidden at its default
// place; what the user opened and where the windows stood come back at the next start.
TEST_F(ShellTest, FirstStartThenCloseAndRestart) {
  RunProgram([&](CTopWindowDlg& launcher) {
    EXPECT_EQ(IniText(), "[Main]\nVersion=60\n");
    EXPECT_TRUE(launcher.IsWindowVisible());
    EXPECT_EQ(launcher.GetWindowText(), "ケルミナ");
    EXPECT_EQ(Visibility(launcher), Shown(5, false));
    std::vector<std::string> titles;
    for (CToolWindowDlg* window : ToolWindows(launcher)) {
      EXPECT_TRUE(window->placed) << window->section();
      EXPECT_EQ(window->GetWindowPlacement().normalPosition, DefaultRect(*window));
      titles.push_back(window->GetWindowText());
    }
    EXPECT_EQ(titles, (std::vector<std::string>{
                          "ケルミナ Ver 0.8.2 ヴォルミル絞込み検索",
                          "ケルミナ Ver 0.8.2 ヴォルミル詳細データ",
                          "ケルミナ Ver 0.8.2 ヴォルミル個体値Ｖ判定",
                          "ケルミナ Ver 0.8.2 ヴォルミルボックス",
                          "ケルミナ Ver 0.8.2 ヴォルミルボックス　データ編集",
                      }));
    EXPECT_EQ(launcher.damageDlg()->editDlg()->notifyTarget(), launcher.damageDlg());
    Press(launcher, res::IDC_TOP_SEARCH);
    launcher.searchDlg()->UserMoveTo(Rect{30, 40, 730, 640});
    launcher.searchDlg()->detailView()->ShowWindow(platform::SHOW_NORMAL);
    launcher.UserMoveTo(Rect{1, 2, 151, 202});
    Press(launcher, res::IDC_TOP_QUIT);
    EXPECT_EQ(launcher.searchDlg(), nullptr);
    EXPECT_EQ(launcher.paraCheckDlg(), nullptr);
    EXPECT_EQ(launcher.damageDlg(), nullptr);
  });
  EXPECT_TRUE(host.messages().empty());
  EXPECT_EQ(Setting("Main", "Version"), 60);
  EXPECT_EQ(SavedShowFlags(), (std::vector<int>{1, 1, 0, 0}));
  EXPECT_EQ(Setting("DataEdit", "show"), -999);  // the edit window keeps no "show"
  EXPECT_EQ(SavedRect("Search"), (Rect{30, 40, 730, 640}));
  EXPECT_EQ(SavedRect("TopWindow"), (Rect{1, 2, 151, 202}));
  EXPECT_EQ(SavedRect("DataEdit"), HeadlessHost::DefaultRect(res::DATA_EDIT_DLG));
  RunProgram([&](CTopWindowDlg& launcher) {
    EXPECT_EQ(Visibility(launcher), (Shown{true, true, false, false, false}));
    EXPECT_EQ(launcher.searchDlg()->GetWindowPlacement().normalPosition, (Rect{30, 40, 730, 640}));
    EXPECT_EQ(launcher.GetWindowPlacement().normalPosition, (Rect{1, 2, 151, 202}));
  });
  CMainApp app(host);
  app.PrepareSettings();
  EXPECT_EQ(app.BoxFilePath(), (folder / "kerumina.vbd").string());
}

// Settings of another version are wiped; an empty saved rectangle leaves the default place.
TEST_F(ShellTest, ForeignOrEmptySettingsGiveTheDefaults) {
  const std::string search =
      "[Search]\nshow=1\nleft=10\ntop=10\nright=300\nbottom=300\ncombo_u1=4\n";
  for (const char* version : {"[Main]\nVersion=59\n", "[Main]\nOther=60\n", ""}) {
    WriteIni(version + search);
    RunProgram([&](CTopWindowDlg& launcher) {
      EXPECT_EQ(IniText(), "[Main]\nVersion=60\n") << version;
      EXPECT_FALSE(launcher.searchDlg()->IsWindowVisible());
      EXPECT_EQ(launcher.searchDlg()->Item<platform::ComboBox>(1006).GetCurSel(), 0);
    });
  }
  // right <= left, then bottom <= top
  for (const char* rect :
       {"left=100\ntop=10\nright=100\nbottom=300\n", "left=10\ntop=300\nright=400\nbottom=200\n"}) {
    WriteIni(std::string("[Main]\nVersion=60\n[ParaCheck]\nshow=1\n") + rect +
             "[TopWindow]\nleft=9\ntop=9\nright=9\nbottom=99\n");
    RunProgram([&](CTopWindowDlg& launcher) {
      EXPECT_TRUE(launcher.paraCheckDlg()->IsWindowVisible());
      EXPECT_EQ(launcher.paraCheckDlg()->GetWindowPlacement().normalPosition,
                DefaultRect(*launcher.paraCheckDlg()));
      EXPECT_EQ(launcher.GetWindowPlacement().normalPosition, DefaultRect(launcher));
    });
  }
}

TEST_F(ShellTest, MinimiseHidesExactlyTheVisibleWindowsAndRestoreShowsThem) {
  RunProgram([&](CTopWindowDlg& launcher) {
    Press(launcher, res::IDC_TOP_SEARCH);
    EXPECT_EQ(Visibility(launcher), (Shown{true, false, false, false, false}));
    Press(launcher, res::IDC_TOP_BOX);
    launcher.damageDlg()->editDlg()->ShowWindow(platform::SHOW_NORMAL);
    launcher.searchDlg()->detailView()->ShowWindow(platform::SHOW_NORMAL);
    const Shown before{true, true, false, true, true};
    ASSERT_EQ(Visibility(launcher), before);

    launcher.UserMinimize();
    EXPECT_TRUE(launcher.launcherMinimized);
    EXPECT_EQ(Visibility(launcher), Shown(5, false));
    Shown flags;
    for (CToolWindowDlg* window : ToolWindows(launcher)) flags.push_back(window->hiddenByMinimize);
    EXPECT_EQ(flags, before);

    launcher.UserRestore();
    EXPECT_FALSE(launcher.launcherMinimized);
    EXPECT_EQ(Visibility(launcher), before);
    for (CToolWindowDlg* window : ToolWindows(launcher)) EXPECT_FALSE(window->hiddenByMinimize);

    // A child follows even when its owner is hidden; one hidden while minimised by its own
    // choice stays hidden, and a second restore changes nothing.
    CDataViewDlg* detail = launcher.searchDlg()->detailView();
    Press(*launcher.searchDlg(), 1004);
    launcher.UserMinimize();
    EXPECT_FALSE(detail->IsWindowVisible());
    launcher.UserRestore();
    EXPECT_TRUE(detail->IsWindowVisible());
    launcher.UserMinimize();
    detail->hiddenByMinimize = false;
    launcher.UserRestore();
    launcher.UserRestore();
    EXPECT_FALSE(detail->IsWindowVisible());

    // Closing while minimised records every window as hidden.
    launcher.UserMinimize();
    launcher.UserClose();
  });
  EXPECT_EQ(SavedShowFlags(), std::vector<int>(4, 0));
}

TEST_F(ShellTest, ToolWindowsOnlyHideAndEscapeEndsTheLauncher) {
  bool stillRunningAfterEnter = false;
  RunProgram([&](CTopWindowDlg& launcher) {
    const std::vector<CToolWindowDlg*> windows = ToolWindows(launcher);
    const int closeIds[] = {1004, 1004, 1004, 1004, 1149};
    std::vector<std::string> captions;
    for (std::size_t i = 0; i < windows.size(); ++i) {
      CToolWindowDlg* window = windows[i];
      window->ShowWindow(platform::SHOW_NORMAL);
      window->UserPressEnter();
      ASSERT_TRUE(window->IsWindowVisible()) << window->section();
      window->UserPressEscape();
      EXPECT_FALSE(window->IsWindowVisible()) << window->section();
      window->ShowWindow(platform::SHOW_NORMAL);
      auto& button = window->Item<Button>(closeIds[i]);
      captions.push_back(button.GetWindowText());
      button.UserClick();
      EXPECT_FALSE(window->IsWindowVisible()) << window->section();
      EXPECT_TRUE(window->IsWindow());
    }
    EXPECT_EQ(captions,
              (std::vector<std::string>{"検索終了", "閉じる", "閉じる", "閉じる", "キャンセル"}));
    // The launcher brings back the same window where it was left.
    CSearchDlg* search = launcher.searchDlg();
    search->UserMoveTo(Rect{7, 8, 600, 500});
    Press(launcher, res::IDC_TOP_SEARCH);
    EXPECT_EQ(launcher.searchDlg(), search);
    EXPECT_TRUE(search->IsWindowVisible());
    EXPECT_EQ(search->GetWindowPlacement().normalPosition, (Rect{7, 8, 600, 500}));

    launcher.UserPressEnter();
    stillRunningAfterEnter = !launcher.IsModalRunEnding() && launcher.searchDlg() != nullptr;
    launcher.UserPressEscape();
    EXPECT_TRUE(launcher.IsModalRunEnding());
    EXPECT_EQ(launcher.searchDlg(), nullptr);
  });
  EXPECT_TRUE(stillRunningAfterEnter);
  EXPECT_EQ(host.modalRuns(), 1);
}

TEST_F(ShellTest, SystemMenuOpensTheAboutBox) {
  std::string versionText;
  RunProgram([&](CTopWindowDlg& launcher) {
    ASSERT_EQ(launcher.systemMenu().size(), 2u);  // a separator, then the entry
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

TEST_F(ShellTest, UnwritableSettingsFileIsReportedOnceARun) {
  // A folder where the file belongs defeats every write, even root's; being full, it also
  // outlives the deletion of an old settings file.
  std::filesystem::create_directory(iniPath);
  std::ofstream(iniPath / "keep") << "x";
  RunProgram([&](CTopWindowDlg& launcher) {
    EXPECT_EQ(host.messages().size(), 1u);
    Press(launcher, res::IDC_TOP_SEARCH);
    Press(launcher, res::IDC_TOP_QUIT);
  });
  ASSERT_EQ(host.messages().size(), 1u);
  EXPECT_EQ(host.messages()[0].icon, platform::MessageBoxIcon::Warning);
  EXPECT_EQ(host.messages()[0].caption, "ケルミナ");
  EXPECT_NE(host.messages()[0].text.find(iniPath.string()), std::string::npos);
}

// Windows keeps the files beside the program whatever the folder allows.
#ifndef _WIN32
TEST_F(ShellTest, FilesFollowTheUserFoldersWhenTheProgramFolderIsNotWritable) {
  namespace fs = std::filesystem;
  // A folder that is not there cannot be written to, whoever runs the test.
  host = HeadlessHost((folder / "prefix" / "bin" / "kerumina").string());
  ::setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
  ::setenv("XDG_DATA_HOME", (folder / "data").c_str(), 1);
  CMainApp app(host);
  app.PrepareSettings();
  ::unsetenv("XDG_CONFIG_HOME");
  ::unsetenv("XDG_DATA_HOME");
  EXPECT_EQ(app.profile().path(), (folder / "config" / "kerumina" / "kerumina.ini").string());
  EXPECT_TRUE(fs::exists(app.profile().path()));
  EXPECT_FALSE(fs::exists(folder / "data"));  // until the box is asked for
  EXPECT_EQ(app.BoxFilePath(), (folder / "data" / "kerumina" / "kerumina.vbd").string());
  EXPECT_TRUE(fs::is_directory(folder / "data" / "kerumina"));
  EXPECT_TRUE(host.messages().empty());
}
#endif

// The shared tool-window behaviour on a window of its own, apart from the launcher.
constexpr int IDC_NOTE = 300;
constexpr int IDC_CLOSE = 301;
const platform::ControlTemplate CONTROLS[] = {
    {IDC_NOTE, platform::ControlKind::Edit, "", platform::STYLE_NONE, {5, 5, 80, 12}},
    {IDC_CLOSE, platform::ControlKind::Button, "閉じる", platform::STYLE_NONE, {5, 25, 50, 14}},
};
const platform::DialogTemplate TEMPLATE{900, "", 120, 60, platform::DIALOG_CAPTION, CONTROLS};

class NoteDlg : public CToolWindowDlg {
 public:
  explicit NoteDlg(CMainApp& app) : CToolWindowDlg(app, TEMPLATE, "Note", "%s メモ", IDC_CLOSE) {}
};

TEST_F(ShellTest, ToolWindowWaitsForItsFirstRequestAndKeepsItsContents) {
  CMainApp app(host);
  app.PrepareSettings();
  for (const auto& [key, value] :
       {std::pair{"left", 100}, {"top", 100}, {"right", 400}, {"bottom", 400}}) {
    app.WriteProfileInt("Note", key, value);
  }
  NoteDlg note(app);
  ASSERT_TRUE(note.CreateToolWindow());
  EXPECT_EQ(note.GetWindowText(), "ケルミナ Ver 0.8.2 メモ");
  note.ShowWindow(platform::SHOW_NORMAL);
  EXPECT_FALSE(note.IsWindowVisible());
  // The first request applies the saved placement without showing; later ones keep the
  // window where the user put it.
  note.ShowToolWindow(platform::SHOW_HIDE);
  EXPECT_TRUE(note.placed);
  EXPECT_FALSE(note.IsWindowVisible());
  EXPECT_EQ(note.GetWindowPlacement().normalPosition, (Rect{100, 100, 400, 400}));
  note.UserMoveTo(Rect{0, 0, 50, 50});
  note.ShowToolWindow(platform::SHOW_SHOW);
  EXPECT_TRUE(note.IsWindowVisible());
  EXPECT_EQ(note.GetWindowPlacement().normalPosition, (Rect{0, 0, 50, 50}));

  note.Item<platform::Edit>(IDC_NOTE).UserType("あいう 50");
  note.Item<platform::Button>(IDC_CLOSE).UserClick();
  EXPECT_FALSE(note.IsWindowVisible());
  note.ShowWindow(platform::SHOW_NORMAL);
  EXPECT_TRUE(note.IsWindowVisible());
  EXPECT_EQ(note.GetDlgItemText(IDC_NOTE), "あいう 50");
  note.DestroyWindow();
  EXPECT_EQ(SavedRect("Note"), (Rect{0, 0, 50, 50}));
}

}  // namespace
}  // namespace kerumina::ui
