// The search window and the detail view on real widgets: a move chosen narrows the native
// result list, a click on a row opens the detail view there, a heading click sorts; the
// reactions that refill the large lists are timed.
#include "tests/ui/gui_smoke_search.h"

#include <cstdio>

#include "data/learnsets.h"
#include "data/moves.h"
#include "res/data_view_dlg.h"
#include "res/search_dlg.h"
#include "tests/ui/wx_driver.h"
#include "ui/data_view_dlg.h"

namespace kerumina::ui {

using namespace smoke;

int RunSearchSmokeStage(CSearchDlg& search, bool arrange) {
  const int failedBefore = FailedChecks();
  std::printf("stage: search window and detail view\n");
  CDataViewDlg& detail = *search.detailView();
  const int results = res::IDC_SEARCH_RESULTS;
  const auto& list = search.Item<platform::ListView>(results);
  const auto& row = res::SEARCH_MOVE_ROWS[0];
  const data::MoveId move = data::MACHINE_LIST_DPPT[23] - 1;
  Check(ListRows(search, results) == 505, "result list shows every species");
  Toggle(search, res::IDC_SEARCH_LEVEL_UP);
  Toggle(search, res::IDC_SEARCH_MACHINE);
  Timed("move type chosen", search, [&] { Choose(search, row.type, data::Move(move).type + 1); });
  Timed("move chosen", search, [&] { Choose(search, row.move, move); });
  Check(list.GetItemCount() > 0 && list.GetItemCount() < 505 &&
            ListRows(search, results) == list.GetItemCount(),
        "result list shrinks to the learners");
  const std::string name = list.GetItemText(2, 1);
  Timed("result row opened", detail, [&] { ClickRow(search, results, 2); });
  Check(detail.IsWindowVisible() && LabelOf(detail, res::IDC_DATAVIEW_NAME) == " " + name,
        "a click on a row opens the detail view at that species");
  Timed("move cleared: 505 rows", search, [&] { Choose(search, row.move, data::NO_MOVE); });
  Timed("505 rows sorted by name", search, [&] { ClickHeading(search, results, 1); });
  Check(list.GetLastColumnClick() == 1 && CellText(search, results, 0, 1) == list.GetItemText(0, 1),
        "a heading click sorts the list the widget shows");
  const int moves = res::IDC_DATAVIEW_MOVES;
  Timed("detail view of species 148 (465 rows)", detail, [&] { detail.ShowSpecies(148); });
  Check(ListRows(detail, moves) == detail.Item<platform::ListView>(moves).GetItemCount(),
        "the move list widget mirrors its rows");
  if (arrange) {
    // A type, a stat bound and a move chosen, sorted by speed, for the README's screenshot.
    const data::MoveId shown = data::MACHINE_LIST_DPPT[1] - 1;
    Choose(search, res::IDC_SEARCH_TYPE1, 16 + 1);
    ChooseAt(search, res::IDC_SEARCH_LOWER_FIRST + data::SPECIES_ATK, 6);
    Choose(search, row.type, data::Move(shown).type + 1);
    Choose(search, row.move, shown);
    ClickHeading(search, results, 11);
    ClickHeading(search, results, 11);
    detail.ShowSpecies(1);
  }
  return FailedChecks() - failedBefore;
}

}  // namespace kerumina::ui
