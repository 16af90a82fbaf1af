#include "tests/ui/gui_smoke_para_check.h"

#include <wx/app.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/clipbrd.h>
#include <wx/listbox.h>
#include <wx/stattext.h>

#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "platform/wx/window_peer.h"
#include "platform/wx/wx_host.h"
#include "res/para_check_dlg.h"
#include "ui/para_check_dlg.h"

namespace {

using kerumina::platform::ComboBox;
using kerumina::platform::ListBox;
using kerumina::platform::wx::WxHost;
using kerumina::platform::wx::WxWindowPeer;
using kerumina::ui::CParaCheckDlg;
using Clock = std::chrono::steady_clock;
namespace res = kerumina::res;

int failures = 0;

void Check(bool condition, const char* what) {
  std::printf("%s: %s\n", condition ? "ok" : "FAILED", what);
  std::fflush(stdout);
  if (!condition) ++failures;
}

template <class Widget>
Widget* WidgetOf(CParaCheckDlg& window, int id) {
  return wxDynamicCast(WxHost::WidgetOf(window, id), Widget);
}

// The event the toolkit sends when a person uses the widget.
void Send(wxWindow* widget, wxEventType type, int value = 0) {
  wxCommandEvent event(type, widget->GetId());
  event.SetEventObject(widget);
  event.SetInt(value);
  widget->GetEventHandler()->ProcessEvent(event);
}

template <class Widget>
void Select(CParaCheckDlg& window, int id, int index, wxEventType type) {
  auto* widget = WidgetOf<Widget>(window, id);
  widget->SetSelection(index);
  Send(widget, type, index);
}

void Pick(CParaCheckDlg& window, int d, int line) {
  if (line < 0) line = window.Item<ListBox>(res::IDC_PARACHECK_CANDIDATES[d]).GetCount() - 1;
  Select<wxListBox>(window, res::IDC_PARACHECK_CANDIDATES[d], line, wxEVT_LISTBOX);
}

// Mirrors the model into the widgets now instead of on the next turn of the loop.
void Flush(CParaCheckDlg& window) {
  static_cast<WxWindowPeer*>(window.peer())->Flush();
}

wxString Selected(CParaCheckDlg& window, int id) {
  return WidgetOf<wxChoice>(window, id)->GetStringSelection();
}

void OpenHp(CParaCheckDlg& window) {
  window.Item<ComboBox>(res::IDC_PARACHECK_AT_LEAST[0]).UserChoose(0);
  window.Item<ComboBox>(res::IDC_PARACHECK_AT_MOST[0]).UserChoose(31);
  Flush(window);
}

// This thread's processor time: on a loaded machine the wall clock also counts the time
// other processes held the processor.
double CpuMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Median and worst over 16 rounds (prepare runs untimed before each) of the time from the
// event to the handler's return, to the widgets holding the answer (wall clock and this
// thread's processor time) and to the window drawn.
void Time(CParaCheckDlg& window, const char* what, const std::function<void(int)>& prepare,
          const std::function<void(int)>& act) {
  std::vector<double> times[4];  // handled, updated, updated (processor), drawn
  wxWindow* dialog = WxHost::WindowOf(window);
  for (int round = 0; round < 16; ++round) {
    prepare(round);
    dialog->Update();
    const Clock::time_point start = Clock::now();
    const double cpuStart = CpuMilliseconds();
    auto since = [start] {
      return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    };
    act(round);
    times[0].push_back(since());
    Flush(window);
    times[1].push_back(since());
    times[2].push_back(CpuMilliseconds() - cpuStart);
    // GTK lays out what changed on its next frame, before it draws.
    wxYield();
    dialog->Update();
    times[3].push_back(since());
  }
  for (auto& series : times) std::sort(series.begin(), series.end());
  std::printf(
      "IV window %s, median (worst) ms: handled %.2f (%.2f), widgets updated %.2f (%.2f), "
      "processor time to updated %.2f (%.2f), drawn %.2f (%.2f)\n",
      what, times[0][8], times[0].back(), times[1][8], times[1].back(), times[2][8],
      times[2].back(), times[3][8], times[3].back());
}

}  // namespace

int CheckParaCheckWindow(CParaCheckDlg& window) {
  failures = 0;
  std::printf("stage: IV window\n");
  auto* show = WidgetOf<wxCheckBox>(window, res::IDC_PARACHECK_HIDDEN_POWER);
  show->SetValue(true);
  Send(show, wxEVT_CHECKBOX, 1);
  auto nothing = [](int) {};
  Time(window, "rule change (species list refilled)", nothing, [&window](int round) {
    Select<wxChoice>(window, res::IDC_PARACHECK_RULE, (round + 1) % 2, wxEVT_CHOICE);
  });
  Time(window, "level step", nothing, [&window](int round) {
    Send(WidgetOf<wxButton>(
             window, round % 2 == 0 ? res::IDC_PARACHECK_LEVEL_UP : res::IDC_PARACHECK_LEVEL_DOWN),
         wxEVT_BUTTON);
  });

  // Every base stat 100 at level 50: HP lines 160..175, two IVs each.
  const auto& species = window.Item<ComboBox>(res::IDC_PARACHECK_SPECIES);
  int row = 0;
  while (row < species.GetCount() && species.GetItemData(row) != 150) ++row;
  Select<wxChoice>(window, res::IDC_PARACHECK_SPECIES, row, wxEVT_CHOICE);
  Select<wxChoice>(window, res::IDC_PARACHECK_LEVEL, 49, wxEVT_CHOICE);
  Flush(window);
  auto* hp = WidgetOf<wxListBox>(window, res::IDC_PARACHECK_CANDIDATES[0]);
  Check(hp->GetCount() == 16 && hp->GetString(0) == wxString::FromUTF8("160：0～1"),
        "IV window lists the HP candidates of the chosen species and level");
  Pick(window, 0, 5);
  Flush(window);
  Check(Selected(window, res::IDC_PARACHECK_AT_LEAST[0]) == wxString::FromUTF8("10以上") &&
            Selected(window, res::IDC_PARACHECK_AT_MOST[0]) == wxString::FromUTF8("11以下"),
        "IV window pick narrows the HP bounds to 10..11 in the widgets");
  auto* threshold = WidgetOf<wxStaticText>(window, res::IDC_PARACHECK_THRESHOLD[0]);
  Check(threshold->GetLabel().StartsWith(wxASCII_STR(" 10:")),
        "IV window shows the EV thresholds of the new bounds");

  Pick(window, 1, -1);
  Pick(window, 2, -1);
  Flush(window);
  Check(WidgetOf<wxListBox>(window, res::IDC_PARACHECK_HIDDEN_POWER_LIST)->GetCount() > 0,
        "IV window lists hidden-power types once three stats are narrowed");
  // HP is opened again untimed; the pick narrows it to three open stats, which computes
  // hidden power and refills its list.
  Time(
      window, "pick with hidden power, three stats open", [&window](int) { OpenHp(window); },
      [&window](int round) { Pick(window, 0, round); });
  OpenHp(window);
  Pick(window, 0, 5);

  Send(WidgetOf<wxButton>(window, res::IDC_PARACHECK_COPY), wxEVT_BUTTON);
  wxTextDataObject pasted;
  if (wxTheClipboard->Open()) {
    wxTheClipboard->GetData(pasted);
    wxTheClipboard->Close();
  }
  Check(pasted.GetText() == wxString::FromUTF8(window.report()),
        "IV report reaches the clipboard as the same characters");
  return failures;
}
