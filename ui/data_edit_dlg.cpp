#include "ui/data_edit_dlg.h"

#include "res/data_edit_dlg.h"

namespace kerumina::ui {

CDataEditDlg::CDataEditDlg(CMainApp& app)
    : CToolWindowDlg(app, res::DATA_EDIT_DLG, "DataEdit", "%s ヴォルミルボックス　データ編集",
                     res::IDC_DATAEDIT_CANCEL) {}

}  // namespace kerumina::ui
