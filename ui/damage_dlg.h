// CDamageDlg: the box and damage window. It owns the box and the entry edit window (which
// follows it through the launcher's minimise and restore), shows an attacker and a
// defender from the box, and recomputes its six attack rows whenever anything changes,
// keeping each row's report for the clipboard. "実機計算" shows the rows as the games
// compute them; the classic model stays the default.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "box/box.h"
#include "calc/damage.h"
#include "res/damage_dlg.h"
#include "ui/data_edit_dlg.h"
#include "ui/tool_window_dlg.h"

namespace kerumina::ui {

// Filter and default extension of the import file dialog.
inline constexpr const char* BOX_FILE_FILTER = "VormilBoxData (*.vbd)|*.vbd|All Files (*.*)|*.*||";
inline constexpr const char* BOX_FILE_EXTENSION = "VormilBoxData";

class CDamageDlg : public CToolWindowDlg {
 public:
  static constexpr int NO_SIDE = -1;

  explicit CDamageDlg(CMainApp& app);
  ~CDamageDlg() override;

  CDataEditDlg* editDlg() const { return editDlg_.get(); }
  const box::Box& box() const { return *box_; }
  int attackerIndex() const { return attackerIndex_; }
  int defenderIndex() const { return defenderIndex_; }
  const std::string& report(int row) const { return reports_.at(row); }
  // The request row would be computed with now (what the report of the row describes).
  calc::DamageRequest RowRequest(int row) const;

  // Changes to the box that no save has written yet.
  bool HasUnsavedChanges() const { return unsavedChanges_; }
  // Before the program ends: asks whether to save unsaved changes. False when the player
  // chose to stay (Cancel, or a save that failed).
  bool QuerySaveBeforeExit();

 protected:
  bool OnInitDialog() override;
  void OnDestroy() override;
  std::intptr_t WindowProc(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) override;
  CToolWindowDlg* ChildToolWindow() override { return editDlg_.get(); }
  const platform::MessageMap* GetMessageMap() const override;

 private:
  void FillConditionLists();
  void SetListRow(int index, bool insert);
  int SelectedRow() const;

  void OnAdd();
  void OnEdit();
  void OnListDoubleClick();
  void OnMoveUp();
  void OnDelete();
  void OnToAttacker();
  void OnToDefender();
  void OnSwap();
  void OnSave();
  void OnImport();
  void OnImportText();
  void OnExportText();
  void OnRestrictionOrWeatherChanged();
  void OnGameModelClicked();
  void LoadBattleConditions();
  void SaveBattleConditions();
  void EnableBattleConditions();
  template <int Row>
  void OnCopyReport() {
    CopyReport(Row);
  }

  void OpenEditor(int index);
  void ShowBoxFull();
  // The box changed under the edit window: its index may name another creature now.
  void BoxRowsChanged();
  bool Save();
  void ClearSides();
  void ShowAttackerPanel();
  void ShowDefenderPanel();
  void ShowSide(const res::SidePanelIds& ids, int index);
  void FillListMoves();
  void RecomputeAll();
  void CopyReport(int row);
  std::optional<box::BoxEntry> Side(int index) const;

  std::unique_ptr<box::Box> box_;
  std::unique_ptr<CDataEditDlg> editDlg_;
  std::array<std::string, res::DAMAGE_ROW_COUNT> reports_;
  int attackerIndex_ = NO_SIDE;
  int defenderIndex_ = NO_SIDE;
  bool editingNew_ = false;
  bool unsavedChanges_ = false;
};

}  // namespace kerumina::ui
