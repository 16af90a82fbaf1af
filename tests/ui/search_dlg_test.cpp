// The search window driven as a user would: pickers, boxes, clear buttons, the result list
// with its sorting and opening, and the settings it keeps between runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "data/learnsets.h"
#include "res/data_view_dlg.h"
#include "res/search_dlg.h"
#include "tests/ui/shell_fixture.h"
#include "text/sort_order.h"
#include "ui/search_dlg.h"

namespace kerumina::ui {
namespace {

using platform::ComboBox;
using platform::ListView;
using res::SEARCH_MOVE_ROWS;

ListView& Results(CSearchDlg& dlg) {
  return dlg.Item<ListView>(res::IDC_SEARCH_RESULTS);
}

std::vector<std::string> Column(CSearchDlg& dlg, int column) {
  std::vector<std::string> texts;
  for (int i = 0; i < Results(dlg).GetItemCount(); ++i) {
    texts.push_back(Results(dlg).GetItemText(i, column));
  }
  return texts;
}

std::vector<int> Selections(CSearchDlg& dlg) {
  std::vector<int> positions;
  for (const auto& control : dlg.controls()) {
    if (auto* box = dynamic_cast<ComboBox*>(control.get())) positions.push_back(box->GetCurSel());
  }
  return positions;
}

std::vector<std::string> MoveFields(CSearchDlg& dlg, int row) {
  const res::SearchMoveRowIds& r = SEARCH_MOVE_ROWS[row];
  std::vector<std::string> fields;
  for (int id : {r.power, r.accuracy, r.pp, r.category, r.target, r.effect}) {
    fields.push_back(dlg.GetDlgItemText(id));
  }
  return fields;
}

// A move chosen as the window offers it: its type first, then the move.
void ChooseMove(CSearchDlg& dlg, int row, data::MoveId move) {
  ChooseData(dlg, SEARCH_MOVE_ROWS[row].type, data::Move(move).type + 1);
  ChooseData(dlg, SEARCH_MOVE_ROWS[row].move, move);
}

using SearchDlgTest = ShellTest;

TEST_F(SearchDlgTest, FirstStartListsEverySpeciesInNumberOrder) {
  RunProgram([&](CTopWindowDlg& launcher) {
    CSearchDlg& dlg = *launcher.searchDlg();
    std::vector<int> checks;
    for (int id : {res::IDC_SEARCH_ANY_MODE, res::IDC_SEARCH_ALL_MODE, res::IDC_SEARCH_LEVEL_UP,
                   res::IDC_SEARCH_EGG, res::IDC_SEARCH_MACHINE, res::IDC_SEARCH_TUTOR,
                   res::IDC_SEARCH_DP, res::IDC_SEARCH_PT, res::IDC_SEARCH_HGSS}) {
      checks.push_back(dlg.IsDlgButtonChecked(id));
    }
    EXPECT_EQ(checks, (std::vector<int>{1, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Selections(dlg), std::vector<int>(25, 0));
    ASSERT_EQ(Results(dlg).GetItemCount(), 505);
    for (int i = 0; i < 505; ++i) EXPECT_EQ(Results(dlg).GetItemData(i), i < 493 ? i : i + 2);
    ComboBox& eggGroups = dlg.Item<ComboBox>(res::IDC_SEARCH_EGG_GROUP);
    std::vector<platform::ItemData> order;
    for (int i = 1; i < eggGroups.GetCount(); ++i) order.push_back(eggGroups.GetItemData(i) - 1);
    EXPECT_EQ(order, (std::vector<platform::ItemData>{0, 1, 11, 8, 2, 3, 4, 5, 6, 7, 9, 10, 12, 13,
                                                      14, 15}));
  });
}

TEST_F(SearchDlgTest, MethodBoxesDecideTheMoveFilterAndTheRowShowsTheMove) {
  const data::MoveId move = data::MACHINE_LIST_DPPT[0] - 1;
  RunProgram([&](CTopWindowDlg& launcher) {
    CSearchDlg& dlg = *launcher.searchDlg();
    ChooseMove(dlg, 1, 0);
    EXPECT_EQ(MoveFields(dlg, 1),
              (std::vector<std::string>{"40", "100", "35", "物理", "単体", " 0"}));
    EXPECT_EQ(Results(dlg).GetItemCount(), 0);  // every method box off
    ChooseMove(dlg, 1, move);
    Press(dlg, res::IDC_SEARCH_MACHINE);  // alone, without any version box
    ASSERT_GT(Results(dlg).GetItemCount(), 0);
    for (int i = 0; i < Results(dlg).GetItemCount(); ++i) {
      data::SpeciesId s = static_cast<data::SpeciesId>(Results(dlg).GetItemData(i));
      bool learns = false;
      for (; s != data::NO_SPECIES && !learns; s = data::PreEvolutionOf(s)) {
        learns = data::ByMachine(data::MACHINE_LIST_DPPT, data::MACHINE_COMPAT_DPPT, s, move);
      }
      EXPECT_TRUE(learns) << Results(dlg).GetItemText(i, 1);
    }
    // A new type resets the row; the clear button empties the rows but keeps the boxes.
    ChooseData(dlg, SEARCH_MOVE_ROWS[1].type, 2);
    EXPECT_EQ(dlg.Item<ComboBox>(SEARCH_MOVE_ROWS[1].move).GetText(0), " 無指定");
    EXPECT_EQ(dlg.Item<ComboBox>(SEARCH_MOVE_ROWS[1].move).GetCurSel(), 0);
    EXPECT_EQ(MoveFields(dlg, 1), std::vector<std::string>(6, " - "));
    ChooseMove(dlg, 3, move);
    Press(dlg, res::IDC_SEARCH_CLEAR_MOVES);
    EXPECT_EQ(Selections(dlg), std::vector<int>(25, 0));
    EXPECT_EQ(dlg.IsDlgButtonChecked(res::IDC_SEARCH_MACHINE), 1);
    EXPECT_EQ(Results(dlg).GetItemCount(), 505);
  });
}

TEST_F(SearchDlgTest, TypeClearKeepsTheRuleAndHeadingsSortBothWays) {
  RunProgram([&](CTopWindowDlg& launcher) {
    CSearchDlg& dlg = *launcher.searchDlg();
    dlg.Item<ComboBox>(res::IDC_SEARCH_RULE).UserChoose(1);
    dlg.Item<ComboBox>(res::IDC_SEARCH_TYPE1).UserChoose(3);
    Press(dlg, res::IDC_SEARCH_CLEAR_TYPES);
    EXPECT_EQ(dlg.Item<ComboBox>(res::IDC_SEARCH_TYPE1).GetCurSel(), 0);
    EXPECT_EQ(dlg.Item<ComboBox>(res::IDC_SEARCH_RULE).GetCurSel(), 1);

    // By speed; equal speeds keep the species order either way.
    const auto bySpeed = [&](int sign) {
      std::vector<std::pair<int, platform::ItemData>> rows;
      for (int i = 0; i < Results(dlg).GetItemCount(); ++i) {
        rows.emplace_back(sign * std::stoi(Results(dlg).GetItemText(i, 11)),
                          Results(dlg).GetItemData(i));
      }
      return std::ranges::is_sorted(rows);
    };
    Results(dlg).UserClickColumn(11);
    EXPECT_TRUE(bySpeed(1));
    Results(dlg).UserClickColumn(11);
    EXPECT_TRUE(bySpeed(-1));
    Results(dlg).UserClickColumn(1);
    EXPECT_TRUE(std::ranges::is_sorted(Column(dlg, 1), [](const auto& a, const auto& b) {
      return text::CompareCp932Codes(a, b) < 0;
    }));
    EXPECT_EQ(dlg.sortState, 2);
  });
}

TEST_F(SearchDlgTest, ResultOpensTheHiddenDetailViewAtThatSpecies) {
  RunProgram([&](CTopWindowDlg& launcher) {
    CSearchDlg& dlg = *launcher.searchDlg();
    CDataViewDlg& detail = *dlg.detailView();
    Results(dlg).UserClickItem(5, -1);  // beside the columns
    EXPECT_FALSE(detail.IsWindowVisible());
    Results(dlg).UserClickItem(5, 3);
    EXPECT_TRUE(detail.IsWindowVisible());
    EXPECT_EQ(detail.GetDlgItemText(res::IDC_DATAVIEW_NAME), " " + Results(dlg).GetItemText(5, 1));
  });
  EXPECT_EQ(Setting("DataView", "show"), 1);
  EXPECT_EQ(Setting("DataView", "number"), 5);
}

TEST_F(SearchDlgTest, EveryChoiceSurvivesARestart) {
  std::vector<int> positions;
  RunProgram([&](CTopWindowDlg& launcher) {
    CSearchDlg& dlg = *launcher.searchDlg();
    for (int id : {res::IDC_SEARCH_ALL_MODE, res::IDC_SEARCH_EGG, res::IDC_SEARCH_HGSS}) {
      Press(dlg, id);
    }
    ChooseMove(dlg, 0, 0);
    ChooseMove(dlg, 2, 55);
    for (const auto& [id, position] : {std::pair{res::IDC_SEARCH_UPPER_FIRST + 3, 4},
                                       {res::IDC_SEARCH_UPPER_FIRST, 2},
                                       {res::IDC_SEARCH_LOWER_FIRST + 5, 9},
                                       {res::IDC_SEARCH_TYPE2, 17},
                                       {res::IDC_SEARCH_ABILITY, 123},
                                       {res::IDC_SEARCH_EGG_GROUP, 3},
                                       {res::IDC_SEARCH_RULE, 6}}) {
      dlg.Item<ComboBox>(id).UserChoose(position);
    }
    positions = Selections(dlg);
  });
  RunProgram([&](CTopWindowDlg& launcher) {
    CSearchDlg& dlg = *launcher.searchDlg();
    EXPECT_EQ(Selections(dlg), positions);
    const search::SearchConditions c = dlg.ReadConditions();
    EXPECT_EQ(c.moves, (data::MoveConditions{0, data::NO_MOVE, 55, data::NO_MOVE}));
    EXPECT_FALSE(c.anyMode);
    EXPECT_TRUE(c.methods.egg && !c.methods.machine && c.versions.hgss && !c.versions.dp);
    EXPECT_EQ(MoveFields(dlg, 0)[0], "40");
  });
  // Positions a hand-edited file names beyond the lists select the first entry.
  WriteIni("[Main]\nVersion=60\n[Search]\ncombo_u1=12\ncombo_t1=-3\ncombo_wn1=900\n");
  RunProgram([&](CTopWindowDlg& launcher) {
    EXPECT_EQ(Selections(*launcher.searchDlg()), std::vector<int>(25, 0));
    EXPECT_EQ(Results(*launcher.searchDlg()).GetItemCount(), 505);
  });
}

}  // namespace
}  // namespace kerumina::ui
