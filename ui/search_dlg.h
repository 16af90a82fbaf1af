// CSearchDlg: the species filter search window. It owns the species detail view, which
// follows it through the launcher's minimise and restore.
#pragma once

#include <memory>

#include "ui/data_view_dlg.h"
#include "ui/tool_window_dlg.h"

namespace kerumina::ui {

class CSearchDlg : public CToolWindowDlg {
 public:
  explicit CSearchDlg(CMainApp& app);
  ~CSearchDlg() override;

  CDataViewDlg* detailView() const { return detailView_.get(); }

 protected:
  bool OnInitDialog() override;
  void OnDestroy() override;
  CToolWindowDlg* ChildToolWindow() override { return detailView_.get(); }

 private:
  std::unique_ptr<CDataViewDlg> detailView_;
};

}  // namespace kerumina::ui
