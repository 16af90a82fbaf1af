#include "platform/wx/window_peer.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/dataview.h>
#include <wx/dcclient.h>
#include <wx/listbox.h>
#include <wx/menu.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <gtk/gtk-a11y.h>
#include <gtk/gtk.h>

#include <algorithm>

#include "platform/accessible_names.h"
#include "platform/column_fit.h"

namespace kerumina::platform::wx {

namespace {

wxString Wx(std::string_view text) {
  return wxString::FromUTF8(text.data(), text.size());
}
std::string Utf8(const wxString& text) {
  return std::string(text.utf8_str());
}

// The rows as GTK's own tree view reads them, straight from the model: screen readers see
// every row and cell through it, and a refill copies nothing.
class RowsModel final : public wxDataViewVirtualListModel {
 public:
  explicit RowsModel(const ListView& model) : model_(model) {}
  void GetValueByRow(wxVariant& value, unsigned row, unsigned column) const override {
    value = Wx(model_.GetItemText(static_cast<int>(row), static_cast<int>(column)));
  }
  bool SetValueByRow(const wxVariant&, unsigned, unsigned) override { return false; }

 private:
  const ListView& model_;
};

// Where a press in the rows landed: row and column, -1 beside them.
std::pair<int, int> HitCell(GtkTreeView* tree, double x, double y) {
  GtkTreePath* path = nullptr;
  int item = -1;
  if (gtk_tree_view_get_path_at_pos(tree, static_cast<int>(x), static_cast<int>(y), &path, nullptr,
                                    nullptr, nullptr)) {
    item = gtk_tree_path_get_indices(path)[0];
    gtk_tree_path_free(path);
  }
  int treeX = 0;
  int treeY = 0;
  gtk_tree_view_convert_bin_window_to_tree_coords(tree, static_cast<int>(x), static_cast<int>(y),
                                                  &treeX, &treeY);
  int left = 0;
  for (int c = 0; GtkTreeViewColumn* column = gtk_tree_view_get_column(tree, c); ++c) {
    left += gtk_tree_view_column_get_width(column);
    if (treeX < left) return {item, c};
  }
  return {item, -1};
}

// A report list drawn by GTK itself (a tree view over RowsModel).
class NativeList final : public wxDataViewCtrl {
 public:
  NativeList(wxWindow* parent, ListView& model, const wxPoint& position, const wxSize& size)
      : wxDataViewCtrl(parent, wxID_ANY, position, size, wxDV_SINGLE | wxBORDER_SUNKEN),
        model_(model),
        rows_(new RowsModel(model)),
        fitter_([this](std::string_view text) { return GetTextExtent(Wx(text)).x; }, CELL_MARGIN) {
    AssociateModel(rows_);
    rows_->DecRef();
    g_signal_connect(GtkGetTreeView(), "button-press-event", G_CALLBACK(OnPress), this);
  }

  GtkTreeView* Tree() { return GTK_TREE_VIEW(GtkGetTreeView()); }

  // A heading is a button: a click or the keyboard presses it.
  void SyncColumns() {
    ClearColumns();
    for (int c = 0; c < model_.GetColumnCount(); ++c) {
      const ListColumn& column = model_.GetColumn(c);
      AppendTextColumn(Wx(column.heading), c, wxDATAVIEW_CELL_INERT, column.width,
                       ToWx(column.align), wxDATAVIEW_COL_RESIZABLE);
      GtkTreeViewColumn* heading = gtk_tree_view_get_column(Tree(), c);
      gtk_tree_view_column_set_clickable(heading, TRUE);
      g_signal_connect(heading, "clicked", G_CALLBACK(OnHeadingClicked), this);
    }
  }

  // Columns only grow, so that a refill never makes the list jump narrower.
  void SyncRows() {
    rows_->Reset(model_.GetItemCount());
    const std::vector<int> widths = fitter_.Widths(model_);
    for (unsigned c = 0; c < GetColumnCount() && c < widths.size(); ++c) {
      // The width GTK lays out at its next frame, not the one it has drawn.
      const int asked = gtk_tree_view_column_get_fixed_width(gtk_tree_view_get_column(Tree(), c));
      if (asked < widths[c]) GetColumn(c)->SetWidth(widths[c]);
    }
  }

  int SelectedRow() const {
    const wxDataViewItem item = GetSelection();
    return item.IsOk() ? static_cast<int>(rows_->GetRow(item)) : ListView::NONE;
  }

  void SelectRow(int row) {
    if (row == ListView::NONE) {
      UnselectAll();
      return;
    }
    const wxDataViewItem item = rows_->GetItem(static_cast<unsigned>(row));
    Select(item);
    EnsureVisible(item);
  }

  // Enter on a row opens it, as a double click does.
  void ActivateSelected() {
    const int row = SelectedRow();
    if (row != ListView::NONE) model_.UserDoubleClickItem(row, 0);
  }

  static void OnHeadingClicked(GtkTreeViewColumn* heading, gpointer self) {
    auto* list = static_cast<NativeList*>(self);
    for (int c = 0; GtkTreeViewColumn* column = gtk_tree_view_get_column(list->Tree(), c); ++c) {
      if (column == heading) list->model_.UserClickColumn(c);
    }
  }

  // After GTK has selected the pressed row: the model sees the click as Windows reports it.
  static gboolean OnPress(GtkWidget* widget, GdkEventButton* event, gpointer self) {
    auto* list = static_cast<NativeList*>(self);
    GtkTreeView* tree = GTK_TREE_VIEW(widget);
    const bool twice = event->type == GDK_2BUTTON_PRESS;
    if (event->button != 1 || event->window != gtk_tree_view_get_bin_window(tree) ||
        (event->type != GDK_BUTTON_PRESS && !twice)) {
      return FALSE;
    }
    const auto [item, column] = HitCell(tree, event->x, event->y);
    list->CallAfter([list, item, column, twice] {
      if (twice) {
        list->model_.UserDoubleClickItem(item, column);
      } else {
        list->model_.UserClickItem(item, column);
      }
    });
    return FALSE;
  }

 private:
  // The cell's padding on both sides and the tree view's column separator.
  static constexpr int CELL_MARGIN = 12;

  static wxAlignment ToWx(ColumnAlign align) {
    switch (align) {
      case ColumnAlign::Right:
        return wxALIGN_RIGHT;
      case ColumnAlign::Center:
        return wxALIGN_CENTER;
      case ColumnAlign::Left:
        break;
    }
    return wxALIGN_LEFT;
  }

  ListView& model_;
  RowsModel* rows_;
  ColumnFitter fitter_;
};

// A drop-down list that swaps in a freshly filled GTK model instead of clearing and
// appending row by row: GTK's clear and inserts on a live combo box cost about 14 µs a row
// (6 ms for the 468 entries of a move list), a new model about 2 µs.
class ModelChoice : public wxChoice {
 public:
  ModelChoice(wxWindow* parent, const wxPoint& position, const wxSize& size)
      : wxChoice(parent, wxID_ANY, position, size) {
    // GTK sizes a closed drop-down to its widest row, measuring every row on each size
    // request: some 30 ms for a window of move lists. The layout fixes the width anyway.
    GtkWidget* view = gtk_bin_get_child(GTK_BIN(GetHandle()));
    if (view != nullptr && GTK_IS_CELL_VIEW(view)) {
      gtk_cell_view_set_fit_model(GTK_CELL_VIEW(view), FALSE);
    }
  }

  void ReplaceItems(const ItemListControl& model) {
    auto* combo = GTK_COMBO_BOX(GetHandle());
    GtkTreeModel* old = gtk_combo_box_get_model(combo);
    const int columns = gtk_tree_model_get_n_columns(old);
    std::vector<GType> types(columns);
    for (int c = 0; c < columns; ++c) types[c] = gtk_tree_model_get_column_type(old, c);
    GtkListStore* store = gtk_list_store_newv(columns, types.data());
    for (int i = 0; i < model.GetCount(); ++i) {
      gtk_list_store_insert_with_values(store, nullptr, -1, m_stringCellIndex,
                                        model.GetText(i).c_str(), -1);
    }
    GTKDisableEvents();
    gtk_combo_box_set_model(combo, GTK_TREE_MODEL(store));
    g_object_unref(store);
    // The base class keeps one client-data slot per item.
    m_clientData.Clear();
    m_clientData.Add(nullptr, model.GetCount());
    GTKEnableEvents();
    InvalidateBestSize();
  }
};

// The sunken frame of a text cell: a text the user cannot change is no stop for Tab.
class TextCell : public wxPanel {
 public:
  TextCell(wxWindow* parent, const wxPoint& position, const wxSize& size)
      : wxPanel(parent, wxID_ANY, position, size, wxBORDER_SUNKEN) {
    SetCanFocus(false);
  }
  // wx turns the focus on for a panel with children; the accessibility interface would
  // then report the cell as focusable.
  void SetCanFocus(bool) override { wxPanel::SetCanFocus(false); }
  bool AcceptsFocus() const override { return false; }
  bool AcceptsFocusFromKeyboard() const override { return false; }
};

long TextAlignment(const Control& control) {
  if (control.HasStyle(STYLE_CENTER)) return wxALIGN_CENTRE_HORIZONTAL;
  if (control.HasStyle(STYLE_RIGHT)) return wxALIGN_RIGHT;
  return wxALIGN_LEFT;
}

void SyncItems(wxItemContainer& widget, const ItemListControl& model) {
  wxArrayString items;
  items.reserve(model.GetCount());
  for (int i = 0; i < model.GetCount(); ++i) items.push_back(Wx(model.GetText(i)));
  widget.Clear();
  if (!items.empty()) widget.Append(items);
}

// GTK answers "which entry is selected" for a drop-down shown as a list with the entry
// before it: it counts the list's header row among the entries.
AtkObject* SelectedEntryOfDropDown(AtkSelection* selection, gint index) {
  GtkWidget* widget = gtk_accessible_get_widget(GTK_ACCESSIBLE(selection));
  if (widget == nullptr || index != 0) return nullptr;
  const int active = gtk_combo_box_get_active(GTK_COMBO_BOX(widget));
  AtkObject* popup = gtk_combo_box_get_popup_accessible(GTK_COMBO_BOX(widget));
  if (active < 0 || popup == nullptr) return nullptr;
  if (ATK_IS_TABLE(popup)) return atk_table_ref_at(ATK_TABLE(popup), active, 0);
  return atk_object_ref_accessible_child(popup, active);
}

void CorrectDropDownSelection() {
  static const bool corrected = [] {
    auto* type = static_cast<GTypeClass*>(g_type_class_ref(GTK_TYPE_COMBO_BOX_ACCESSIBLE));
    auto* selection =
        static_cast<AtkSelectionIface*>(g_type_interface_peek(type, ATK_TYPE_SELECTION));
    if (selection != nullptr) selection->ref_selection = SelectedEntryOfDropDown;
    return true;
  }();
  (void)corrected;
}

// The GTK widget a screen reader reads: lists sit inside a scrolled window.
GtkWidget* AccessibleWidget(wxWindow* window) {
  if (auto* list = dynamic_cast<NativeList*>(window)) return GTK_WIDGET(list->Tree());
  GtkWidget* widget = window->GetHandle();
  if (GTK_IS_SCROLLED_WINDOW(widget)) return gtk_bin_get_child(GTK_BIN(widget));
  return widget;
}

void RealizeShownTree(GtkWidget* widget, gpointer) {
  if (!gtk_widget_get_visible(widget)) return;
  gtk_widget_realize(widget);
  if (GTK_IS_CONTAINER(widget)) {
    gtk_container_forall(GTK_CONTAINER(widget), RealizeShownTree, nullptr);
  }
}

}  // namespace

template <class Handler>
auto WxWindowPeer::Guarded(Handler handler) {
  return [alive = std::weak_ptr<bool>(alive_), handler](auto& event) {
    if (alive.expired()) {
      event.Skip();
      return;
    }
    handler(event);
  };
}

WxWindowPeer::WxWindowPeer(CDialog& dialog, const wxFont& font) : dialog_(dialog) {
  const DialogTemplate& t = dialog.dialogTemplate();
  long style = wxCAPTION;
  if (t.style & DIALOG_SYSTEM_MENU) style |= wxSYSTEM_MENU | wxCLOSE_BOX;
  if (t.style & DIALOG_MINIMIZE_BOX) style |= wxMINIMIZE_BOX;
  window_ = new wxDialog(nullptr, wxID_ANY, Wx(t.caption), wxDefaultPosition, wxDefaultSize,
                         style | wxDIALOG_NO_PARENT);
  // The layout follows the font, as dialog units do on Windows; fix it before measuring.
  window_->SetFont(font);
  wxClientDC dc(window_);
  dc.SetFont(font);
  wxCoord width = 0;
  wxCoord height = 0;
  dc.GetTextExtent(wxASCII_STR("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"), &width,
                   &height);
  baseUnits_ = wxSize(std::max(1, (width / 26 + 1) / 2), std::max(1, height));
  wxPoint client = ToPixels(t.width, t.height);
  window_->SetClientSize(client.x, client.y);
  panel_ = new wxPanel(window_, wxID_ANY, wxPoint(0, 0), wxSize(client.x, client.y));
  // Until a placement says otherwise a new window stands in the middle of the screen.
  window_->Centre(wxBOTH);
  CorrectDropDownSelection();
  CreateWidgets();
  BindDialogEvents();
  // Below GTK's redraws and wx's pending events: the launcher comes up first.
  prepareSource_ = g_idle_add_full(G_PRIORITY_LOW + 10, PrepareOnIdle, this, nullptr);
}

int WxWindowPeer::PrepareOnIdle(void* peer) {
  static_cast<WxWindowPeer*>(peer)->PrepareHidden();
  return G_SOURCE_REMOVE;
}

// GTK creates the windows of a window's widgets when it is first shown: 10 to 40 ms for a
// tool window. A hidden window does it while the program waits, so that the first show
// only maps it. Realizing maps nothing: the window stays hidden where it was put.
void WxWindowPeer::PrepareHidden() {
  prepareSource_ = 0;
  if (window_->IsShown()) return;
  // What the controls hold at their first show, measured and laid out once.
  Flush();
  GtkWidget* top = window_->GetHandle();
  gtk_widget_realize(top);
  // The children's windows are made where they will stand, not moved there at the show.
  GtkRequisition request;
  gtk_widget_get_preferred_size(top, &request, nullptr);
  GtkAllocation allocation{0, 0, 0, 0};
  gtk_window_get_size(GTK_WINDOW(top), &allocation.width, &allocation.height);
  gtk_widget_size_allocate(top, &allocation);
  gtk_container_forall(GTK_CONTAINER(top), RealizeShownTree, nullptr);
}

WxWindowPeer::~WxWindowPeer() {
  if (prepareSource_ != 0) g_source_remove(prepareSource_);
  alive_.reset();
  for (auto& [first, none] : noneChecked_) {
    gtk_widget_destroy(none);
    g_object_unref(none);
  }
  for (Widget& widget : widgets_) widget.control->Attach(nullptr, nullptr);
  window_->Hide();
  window_->Destroy();
}

wxPoint WxWindowPeer::ToPixels(int x, int y) const {
  return wxPoint((x * baseUnits_.x + 2) / 4, (y * baseUnits_.y + 4) / 8);
}

void WxWindowPeer::CreateWidgets() {
  const auto& templates = dialog_.dialogTemplate().controls;
  const auto& controls = dialog_.controls();
  // Frames first, so that they lie beneath the controls they enclose.
  for (int pass = 0; pass < 2; ++pass) {
    for (std::size_t i = 0; i < controls.size(); ++i) {
      bool frame = controls[i]->kind() == ControlKind::GroupBox;
      if (frame != (pass == 0)) continue;
      wxWindow* window = CreateWidget(*controls[i], templates[i]);
      wxWindow* outer = window->GetParent() == panel_ ? window : window->GetParent();
      widgetIndex_[controls[i].get()] = widgets_.size();
      widgets_.push_back(Widget{controls[i].get(), window, outer});
    }
  }
  const std::vector<std::string> names = AccessibleNames(dialog_.dialogTemplate());
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const bool captioned = controls[i]->kind() == ControlKind::Button ||
                           controls[i]->kind() == ControlKind::CheckBox ||
                           controls[i]->kind() == ControlKind::RadioButton;
    if (names[i].empty() || captioned) continue;
    wxWindow* window = widgets_[widgetIndex_.at(controls[i].get())].window;
    atk_object_set_name(gtk_widget_get_accessible(AccessibleWidget(window)), names[i].c_str());
  }
  for (Widget& widget : widgets_) Sync(widget);
}

wxWindow* WxWindowPeer::CreateWidget(Control& control, const ControlTemplate& t) {
  wxPoint position = ToPixels(t.rect.x, t.rect.y);
  wxPoint corner = ToPixels(t.rect.x + t.rect.width, t.rect.y + t.rect.height);
  wxSize size(corner.x - position.x, corner.y - position.y);
  wxWindow* window = CreateWidgetAt(control, position, size);
  // Enter presses the focused button: the model must know where the focus is.
  window->Bind(wxEVT_SET_FOCUS, Guarded([this, &control](wxFocusEvent& event) {
                 dialog_.UserSetFocus(control);
                 event.Skip();
               }));
  // GTK's check and radio indicators need their full height: keep the centre line.
  bool indicator =
      control.kind() == ControlKind::CheckBox || control.kind() == ControlKind::RadioButton;
  int best = window->GetBestSize().y;
  if (indicator && best > size.y) {
    window->SetSize(position.x, position.y - (best - size.y) / 2, size.x, best);
  }
  return window;
}

wxWindow* WxWindowPeer::CreateWidgetAt(Control& control, const wxPoint& position,
                                       const wxSize& size) {
  wxString label = Wx(control.GetWindowText());
  switch (control.kind()) {
    case ControlKind::Button: {
      auto* button = new wxButton(panel_, wxID_ANY, label, position, size);
      auto& model = static_cast<Button&>(control);
      button->Bind(wxEVT_BUTTON, Guarded([&model](wxCommandEvent&) { model.UserClick(); }));
      return button;
    }
    case ControlKind::CheckBox: {
      auto* box = new wxCheckBox(panel_, wxID_ANY, label, position, size);
      auto& model = static_cast<CheckBox&>(control);
      box->Bind(wxEVT_CHECKBOX, Guarded([this, &model](wxCommandEvent&) {
                  if (!syncing_) model.UserClick();
                }));
      return box;
    }
    case ControlKind::RadioButton: {
      // A GTK group always has one button on; an extra member stands for "none".
      auto& model = static_cast<RadioButton&>(control);
      const auto& group = model.group();
      bool first = group.empty() || group.front() == &model;
      auto* radio =
          new wxRadioButton(panel_, wxID_ANY, label, position, size, first ? wxRB_GROUP : 0);
      radio->Bind(wxEVT_RADIOBUTTON, Guarded([this, &model](wxCommandEvent&) {
                    if (!syncing_) model.UserClick();
                  }));
      // Outside any window, so that neither Tab nor a screen reader finds it.
      if (group.empty() || group.back() == &model) {
        GtkWidget* none = gtk_radio_button_new_from_widget(GTK_RADIO_BUTTON(radio->GetHandle()));
        g_object_ref_sink(none);
        noneChecked_[group.empty() ? &model : group.front()] = none;
      }
      return radio;
    }
    case ControlKind::GroupBox:
      return new wxStaticBox(panel_, wxID_ANY, label, position, size);
    case ControlKind::StaticText: {
      long style = TextAlignment(control) | wxST_NO_AUTORESIZE;
      // A one-line text never wraps onto a line nobody sees; what does not fit ends in "…"
      // and shows whole as the tooltip.
      if (size.y < 2 * panel_->GetCharHeight()) style |= wxST_ELLIPSIZE_END;
      if (!control.HasStyle(STYLE_SUNKEN)) {
        return new wxStaticText(panel_, wxID_ANY, label, position, size, style);
      }
      // A GTK label draws no border of its own: the cell is a sunken panel around it.
      auto* cell = new TextCell(panel_, position, size);
      wxSize inside = cell->GetClientSize();
      int textHeight = cell->GetCharHeight();
      return new wxStaticText(cell, wxID_ANY, label,
                              wxPoint(1, std::max(0, (inside.y - textHeight) / 2)),
                              wxSize(std::max(0, inside.x - 2), textHeight), style);
    }
    case ControlKind::Edit: {
      long style = control.HasStyle(STYLE_CENTER)  ? wxTE_CENTRE
                   : control.HasStyle(STYLE_RIGHT) ? wxTE_RIGHT
                                                   : 0;
      if (control.HasStyle(STYLE_READONLY)) style |= wxTE_READONLY;
      auto* edit = new wxTextCtrl(panel_, wxID_ANY, label, position, size, style);
      auto& model = static_cast<Edit&>(control);
      edit->Bind(wxEVT_TEXT, Guarded([this, &model, edit](wxCommandEvent&) {
                   if (!syncing_) model.UserType(Utf8(edit->GetValue()));
                 }));
      return edit;
    }
    case ControlKind::ComboBox: {
      auto* choice = new ModelChoice(panel_, position, wxSize(size.x, -1));
      auto& model = static_cast<ComboBox&>(control);
      choice->Bind(wxEVT_CHOICE, Guarded([this, &model, choice](wxCommandEvent&) {
                     if (!syncing_) model.UserChoose(choice->GetSelection());
                   }));
      return choice;
    }
    case ControlKind::ListBox: {
      auto* list = new wxListBox(panel_, wxID_ANY, position, size, 0, nullptr, wxLB_SINGLE);
      auto& model = static_cast<ListBox&>(control);
      list->Bind(wxEVT_LISTBOX, Guarded([this, &model, list](wxCommandEvent&) {
                   if (!syncing_) model.UserChoose(list->GetSelection());
                 }));
      return list;
    }
    case ControlKind::ListView: {
      auto& model = static_cast<ListView&>(control);
      auto* list = new NativeList(panel_, model, position, size);
      BindListViewEvents(model, list);
      return list;
    }
  }
  return nullptr;
}

void WxWindowPeer::BindListViewEvents(ListView& model, wxWindow* widget) {
  auto* list = static_cast<NativeList*>(widget);
  list->Bind(wxEVT_DATAVIEW_SELECTION_CHANGED, Guarded([this, &model, list](wxDataViewEvent&) {
               if (!syncing_) model.UserSelectItem(list->SelectedRow());
             }));
}

void WxWindowPeer::BindDialogEvents() {
  window_->Bind(wxEVT_CLOSE_WINDOW, Guarded([this](wxCloseEvent& event) {
                  if (!event.CanVeto()) {
                    event.Skip();
                    return;
                  }
                  event.Veto();
                  dialog_.UserClose();
                }));
  window_->Bind(wxEVT_CHAR_HOOK, Guarded([this](wxKeyEvent& event) {
                  int key = event.GetKeyCode();
                  if (key == WXK_ESCAPE) {
                    dialog_.UserPressEscape();
                    return;
                  }
                  bool enter = key == WXK_RETURN || key == WXK_NUMPAD_ENTER;
                  auto* list = dynamic_cast<NativeList*>(wxWindow::FindFocus());
                  if (enter && list != nullptr) {
                    list->ActivateSelected();
                    return;
                  }
                  if (enter && wxDynamicCast(wxWindow::FindFocus(), wxButton) == nullptr) {
                    dialog_.UserPressEnter();
                    return;
                  }
                  event.Skip();
                }));
  window_->Bind(wxEVT_ICONIZE, Guarded([this](wxIconizeEvent& event) {
                  if (event.IsIconized()) {
                    dialog_.UserMinimize();
                  } else {
                    dialog_.UserRestore();
                  }
                }));
  // GTK offers no window menu to extend: its entries open on a right click instead.
  panel_->Bind(wxEVT_CONTEXT_MENU, Guarded([this](wxContextMenuEvent&) { ShowSystemMenu(); }));
}

void WxWindowPeer::ShowSystemMenu() {
  const auto& items = dialog_.systemMenu();
  if (items.empty()) return;
  wxMenu menu;
  for (const SystemMenuItem& item : items) {
    if (item.command == 0) {
      if (menu.GetMenuItemCount() > 0) menu.AppendSeparator();
    } else {
      menu.Append(item.command, Wx(item.text));
    }
  }
  int chosen = window_->GetPopupMenuSelectionFromUser(menu);
  if (chosen != wxID_NONE) dialog_.UserSystemCommand(chosen);
}

wxWindow* WxWindowPeer::WidgetOf(int controlId) const {
  for (const Widget& widget : widgets_) {
    if (widget.control->id() == controlId) return widget.window;
  }
  return nullptr;
}

void WxWindowPeer::OnControlChanged(Control& control, ControlChange) {
  if (std::find(dirty_.begin(), dirty_.end(), &control) == dirty_.end()) {
    dirty_.push_back(&control);
  }
  if (flushScheduled_) return;
  flushScheduled_ = true;
  window_->CallAfter([alive = std::weak_ptr<bool>(alive_), this] {
    if (!alive.expired()) Flush();
  });
}

void WxWindowPeer::Flush() {
  flushScheduled_ = false;
  std::vector<Control*> dirty;
  dirty.swap(dirty_);
  for (Control* control : dirty) {
    auto found = widgetIndex_.find(control);
    if (found != widgetIndex_.end()) Sync(widgets_[found->second]);
  }
}

void WxWindowPeer::Sync(Widget& widget) {
  syncing_ = true;
  Control& control = *widget.control;
  wxWindow* window = widget.window;
  wxWindow* outer = widget.outer;
  if (outer->IsEnabled() != control.IsWindowEnabled()) outer->Enable(control.IsWindowEnabled());
  if (outer->IsShown() != control.IsWindowVisible()) outer->Show(control.IsWindowVisible());
  switch (control.kind()) {
    case ControlKind::Button:
    case ControlKind::GroupBox: {
      wxString label = Wx(control.GetWindowText());
      if (window->GetLabel() != label) window->SetLabel(label);
      break;
    }
    case ControlKind::StaticText: {
      wxString label = Wx(control.GetWindowText());
      if (window->GetLabel() == label) break;
      window->SetLabel(label);
      const bool cut = window->HasFlag(wxST_ELLIPSIZE_END) &&
                       window->GetTextExtent(label).x > window->GetClientSize().x;
      if (cut) {
        outer->SetToolTip(label);
        window->SetToolTip(label);
      } else if (window->GetToolTip() != nullptr) {
        outer->UnsetToolTip();
        window->UnsetToolTip();
      }
      break;
    }
    case ControlKind::CheckBox: {
      auto* box = static_cast<wxCheckBox*>(window);
      auto& model = static_cast<CheckBox&>(control);
      if (box->GetLabel() != Wx(model.GetWindowText())) box->SetLabel(Wx(model.GetWindowText()));
      if (box->GetValue() != (model.GetCheck() != 0)) box->SetValue(model.GetCheck() != 0);
      break;
    }
    case ControlKind::RadioButton: {
      auto* radio = static_cast<wxRadioButton*>(window);
      auto& model = static_cast<RadioButton&>(control);
      if (radio->GetLabel() != Wx(model.GetWindowText())) {
        radio->SetLabel(Wx(model.GetWindowText()));
      }
      SyncRadioGroup(model);
      break;
    }
    case ControlKind::Edit: {
      auto* edit = static_cast<wxTextCtrl*>(window);
      wxString text = Wx(control.GetWindowText());
      if (edit->GetValue() != text) edit->ChangeValue(text);
      break;
    }
    case ControlKind::ComboBox:
    case ControlKind::ListBox: {
      auto& model = static_cast<ItemListControl&>(control);
      auto* items = dynamic_cast<wxItemContainer*>(window);
      if (widget.itemsRevision != model.itemsRevision()) {
        widget.itemsRevision = model.itemsRevision();
        if (auto* choice = dynamic_cast<ModelChoice*>(window)) {
          choice->ReplaceItems(model);
        } else {
          SyncItems(*items, model);
        }
      }
      int selection = model.GetCurSel();
      if (items->GetSelection() != selection) items->SetSelection(selection);
      break;
    }
    case ControlKind::ListView: {
      auto& model = static_cast<ListView&>(control);
      auto* list = static_cast<NativeList*>(window);
      if (widget.columnsRevision != model.columnsRevision()) {
        widget.columnsRevision = model.columnsRevision();
        list->SyncColumns();
      }
      if (widget.rowsRevision != model.rowsRevision()) {
        widget.rowsRevision = model.rowsRevision();
        list->SyncRows();
      }
      if (list->SelectedRow() != model.GetSelectedItem()) list->SelectRow(model.GetSelectedItem());
      break;
    }
  }
  syncing_ = false;
}

void WxWindowPeer::SyncRadioGroup(const RadioButton& member) {
  const auto& group = member.group();
  const RadioButton* first = group.empty() ? &member : group.front();
  GtkWidget* on = noneChecked_.count(first) != 0 ? noneChecked_.at(first) : nullptr;
  for (const RadioButton* radio : group) {
    if (radio->GetCheck() != 0) {
      auto found = widgetIndex_.find(radio);
      if (found != widgetIndex_.end()) on = widgets_[found->second].window->GetHandle();
      break;
    }
  }
  if (group.empty() && member.GetCheck() != 0) {
    on = widgets_[widgetIndex_.at(&member)].window->GetHandle();
  }
  if (on != nullptr && !gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(on))) {
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(on), TRUE);
  }
}

void WxWindowPeer::Show(bool visible) {
  if (!visible) {
    window_->Hide();
    return;
  }
  Flush();
  window_->Show();
  // Showing activates, as on Windows: the window comes to the front.
  window_->Raise();
}

void WxWindowPeer::Activate() {
  window_->Raise();
  window_->SetFocus();
}

void WxWindowPeer::SetMinimized(bool minimized) {
  if (window_->IsIconized() != minimized) window_->Iconize(minimized);
}

void WxWindowPeer::SetEnabled(bool enabled) {
  window_->Enable(enabled);
}

void WxWindowPeer::SetTitle(std::string_view title) {
  window_->SetTitle(Wx(title));
}

Rect WxWindowPeer::GetNormalRect() const {
  wxRect rect = window_->GetRect();
  return Rect{rect.x, rect.y, rect.x + rect.width, rect.y + rect.height};
}

void WxWindowPeer::SetNormalRect(const Rect& rect) {
  window_->SetSize(rect.left, rect.top, rect.Width(), rect.Height());
}

void WxWindowPeer::SetFocus(Control& control) {
  auto found = widgetIndex_.find(&control);
  if (found == widgetIndex_.end()) return;
  Flush();
  wxWindow* window = widgets_[found->second].window;
  window->SetFocus();
  // The model counts bytes, the widget characters; only "all" and "none" carry over.
  if (auto* edit = wxDynamicCast(window, wxTextCtrl)) {
    auto& model = static_cast<Edit&>(control);
    bool all = model.selectionStart() == 0 &&
               model.selectionEnd() == static_cast<int>(model.GetWindowText().size());
    if (all) {
      edit->SelectAll();
    } else {
      edit->SetInsertionPointEnd();
    }
  }
}

}  // namespace kerumina::platform::wx
