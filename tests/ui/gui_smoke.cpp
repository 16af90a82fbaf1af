// Smoke test of the real GUI on the wx backend: the shared stages on GTK's widgets; here
// besides, a screen reader's view of every window walked through AT-SPI, every caption
// showing whole, Enter opening a list row, and the launcher's close box ending the run.
// "--walk PYTHON SCRIPT" names the accessibility walk; "--hold SECONDS" keeps the filled
// windows side by side on screen that long, for the README's screenshots.
#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/dataview.h>
#include <wx/dialog.h>
#include <wx/evtloop.h>
#include <wx/process.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>
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

#include "data/learnsets.h"
#include "data/moves.h"
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
#include "ui/search_dlg.h"

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

GtkTreeView* TreeOf(const CDialog& dialog, int id) {
  auto* list = dynamic_cast<wxDataViewCtrl*>(WxHost::WidgetOf(dialog, id));
  return list != nullptr ? GTK_TREE_VIEW(list->GtkGetTreeView()) : nullptr;
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

// A caption or one-line text fits, or ends in "…" and shows whole as its tooltip.
bool WidgetShowsWhole(const wxWindow& widget) {
  if (auto* label = dynamic_cast<const wxStaticText*>(&widget)) {
    const wxString text = label->GetLabel();
    return !label->HasFlag(wxST_ELLIPSIZE_END) ||
           label->GetTextExtent(text).x <= label->GetClientSize().x ||
           (label->GetToolTip() != nullptr && label->GetToolTip()->GetTip() == text);
  }
  if (dynamic_cast<const wxCheckBox*>(&widget) || dynamic_cast<const wxRadioButton*>(&widget)) {
    return widget.GetBestSize().x <= widget.GetSize().x;
  }
  return true;
}

bool TextsShowWhole(const wxWindow& parent) {
  bool whole = true;
  for (const wxWindow* child : parent.GetChildren()) {
    if (!WidgetShowsWhole(*child)) std::printf("cut off: %s\n", Utf8(child->GetLabel()).c_str());
    whole = WidgetShowsWhole(*child) && TextsShowWhole(*child) && whole;
  }
  return whole;
}

// Each shown list and drop-down as the walk must hear it: "window|name|rows (-1: not
// counted)|selected entry".
void WriteExpectations(const CDialog& dialog, std::ostream& out) {
  const std::vector<std::string> names = platform::AccessibleNames(dialog.dialogTemplate());
  for (std::size_t i = 0; i < names.size(); ++i) {
    const platform::Control& control = *dialog.controls()[i];
    const ControlKind kind = control.kind();
    std::string rows = "-1";
    std::string selected;
    if (!control.IsWindowVisible()) continue;
    if (kind == ControlKind::ListView) {
      const auto& list = static_cast<const platform::ListView&>(control);
      rows = std::to_string(list.GetItemCount());
      const int row = list.GetSelectedItem();
      if (row != platform::ListView::NONE) selected = list.GetItemText(row, 0);
    } else if (kind == ControlKind::ComboBox || kind == ControlKind::ListBox) {
      const auto& items = static_cast<const platform::ItemListControl&>(control);
      if (kind == ControlKind::ListBox) rows = std::to_string(items.GetCount());
      if (items.GetCurSel() >= 0) selected = items.GetText(items.GetCurSel());
    } else {
      continue;
    }
    out << dialog.GetWindowText() << '|' << names[i] << '|' << rows << '|' << selected << '\n';
  }
}

// Runs the walk while the program keeps answering the accessibility bus.
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
  int status = 127;
  wxGUIEventLoop loop;
  auto* process = new wxProcess();
  process->Bind(wxEVT_END_PROCESS, [&status, &loop](wxProcessEvent& event) {
    status = event.GetExitCode();
    loop.Exit();
  });
  if (wxExecute(command, wxEXEC_ASYNC, process) > 0) loop.Run();
  Check(status == 0, "every window reads whole through the accessibility interface");
}

// The search window with a type, a stat bound and a move chosen, sorted by speed; each
// window at its place (printed) on a large virtual screen.
void HoldForScreenshots(CSearchDlg& search, const std::vector<CDialog*>& windows, int seconds) {
  const data::MoveId move = data::MACHINE_LIST_DPPT[1] - 1;
  Choose(search, res::IDC_SEARCH_TYPE1, 16 + 1);
  ChooseAt(search, res::IDC_SEARCH_LOWER_FIRST + 1, 6);
  Choose(search, res::SEARCH_MOVE_ROWS[0].type, data::Move(move).type + 1);
  Choose(search, res::SEARCH_MOVE_ROWS[0].move, move);
  for (int i = 0; i < 2; ++i) ClickHeading(search, res::IDC_SEARCH_RESULTS, 11);
  search.detailView()->ShowSpecies(1);
  const wxPoint places[] = {{10, 10}, {670, 10}, {1470, 10}, {10, 760}, {1110, 760}, {10, 200}};
  for (std::size_t i = 0; i < windows.size(); ++i) {
    const platform::Rect size = windows[i]->GetWindowPlacement().normalPosition;
    const platform::Rect place{places[i].x, places[i].y, places[i].x + size.Width(),
                               places[i].y + size.Height()};
    windows[i]->UserMoveTo(place);
    std::printf("window %s: %dx%d+%d+%d\n", windows[i]->GetWindowText().c_str(), place.Width(),
                place.Height(), place.left, place.top);
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
  if (widget == nullptr) return Check(false, "a list");
  widget->SetSelection(index);
  const bool listBox = dialog.GetDlgItem(id)->kind() == ControlKind::ListBox;
  wxCommandEvent event(listBox ? wxEVT_LISTBOX : wxEVT_CHOICE, widget->GetId());
  event.SetEventObject(widget);
  event.SetInt(index);
  widget->GetEventHandler()->ProcessEvent(event);
}

void Type(const CDialog& dialog, int id, const char* text) {
  if (auto* edit = dynamic_cast<wxTextCtrl*>(WxHost::WidgetOf(dialog, id))) {
    edit->SetValue(wxString::FromUTF8(text));
  }
}

void ClickRow(const CDialog& dialog, int id, int row, bool twice) {
  // Where the row is once GTK has laid out the last change.
  Settle(dialog);
  GtkTreeView* tree = TreeOf(dialog, id);
  if (tree == nullptr) return Check(false, "a list");
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
  if (GtkTreeView* tree = TreeOf(dialog, id)) {
    gtk_tree_view_column_clicked(gtk_tree_view_get_column(tree, column));
  }
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
  if (auto* choice = dynamic_cast<wxChoice*>(widget)) return Utf8(choice->GetStringSelection());
  if (auto* edit = dynamic_cast<wxTextCtrl*>(widget)) return Utf8(edit->GetValue());
  return widget != nullptr ? Utf8(widget->GetLabel()) : "";
}

bool ShownChecked(const CDialog& dialog, int id) {
  Settle(dialog);
  return gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(WxHost::WidgetOf(dialog, id)->GetHandle()));
}

int ShownCount(const CDialog& dialog, int id) {
  Settle(dialog);
  if (GtkTreeView* tree = TreeOf(dialog, id)) {
    return gtk_tree_model_iter_n_children(gtk_tree_view_get_model(tree), nullptr);
  }
  wxControlWithItems* items = ItemsOf(dialog, id);
  return items != nullptr ? static_cast<int>(items->GetCount()) : -1;
}

int ShownSelection(const CDialog& dialog, int id) {
  Settle(dialog);
  if (GtkTreeView* tree = TreeOf(dialog, id)) {
    GList* rows = gtk_tree_selection_get_selected_rows(gtk_tree_view_get_selection(tree), nullptr);
    const int row =
        rows != nullptr ? gtk_tree_path_get_indices(static_cast<GtkTreePath*>(rows->data))[0] : -1;
    g_list_free_full(rows, reinterpret_cast<GDestroyNotify>(gtk_tree_path_free));
    return row;
  }
  wxControlWithItems* items = ItemsOf(dialog, id);
  return items != nullptr ? items->GetSelection() : -2;
}

std::string ShownItem(const CDialog& dialog, int id, int row, int column) {
  Settle(dialog);
  GtkTreeView* tree = TreeOf(dialog, id);
  if (tree == nullptr) {
    wxControlWithItems* items = ItemsOf(dialog, id);
    return items != nullptr ? Utf8(items->GetString(static_cast<unsigned>(row))) : "";
  }
  GtkTreeModel* model = gtk_tree_view_get_model(tree);
  GtkTreeIter iter;
  if (!gtk_tree_model_iter_nth_child(model, &iter, nullptr, row)) return {};
  GValue value = G_VALUE_INIT;
  gtk_tree_model_get_value(model, &iter, column, &value);
  const char* text = G_VALUE_HOLDS_STRING(&value) ? g_value_get_string(&value) : nullptr;
  std::string shown = text != nullptr ? text : "";
  g_value_unset(&value);
  return shown;
}

void Settle(const CDialog& dialog) {
  // Deferred list clicks, then every window's mirroring; GTK lays out what changed on its
  // next frame, before it draws.
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
  if (auto* list = dynamic_cast<wxDataViewCtrl*>(widget)) {
    // The width GTK lays out on its next frame.
    const int width = gtk_tree_view_column_get_fixed_width(
        gtk_tree_view_get_column(GTK_TREE_VIEW(list->GtkGetTreeView()), column));
    return width > list->GetTextExtent(wxString::FromUTF8(text)).x;
  }
  return widget != nullptr && WidgetShowsWhole(*widget);
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
      Check(WxHost::WindowOf(launcher)->GetIcons().GetIconCount() == 4,
            "windows carry the four sizes of the application icon");
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
      bool whole = true;
      for (const CDialog* window : windows) {
        Settle(*window);
        whole = TextsShowWhole(*WxHost::WindowOf(*window)) && whole;
      }
      Check(whole, "every caption and text shows whole");
      WalkAccessibleTrees(windows);
      const int holdSeconds = std::atoi(Argument("--hold", 1).c_str());
      if (holdSeconds > 0) HoldForScreenshots(*launcher.searchDlg(), windows, holdSeconds);
      CheckLongestTexts(launcher);
      WxHost::WindowOf(launcher)->Close();
    };
    app.InitInstance();
    return 0;
  });

  return Finish(folder, status);
}
