// The box window opened on its own, headless, in a temporary program folder whose box
// file a test may write first; helpers act on its controls and its edit window as a
// player does.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "box/box.h"
#include "platform/controls.h"
#include "tests/ui/shell_fixture.h"
#include "ui/damage_dlg.h"

namespace kerumina::ui {

// A valid entry: stats computed from all-31 IVs and no EVs at level 50.
box::BoxEntry MakeEntry(std::string_view name, data::SpeciesId species,
                        std::vector<data::MoveId> moves = {});

class BoxWindowTest : public ShellTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  void WriteBoxFile(const std::vector<box::BoxEntry>& entries) const;
  std::string BoxFileBytes() const;
  void Open();
  // Ends the window as the program's end does (it saves its settings).
  void Close();

  CDamageDlg& window() { return *window_; }
  CDataEditDlg& editor() { return *window_->editDlg(); }

  void Click(platform::CDialog& dialog, int id);
  void Type(platform::CDialog& dialog, int id, std::string_view text);
  void ChooseText(platform::CDialog& dialog, int id, std::string_view text);
  std::string Selected(platform::CDialog& dialog, int id);
  void SelectRow(int row);
  // Selects the row and presses "→攻撃側" or "→防御側".
  void SetAttacker(int row);
  void SetDefender(int row);
  // Texts of one row's three result cells.
  std::vector<std::string> ResultCells(int row);
  // "新規追加", a name and species, all IVs 31, "登録" and Yes to the question.
  void RegisterNew(std::string_view name, data::SpeciesId species);
  // Names of the list rows.
  std::vector<std::string> ListNames();

  std::unique_ptr<CMainApp> app;

 private:
  std::unique_ptr<CDamageDlg> window_;
};

}  // namespace kerumina::ui
