// The control model: every control of a dialog holds its own state here, whichever toolkit
// draws it. Setting a control from code never notifies the dialog; the User* operations are
// what a person does (the backends and the tests call them) and they notify.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/window_types.h"

namespace kerumina::platform {

enum class ControlKind {
  Button,
  CheckBox,
  RadioButton,
  GroupBox,
  StaticText,
  Edit,
  ComboBox,
  ListBox,
  ListView,
};

// Style bits of a control template.
enum ControlStyle : unsigned {
  STYLE_NONE = 0,
  STYLE_GROUP = 1u << 0,     // starts a new radio-button group
  STYLE_SORT = 1u << 1,      // combo box / list box keeps its items sorted
  STYLE_CENTER = 1u << 2,    // text centred
  STYLE_RIGHT = 1u << 3,     // text right-aligned
  STYLE_DISABLED = 1u << 4,  // starts disabled
  STYLE_HIDDEN = 1u << 5,    // starts hidden
  STYLE_SUNKEN = 1u << 6,    // static text drawn as a sunken cell
  STYLE_DEFAULT = 1u << 7,   // the default push button (Enter presses it)
  STYLE_READONLY = 1u << 8,  // edit box the user cannot type into
};

// What a control tells its dialog about a user action.
enum class Notification {
  Clicked,          // button, check box, radio button
  SelChange,        // combo box, list box
  EditChange,       // edit box text typed
  ItemClick,        // list view: a click, on a row or beside the rows
  ItemDoubleClick,  // list view
  ColumnClick,      // list view: a column heading
};

// What changed in a control, for a backend that mirrors the model into widgets.
enum class ControlChange { Text, Check, Enabled, Visible, Items, Selection, Columns, Rows };

class Control;

class ControlObserver {
 public:
  virtual ~ControlObserver() = default;
  virtual void OnControlChanged(Control& control, ControlChange change) = 0;
};

class NotificationSink {
 public:
  virtual ~NotificationSink() = default;
  virtual void OnNotification(int controlId, Notification code) = 0;
};

class Control {
 public:
  Control(ControlKind kind, int id, std::string_view text, unsigned style);
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  ControlKind kind() const { return kind_; }
  int id() const { return id_; }
  unsigned style() const { return style_; }
  bool HasStyle(unsigned style) const { return (style_ & style) != 0; }

  const std::string& GetWindowText() const { return text_; }
  void SetWindowText(std::string_view text);
  bool IsWindowEnabled() const { return enabled_; }
  void EnableWindow(bool enable = true);
  bool IsWindowVisible() const { return visible_; }
  void ShowWindow(bool show);

  void Attach(ControlObserver* observer, NotificationSink* sink);

 protected:
  void Changed(ControlChange change);
  void Notify(Notification code);
  // A disabled or hidden control ignores the user.
  bool TakesUserInput() const { return enabled_ && visible_; }

 private:
  ControlKind kind_;
  int id_;
  unsigned style_;
  std::string text_;
  bool enabled_;
  bool visible_;
  ControlObserver* observer_ = nullptr;
  NotificationSink* sink_ = nullptr;
};

class Button : public Control {
 public:
  Button(int id, std::string_view text, unsigned style);
  bool UserClick();
};

class StaticText : public Control {
 public:
  StaticText(ControlKind kind, int id, std::string_view text, unsigned style);
};

// Check box with an automatic toggle on click.
class CheckBox : public Control {
 public:
  CheckBox(int id, std::string_view text, unsigned style);
  int GetCheck() const { return checked_ ? 1 : 0; }
  void SetCheck(int check);
  bool UserClick();

 private:
  bool checked_ = false;
};

// Radio button with automatic exclusion within its group on a user click; checking one from
// code leaves the others alone (CheckRadioButton of the dialog clears a range).
class RadioButton : public Control {
 public:
  RadioButton(int id, std::string_view text, unsigned style);
  int GetCheck() const { return checked_ ? 1 : 0; }
  void SetCheck(int check);
  bool UserClick();
  void SetGroup(std::vector<RadioButton*> group) { group_ = std::move(group); }
  const std::vector<RadioButton*>& group() const { return group_; }

 private:
  bool checked_ = false;
  std::vector<RadioButton*> group_;
};

class Edit : public Control {
 public:
  Edit(int id, std::string_view text, unsigned style);
  // Replaces the whole text, as typing into the box does.
  bool UserType(std::string_view text);
  void SetSel(int start, int end);
  int selectionStart() const { return selStart_; }
  int selectionEnd() const { return selEnd_; }

 private:
  int selStart_ = 0;
  int selEnd_ = 0;
};

// Items with text and item data and one current selection (-1 = none); shared by the
// drop-down list and the list box.
class ItemListControl : public Control {
 public:
  static constexpr int NONE = -1;

  ItemListControl(ControlKind kind, int id, unsigned style);

  int GetCount() const { return static_cast<int>(items_.size()); }
  // Appends, or inserts in the sorted order when the control sorts. Returns the position.
  int AddString(std::string_view text);
  // Inserts at index (-1 = at the end); never sorts. Returns the position or NONE.
  int InsertString(int index, std::string_view text);
  // Returns the remaining count or NONE.
  int DeleteString(int index);
  void ResetContent();
  const std::string& GetText(int index) const;
  ItemData GetItemData(int index) const;
  bool SetItemData(int index, ItemData data);
  int GetCurSel() const { return selection_; }
  // Returns the new selection, NONE when index is out of range (selection cleared then).
  int SetCurSel(int index);
  // First item after startAfter (wrapping round) whose text equals text, ASCII case
  // ignored; NONE if none. startAfter -1 searches from the top.
  int FindStringExact(int startAfter, std::string_view text) const;
  bool UserChoose(int index);
  // Bumped on every change of the items, so a backend can tell whether to refill.
  unsigned itemsRevision() const { return itemsRevision_; }

 private:
  struct Item {
    std::string text;
    ItemData data = 0;
  };
  int SortedPosition(std::string_view text) const;
  void ItemsChanged();

  std::vector<Item> items_;
  int selection_ = NONE;
  unsigned itemsRevision_ = 0;
};

class ComboBox : public ItemListControl {
 public:
  ComboBox(int id, unsigned style) : ItemListControl(ControlKind::ComboBox, id, style) {}
};

class ListBox : public ItemListControl {
 public:
  ListBox(int id, unsigned style) : ItemListControl(ControlKind::ListBox, id, style) {}
};

enum class ColumnAlign { Left, Right, Center };

struct ListColumn {
  std::string heading;
  ColumnAlign align = ColumnAlign::Left;
  int width = 0;  // pixels
};

// Where a click on a list view landed; -1 beside the rows or the columns.
struct ListHit {
  int item = -1;
  int subItem = -1;
};

// Report-style list view with single selection and full-row select.
class ListView : public Control {
 public:
  static constexpr int NONE = -1;
  // >0 when the first row's data is greater than the second's.
  using CompareFunc = std::function<int(ItemData, ItemData)>;

  ListView(int id, unsigned style);

  int InsertColumn(int index, std::string_view heading, ColumnAlign align, int width);
  int GetColumnCount() const { return static_cast<int>(columns_.size()); }
  const ListColumn& GetColumn(int index) const { return columns_.at(index); }

  int GetItemCount() const { return static_cast<int>(rows_.size()); }
  // Inserts a row with text in column 0 (index -1 or beyond the end appends).
  int InsertItem(int index, std::string_view text);
  bool SetItemText(int item, int subItem, std::string_view text);
  std::string GetItemText(int item, int subItem) const;
  bool SetItemData(int item, ItemData data);
  ItemData GetItemData(int item) const;
  bool DeleteItem(int item);
  void DeleteAllItems();
  // Stable: rows the comparison finds equal keep their order.
  void SortItems(const CompareFunc& compare);

  int GetSelectedItem() const { return selection_; }
  void SetSelectedItem(int item);

  ListHit GetLastClick() const { return lastClick_; }
  int GetLastColumnClick() const { return lastColumnClick_; }

  // A click on the list at row/column (-1 = beside); selects the row it hits.
  bool UserClickItem(int item, int subItem);
  bool UserDoubleClickItem(int item, int subItem);
  bool UserClickColumn(int column);
  // Selection moved by the keyboard: no notification.
  void UserSelectItem(int item);

  unsigned rowsRevision() const { return rowsRevision_; }
  unsigned columnsRevision() const { return columnsRevision_; }

 private:
  struct Row {
    std::vector<std::string> texts;
    ItemData data = 0;
  };
  bool ValidItem(int item) const { return item >= 0 && item < GetItemCount(); }
  void RowsChanged();

  std::vector<ListColumn> columns_;
  std::vector<Row> rows_;
  int selection_ = NONE;
  ListHit lastClick_;
  int lastColumnClick_ = -1;
  unsigned rowsRevision_ = 0;
  unsigned columnsRevision_ = 0;
};

}  // namespace kerumina::platform
