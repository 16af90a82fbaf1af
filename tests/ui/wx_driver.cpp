#include "tests/ui/wx_driver.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/clipbrd.h>
#include <wx/listctrl.h>
#include <wx/radiobut.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/timer.h>
#include <wx/utils.h>

#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "platform/controls.h"
#include "platform/wx/window_peer.h"

namespace kerumina::ui::smoke {

namespace {

using platform::CDialog;
using platform::wx::WxHost;

int failedChecks = 0;

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

void SetTicked(const CDialog& dialog, int id, bool ticked) {
  Send<wxCheckBox>(dialog, id, wxEVT_CHECKBOX, [ticked](wxCheckBox& box, wxCommandEvent& event) {
    box.SetValue(ticked);
    event.SetInt(ticked ? 1 : 0);
  });
}

void Toggle(const CDialog& dialog, int id) {
  if (auto* box = WidgetAs<wxCheckBox>(dialog, id)) SetTicked(dialog, id, !box->GetValue());
}

void ClickRadio(const CDialog& dialog, int id) {
  Send<wxRadioButton>(dialog, id, wxEVT_RADIOBUTTON,
                      [](wxRadioButton& radio, wxCommandEvent&) { radio.SetValue(true); });
}

void ChooseAt(const CDialog& dialog, int id, int index) {
  SelectAt<wxChoice>(dialog, id, index, wxEVT_CHOICE);
}

int PositionOfData(const CDialog& dialog, int id, platform::ItemData data) {
  const auto& combo = const_cast<CDialog&>(dialog).Item<platform::ComboBox>(id);
  for (int i = 0; i < combo.GetCount(); ++i) {
    if (combo.GetItemData(i) == data) return i;
  }
  return -1;
}

void Choose(const CDialog& dialog, int id, platform::ItemData data) {
  const int index = PositionOfData(dialog, id, data);
  if (index < 0) return Check(false, "entry exists");
  ChooseAt(dialog, id, index);
}

void ClickRow(const CDialog& dialog, int id, int row) {
  auto* list = WidgetAs<wxListCtrl>(dialog, id);
  if (list == nullptr) return;
  wxRect rect;
  list->GetItemRect(row, rect);
  wxWindow* rows = list;
  for (wxWindow* child : list->GetChildren()) {
    if (child->GetSize().y > rows->GetSize().y / 2) rows = child;
  }
  wxMouseEvent down(wxEVT_LEFT_DOWN);
  // Item rectangles count from the top of the list, clicks from below its header.
  down.SetPosition(
      wxPoint(list->GetColumnWidth(0) + 10, rect.y - rows->GetPosition().y + rect.height / 2));
  down.SetEventObject(rows);
  rows->GetEventHandler()->ProcessEvent(down);
}

void SelectRow(const CDialog& dialog, int id, int row) {
  Settle(dialog);
  if (auto* list = WidgetAs<wxListCtrl>(dialog, id))
    list->SetItemState(row, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
}

void Type(const CDialog& dialog, int id, const char* text) {
  if (auto* edit = WidgetAs<wxTextCtrl>(dialog, id)) edit->SetValue(wxString::FromUTF8(text));
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

std::string ClipboardText() {
  std::string text;
  if (wxTheClipboard->Open()) {
    wxTextDataObject data;
    if (wxTheClipboard->GetData(data)) text = Utf8(data.GetText());
    wxTheClipboard->Close();
  }
  return text;
}

void Flush(const CDialog& dialog) {
  static_cast<platform::wx::WxWindowPeer*>(dialog.peer())->Flush();
}

void Settle(const CDialog& dialog) {
  Flush(dialog);
  WxHost::WindowOf(dialog)->Update();
}

void Settle(const CDialog& dialog, int widgetId) {
  wxTheApp->ProcessPendingEvents();
  WxHost::WidgetOf(dialog, widgetId)->Update();
}

double CpuMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

int HoldMilliseconds() {
  for (int i = 1; i + 1 < wxTheApp->argc; ++i) {
    if (Utf8(wxTheApp->argv[i]) == "--hold")
      return std::atoi(wxTheApp->argv[i + 1].utf8_str()) * 1000;
  }
  return 0;
}

void Hold(int milliseconds) {
  const Clock::time_point end = Clock::now() + std::chrono::milliseconds(milliseconds);
  while (Clock::now() < end) {
    wxTheApp->Yield(true);
    wxMilliSleep(20);
  }
}

void Later(int milliseconds, std::function<void()> next) {
  if (milliseconds <= 0) {
    wxTheApp->CallAfter(std::move(next));
    return;
  }
  auto* timer = new wxTimer();
  timer->Bind(wxEVT_TIMER, [timer, next = std::move(next)](wxTimerEvent&) {
    next();
    timer->Stop();
    wxTheApp->CallAfter([timer] { delete timer; });
  });
  timer->StartOnce(milliseconds);
}

void MoveKeepingSize(CDialog& dialog, int left, int top) {
  const platform::Rect rect = dialog.GetWindowPlacement().normalPosition;
  dialog.UserMoveTo({left, top, left + rect.Width(), top + rect.Height()});
}

}  // namespace kerumina::ui::smoke
