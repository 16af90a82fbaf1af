// CTopWindowDlg: the launcher. It creates the three top-level tool windows hidden at its
// start, shows them on its buttons, hides and restores them with its own minimise and
// restore, and on closing records which were visible and destroys them.
#pragma once

#include <memory>

#include "platform/dialog.h"
#include "ui/main_app.h"

namespace kerumina::ui {

class CSearchDlg;
class CParaCheckDlg;
class CDamageDlg;

class CTopWindowDlg : public platform::CDialog {
 public:
  explicit CTopWindowDlg(CMainApp& app);
  ~CTopWindowDlg() override;

  CSearchDlg* searchDlg() const { return searchDlg_.get(); }
  CParaCheckDlg* paraCheckDlg() const { return paraCheckDlg_.get(); }
  CDamageDlg* damageDlg() const { return damageDlg_.get(); }

  bool launcherMinimized = false;

 protected:
  bool OnCreate() override;
  bool OnInitDialog() override;
  void OnOK() override {}
  void OnCancel() override;
  void OnDestroy() override;
  void OnSize(platform::SizeType type) override;
  void OnSysCommand(int command) override;
  const platform::MessageMap* GetMessageMap() const override;

 private:
  void OnOpenSearch();
  void OnOpenBox();
  void OnOpenParaCheck();
  void OnQuit();
  void CloseToolWindows();

  CMainApp& app_;
  std::unique_ptr<CSearchDlg> searchDlg_;
  std::unique_ptr<CParaCheckDlg> paraCheckDlg_;
  std::unique_ptr<CDamageDlg> damageDlg_;
};

}  // namespace kerumina::ui
