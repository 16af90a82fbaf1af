// The species detail view driven as a user would: header, stats and evolution buttons, the
// move filters and difference modes, sorting, and the settings it keeps.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "data/species_detail.h"
#include "res/data_view_dlg.h"
#include "tests/ui/shell_fixture.h"
#include "ui/search_dlg.h"

namespace kerumina::ui {
namespace {

using platform::ComboBox;
using platform::ListView;

ListView& Moves(CDataViewDlg& dlg) {
  return dlg.Item<ListView>(res::IDC_DATAVIEW_MOVES);
}

std::vector<std::string> Texts(CDataViewDlg& dlg, std::initializer_list<int> ids) {
  std::vector<std::string> texts;
  for (int id : ids) texts.push_back(dlg.GetDlgItemText(id));
  return texts;
}

// The list's method column against the rows the model builds for these options.
void ExpectRows(CDataViewDlg& dlg, data::SpeciesId s, const data::MoveListOptions& options) {
  std::vector<std::string> shown;
  std::vector<std::string> expected;
  for (int i = 0; i < Moves(dlg).GetItemCount(); ++i) shown.push_back(Moves(dlg).GetItemText(i, 1));
  for (const auto& row : data::BuildLearnableMoves(s, options).rows) expected.push_back(row.method);
  EXPECT_EQ(shown, expected);
}

using DataViewDlgTest = ShellTest;

TEST_F(DataViewDlgTest, HeaderStatsAndEvolutionButtons) {
  RunProgram([&](CTopWindowDlg& launcher) {
    CDataViewDlg& dlg = *launcher.searchDlg()->detailView();
    // First start: species 1 at level 50 (base 60 62 63 80 80 60).
    EXPECT_EQ(
        Texts(dlg, {res::IDC_DATAVIEW_NAME, res::IDC_DATAVIEW_TYPE2, res::IDC_DATAVIEW_ABILITY2,
                    res::IDC_DATAVIEW_FEMALE_RATIO, res::IDC_DATAVIEW_PRE1, res::IDC_DATAVIEW_PRE2,
                    res::IDC_DATAVIEW_LEVEL_STATS[0], res::IDC_DATAVIEW_LEVEL_STATS[3]}),
        (std::vector<std::string>{" フシギソウ", " どく", "－", "12.5％", " フシギダネ", " －",
                                  "120", "85"}));
    dlg.Item<ComboBox>(res::IDC_DATAVIEW_LEVEL).UserChoose(0);
    EXPECT_EQ(dlg.GetDlgItemText(res::IDC_DATAVIEW_LEVEL_STATS[0]), "12");
    Press(dlg, res::IDC_DATAVIEW_PRE1);
    Press(dlg, res::IDC_DATAVIEW_PRE1);  // species 0 has none: nothing happens
    EXPECT_EQ(dlg.number, 0);
    ComboBox& descendants = dlg.Item<ComboBox>(res::IDC_DATAVIEW_DESCENDANTS);
    descendants.UserChoose(1);
    Press(dlg, res::IDC_DATAVIEW_SHOW_DESCENDANT);
    EXPECT_EQ(dlg.number, 2);
    EXPECT_EQ(descendants.GetText(0), " － ");
    Press(dlg, res::IDC_DATAVIEW_SHOW_DESCENDANT);
    EXPECT_EQ(dlg.number, 2);
    dlg.ShowSpecies(291);  // base HP 1 follows the same formula
    EXPECT_EQ(Texts(dlg, {res::IDC_DATAVIEW_FEMALE_RATIO, res::IDC_DATAVIEW_LEVEL_STATS[0]}),
              (std::vector<std::string>{"－", "11"}));
  });
}

TEST_F(DataViewDlgTest, MoveListFollowsTheBoxesAndTheDifferenceModes) {
  RunProgram([&](CTopWindowDlg& launcher) {
    CDataViewDlg& dlg = *launcher.searchDlg()->detailView();
    data::MoveListOptions options;
    dlg.ShowSpecies(291);  // its rows, 289's, then 290's from level 20 without machines
    ExpectRows(dlg, 291, options);
    EXPECT_EQ(std::pair(dlg.pre1, dlg.pre2), std::pair(289, 290));
    EXPECT_EQ(dlg.GetDlgItemText(res::IDC_DATAVIEW_PRE2), " －");
    EXPECT_EQ(Moves(dlg).GetItemData(0),
              data::RowKey(data::BuildLearnableMoves(291, options).rows[0]));

    Press(dlg, res::IDC_DATAVIEW_MACHINE);
    Press(dlg, res::IDC_DATAVIEW_DP);
    dlg.Item<ComboBox>(res::IDC_DATAVIEW_MOVE_TYPE).UserChoose(9);  // はがね
    options.machine = options.versions.dp = false;
    options.typeFilter = 9;
    ExpectRows(dlg, 291, options);

    Press(dlg, res::IDC_DATAVIEW_PT_HGSS_DIFF);
    dlg.ShowSpecies(0);
    options.ptHgssDifference = true;
    ExpectRows(dlg, 0, options);
    EXPECT_EQ(dlg.pre1, 0);  // the species itself fills the empty first slot
    EXPECT_TRUE(dlg.GetDlgItem(res::IDC_DATAVIEW_LEVEL_UP)->IsWindowEnabled());

    Press(dlg, res::IDC_DATAVIEW_DP_PT_DIFF);  // both ticked: DP-PT wins
    options.dpPtDifference = true;
    ExpectRows(dlg, 0, options);
    EXPECT_FALSE(dlg.GetDlgItem(res::IDC_DATAVIEW_WITH_PRE)->IsWindowEnabled());
    EXPECT_TRUE(dlg.GetDlgItem(res::IDC_DATAVIEW_PT_HGSS_DIFF)->IsWindowEnabled());
    Press(dlg, res::IDC_DATAVIEW_DP_PT_DIFF);
    EXPECT_TRUE(dlg.GetDlgItem(res::IDC_DATAVIEW_WITH_PRE)->IsWindowEnabled());
  });
}

TEST_F(DataViewDlgTest, ColumnSortAlternatesAndTheTargetColumnKeepsTheOrder) {
  RunProgram([&](CTopWindowDlg& launcher) {
    CDataViewDlg& dlg = *launcher.searchDlg()->detailView();
    const auto keys = [&] {
      std::vector<platform::ItemData> values;
      for (int i = 0; i < Moves(dlg).GetItemCount(); ++i)
        values.push_back(Moves(dlg).GetItemData(i));
      return values;
    };
    const auto moveIds = [&] {
      std::vector<platform::ItemData> ids = keys();
      for (auto& key : ids) key %= 10000;
      return ids;
    };
    Moves(dlg).UserClickColumn(2);  // the name column orders by move number
    EXPECT_TRUE(std::ranges::is_sorted(moveIds()));
    Moves(dlg).UserClickColumn(2);
    EXPECT_EQ(dlg.sortState, 0);
    const std::vector<platform::ItemData> descending = keys();
    EXPECT_TRUE(std::ranges::is_sorted(moveIds(), std::greater<>()));
    Moves(dlg).UserClickColumn(8);
    EXPECT_EQ(keys(), descending);
    EXPECT_EQ(dlg.sortState, 9);
    Moves(dlg).UserClickColumn(1);  // method class first, then the move
    EXPECT_TRUE(std::ranges::is_sorted(keys()));
  });
}

TEST_F(DataViewDlgTest, SettingsKeepTheLevelBoxAndTheLevelListApart) {
  RunProgram([&](CTopWindowDlg& launcher) {
    CDataViewDlg& dlg = *launcher.searchDlg()->detailView();
    Press(dlg, res::IDC_DATAVIEW_LEVEL_UP);
    dlg.Item<ComboBox>(res::IDC_DATAVIEW_LEVEL).UserChoose(0);
    dlg.Item<ComboBox>(res::IDC_DATAVIEW_CATEGORY).UserChoose(2);
    dlg.ShowSpecies(132);
  });
  EXPECT_EQ(Setting("DataView", "lv"), 0);
  EXPECT_EQ(Setting("DataView", "level"), 0);
  RunProgram([&](CTopWindowDlg& launcher) {
    CDataViewDlg& dlg = *launcher.searchDlg()->detailView();
    EXPECT_EQ(dlg.number, 132);
    EXPECT_EQ(dlg.IsDlgButtonChecked(res::IDC_DATAVIEW_LEVEL_UP), 0);
    EXPECT_EQ(dlg.IsDlgButtonChecked(res::IDC_DATAVIEW_MACHINE), 1);
    EXPECT_EQ(dlg.Item<ComboBox>(res::IDC_DATAVIEW_LEVEL).GetCurSel(), 0);
    EXPECT_EQ(dlg.Item<ComboBox>(res::IDC_DATAVIEW_CATEGORY).GetCurSel(), 2);
  });
  // A file from before the box had its own key keeps its level; a species number no table
  // has falls back to the default.
  WriteIni("[Main]\nVersion=60\n[DataView]\nlevel=9\nnumber=4000\ntype=18\n");
  RunProgram([&](CTopWindowDlg& launcher) {
    CDataViewDlg& dlg = *launcher.searchDlg()->detailView();
    EXPECT_EQ(dlg.Item<ComboBox>(res::IDC_DATAVIEW_LEVEL).GetCurSel(), 9);
    EXPECT_EQ(dlg.IsDlgButtonChecked(res::IDC_DATAVIEW_LEVEL_UP), 1);
    EXPECT_EQ(dlg.number, 1);
    EXPECT_EQ(dlg.Item<ComboBox>(res::IDC_DATAVIEW_MOVE_TYPE).GetCurSel(), 0);
  });
}

}  // namespace
}  // namespace kerumina::ui
