// Stage of the GUI smoke test for the search window and the detail view, on real widgets:
// boxes ticked and a move type and move chosen through toolkit events narrow the result
// list to the learners; a click on a row brings up the detail view at that species. It also
// prints how long the reactions that refill the large lists take, from the event to the
// widgets filled and drawn.
#include "tests/ui/gui_smoke_search.h"

#include <wx/dialog.h>
#include <wx/listctrl.h>

#include <cstdio>
#include <functional>
#include <vector>

#include "data/learnsets.h"
#include "platform/wx/wx_host.h"
#include "res/data_view_dlg.h"
#include "res/search_dlg.h"
#include "tests/ui/wx_driver.h"

namespace kerumina::ui {

namespace {

using platform::CDialog;
using platform::ListView;
using platform::wx::WxHost;
using namespace smoke;

// Wall-clock and processor time: on a loaded machine the second tells the program's cost.
void Timed(const char* what, const std::function<void()>& action, const CDialog& dialog,
           int listId) {
  const smoke::Stopwatch watch;
  action();
  smoke::Settle(dialog, listId);
  std::printf("timing: %s: %.2f ms (%.2f ms processor)\n", what, watch.Milliseconds(),
              watch.CpuMs());
}

void ClickHeading(const CDialog& dialog, int id, int column) {
  Send<wxListCtrl, wxListEvent>(
      dialog, id, wxEVT_LIST_COL_CLICK,
      [column](wxListCtrl&, wxListEvent& event) { event.m_col = column; });
}

int WidgetRows(const CDialog& dialog, int id) {
  return wxDynamicCast(WxHost::WidgetOf(dialog, id), wxListCtrl)->GetItemCount();
}

// The keyboard's focus chain is the order of the widgets that take focus from it.
bool TabStopsFollowTheTemplate(const CDialog& dialog) {
  std::vector<wxWindow*> stops;
  for (wxWindow* child : WxHost::WindowOf(dialog)->GetChildren().front()->GetChildren()) {
    if (child->IsShown() && child->AcceptsFocusFromKeyboard()) stops.push_back(child);
  }
  std::vector<wxWindow*> expected;
  for (const auto& control : dialog.controls()) {
    const platform::ControlKind kind = control->kind();
    if (kind == platform::ControlKind::StaticText || kind == platform::ControlKind::GroupBox)
      continue;
    expected.push_back(WxHost::WidgetOf(dialog, control->id()));
  }
  return stops == expected;
}

// Conditions set and a list sorted by speed, a species with evolutions in the detail view
// beside it, and where both are, for cropping a screenshot.
void ArrangeForScreenshots(CSearchDlg& search, CDataViewDlg& detail) {
  const auto& row = res::SEARCH_MOVE_ROWS[0];
  const data::MoveId move = data::MACHINE_LIST_DPPT[1] - 1;
  Choose(search, res::IDC_SEARCH_TYPE1, 16 + 1);
  ChooseAt(search, res::IDC_SEARCH_LOWER_FIRST + data::SPECIES_ATK, 6);
  Choose(search, row.type, data::Move(move).type + 1);
  Choose(search, row.move, move);
  ClickHeading(search, res::IDC_SEARCH_RESULTS, 11);
  ClickHeading(search, res::IDC_SEARCH_RESULTS, 11);
  Toggle(detail, res::IDC_DATAVIEW_LEVEL_UP);
  detail.ShowSpecies(1);
  MoveKeepingSize(detail, 1900, 10);
  Settle(search, res::IDC_SEARCH_RESULTS);
  Settle(detail, res::IDC_DATAVIEW_MOVES);
  for (const CDialog* window : {static_cast<CDialog*>(&search), static_cast<CDialog*>(&detail)}) {
    const wxRect r = WxHost::WindowOf(*window)->GetScreenRect();
    std::printf("window %s: %dx%d+%d+%d\n", window->GetWindowText().c_str(), r.width, r.height, r.x,
                r.y);
  }
}

}  // namespace

int RunSearchSmokeStage(CSearchDlg& search, bool arrange) {
  const int failedBefore = smoke::FailedChecks();
  std::printf("stage: search window and detail view\n");
  const auto& row = res::SEARCH_MOVE_ROWS[0];
  const int results = res::IDC_SEARCH_RESULTS;
  const int moves = res::IDC_DATAVIEW_MOVES;
  CDataViewDlg& detail = *search.detailView();
  Settle(search, results);
  Check(WidgetRows(search, results) == 505, "result list shows every species");

  Toggle(search, res::IDC_SEARCH_LEVEL_UP);
  Toggle(search, res::IDC_SEARCH_MACHINE);
  const data::MoveId move = data::MACHINE_LIST_DPPT[23] - 1;
  const auto& list = search.Item<ListView>(results);
  struct Step {
    const char* what;
    std::function<void()> action;
    const CDialog& window;
    int list;
  };
  const auto chooseType = [&] { Choose(search, row.type, data::Move(move).type + 1); };
  Timed("move type chosen", chooseType, search, results);
  Timed(
      "move chosen", [&] { Choose(search, row.move, move); }, search, results);
  Check(list.GetItemCount() > 0 && list.GetItemCount() < 505 &&
            WidgetRows(search, results) == list.GetItemCount(),
        "result list shrinks to the learners");
  const std::string name = list.GetItemText(2, 1);
  Timed(
      "result row opened (first show)", [&] { ClickRow(search, results, 2); }, detail, moves);
  Check(WxHost::WindowOf(detail)->IsShown() &&
            WxHost::WidgetOf(detail, res::IDC_DATAVIEW_NAME)->GetLabel() ==
                wxString::FromUTF8(" " + name),
        "detail view on screen with the species clicked");
  detail.ShowWindow(platform::SHOW_HIDE);
  // The reactions that refill the largest lists.
  const Step refills[] = {
      {"result row opened again", [&] { ClickRow(search, results, 3); }, detail, moves},
      {"move cleared: 505 rows", [&] { Choose(search, row.move, data::NO_MOVE); }, search, results},
      {"stat bound chosen: 505 rows", [&] { ChooseAt(search, res::IDC_SEARCH_UPPER_FIRST, 0); },
       search, results},
      {"505 rows sorted by name", [&] { ClickHeading(search, results, 1); }, search, results},
      {"move conditions cleared: 4 move lists, 505 rows",
       [&] { Press(search, res::IDC_SEARCH_CLEAR_MOVES); }, search, results},
      {"detail view of species 291 (258 rows)", [&] { detail.ShowSpecies(291); }, detail, moves},
      {"detail view of species 148 (465 rows)", [&] { detail.ShowSpecies(148); }, detail, moves},
  };
  for (const Step& step : refills) Timed(step.what, step.action, step.window, step.list);
  Check(WidgetRows(search, results) == 505 &&
            WidgetRows(detail, moves) == detail.Item<ListView>(moves).GetItemCount(),
        "list widgets mirror the rows");
  Check(TabStopsFollowTheTemplate(search) && TabStopsFollowTheTemplate(detail),
        "Tab walks the pickers, boxes, buttons and lists in layout order, no text cell");
  if (arrange) ArrangeForScreenshots(search, detail);
  return smoke::FailedChecks() - failedBefore;
}

}  // namespace kerumina::ui
