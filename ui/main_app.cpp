#include "ui/main_app.h"

#include <string>

#include "platform/process.h"
#include "res/app_icon.h"
#include "ui/top_window_dlg.h"

namespace kerumina::ui {

CMainApp::CMainApp(platform::Host& host) : host_(host) {
  host_.SetApplicationTitle(APP_TITLE);
  host_.SetApplicationIcon(res::ApplicationIcon());
}

void CMainApp::PrepareSettings() {
  std::string folder = platform::FolderOf(host_.GetModuleFileName());
  // Relative names such as the default box file resolve beside the program.
  platform::SetCurrentDirectory(folder);
  profile_.SetPath(folder + std::string(SETTINGS_FILE_NAME));
  if (GetProfileInt("Main", "Version", 1) != SETTINGS_VERSION) {
    profile_.DeleteFile();
    WriteProfileInt("Main", "Version", SETTINGS_VERSION);
  }
}

bool CMainApp::InitInstance() {
  PrepareSettings();
  CTopWindowDlg launcher(*this);
  mainWindow_ = &launcher;
  launcher.DoModal();
  mainWindow_ = nullptr;
  return false;
}

}  // namespace kerumina::ui
