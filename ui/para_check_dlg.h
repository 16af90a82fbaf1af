// CParaCheckDlg: the individual-value judgement window. The judgement's state lives in its
// controls (species, level and nature in their drop-down lists, each stat's bounds in its
// two bound lists, the candidates with their packed IV ranges in the six list boxes); the
// window reads them, lets calc/ judge, and writes the answers back. It keeps one thing of
// its own: the report of the last evaluation, which "個体値出力" copies.
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
  void ResetBounds();
  void CopyReport();

  void OnRuleChange();
  void OnLevelUp();
  void OnLevelDown();
  template <int D>
  void OnPickCandidate() {
    PickCandidate(D);
  }

  data::SpeciesId SelectedSpecies() const;
  std::int32_t SelectedLevel() const;
  data::NatureId SelectedNature() const;
  calc::IvBounds ReadBounds() const;

  std::string report_;
};

}  // namespace kerumina::ui
