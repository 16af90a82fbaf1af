#include "ui/data_view_dlg.h"

#include "res/data_view_dlg.h"

namespace kerumina::ui {

CDataViewDlg::CDataViewDlg(CMainApp& app)
    : CToolWindowDlg(app, res::DATA_VIEW_DLG, "DataView", "%s ヴォルミル詳細データ",
                     res::IDC_DATAVIEW_CLOSE) {}

}  // namespace kerumina::ui
