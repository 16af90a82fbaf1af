#include "tests/ui/smoke.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <tuple>

#include "box/box.h"
#include "calc/build_text.h"
#include "data/learnsets.h"
#include "data/moves.h"
#include "platform/process.h"
#include "platform/profile.h"
#include "res/damage_dlg.h"
#include "res/data_edit_dlg.h"
#include "res/data_view_dlg.h"
#include "res/para_check_dlg.h"
#include "res/search_dlg.h"
#include "res/top_window_dlg.h"
#include "ui/damage_dlg.h"
#include "ui/data_view_dlg.h"
#include "ui/para_check_dlg.h"
#include "ui/search_dlg.h"

namespace kerumina::ui::smoke {
namespace {

using platform::ComboBox;
using platform::ListBox;
using platform::ListView;

int failedChecks = 0;

// The reaction from the toolkit's event to the window drawn, printed with its time.
void Timed(const std::string& what, const CDialog& dialog, const std::function<void()>& act) {
  Settle(dialog);
  const auto start = std::chrono::steady_clock::now();
  act();
  Settle(dialog);
  const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
  std::printf("timing: %s: %.2f ms\n", what.c_str(), took.count());
}

// Every base stat 100 at level 50: HP 160..175, two IVs each; Speed 107 at IV 0, EV 20.
void IvStage(CParaCheckDlg& iv) {
  using namespace res;
  Timed("IV rule change, species list refilled", iv, [&] { ChooseAt(iv, IDC_PARACHECK_RULE, 1); });
  ChooseAt(iv, IDC_PARACHECK_RULE, 0);
  Choose(iv, IDC_PARACHECK_SPECIES, 150);
  ChooseAt(iv, IDC_PARACHECK_LEVEL, 49);
  const int hp = IDC_PARACHECK_CANDIDATES[0];
  ChooseAt(iv, hp, 5);
  Check(ShownItem(iv, hp, 0) == "160：0～1" && Shown(iv, IDC_PARACHECK_AT_LEAST[0]) == "10以上",
        "drop-down choices and a list box pick reach the model, a text cell shows its answer");
  Type(iv, IDC_PARACHECK_EV[5], "20");
  Check(ShownItem(iv, IDC_PARACHECK_CANDIDATES[5], 0) == "107：0" &&
            ShownSelection(iv, hp) == iv.Item<ListBox>(hp).GetCurSel(),
        "typed text reaches the model, rebuilt list boxes show their choice");
  Press(iv, IDC_PARACHECK_COPY);
  Check(iv.host().GetClipboardText() == iv.report(), "the IV report (CR LF) reaches the clipboard");
}

// Ends with a type, a stat bound and a move chosen, as the README's screenshot shows it.
void SearchStage(CSearchDlg& search) {
  using namespace res;
  const auto& list = search.Item<ListView>(IDC_SEARCH_RESULTS);
  const auto& row = SEARCH_MOVE_ROWS[0];
  const data::MoveId move = data::MACHINE_LIST_DPPT[1] - 1;
  search.CheckDlgButton(IDC_SEARCH_ANY_MODE, 0);
  Check(!ShownChecked(search, IDC_SEARCH_ANY_MODE) && !ShownChecked(search, IDC_SEARCH_ALL_MODE),
        "a radio group the model leaves unchecked shows none");
  Press(search, IDC_SEARCH_ALL_MODE);
  Check(search.IsDlgButtonChecked(IDC_SEARCH_ALL_MODE) == 1, "a radio click reaches the model");
  Press(search, IDC_SEARCH_ANY_MODE);
  Timed("505 rows sorted by name", search, [&] { ClickHeading(search, IDC_SEARCH_RESULTS, 1); });
  Check(list.GetLastColumnClick() == 1 && ShownCount(search, IDC_SEARCH_RESULTS) == 505,
        "a heading click reaches the model, the list shows its 505 rows");
  Press(search, IDC_SEARCH_LEVEL_UP);
  Press(search, IDC_SEARCH_MACHINE);
  Choose(search, IDC_SEARCH_TYPE1, 16 + 1);
  ChooseAt(search, IDC_SEARCH_LOWER_FIRST + 1, 6);
  Choose(search, row.type, data::Move(move).type + 1);
  Timed("move chosen, rows narrowed", search, [&] { Choose(search, row.move, move); });
  const auto& choices = search.Item<ComboBox>(row.move);
  const int last = choices.GetCount() - 1;
  Check(ShownCount(search, row.move) == last + 1 &&
            ShownItem(search, row.move, last) == choices.GetText(last) &&
            Shown(search, row.move) == choices.GetText(choices.GetCurSel()),
        "a sorted drop-down list shows the model's entries and choice");
  Check(list.GetItemCount() > 2 && list.GetItemCount() < 505 &&
            ShownCount(search, IDC_SEARCH_RESULTS) == list.GetItemCount(),
        "check boxes and choices reach the model, the list shows what they leave");
  CDataViewDlg& detail = *search.detailView();
  const std::string name = list.GetItemText(2, 1);
  ClickRow(search, IDC_SEARCH_RESULTS, 2);
  Check(OnScreen(&detail) && Shown(detail, IDC_DATAVIEW_NAME) == " " + name &&
            list.GetLastClick().subItem == 1 && ShownSelection(search, IDC_SEARCH_RESULTS) == 2,
        "a click on a row's second column opens the detail view at that species");
}

void BoxStage(CDamageDlg& box) {
  using namespace res;
  const int list = IDC_DAMAGE_BOX_LIST;
  ClickRow(box, list, 1);
  Press(box, IDC_DAMAGE_MOVE_UP);
  // Saved, so that ending the run asks nothing.
  Press(box, IDC_DAMAGE_SAVE);
  Check(ShownItem(box, list, 0) == "バナ" && ShownSelection(box, list) == 0 &&
            !box.HasUnsavedChanges(),
        "a row moved up shows there, selected; the box saved");
  ClickRow(box, list, 1);
  Press(box, IDC_DAMAGE_TO_ATTACKER);
  ClickRow(box, list, 0);
  Press(box, IDC_DAMAGE_TO_DEFENDER);
  Timed("game model ticked, six rows recomputed", box, [&] { Press(box, IDC_DAMAGE_GAME_MODEL); });
  bool rowsShown = Shown(box, DAMAGE_RANGE[0]) != "－";
  for (const auto& cells : {DAMAGE_RANGE, DAMAGE_HITS}) {
    for (int id : cells) rowsShown = rowsShown && Shown(box, id) == box.GetDlgItemText(id);
  }
  Check(box.attackerIndex() == 1 && box.defenderIndex() == 0 &&
            box.IsDlgButtonChecked(IDC_DAMAGE_GAME_MODEL) == 1 && rowsShown,
        "sides chosen by clicks, a check box reaches the model, six rows of damage shown");
  ClickRow(box, list, 1, true);
  Check(OnScreen(box.editDlg()) && Shown(*box.editDlg(), IDC_DATAEDIT_NAME) == "ガブ",
        "a double click on an entry opens it in the edit window");
}

}  // namespace

void Check(bool condition, std::string_view what) {
  std::printf("%s: %.*s\n", condition ? "ok" : "FAILED", static_cast<int>(what.size()),
              what.data());
  std::fflush(stdout);
  if (!condition) ++failedChecks;
}

void Choose(const CDialog& dialog, int id, platform::ItemData data) {
  const auto& items = static_cast<const platform::ItemListControl&>(*dialog.GetDlgItem(id));
  for (int i = 0; i < items.GetCount(); ++i) {
    if (items.GetItemData(i) == data) return ChooseAt(dialog, id, i);
  }
  Check(false, "entry " + std::to_string(data) + " exists");
}

void PrepareFolder(const std::string& folder) {
  std::filesystem::remove(platform::PathFromUtf8(folder + "kerumina.ini"));
  const calc::ParsedBuilds builds = calc::ParseBuilds(
      "ガブ（ガブリアス）\n性格：さみしがり\n実数値：183-200-115-100-105-169\n"
      "技：じしん／ドラゴンクロー／げきりん／いあいぎり\n\n"
      "バナ（フシギバナ）\n性格：さみしがり\n実数値：187-102-135-120-120-100\n"
      "技：ソーラービーム\n");
  auto box = std::make_unique<box::Box>();
  std::copy(builds.entries.begin(), builds.entries.end(), box->entries.begin());
  box::SaveBox(*box, platform::PathFromUtf8(folder + box::BOX_FILE_NAME));
}

void RunStages(CTopWindowDlg& launcher) {
  CDialog* tools[] = {launcher.searchDlg(), launcher.damageDlg(), launcher.paraCheckDlg()};
  const int buttons[] = {res::IDC_TOP_SEARCH, res::IDC_TOP_BOX, res::IDC_TOP_PARA_CHECK};
  Check(OnScreen(&launcher) && !OnScreen(tools[0]) && !OnScreen(tools[1]) && !OnScreen(tools[2]),
        "launcher on screen, tool windows hidden");
  for (int i = 0; i < 3; ++i) {
    Timed(tools[i]->GetWindowText() + " first shown", *tools[i],
          [&] { Press(launcher, buttons[i]); });
    Check(OnScreen(tools[i]), tools[i]->GetWindowText() + " opened");
  }
  IvStage(*launcher.paraCheckDlg());
  SearchStage(*launcher.searchDlg());
  BoxStage(*launcher.damageDlg());
  for (const CDialog* window : Windows(launcher)) {
    Check(TabOrderFollowsTheTemplate(*window),
          "Tab walks the inputs in layout order: " + window->GetWindowText());
  }
  PressEscape(*tools[0]);
  Check(!OnScreen(tools[0]), "Escape hides a tool window");
}

std::vector<CDialog*> Windows(CTopWindowDlg& launcher) {
  CSearchDlg* search = launcher.searchDlg();
  CDamageDlg* box = launcher.damageDlg();
  return {&launcher, search, search->detailView(), box, box->editDlg(), launcher.paraCheckDlg()};
}

void CheckLongestTexts(const CTopWindowDlg& launcher) {
  using namespace res;
  CDialog& box = *launcher.damageDlg();
  CDialog& iv = *launcher.paraCheckDlg();
  const char* longName = "ボックス一番テストたろうピカＡx";  // 31 bytes
  // Window, control, list column (-1: a text cell), text.
  const std::tuple<CDialog&, int, int, const char*> longest[] = {
      {*launcher.searchDlg(), IDC_SEARCH_RESULTS, 1, "デオキシス（ディフェンス）"},
      {box, IDC_DAMAGE_BOX_LIST, 0, longName},
      {box, ATTACKER_PANEL.name, -1, longName},
      {box, DAMAGE_RANGE[0], -1, "65535 ～ 327675 (2～5回)"},
      {box, DAMAGE_HITS[0], -1, "乱数4発 (99.9%)"},
      {iv, IDC_PARACHECK_THRESHOLD[0], -1, " 0:360～31:236 "},
  };
  for (const auto& [window, id, column, text] : longest) {
    if (column < 0) {
      window.SetDlgItemText(id, text);
    } else {
      window.Item<ListView>(id).SetItemText(0, column, text);
    }
    Settle(window);
    Check(ShowsWhole(window, id, column, text), std::string("shows whole: ") + text);
  }
  // Win32's list boxes give their scroll bar room the items would need.
  bool candidatesWhole = true;
  for (int id : IDC_PARACHECK_CANDIDATES) {
    for (int i = 0; i < ShownCount(iv, id); ++i) {
      candidatesWhole = candidatesWhole && ShowsWhole(iv, id, -1, ShownItem(iv, id, i));
    }
  }
  Check(candidatesWhole, "every IV candidate shows whole");
}

int Finish(const std::string& folder, int status) {
  platform::Profile profile;
  profile.SetPath(folder + "kerumina.ini");
  Check(profile.GetProfileInt("Main", "Version", 0) == 60 &&
            profile.GetProfileInt("Damage", "show", 0) == 1 &&
            profile.GetProfileInt("TopWindow", "right", 0) >
                profile.GetProfileInt("TopWindow", "left", 0),
        "settings written: an open window and the launcher's place");
  Check(status == 0, "program ended normally");
  std::printf("GUI smoke test %s\n", failedChecks == 0 ? "passed" : "FAILED");
  return failedChecks == 0 ? 0 : 1;
}

}  // namespace kerumina::ui::smoke
