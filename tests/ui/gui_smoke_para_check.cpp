#include "tests/ui/gui_smoke_para_check.h"

#include <wx/dialog.h>
#include <wx/listbox.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "platform/wx/wx_host.h"
#include "res/para_check_dlg.h"
#include "tests/ui/wx_driver.h"
#include "ui/para_check_dlg.h"

namespace {

using kerumina::platform::ComboBox;
using kerumina::platform::ListBox;
using kerumina::platform::wx::WxHost;
using kerumina::ui::CParaCheckDlg;
using namespace kerumina::ui::smoke;
namespace res = kerumina::res;

void Pick(CParaCheckDlg& window, int d, int line) {
  if (line < 0) line = window.Item<ListBox>(res::IDC_PARACHECK_CANDIDATES[d]).GetCount() - 1;
  SelectAt<wxListBox>(window, res::IDC_PARACHECK_CANDIDATES[d], line, wxEVT_LISTBOX);
}

void OpenHp(CParaCheckDlg& window) {
  window.Item<ComboBox>(res::IDC_PARACHECK_AT_LEAST[0]).UserChoose(0);
  window.Item<ComboBox>(res::IDC_PARACHECK_AT_MOST[0]).UserChoose(31);
  Flush(window);
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
    const Stopwatch watch;
    act(round);
    times[0].push_back(watch.Milliseconds());
    Flush(window);
    times[1].push_back(watch.Milliseconds());
    times[2].push_back(watch.CpuMs());
    // GTK lays out what changed on its next frame, before it draws.
    wxYield();
    dialog->Update();
    times[3].push_back(watch.Milliseconds());
  }
  for (auto& series : times) std::sort(series.begin(), series.end());
  std::printf(
      "IV window %s, median (worst) ms: handled %.2f (%.2f), widgets updated %.2f (%.2f), "
      "processor time to updated %.2f (%.2f), drawn %.2f (%.2f)\n",
      what, times[0][8], times[0].back(), times[1][8], times[1].back(), times[2][8],
      times[2].back(), times[3][8], times[3].back());
}

// GTK's Tab order is the order the widgets were made in; the template lists the controls
// in layout order.
bool TabStopsFollowTheTemplate(const CParaCheckDlg& window) {
  std::vector<wxWindow*> stops, expected;
  for (wxWindow* child : WxHost::WindowOf(window)->GetChildren().front()->GetChildren())
    if (child->IsShown() && child->AcceptsFocusFromKeyboard()) stops.push_back(child);
  for (const auto& control : window.controls())
    if (control->kind() != kerumina::platform::ControlKind::StaticText)
      expected.push_back(WxHost::WidgetOf(window, control->id()));
  return stops == expected;
}

}  // namespace

int CheckParaCheckWindow(CParaCheckDlg& window) {
  const int failedBefore = FailedChecks();
  std::printf("stage: IV window\n");
  Check(TabStopsFollowTheTemplate(window), "IV window Tab order follows the layout");
  SetTicked(window, res::IDC_PARACHECK_HIDDEN_POWER, true);
  auto nothing = [](int) {};
  Time(window, "rule change (species list refilled)", nothing,
       [&window](int round) { ChooseAt(window, res::IDC_PARACHECK_RULE, (round + 1) % 2); });
  Time(window, "level step", nothing, [&window](int round) {
    Press(window, round % 2 == 0 ? res::IDC_PARACHECK_LEVEL_UP : res::IDC_PARACHECK_LEVEL_DOWN);
  });

  // Every base stat 100 at level 50: HP lines 160..175, two IVs each.
  Choose(window, res::IDC_PARACHECK_SPECIES, 150);
  ChooseAt(window, res::IDC_PARACHECK_LEVEL, 49);
  Flush(window);
  auto* hp = WidgetAs<wxListBox>(window, res::IDC_PARACHECK_CANDIDATES[0]);
  Check(hp->GetCount() == 16 && hp->GetString(0) == wxString::FromUTF8("160：0～1"),
        "IV window lists the HP candidates of the chosen species and level");
  Pick(window, 0, 5);
  Flush(window);
  Check(SelectedText(window, res::IDC_PARACHECK_AT_LEAST[0]) == "10以上" &&
            SelectedText(window, res::IDC_PARACHECK_AT_MOST[0]) == "11以下",
        "IV window pick narrows the HP bounds to 10..11 in the widgets");
  Check(LabelOf(window, res::IDC_PARACHECK_THRESHOLD[0]).starts_with(" 10:"),
        "IV window shows the EV thresholds of the new bounds");

  Pick(window, 1, -1);
  Pick(window, 2, -1);
  Flush(window);
  Check(WidgetAs<wxListBox>(window, res::IDC_PARACHECK_HIDDEN_POWER_LIST)->GetCount() > 0,
        "IV window lists hidden-power types once three stats are narrowed");
  // HP is opened again untimed; the pick narrows it to three open stats, which computes
  // hidden power and refills its list.
  Time(
      window, "pick with hidden power, three stats open", [&window](int) { OpenHp(window); },
      [&window](int round) { Pick(window, 0, round); });
  OpenHp(window);
  Pick(window, 0, 5);

  // "ちからが じまん" leaves Atk 30 of 30..31; an EV rebuilds the lists. The last rounds
  // leave both, with two doping items' worth on Speed (for screenshots).
  Time(window, "characteristic chosen", nothing, [&window](int round) {
    ChooseAt(window, res::IDC_PARACHECK_CHARACTERISTIC, round % 2 == 0 ? 0 : 6);
  });
  Time(window, "EV typed (lists rebuilt)", nothing, [&window](int round) {
    Type(window, res::IDC_PARACHECK_EV[5], round % 2 == 0 ? "252" : "20");
  });
  Flush(window);
  Check(LabelOf(window, res::IDC_PARACHECK_POSSIBLE[1]) == "30" &&
            WidgetAs<wxListBox>(window, res::IDC_PARACHECK_CANDIDATES[5])->GetString(0) ==
                wxString::FromUTF8("107：0"),
        "IV window shows what the characteristic and the EVs leave");

  Press(window, res::IDC_PARACHECK_COPY);
  Check(ClipboardText() == window.report(),
        "IV report reaches the clipboard as the same characters");
  return FailedChecks() - failedBefore;
}
