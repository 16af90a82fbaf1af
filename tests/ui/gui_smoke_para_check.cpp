// The IV window on real widgets: a rule change refills the species list (timed), a picked
// candidate narrows the bounds the drop-downs show, three narrowed stats list hidden-power
// types, and the report reaches the clipboard.
#include "tests/ui/gui_smoke_para_check.h"

#include <cstdio>

#include "res/para_check_dlg.h"
#include "tests/ui/wx_driver.h"
#include "ui/para_check_dlg.h"

namespace res = kerumina::res;
using namespace kerumina::ui::smoke;

int CheckParaCheckWindow(kerumina::ui::CParaCheckDlg& window) {
  const int failedBefore = FailedChecks();
  std::printf("stage: IV window\n");
  Toggle(window, res::IDC_PARACHECK_HIDDEN_POWER);
  Timed("IV rule change, species list refilled", window,
        [&] { ChooseAt(window, res::IDC_PARACHECK_RULE, 1); });
  ChooseAt(window, res::IDC_PARACHECK_RULE, 0);
  // Every base stat 100 at level 50: HP lines 160..175, two IVs each.
  Choose(window, res::IDC_PARACHECK_SPECIES, 150);
  ChooseAt(window, res::IDC_PARACHECK_LEVEL, 49);
  Settle(window);
  const auto& hp = window.Item<kerumina::platform::ListBox>(res::IDC_PARACHECK_CANDIDATES[0]);
  Check(hp.GetCount() == 16 && hp.GetText(0) == "160：0～1",
        "IV window lists the HP candidates of the chosen species and level");
  Timed("IV candidate picked", window,
        [&] { ChooseAt(window, res::IDC_PARACHECK_CANDIDATES[0], 5); });
  Check(SelectedText(window, res::IDC_PARACHECK_AT_LEAST[0]) == "10以上" &&
            SelectedText(window, res::IDC_PARACHECK_AT_MOST[0]) == "11以下" &&
            LabelOf(window, res::IDC_PARACHECK_THRESHOLD[0]).starts_with(" 10:"),
        "IV window pick narrows the HP bounds to 10..11 and shows their EV thresholds");
  for (int d : {1, 2}) {
    const int id = res::IDC_PARACHECK_CANDIDATES[d];
    ChooseAt(window, id, window.Item<kerumina::platform::ListBox>(id).GetCount() - 1);
  }
  Settle(window);
  Check(
      window.Item<kerumina::platform::ListBox>(res::IDC_PARACHECK_HIDDEN_POWER_LIST).GetCount() > 0,
      "IV window lists hidden-power types once three stats are narrowed");
  // "ちからが じまん" leaves Atk 30 of 30..31; an EV rebuilds the six lists.
  Timed("IV characteristic chosen", window,
        [&] { ChooseAt(window, res::IDC_PARACHECK_CHARACTERISTIC, 6); });
  Timed("IV EV typed, six lists rebuilt", window,
        [&] { Type(window, res::IDC_PARACHECK_EV[5], "20"); });
  Settle(window);
  Check(LabelOf(window, res::IDC_PARACHECK_POSSIBLE[1]) == "30" &&
            window.Item<kerumina::platform::ListBox>(res::IDC_PARACHECK_CANDIDATES[5]).GetText(0) ==
                "107：0",
        "IV window shows what the characteristic and the EVs leave");
  Press(window, res::IDC_PARACHECK_COPY);
  Check(ClipboardText() == window.report(), "IV report reaches the clipboard");
  return FailedChecks() - failedBefore;
}
