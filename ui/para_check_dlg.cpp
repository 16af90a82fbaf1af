#include "ui/para_check_dlg.h"

#include "res/para_check_dlg.h"

namespace kerumina::ui {

CParaCheckDlg::CParaCheckDlg(CMainApp& app)
    : CToolWindowDlg(app, res::PARA_CHECK_DLG, "ParaCheck", "%s ヴォルミル個体値Ｖ判定",
                     res::IDC_PARACHECK_CLOSE) {}

}  // namespace kerumina::ui
