#include "tests/ui/box_window_fixture.h"

#include <fstream>
#include <sstream>

#include "calc/stats.h"
#include "res/data_edit_dlg.h"

namespace kerumina::ui {

using platform::ComboBox;
using platform::ListView;

box::BoxEntry MakeEntry(std::string_view name, data::SpeciesId species,
                        std::vector<data::MoveId> moves) {
  box::BoxEntry entry{};
  box::SetNameUtf8(entry, name);
  entry.species = species;
  entry.level = 50;
  entry.ability = data::SPECIES_ABILITIES[species].ability1;
  for (int s = 0; s < data::STAT_COUNT; ++s) entry.iv[s] = 31;
  data::StatBlock ivs;
  ivs.fill(31);
  const data::StatBlock stats = calc::CalcStatBlock(species, 50, 0, ivs, data::StatBlock{});
  for (int s = 0; s < data::STAT_COUNT; ++s) entry.stat[s] = stats[s];
  for (int k = 0; k < 4; ++k) {
    entry.move[k] = k < static_cast<int>(moves.size()) ? moves[k] : data::NO_MOVE;
  }
  return entry;
}

void BoxWindowTest::SetUp() {
  ShellTest::SetUp();
  app = std::make_unique<CMainApp>(host);
  app->PrepareSettings();
}

void BoxWindowTest::TearDown() {
  Close();
  app.reset();
  ShellTest::TearDown();
}

void BoxWindowTest::WriteBoxFile(const std::vector<box::BoxEntry>& entries) const {
  auto image = std::make_unique<box::Box>();
  for (std::size_t i = 0; i < entries.size(); ++i) image->entries[i] = entries[i];
  ASSERT_TRUE(box::SaveBox(*image, app->BoxFilePath()));
}

std::string BoxWindowTest::BoxFileBytes() const {
  std::stringstream bytes;
  bytes << std::ifstream(app->BoxFilePath(), std::ios::binary).rdbuf();
  return bytes.str();
}

void BoxWindowTest::Open() {
  window_ = std::make_unique<CDamageDlg>(*app);
  ASSERT_TRUE(window_->CreateToolWindow());
  window_->ShowToolWindow(platform::SHOW_SHOW);
}

void BoxWindowTest::Close() {
  if (!window_) return;
  window_->DestroyWindow();
  window_.reset();
}

void BoxWindowTest::Click(platform::CDialog& dialog, int id) {
  EXPECT_TRUE(Press(dialog, id)) << id;
}

void BoxWindowTest::Type(platform::CDialog& dialog, int id, std::string_view text) {
  EXPECT_TRUE(dialog.Item<platform::Edit>(id).UserType(text)) << id;
}

void BoxWindowTest::ChooseText(platform::CDialog& dialog, int id, std::string_view text) {
  auto& combo = dialog.Item<ComboBox>(id);
  int found = combo.FindStringExact(-1, text);
  ASSERT_NE(found, ComboBox::NONE) << text;
  combo.UserChoose(found);
}

std::string BoxWindowTest::Selected(platform::CDialog& dialog, int id) {
  auto& combo = dialog.Item<ComboBox>(id);
  return combo.GetText(combo.GetCurSel());
}

void BoxWindowTest::SelectRow(int row) {
  window().Item<ListView>(res::IDC_DAMAGE_BOX_LIST).UserClickItem(row, 0);
}

void BoxWindowTest::SetAttacker(int row) {
  SelectRow(row);
  Click(window(), res::IDC_DAMAGE_TO_ATTACKER);
}

void BoxWindowTest::SetDefender(int row) {
  SelectRow(row);
  Click(window(), res::IDC_DAMAGE_TO_DEFENDER);
}

std::vector<std::string> BoxWindowTest::ResultCells(int row) {
  return {window().GetDlgItemText(res::DAMAGE_MULTIPLIER[row]),
          window().GetDlgItemText(res::DAMAGE_RANGE[row]),
          window().GetDlgItemText(res::DAMAGE_HITS[row])};
}

void BoxWindowTest::RegisterNew(std::string_view name, data::SpeciesId species) {
  Click(window(), res::IDC_DAMAGE_ADD);
  Type(editor(), res::IDC_DATAEDIT_NAME, name);
  ChooseData(editor(), res::IDC_DATAEDIT_SPECIES, species);
  Click(editor(), res::IDC_DATAEDIT_SIX_V);
  host.ScriptMessageBoxAnswer(platform::ID_YES);
  Click(editor(), res::IDC_DATAEDIT_REGISTER);
}

std::vector<std::string> BoxWindowTest::ListNames() {
  auto& list = window().Item<ListView>(res::IDC_DAMAGE_BOX_LIST);
  std::vector<std::string> names;
  for (int row = 0; row < list.GetItemCount(); ++row) names.push_back(list.GetItemText(row, 0));
  return names;
}

}  // namespace kerumina::ui
