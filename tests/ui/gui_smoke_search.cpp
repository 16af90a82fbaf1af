// Stage of the GUI smoke test for the search window and the detail view, on real widgets:
// boxes ticked and a move type and move chosen through toolkit events narrow the result
// list to the learners; a click on a row brings up the detail view at that species. It also
// times, from the event to the widgets being filled and drawn, the reactions that refill
// the large lists, and prints the numbers.
#include "tests/ui/gui_smoke_search.h"

#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/dialog.h>
#include <wx/listctrl.h>
#include <wx/stattext.h>

#include <chrono>
#include <cstdio>
#include <functional>

#include "data/learnsets.h"
#include "data/moves.h"
#include "platform/wx/wx_host.h"
#include "res/data_view_dlg.h"
#include "res/search_dlg.h"

namespace kerumina::ui {

namespace {

using platform::CDialog;
using platform::ComboBox;
using platform::ListView;
using platform::wx::WxHost;

int failures = 0;

void Check(bool condition, const char* what) {
  std::printf("%s: %s\n", condition ? "ok" : "FAILED", what);
  std::fflush(stdout);
  if (!condition) ++failures;
}

// Lets the deferred mirroring of model changes reach the widgets, then draws the lists.
void Settle(const CDialog& dialog, int listId) {
  wxTheApp->ProcessPendingEvents();
  if (wxWindow* list = WxHost::WidgetOf(dialog, listId)) list->Update();
}

// Milliseconds from an action to its windows being filled and drawn.
double Timed(const char* what, const std::function<void()>& action, const CDialog& dialog,
             int listId) {
  const auto start = std::chrono::steady_clock::now();
  action();
  Settle(dialog, listId);
  const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
  std::printf("timing: %s: %.2f ms\n", what, spent.count());
  return spent.count();
}

void Choose(const CDialog& dialog, int id, int index) {
  auto* choice = wxDynamicCast(WxHost::WidgetOf(dialog, id), wxChoice);
  if (choice == nullptr) return Check(false, "drop-down widget exists");
  choice->SetSelection(index);
  wxCommandEvent event(wxEVT_CHOICE, choice->GetId());
  event.SetEventObject(choice);
  event.SetInt(index);
  choice->GetEventHandler()->ProcessEvent(event);
}

void Tick(const CDialog& dialog, int id) {
  auto* box = wxDynamicCast(WxHost::WidgetOf(dialog, id), wxCheckBox);
  if (box == nullptr) return Check(false, "check box widget exists");
  box->SetValue(!box->GetValue());
  wxCommandEvent event(wxEVT_CHECKBOX, box->GetId());
  event.SetEventObject(box);
  event.SetInt(box->GetValue() ? 1 : 0);
  box->GetEventHandler()->ProcessEvent(event);
}

void ClickButton(const CDialog& dialog, int id) {
  wxWindow* button = WxHost::WidgetOf(dialog, id);
  if (button == nullptr) return Check(false, "button widget exists");
  wxCommandEvent event(wxEVT_BUTTON, button->GetId());
  event.SetEventObject(button);
  button->GetEventHandler()->ProcessEvent(event);
}

void ClickHeading(const CDialog& dialog, int id, int column) {
  auto* list = wxDynamicCast(WxHost::WidgetOf(dialog, id), wxListCtrl);
  if (list == nullptr) return Check(false, "list widget exists");
  wxListEvent event(wxEVT_LIST_COL_CLICK, list->GetId());
  event.SetEventObject(list);
  event.m_col = column;
  list->GetEventHandler()->ProcessEvent(event);
}

// A mouse click on a row of a report list, in its second column.
void ClickRow(const CDialog& dialog, int id, int row) {
  auto* list = wxDynamicCast(WxHost::WidgetOf(dialog, id), wxListCtrl);
  if (list == nullptr) return Check(false, "list widget exists");
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

int PositionOfData(CDialog& dialog, int id, platform::ItemData data) {
  const auto& box = dialog.Item<ComboBox>(id);
  for (int i = 0; i < box.GetCount(); ++i) {
    if (box.GetItemData(i) == data) return i;
  }
  return -1;
}

int WidgetRows(const CDialog& dialog, int id) {
  auto* list = wxDynamicCast(WxHost::WidgetOf(dialog, id), wxListCtrl);
  return list != nullptr ? list->GetItemCount() : -1;
}

wxString Label(const CDialog& dialog, int id) {
  wxWindow* widget = WxHost::WidgetOf(dialog, id);
  return widget != nullptr ? widget->GetLabel() : wxString();
}

// Conditions set and a sorted list in the search window, a species with evolutions in the
// detail view beside it, and where both are, for cropping a screenshot.
void ArrangeForScreenshots(CSearchDlg& search) {
  ClickButton(search, res::IDC_SEARCH_CLEAR_MOVES);
  Choose(search, res::IDC_SEARCH_TYPE1, PositionOfData(search, res::IDC_SEARCH_TYPE1, 16 + 1));
  Choose(search, res::IDC_SEARCH_LOWER_FIRST + data::SPECIES_ATK, 6);
  const auto& row = res::SEARCH_MOVE_ROWS[0];
  const data::MoveId move = data::MACHINE_LIST_DPPT[1] - 1;
  Choose(search, row.type, PositionOfData(search, row.type, data::Move(move).type + 1));
  Choose(search, row.move, PositionOfData(search, row.move, move));
  ClickHeading(search, res::IDC_SEARCH_RESULTS, 11);
  ClickHeading(search, res::IDC_SEARCH_RESULTS, 11);
  CDataViewDlg& detail = *search.detailView();
  detail.ShowSpecies(1);
  const platform::Rect size = detail.GetWindowPlacement().normalPosition;
  detail.UserMoveTo({1900, 10, 1900 + size.Width(), 10 + size.Height()});
  Settle(search, res::IDC_SEARCH_RESULTS);
  Settle(detail, res::IDC_DATAVIEW_MOVES);
  for (const CDialog* window :
       {static_cast<const CDialog*>(&search), static_cast<const CDialog*>(&detail)}) {
    const wxRect r = WxHost::WindowOf(*window)->GetScreenRect();
    std::printf("window %s: %dx%d+%d+%d\n", window == &search ? "search" : "detail", r.width,
                r.height, r.x, r.y);
  }
}

}  // namespace

int RunSearchSmokeStage(CSearchDlg& search, bool arrange) {
  failures = 0;
  std::printf("stage: search window and detail view\n");
  const auto& row = res::SEARCH_MOVE_ROWS[0];
  const int results = res::IDC_SEARCH_RESULTS;
  auto& list = search.Item<ListView>(results);
  Settle(search, results);
  Check(WidgetRows(search, results) == 505, "result list shows every species");

  Tick(search, res::IDC_SEARCH_LEVEL_UP);
  Tick(search, res::IDC_SEARCH_MACHINE);
  const data::MoveId move = data::MACHINE_LIST_DPPT[23] - 1;
  Timed(
      "move type chosen",
      [&] {
        Choose(search, row.type, PositionOfData(search, row.type, data::Move(move).type + 1));
      },
      search, results);
  Timed(
      "move chosen", [&] { Choose(search, row.move, PositionOfData(search, row.move, move)); },
      search, results);
  const int learners = list.GetItemCount();
  std::printf("%d learners of move %d\n", learners, move);
  Check(learners > 0 && learners < 505, "result list shrinks to the learners");
  Check(WidgetRows(search, results) == learners, "list widget shows the learners");
  Check(Label(search, row.power) == wxString::Format(wxASCII_STR("%d"), data::Move(move).power),
        "move row shows the power");

  CDataViewDlg& detail = *search.detailView();
  const std::string name = list.GetItemText(2, 1);
  Timed(
      "result row opened", [&] { ClickRow(search, results, 2); }, detail, res::IDC_DATAVIEW_MOVES);
  Check(detail.IsWindowVisible() && WxHost::WindowOf(detail)->IsShown(), "detail view on screen");
  Check(Label(detail, res::IDC_DATAVIEW_NAME) == wxString::FromUTF8(" " + name),
        "detail view shows the species clicked");

  // The reactions that refill the largest lists.
  Timed(
      "all 505 species listed again (move cleared)", [&] { Choose(search, row.move, 0); }, search,
      results);
  Check(WidgetRows(search, results) == 505, "all species back");
  Timed(
      "505 rows sorted by speed", [&] { ClickHeading(search, results, 11); }, search, results);
  Timed(
      "505 rows sorted by name", [&] { ClickHeading(search, results, 1); }, search, results);
  Timed(
      "stat bound chosen (505 rows refilled)",
      [&] { Choose(search, res::IDC_SEARCH_UPPER_FIRST, 0); }, search, results);
  Timed(
      "move conditions cleared (4 move lists, 505 rows)",
      [&] { ClickButton(search, res::IDC_SEARCH_CLEAR_MOVES); }, search, results);
  for (data::SpeciesId species : {291, 148}) {
    const double ms = Timed(
        species == 291 ? "detail view of species 291" : "detail view of species 148",
        [&] { detail.ShowSpecies(species); }, detail, res::IDC_DATAVIEW_MOVES);
    (void)ms;
    std::printf("  (%d move rows)\n",
                detail.Item<ListView>(res::IDC_DATAVIEW_MOVES).GetItemCount());
  }
  Timed(
      "detail view level box ticked (list refilled)",
      [&] { Tick(detail, res::IDC_DATAVIEW_LEVEL_UP); }, detail, res::IDC_DATAVIEW_MOVES);
  Timed(
      "detail move list sorted by number",
      [&] { ClickHeading(detail, res::IDC_DATAVIEW_MOVES, 0); }, detail, res::IDC_DATAVIEW_MOVES);
  Check(WidgetRows(detail, res::IDC_DATAVIEW_MOVES) ==
            detail.Item<ListView>(res::IDC_DATAVIEW_MOVES).GetItemCount(),
        "detail list widget mirrors the rows");
  if (arrange) ArrangeForScreenshots(search);
  return failures;
}

}  // namespace kerumina::ui
