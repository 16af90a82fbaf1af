// A tool window opened on its own, headless, as the launcher opens it, in a temporary
// program folder whose box file a test may write first; helpers act on its controls as a
// player does.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "box/box.h"
#include "platform/controls.h"
#include "res/damage_dlg.h"
#include "tests/ui/shell_fixture.h"
#include "ui/damage_dlg.h"

namespace kerumina::ui {

// A valid entry: stats computed from all-31 IVs and no EVs at level 50.
box::BoxEntry MakeEntry(std::string_view name, data::SpeciesId species,
                        std::vector<data::MoveId> moves = {});

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
  void Type(platform::CDialog& dialog, int id, std::string_view text) {
    EXPECT_TRUE(dialog.Item<platform::Edit>(id).UserType(text)) << id;
  }
  void ChooseText(platform::CDialog& dialog, int id, std::string_view text) {
    auto& combo = dialog.Item<platform::ComboBox>(id);
    const int found = combo.FindStringExact(-1, text);
    ASSERT_NE(found, platform::ComboBox::NONE) << text;
    combo.UserChoose(found);
  }
  std::string Selected(platform::CDialog& dialog, int id) {
    auto& combo = dialog.Item<platform::ComboBox>(id);
    return combo.GetText(combo.GetCurSel());
  }

  std::unique_ptr<CMainApp> app;

 private:
  std::unique_ptr<Window> window_;
};

class BoxWindowTest : public WindowTest<CDamageDlg> {
 protected:
  void WriteBoxFile(const std::vector<box::BoxEntry>& entries) const;
  std::string BoxFileBytes() const;
  CDataEditDlg& editor() { return *window().editDlg(); }
  void SelectRow(int row) {
    window().Item<platform::ListView>(res::IDC_DAMAGE_BOX_LIST).UserClickItem(row, 0);
  }
  // Selects the rows and presses "→攻撃側" and "→防御側" (a side of -1 is left alone).
  void SetSides(int attacker, int defender);
  // Texts of one row's three result cells.
  std::vector<std::string> ResultCells(int row);
  // "新規追加", a name and species, all IVs 31, "登録" and Yes to the question.
  void RegisterNew(std::string_view name, data::SpeciesId species);
  // Names of the list rows.
  std::vector<std::string> ListNames();
};

}  // namespace kerumina::ui
