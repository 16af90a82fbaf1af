#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "res/about_dlg.h"
#include "res/data_edit_dlg.h"
#include "res/top_window_dlg.h"
#include "tests/ui/window_fixture.h"
#include "ui/damage_dlg.h"
#include "ui/para_check_dlg.h"
#include "ui/search_dlg.h"

namespace kerumina::ui {
namespace {

namespace fs = std::filesystem;
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

// A first start writes only the version; what was open, and where, comes back next time.
TEST_F(ShellTest, FirstStartThenCloseAndRestart) {
  RunProgram([&](CTopWindowDlg& launcher) {
    EXPECT_EQ(ReadFile(iniPath), "[Main]\nVersion=60\n");
    EXPECT_EQ(Visibility(launcher), Shown(5, false));
    Press(launcher, res::IDC_TOP_SEARCH);
    launcher.searchDlg()->UserMoveTo(Rect{30, 40, 730, 640});
    launcher.searchDlg()->detailView()->ShowWindow(platform::SHOW_NORMAL);
    launcher.UserMoveTo(Rect{1, 2, 151, 202});
    Press(launcher, res::IDC_TOP_QUIT);
  });
  EXPECT_TRUE(host.messages().empty());
  RunProgram([&](CTopWindowDlg& launcher) {
    EXPECT_EQ(Visibility(launcher), (Shown{true, true, false, false, false}));
    EXPECT_EQ(launcher.searchDlg()->GetWindowPlacement().normalPosition, (Rect{30, 40, 730, 640}));
    EXPECT_EQ(launcher.GetWindowPlacement().normalPosition, (Rect{1, 2, 151, 202}));
  });
}

// Settings of another version are wiped; an empty saved rectangle leaves the default place.
TEST_F(ShellTest, ForeignOrEmptySettingsGiveTheDefaults) {
  for (const char* version : {"[Main]\nVersion=59\n", "[Main]\nOther=60\n", ""}) {
    WriteIni(version + std::string("[Search]\nshow=1\nleft=10\ntop=10\nright=300\nbottom=300\n"));
    RunProgram([&](CTopWindowDlg& launcher) {
      EXPECT_EQ(ReadFile(iniPath), "[Main]\nVersion=60\n") << version;
      EXPECT_FALSE(launcher.searchDlg()->IsWindowVisible());
    });
  }
  WriteIni(
      "[Main]\nVersion=60\n[ParaCheck]\nshow=1\nleft=100\ntop=10\nright=100\nbottom=300\n"
      "[TopWindow]\nleft=9\ntop=300\nright=99\nbottom=200\n");
  RunProgram([&](CTopWindowDlg& launcher) {
    EXPECT_TRUE(launcher.paraCheckDlg()->IsWindowVisible());
    EXPECT_EQ(launcher.paraCheckDlg()->GetWindowPlacement().normalPosition,
              HeadlessHost::DefaultRect(launcher.paraCheckDlg()->dialogTemplate()));
    EXPECT_EQ(launcher.GetWindowPlacement().normalPosition,
              HeadlessHost::DefaultRect(launcher.dialogTemplate()));
  });
}

// A child follows with its owner hidden; closing while minimised records every window hidden.
TEST_F(ShellTest, MinimiseHidesExactlyTheVisibleWindowsAndRestoreShowsThem) {
  RunProgram([&](CTopWindowDlg& launcher) {
    Press(launcher, res::IDC_TOP_BOX);
    launcher.damageDlg()->editDlg()->ShowWindow(platform::SHOW_NORMAL);
    launcher.searchDlg()->detailView()->ShowWindow(platform::SHOW_NORMAL);
    Shown before{false, true, false, true, true};
    launcher.UserMinimize();
    EXPECT_EQ(Visibility(launcher), Shown(5, false));
    launcher.UserRestore();
    launcher.UserRestore();
    EXPECT_EQ(Visibility(launcher), before);
    // Hidden by the player's own choice: it stays hidden.
    launcher.damageDlg()->editDlg()->UserPressEscape();
    launcher.UserMinimize();
    launcher.UserRestore();
    before[4] = false;
    EXPECT_EQ(Visibility(launcher), before);
    launcher.UserMinimize();
    launcher.UserClose();
  });
  for (const char* section : {"Search", "DataView", "ParaCheck", "Damage"})
    EXPECT_EQ(Setting(section, "show"), 0) << section;
}

// Escape and the closing button only hide a tool window and Enter leaves it; the launcher
// brings it back where it was; its menu opens the version box; Escape on it ends the run.
TEST_F(ShellTest, ToolWindowsOnlyHideAndEscapeEndsTheLauncher) {
  std::string versionText;
  RunProgram([&](CTopWindowDlg& launcher) {
    for (CToolWindowDlg* window : ToolWindows(launcher)) {
      const bool editor = window == launcher.damageDlg()->editDlg();
      window->ShowWindow(platform::SHOW_NORMAL);
      window->UserPressEnter();
      ASSERT_TRUE(window->IsWindowVisible()) << window->section();
      window->UserPressEscape();
      EXPECT_FALSE(window->IsWindowVisible()) << window->section();
      window->ShowWindow(platform::SHOW_NORMAL);
      Press(*window, editor ? res::IDC_DATAEDIT_CANCEL : 1004);
      EXPECT_FALSE(window->IsWindowVisible()) << window->section();
    }
    CSearchDlg* search = launcher.searchDlg();
    search->UserMoveTo(Rect{7, 8, 600, 500});
    Press(launcher, res::IDC_TOP_SEARCH);
    EXPECT_EQ(launcher.searchDlg(), search);
    EXPECT_EQ(search->GetWindowPlacement().normalPosition, (Rect{7, 8, 600, 500}));

    host.ScriptModal([&](platform::CDialog& about) {
      versionText = about.GetDlgItemText(res::IDC_ABOUT_VERSION);
      about.UserPressEnter();
    });
    launcher.UserSystemCommand(res::IDM_ABOUTBOX);
    launcher.UserPressEnter();
    EXPECT_FALSE(launcher.IsModalRunEnding());
    launcher.UserPressEscape();
    EXPECT_TRUE(launcher.IsModalRunEnding());
    EXPECT_EQ(launcher.searchDlg(), nullptr);
  });
  EXPECT_EQ(versionText, "ケルミナ Ver 0.8.2");
  EXPECT_EQ(host.modalRuns(), 2);
}

// A full folder where the file belongs defeats every write (root's too) and every deletion.
TEST_F(ShellTest, UnwritableSettingsFileIsReportedOnceARun) {
  fs::create_directory(iniPath);
  std::ofstream(iniPath / "keep") << "x";
  RunProgram([&](CTopWindowDlg& launcher) {
    Press(launcher, res::IDC_TOP_SEARCH);
    Press(launcher, res::IDC_TOP_QUIT);
  });
  ASSERT_EQ(host.messages().size(), 1u);
  EXPECT_NE(host.messages()[0].text.find(iniPath.string()), std::string::npos);
}

// A program folder that is not there cannot be written to (Windows keeps the files beside it).
#ifndef _WIN32
TEST_F(ShellTest, AnInstalledCopyKeepsTheBoxInTheUsersDataFolder) {
  host = HeadlessHost((folder / "prefix" / "bin" / "kerumina").string());
  ::setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
  ::setenv("XDG_DATA_HOME", (folder / "data").c_str(), 1);
  CMainApp app(host);
  app.PrepareSettings();
  ::unsetenv("XDG_CONFIG_HOME");
  ::unsetenv("XDG_DATA_HOME");
  EXPECT_EQ(app.BoxFilePath(), (folder / "data" / "kerumina" / "kerumina.vbd").string());
  EXPECT_TRUE(fs::is_directory(folder / "data" / "kerumina"));
}
#endif

}  // namespace
}  // namespace kerumina::ui
