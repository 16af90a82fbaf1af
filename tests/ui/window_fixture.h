// Headless windows in a temporary program folder of their own (the headless host reports an
// executable there, so the run's settings and box file land there and nowhere else): the
// whole program, or one tool window opened as the launcher opens it. Helpers act on the
// controls as a player does (ignored when disabled or hidden, as the player's would be).
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "box/box.h"
#include "platform/headless_host.h"
#include "res/damage_dlg.h"
#include "ui/damage_dlg.h"
#include "ui/main_app.h"
#include "ui/top_window_dlg.h"

namespace kerumina::ui {

// A click on the button, check box or radio button with this id; whether it was taken.
bool Press(platform::CDialog& dialog, int id);
void Type(platform::CDialog& dialog, int id, std::string_view text);
// The choice of the combo box item that carries this data, or that shows this text.
void ChooseData(platform::CDialog& dialog, int id, platform::ItemData data);
void ChooseText(platform::CDialog& dialog, int id, std::string_view text);
std::string Selected(platform::CDialog& dialog, int id);
std::string ReadFile(const std::filesystem::path& path);
// A valid entry: stats computed from all-31 IVs and no EVs at level 50.
box::BoxEntry MakeEntry(std::string_view name, data::SpeciesId species,
                        std::vector<data::MoveId> moves = {});

class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Runs the whole program; script acts while the launcher is up (an Escape on the
  // launcher follows unless the script closed it). The launcher must come up.
  void RunProgram(const std::function<void(CTopWindowDlg&)>& script);
  void WriteIni(const std::string& text) const;
  int Setting(const char* section, const char* key, int defaultValue = -999) const;

  std::filesystem::path folder;  // the program's folder, removed after the test
  std::filesystem::path iniPath;
  platform::HeadlessHost host{""};

 private:
  std::filesystem::path previousDirectory_;
};

template <class Window>
class WindowTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    app = std::make_unique<CMainApp>(host);
    app->PrepareSettings();
  }
  void TearDown() override {
    Close();
    app.reset();
    ShellTest::TearDown();
  }
  Window& Open() {
    window_ = std::make_unique<Window>(*app);
    EXPECT_TRUE(window_->CreateToolWindow());
    window_->ShowToolWindow(platform::SHOW_SHOW);
    return *window_;
  }
  // Ends the window as the program's end does (it saves its settings).
  void Close() {
    if (window_) window_->DestroyWindow();
    window_.reset();
  }
  Window& window() { return *window_; }
  void Click(platform::CDialog& dialog, int id) { EXPECT_TRUE(Press(dialog, id)) << id; }

  std::unique_ptr<CMainApp> app;

 private:
  std::unique_ptr<Window> window_;
};

class BoxWindowTest : public WindowTest<CDamageDlg> {
 protected:
  void WriteBoxFile(const std::vector<box::BoxEntry>& entries) const;
  CDataEditDlg& editor() { return *window().editDlg(); }
  void SelectRow(int row);
  // Selects the rows and presses "→攻撃側" and "→防御側" (a side of -1 is left alone).
  void SetSides(int attacker, int defender);
  // Texts of one row's three result cells.
  std::vector<std::string> ResultCells(int row);
  std::vector<std::string> ListNames();
};

}  // namespace kerumina::ui
