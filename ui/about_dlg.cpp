#include "ui/about_dlg.h"

#include "res/about_dlg.h"

namespace kerumina::ui {

CAboutDlg::CAboutDlg(CMainApp& app, platform::CDialog* parent)
    : CDialog(app.host(), res::ABOUT_DLG, parent) {}

}  // namespace kerumina::ui
