#include "ui/main_app.h"

#include <string>

#include "box/box.h"
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
  locations_ = platform::FileLocationsOfProcess(folder);
  // Relative names such as the default box file resolve beside a portable copy; an
  // installed one keeps the folder it was started in, which is where its file dialog opens.
  if (locations_.besideExecutable) platform::SetCurrentDirectory(folder);
  profile_.SetPath(locations_.settingsFolder + std::string(SETTINGS_FILE_NAME));
  if (GetProfileInt("Main", "Version", 1) != SETTINGS_VERSION) {
    profile_.DeleteFile();
    WriteProfileInt("Main", "Version", SETTINGS_VERSION);
  }
}

bool CMainApp::WriteProfileInt(std::string_view section, std::string_view key, int value) {
  if (profile_.WriteProfileInt(section, key, value)) return true;
  if (!settingsWriteReported_) {
    settingsWriteReported_ = true;
    host_.MessageBox(
        "設定ファイルに書き込めません。この実行中に変えたウィンドウの位置や"
        "選択は保存されません。\n\n" +
            profile_.path(),
        APP_TITLE, platform::MessageBoxButtons::Ok, platform::MessageBoxIcon::Warning);
  }
  return false;
}

std::string CMainApp::BoxFilePath() const {
  platform::CreateFolderForWriting(locations_.dataFolder);
  return locations_.dataFolder + box::BOX_FILE_NAME;
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
