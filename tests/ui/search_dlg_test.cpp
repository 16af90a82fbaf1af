#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "data/learnsets.h"
#include "data/species_detail.h"
#include "res/data_view_dlg.h"
#include "res/search_dlg.h"
#include "tests/ui/window_fixture.h"
#include "ui/search_dlg.h"

namespace kerumina::ui {
namespace {

using platform::ComboBox;
using platform::ItemData;
using platform::ListView;
using res::SEARCH_MOVE_ROWS;
using Texts = std::vector<std::string>;

ListView& Results(CSearchDlg& dlg) {
  return dlg.Item<ListView>(res::IDC_SEARCH_RESULTS);
}

std::vector<int> Selections(CSearchDlg& dlg) {
  std::vector<int> positions;
  for (const auto& control : dlg.controls())
    if (auto* box = dynamic_cast<ComboBox*>(control.get())) positions.push_back(box->GetCurSel());
  return positions;
}

// A move chosen as the window offers it: its type first, then the move.
void ChooseMove(CSearchDlg& dlg, int row, data::MoveId move) {
  ChooseData(dlg, SEARCH_MOVE_ROWS[row].type, data::Move(move).type + 1);
  ChooseData(dlg, SEARCH_MOVE_ROWS[row].move, move);
}

using SearchDlgTest = ShellTest;

// Every change re-runs the search; a chosen move matches by a ticked method only.
TEST_F(SearchDlgTest, MethodBoxesDecideTheMoveFilterAndHeadingsSort) {
  const data::MoveId move = data::MACHINE_LIST_DPPT[0] - 1;
  RunProgram([&](CTopWindowDlg& launcher) {
    CSearchDlg& dlg = *launcher.searchDlg();
    ASSERT_EQ(Results(dlg).GetItemCount(), 505);  // in number order, without the eggs
    for (int i = 0; i < 505; ++i) EXPECT_EQ(Results(dlg).GetItemData(i), i < 493 ? i : i + 2);
    ChooseMove(dlg, 1, move);
    EXPECT_EQ(Results(dlg).GetItemCount(), 0);
    Press(dlg, res::IDC_SEARCH_MACHINE);                      // alone, without any version box
    const search::SearchConditions c = dlg.ReadConditions();  // the rows themselves: tests/search
    EXPECT_TRUE(c.methods.machine && !c.methods.levelUp && !c.versions.dp && c.moves[1] == move);
    EXPECT_EQ(Results(dlg).GetItemCount(), static_cast<int>(search::RunSearch(c).size()));
    EXPECT_GT(Results(dlg).GetItemCount(), 0);
    ChooseData(dlg, SEARCH_MOVE_ROWS[1].type, 2);  // a new type resets the row
    EXPECT_EQ(Results(dlg).GetItemCount(), 505);

    // Headings sort, again descending; equal speeds keep species order; names sort by number.
    ListView& results = Results(dlg);
    ListView& moves = dlg.detailView()->Item<ListView>(res::IDC_DATAVIEW_MOVES);
    for (int sign : {1, -1}) {
      results.UserClickColumn(11);
      std::vector<std::pair<int, ItemData>> rows;
      for (int i = 0; i < results.GetItemCount(); ++i)
        rows.emplace_back(sign * std::stoi(results.GetItemText(i, 11)), results.GetItemData(i));
      EXPECT_TRUE(std::ranges::is_sorted(rows)) << sign;
      moves.UserClickColumn(2);
      std::vector<ItemData> ids;
      for (int i = 0; i < moves.GetItemCount(); ++i)
        ids.push_back(sign * (moves.GetItemData(i) % 10000));
      EXPECT_TRUE(std::ranges::is_sorted(ids)) << sign;
    }
  });
}

// A hand-edited file's positions beyond the lists give the first entry or the default species.
TEST_F(SearchDlgTest, EveryChoiceSurvivesARestart) {
  std::vector<int> positions;
  RunProgram([&](CTopWindowDlg& launcher) {
    CSearchDlg& dlg = *launcher.searchDlg();
    for (int id : {res::IDC_SEARCH_ALL_MODE, res::IDC_SEARCH_EGG, res::IDC_SEARCH_HGSS})
      Press(dlg, id);
    int k = 0;  // every picker off its first entry (a move row's type comes before its move)
    for (const auto& control : dlg.controls())
      if (auto* box = dynamic_cast<ComboBox*>(control.get()))
        box->UserChoose(1 + ++k % (box->GetCount() - 1));
    positions = Selections(dlg);
    ASSERT_EQ(std::ranges::count(positions, 0), 0);
    CDataViewDlg& detail = *dlg.detailView();
    Press(detail, res::IDC_DATAVIEW_LEVEL_UP);
    detail.Item<ComboBox>(res::IDC_DATAVIEW_LEVEL).UserChoose(0);
    detail.Item<ComboBox>(res::IDC_DATAVIEW_CATEGORY).UserChoose(2);
    detail.ShowSpecies(132);
  });
  RunProgram([&](CTopWindowDlg& launcher) {
    CSearchDlg& dlg = *launcher.searchDlg();
    EXPECT_EQ(Selections(dlg), positions);
    const search::SearchConditions c = dlg.ReadConditions();
    EXPECT_FALSE(c.anyMode);
    EXPECT_TRUE(c.methods.egg && !c.methods.machine && c.versions.hgss && !c.versions.dp);
    CDataViewDlg& detail = *dlg.detailView();
    EXPECT_EQ(detail.number, 132);
    EXPECT_EQ(detail.IsDlgButtonChecked(res::IDC_DATAVIEW_LEVEL_UP), 0);
    EXPECT_EQ(detail.IsDlgButtonChecked(res::IDC_DATAVIEW_MACHINE), 1);
    EXPECT_EQ(detail.Item<ComboBox>(res::IDC_DATAVIEW_LEVEL).GetCurSel(), 0);
    EXPECT_EQ(detail.Item<ComboBox>(res::IDC_DATAVIEW_CATEGORY).GetCurSel(), 2);
  });
  WriteIni(
      "[Main]\nVersion=60\n[Search]\ncombo_u1=12\ncombo_t1=-3\ncombo_wn1=900\n"
      "[DataView]\nnumber=4000\ntype=18\n");
  RunProgram([&](CTopWindowDlg& launcher) {
    EXPECT_EQ(Selections(*launcher.searchDlg()), std::vector<int>(25, 0));
    EXPECT_EQ(launcher.searchDlg()->detailView()->number, 1);
    EXPECT_EQ(Selected(*launcher.searchDlg()->detailView(), res::IDC_DATAVIEW_MOVE_TYPE),
              "指定無し");
  });
}

// A click on a result (not beside the columns) opens the hidden detail view at that species:
// header (species 1, base 60 62 63 80 80 60), stats at a level, evolution line, moves.
TEST_F(SearchDlgTest, ResultOpensTheDetailView) {
  RunProgram([&](CTopWindowDlg& launcher) {
    CSearchDlg& search = *launcher.searchDlg();
    CDataViewDlg& dlg = *search.detailView();
    dlg.ShowSpecies(0);  // so that the click must change it
    Results(search).UserClickItem(1, -1);
    EXPECT_FALSE(dlg.IsWindowVisible());
    Results(search).UserClickItem(1, 3);
    EXPECT_TRUE(dlg.IsWindowVisible());
    Texts shown;
    for (int id : {res::IDC_DATAVIEW_NAME, res::IDC_DATAVIEW_TYPE2, res::IDC_DATAVIEW_FEMALE_RATIO,
                   res::IDC_DATAVIEW_PRE1, res::IDC_DATAVIEW_LEVEL_STATS[0],
                   res::IDC_DATAVIEW_LEVEL_STATS[3]})
      shown.push_back(dlg.GetDlgItemText(id));
    EXPECT_EQ(shown, (Texts{" フシギソウ", " どく", "12.5％", " フシギダネ", "120", "85"}));
    dlg.Item<ComboBox>(res::IDC_DATAVIEW_LEVEL).UserChoose(0);
    EXPECT_EQ(dlg.GetDlgItemText(res::IDC_DATAVIEW_LEVEL_STATS[0]), "12");
    Press(dlg, res::IDC_DATAVIEW_PRE1);
    Press(dlg, res::IDC_DATAVIEW_PRE1);  // species 0 has none: nothing happens
    EXPECT_EQ(dlg.number, 0);
    dlg.Item<ComboBox>(res::IDC_DATAVIEW_DESCENDANTS).UserChoose(1);
    Press(dlg, res::IDC_DATAVIEW_SHOW_DESCENDANT);
    EXPECT_EQ(dlg.number, 2);
    Press(dlg, res::IDC_DATAVIEW_SHOW_DESCENDANT);  // the list now starts at " － "
    EXPECT_EQ(dlg.number, 2);

    // The method column against the model's rows; both differences ticked: DP-PT, no "含進化前".
    data::MoveListOptions options;
    const auto expectRows = [&](data::SpeciesId s) {
      Texts shown, expected;
      const ListView& moves = dlg.Item<ListView>(res::IDC_DATAVIEW_MOVES);
      for (int i = 0; i < moves.GetItemCount(); ++i) shown.push_back(moves.GetItemText(i, 1));
      for (const auto& row : data::BuildLearnableMoves(s, options).rows)
        expected.push_back(row.method);
      EXPECT_EQ(shown, expected) << s;
    };
    dlg.ShowSpecies(291);  // its rows, 289's, then 290's from level 20 without machines
    expectRows(291);
    EXPECT_EQ(std::pair(dlg.pre1, dlg.pre2), std::pair(289, 290));
    Press(dlg, res::IDC_DATAVIEW_MACHINE);
    Press(dlg, res::IDC_DATAVIEW_DP);
    dlg.Item<ComboBox>(res::IDC_DATAVIEW_MOVE_TYPE).UserChoose(9);  // はがね
    options.machine = options.versions.dp = false;
    options.typeFilter = 9;
    expectRows(291);
    Press(dlg, res::IDC_DATAVIEW_PT_HGSS_DIFF);
    dlg.ShowSpecies(0);
    options.ptHgssDifference = true;
    expectRows(0);
    Press(dlg, res::IDC_DATAVIEW_DP_PT_DIFF);
    options.dpPtDifference = true;
    expectRows(0);
    EXPECT_FALSE(dlg.GetDlgItem(res::IDC_DATAVIEW_WITH_PRE)->IsWindowEnabled());
  });
}

}  // namespace
}  // namespace kerumina::ui
