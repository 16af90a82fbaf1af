// What the wx smoke stages share: checks that count failures, widgets driven through the
// events a person's use sends, the wait for mirrored model changes, and timers.
#pragma once

#include <wx/event.h>
#include <wx/string.h>
#include <wx/window.h>

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <type_traits>

#include "platform/dialog.h"
#include "platform/wx/wx_host.h"

namespace kerumina::ui::smoke {

using Clock = std::chrono::steady_clock;

// Prints the outcome; a failure counts towards FailedChecks().
void Check(bool condition, std::string_view what);
// Failed checks of the whole run so far; a stage reports the difference.
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

// Makes the entry at index the selection of a drop-down list or list box, as a click does.
template <class Widget>
void SelectAt(const platform::CDialog& dialog, int id, int index, wxEventType type) {
  Send<Widget>(dialog, id, type, [index](Widget& widget, wxCommandEvent& event) {
    widget.SetSelection(index);
    event.SetInt(index);
  });
}

void Press(const platform::CDialog& dialog, int id);
void SetTicked(const platform::CDialog& dialog, int id, bool ticked);
void Toggle(const platform::CDialog& dialog, int id);
void ClickRadio(const platform::CDialog& dialog, int id);
void ChooseAt(const platform::CDialog& dialog, int id, int index);
// The position of the entry with this data in a drop-down list (the widget has the same);
// -1 when there is none.
int PositionOfData(const platform::CDialog& dialog, int id, platform::ItemData data);
// Chooses the entry with this data; a missing one is a failed check.
void Choose(const platform::CDialog& dialog, int id, platform::ItemData data);
// A mouse click on a row of a report list, in its second column.
void ClickRow(const platform::CDialog& dialog, int id, int row);
// Selects a row of a report list the way the keyboard or a click does.
void SelectRow(const platform::CDialog& dialog, int id, int row);
void Type(const platform::CDialog& dialog, int id, const char* text);

std::string Utf8(const wxString& text);
// The caption of a static text, empty (and a failed check) when there is none.
std::string LabelOf(const platform::CDialog& dialog, int id);
std::string SelectedText(const platform::CDialog& dialog, int id);
std::string ClipboardText();

// Mirrors the dialog's pending model changes into its widgets now instead of on the next
// turn of the loop.
void Flush(const platform::CDialog& dialog);
// Flush, then lets the toolkit draw the window.
void Settle(const platform::CDialog& dialog);
// Runs everything queued for the loop (mirroring of every window, deferred list clicks),
// then draws just this widget.
void Settle(const platform::CDialog& dialog, int widgetId);

// This thread's processor time: on a loaded machine the wall clock also counts the time
// other processes held the processor.
double CpuMilliseconds();
double MillisecondsSince(Clock::time_point start);

// Wall-clock and processor time since construction.
struct Stopwatch {
  Clock::time_point start = Clock::now();
  double cpuStart = CpuMilliseconds();
  double Milliseconds() const { return MillisecondsSince(start); }
  double CpuMs() const { return CpuMilliseconds() - cpuStart; }
};

// "--hold SECONDS" on the command line keeps windows on screen that long (for screenshots).
int HoldMilliseconds();
// Keeps the toolkit drawing and answering for this long.
void Hold(int milliseconds);
// Runs next after the given number of milliseconds, letting the toolkit draw meanwhile.
void Later(int milliseconds, std::function<void()> next);
void MoveKeepingSize(platform::CDialog& dialog, int left, int top);

}  // namespace kerumina::ui::smoke
