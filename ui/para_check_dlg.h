// CParaCheckDlg: the individual-value judgement window. The judgement's state lives in its
// controls (species, level, nature and characteristic in their drop-down lists, each
// stat's bounds in its two bound lists, the candidates with their packed IV ranges in the
// six list boxes, the EVs in their boxes); the window reads them, lets calc/ judge, and
// writes the answers back. It keeps two things of its own: the last valid EVs, which a
// refused entry returns to, and the report of the last evaluation, which "個体値出力"
// copies.
#pragma once

#include <string>

#include "calc/iv.h"
#include "data/species.h"
#include "ui/tool_window_dlg.h"

namespace kerumina::ui {

class CParaCheckDlg : public CToolWindowDlg {
 public:
  explicit CParaCheckDlg(CMainApp& app);

  const std::string& report() const { return report_; }

 protected:
  bool OnInitDialog() override;
  void OnDestroy() override;
  const platform::MessageMap* GetMessageMap() const override;

 private:
  void FillSpeciesByRule();
  // New candidate lists and confirm lines for the chosen species, level and nature, then
  // Evaluate. The bounds stay: observations at several levels intersect.
  void Rebuild();
  // Thresholds, report and hidden-power list from the controls as they stand.
  void Evaluate();
  void PickCandidate(int d);
  // Takes the typed EV of stat d and rebuilds, or refuses it with a message and shows the
  // last valid value again.
  void TakeEv(int d);
  void ResetBounds();
  void CopyReport();

  void OnRuleChange();
  void OnLevelUp();
  void OnLevelDown();
  template <int D>
  void OnPickCandidate() {
    PickCandidate(D);
  }
  template <int D>
  void OnEvChange() {
    TakeEv(D);
  }

  data::SpeciesId SelectedSpecies() const;
  std::int32_t SelectedLevel() const;
  data::NatureId SelectedNature() const;
  calc::IvBounds ReadBounds() const;
  int SelectedCharacteristic() const;

  data::StatBlock evs_{};
  std::string report_;
};

}  // namespace kerumina::ui
