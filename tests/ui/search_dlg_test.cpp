// The search window and its species detail view driven as a user would, through the whole
// program: pickers, boxes, the lists with their sorting and opening, the settings they keep.
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
  for (const auto& control : dlg.controls()) {
    if (auto* box = dynamic_cast<ComboBox*>(control.get())) positions.push_back(box->GetCurSel());
  }
  return positions;
}

Texts MoveFields(CSearchDlg& dlg, int row) {
  const res::SearchMoveRowIds& r = SEARCH_MOVE_ROWS[row];
  Texts fields;
  for (int id : {r.power, r.accuracy, r.pp, r.category, r.target, r.effect})
    fields.push_back(dlg.GetDlgItemText(id));
  return fields;
}

// A move chosen as the window offers it: its type first, then the move.
void ChooseMove(CSearchDlg& dlg, int row, data::MoveId move) {
  ChooseData(dlg, SEARCH_MOVE_ROWS[row].type, data::Move(move).type + 1);
  ChooseData(dlg, SEARCH_MOVE_ROWS[row].move, move);
}

using SearchDlgTest = ShellTest;

// Every change re-runs the search; a chosen move matches by a ticked method only; a new
// type resets its row, and the clear button the rows but not the boxes.
TEST_F(SearchDlgTest, MethodBoxesDecideTheMoveFilterAndTheRowShowsTheMove) {
  const data::MoveId move = data::MACHINE_LIST_DPPT[0] - 1;
  RunProgram([&](CTopWindowDlg& launcher) {
    CSearchDlg& dlg = *launcher.searchDlg();
    ASSERT_EQ(Results(dlg).GetItemCount(), 505);  // in number order, without the eggs
    for (int i = 0; i < 505; ++i) EXPECT_EQ(Results(dlg).GetItemData(i), i < 493 ? i : i + 2);
    ChooseMove(dlg, 1, 0);
    EXPECT_EQ(MoveFields(dlg, 1), (Texts{"40", "100", "35", "物理", "単体", " 0"}));
    EXPECT_EQ(Results(dlg).GetItemCount(), 0);
    ChooseMove(dlg, 1, move);
    Press(dlg, res::IDC_SEARCH_MACHINE);  // alone, without any version box
    ASSERT_GT(Results(dlg).GetItemCount(), 0);
    for (int i = 0; i < Results(dlg).GetItemCount(); ++i) {
      auto s = static_cast<data::SpeciesId>(Results(dlg).GetItemData(i));
      bool learns = false;
      for (; s != data::NO_SPECIES && !learns; s = data::PreEvolutionOf(s))
        learns = data::ByMachine(data::MACHINE_LIST_DPPT, data::MACHINE_COMPAT_DPPT, s, move);
      EXPECT_TRUE(learns) << Results(dlg).GetItemText(i, 1);
    }
    ChooseData(dlg, SEARCH_MOVE_ROWS[1].type, 2);
    EXPECT_EQ(Selected(dlg, SEARCH_MOVE_ROWS[1].move), " 無指定");
    EXPECT_EQ(MoveFields(dlg, 1), Texts(6, " - "));
    ChooseMove(dlg, 3, move);
    Press(dlg, res::IDC_SEARCH_CLEAR_MOVES);
    EXPECT_EQ(Selections(dlg), std::vector<int>(25, 0));
    EXPECT_EQ(dlg.IsDlgButtonChecked(res::IDC_SEARCH_MACHINE), 1);
    EXPECT_EQ(Results(dlg).GetItemCount(), 505);
  });
}

// A heading sorts by its column, a second click descending; equal speeds keep the species
// order. The detail view's name column orders by move number.
TEST_F(SearchDlgTest, HeadingsSortBothWays) {
  RunProgram([&](CTopWindowDlg& launcher) {
    ListView& results = Results(*launcher.searchDlg());
    ListView& moves = launcher.searchDlg()->detailView()->Item<ListView>(res::IDC_DATAVIEW_MOVES);
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

// Positions a hand-edited file names beyond the lists select the first entry, a species
// number beyond the tables the default one.
TEST_F(SearchDlgTest, EveryChoiceSurvivesARestart) {
  std::vector<int> positions;
  RunProgram([&](CTopWindowDlg& launcher) {
    CSearchDlg& dlg = *launcher.searchDlg();
    for (int id : {res::IDC_SEARCH_ALL_MODE, res::IDC_SEARCH_EGG, res::IDC_SEARCH_HGSS})
      Press(dlg, id);
    ChooseMove(dlg, 2, 55);
    for (const auto& [id, position] : {std::pair{res::IDC_SEARCH_UPPER_FIRST + 3, 4},
                                       {res::IDC_SEARCH_LOWER_FIRST + 5, 9},
                                       {res::IDC_SEARCH_TYPE2, 17},
                                       {res::IDC_SEARCH_ABILITY, 123},
                                       {res::IDC_SEARCH_EGG_GROUP, 3},
                                       {res::IDC_SEARCH_RULE, 6}}) {
      dlg.Item<ComboBox>(id).UserChoose(position);
    }
    positions = Selections(dlg);
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
    EXPECT_EQ(c.moves, (data::MoveConditions{data::NO_MOVE, data::NO_MOVE, 55, data::NO_MOVE}));
    EXPECT_FALSE(c.anyMode);
    EXPECT_TRUE(c.methods.egg && !c.methods.machine && c.versions.hgss && !c.versions.dp);
    EXPECT_NE(MoveFields(dlg, 2)[0], " - ");
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

// A click on a result (not beside the columns) opens the hidden detail view at that
// species: its header (species 1 at level 50, base 60 62 63 80 80 60), its stats at the
// chosen level, and the buttons along the evolution line.
TEST_F(SearchDlgTest, ResultOpensTheDetailViewAndItsButtonsWalkTheLine) {
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
  });
}

// The method column against the rows the model builds for the boxes' options; both
// difference boxes ticked: DP-PT wins.
TEST_F(SearchDlgTest, DetailMovesFollowTheBoxesAndTheDifferenceModes) {
  RunProgram([&](CTopWindowDlg& launcher) {
    CDataViewDlg& dlg = *launcher.searchDlg()->detailView();
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
    Press(dlg, res::IDC_DATAVIEW_DP_PT_DIFF);
    EXPECT_TRUE(dlg.GetDlgItem(res::IDC_DATAVIEW_WITH_PRE)->IsWindowEnabled());
  });
}

}  // namespace
}  // namespace kerumina::ui
