// The search window driven as a user would: pickers, boxes, clear buttons, the result list
// with its sorting and opening, and the settings it keeps between runs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "data/learnsets.h"
#include "data/moves.h"
#include "res/data_view_dlg.h"
#include "res/search_dlg.h"
#include "tests/ui/shell_fixture.h"
#include "text/sort_order.h"
#include "ui/search_dlg.h"
#include "ui/top_window_dlg.h"

namespace kerumina::ui {
namespace {

using platform::CheckBox;
using platform::ComboBox;
using platform::ListView;
using platform::RadioButton;
using res::SEARCH_MOVE_ROWS;

ComboBox& Picker(CSearchDlg& dlg, int id) {
  return dlg.Item<ComboBox>(id);
}
ListView& Results(CSearchDlg& dlg) {
  return dlg.Item<ListView>(res::IDC_SEARCH_RESULTS);
}

std::vector<int> ListedSpecies(CSearchDlg& dlg) {
  std::vector<int> species;
  for (int i = 0; i < Results(dlg).GetItemCount(); ++i) {
    species.push_back(static_cast<int>(Results(dlg).GetItemData(i)));
  }
  return species;
}

std::vector<std::string> Column(CSearchDlg& dlg, int column) {
  std::vector<std::string> texts;
  for (int i = 0; i < Results(dlg).GetItemCount(); ++i) {
    texts.push_back(Results(dlg).GetItemText(i, column));
  }
  return texts;
}

std::vector<std::string> MoveFields(CSearchDlg& dlg, int row) {
  const res::SearchMoveRowIds& ids = SEARCH_MOVE_ROWS[row];
  std::vector<std::string> fields;
  for (int id : {ids.power, ids.accuracy, ids.pp, ids.category, ids.target, ids.effect}) {
    fields.push_back(dlg.GetDlgItemText(id));
  }
  return fields;
}

// Chooses the entry with this item data, as a user picks it from the list.
void ChooseData(ComboBox& box, platform::ItemData data) {
  for (int i = 0; i < box.GetCount(); ++i) {
    if (box.GetItemData(i) == data) {
      ASSERT_TRUE(box.UserChoose(i));
      return;
    }
  }
  FAIL() << "no entry with data " << data;
}

// Chooses a move in a row through its type picker, as the window offers it.
void ChooseMove(CSearchDlg& dlg, int row, data::MoveId move) {
  ChooseData(Picker(dlg, SEARCH_MOVE_ROWS[row].type), data::Move(move).type + 1);
  ChooseData(Picker(dlg, SEARCH_MOVE_ROWS[row].move), move);
}

void Click(CSearchDlg& dlg, int id) {
  if (auto* box = dynamic_cast<CheckBox*>(dlg.GetDlgItem(id))) {
    box->UserClick();
  } else if (auto* radio = dynamic_cast<RadioButton*>(dlg.GetDlgItem(id))) {
    radio->UserClick();
  } else {
    dlg.Item<platform::Button>(id).UserClick();
  }
}

using SearchDlgTest = ShellTest;

TEST_F(SearchDlgTest, FirstStartListsEverySpeciesInNumberOrder) {
  RunProgram([&](CTopWindowDlg& launcher) {
    CSearchDlg& dlg = *launcher.searchDlg();
    EXPECT_EQ(dlg.IsDlgButtonChecked(res::IDC_SEARCH_ANY_MODE), 1);
    for (int id : {res::IDC_SEARCH_ALL_MODE, res::IDC_SEARCH_LEVEL_UP, res::IDC_SEARCH_EGG,
                   res::IDC_SEARCH_MACHINE, res::IDC_SEARCH_TUTOR, res::IDC_SEARCH_DP,
                   res::IDC_SEARCH_PT, res::IDC_SEARCH_HGSS}) {
      EXPECT_EQ(dlg.IsDlgButtonChecked(id), 0) << id;
    }
    for (const auto& control : dlg.controls()) {
      if (auto* box = dynamic_cast<ComboBox*>(control.get())) {
        EXPECT_EQ(box->GetCurSel(), 0) << box->id();
      }
    }
    std::vector<int> expected;
    for (int s = 0; s < data::SPECIES_COUNT; ++s) {
      if (s != data::EGG_SPECIES && s != data::DAMAGED_EGG_SPECIES) expected.push_back(s);
    }
    EXPECT_EQ(ListedSpecies(dlg), expected);
    EXPECT_EQ(Results(dlg).GetItemText(0, 0), "1");
    EXPECT_EQ(Results(dlg).GetItemText(0, 1), "フシギダネ");
    EXPECT_EQ(Results(dlg).GetColumn(11).heading, "すばやさ");
    // Type pickers: " 無指定" and the 17 real types; egg groups in their display order.
    ComboBox& type = Picker(dlg, SEARCH_MOVE_ROWS[2].type);
    EXPECT_EQ(type.GetCount(), 18);
    EXPECT_EQ(type.GetItemData(9), 9);  // position 9 holds type 8
    EXPECT_EQ(type.GetItemData(10), 11);
    std::vector<platform::ItemData> eggOrder;
    for (int i = 1; i < Picker(dlg, res::IDC_SEARCH_EGG_GROUP).GetCount(); ++i) {
      eggOrder.push_back(Picker(dlg, res::IDC_SEARCH_EGG_GROUP).GetItemData(i) - 1);
    }
    EXPECT_EQ(eggOrder, (std::vector<platform::ItemData>{0, 1, 11, 8, 2, 3, 4, 5, 6, 7, 9, 10, 12,
                                                         13, 14, 15}));
  });
}

TEST_F(SearchDlgTest, MethodAndVersionBoxesDecideTheMoveFilter) {
  // The first DPPT machine's move; learners by machine, directly or through a pre-evolution.
  const data::MoveId move = data::MACHINE_LIST_DPPT[0] - 1;
  RunProgram([&](CTopWindowDlg& launcher) {
    CSearchDlg& dlg = *launcher.searchDlg();
    ChooseMove(dlg, 1, move);
    EXPECT_EQ(MoveFields(dlg, 1)[0], std::to_string(data::Move(move).power));
    EXPECT_EQ(
        MoveFields(dlg, 1)[5], " " + [&] {
          char hex[16];
          std::snprintf(hex, sizeof hex, "%x", data::Move(move).effect);
          return std::string(hex);
        }());
    EXPECT_EQ(Results(dlg).GetItemCount(), 0);
    Click(dlg, res::IDC_SEARCH_MACHINE);
    const std::vector<int> listed = ListedSpecies(dlg);
    ASSERT_FALSE(listed.empty());
    for (int s : listed) {
      const data::SpeciesId p = data::PreEvolutionOf(s);
      const auto learns = [&](data::SpeciesId x) {
        return x != data::NO_SPECIES &&
               data::ByMachine(data::MACHINE_LIST_DPPT, data::MACHINE_COMPAT_DPPT, x, move);
      };
      EXPECT_TRUE(learns(s) || learns(p) ||
                  (p != data::NO_SPECIES && learns(data::PreEvolutionOf(p))))
          << s;
    }
    // Clearing the moves keeps the method box and lists everything again.
    Click(dlg, res::IDC_SEARCH_CLEAR_MOVES);
    EXPECT_EQ(dlg.IsDlgButtonChecked(res::IDC_SEARCH_MACHINE), 1);
    EXPECT_EQ(Picker(dlg, SEARCH_MOVE_ROWS[1].type).GetCurSel(), 0);
    EXPECT_EQ(Results(dlg).GetItemCount(), 505);
  });
}

TEST_F(SearchDlgTest, ChangingAMoveTypeResetsTheRowAndTheTypeClearKeepsTheRule) {
  RunProgram([&](CTopWindowDlg& launcher) {
    CSearchDlg& dlg = *launcher.searchDlg();
    ChooseMove(dlg, 3, 0);
    EXPECT_EQ(MoveFields(dlg, 3),
              (std::vector<std::string>{"40", "100", "35", "物理", "単体", " 0"}));
    ChooseData(Picker(dlg, SEARCH_MOVE_ROWS[3].type), 2);
    ComboBox& moves = Picker(dlg, SEARCH_MOVE_ROWS[3].move);
    EXPECT_EQ(moves.GetCurSel(), 0);
    EXPECT_EQ(moves.GetText(0), " 無指定");
    EXPECT_EQ(moves.GetCount(), 1 + static_cast<int>(data::MovesOfType(1).size()));
    EXPECT_EQ(MoveFields(dlg, 3), std::vector<std::string>(6, " - "));

    Picker(dlg, res::IDC_SEARCH_RULE).UserChoose(1);
    Picker(dlg, res::IDC_SEARCH_TYPE1).UserChoose(3);
    Picker(dlg, res::IDC_SEARCH_UPPER_FIRST).UserChoose(11);
    const int narrowed = Results(dlg).GetItemCount();
    Click(dlg, res::IDC_SEARCH_CLEAR_TYPES);
    EXPECT_EQ(Picker(dlg, res::IDC_SEARCH_TYPE1).GetCurSel(), 0);
    EXPECT_EQ(Picker(dlg, res::IDC_SEARCH_RULE).GetCurSel(), 1);
    EXPECT_EQ(Picker(dlg, res::IDC_SEARCH_UPPER_FIRST).GetCurSel(), 11);
    EXPECT_GT(Results(dlg).GetItemCount(), narrowed);
  });
}

TEST_F(SearchDlgTest, HeadingsSortAscendingThenDescending) {
  RunProgram([&](CTopWindowDlg& launcher) {
    CSearchDlg& dlg = *launcher.searchDlg();
    Picker(dlg, res::IDC_SEARCH_TYPE1).UserChoose(2);  // fewer rows, still mixed speeds
    const auto speeds = [&] {
      std::vector<int> values;
      for (const std::string& text : Column(dlg, 11)) values.push_back(std::stoi(text));
      return values;
    };
    Results(dlg).UserClickColumn(11);
    std::vector<int> ascending = speeds();
    EXPECT_TRUE(std::is_sorted(ascending.begin(), ascending.end()));
    EXPECT_EQ(dlg.sortState, 12);
    Results(dlg).UserClickColumn(11);
    std::vector<int> descending = speeds();
    EXPECT_TRUE(std::is_sorted(descending.rbegin(), descending.rend()));
    EXPECT_NE(ascending, descending);
    EXPECT_EQ(dlg.sortState, 0);
    Results(dlg).UserClickColumn(1);
    const std::vector<std::string> names = Column(dlg, 1);
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end(), [](const auto& a, const auto& b) {
      return text::CompareCp932Codes(a, b) < 0;
    }));
    EXPECT_EQ(dlg.sortState, 2);
    // A new search lists in number order again but keeps the sort memory.
    Picker(dlg, res::IDC_SEARCH_TYPE1).UserChoose(0);
    EXPECT_EQ(Results(dlg).GetItemData(0), 0);
    EXPECT_EQ(dlg.sortState, 2);
  });
}

TEST_F(SearchDlgTest, ResultOpensTheHiddenDetailViewAtThatSpecies) {
  RunProgram([&](CTopWindowDlg& launcher) {
    CSearchDlg& dlg = *launcher.searchDlg();
    CDataViewDlg& detail = *dlg.detailView();
    ASSERT_FALSE(detail.IsWindowVisible());
    Results(dlg).UserClickItem(5, -1);  // beside the columns: nothing
    EXPECT_FALSE(detail.IsWindowVisible());
    Results(dlg).UserClickItem(5, 3);
    EXPECT_TRUE(detail.IsWindowVisible());
    EXPECT_EQ(detail.number, 5);
    EXPECT_EQ(detail.GetDlgItemText(res::IDC_DATAVIEW_NAME), " " + Results(dlg).GetItemText(5, 1));
  });
  EXPECT_EQ(Setting("DataView", "show"), 1);
  EXPECT_EQ(Setting("DataView", "number"), 5);
}

TEST_F(SearchDlgTest, EveryChoiceSurvivesARestart) {
  // Move rows 0 and 2 by type; the saved move is a position in that type's sorted list.
  const data::MoveId moves[] = {0, 55};
  std::vector<int> positions;
  RunProgram([&](CTopWindowDlg& launcher) {
    CSearchDlg& dlg = *launcher.searchDlg();
    for (int id : {res::IDC_SEARCH_ALL_MODE, res::IDC_SEARCH_EGG, res::IDC_SEARCH_TUTOR,
                   res::IDC_SEARCH_PT, res::IDC_SEARCH_HGSS}) {
      Click(dlg, id);
    }
    ChooseMove(dlg, 0, moves[0]);
    ChooseMove(dlg, 2, moves[1]);
    const std::pair<int, int> picks[] = {
        {res::IDC_SEARCH_UPPER_FIRST + 3, 4},
        {res::IDC_SEARCH_LOWER_FIRST + 5, 9},
        {res::IDC_SEARCH_TYPE1, 2},
        {res::IDC_SEARCH_TYPE2, 17},
        {res::IDC_SEARCH_ABILITY, 123},
        {res::IDC_SEARCH_EGG_GROUP, 3},
        {res::IDC_SEARCH_RULE, 6},
    };
    for (const auto& [id, position] : picks) Picker(dlg, id).UserChoose(position);
    for (const auto& control : dlg.controls()) {
      if (auto* box = dynamic_cast<ComboBox*>(control.get())) positions.push_back(box->GetCurSel());
    }
  });
  EXPECT_EQ(Setting("Search", "radio_w1"), 0);
  EXPECT_EQ(Setting("Search", "combo_t4"), 3);
  RunProgram([&](CTopWindowDlg& launcher) {
    CSearchDlg& dlg = *launcher.searchDlg();
    std::vector<int> restored;
    for (const auto& control : dlg.controls()) {
      if (auto* box = dynamic_cast<ComboBox*>(control.get())) restored.push_back(box->GetCurSel());
    }
    EXPECT_EQ(restored, positions);
    const search::SearchConditions c = dlg.ReadConditions();
    EXPECT_EQ(c.moves, (data::MoveConditions{moves[0], data::NO_MOVE, moves[1], data::NO_MOVE}));
    EXPECT_FALSE(c.anyMode);
    EXPECT_TRUE(c.methods.egg && c.methods.tutor && !c.methods.levelUp && !c.methods.machine);
    EXPECT_TRUE(!c.versions.dp && c.versions.pt && c.versions.hgss);
    EXPECT_EQ(MoveFields(dlg, 0)[0], "40");
    EXPECT_EQ(c.ability, 123);
  });
}

TEST_F(SearchDlgTest, SavedPositionsOutsideTheirListsSelectTheFirstEntry) {
  WriteIni(
      "[Main]\nVersion=60\n[Search]\ncombo_u1=12\ncombo_t1=-3\ncombo_wt2=40\n"
      "combo_wn1=900\ncombo_r1=7\n");
  RunProgram([&](CTopWindowDlg& launcher) {
    CSearchDlg& dlg = *launcher.searchDlg();
    for (int id : {res::IDC_SEARCH_UPPER_FIRST, res::IDC_SEARCH_TYPE1, SEARCH_MOVE_ROWS[1].type,
                   SEARCH_MOVE_ROWS[0].move, res::IDC_SEARCH_RULE}) {
      EXPECT_EQ(Picker(dlg, id).GetCurSel(), 0) << id;
    }
    EXPECT_EQ(Results(dlg).GetItemCount(), 505);
  });
}

}  // namespace
}  // namespace kerumina::ui
