// CMainApp: the application object. It settles where the program keeps its files (beside a
// portable copy, in the user's own folders for an installed one), throws away settings of
// another layout version and runs the launcher until the user closes it.
#pragma once

#include <string>
#include <string_view>

#include "platform/file_locations.h"
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
  // A settings file that cannot be written is reported once a run; later failures of the
  // same run stay quiet, as the user already knows.
  bool WriteProfileInt(std::string_view section, std::string_view key, int value);

  // The box file this run loads and saves. Its folder exists once this returns (a per-user
  // folder is created on first use), so a save can land there.
  std::string BoxFilePath() const;

  platform::Host& host() const { return host_; }
  platform::Profile& profile() { return profile_; }
  // The launcher while it runs, else null.
  CTopWindowDlg* mainWindow() const { return mainWindow_; }

 private:
  platform::Host& host_;
  platform::Profile profile_;
  platform::FileLocations locations_;
  bool settingsWriteReported_ = false;
  CTopWindowDlg* mainWindow_ = nullptr;
};

}  // namespace kerumina::ui
