#include "ui/main_app.h"

#include <string>

#include "box/box.h"
#include "platform/process.h"
#include "ui/top_window_dlg.h"

namespace kerumina::ui {

CMainApp::CMainApp(platform::Host& host) : host_(host) {
  host_.SetApplicationTitle(APP_TITLE);
}

void CMainApp::PrepareSettings() {
  folder_ = platform::FolderOf(host_.GetModuleFileName());
  // Relative names such as the default box file resolve beside the program.
  platform::SetCurrentDirectory(folder_);
  profile_.SetPath(folder_ + std::string(SETTINGS_FILE_NAME));
  if (GetProfileInt("Main", "Version", 1) != SETTINGS_VERSION) {
    profile_.DeleteFile();
    WriteProfileInt("Main", "Version", SETTINGS_VERSION);
  }
}

std::string CMainApp::BoxFilePath() const {
  return folder_ + box::BOX_FILE_NAME;
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
