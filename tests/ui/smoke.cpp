#include "tests/ui/smoke.h"

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "box/box.h"
#include "calc/build_text.h"
#include "data/learnsets.h"
#include "data/moves.h"
#include "data/species.h"
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
using platform::ControlKind;
using platform::ListBox;
using platform::ListView;

int failedChecks = 0;

// Every base stat 100 at level 50: HP lines 160..175, two IVs each.
void IvStage(CParaCheckDlg& iv) {
  using namespace res;
  Press(iv, IDC_PARACHECK_HIDDEN_POWER);
  Timed("IV rule change, species list refilled", iv, [&] { ChooseAt(iv, IDC_PARACHECK_RULE, 1); });
  Check(
      ShownCount(iv, IDC_PARACHECK_SPECIES) == iv.Item<ComboBox>(IDC_PARACHECK_SPECIES).GetCount(),
      "a rule change refills the species list");
  ChooseAt(iv, IDC_PARACHECK_RULE, 0);
  Choose(iv, IDC_PARACHECK_SPECIES, 150);
  ChooseAt(iv, IDC_PARACHECK_LEVEL, 49);
  const int hp = IDC_PARACHECK_CANDIDATES[0];
  Check(ShownCount(iv, hp) == 16 && ShownItem(iv, hp, 0) == "160：0～1",
        "the HP candidates of the chosen species and level");
  Timed("IV candidate picked", iv, [&] { ChooseAt(iv, hp, 5); });
  Check(Shown(iv, IDC_PARACHECK_AT_LEAST[0]) == "10以上" &&
            Shown(iv, IDC_PARACHECK_AT_MOST[0]) == "11以下" &&
            Shown(iv, IDC_PARACHECK_THRESHOLD[0]).starts_with(" 10:"),
        "a pick narrows the HP bounds to 10..11 and shows their EV thresholds");
  for (int d : {1, 2}) {
    ChooseAt(iv, IDC_PARACHECK_CANDIDATES[d], ShownCount(iv, IDC_PARACHECK_CANDIDATES[d]) - 1);
  }
  Check(ShownCount(iv, IDC_PARACHECK_HIDDEN_POWER_LIST) > 0,
        "hidden-power types listed once three stats are narrowed");
  // "ちからが じまん" leaves Atk 30 of 30..31; an EV rebuilds the six lists.
  Timed("IV characteristic chosen", iv, [&] { ChooseAt(iv, IDC_PARACHECK_CHARACTERISTIC, 6); });
  Timed("IV EV typed, six lists rebuilt", iv, [&] { Type(iv, IDC_PARACHECK_EV[5], "20"); });
  Check(Shown(iv, IDC_PARACHECK_POSSIBLE[1]) == "30" &&
            ShownItem(iv, IDC_PARACHECK_CANDIDATES[5], 0) == "107：0" &&
            ShownSelection(iv, hp) == iv.Item<ListBox>(hp).GetCurSel(),
        "what the characteristic and the EVs leave, the rebuilt lists' choice");
  Press(iv, IDC_PARACHECK_COPY);
  Check(ClipboardText() == iv.report(), "the IV report reaches the clipboard");
}

void SearchStage(CSearchDlg& search) {
  const int results = res::IDC_SEARCH_RESULTS;
  const auto& list = search.Item<ListView>(results);
  const auto& row = res::SEARCH_MOVE_ROWS[0];
  const data::MoveId move = data::MACHINE_LIST_DPPT[23] - 1;
  Check(ShownCount(search, results) == 505, "the result list shows every species");
  // A radio group the model leaves unchecked shows none; a click reaches the model.
  search.CheckDlgButton(res::IDC_SEARCH_ANY_MODE, 0);
  Check(!ShownChecked(search, res::IDC_SEARCH_ANY_MODE) &&
            !ShownChecked(search, res::IDC_SEARCH_ALL_MODE),
        "a radio group with none checked shows none");
  Press(search, res::IDC_SEARCH_ALL_MODE);
  Check(search.IsDlgButtonChecked(res::IDC_SEARCH_ALL_MODE) == 1,
        "a radio click reaches the model");
  Press(search, res::IDC_SEARCH_ANY_MODE);
  Press(search, res::IDC_SEARCH_LEVEL_UP);
  Press(search, res::IDC_SEARCH_MACHINE);
  Timed("move type chosen", search, [&] { Choose(search, row.type, data::Move(move).type + 1); });
  Timed("move chosen", search, [&] { Choose(search, row.move, move); });
  const auto& choices = search.Item<ComboBox>(row.move);
  const int last = choices.GetCount() - 1;
  Check(ShownCount(search, row.move) == last + 1 &&
            ShownItem(search, row.move, last) == choices.GetText(last) &&
            Shown(search, row.move) == choices.GetText(choices.GetCurSel()),
        "a sorted drop-down list shows the model's entries and choice");
  Check(list.GetItemCount() > 0 && list.GetItemCount() < 505 &&
            ShownCount(search, results) == list.GetItemCount() && Shown(search, row.power) != " - ",
        "a move narrows the list to its learners and shows its power");
  CDataViewDlg& detail = *search.detailView();
  const std::string name = list.GetItemText(2, 1);
  Timed("result row opened", detail, [&] { ClickRow(search, results, 2); });
  Check(OnScreen(&detail) && Shown(detail, res::IDC_DATAVIEW_NAME) == " " + name &&
            list.GetLastClick().subItem == 1 && ShownSelection(search, results) == 2,
        "a click on a row's second column opens the detail view at that species");
  Timed("move cleared: 505 rows", search, [&] { Choose(search, row.move, data::NO_MOVE); });
  Timed("505 rows sorted by name", search, [&] { ClickHeading(search, results, 1); });
  Check(list.GetLastColumnClick() == 1 && ShownCount(search, results) == 505 &&
            ShownItem(search, results, 0, 1) == list.GetItemText(0, 1),
        "505 rows back, sorted by a heading click as the widget shows them");
  const int moves = res::IDC_DATAVIEW_MOVES;
  Timed("detail view of species 148 (465 rows)", detail, [&] { detail.ShowSpecies(148); });
  Check(ShownCount(detail, moves) == detail.Item<ListView>(moves).GetItemCount(),
        "the move list shows its rows");
}

// The six rows' cells as the widgets show them, each equal to the model's and computed.
bool SixRowsShown(const CDamageDlg& box) {
  int shown = 0;
  for (int row = 0; row < res::DAMAGE_ROW_COUNT; ++row) {
    const std::string range = Shown(box, res::DAMAGE_RANGE[row]);
    const std::string hits = Shown(box, res::DAMAGE_HITS[row]);
    std::printf("row %d | %s | %s\n", row, range.c_str(), hits.c_str());
    shown += range != "－" && range == box.GetDlgItemText(res::DAMAGE_RANGE[row]) &&
             hits == box.GetDlgItemText(res::DAMAGE_HITS[row]);
  }
  return shown == res::DAMAGE_ROW_COUNT;
}

void BoxStage(CDamageDlg& box) {
  const int list = res::IDC_DAMAGE_BOX_LIST;
  ClickRow(box, list, 1);
  Press(box, res::IDC_DAMAGE_MOVE_UP);
  Check(ShownItem(box, list, 0) == "バナ" && ShownSelection(box, list) == 0,
        "a row moved up shows there, selected");
  ClickRow(box, list, 1);
  Press(box, res::IDC_DAMAGE_MOVE_UP);
  ClickRow(box, list, 0);
  Timed("attacker chosen, panel and learnable-move list filled", box,
        [&] { Press(box, res::IDC_DAMAGE_TO_ATTACKER); });
  ClickRow(box, list, 1);
  Press(box, res::IDC_DAMAGE_TO_DEFENDER);
  // Row 4: the first move of the list that does damage.
  const auto& listMoves = box.Item<ComboBox>(res::IDC_DAMAGE_LIST_MOVE);
  int damaging = 0;
  while (damaging < listMoves.GetCount() &&
         !(data::IsValidMove(listMoves.GetItemData(damaging)) &&
           data::Move(static_cast<data::MoveId>(listMoves.GetItemData(damaging))).power > 1)) {
    ++damaging;
  }
  ChooseAt(box, res::IDC_DAMAGE_LIST_MOVE, damaging);
  ChooseAt(box, res::IDC_DAMAGE_DIRECT_POWER, 15);
  Timed("condition change, six rows recomputed", box,
        [&] { Press(box, res::IDC_DAMAGE_HELPING_HAND); });
  Timed("game model ticked, six rows recomputed", box,
        [&] { Press(box, res::IDC_DAMAGE_GAME_MODEL); });
  Check(box.attackerIndex() == 0 && box.defenderIndex() == 1 && SixRowsShown(box) &&
            ShownChecked(box, res::IDC_DAMAGE_GAME_MODEL),
        "attacker and defender chosen by clicks, six rows of damage shown");
  // The battle around the hit, then the defender's タネマシンガン (2～5回).
  for (int id :
       {res::IDC_DAMAGE_CRITICAL, res::IDC_DAMAGE_STEALTH_ROCK, res::IDC_DAMAGE_LEECH_SEED}) {
    Timed("battle condition changed, six rows followed through turns", box,
          [&] { Press(box, id); });
  }
  Timed("spikes chosen, six rows followed through turns", box,
        [&] { ChooseAt(box, res::IDC_DAMAGE_SPIKES, 1); });
  Press(box, res::IDC_DAMAGE_SWAP);
  Timed("multi-strike move chosen", box, [&] { Choose(box, res::IDC_DAMAGE_LIST_MOVE, 330); });
  Check(Shown(box, res::DAMAGE_RANGE[4]).ends_with("(2～5回)"),
        "a 2～5 strike row shows its strike counts");
  Press(box, res::IDC_DAMAGE_SWAP);
  Press(box, res::DAMAGE_COPY_REPORT[0]);
  Check(ClipboardText() == box.report(0), "row 0's report reaches the clipboard");
  ClickRow(box, list, 0, true);
  Check(OnScreen(box.editDlg()) && Shown(*box.editDlg(), res::IDC_DATAEDIT_NAME) == "ガブ",
        "a double click on an entry opens it in the edit window");

  // "テキスト出力" through the real clipboard (CR LF), "テキスト取込" back as a third entry.
  ClickRow(box, list, 0);
  Timed("テキスト出力", box, [&] { Press(box, res::IDC_DAMAGE_EXPORT_TEXT); });
  std::string build;
  for (char c : calc::BuildText(box.box().entries[0]))
    build += c == '\n' ? "\r\n" : std::string(1, c);
  Check(ClipboardText() == build, "テキスト出力 copies the chosen build with CR LF");
  std::string told;
  Timed("テキスト取込, one build added and listed", box,
        [&] { told = PressAnsweringMessage(box, res::IDC_DAMAGE_IMPORT_TEXT); });
  const auto& entries = box.box().entries;
  Check(told == "1 件を追加しました。" && ShownCount(box, list) == 3 &&
            std::memcmp(&entries[2], &entries[0], sizeof entries[0]) == 0,
        "テキスト取込 lists the copied build as a third, equal entry");
  ClickRow(box, list, 2);
  Press(box, res::IDC_DAMAGE_DELETE);
  // Back to the box as it was written; saved, so that ending the run asks nothing.
  Press(box, res::IDC_DAMAGE_SAVE);
  Check(!box.HasUnsavedChanges(), "the box was saved");
  // A change of the box's rows closed the edit window; it is walked open.
  ClickRow(box, list, 1, true);
}

enum class Where { Search, Detail, IvJudge, Box };
struct LongestText {
  Where window;
  int id;
  int column;  // of a list; -1 for a text cell
  const char* text;
};
constexpr const char* LONG_NAME = "ボックス一番テストたろうピカＡx";  // 31 bytes
constexpr const char* LONG_SPECIES = "デオキシス（ディフェンス）";
const LongestText LONGEST_TEXTS[] = {
    {Where::Search, res::IDC_SEARCH_RESULTS, 1, LONG_SPECIES},
    {Where::Detail, res::IDC_DATAVIEW_MOVES, 1, " デオキシス（ディフェンス） PT:教え屋教え技"},
    {Where::Box, res::IDC_DAMAGE_BOX_LIST, 0, LONG_NAME},
    {Where::Box, res::IDC_DAMAGE_BOX_LIST, 1, LONG_SPECIES},
    {Where::Box, res::ATTACKER_PANEL.name, -1, LONG_NAME},
    {Where::Box, res::ATTACKER_PANEL.species, -1, LONG_SPECIES},
    {Where::Box, res::ATTACKER_PANEL.ability, -1, "ノーマルスキン"},
    {Where::Box, res::DAMAGE_MOVE_NAME[0], -1, "ドレインパンチ"},
    {Where::Box, res::DAMAGE_RANGE[0], -1, "65535 ～ 65535"},
    {Where::Box, res::DAMAGE_HITS[0], -1, "乱数4発 (99.9%)"},
    {Where::Box, res::DAMAGE_HITS[1], -1, "998 ～ 999発"},
    {Where::Box, res::DAMAGE_RANGE[1], -1, "65535 ～ 327675 (2～5回)"},
    {Where::IvJudge, res::IDC_PARACHECK_THRESHOLD[0], -1, " 0:360～31:236 "},
};

CDialog& WindowOf(const CTopWindowDlg& launcher, Where window) {
  switch (window) {
    case Where::Search:
      return *launcher.searchDlg();
    case Where::Detail:
      return *launcher.searchDlg()->detailView();
    case Where::IvJudge:
      return *launcher.paraCheckDlg();
    case Where::Box:
      break;
  }
  return *launcher.damageDlg();
}

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

void Choose(const CDialog& dialog, int id, platform::ItemData data) {
  const auto& items = static_cast<const platform::ItemListControl&>(*dialog.GetDlgItem(id));
  for (int i = 0; i < items.GetCount(); ++i) {
    if (items.GetItemData(i) == data) return ChooseAt(dialog, id, i);
  }
  Check(false, "entry " + std::to_string(data) + " exists");
}

void PrepareFolder(const std::string& folder) {
  std::filesystem::remove(platform::PathFromUtf8(folder + "kerumina.ini"));
  struct Creature {
    const char* name;
    int species;
    int stat[6];
    int move[4];
  };
  const Creature creatures[] = {
      {"ガブ", 444, {183, 200, 115, 100, 105, 169}, {88, 336, 199, 14}},
      {"バナ", 2, {187, 102, 135, 120, 120, 100}, {75, 0xFFFF, 0xFFFF, 0xFFFF}}};
  auto box = std::make_unique<box::Box>();
  for (std::size_t i = 0; i < std::size(creatures); ++i) {
    const Creature& c = creatures[i];
    box::BoxEntry& entry = box->entries[i];
    box::SetNameUtf8(entry, c.name);
    entry.species = c.species;
    entry.level = 50;
    entry.ability = data::SPECIES_ABILITIES[c.species].ability1;
    entry.statsEntered = 1;
    for (int s = 0; s < 6; ++s) entry.stat[s] = c.stat[s];
    for (int k = 0; k < 4; ++k) entry.move[k] = c.move[k];
  }
  box::SaveBox(*box, platform::PathFromUtf8(folder + box::BOX_FILE_NAME));
}

void RunStages(CTopWindowDlg& launcher) {
  CDialog* tools[] = {launcher.searchDlg(), launcher.damageDlg(), launcher.paraCheckDlg()};
  const int buttons[] = {res::IDC_TOP_SEARCH, res::IDC_TOP_BOX, res::IDC_TOP_PARA_CHECK};
  Check(OnScreen(&launcher) && !OnScreen(tools[0]) && !OnScreen(tools[1]) && !OnScreen(tools[2]),
        "launcher on screen, tool windows hidden");
  for (int i = 0; i < 3; ++i) {
    const std::string what = tools[i]->GetWindowText() + " first shown";
    Timed(what.c_str(), *tools[i], [&] { Press(launcher, buttons[i]); });
    Check(OnScreen(tools[i]), tools[i]->GetWindowText() + " opened");
  }
  std::printf("stage: IV window\n");
  IvStage(*launcher.paraCheckDlg());
  std::printf("stage: search window and detail view\n");
  SearchStage(*launcher.searchDlg());
  std::printf("stage: box window\n");
  BoxStage(*launcher.damageDlg());
  bool tabs = true;
  for (const CDialog* window : Windows(launcher)) {
    const bool follows = TabOrderFollowsTheTemplate(*window);
    if (!follows) std::printf("Tab order differs: %s\n", window->GetWindowText().c_str());
    tabs = tabs && follows;
  }
  Check(tabs, "Tab walks every window's inputs in layout order, nothing else");
  PressEscape(*tools[0]);
  Check(!OnScreen(tools[0]), "Escape hides a tool window");
}

std::vector<CDialog*> Windows(CTopWindowDlg& launcher) {
  return {&launcher,
          launcher.searchDlg(),
          launcher.searchDlg()->detailView(),
          launcher.damageDlg(),
          launcher.damageDlg()->editDlg(),
          launcher.paraCheckDlg()};
}

void CheckLongestTexts(const CTopWindowDlg& launcher) {
  for (const LongestText& longest : LONGEST_TEXTS) {
    CDialog& dialog = WindowOf(launcher, longest.window);
    if (longest.column < 0) {
      dialog.SetDlgItemText(longest.id, longest.text);
    } else {
      dialog.Item<ListView>(longest.id).SetItemText(0, longest.column, longest.text);
    }
    Settle(dialog);
    Check(ShowsWhole(dialog, longest.id, longest.column, longest.text),
          std::string("shows whole: ") + longest.text);
  }
}

int Finish(const std::string& folder, int status) {
  platform::Profile profile;
  profile.SetPath(folder + "kerumina.ini");
  Check(profile.GetProfileInt("Main", "Version", 0) == 60 &&
            profile.GetProfileInt("Search", "show", 0) == 1 &&
            profile.GetProfileInt("Damage", "show", 0) == 1 &&
            profile.GetProfileInt("TopWindow", "right", 0) >
                profile.GetProfileInt("TopWindow", "left", 0),
        "settings written: the open windows and the launcher's place");
  Check(status == 0, "program ended normally");
  std::printf("GUI smoke test %s\n", failedChecks == 0 ? "passed" : "FAILED");
  return failedChecks == 0 ? 0 : 1;
}

}  // namespace kerumina::ui::smoke
