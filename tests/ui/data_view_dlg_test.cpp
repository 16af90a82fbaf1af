// The species detail view driven as a user would: the header and stats of a species, the
// evolution buttons, the move filters and difference modes, sorting, and its settings.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "data/species_detail.h"
#include "res/data_view_dlg.h"
#include "tests/ui/shell_fixture.h"
#include "ui/search_dlg.h"
#include "ui/top_window_dlg.h"

namespace kerumina::ui {
namespace {

using platform::CheckBox;
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

// The move list as (key, method text) pairs, which tell source, method and move apart.
std::vector<std::string> Methods(CDataViewDlg& dlg) {
  std::vector<std::string> methods;
  for (int i = 0; i < Moves(dlg).GetItemCount(); ++i) {
    methods.push_back(Moves(dlg).GetItemText(i, 1));
  }
  return methods;
}

std::vector<std::string> Expected(data::SpeciesId s, const data::MoveListOptions& options) {
  std::vector<std::string> methods;
  for (const auto& row : data::BuildLearnableMoves(s, options).rows) methods.push_back(row.method);
  return methods;
}

void Tick(CDataViewDlg& dlg, int id) {
  dlg.Item<CheckBox>(id).UserClick();
}

using DataViewDlgTest = ShellTest;

TEST_F(DataViewDlgTest, HeaderStatsAndEvolutionButtons) {
  RunProgram([&](CTopWindowDlg& launcher) {
    CDataViewDlg& dlg = *launcher.searchDlg()->detailView();
    // Defaults: species 1 at level 50, every box ticked.
    EXPECT_EQ(dlg.number, 1);
    EXPECT_EQ(dlg.Item<ComboBox>(res::IDC_DATAVIEW_LEVEL).GetText(49), " LV 50");
    EXPECT_EQ(
        Texts(dlg, {res::IDC_DATAVIEW_NAME, res::IDC_DATAVIEW_TYPE1, res::IDC_DATAVIEW_ABILITY2,
                    res::IDC_DATAVIEW_HATCH_STEPS, res::IDC_DATAVIEW_FEMALE_RATIO,
                    res::IDC_DATAVIEW_PRE1, res::IDC_DATAVIEW_PRE2}),
        (std::vector<std::string>{" フシギソウ", " くさ", "－", "5120歩", "12.5％", " フシギダネ",
                                  " －"}));
    // Base 60 62 63 80 80 60 at level 50.
    EXPECT_EQ(dlg.GetDlgItemText(res::IDC_DATAVIEW_BASE_STATS[5]), "60");
    EXPECT_EQ(dlg.GetDlgItemText(res::IDC_DATAVIEW_LEVEL_STATS[0]), "120");
    EXPECT_EQ(dlg.GetDlgItemText(res::IDC_DATAVIEW_LEVEL_STATS[3]), "85");
    dlg.Item<ComboBox>(res::IDC_DATAVIEW_LEVEL).UserChoose(0);
    EXPECT_EQ(dlg.GetDlgItemText(res::IDC_DATAVIEW_LEVEL_STATS[0]), "12");

    dlg.Item<platform::Button>(res::IDC_DATAVIEW_PRE1).UserClick();
    EXPECT_EQ(dlg.number, 0);
    EXPECT_EQ(Texts(dlg, {res::IDC_DATAVIEW_PRE1, res::IDC_DATAVIEW_PRE2}),
              (std::vector<std::string>{" －", " －"}));
    dlg.Item<platform::Button>(res::IDC_DATAVIEW_PRE1).UserClick();  // nothing to open
    EXPECT_EQ(dlg.number, 0);
    ComboBox& descendants = dlg.Item<ComboBox>(res::IDC_DATAVIEW_DESCENDANTS);
    ASSERT_EQ(descendants.GetCount(), 2);
    EXPECT_EQ(descendants.GetText(1), " フシギバナ");
    descendants.UserChoose(1);
    dlg.Item<platform::Button>(res::IDC_DATAVIEW_SHOW_DESCENDANT).UserClick();
    EXPECT_EQ(dlg.number, 2);
    EXPECT_EQ(descendants.GetText(0), " － ");
    dlg.Item<platform::Button>(res::IDC_DATAVIEW_SHOW_DESCENDANT).UserClick();
    EXPECT_EQ(dlg.number, 2);
    // The gender line 29..34 and a genderless species.
    dlg.ShowSpecies(30);
    EXPECT_EQ(dlg.GetDlgItemText(res::IDC_DATAVIEW_FEMALE_RATIO), "特殊");
    dlg.ShowSpecies(291);
    EXPECT_EQ(dlg.GetDlgItemText(res::IDC_DATAVIEW_FEMALE_RATIO), "－");
    EXPECT_EQ(dlg.GetDlgItemText(res::IDC_DATAVIEW_LEVEL_STATS[0]), "11");  // base HP 1, level 1
  });
}

TEST_F(DataViewDlgTest, MoveListFollowsTheBoxesAndTheDifferenceModes) {
  RunProgram([&](CTopWindowDlg& launcher) {
    CDataViewDlg& dlg = *launcher.searchDlg()->detailView();
    data::MoveListOptions options;
    dlg.ShowSpecies(291);
    // Its own rows, then 289's, then 290's from level 20 without machines.
    EXPECT_EQ(Methods(dlg), Expected(291, options));
    EXPECT_EQ(dlg.pre1, 289);
    EXPECT_EQ(dlg.pre2, 290);
    EXPECT_EQ(dlg.GetDlgItemText(res::IDC_DATAVIEW_PRE2), " －");
    EXPECT_EQ(Moves(dlg).GetItemData(0),
              data::RowKey(data::BuildLearnableMoves(291, options).rows[0]));

    Tick(dlg, res::IDC_DATAVIEW_MACHINE);
    Tick(dlg, res::IDC_DATAVIEW_DP);
    dlg.Item<ComboBox>(res::IDC_DATAVIEW_MOVE_TYPE).UserChoose(9);  // はがね, type 8
    options.machine = false;
    options.versions.dp = false;
    options.typeFilter = 9;
    EXPECT_EQ(Methods(dlg), Expected(291, options));

    Tick(dlg, res::IDC_DATAVIEW_PT_HGSS_DIFF);
    EXPECT_TRUE(dlg.GetDlgItem(res::IDC_DATAVIEW_LEVEL_UP)->IsWindowEnabled());
    options.ptHgssDifference = true;
    dlg.ShowSpecies(0);
    EXPECT_EQ(Methods(dlg), Expected(0, options));
    EXPECT_EQ(dlg.pre1, 0);  // the difference puts the species itself into the empty slot

    Tick(dlg, res::IDC_DATAVIEW_DP_PT_DIFF);  // both ticked: DP-PT wins
    for (int id :
         {res::IDC_DATAVIEW_LEVEL_UP, res::IDC_DATAVIEW_WITH_PRE, res::IDC_DATAVIEW_HGSS}) {
      EXPECT_FALSE(dlg.GetDlgItem(id)->IsWindowEnabled()) << id;
    }
    EXPECT_TRUE(dlg.GetDlgItem(res::IDC_DATAVIEW_PT_HGSS_DIFF)->IsWindowEnabled());
    options.dpPtDifference = true;
    EXPECT_EQ(Methods(dlg), Expected(0, options));
    Tick(dlg, res::IDC_DATAVIEW_DP_PT_DIFF);
    EXPECT_TRUE(dlg.GetDlgItem(res::IDC_DATAVIEW_LEVEL_UP)->IsWindowEnabled());
  });
}

TEST_F(DataViewDlgTest, ColumnSortAlternatesAndTheTargetColumnKeepsTheOrder) {
  RunProgram([&](CTopWindowDlg& launcher) {
    CDataViewDlg& dlg = *launcher.searchDlg()->detailView();
    const auto numbers = [&] {
      std::vector<int> values;
      for (int i = 0; i < Moves(dlg).GetItemCount(); ++i) {
        values.push_back(std::stoi(Moves(dlg).GetItemText(i, 0)));
      }
      return values;
    };
    Moves(dlg).UserClickColumn(2);  // the name column orders by move number
    std::vector<int> ascending = numbers();
    EXPECT_TRUE(std::is_sorted(ascending.begin(), ascending.end()));
    Moves(dlg).UserClickColumn(2);
    std::vector<int> descending = numbers();
    EXPECT_TRUE(std::is_sorted(descending.rbegin(), descending.rend()));
    Moves(dlg).UserClickColumn(8);
    EXPECT_EQ(numbers(), descending);
    EXPECT_EQ(dlg.sortState, 9);
    Moves(dlg).UserClickColumn(8);
    EXPECT_EQ(dlg.sortState, 0);
    // The method column: level-up rows first, egg rows last.
    Moves(dlg).UserClickColumn(1);
    EXPECT_LT(Moves(dlg).GetItemData(0), 10000);
    EXPECT_GE(Moves(dlg).GetItemData(Moves(dlg).GetItemCount() - 1), 30000);
  });
}

TEST_F(DataViewDlgTest, SettingsKeepTheLevelBoxAndTheLevelListApart) {
  RunProgram([&](CTopWindowDlg& launcher) {
    CDataViewDlg& dlg = *launcher.searchDlg()->detailView();
    Tick(dlg, res::IDC_DATAVIEW_LEVEL_UP);
    Tick(dlg, res::IDC_DATAVIEW_SPECIAL);
    dlg.Item<ComboBox>(res::IDC_DATAVIEW_LEVEL).UserChoose(0);
    dlg.Item<ComboBox>(res::IDC_DATAVIEW_CATEGORY).UserChoose(2);
    dlg.ShowSpecies(132);
  });
  EXPECT_EQ(Setting("DataView", "lv"), 0);
  EXPECT_EQ(Setting("DataView", "level"), 0);
  EXPECT_EQ(Setting("DataView", "sp"), 0);
  EXPECT_EQ(Setting("DataView", "number"), 132);
  RunProgram([&](CTopWindowDlg& launcher) {
    CDataViewDlg& dlg = *launcher.searchDlg()->detailView();
    EXPECT_EQ(dlg.number, 132);
    EXPECT_EQ(dlg.IsDlgButtonChecked(res::IDC_DATAVIEW_LEVEL_UP), 0);
    EXPECT_EQ(dlg.IsDlgButtonChecked(res::IDC_DATAVIEW_MACHINE), 1);
    EXPECT_EQ(dlg.Item<ComboBox>(res::IDC_DATAVIEW_LEVEL).GetCurSel(), 0);
    EXPECT_EQ(dlg.Item<ComboBox>(res::IDC_DATAVIEW_CATEGORY).GetCurSel(), 2);
    EXPECT_EQ(dlg.Item<ComboBox>(res::IDC_DATAVIEW_DESCENDANTS).GetCount(), 7);
  });
  // A file written before the box had its own key keeps its level; a species number from
  // a hand-edited file that no table has falls back to the default.
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
