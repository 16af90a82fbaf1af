// CDamageDlg: the box and damage window. It owns the entry edit window, which follows it
// through the launcher's minimise and restore.
#pragma once

#include <memory>

#include "ui/data_edit_dlg.h"
#include "ui/tool_window_dlg.h"

namespace kerumina::ui {

class CDamageDlg : public CToolWindowDlg {
 public:
  explicit CDamageDlg(CMainApp& app);
  ~CDamageDlg() override;

  CDataEditDlg* editDlg() const { return editDlg_.get(); }

 protected:
  bool OnInitDialog() override;
  void OnDestroy() override;
  CToolWindowDlg* ChildToolWindow() override { return editDlg_.get(); }

 private:
  std::unique_ptr<CDataEditDlg> editDlg_;
};

}  // namespace kerumina::ui
