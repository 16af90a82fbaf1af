// The whole program, or one tool window opened as the launcher opens it, headless, with its
// settings and box file in a temporary program folder. Helpers act as a player does.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>

#include "platform/headless_host.h"
#include "platform/profile.h"
#include "ui/main_app.h"
#include "ui/top_window_dlg.h"

namespace kerumina::ui {

// A click on the button, check box or radio button with this id, which must take it.
inline void Press(platform::CDialog& dialog, int id) {
  platform::Control* control = dialog.GetDlgItem(id);
  bool taken = false;
  if (auto* button = dynamic_cast<platform::Button*>(control)) taken = button->UserClick();
  if (auto* check = dynamic_cast<platform::CheckBox*>(control)) taken = check->UserClick();
  if (auto* radio = dynamic_cast<platform::RadioButton*>(control)) taken = radio->UserClick();
  EXPECT_TRUE(taken) << "no live button with id " << id;
}

inline void Type(platform::CDialog& dialog, int id, std::string_view text) {
  EXPECT_TRUE(dialog.Item<platform::Edit>(id).UserType(text)) << id;
}

// The choice of the combo box item that carries this data, or that shows this text.
inline void ChooseData(platform::CDialog& dialog, int id, platform::ItemData data) {
  auto& combo = dialog.Item<platform::ComboBox>(id);
  for (int i = 0; i < combo.GetCount(); ++i)
    if (combo.GetItemData(i) == data) return void(combo.UserChoose(i));
  ADD_FAILURE() << "no item with data " << data << " in " << id;
}

inline void ChooseText(platform::CDialog& dialog, int id, std::string_view text) {
  auto& combo = dialog.Item<platform::ComboBox>(id);
  const int found = combo.FindStringExact(-1, text);
  EXPECT_NE(found, platform::ComboBox::NONE) << text;
  combo.UserChoose(found);
}

inline std::string Selected(platform::CDialog& dialog, int id) {
  auto& combo = dialog.Item<platform::ComboBox>(id);
  return combo.GetText(combo.GetCurSel());
}

inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previousDirectory_ = std::filesystem::current_path();
    folder = std::filesystem::temp_directory_path() /
             ("kerumina-ui-" + std::to_string(::getpid()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    iniPath = folder / "kerumina.ini";
    host = platform::HeadlessHost((folder / "kerumina").string());
  }
  void TearDown() override {
    std::filesystem::current_path(previousDirectory_);
    std::filesystem::remove_all(folder);
  }
  // Runs the whole program; script acts while the launcher is up (Escape follows if needed).
  void RunProgram(const std::function<void(CTopWindowDlg&)>& script) {
    bool ran = false;
    host.ScriptModal([&](platform::CDialog& dialog) {
      ran = true;
      script(dynamic_cast<CTopWindowDlg&>(dialog));
    });
    CMainApp app(host);
    EXPECT_FALSE(app.InitInstance());
    EXPECT_TRUE(ran);
  }
  void WriteIni(const std::string& text) const { std::ofstream(iniPath, std::ios::binary) << text; }
  int Setting(const char* section, const char* key, int defaultValue = -999) const {
    platform::Profile profile;
    profile.SetPath(iniPath.string());
    return profile.GetProfileInt(section, key, defaultValue);
  }

  std::filesystem::path folder;  // the program's folder, removed after the test
  std::filesystem::path iniPath;
  platform::HeadlessHost host{""};

 private:
  std::filesystem::path previousDirectory_;
};

template <class Window>
class WindowTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    app = std::make_unique<CMainApp>(host);
    app->PrepareSettings();
  }
  void TearDown() override {
    Close();
    app.reset();
    ShellTest::TearDown();
  }
  Window& Open() {
    window_ = std::make_unique<Window>(*app);
    EXPECT_TRUE(window_->CreateToolWindow());
    window_->ShowToolWindow(platform::SHOW_SHOW);
    return *window_;
  }
  // Ends the window as the program's end does (it saves its settings).
  void Close() {
    if (window_) window_->DestroyWindow();
    window_.reset();
  }
  Window& window() { return *window_; }

  std::unique_ptr<CMainApp> app;

 private:
  std::unique_ptr<Window> window_;
};

}  // namespace kerumina::ui
