// The whole program, or one tool window opened as the launcher opens it, headless, with its
// settings and box file in a temporary program folder. Helpers act as a player does.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "box/box.h"
#include "calc/stats.h"
#include "platform/headless_host.h"
#include "platform/profile.h"
#include "ui/damage_dlg.h"
#include "ui/main_app.h"
#include "ui/top_window_dlg.h"

namespace kerumina::ui {

// A click on the button, check box or radio button with this id; whether it was taken.
inline bool Press(platform::CDialog& dialog, int id) {
  platform::Control* control = dialog.GetDlgItem(id);
  if (auto* button = dynamic_cast<platform::Button*>(control)) return button->UserClick();
  if (auto* check = dynamic_cast<platform::CheckBox*>(control)) return check->UserClick();
  if (auto* radio = dynamic_cast<platform::RadioButton*>(control)) return radio->UserClick();
  ADD_FAILURE() << "no button with id " << id;
  return false;
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

// A valid entry: stats computed from all-31 IVs and no EVs at level 50.
inline box::BoxEntry MakeEntry(std::string_view name, data::SpeciesId species,
                               std::vector<data::MoveId> moves = {}) {
  box::BoxEntry entry{};
  box::SetNameUtf8(entry, name);
  entry.species = species;
  entry.level = 50;
  entry.ability = data::SPECIES_ABILITIES[species].ability1;
  data::StatBlock ivs;
  ivs.fill(31);
  std::ranges::copy(ivs, entry.iv);
  std::ranges::copy(calc::CalcStatBlock(species, 50, 0, ivs, data::StatBlock{}), entry.stat);
  moves.resize(4, data::NO_MOVE);
  std::ranges::copy(moves, entry.move);
  return entry;
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
  void Click(platform::CDialog& dialog, int id) { EXPECT_TRUE(Press(dialog, id)) << id; }

  std::unique_ptr<CMainApp> app;

 private:
  std::unique_ptr<Window> window_;
};

class BoxWindowTest : public WindowTest<CDamageDlg> {
 protected:
  void WriteBoxFile(const std::vector<box::BoxEntry>& entries) const {
    auto image = std::make_unique<box::Box>();
    std::ranges::copy(entries, image->entries.begin());
    ASSERT_TRUE(box::SaveBox(*image, app->BoxFilePath()));
  }
  CDataEditDlg& editor() { return *window().editDlg(); }
  platform::ListView& List() { return window().Item<platform::ListView>(res::IDC_DAMAGE_BOX_LIST); }
  void SelectRow(int row) { List().UserClickItem(row, 0); }
  // Selects the rows and presses "→攻撃側" and "→防御側" (a side of -1 is left alone).
  void SetSides(int attacker, int defender) {
    for (auto [row, button] : {std::pair{attacker, res::IDC_DAMAGE_TO_ATTACKER},
                               std::pair{defender, res::IDC_DAMAGE_TO_DEFENDER}}) {
      if (row < 0) continue;
      SelectRow(row);
      Click(window(), button);
    }
  }
  std::vector<std::string> ResultCells(int row) {
    return {window().GetDlgItemText(res::DAMAGE_MULTIPLIER[row]),
            window().GetDlgItemText(res::DAMAGE_RANGE[row]),
            window().GetDlgItemText(res::DAMAGE_HITS[row])};
  }
  std::vector<std::string> ListNames() {
    std::vector<std::string> names;
    for (int row = 0; row < List().GetItemCount(); ++row)
      names.push_back(List().GetItemText(row, 0));
    return names;
  }
};

}  // namespace kerumina::ui
