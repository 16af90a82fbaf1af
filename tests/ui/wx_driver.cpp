#include "tests/ui/wx_driver.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/clipbrd.h>
#include <wx/dataview.h>
#include <wx/listbox.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include <gtk/gtk.h>
#include <time.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "platform/controls.h"
#include "platform/wx/window_peer.h"

namespace kerumina::ui::smoke {

namespace {

using platform::CDialog;
using platform::wx::WxHost;

int failedChecks = 0;

double ProcessorMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

GtkTreeView* TreeOf(const CDialog& dialog, int id) {
  auto* list = WidgetAs<wxDataViewCtrl>(dialog, id);
  return list != nullptr ? GTK_TREE_VIEW(list->GtkGetTreeView()) : nullptr;
}

}  // namespace

void Check(bool condition, std::string_view what) {
  std::printf("%s: %.*s\n", condition ? "ok" : "FAILED", static_cast<int>(what.size()),
              what.data());
  std::fflush(stdout);
  if (!condition) ++failedChecks;
}

int FailedChecks() {
  return failedChecks;
}

void Press(const CDialog& dialog, int id) {
  Send<wxButton>(dialog, id, wxEVT_BUTTON);
}

void Toggle(const CDialog& dialog, int id) {
  Send<wxCheckBox>(dialog, id, wxEVT_CHECKBOX, [](wxCheckBox& box, wxCommandEvent& event) {
    box.SetValue(!box.GetValue());
    event.SetInt(box.GetValue() ? 1 : 0);
  });
}

void ClickRadio(const CDialog& dialog, int id) {
  Send<wxRadioButton>(dialog, id, wxEVT_RADIOBUTTON,
                      [](wxRadioButton& radio, wxCommandEvent&) { radio.SetValue(true); });
}

void ChooseAt(const CDialog& dialog, int id, int index) {
  // The widget holds the model's entries only once pending changes are mirrored.
  static_cast<platform::wx::WxWindowPeer*>(dialog.peer())->Flush();
  const bool listBox = dialog.GetDlgItem(id)->kind() == platform::ControlKind::ListBox;
  Send<wxControlWithItems>(dialog, id, listBox ? wxEVT_LISTBOX : wxEVT_CHOICE,
                           [index](wxControlWithItems& widget, wxCommandEvent& event) {
                             widget.SetSelection(index);
                             event.SetInt(index);
                           });
}

void Choose(const CDialog& dialog, int id, platform::ItemData data) {
  const auto& items = static_cast<const platform::ItemListControl&>(*dialog.GetDlgItem(id));
  for (int i = 0; i < items.GetCount(); ++i) {
    if (items.GetItemData(i) == data) return ChooseAt(dialog, id, i);
  }
  Check(false, "entry exists");
}

void Type(const CDialog& dialog, int id, const char* text) {
  if (auto* edit = WidgetAs<wxTextCtrl>(dialog, id)) edit->SetValue(wxString::FromUTF8(text));
}

void ClickRow(const CDialog& dialog, int id, int row, bool twice) {
  GtkTreeView* tree = TreeOf(dialog, id);
  if (tree == nullptr) return;
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
}

void ClickHeading(const CDialog& dialog, int id, int column) {
  if (GtkTreeView* tree = TreeOf(dialog, id)) {
    gtk_tree_view_column_clicked(gtk_tree_view_get_column(tree, column));
  }
}

void PressKey(const CDialog& dialog, int id, int key) {
  wxWindow* widget = WxHost::WidgetOf(dialog, id);
  widget->SetFocus();
  wxKeyEvent event(wxEVT_CHAR_HOOK);
  event.m_keyCode = key;
  event.SetEventObject(widget);
  WxHost::WindowOf(dialog)->GetEventHandler()->ProcessEvent(event);
}

std::string Utf8(const wxString& text) {
  return std::string(text.utf8_str());
}

std::string LabelOf(const CDialog& dialog, int id) {
  auto* label = WidgetAs<wxStaticText>(dialog, id);
  return label != nullptr ? Utf8(label->GetLabel()) : std::string();
}

std::string SelectedText(const CDialog& dialog, int id) {
  auto* choice = WidgetAs<wxChoice>(dialog, id);
  return choice != nullptr ? Utf8(choice->GetStringSelection()) : std::string();
}

int ListRows(const CDialog& dialog, int id) {
  GtkTreeView* tree = TreeOf(dialog, id);
  return tree != nullptr ? gtk_tree_model_iter_n_children(gtk_tree_view_get_model(tree), nullptr)
                         : -1;
}

std::string CellText(const CDialog& dialog, int id, int row, int column) {
  GtkTreeView* tree = TreeOf(dialog, id);
  GtkTreeIter iter;
  if (tree == nullptr ||
      !gtk_tree_model_iter_nth_child(gtk_tree_view_get_model(tree), &iter, nullptr, row)) {
    return {};
  }
  GValue value = G_VALUE_INIT;
  gtk_tree_model_get_value(gtk_tree_view_get_model(tree), &iter, column, &value);
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

int HoldMilliseconds() {
  for (int i = 1; i + 1 < wxTheApp->argc; ++i) {
    if (Utf8(wxTheApp->argv[i]) == "--hold")
      return std::atoi(wxTheApp->argv[i + 1].utf8_str()) * 1000;
  }
  return 0;
}

void Hold(int milliseconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  while (std::chrono::steady_clock::now() < end) {
    wxTheApp->Yield(true);
    wxMilliSleep(20);
  }
}

void MoveKeepingSize(CDialog& dialog, int left, int top) {
  const platform::Rect rect = dialog.GetWindowPlacement().normalPosition;
  dialog.UserMoveTo({left, top, left + rect.Width(), top + rect.Height()});
}

}  // namespace kerumina::ui::smoke
