// CParaCheckDlg: the individual-value judgement window.
#pragma once

#include "ui/tool_window_dlg.h"

namespace kerumina::ui {

class CParaCheckDlg : public CToolWindowDlg {
 public:
  explicit CParaCheckDlg(CMainApp& app);
};

}  // namespace kerumina::ui
