// CMainApp: the application object. It settles where the program runs (the executable's
// folder, the settings file beside it), throws away settings of another layout version
// and runs the launcher until the user closes it.
#pragma once

#include <string>
#include <string_view>

#include "platform/host.h"
#include "platform/profile.h"

namespace kerumina::ui {

class CTopWindowDlg;

// Layout version of the settings file; a file of any other version is deleted at start.
inline constexpr int SETTINGS_VERSION = 60;
// Name and version, also the text the tool-window titles are formatted with.
inline constexpr std::string_view APP_VERSION_TEXT = "ケルミナ Ver 0.8.2";
inline constexpr std::string_view APP_TITLE = "ケルミナ";
inline constexpr std::string_view SETTINGS_FILE_NAME = "kerumina.ini";

class CMainApp {
 public:
  explicit CMainApp(platform::Host& host);

  // The start sequence; returns false, so that the process ends with the launcher.
  bool InitInstance();
  // The start sequence up to the launcher's run (also what tests of a window need).
  void PrepareSettings();

  int GetProfileInt(std::string_view section, std::string_view key, int defaultValue) const {
    return profile_.GetProfileInt(section, key, defaultValue);
  }
  bool WriteProfileInt(std::string_view section, std::string_view key, int value) {
    return profile_.WriteProfileInt(section, key, value);
  }

  // The box file the box window loads and saves.
  std::string BoxFilePath() const;

  platform::Host& host() const { return host_; }
  platform::Profile& profile() { return profile_; }
  // The launcher while it runs, else null.
  CTopWindowDlg* mainWindow() const { return mainWindow_; }

 private:
  platform::Host& host_;
  platform::Profile profile_;
  std::string folder_;
  CTopWindowDlg* mainWindow_ = nullptr;
};

}  // namespace kerumina::ui
