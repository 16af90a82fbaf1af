// CDataViewDlg: the species detail view, owned by the search window.
#pragma once

#include "ui/tool_window_dlg.h"

namespace kerumina::ui {

class CDataViewDlg : public CToolWindowDlg {
 public:
  explicit CDataViewDlg(CMainApp& app);
};

}  // namespace kerumina::ui
