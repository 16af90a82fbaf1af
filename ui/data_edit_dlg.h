// CDataEditDlg: the box entry edit window, owned by the box window. It fills one entry of
// the box and reports it to the box window with the application message
// REGISTERED_ENTRY_MESSAGE.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "box/box.h"
#include "data/learnable_moves.h"
#include "data/moves.h"
#include "data/species.h"
#include "platform/controls.h"
#include "platform/window_types.h"
#include "ui/tool_window_dlg.h"

namespace kerumina::ui {

// Sent synchronously to the box window with the box index in wParam.
inline constexpr unsigned REGISTERED_ENTRY_MESSAGE = platform::USER_MESSAGE_BASE + 1;

using box::EV_TOTAL_MAX;

// The box's move pickers share their lines with the window tests under these names.
using data::EM_TUTOR_PREFIX;
using data::EM_TUTOR_SEPARATOR;
using data::LearnableMoveItems;
using data::MovePickerItem;
using data::NO_MOVE_TEXT;

// Refills a sorted move picker with the lines whose move passes (lines without a move
// always stay) and picks " 無指定". The lines come sorted, so the control need not sort.
void FillMovePicker(platform::ComboBox& combo, const std::vector<MovePickerItem>& items,
                    const std::function<bool(data::MoveId)>& passes);

class CDataEditDlg : public CToolWindowDlg {
 public:
  explicit CDataEditDlg(CMainApp& app);

  // The window told about registered entries, and the box the entries are written to.
  void SetNotifyTarget(platform::CDialog* target) { notifyTarget_ = target; }
  platform::CDialog* notifyTarget() const { return notifyTarget_; }
  void SetBox(box::Box* box) { box_ = box; }

  // Fills the controls from box entry index; an empty entry keeps what was shown last.
  void LoadEntry(int index);
  int entryIndex() const { return entryIndex_; }

 protected:
  bool OnInitDialog() override;
  void OnDestroy() override;
  void DoDataExchange(platform::CDataExchange& dx) override;
  const platform::MessageMap* GetMessageMap() const override;

 private:
  void OnRuleChanged();
  void OnSpeciesChanged();
  void FillSpeciesByRule();
  void FillMoveList(int row);
  void ShowMoveDetails(int row);
  void UpdateEntryMode();
  void SwitchToComputeMode();
  void ApplyPreset();
  void SetSixV();
  void Register();
  // Shows a message with OK and no icon, then puts the focus on the name.
  void RefuseName(const char* message);
  bool InComputeMode() const;
  data::SpeciesId SelectedSpecies();
  bool SelectSpeciesByName(data::SpeciesId species);
  template <int Row>
  void OnTypeFilterChanged() {
    FillMoveList(Row);
  }
  template <int Row>
  void OnMoveChanged() {
    ShowMoveDetails(Row);
  }

  platform::CDialog* notifyTarget_ = nullptr;
  box::Box* box_ = nullptr;
  int entryIndex_ = 0;
  data::StatBlock ivs_{};
  data::StatBlock evs_{};
  data::StatBlock stats_{5, 5, 5, 5, 5, 5};
  // The move lines of the species chosen last, shared by the four move rows.
  std::vector<MovePickerItem> moveItems_;
  data::SpeciesId moveItemsSpecies_ = data::NO_SPECIES;
};

}  // namespace kerumina::ui
