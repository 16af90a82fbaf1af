#include "ui/damage_dlg.h"

#include "res/damage_dlg.h"

namespace kerumina::ui {

CDamageDlg::CDamageDlg(CMainApp& app)
    : CToolWindowDlg(app, res::DAMAGE_DLG, "Damage", "%s ヴォルミルボックス",
                     res::IDC_DAMAGE_CLOSE) {}

CDamageDlg::~CDamageDlg() = default;

bool CDamageDlg::OnInitDialog() {
  CToolWindowDlg::OnInitDialog();
  editDlg_ = std::make_unique<CDataEditDlg>(app);
  editDlg_->CreateToolWindow();
  editDlg_->SetNotifyTarget(this);
  // Placed now, still hidden: an unplaced window would swallow the first direct show.
  editDlg_->ShowToolWindow(platform::SHOW_HIDE);
  return true;
}

void CDamageDlg::OnDestroy() {
  CToolWindowDlg::OnDestroy();
  if (!editDlg_) return;
  editDlg_->DestroyWindow();
  editDlg_.reset();
}

}  // namespace kerumina::ui
