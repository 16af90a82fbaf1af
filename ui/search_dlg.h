// CSearchDlg: the species filter search window. Every change of a condition re-runs the
// whole search and refills the result list; a click on a result opens that species in the
// detail view this window owns, which follows it through the launcher's minimise and
// restore. All choices are kept in the settings section "Search".
#pragma once

#include <memory>

#include "search/search.h"
#include "ui/data_view_dlg.h"
#include "ui/tool_window_dlg.h"

namespace kerumina::ui {

class CSearchDlg : public CToolWindowDlg {
 public:
  explicit CSearchDlg(CMainApp& app);
  ~CSearchDlg() override;

  CDataViewDlg* detailView() const { return detailView_.get(); }

  // Runs the search on the current conditions and refills the result list.
  void RefreshResults();
  // Refills the move picker of a row (0..3) from its type picker and shows " - ".
  void FillMoveRow(int row);
  // Shows the chosen move's fields in a row, then refreshes the results.
  void ShowMoveInfo(int row);
  void ClearStatConditions();
  void ClearTypeConditions();
  void ClearMoveConditions();
  // The conditions the controls describe.
  search::SearchConditions ReadConditions();

  // False only while the initialisation fills the pickers.
  bool searchReady = true;
  // 0, or column + 1 of the column last sorted ascending; a new search keeps it.
  int sortState = 0;

 protected:
  bool OnInitDialog() override;
  void OnDestroy() override;
  const platform::MessageMap* GetMessageMap() const override;
  CToolWindowDlg* ChildToolWindow() override { return detailView_.get(); }

 private:
  void OnOpenResult();
  void OnSortResults();
  template <int Row>
  void OnMoveTypeChange();
  template <int Row>
  void OnMoveChange();
  void FillPickers();
  void RestoreSettings();
  void SaveSearchSettings();

  std::unique_ptr<CDataViewDlg> detailView_;
};

}  // namespace kerumina::ui
