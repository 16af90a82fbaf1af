#include "platform/controls.h"

#include <algorithm>

#include "text/sort_order.h"

namespace kerumina::platform {

namespace {

char FoldAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Windows compares list texts without regard to ASCII case.
bool EqualsFolded(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return FoldAscii(x) == FoldAscii(y); });
}

}  // namespace

Control::Control(ControlKind kind, int id, std::string_view text, unsigned style)
    : kind_(kind),
      id_(id),
      style_(style),
      text_(text),
      enabled_((style & STYLE_DISABLED) == 0),
      visible_((style & STYLE_HIDDEN) == 0) {}

void Control::SetWindowText(std::string_view text) {
  if (text_ == text) return;
  text_ = text;
  Changed(ControlChange::Text);
}

void Control::EnableWindow(bool enable) {
  if (enabled_ == enable) return;
  enabled_ = enable;
  Changed(ControlChange::Enabled);
}

void Control::ShowWindow(bool show) {
  if (visible_ == show) return;
  visible_ = show;
  Changed(ControlChange::Visible);
}

void Control::Attach(ControlObserver* observer, NotificationSink* sink) {
  observer_ = observer;
  sink_ = sink;
}

void Control::Changed(ControlChange change) {
  if (observer_ != nullptr) observer_->OnControlChanged(*this, change);
}

void Control::Notify(Notification code) {
  if (sink_ != nullptr) sink_->OnNotification(id_, code);
}

Button::Button(int id, std::string_view text, unsigned style)
    : Control(ControlKind::Button, id, text, style) {}

bool Button::UserClick() {
  if (!TakesUserInput()) return false;
  Notify(Notification::Clicked);
  return true;
}

StaticText::StaticText(ControlKind kind, int id, std::string_view text, unsigned style)
    : Control(kind, id, text, style) {}

CheckBox::CheckBox(int id, std::string_view text, unsigned style)
    : Control(ControlKind::CheckBox, id, text, style) {}

void CheckBox::SetCheck(int check) {
  bool checked = check != 0;
  if (checked_ == checked) return;
  checked_ = checked;
  Changed(ControlChange::Check);
}

bool CheckBox::UserClick() {
  if (!TakesUserInput()) return false;
  SetCheck(checked_ ? 0 : 1);
  Notify(Notification::Clicked);
  return true;
}

RadioButton::RadioButton(int id, std::string_view text, unsigned style)
    : Control(ControlKind::RadioButton, id, text, style) {}

void RadioButton::SetCheck(int check) {
  bool checked = check != 0;
  if (checked_ == checked) return;
  checked_ = checked;
  Changed(ControlChange::Check);
}

bool RadioButton::UserClick() {
  if (!TakesUserInput()) return false;
  for (RadioButton* other : group_) {
    if (other != this) other->SetCheck(0);
  }
  SetCheck(1);
  Notify(Notification::Clicked);
  return true;
}

Edit::Edit(int id, std::string_view text, unsigned style)
    : Control(ControlKind::Edit, id, text, style) {}

bool Edit::UserType(std::string_view text) {
  if (!TakesUserInput() || HasStyle(STYLE_READONLY)) return false;
  if (GetWindowText() == text) return true;
  SetWindowText(text);
  selStart_ = selEnd_ = static_cast<int>(text.size());
  Notify(Notification::EditChange);
  return true;
}

void Edit::SetSel(int start, int end) {
  int length = static_cast<int>(GetWindowText().size());
  selStart_ = std::clamp(start, 0, length);
  selEnd_ = (end < 0) ? length : std::clamp(end, selStart_, length);
}

ItemListControl::ItemListControl(ControlKind kind, int id, unsigned style)
    : Control(kind, id, "", style) {}

int ItemListControl::SortedPosition(std::string_view text) const {
  // After every equal item, so equal texts keep the order they were added in.
  auto it = std::upper_bound(items_.begin(), items_.end(), text,
                             [](std::string_view value, const Item& item) {
                               return text::CompareJapanese(value, item.text) < 0;
                             });
  return static_cast<int>(it - items_.begin());
}

void ItemListControl::ItemsChanged() {
  ++itemsRevision_;
  Changed(ControlChange::Items);
}

int ItemListControl::AddString(std::string_view text) {
  int position = HasStyle(STYLE_SORT) ? SortedPosition(text) : GetCount();
  return InsertString(position, text);
}

int ItemListControl::InsertString(int index, std::string_view text) {
  if (index < 0) index = GetCount();
  if (index > GetCount()) return NONE;
  items_.insert(items_.begin() + index, Item{std::string(text), 0});
  bool selectionMoved = selection_ != NONE && index <= selection_;
  if (selectionMoved) ++selection_;
  ItemsChanged();
  if (selectionMoved) Changed(ControlChange::Selection);
  return index;
}

int ItemListControl::DeleteString(int index) {
  if (index < 0 || index >= GetCount()) return NONE;
  items_.erase(items_.begin() + index);
  bool selectionMoved = false;
  if (selection_ == index) {
    selection_ = NONE;
    selectionMoved = true;
  } else if (selection_ > index) {
    --selection_;
    selectionMoved = true;
  }
  ItemsChanged();
  if (selectionMoved) Changed(ControlChange::Selection);
  return GetCount();
}

void ItemListControl::ResetContent() {
  items_.clear();
  bool hadSelection = selection_ != NONE;
  selection_ = NONE;
  ItemsChanged();
  if (hadSelection) Changed(ControlChange::Selection);
}

const std::string& ItemListControl::GetText(int index) const {
  static const std::string empty;
  if (index < 0 || index >= GetCount()) return empty;
  return items_[index].text;
}

ItemData ItemListControl::GetItemData(int index) const {
  if (index < 0 || index >= GetCount()) return NONE;
  return items_[index].data;
}

bool ItemListControl::SetItemData(int index, ItemData data) {
  if (index < 0 || index >= GetCount()) return false;
  items_[index].data = data;
  return true;
}

int ItemListControl::SetCurSel(int index) {
  int next = (index >= 0 && index < GetCount()) ? index : NONE;
  if (next != selection_) {
    selection_ = next;
    Changed(ControlChange::Selection);
  }
  return next;
}

int ItemListControl::FindStringExact(int startAfter, std::string_view text) const {
  int count = GetCount();
  int start = (startAfter < 0 || startAfter >= count) ? 0 : startAfter + 1;
  for (int step = 0; step < count; ++step) {
    int index = (start + step) % count;
    if (EqualsFolded(items_[index].text, text)) return index;
  }
  return NONE;
}

bool ItemListControl::UserChoose(int index) {
  if (!TakesUserInput() || index < 0 || index >= GetCount()) return false;
  SetCurSel(index);
  Notify(Notification::SelChange);
  return true;
}

ListView::ListView(int id, unsigned style) : Control(ControlKind::ListView, id, "", style) {}

int ListView::InsertColumn(int index, std::string_view heading, ColumnAlign align, int width) {
  if (index < 0 || index > GetColumnCount()) index = GetColumnCount();
  columns_.insert(columns_.begin() + index, ListColumn{std::string(heading), align, width});
  ++columnsRevision_;
  Changed(ControlChange::Columns);
  return index;
}

void ListView::RowsChanged() {
  ++rowsRevision_;
  Changed(ControlChange::Rows);
}

int ListView::InsertItem(int index, std::string_view text) {
  if (index < 0 || index > GetItemCount()) index = GetItemCount();
  rows_.insert(rows_.begin() + index, Row{{std::string(text)}, 0});
  bool selectionMoved = selection_ != NONE && index <= selection_;
  if (selectionMoved) ++selection_;
  RowsChanged();
  if (selectionMoved) Changed(ControlChange::Selection);
  return index;
}

bool ListView::SetItemText(int item, int subItem, std::string_view text) {
  if (!ValidItem(item) || subItem < 0) return false;
  auto& texts = rows_[item].texts;
  if (static_cast<int>(texts.size()) <= subItem) texts.resize(subItem + 1);
  texts[subItem] = text;
  RowsChanged();
  return true;
}

std::string ListView::GetItemText(int item, int subItem) const {
  if (!ValidItem(item) || subItem < 0) return {};
  const auto& texts = rows_[item].texts;
  return subItem < static_cast<int>(texts.size()) ? texts[subItem] : std::string();
}

bool ListView::SetItemData(int item, ItemData data) {
  if (!ValidItem(item)) return false;
  rows_[item].data = data;
  return true;
}

ItemData ListView::GetItemData(int item) const {
  return ValidItem(item) ? rows_[item].data : 0;
}

bool ListView::DeleteItem(int item) {
  if (!ValidItem(item)) return false;
  rows_.erase(rows_.begin() + item);
  bool selectionMoved = false;
  if (selection_ == item) {
    selection_ = NONE;
    selectionMoved = true;
  } else if (selection_ > item) {
    --selection_;
    selectionMoved = true;
  }
  RowsChanged();
  if (selectionMoved) Changed(ControlChange::Selection);
  return true;
}

void ListView::DeleteAllItems() {
  rows_.clear();
  bool hadSelection = selection_ != NONE;
  selection_ = NONE;
  RowsChanged();
  if (hadSelection) Changed(ControlChange::Selection);
}

void ListView::SortItems(const CompareFunc& compare) {
  // The selection follows its row.
  bool hadSelection = selection_ != NONE;
  std::vector<int> order(rows_.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  std::stable_sort(order.begin(), order.end(),
                   [&](int a, int b) { return compare(rows_[b].data, rows_[a].data) > 0; });
  std::vector<Row> sorted;
  sorted.reserve(rows_.size());
  int newSelection = NONE;
  for (std::size_t i = 0; i < order.size(); ++i) {
    if (hadSelection && order[i] == selection_) newSelection = static_cast<int>(i);
    sorted.push_back(std::move(rows_[order[i]]));
  }
  rows_ = std::move(sorted);
  selection_ = newSelection;
  RowsChanged();
  if (hadSelection) Changed(ControlChange::Selection);
}

void ListView::SetSelectedItem(int item) {
  int next = ValidItem(item) ? item : NONE;
  if (next == selection_) return;
  selection_ = next;
  Changed(ControlChange::Selection);
}

bool ListView::UserClickItem(int item, int subItem) {
  if (!TakesUserInput()) return false;
  lastClick_.item = ValidItem(item) ? item : -1;
  lastClick_.subItem = (subItem >= 0 && subItem < GetColumnCount()) ? subItem : -1;
  if (lastClick_.item != -1 && lastClick_.subItem != -1) SetSelectedItem(item);
  Notify(Notification::ItemClick);
  return true;
}

bool ListView::UserDoubleClickItem(int item, int subItem) {
  if (!UserClickItem(item, subItem)) return false;
  Notify(Notification::ItemDoubleClick);
  return true;
}

bool ListView::UserClickColumn(int column) {
  if (!TakesUserInput() || column < 0 || column >= GetColumnCount()) return false;
  lastColumnClick_ = column;
  Notify(Notification::ColumnClick);
  return true;
}

void ListView::UserSelectItem(int item) {
  SetSelectedItem(item);
}

}  // namespace kerumina::platform
