#include "tests/ui/shell_fixture.h"

#include <unistd.h>

#include <fstream>
#include <sstream>

#include "platform/profile.h"

namespace kerumina::ui {

namespace fs = std::filesystem;

bool Press(platform::CDialog& dialog, int id) {
  platform::Control* control = dialog.GetDlgItem(id);
  if (auto* button = dynamic_cast<platform::Button*>(control)) return button->UserClick();
  if (auto* check = dynamic_cast<platform::CheckBox*>(control)) return check->UserClick();
  if (auto* radio = dynamic_cast<platform::RadioButton*>(control)) return radio->UserClick();
  ADD_FAILURE() << "no button with id " << id;
  return false;
}

void ChooseData(platform::CDialog& dialog, int id, platform::ItemData data) {
  auto& combo = dialog.Item<platform::ComboBox>(id);
  for (int i = 0; i < combo.GetCount(); ++i) {
    if (combo.GetItemData(i) == data) return void(combo.UserChoose(i));
  }
  ADD_FAILURE() << "no item with data " << data << " in " << id;
}

void ShellTest::SetUp() {
  previousDirectory_ = fs::current_path();
  folder =
      fs::temp_directory_path() / ("kerumina-ui-" + std::to_string(::getpid()) + "-" +
                                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
  fs::remove_all(folder);
  fs::create_directories(folder);
  iniPath = folder / "kerumina.ini";
  host = platform::HeadlessHost((folder / "kerumina").string());
}

void ShellTest::TearDown() {
  fs::current_path(previousDirectory_);
  fs::remove_all(folder);
}

void ShellTest::RunProgram(const std::function<void(CTopWindowDlg&)>& script) {
  bool ran = false;
  host.ScriptModal([&](platform::CDialog& dialog) {
    ran = true;
    script(dynamic_cast<CTopWindowDlg&>(dialog));
  });
  CMainApp app(host);
  EXPECT_FALSE(app.InitInstance());
  EXPECT_TRUE(ran);
}

std::string ShellTest::IniText() const {
  std::stringstream text;
  text << std::ifstream(iniPath, std::ios::binary).rdbuf();
  return text.str();
}

void ShellTest::WriteIni(const std::string& text) const {
  std::ofstream(iniPath, std::ios::binary) << text;
}

int ShellTest::Setting(const char* section, const char* key, int defaultValue) const {
  platform::Profile profile;
  profile.SetPath(iniPath.string());
  return profile.GetProfileInt(section, key, defaultValue);
}

platform::Rect ShellTest::SavedRect(const char* section) const {
  return {Setting(section, "left"), Setting(section, "top"), Setting(section, "right"),
          Setting(section, "bottom")};
}

std::vector<int> ShellTest::SavedShowFlags() const {
  std::vector<int> flags;
  for (const char* section : {"Search", "DataView", "ParaCheck", "Damage"}) {
    flags.push_back(Setting(section, "show"));
  }
  return flags;
}

}  // namespace kerumina::ui
