// Smoke test of the real GUI on the wx backend: the shared stages on GTK's widgets; here
// besides, Enter opening a list row, every window walked as a screen reader sees it
// ("--walk PYTHON SCRIPT") and the close box ending the run. "--hold SECONDS" keeps the
// filled windows side by side on screen that long, for the README's screenshots.
#include <wx/app.h>
#include <wx/ctrlsub.h>
#include <wx/dataview.h>
#include <wx/dialog.h>
#include <wx/textctrl.h>
#include <wx/tooltip.h>
#include <wx/utils.h>

#include <gtk/gtk.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "platform/accessible_names.h"
#include "platform/process.h"
#include "platform/wx/window_peer.h"
#include "platform/wx/wx_app.h"
#include "platform/wx/wx_host.h"
#include "res/damage_dlg.h"
#include "res/data_edit_dlg.h"
#include "res/search_dlg.h"
#include "res/top_window_dlg.h"
#include "tests/ui/smoke.h"
#include "ui/damage_dlg.h"
#include "ui/data_view_dlg.h"
#include "ui/main_app.h"

namespace kerumina::ui::smoke {
namespace {

using platform::ControlKind;
using platform::wx::WxHost;

std::string Utf8(const wxString& text) {
  return std::string(text.utf8_str());
}

// The n-th argument after the option, "" when not given.
std::string Argument(const char* option, int n) {
  const wxArrayString& args = wxTheApp->argv.GetArguments();
  const int at = args.Index(wxString::FromUTF8(option));
  return at != wxNOT_FOUND && at + n < static_cast<int>(args.size()) ? Utf8(args[at + n]) : "";
}

wxDataViewCtrl* ListOf(const CDialog& dialog, int id) {
  return dynamic_cast<wxDataViewCtrl*>(WxHost::WidgetOf(dialog, id));
}

GtkTreeView* TreeOf(const CDialog& dialog, int id) {
  return GTK_TREE_VIEW(ListOf(dialog, id)->GtkGetTreeView());
}

// The rows as the native list reads them.
wxDataViewListModel* RowsOf(const CDialog& dialog, int id) {
  wxDataViewCtrl* list = ListOf(dialog, id);
  return list != nullptr ? dynamic_cast<wxDataViewListModel*>(list->GetModel()) : nullptr;
}

wxControlWithItems* ItemsOf(const CDialog& dialog, int id) {
  return dynamic_cast<wxControlWithItems*>(WxHost::WidgetOf(dialog, id));
}

// The key a person presses with the focus on the widget (or anywhere in the window).
void PressKey(const CDialog& dialog, wxWindow* focus, int key) {
  if (focus != nullptr) focus->SetFocus();
  wxKeyEvent event(wxEVT_CHAR_HOOK);
  event.m_keyCode = key;
  event.SetEventObject(focus != nullptr ? focus : WxHost::WindowOf(dialog));
  WxHost::WindowOf(dialog)->GetEventHandler()->ProcessEvent(event);
}

// Each shown list and drop-down as the walk must hear it: "window|name|rows (-1: not
// counted)|selected entry".
void WriteExpectations(const CDialog& dialog, std::ostream& out) {
  const std::vector<std::string> names = platform::AccessibleNames(dialog.dialogTemplate());
  for (std::size_t i = 0; i < names.size(); ++i) {
    const platform::Control* control = dialog.controls()[i].get();
    const auto* list = dynamic_cast<const platform::ListView*>(control);
    const auto* items = dynamic_cast<const platform::ItemListControl*>(control);
    if (!control->IsWindowVisible() || (list == nullptr && items == nullptr)) continue;
    std::string rows = "-1";
    std::string selected;
    if (list != nullptr) {
      rows = std::to_string(list->GetItemCount());
      const int row = list->GetSelectedItem();
      if (row != platform::ListView::NONE) selected = list->GetItemText(row, 0);
    } else {
      if (control->kind() == ControlKind::ListBox) rows = std::to_string(items->GetCount());
      if (items->GetCurSel() >= 0) selected = items->GetText(items->GetCurSel());
    }
    out << dialog.GetWindowText() << '|' << names[i] << '|' << rows << '|' << selected << '\n';
  }
}

void WalkAccessibleTrees(const std::vector<CDialog*>& windows) {
  const std::string python = Argument("--walk", 1);
  const std::string script = Argument("--walk", 2);
  if (script.empty()) return (void)std::printf("accessibility walk not asked for\n");
  const std::string file = platform::FolderOf(platform::ExecutablePathOfProcess()) + "walk.txt";
  std::ofstream out(file);
  for (const CDialog* dialog : windows) WriteExpectations(*dialog, out);
  out.close();
  const std::string pid = std::to_string(getpid());
  const char* command[] = {python.c_str(), script.c_str(), pid.c_str(), file.c_str(), nullptr};
  // Waiting, the program keeps answering the walk's questions.
  Check(wxExecute(command, wxEXEC_SYNC | wxEXEC_NODISABLE) == 0,
        "every window reads whole through the accessibility interface");
}

// Each window at its place on a large virtual screen, the search results sorted by speed,
// the detail view at a species with a pre-evolution and an evolution.
void HoldForScreenshots(const std::vector<CDialog*>& windows, int seconds) {
  for (int i = 0; i < 2; ++i) ClickHeading(*windows[1], res::IDC_SEARCH_RESULTS, 11);
  static_cast<CDataViewDlg*>(windows[2])->ShowSpecies(1);
  const wxPoint places[] = {{10, 10}, {670, 10}, {1470, 10}, {10, 760}, {1110, 760}, {1560, 760}};
  for (std::size_t i = 0; i < windows.size(); ++i) {
    const platform::Rect was = windows[i]->GetWindowPlacement().normalPosition;
    const auto [x, y] = places[i];
    windows[i]->UserMoveTo({x, y, x + was.Width(), y + was.Height()});
  }
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (std::chrono::steady_clock::now() < end) {
    wxTheApp->Yield(true);
    wxMilliSleep(20);
  }
}

}  // namespace

// Through GTK, as a person's click: the toolkit turns it into its own events.
void Press(const CDialog& dialog, int id) {
  wxWindow* widget = WxHost::WidgetOf(dialog, id);
  if (widget == nullptr || !GTK_IS_BUTTON(widget->GetHandle())) return Check(false, "a button");
  gtk_button_clicked(GTK_BUTTON(widget->GetHandle()));
}

void ChooseAt(const CDialog& dialog, int id, int index) {
  // The widget holds the model's entries only once pending changes are mirrored.
  Settle(dialog);
  wxControlWithItems* widget = ItemsOf(dialog, id);
  widget->SetSelection(index);
  const bool listBox = dialog.GetDlgItem(id)->kind() == ControlKind::ListBox;
  wxCommandEvent event(listBox ? wxEVT_LISTBOX : wxEVT_CHOICE, widget->GetId());
  event.SetEventObject(widget);
  event.SetInt(index);
  widget->GetEventHandler()->ProcessEvent(event);
}

void Type(const CDialog& dialog, int id, const char* text) {
  static_cast<wxTextCtrl*>(WxHost::WidgetOf(dialog, id))->SetValue(wxString::FromUTF8(text));
}

void ClickRow(const CDialog& dialog, int id, int row, bool twice) {
  // Where the row is once GTK has laid out the last change.
  Settle(dialog);
  GtkTreeView* tree = TreeOf(dialog, id);
  GtkTreePath* path = gtk_tree_path_new_from_indices(row, -1);
  GdkRectangle cell{};
  gtk_tree_view_get_cell_area(tree, path, gtk_tree_view_get_column(tree, 1), &cell);
  gtk_tree_path_free(path);
  for (GdkEventType type : {GDK_BUTTON_PRESS, GDK_BUTTON_RELEASE, GDK_2BUTTON_PRESS}) {
    if (type == GDK_2BUTTON_PRESS && !twice) break;
    GdkEvent* event = gdk_event_new(type);
    event->button.window = GDK_WINDOW(g_object_ref(gtk_tree_view_get_bin_window(tree)));
    event->button.button = 1;
    event->button.x = cell.x + cell.width / 2.0;
    event->button.y = cell.y + cell.height / 2.0;
    gdk_event_set_device(event, gdk_seat_get_pointer(gdk_display_get_default_seat(
                                    gdk_window_get_display(event->button.window))));
    gtk_widget_event(GTK_WIDGET(tree), event);
    gdk_event_free(event);
  }
  Settle(dialog);
}

void ClickHeading(const CDialog& dialog, int id, int column) {
  gtk_tree_view_column_clicked(gtk_tree_view_get_column(TreeOf(dialog, id), column));
}

void PressEscape(const CDialog& dialog) {
  PressKey(dialog, nullptr, WXK_ESCAPE);
}

bool OnScreen(const CDialog* dialog) {
  wxDialog* window = dialog != nullptr ? WxHost::WindowOf(*dialog) : nullptr;
  return window != nullptr && window->IsShown() && dialog->IsWindowVisible();
}

std::string Shown(const CDialog& dialog, int id) {
  Settle(dialog);
  wxWindow* widget = WxHost::WidgetOf(dialog, id);
  if (wxControlWithItems* items = ItemsOf(dialog, id)) return Utf8(items->GetStringSelection());
  if (auto* edit = dynamic_cast<wxTextCtrl*>(widget)) return Utf8(edit->GetValue());
  return widget != nullptr ? Utf8(widget->GetLabel()) : "";
}

bool ShownChecked(const CDialog& dialog, int id) {
  Settle(dialog);
  return gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(WxHost::WidgetOf(dialog, id)->GetHandle()));
}

int ShownCount(const CDialog& dialog, int id) {
  Settle(dialog);
  if (wxDataViewListModel* rows = RowsOf(dialog, id)) return static_cast<int>(rows->GetCount());
  wxControlWithItems* items = ItemsOf(dialog, id);
  return items != nullptr ? static_cast<int>(items->GetCount()) : -1;
}

int ShownSelection(const CDialog& dialog, int id) {
  Settle(dialog);
  if (wxDataViewListModel* rows = RowsOf(dialog, id)) {
    const wxDataViewItem row = ListOf(dialog, id)->GetSelection();
    return row.IsOk() ? static_cast<int>(rows->GetRow(row)) : -1;
  }
  wxControlWithItems* items = ItemsOf(dialog, id);
  return items != nullptr ? items->GetSelection() : -2;
}

std::string ShownItem(const CDialog& dialog, int id, int row, int column) {
  Settle(dialog);
  if (wxDataViewListModel* rows = RowsOf(dialog, id)) {
    wxVariant value;
    rows->GetValueByRow(value, static_cast<unsigned>(row), static_cast<unsigned>(column));
    return Utf8(value.GetString());
  }
  wxControlWithItems* items = ItemsOf(dialog, id);
  return items != nullptr ? Utf8(items->GetString(static_cast<unsigned>(row))) : "";
}

void Settle(const CDialog& dialog) {
  // Deferred list clicks, every window's mirroring, GTK's layout of what changed, drawing.
  wxTheApp->ProcessPendingEvents();
  static_cast<platform::wx::WxWindowPeer*>(dialog.peer())->Flush();
  wxYield();
  WxHost::WindowOf(dialog)->Update();
}

bool TabOrderFollowsTheTemplate(const CDialog& dialog) {
  Settle(dialog);
  std::vector<wxWindow*> stops;
  for (wxWindow* child : WxHost::WindowOf(dialog)->GetChildren().front()->GetChildren()) {
    if (child->IsShown() && child->AcceptsFocusFromKeyboard()) stops.push_back(child);
  }
  std::vector<wxWindow*> expected;
  for (const auto& control : dialog.controls()) {
    const ControlKind kind = control->kind();
    if (kind != ControlKind::StaticText && kind != ControlKind::GroupBox &&
        control->IsWindowVisible()) {
      expected.push_back(WxHost::WidgetOf(dialog, control->id()));
    }
  }
  return stops == expected;
}

bool ShowsWhole(const CDialog& dialog, int id, int column, const std::string& text) {
  wxWindow* widget = WxHost::WidgetOf(dialog, id);
  const wxString whole = wxString::FromUTF8(text);
  if (column >= 0) {
    // The width GTK lays out on its next frame.
    return gtk_tree_view_column_get_fixed_width(gtk_tree_view_get_column(
               TreeOf(dialog, id), column)) > widget->GetTextExtent(whole).x;
  }
  // A one-line text cell ends in "…" where it does not fit.
  return widget->GetTextExtent(whole).x <= widget->GetClientSize().x ||
         (widget->GetToolTip() != nullptr && widget->GetToolTip()->GetTip() == whole);
}

}  // namespace kerumina::ui::smoke

int main(int argc, char** argv) {
  namespace platform = kerumina::platform;
  namespace res = kerumina::res;
  using namespace kerumina::ui::smoke;
  using platform::wx::WxHost;
  wxSetAssertHandler(
      [](const wxString& file, int line, const wxString&, const wxString& cond, const wxString&) {
        Check(false, "wx assertion " + Utf8(file) + ":" + std::to_string(line) + " " + Utf8(cond));
      });
  const std::string folder = platform::FolderOf(platform::ExecutablePathOfProcess());
  PrepareFolder(folder);

  int status = platform::wx::RunWxApplication(argc, argv, [&](platform::Host& host) {
    kerumina::ui::CMainApp app(host);
    static_cast<WxHost&>(host).onModalRunStarted = [&](CDialog& dialog) {
      auto& launcher = dynamic_cast<kerumina::ui::CTopWindowDlg&>(dialog);
      // A person's first click comes after the program has readied its windows while idle.
      wxYield();
      RunStages(launcher);
      Press(launcher, res::IDC_TOP_SEARCH);
      const CDialog& box = *launcher.damageDlg();
      ClickRow(box, res::IDC_DAMAGE_BOX_LIST, 0);
      PressKey(box, WxHost::WidgetOf(box, res::IDC_DAMAGE_BOX_LIST), WXK_RETURN);
      Check(Shown(*launcher.damageDlg()->editDlg(), res::IDC_DATAEDIT_NAME) == "バナ",
            "Enter on an entry opens it in the edit window");
      const std::vector<CDialog*> windows = Windows(launcher);
      WalkAccessibleTrees(windows);
      const int holdSeconds = std::atoi(Argument("--hold", 1).c_str());
      if (holdSeconds > 0) HoldForScreenshots(windows, holdSeconds);
      CheckLongestTexts(launcher);
      WxHost::WindowOf(launcher)->Close();
    };
    app.InitInstance();
    return 0;
  });

  return Finish(folder, status);
}
