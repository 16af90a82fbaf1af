// Smoke test of the real GUI on the wx backend: what a headless test cannot see. The shared
// stages drive the real widgets through the events a person's use sends and time the
// reactions the README speaks of; here besides, a screen reader's view of every window is
// walked through AT-SPI, every caption shows whole, Enter opens a list row, the about box
// opens from the system menu and closing the launcher ends the run and writes the settings.
// "--hold SECONDS" keeps the filled windows on screen that long (for screenshots);
// "--walk PYTHON SCRIPT" names the accessibility walk.
#include <wx/app.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/clipbrd.h>
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
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "data/learnsets.h"
#include "data/moves.h"
#include "data/species.h"
#include "platform/accessible_names.h"
#include "platform/process.h"
#include "platform/wx/window_peer.h"
#include "platform/wx/wx_app.h"
#include "platform/wx/wx_host.h"
#include "res/about_dlg.h"
#include "res/damage_dlg.h"
#include "res/data_edit_dlg.h"
#include "res/search_dlg.h"
#include "res/top_window_dlg.h"
#include "tests/ui/smoke.h"
#include "ui/damage_dlg.h"
#include "ui/data_view_dlg.h"
#include "ui/main_app.h"
#include "ui/para_check_dlg.h"
#include "ui/search_dlg.h"

namespace kerumina::ui::smoke {
namespace {

using platform::ControlKind;
using platform::wx::WxHost;

std::string Utf8(const wxString& text) {
  return std::string(text.utf8_str());
}

double ProcessorMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

GtkTreeView* TreeOf(const CDialog& dialog, int id) {
  auto* list = dynamic_cast<wxDataViewCtrl*>(WxHost::WidgetOf(dialog, id));
  return list != nullptr ? GTK_TREE_VIEW(list->GtkGetTreeView()) : nullptr;
}

void Send(wxWindow* widget, wxEventType type, int value) {
  if (widget == nullptr) return Check(false, "widget exists");
  wxCommandEvent event(type, widget->GetId());
  event.SetEventObject(widget);
  event.SetInt(value);
  widget->GetEventHandler()->ProcessEvent(event);
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
    if (!label->HasFlag(wxST_ELLIPSIZE_END) ||
        label->GetTextExtent(text).x <= label->GetClientSize().x) {
      return true;
    }
    return label->GetToolTip() != nullptr && label->GetToolTip()->GetTip() == text;
  }
  if (dynamic_cast<const wxCheckBox*>(&widget) || dynamic_cast<const wxRadioButton*>(&widget)) {
    return widget.GetBestSize().x <= widget.GetSize().x;
  }
  return true;
}

bool TextsShowWhole(const wxWindow& parent) {
  bool whole = true;
  for (const wxWindow* child : parent.GetChildren()) {
    if (!WidgetShowsWhole(*child)) {
      std::printf("cut off: \"%s\"\n", Utf8(child->GetLabel()).c_str());
      whole = false;
    }
    whole = TextsShowWhole(*child) && whole;
  }
  return whole;
}

// Every list and drop-down of the window, as the walk expects to hear it.
void AddExpectations(const CDialog& dialog, std::vector<std::string>& lines) {
  const std::vector<std::string> names = platform::AccessibleNames(dialog.dialogTemplate());
  for (std::size_t i = 0; i < names.size(); ++i) {
    const platform::Control& control = *dialog.controls()[i];
    const ControlKind kind = control.kind();
    if (!control.IsWindowVisible()) continue;
    std::string rows = "-1";
    std::string selected;
    if (kind == ControlKind::ListView) {
      const auto& list = static_cast<const platform::ListView&>(control);
      rows = std::to_string(list.GetItemCount());
      if (list.GetSelectedItem() != platform::ListView::NONE) {
        selected = list.GetItemText(list.GetSelectedItem(), 0);
      }
    } else if (kind == ControlKind::ComboBox || kind == ControlKind::ListBox) {
      const auto& items = static_cast<const platform::ItemListControl&>(control);
      if (kind == ControlKind::ListBox) rows = std::to_string(items.GetCount());
      if (items.GetCurSel() >= 0) selected = items.GetText(items.GetCurSel());
    } else {
      continue;
    }
    lines.push_back(dialog.GetWindowText() + "|" + names[i] + "|" + rows + "|" + selected);
  }
}

// Runs the walk while the program keeps answering the accessibility bus.
void WalkAccessibleTrees(const std::vector<CDialog*>& windows) {
  const auto& argv = wxTheApp->argv;
  int at = 1;
  while (at + 2 < wxTheApp->argc && Utf8(argv[at]) != "--walk") ++at;
  if (at + 2 >= wxTheApp->argc) return (void)std::printf("accessibility walk not asked for\n");
  std::vector<std::string> args = {Utf8(argv[at + 1]), Utf8(argv[at + 2]),
                                   std::to_string(getpid())};
  for (const CDialog* dialog : windows) AddExpectations(*dialog, args);
  std::vector<std::wstring> wide;
  for (const std::string& arg : args) wide.push_back(wxString::FromUTF8(arg).ToStdWstring());
  std::vector<wchar_t*> command;
  for (std::wstring& arg : wide) command.push_back(arg.data());
  command.push_back(nullptr);
  int status = 127;
  wxGUIEventLoop loop;
  auto* process = new wxProcess();
  process->Bind(wxEVT_END_PROCESS, [&status, &loop](wxProcessEvent& event) {
    status = event.GetExitCode();
    loop.Exit();
  });
  if (wxExecute(command.data(), wxEXEC_ASYNC, process) > 0) loop.Run();
  Check(status == 0, "every window reads whole through the accessibility interface");
}

// Side by side on a large virtual screen, the search window with a type, a stat bound and
// a move chosen and sorted by speed, as the README's screenshots show them.
void HoldForScreenshots(CSearchDlg& search, const std::vector<CDialog*>& windows, int seconds) {
  const data::MoveId shown = data::MACHINE_LIST_DPPT[1] - 1;
  Choose(search, res::IDC_SEARCH_TYPE1, 16 + 1);
  ChooseAt(search, res::IDC_SEARCH_LOWER_FIRST + data::SPECIES_ATK, 6);
  Choose(search, res::SEARCH_MOVE_ROWS[0].type, data::Move(shown).type + 1);
  Choose(search, res::SEARCH_MOVE_ROWS[0].move, shown);
  ClickHeading(search, res::IDC_SEARCH_RESULTS, 11);
  ClickHeading(search, res::IDC_SEARCH_RESULTS, 11);
  search.detailView()->ShowSpecies(1);
  const wxPoint places[] = {{10, 10}, {670, 10}, {1470, 10}, {10, 760}, {1110, 760}, {10, 200}};
  for (std::size_t i = 0; i < windows.size(); ++i) {
    CDialog& window = *windows[i];
    const platform::Rect rect = window.GetWindowPlacement().normalPosition;
    window.UserMoveTo(
        {places[i].x, places[i].y, places[i].x + rect.Width(), places[i].y + rect.Height()});
    std::printf("window %s: %dx%d+%d+%d\n", window.GetWindowText().c_str(), rect.Width(),
                rect.Height(), places[i].x, places[i].y);
  }
  std::printf("stage: windows held for screenshots\n");
  std::fflush(stdout);
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (std::chrono::steady_clock::now() < end) {
    wxTheApp->Yield(true);
    wxMilliSleep(20);
  }
}

}  // namespace

void Press(const CDialog& dialog, int id) {
  wxWindow* widget = WxHost::WidgetOf(dialog, id);
  if (auto* box = dynamic_cast<wxCheckBox*>(widget)) {
    box->SetValue(!box->GetValue());
    Send(widget, wxEVT_CHECKBOX, box->GetValue() ? 1 : 0);
  } else if (auto* radio = dynamic_cast<wxRadioButton*>(widget)) {
    radio->SetValue(true);
    Send(widget, wxEVT_RADIOBUTTON, 1);
  } else {
    Send(widget, wxEVT_BUTTON, 0);
  }
}

void ChooseAt(const CDialog& dialog, int id, int index) {
  // The widget holds the model's entries only once pending changes are mirrored.
  Settle(dialog);
  auto* widget = dynamic_cast<wxControlWithItems*>(WxHost::WidgetOf(dialog, id));
  if (widget != nullptr) widget->SetSelection(index);
  const bool listBox = dialog.GetDlgItem(id)->kind() == ControlKind::ListBox;
  Send(widget, listBox ? wxEVT_LISTBOX : wxEVT_CHOICE, index);
}

void Type(const CDialog& dialog, int id, const char* text) {
  if (auto* edit = dynamic_cast<wxTextCtrl*>(WxHost::WidgetOf(dialog, id))) {
    edit->SetValue(wxString::FromUTF8(text));
  }
}

void ClickRow(const CDialog& dialog, int id, int row, bool twice) {
  // Where the row is once GTK has laid out the last change.
  Settle(dialog);
  wxYield();
  GtkTreeView* tree = TreeOf(dialog, id);
  if (tree == nullptr) return Check(false, "list exists");
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
  wxWindow* widget = WxHost::WidgetOf(dialog, id);
  if (auto* box = dynamic_cast<wxCheckBox*>(widget)) return box->GetValue();
  auto* radio = dynamic_cast<wxRadioButton*>(widget);
  return radio != nullptr && radio->GetValue();
}

int ShownCount(const CDialog& dialog, int id) {
  Settle(dialog);
  if (GtkTreeView* tree = TreeOf(dialog, id)) {
    return gtk_tree_model_iter_n_children(gtk_tree_view_get_model(tree), nullptr);
  }
  auto* items = dynamic_cast<wxControlWithItems*>(WxHost::WidgetOf(dialog, id));
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
  auto* items = dynamic_cast<wxControlWithItems*>(WxHost::WidgetOf(dialog, id));
  return items != nullptr ? items->GetSelection() : -2;
}

std::string ShownItem(const CDialog& dialog, int id, int row, int column) {
  Settle(dialog);
  GtkTreeView* tree = TreeOf(dialog, id);
  if (tree == nullptr) {
    auto* items = dynamic_cast<wxControlWithItems*>(WxHost::WidgetOf(dialog, id));
    return items != nullptr ? Utf8(items->GetString(static_cast<unsigned>(row))) : "";
  }
  GtkTreeModel* model = gtk_tree_view_get_model(tree);
  GtkTreeIter iter;
  if (!gtk_tree_model_iter_nth_child(model, &iter, nullptr, row)) return {};
  GValue value = G_VALUE_INIT;
  gtk_tree_model_get_value(model, &iter, column, &value);
  std::string text = G_VALUE_HOLDS_STRING(&value) && g_value_get_string(&value) != nullptr
                         ? g_value_get_string(&value)
                         : "";
  g_value_unset(&value);
  return text;
}

std::string ClipboardText() {
  std::string text;
  if (wxTheClipboard->Open()) {
    wxTextDataObject data;
    if (wxTheClipboard->GetData(data)) text = Utf8(data.GetText());
    wxTheClipboard->Close();
  }
  return text;
}

std::string PressAnsweringMessage(const CDialog& dialog, int id) {
  auto& host = static_cast<WxHost&>(dialog.host());
  std::string told;
  host.answerMessageBox = [&told](std::string_view text) {
    told = text;
    return platform::ID_OK;
  };
  Press(dialog, id);
  host.answerMessageBox = nullptr;
  return told;
}

void Settle(const CDialog& dialog) {
  // Deferred list clicks, then every window's mirroring.
  wxTheApp->ProcessPendingEvents();
  static_cast<platform::wx::WxWindowPeer*>(dialog.peer())->Flush();
  WxHost::WindowOf(dialog)->Update();
}

void Timed(const char* what, const CDialog& dialog, const std::function<void()>& act) {
  Settle(dialog);
  const auto start = std::chrono::steady_clock::now();
  const double processor = ProcessorMilliseconds();
  act();
  // GTK lays out what changed on its next frame, before it draws.
  Settle(dialog);
  wxYield();
  WxHost::WindowOf(dialog)->Update();
  const std::chrono::duration<double, std::milli> wall = std::chrono::steady_clock::now() - start;
  std::printf("timing: %s: %.2f ms (%.2f ms processor)\n", what, wall.count(),
              ProcessorMilliseconds() - processor);
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
  wxSetAssertHandler([](const wxString& file, int line, const wxString&, const wxString& cond,
                        const wxString& message) {
    Check(false, "wx assertion " + Utf8(file) + ":" + std::to_string(line) + " " + Utf8(cond) +
                     " " + Utf8(message));
  });
  int holdSeconds = 0;
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::string(argv[i]) == "--hold") holdSeconds = std::atoi(argv[i + 1]);
  }
  const std::string folder = platform::FolderOf(platform::ExecutablePathOfProcess());
  PrepareFolder(folder);

  int status = platform::wx::RunWxApplication(argc, argv, [&](platform::Host& base) {
    auto& host = static_cast<WxHost&>(base);
    kerumina::ui::CMainApp app(host);
    host.onModalRunStarted = [&](CDialog& dialog) {
      if (dialog.dialogTemplate().resourceId == res::IDD_ABOUTBOX) {
        Check(OnScreen(&dialog), "about box on screen");
        Press(dialog, platform::ID_OK);
        return;
      }
      auto& launcher = dynamic_cast<kerumina::ui::CTopWindowDlg&>(dialog);
      Check(WxHost::WindowOf(launcher)->GetIcons().GetIconCount() == 4,
            "windows carry the four sizes of the application icon");
      // A person's first click comes after the program has idled a moment.
      const platform::Rect placed = launcher.paraCheckDlg()->GetWindowPlacement().normalPosition;
      wxYield();
      const platform::Rect after = launcher.paraCheckDlg()->GetWindowPlacement().normalPosition;
      Check(!OnScreen(launcher.paraCheckDlg()) && placed.left == after.left &&
                placed.top == after.top && placed.Width() == after.Width(),
            "tool windows readied while idle stay hidden where they were placed");
      RunStages(launcher);
      Press(launcher, res::IDC_TOP_SEARCH);
      const CDialog& box = *launcher.damageDlg();
      ClickRow(box, res::IDC_DAMAGE_BOX_LIST, 0);
      PressKey(box, WxHost::WidgetOf(box, res::IDC_DAMAGE_BOX_LIST), WXK_RETURN);
      Check(Shown(*launcher.damageDlg()->editDlg(), res::IDC_DATAEDIT_NAME) == "ガブ",
            "Enter on an entry opens it in the edit window");
      const std::vector<CDialog*> windows = Windows(launcher);
      bool whole = true;
      for (const CDialog* window : windows) {
        Settle(*window);
        whole = TextsShowWhole(*WxHost::WindowOf(*window)) && whole;
      }
      Check(whole, "every caption and text shows whole");
      WalkAccessibleTrees(windows);
      if (holdSeconds > 0) HoldForScreenshots(*launcher.searchDlg(), windows, holdSeconds);
      CheckLongestTexts(launcher);
      launcher.UserSystemCommand(res::IDM_ABOUTBOX);
      Check(OnScreen(&launcher), "launcher still up after the about box");
      Press(launcher, res::IDC_TOP_QUIT);
    };
    app.InitInstance();
    return 0;
  });

  return Finish(folder, status);
}
