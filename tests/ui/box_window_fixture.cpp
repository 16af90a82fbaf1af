#include "tests/ui/box_window_fixture.h"

#include <fstream>
#include <sstream>

#include "calc/stats.h"
#include "res/data_edit_dlg.h"

namespace kerumina::ui {

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

void BoxWindowTest::WriteBoxFile(const std::vector<box::BoxEntry>& entries) const {
  auto image = std::make_unique<box::Box>();
  std::copy(entries.begin(), entries.end(), image->entries.begin());
  ASSERT_TRUE(box::SaveBox(*image, app->BoxFilePath()));
}

std::string BoxWindowTest::BoxFileBytes() const {
  std::stringstream bytes;
  bytes << std::ifstream(app->BoxFilePath(), std::ios::binary).rdbuf();
  return bytes.str();
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

void BoxWindowTest::RegisterNew(std::string_view name, data::SpeciesId species) {
  Click(window(), res::IDC_DAMAGE_ADD);
  Type(editor(), res::IDC_DATAEDIT_NAME, name);
  ChooseData(editor(), res::IDC_DATAEDIT_SPECIES, species);
  Click(editor(), res::IDC_DATAEDIT_SIX_V);
  host.ScriptMessageBoxAnswer(platform::ID_YES);
  Click(editor(), res::IDC_DATAEDIT_REGISTER);
}

std::vector<std::string> BoxWindowTest::ListNames() {
  auto& list = window().Item<platform::ListView>(res::IDC_DAMAGE_BOX_LIST);
  std::vector<std::string> names;
  for (int row = 0; row < list.GetItemCount(); ++row) names.push_back(list.GetItemText(row, 0));
  return names;
}

}  // namespace kerumina::ui
