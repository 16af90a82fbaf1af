#include "platform/win32/window_peer.h"

#include <algorithm>

#include "platform/win32/wide_text.h"

namespace kerumina::platform::win32 {

namespace {

// Posted to a dialog to mirror the model changes of the last handler into its controls.
constexpr UINT WM_FLUSH_MODEL = WM_APP + 1;
constexpr int ICON_RESOURCE = 128;
constexpr WORD DIALOG_POINTS = 9;
// What a list view cell adds around its text.
constexpr int LIST_CELL_MARGIN = 16;
// How far a drop-down list opens below its box, in dialog units.
constexpr int DROP_DOWN_HEIGHT = 120;

// An in-memory dialog resource without controls: only it gives MapDialogRect the dialog
// font's units, exactly as a resource script's dialog would.
std::vector<WORD> DialogResource(const DialogTemplate& t, const std::wstring& face) {
  DWORD style = WS_POPUP | WS_CAPTION | DS_SETFONT | DS_MODALFRAME | DS_CENTER | DS_3DLOOK;
  if (t.style & DIALOG_SYSTEM_MENU) style |= WS_SYSMENU;
  if (t.style & DIALOG_MINIMIZE_BOX) style |= WS_MINIMIZEBOX;
  std::vector<WORD> words;
  auto add32 = [&words](DWORD value) {
    words.push_back(LOWORD(value));
    words.push_back(HIWORD(value));
  };
  auto addText = [&words](const std::wstring& text) {
    for (wchar_t c : text) words.push_back(static_cast<WORD>(c));
    words.push_back(0);
  };
  add32(style);
  add32(0);            // extended style
  words.push_back(0);  // no control items: the renderer creates them
  words.push_back(0);  // x, y: DS_CENTER places the window
  words.push_back(0);
  words.push_back(static_cast<WORD>(t.width));
  words.push_back(static_cast<WORD>(t.height));
  words.push_back(0);  // no menu
  words.push_back(0);  // the dialog class
  addText(Wide(t.caption));
  words.push_back(DIALOG_POINTS);
  addText(face);
  return words;
}

int ListColumnFormat(ColumnAlign align) {
  switch (align) {
    case ColumnAlign::Right:
      return LVCFMT_RIGHT;
    case ColumnAlign::Center:
      return LVCFMT_CENTER;
    case ColumnAlign::Left:
      break;
  }
  return LVCFMT_LEFT;
}

std::wstring WindowText(HWND window) {
  int length = GetWindowTextLengthW(window);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(length));
  return text;
}

void SetTextIfChanged(HWND window, const std::string& utf8) {
  std::wstring text = Wide(utf8);
  if (WindowText(window) != text) SetWindowTextW(window, text.c_str());
}

struct ControlClass {
  const wchar_t* name;
  DWORD style;
  DWORD exStyle;
};

DWORD TextAlignStyle(const Control& control, DWORD left, DWORD center, DWORD right) {
  if (control.HasStyle(STYLE_CENTER)) return center;
  if (control.HasStyle(STYLE_RIGHT)) return right;
  return left;
}

ControlClass ClassOf(const Control& control) {
  switch (control.kind()) {
    case ControlKind::Button:
      return {
          L"BUTTON",
          static_cast<DWORD>(control.HasStyle(STYLE_DEFAULT) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) |
              BS_NOTIFY | WS_TABSTOP,
          0};
    case ControlKind::CheckBox:
      // Not automatic: the model decides the state, the control shows it.
      return {L"BUTTON", BS_CHECKBOX | BS_NOTIFY | WS_TABSTOP, 0};
    case ControlKind::RadioButton:
      // Automatic, so that arrow keys choose within the group as on any Windows dialog.
      return {L"BUTTON", BS_AUTORADIOBUTTON | BS_NOTIFY, 0};
    case ControlKind::GroupBox:
      return {L"BUTTON", BS_GROUPBOX, 0};
    case ControlKind::StaticText: {
      DWORD style = TextAlignStyle(control, SS_LEFT, SS_CENTER, SS_RIGHT);
      // A cell shows one line; what does not fit ends in "…" and shows whole as the
      // tooltip, which needs the cell's mouse messages.
      if (control.HasStyle(STYLE_SUNKEN)) {
        return {L"STATIC", style | SS_CENTERIMAGE | SS_ENDELLIPSIS | SS_NOTIFY, WS_EX_STATICEDGE};
      }
      return {L"STATIC", style, 0};
    }
    case ControlKind::Edit: {
      DWORD style =
          TextAlignStyle(control, ES_LEFT, ES_CENTER, ES_RIGHT) | ES_AUTOHSCROLL | WS_TABSTOP;
      if (control.HasStyle(STYLE_READONLY)) style |= ES_READONLY;
      return {L"EDIT", style, WS_EX_CLIENTEDGE};
    }
    case ControlKind::ComboBox:
      // Never CBS_SORT: the model keeps its own order, the same on every system.
      return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0};
    case ControlKind::ListBox:
      return {L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
              WS_EX_CLIENTEDGE};
    case ControlKind::ListView:
      return {WC_LISTVIEWW,
              LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDATA | WS_TABSTOP,
              WS_EX_CLIENTEDGE};
  }
  return {L"STATIC", 0, 0};
}

}  // namespace

Win32WindowPeer::Win32WindowPeer(CDialog& dialog, const std::wstring& face, HWND owner)
    : dialog_(dialog) {
  const DialogTemplate& t = dialog.dialogTemplate();
  std::vector<WORD> resource = DialogResource(t, face);
  window_ = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                       reinterpret_cast<LPCDLGTEMPLATEW>(resource.data()), owner,
                                       DialogProc, reinterpret_cast<LPARAM>(this));
  font_ = reinterpret_cast<HFONT>(SendMessageW(window_, WM_GETFONT, 0, 0));
  if (t.style & DIALOG_SYSTEM_MENU) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    auto icon = [instance](int metricX, int metricY) {
      return reinterpret_cast<LPARAM>(LoadImageW(instance, MAKEINTRESOURCEW(ICON_RESOURCE),
                                                 IMAGE_ICON, GetSystemMetrics(metricX),
                                                 GetSystemMetrics(metricY), LR_SHARED));
    };
    SendMessageW(window_, WM_SETICON, ICON_BIG, icon(SM_CXICON, SM_CYICON));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, icon(SM_CXSMICON, SM_CYSMICON));
  }
  tooltips_ = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
  CreateControls();
}

Win32WindowPeer::~Win32WindowPeer() {
  SetWindowLongPtrW(window_, DWLP_USER, 0);
  DestroyWindow(window_);
  for (Widget& widget : widgets_) {
    if (widget.narrowFont != nullptr) DeleteObject(widget.narrowFont);
  }
}

INT_PTR CALLBACK Win32WindowPeer::DialogProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(window, DWLP_USER, lParam);
    return FALSE;
  }
  auto* peer = reinterpret_cast<Win32WindowPeer*>(GetWindowLongPtrW(window, DWLP_USER));
  return peer != nullptr ? peer->HandleMessage(message, wParam, lParam) : FALSE;
}

INT_PTR Win32WindowPeer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(HIWORD(wParam), LOWORD(wParam), reinterpret_cast<HWND>(lParam));
      return TRUE;
    case WM_NOTIFY:
      SetWindowLongPtrW(window_, DWLP_MSGRESULT, OnNotify(*reinterpret_cast<const NMHDR*>(lParam)));
      return TRUE;
    case WM_CLOSE:
      dialog_.UserClose();
      return TRUE;
    case WM_SIZE:
      if (wParam == SIZE_MINIMIZED && !dialog_.IsIconic()) dialog_.UserMinimize();
      if (wParam == SIZE_RESTORED && dialog_.IsIconic()) dialog_.UserRestore();
      return FALSE;
    case WM_SYSCOMMAND:
      // Our own entries of the system menu; the system's are the system's business.
      for (const SystemMenuItem& item : dialog_.systemMenu()) {
        if (item.command != 0 && (item.command & 0xFFF0) == static_cast<int>(wParam & 0xFFF0)) {
          dialog_.UserSystemCommand(static_cast<int>(wParam));
          return TRUE;
        }
      }
      return FALSE;
    case WM_FLUSH_MODEL:
      Flush();
      return TRUE;
    default:
      return FALSE;
  }
}

void Win32WindowPeer::CreateControls() {
  const auto& templates = dialog_.dialogTemplate().controls;
  const auto& controls = dialog_.controls();
  // Template order is creation order is Tab order, as in a resource script.
  bool previousWasRadio = false;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    Control& control = *controls[i];
    bool radio = control.kind() == ControlKind::RadioButton;
    bool startsGroup = !radio || !previousWasRadio || control.HasStyle(STYLE_GROUP);
    previousWasRadio = radio;
    HWND window = CreateControl(control, templates[i], startsGroup);
    widgetIndex_[&control] = widgets_.size();
    windowIndex_[window] = widgets_.size();
    widgets_.push_back(Widget{&control, window});
    if (control.kind() == ControlKind::ListView) {
      widgets_.back().fitter = std::make_unique<ColumnFitter>(
          [window](std::string_view text) {
            return static_cast<int>(SendMessageW(window, LVM_GETSTRINGWIDTHW, 0,
                                                 reinterpret_cast<LPARAM>(Wide(text).c_str())));
          },
          LIST_CELL_MARGIN);
    }
  }
  for (Widget& widget : widgets_) Sync(widget);
}

HWND Win32WindowPeer::CreateControl(Control& control, const ControlTemplate& t, bool startsGroup) {
  ControlClass kind = ClassOf(control);
  DWORD style = WS_CHILD | WS_VISIBLE | kind.style;
  if (startsGroup) style |= WS_GROUP;
  // A radio group is entered by Tab at its first button; arrows move within it.
  if (control.kind() == ControlKind::RadioButton && startsGroup) style |= WS_TABSTOP;
  RECT rect{t.rect.x, t.rect.y, t.rect.x + t.rect.width, t.rect.y + t.rect.height};
  MapDialogRect(window_, &rect);
  if (control.kind() == ControlKind::ComboBox) {
    RECT drop{0, 0, 0, DROP_DOWN_HEIGHT};
    MapDialogRect(window_, &drop);
    rect.bottom += drop.bottom;
  }
  int id = control.id() == ID_STATIC ? 0xFFFF : control.id();
  HWND window = CreateWindowExW(
      kind.exStyle, kind.name, Wide(control.GetWindowText()).c_str(), style, rect.left, rect.top,
      rect.right - rect.left, rect.bottom - rect.top, window_,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  if (control.kind() == ControlKind::ListView) {
    DWORD extended = LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES;
    SendMessageW(window, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
  }
  return window;
}

Win32WindowPeer::Widget* Win32WindowPeer::WidgetOf(HWND window) {
  auto found = windowIndex_.find(window);
  return found == windowIndex_.end() ? nullptr : &widgets_[found->second];
}

HWND Win32WindowPeer::ControlOf(int controlId) const {
  for (const Widget& widget : widgets_) {
    if (widget.control->id() == controlId) return widget.window;
  }
  return nullptr;
}

void Win32WindowPeer::OnCommand(WORD code, WORD id, HWND from) {
  if (from == nullptr) {
    // Enter and Escape as the dialog manager reports them when no control claims them.
    if (id == IDOK) {
      if (Widget* focused = WidgetOf(GetFocus())) dialog_.UserSetFocus(*focused->control);
      dialog_.UserPressEnter();
    } else if (id == IDCANCEL) {
      dialog_.UserPressEscape();
    }
    return;
  }
  Widget* widget = WidgetOf(from);
  if (widget == nullptr || syncing_) return;
  Control& control = *widget->control;
  bool gotFocus =
      code == BN_SETFOCUS || code == EN_SETFOCUS || code == CBN_SETFOCUS || code == LBN_SETFOCUS;
  switch (control.kind()) {
    case ControlKind::Button:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
      if (code == BN_SETFOCUS) break;
      if (code != BN_CLICKED) return;
      if (control.kind() == ControlKind::Button) static_cast<Button&>(control).UserClick();
      if (control.kind() == ControlKind::CheckBox) static_cast<CheckBox&>(control).UserClick();
      if (control.kind() == ControlKind::RadioButton) {
        static_cast<RadioButton&>(control).UserClick();
      }
      // A refused click (disabled in the model) must not leave the control changed.
      OnControlChanged(control, ControlChange::Check);
      return;
    case ControlKind::Edit:
      if (code == EN_CHANGE) {
        static_cast<Edit&>(control).UserType(Utf8(WindowText(from)));
        return;
      }
      break;
    case ControlKind::ComboBox:
      if (code == CBN_SELCHANGE) {
        auto index = static_cast<int>(SendMessageW(from, CB_GETCURSEL, 0, 0));
        static_cast<ComboBox&>(control).UserChoose(index);
        return;
      }
      break;
    case ControlKind::ListBox:
      if (code == LBN_SELCHANGE) {
        auto index = static_cast<int>(SendMessageW(from, LB_GETCURSEL, 0, 0));
        static_cast<ListBox&>(control).UserChoose(index);
        return;
      }
      break;
    default:
      break;
  }
  if (gotFocus) dialog_.UserSetFocus(control);
}

LRESULT Win32WindowPeer::OnNotify(const NMHDR& header) {
  Widget* widget = WidgetOf(header.hwndFrom);
  if (widget == nullptr || widget->control->kind() != ControlKind::ListView) return 0;
  auto& model = static_cast<ListView&>(*widget->control);
  switch (header.code) {
    case LVN_GETDISPINFOW: {
      auto& info = const_cast<NMLVDISPINFOW&>(reinterpret_cast<const NMLVDISPINFOW&>(header));
      if ((info.item.mask & LVIF_TEXT) != 0 && info.item.cchTextMax > 0) {
        cellText_ = Wide(model.GetItemText(info.item.iItem, info.item.iSubItem));
        lstrcpynW(info.item.pszText, cellText_.c_str(), info.item.cchTextMax);
      }
      return 0;
    }
    case LVN_COLUMNCLICK:
      model.UserClickColumn(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem);
      return 0;
    case LVN_ITEMCHANGED: {
      const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
      bool selected =
          (change.uNewState & LVIS_SELECTED) != 0 && (change.uOldState & LVIS_SELECTED) == 0;
      if (!syncing_ && selected && change.iItem >= 0) model.UserSelectItem(change.iItem);
      return 0;
    }
    case NM_CLICK:
    case NM_DBLCLK: {
      // Row and column of the click, also beside the rows (as the model wants it).
      LVHITTESTINFO hit{};
      hit.pt = reinterpret_cast<const NMITEMACTIVATE&>(header).ptAction;
      SendMessageW(header.hwndFrom, LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit));
      int item = hit.iItem;
      int column = item >= 0 ? hit.iSubItem : -1;
      if (item < 0) {
        int left = 0;
        for (int c = 0; c < model.GetColumnCount(); ++c) {
          left += static_cast<int>(SendMessageW(header.hwndFrom, LVM_GETCOLUMNWIDTH, c, 0));
          if (hit.pt.x < left) {
            column = c;
            break;
          }
        }
      }
      if (header.code == NM_CLICK) {
        model.UserClickItem(item, column);
      } else {
        model.UserDoubleClickItem(item, column);
      }
      return 0;
    }
    case NM_SETFOCUS:
      dialog_.UserSetFocus(model);
      return 0;
    default:
      return 0;
  }
}

void Win32WindowPeer::OnControlChanged(Control& control, ControlChange) {
  if (std::find(dirty_.begin(), dirty_.end(), &control) == dirty_.end()) {
    dirty_.push_back(&control);
  }
  if (flushPosted_) return;
  flushPosted_ = true;
  PostMessageW(window_, WM_FLUSH_MODEL, 0, 0);
}

void Win32WindowPeer::Flush() {
  flushPosted_ = false;
  std::vector<Control*> dirty;
  dirty.swap(dirty_);
  for (Control* control : dirty) {
    auto found = widgetIndex_.find(control);
    if (found != widgetIndex_.end()) Sync(widgets_[found->second]);
  }
}

void Win32WindowPeer::Sync(Widget& widget) {
  syncing_ = true;
  Control& control = *widget.control;
  HWND window = widget.window;
  if ((IsWindowEnabled(window) != FALSE) != control.IsWindowEnabled()) {
    EnableWindow(window, control.IsWindowEnabled() ? TRUE : FALSE);
  }
  bool shown = (GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0;
  if (shown != control.IsWindowVisible()) {
    ShowWindow(window, control.IsWindowVisible() ? SW_SHOWNA : SW_HIDE);
  }
  switch (control.kind()) {
    case ControlKind::Button:
    case ControlKind::GroupBox:
    case ControlKind::Edit:
      SetTextIfChanged(window, control.GetWindowText());
      break;
    case ControlKind::StaticText:
      SetTextIfChanged(window, control.GetWindowText());
      if (control.HasStyle(STYLE_SUNKEN)) SyncTooltip(widget);
      break;
    case ControlKind::CheckBox:
    case ControlKind::RadioButton: {
      SetTextIfChanged(window, control.GetWindowText());
      // An automatic radio button unchecks its neighbours itself: mirror the whole group.
      std::vector<Control*> members{&control};
      if (control.kind() == ControlKind::RadioButton) {
        for (RadioButton* member : static_cast<RadioButton&>(control).group()) {
          members.push_back(member);
        }
      }
      for (Control* member : members) {
        auto found = widgetIndex_.find(member);
        if (found == widgetIndex_.end()) continue;
        int check = member->kind() == ControlKind::CheckBox
                        ? static_cast<CheckBox*>(member)->GetCheck()
                        : static_cast<RadioButton*>(member)->GetCheck();
        HWND button = widgets_[found->second].window;
        WPARAM state = check != 0 ? BST_CHECKED : BST_UNCHECKED;
        if (static_cast<WPARAM>(SendMessageW(button, BM_GETCHECK, 0, 0)) != state) {
          SendMessageW(button, BM_SETCHECK, state, 0);
        }
      }
      break;
    }
    case ControlKind::ComboBox:
    case ControlKind::ListBox:
      SyncItems(widget, static_cast<ItemListControl&>(control));
      break;
    case ControlKind::ListView:
      SyncListView(widget, static_cast<ListView&>(control));
      break;
  }
  syncing_ = false;
}

void Win32WindowPeer::SyncTooltip(Widget& widget) {
  std::wstring text = Wide(widget.control->GetWindowText());
  HDC dc = GetDC(widget.window);
  HGDIOBJ previous = SelectObject(dc, font_);
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, previous);
  ReleaseDC(widget.window, dc);
  RECT client{};
  GetClientRect(widget.window, &client);
  TOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = window_;
  tool.uId = reinterpret_cast<UINT_PTR>(widget.window);
  tool.lpszText = text.data();
  const bool cut = size.cx > client.right;
  if (cut && !widget.hasTooltip)
    SendMessageW(tooltips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  if (cut && widget.hasTooltip) {
    SendMessageW(tooltips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  if (!cut && widget.hasTooltip)
    SendMessageW(tooltips_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  widget.hasTooltip = cut;
}

void Win32WindowPeer::SyncItems(Widget& widget, ItemListControl& model) {
  bool combo = model.kind() == ControlKind::ComboBox;
  UINT reset = combo ? CB_RESETCONTENT : LB_RESETCONTENT;
  UINT add = combo ? CB_ADDSTRING : LB_ADDSTRING;
  UINT getSelection = combo ? CB_GETCURSEL : LB_GETCURSEL;
  UINT setSelection = combo ? CB_SETCURSEL : LB_SETCURSEL;
  HWND window = widget.window;
  if (widget.itemsRevision != model.itemsRevision()) {
    widget.itemsRevision = model.itemsRevision();
    SendMessageW(window, WM_SETREDRAW, FALSE, 0);
    SendMessageW(window, reset, 0, 0);
    for (int i = 0; i < model.GetCount(); ++i) {
      SendMessageW(window, add, 0, reinterpret_cast<LPARAM>(Wide(model.GetText(i)).c_str()));
    }
    FitItems(widget, model);
    SendMessageW(window, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(window, nullptr, TRUE);
  }
  int selection = model.GetCurSel();
  if (static_cast<int>(SendMessageW(window, getSelection, 0, 0)) != selection) {
    SendMessageW(window, setSelection, static_cast<WPARAM>(selection), 0);
  }
}

// GTK sizes a drop-down list to its widest item and lays its scroll bars over the items;
// Win32 does neither, so a cut item would read as a different value ("108:26～2").
void Win32WindowPeer::FitItems(Widget& widget, const ItemListControl& model) {
  HWND window = widget.window;
  HDC dc = GetDC(window);
  HGDIOBJ previous = SelectObject(dc, font_);
  int widest = 0;
  for (int i = 0; i < model.GetCount(); ++i) {
    std::wstring text = Wide(model.GetText(i));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    widest = std::max(widest, static_cast<int>(size.cx));
  }
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, previous);
  ReleaseDC(window, dc);
  const int scrollBar = GetSystemMetrics(SM_CXVSCROLL);
  // Room for the item's margins and the list's frame.
  const int margins = 4 * GetSystemMetrics(SM_CXEDGE);
  RECT outer{};
  GetWindowRect(window, &outer);
  const int width = outer.right - outer.left;
  if (model.kind() == ControlKind::ComboBox) {
    SendMessageW(window, CB_SETDROPPEDWIDTH, std::max(width, widest + margins + scrollBar), 0);
    return;
  }
  RECT client{};
  GetClientRect(window, &client);
  const int itemHeight = static_cast<int>(SendMessageW(window, LB_GETITEMHEIGHT, 0, 0));
  const bool scrolls = model.GetCount() * std::max(1, itemHeight) > client.bottom;
  const int room = width - margins - (scrolls ? scrollBar : 0);
  HFONT font = font_;
  HFONT narrow = nullptr;
  if (widest > room && room > 0) {
    LOGFONTW face{};
    GetObjectW(font_, sizeof face, &face);
    face.lfWidth = std::max(1, static_cast<int>(metrics.tmAveCharWidth) * room / widest);
    narrow = CreateFontIndirectW(&face);
    if (narrow != nullptr) font = narrow;
  }
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (widget.narrowFont != nullptr) DeleteObject(widget.narrowFont);
  widget.narrowFont = narrow;
}

void Win32WindowPeer::SyncListView(Widget& widget, ListView& model) {
  HWND list = widget.window;
  if (widget.columnsRevision != model.columnsRevision()) {
    widget.columnsRevision = model.columnsRevision();
    while (SendMessageW(list, LVM_DELETECOLUMN, 0, 0) != FALSE) {
    }
    for (int c = 0; c < model.GetColumnCount(); ++c) {
      const ListColumn& column = model.GetColumn(c);
      std::wstring heading = Wide(column.heading);
      LVCOLUMNW entry{};
      entry.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
      entry.fmt = ListColumnFormat(column.align);
      entry.cx = column.width;
      entry.pszText = heading.data();
      entry.iSubItem = c;
      SendMessageW(list, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&entry));
    }
  }
  if (widget.rowsRevision != model.rowsRevision()) {
    widget.rowsRevision = model.rowsRevision();
    SendMessageW(list, LVM_SETITEMCOUNT, model.GetItemCount(), LVSICF_NOSCROLL);
    // Columns only grow, so that a refill never makes the list jump narrower.
    const std::vector<int> widths = widget.fitter->Widths(model);
    for (int c = 0; c < static_cast<int>(widths.size()); ++c) {
      if (SendMessageW(list, LVM_GETCOLUMNWIDTH, c, 0) < widths[c]) {
        SendMessageW(list, LVM_SETCOLUMNWIDTH, c, widths[c]);
      }
    }
    InvalidateRect(list, nullptr, TRUE);
  }
  auto selected =
      static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  if (selected != model.GetSelectedItem()) {
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = 0;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
    if (model.GetSelectedItem() != ListView::NONE) {
      state.state = LVIS_SELECTED | LVIS_FOCUSED;
      SendMessageW(list, LVM_SETITEMSTATE, model.GetSelectedItem(),
                   reinterpret_cast<LPARAM>(&state));
      SendMessageW(list, LVM_ENSUREVISIBLE, model.GetSelectedItem(), FALSE);
    }
  }
}

void Win32WindowPeer::Show(bool visible) {
  if (!visible) {
    ShowWindow(window_, SW_HIDE);
    return;
  }
  Flush();
  ShowWindow(window_, SW_SHOW);
}

void Win32WindowPeer::Activate() {
  SetForegroundWindow(window_);
  SetActiveWindow(window_);
}

void Win32WindowPeer::SetMinimized(bool minimized) {
  if ((IsIconic(window_) != FALSE) != minimized) {
    ShowWindow(window_, minimized ? SW_MINIMIZE : SW_RESTORE);
  }
}

void Win32WindowPeer::SetEnabled(bool enabled) {
  EnableWindow(window_, enabled ? TRUE : FALSE);
}

void Win32WindowPeer::SetTitle(std::string_view title) {
  SetWindowTextW(window_, Wide(title).c_str());
}

Rect Win32WindowPeer::GetNormalRect() const {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  GetWindowPlacement(window_, &placement);
  const RECT& r = placement.rcNormalPosition;
  return Rect{r.left, r.top, r.right, r.bottom};
}

void Win32WindowPeer::SetNormalRect(const Rect& rect) {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  GetWindowPlacement(window_, &placement);
  placement.rcNormalPosition = RECT{rect.left, rect.top, rect.right, rect.bottom};
  // Only the rectangle changes: visibility and state stay the model's business.
  if (IsWindowVisible(window_) == FALSE) {
    placement.showCmd = SW_HIDE;
  } else {
    placement.showCmd = IsIconic(window_) != FALSE ? SW_SHOWMINNOACTIVE : SW_SHOWNOACTIVATE;
  }
  placement.flags = 0;
  SetWindowPlacement(window_, &placement);
}

void Win32WindowPeer::SetFocus(Control& control) {
  auto found = widgetIndex_.find(&control);
  if (found == widgetIndex_.end()) return;
  Flush();
  HWND window = widgets_[found->second].window;
  // As the dialog manager moves the focus: an edit box gets all its text selected.
  SendMessageW(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(window), TRUE);
  if (control.kind() == ControlKind::Edit) {
    auto& model = static_cast<Edit&>(control);
    bool all = model.selectionStart() == 0 &&
               model.selectionEnd() == static_cast<int>(model.GetWindowText().size());
    if (!all) SendMessageW(window, EM_SETSEL, static_cast<WPARAM>(-1), -1);
  }
}

void Win32WindowPeer::SystemMenuChanged() {
  GetSystemMenu(window_, TRUE);  // back to the system's own entries
  HMENU menu = GetSystemMenu(window_, FALSE);
  if (menu == nullptr) return;
  for (const SystemMenuItem& item : dialog_.systemMenu()) {
    if (item.command == 0) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else {
      AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(item.command), Wide(item.text).c_str());
    }
  }
}

}  // namespace kerumina::platform::win32
