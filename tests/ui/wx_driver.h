// What the wx smoke stages share: checks that count failures, widgets driven through the
// events a person's use sends, the wait for mirrored model changes, and one timer for
// every reaction the README speaks of.
#pragma once

#include <wx/event.h>
#include <wx/string.h>
#include <wx/window.h>

#include <functional>
#include <string>
#include <string_view>
#include <type_traits>

#include "platform/dialog.h"
#include "platform/wx/wx_host.h"

namespace kerumina::ui::smoke {

// Prints the outcome; a failure counts towards FailedChecks().
void Check(bool condition, std::string_view what);
int FailedChecks();

// The widget of this control as the given class; a missing one is a failed check.
template <class Widget>
Widget* WidgetAs(const platform::CDialog& dialog, int id) {
  auto* widget = dynamic_cast<Widget*>(platform::wx::WxHost::WidgetOf(dialog, id));
  if (widget == nullptr) Check(false, "widget " + std::to_string(id) + " exists");
  return widget;
}

// Sends the event the widget sends when a person uses it; set adjusts widget and event.
template <class Widget, class Event = wxCommandEvent>
void Send(const platform::CDialog& dialog, int id, wxEventType type,
          const std::type_identity_t<std::function<void(Widget&, Event&)>>& set = {}) {
  auto* widget = WidgetAs<Widget>(dialog, id);
  if (widget == nullptr) return;
  Event event(type, widget->GetId());
  event.SetEventObject(widget);
  if (set) set(*widget, event);
  widget->GetEventHandler()->ProcessEvent(event);
}

void Press(const platform::CDialog& dialog, int id);
void Toggle(const platform::CDialog& dialog, int id);
void ClickRadio(const platform::CDialog& dialog, int id);
// Drop-down list or list box: the entry at index, as a click chooses it.
void ChooseAt(const platform::CDialog& dialog, int id, int index);
// The entry with this item data; a missing one is a failed check.
void Choose(const platform::CDialog& dialog, int id, platform::ItemData data);
void Type(const platform::CDialog& dialog, int id, const char* text);
// A mouse press on a row of a list, in its second column (twice: a double click).
void ClickRow(const platform::CDialog& dialog, int id, int row, bool twice = false);
void ClickHeading(const platform::CDialog& dialog, int id, int column);
// The key a person presses in the focused widget of the dialog.
void PressKey(const platform::CDialog& dialog, int id, int key);

std::string Utf8(const wxString& text);
std::string LabelOf(const platform::CDialog& dialog, int id);
std::string SelectedText(const platform::CDialog& dialog, int id);
// Rows and the text of a cell as the list widget shows them.
int ListRows(const platform::CDialog& dialog, int id);
std::string CellText(const platform::CDialog& dialog, int id, int row, int column);
std::string ClipboardText();

// Mirrors pending model changes into the widgets now, then lets the toolkit draw.
void Settle(const platform::CDialog& dialog);
// The reaction from the toolkit's event to the window drawn: wall clock and processor time.
void Timed(const char* what, const platform::CDialog& dialog, const std::function<void()>& act);

// "--hold SECONDS" on the command line keeps windows on screen that long (for screenshots).
int HoldMilliseconds();
void Hold(int milliseconds);
void MoveKeepingSize(platform::CDialog& dialog, int left, int top);

}  // namespace kerumina::ui::smoke
