#include "ui/search_dlg.h"

#include "res/search_dlg.h"

namespace kerumina::ui {

CSearchDlg::CSearchDlg(CMainApp& app)
    : CToolWindowDlg(app, res::SEARCH_DLG, "Search", "%s ヴォルミル絞込み検索",
                     res::IDC_SEARCH_CLOSE) {}

CSearchDlg::~CSearchDlg() = default;

bool CSearchDlg::OnInitDialog() {
  CToolWindowDlg::OnInitDialog();
  detailView_ = std::make_unique<CDataViewDlg>(app);
  detailView_->CreateToolWindow();
  detailView_->ShowAsLastClosed();
  return true;
}

void CSearchDlg::OnDestroy() {
  CToolWindowDlg::OnDestroy();
  if (!detailView_) return;
  app.WriteProfileInt(detailView_->section(), "show", detailView_->IsWindowVisible() ? 1 : 0);
  detailView_->DestroyWindow();
  detailView_.reset();
}

}  // namespace kerumina::ui
