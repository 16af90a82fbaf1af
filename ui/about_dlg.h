// CAboutDlg: the about box the launcher's system menu opens, with name, version and OK.
#pragma once

#include "platform/dialog.h"
#include "ui/main_app.h"

namespace kerumina::ui {

class CAboutDlg : public platform::CDialog {
 public:
  CAboutDlg(CMainApp& app, platform::CDialog* parent);
};

}  // namespace kerumina::ui
