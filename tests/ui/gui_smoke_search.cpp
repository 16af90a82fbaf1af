// Stage of the GUI smoke test for the search window and the detail view, on real widgets:
// boxes ticked and a move type and move chosen through toolkit events narrow the result
// list to the learners; a click on a row brings up the detail view at that species. It also
// prints how long the reactions that refill the large lists take, from the event to the
// widgets filled and drawn.
#include "tests/ui/gui_smoke_search.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/dialog.h>
#include <wx/listctrl.h>

#include <time.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <type_traits>
#include <vector>

#include "data/learnsets.h"
#include "platform/wx/wx_host.h"
#include "res/data_view_dlg.h"
#include "res/search_dlg.h"

namespace kerumina::ui {

namespace {

using platform::CDialog;
using platform::ListView;
using platform::wx::WxHost;

int failures = 0;

void Check(bool condition, const char* what) {
  std::printf("%s: %s\n", condition ? "ok" : "FAILED", what);
  std::fflush(stdout);
  if (!condition) ++failures;
}

// Lets the deferred mirroring of model changes reach the widgets, then draws the list.
void Settle(const CDialog& dialog, int listId) {
  wxTheApp->ProcessPendingEvents();
  WxHost::WidgetOf(dialog, listId)->Update();
}

double ThreadCpuMs() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Wall-clock and processor time: on a loaded machine the second tells the program's cost.
void Timed(const char* what, const std::function<void()>& action, const CDialog& dialog,
           int listId) {
  const auto start = std::chrono::steady_clock::now();
  const double cpuStart = ThreadCpuMs();
  action();
  Settle(dialog, listId);
  const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
  std::printf("timing: %s: %.2f ms (%.2f ms processor)\n", what, spent.count(),
              ThreadCpuMs() - cpuStart);
}

// Sends the event a widget sends when a person uses it.
template <class Widget, class Event = wxCommandEvent>
void Send(const CDialog& dialog, int id, wxEventType type,
          const std::type_identity_t<std::function<void(Widget&, Event&)>>& set) {
  auto* widget = wxDynamicCast(WxHost::WidgetOf(dialog, id), Widget);
  if (widget == nullptr) return Check(false, "widget exists");
  Event event(type, widget->GetId());
  event.SetEventObject(widget);
  if (set) set(*widget, event);
  widget->GetEventHandler()->ProcessEvent(event);
}

void ChooseAt(const CDialog& dialog, int id, int index) {
  Send<wxChoice>(dialog, id, wxEVT_CHOICE, [index](wxChoice& choice, wxCommandEvent& event) {
    choice.SetSelection(index);
    event.SetInt(index);
  });
}

// Chooses the entry with this item data.
void Choose(const CDialog& dialog, int id, platform::ItemData data) {
  const auto& box = const_cast<CDialog&>(dialog).Item<platform::ComboBox>(id);
  int index = 0;
  while (index < box.GetCount() && box.GetItemData(index) != data) ++index;
  if (index == box.GetCount()) return Check(false, "entry exists");
  ChooseAt(dialog, id, index);
}

void Tick(const CDialog& dialog, int id) {
  Send<wxCheckBox>(dialog, id, wxEVT_CHECKBOX, [](wxCheckBox& box, wxCommandEvent& event) {
    box.SetValue(!box.GetValue());
    event.SetInt(box.GetValue());
  });
}

void ClickHeading(const CDialog& dialog, int id, int column) {
  Send<wxListCtrl, wxListEvent>(
      dialog, id, wxEVT_LIST_COL_CLICK,
      [column](wxListCtrl&, wxListEvent& event) { event.m_col = column; });
}

// A mouse click on a row of a report list, in its second column.
void ClickRow(const CDialog& dialog, int id, int row) {
  auto* list = wxDynamicCast(WxHost::WidgetOf(dialog, id), wxListCtrl);
  wxRect rect;
  list->GetItemRect(row, rect);
  wxWindow* rows = list;
  for (wxWindow* child : list->GetChildren()) {
    if (child->GetSize().y > rows->GetSize().y / 2) rows = child;
  }
  wxMouseEvent down(wxEVT_LEFT_DOWN);
  // Item rectangles count from the top of the list, clicks from below its header.
  down.SetPosition(
      wxPoint(list->GetColumnWidth(0) + 10, rect.y - rows->GetPosition().y + rect.height / 2));
  down.SetEventObject(rows);
  rows->GetEventHandler()->ProcessEvent(down);
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
  Tick(detail, res::IDC_DATAVIEW_LEVEL_UP);
  detail.ShowSpecies(1);
  const platform::Rect size = detail.GetWindowPlacement().normalPosition;
  detail.UserMoveTo({1900, 10, 1900 + size.Width(), 10 + size.Height()});
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
  failures = 0;
  std::printf("stage: search window and detail view\n");
  const auto& row = res::SEARCH_MOVE_ROWS[0];
  const int results = res::IDC_SEARCH_RESULTS;
  const int moves = res::IDC_DATAVIEW_MOVES;
  CDataViewDlg& detail = *search.detailView();
  Settle(search, results);
  Check(WidgetRows(search, results) == 505, "result list shows every species");

  Tick(search, res::IDC_SEARCH_LEVEL_UP);
  Tick(search, res::IDC_SEARCH_MACHINE);
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
       [&] { Send<wxButton>(search, res::IDC_SEARCH_CLEAR_MOVES, wxEVT_BUTTON, {}); }, search,
       results},
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
  return failures;
}

}  // namespace kerumina::ui
