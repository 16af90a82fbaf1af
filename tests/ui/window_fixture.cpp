#include "tests/ui/window_fixture.h"

#include <unistd.h>

#include <fstream>
#include <sstream>

#include "calc/stats.h"
#include "platform/profile.h"

namespace kerumina::ui {

namespace fs = std::filesystem;
using platform::ComboBox;

bool Press(platform::CDialog& dialog, int id) {
  platform::Control* control = dialog.GetDlgItem(id);
  if (auto* button = dynamic_cast<platform::Button*>(control)) return button->UserClick();
  if (auto* check = dynamic_cast<platform::CheckBox*>(control)) return check->UserClick();
  if (auto* radio = dynamic_cast<platform::RadioButton*>(control)) return radio->UserClick();
  ADD_FAILURE() << "no button with id " << id;
  return false;
}

void Type(platform::CDialog& dialog, int id, std::string_view text) {
  EXPECT_TRUE(dialog.Item<platform::Edit>(id).UserType(text)) << id;
}

void ChooseData(platform::CDialog& dialog, int id, platform::ItemData data) {
  auto& combo = dialog.Item<ComboBox>(id);
  for (int i = 0; i < combo.GetCount(); ++i) {
    if (combo.GetItemData(i) == data) return void(combo.UserChoose(i));
  }
  ADD_FAILURE() << "no item with data " << data << " in " << id;
}

void ChooseText(platform::CDialog& dialog, int id, std::string_view text) {
  auto& combo = dialog.Item<ComboBox>(id);
  const int found = combo.FindStringExact(-1, text);
  EXPECT_NE(found, ComboBox::NONE) << text;
  combo.UserChoose(found);
}

std::string Selected(platform::CDialog& dialog, int id) {
  auto& combo = dialog.Item<ComboBox>(id);
  return combo.GetText(combo.GetCurSel());
}

std::string ReadFile(const fs::path& path) {
  std::stringstream text;
  text << std::ifstream(path, std::ios::binary).rdbuf();
  return text.str();
}

box::BoxEntry MakeEntry(std::string_view name, data::SpeciesId species,
                        std::vector<data::MoveId> moves) {
  box::BoxEntry entry{};
  box::SetNameUtf8(entry, name);
  entry.species = species;
  entry.level = 50;
  entry.ability = data::SPECIES_ABILITIES[species].ability1;
  data::StatBlock ivs;
  ivs.fill(31);
  const data::StatBlock stats = calc::CalcStatBlock(species, 50, 0, ivs, data::StatBlock{});
  for (int s = 0; s < data::STAT_COUNT; ++s) {
    entry.iv[s] = 31;
    entry.stat[s] = stats[s];
  }
  moves.resize(4, data::NO_MOVE);
  for (int k = 0; k < 4; ++k) entry.move[k] = moves[k];
  return entry;
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

void ShellTest::WriteIni(const std::string& text) const {
  std::ofstream(iniPath, std::ios::binary) << text;
}

int ShellTest::Setting(const char* section, const char* key, int defaultValue) const {
  platform::Profile profile;
  profile.SetPath(iniPath.string());
  return profile.GetProfileInt(section, key, defaultValue);
}

void BoxWindowTest::WriteBoxFile(const std::vector<box::BoxEntry>& entries) const {
  auto image = std::make_unique<box::Box>();
  std::copy(entries.begin(), entries.end(), image->entries.begin());
  ASSERT_TRUE(box::SaveBox(*image, app->BoxFilePath()));
}

void BoxWindowTest::SelectRow(int row) {
  window().Item<platform::ListView>(res::IDC_DAMAGE_BOX_LIST).UserClickItem(row, 0);
}

void BoxWindowTest::SetSides(int attacker, int defender) {
  for (auto [row, button] : {std::pair{attacker, res::IDC_DAMAGE_TO_ATTACKER},
                             std::pair{defender, res::IDC_DAMAGE_TO_DEFENDER}}) {
    if (row < 0) continue;
    SelectRow(row);
    Click(window(), button);
  }
}

std::vector<std::string> BoxWindowTest::ResultCells(int row) {
  return {window().GetDlgItemText(res::DAMAGE_MULTIPLIER[row]),
          window().GetDlgItemText(res::DAMAGE_RANGE[row]),
          window().GetDlgItemText(res::DAMAGE_HITS[row])};
}

std::vector<std::string> BoxWindowTest::ListNames() {
  auto& list = window().Item<platform::ListView>(res::IDC_DAMAGE_BOX_LIST);
  std::vector<std::string> names;
  for (int row = 0; row < list.GetItemCount(); ++row) names.push_back(list.GetItemText(row, 0));
  return names;
}

}  // namespace kerumina::ui
