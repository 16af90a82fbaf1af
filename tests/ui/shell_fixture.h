// A temporary program folder for one test: the headless host reports an executable in it,
// so the settings file of the run lands there and nowhere else.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/headless_host.h"
#include "ui/main_app.h"
#include "ui/top_window_dlg.h"

namespace kerumina::ui {

// A user's click on the button, check box or radio button with this id (ignored when
// disabled or hidden, as the user's would be); whether the control took it.
bool Press(platform::CDialog& dialog, int id);
// The user's choice of the combo box item that carries this data.
void ChooseData(platform::CDialog& dialog, int id, platform::ItemData data);

class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Runs the whole program; script acts while the launcher is up (an Escape on the
  // launcher follows unless the script closed it). The launcher must come up.
  void RunProgram(const std::function<void(CTopWindowDlg&)>& script);

  std::string IniText() const;
  void WriteIni(const std::string& text) const;
  int Setting(const char* section, const char* key, int defaultValue = -999) const;
  platform::Rect SavedRect(const char* section) const;
  // "show" of the four windows that keep it: Search, DataView, ParaCheck, Damage.
  std::vector<int> SavedShowFlags() const;

  std::filesystem::path folder;  // the program's folder, removed after the test
  std::filesystem::path iniPath;
  platform::HeadlessHost host{""};

 private:
  std::filesystem::path previousDirectory_;
};

}  // namespace kerumina::ui
