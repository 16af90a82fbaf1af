#include "tests/ui/gui_smoke_damage.h"

#include <wx/checkbox.h>
#include <wx/dialog.h>
#include <wx/stattext.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "box/box.h"
#include "data/moves.h"
#include "platform/process.h"
#include "platform/wx/wx_host.h"
#include "res/damage_dlg.h"
#include "res/data_edit_dlg.h"
#include "tests/ui/wx_driver.h"
#include "ui/damage_dlg.h"
#include "ui/top_window_dlg.h"

namespace {

namespace platform = kerumina::platform;
namespace res = kerumina::res;
using kerumina::platform::CDialog;
using kerumina::platform::wx::WxHost;
using kerumina::ui::CDamageDlg;
using namespace kerumina::ui::smoke;

// The widget's entries match the model's only once pending changes are mirrored.
void ChooseSettled(const CDialog& dialog, int id, int index) {
  Settle(dialog);
  ChooseAt(dialog, id, index);
}

// From one settled state to the next: the reaction with its redraw.
double SettledMilliseconds(const CDialog& dialog, const std::function<void()>& action) {
  Settle(dialog);
  const Clock::time_point start = Clock::now();
  action();
  Settle(dialog);
  return MillisecondsSince(start);
}

void SelectRow(const CDialog& dialog, int row) {
  kerumina::ui::smoke::SelectRow(dialog, res::IDC_DAMAGE_BOX_LIST, row);
}

struct Creature {
  const char* name;
  kerumina::data::SpeciesId species;
  const char* stats[6];
  kerumina::data::MoveId moves[4];
};

// "新規追加", then the edit window's widgets as a player fills them, with typed stats.
void RegisterThroughEditor(CDamageDlg& box, const Creature& creature) {
  Press(box, res::IDC_DAMAGE_ADD);
  CDialog& editor = *box.editDlg();
  Settle(editor);
  Check(WxHost::WindowOf(editor)->IsShown(), "edit window opens for a new entry");
  Type(editor, res::IDC_DATAEDIT_NAME, creature.name);
  ChooseSettled(editor, res::IDC_DATAEDIT_RULE, 0);
  const int species = PositionOfData(editor, res::IDC_DATAEDIT_SPECIES, creature.species);
  Settle(editor);
  const Clock::time_point start = Clock::now();
  ChooseSettled(editor, res::IDC_DATAEDIT_SPECIES, species);
  const double model = MillisecondsSince(start);
  Settle(editor);
  std::printf(
      "species chosen, abilities and four move lists refilled: %.1f ms "
      "(%.1f ms before the widgets)\n",
      MillisecondsSince(start), model);
  ChooseSettled(editor, res::IDC_DATAEDIT_LEVEL, 49);
  ClickRadio(editor, res::IDC_DATAEDIT_DIRECT_MODE);
  Settle(editor);
  for (int s = 0; s < 6; ++s) Type(editor, res::DATAEDIT_STAT[s], creature.stats[s]);
  for (int row = 0; row < 4; ++row) {
    if (creature.moves[row] == kerumina::data::NO_MOVE) continue;
    ChooseSettled(editor, res::DATAEDIT_MOVE[row],
                  PositionOfData(editor, res::DATAEDIT_MOVE[row], creature.moves[row]));
  }
  Press(editor, res::IDC_DATAEDIT_REGISTER);
  Settle(box);
  Check(!WxHost::WindowOf(editor)->IsShown(), "edit window closes on registration");
}

std::string FileBytes(const std::string& path) {
  std::stringstream bytes;
  bytes << std::ifstream(path, std::ios::binary).rdbuf();
  return bytes.str();
}

// What the command line writes for the same two entries.
std::string CreatedByCommandLine(const std::string& folder, const Creature (&creatures)[2],
                                 const CDamageDlg& box) {
  std::string json = "[";
  for (int i = 0; i < 2; ++i) {
    const kerumina::box::BoxEntry& entry = box.box().entries[i];
    const Creature& c = creatures[i];
    json += i == 0 ? "\n" : ",\n";
    json += std::string("{\"name\":\"") + c.name + "\",\"species\":" + std::to_string(c.species) +
            ",\"level\":50,\"nature\":0,\"ability\":" + std::to_string(entry.ability) +
            ",\"item\":0,\"statsEntered\":1,\"iv\":[0,0,0,0,0,0],\"ev\":[0,0,0,0,0,0],\"stat\":[";
    for (int s = 0; s < 6; ++s) {
      if (s > 0) json += ',';
      json += c.stats[s];
    }
    json += "],\"move\":[";
    for (int k = 0; k < 4; ++k) {
      if (k > 0) json += ',';
      json += std::to_string(c.moves[k]);
    }
    json += "]}";
  }
  json += "\n]\n";
  const std::string input = folder + "smoke-entries.json";
  const std::string output = folder + "smoke-created.vbd";
  std::ofstream(input, std::ios::binary) << json;
  std::filesystem::remove(output);
  const std::string command = "\"" + folder + "../../app/kerumina-cli\" box create \"" + output +
                              "\" < \"" + input + "\" > /dev/null";
  Check(std::system(command.c_str()) == 0, "kerumina-cli box create ran");
  return FileBytes(output);
}

// Creation (at program start: box loaded, list filled, hidden), the first show (the
// launcher's button) and a later show, for an empty and for a full box: the difference
// is what 1024 entries cost.
void TimeOpening(WxHost& host, const std::string& boxPath) {
  auto full = std::make_unique<kerumina::box::Box>();
  for (int i = 0; i < kerumina::box::BOX_CAPACITY; ++i) {
    kerumina::box::BoxEntry& entry = full->entries[i];
    kerumina::box::SetNameUtf8(entry, "はこ" + std::to_string(i));
    entry.species = i % 493;
    entry.level = 50;
    for (int s = 0; s < 6; ++s) entry.stat[s] = 100;
    for (int k = 0; k < 4; ++k) entry.move[k] = kerumina::data::NO_MOVE;
  }
  kerumina::ui::CMainApp probe(host);
  probe.PrepareSettings();
  for (bool filled : {false, true}) {
    std::filesystem::remove(boxPath);
    if (filled) kerumina::box::SaveBox(*full, boxPath);
    const Clock::time_point start = Clock::now();
    CDamageDlg window(probe);
    window.CreateToolWindow();
    window.ShowToolWindow(platform::SHOW_HIDE);
    Settle(window);
    const double created = MillisecondsSince(start);
    // The launcher's button is pressed after the program has idled a moment.
    wxYield();
    double shown[2];
    for (double& time : shown) {
      window.ShowWindow(platform::SHOW_HIDE);
      time = SettledMilliseconds(window, [&window] { window.ShowWindow(platform::SHOW_NORMAL); });
    }
    const int rows = window.Item<platform::ListView>(res::IDC_DAMAGE_BOX_LIST).GetItemCount();
    std::printf(
        "box window with %d entries: created in %.1f ms, first shown in %.1f ms, "
        "shown again in %.1f ms\n",
        rows, created, shown[0], shown[1]);
    if (filled) Check(rows == kerumina::box::BOX_CAPACITY, "a full box lists 1024 rows");
    window.DestroyWindow();
  }
  std::filesystem::remove(boxPath);
}

// Every caption and cell text under this widget, whole; the game model's hits texts
// ("乱数2発 (80.1%)") are the longest a cell shows.
bool CaptionsFit(const wxWindow& parent) {
  bool fit = true;
  for (wxWindow* child : parent.GetChildren()) {
    int needed = 0;
    int room = 0;
    wxString text;
    if (auto* label = dynamic_cast<wxStaticText*>(child)) {
      text = label->GetLabel();
      needed = label->GetTextExtent(text).x;
      room = label->GetClientSize().x;
    } else if (auto* check = dynamic_cast<wxCheckBox*>(child)) {
      text = check->GetLabel();
      needed = check->GetBestSize().x;
      room = check->GetSize().x;
    }
    if (needed > room) {
      std::printf("\"%s\" needs %d px, has %d\n", Utf8(text).c_str(), needed, room);
      fit = false;
    }
    fit = CaptionsFit(*child) && fit;
  }
  return fit;
}

void CheckGameModel(CDamageDlg& box) {
  auto* game = WidgetAs<wxCheckBox>(box, res::IDC_DAMAGE_GAME_MODEL);
  if (game == nullptr) return;
  const std::string classicHits = LabelOf(box, res::DAMAGE_HITS[0]);
  std::printf("game model ticked, six rows recomputed and redrawn: %.2f ms\n",
              SettledMilliseconds(box, [&box] { Toggle(box, res::IDC_DAMAGE_GAME_MODEL); }));
  for (int row = 0; row < res::DAMAGE_ROW_COUNT; ++row) {
    std::printf(
        "game row %d | %s | %s | %s\n", row, LabelOf(box, res::DAMAGE_MULTIPLIER[row]).c_str(),
        LabelOf(box, res::DAMAGE_RANGE[row]).c_str(), LabelOf(box, res::DAMAGE_HITS[row]).c_str());
  }
  Check(LabelOf(box, res::DAMAGE_HITS[0]) == box.GetDlgItemText(res::DAMAGE_HITS[0]) &&
            LabelOf(box, res::DAMAGE_HITS[0]) != classicHits,
        "ticked, row 0 shows the game model's hits");
  Check(CaptionsFit(*WxHost::WindowOf(box)), "ticked, every caption and cell text fits");
  Press(box, res::DAMAGE_COPY_REPORT[0]);
  const std::string pasted = ClipboardText();
  Check(pasted == box.report(0) && pasted.find("【実機計算】") != std::string::npos,
        "row 0's copied report carries the game section");
  // The battle around the hit, then バナ's タネマシンガン (2～5回) for the widest cell.
  std::vector<double> times;
  for (int id : {res::IDC_DAMAGE_CRITICAL, res::IDC_DAMAGE_STEALTH_ROCK, res::IDC_DAMAGE_LEECH_SEED,
                 res::IDC_DAMAGE_LEECH_SEED}) {
    times.push_back(SettledMilliseconds(box, [&box, id] { Toggle(box, id); }));
  }
  for (auto [id, at] :
       {std::pair{res::IDC_DAMAGE_SPIKES, 1}, {res::IDC_DAMAGE_DEFENDER_STATUS, 3}}) {
    times.push_back(SettledMilliseconds(box, [&box, id, at] { ChooseSettled(box, id, at); }));
  }
  Press(box, res::IDC_DAMAGE_SWAP);
  times.push_back(
      SettledMilliseconds(box, [&box] { Choose(box, res::IDC_DAMAGE_LIST_MOVE, 330); }));
  std::printf("battle condition changed, six rows followed through turns: max %.2f ms over %zu\n",
              *std::max_element(times.begin(), times.end()), times.size());
  std::printf("battle row 4 | %s | %s\n", LabelOf(box, res::DAMAGE_RANGE[4]).c_str(),
              LabelOf(box, res::DAMAGE_HITS[4]).c_str());
  Check(CaptionsFit(*WxHost::WindowOf(box)), "battle conditions set, every cell text fits");
  Press(box, res::IDC_DAMAGE_SWAP);
  Toggle(box, res::IDC_DAMAGE_GAME_MODEL);
  Settle(box);
  Check(LabelOf(box, res::DAMAGE_HITS[0]) == classicHits, "unticked, row 0 is classic again");
}

void TimeConditionChanges(CDamageDlg& box) {
  std::vector<double> times;
  for (int round = 0; round < 4; ++round) {
    for (int id : res::DAMAGE_CONDITION_CHECKS) {
      times.push_back(SettledMilliseconds(box, [&box, id] { Toggle(box, id); }));
    }
  }
  std::sort(times.begin(), times.end());
  std::printf(
      "condition change, six rows recomputed and every cell redrawn: median %.2f ms, "
      "max %.2f ms over %zu clicks\n",
      times[times.size() / 2], times.back(), times.size());
}

}  // namespace

int RunDamageStage(kerumina::ui::CTopWindowDlg& launcher) {
  const int failedBefore = FailedChecks();
  auto& host = static_cast<WxHost&>(launcher.host());
  const int holdMs = HoldMilliseconds();
  std::printf("stage: box window\n");
  const std::string folder = platform::FolderOf(platform::ExecutablePathOfProcess());
  const std::string boxPath = folder + kerumina::box::BOX_FILE_NAME;
  TimeOpening(host, boxPath);

  CDamageDlg& box = *launcher.damageDlg();
  Settle(box);
  // A box left by an earlier run: empty it through the window.
  while (box.Item<platform::ListView>(res::IDC_DAMAGE_BOX_LIST).GetItemCount() > 0) {
    SelectRow(box, 0);
    Press(box, res::IDC_DAMAGE_DELETE);
  }
  const Creature creatures[2] = {
      {"ガブ", 444, {"183", "200", "115", "100", "105", "169"}, {88, 336, 199, 14}},
      {"バナ", 2, {"187", "102", "135", "120", "120", "100"}, {75, 0xFFFF, 0xFFFF, 0xFFFF}},
  };
  for (const Creature& creature : creatures) RegisterThroughEditor(box, creature);
  SelectRow(box, 0);
  std::printf("attacker chosen, panel and learnable-move list filled: %.1f ms\n",
              SettledMilliseconds(box, [&box] { Press(box, res::IDC_DAMAGE_TO_ATTACKER); }));
  SelectRow(box, 1);
  Press(box, res::IDC_DAMAGE_TO_DEFENDER);
  // Row 4: the first move of the list that does damage.
  auto& listMoves = box.Item<platform::ComboBox>(res::IDC_DAMAGE_LIST_MOVE);
  for (int i = 0; i < listMoves.GetCount(); ++i) {
    const auto move = static_cast<kerumina::data::MoveId>(listMoves.GetItemData(i));
    if (kerumina::data::IsValidMove(move) && kerumina::data::Move(move).power > 1) {
      ChooseSettled(box, res::IDC_DAMAGE_LIST_MOVE, i);
      break;
    }
  }
  ChooseSettled(box, res::IDC_DAMAGE_DIRECT_POWER, 15);
  Settle(box);

  bool cellsMatch = true;
  for (int row = 0; row < res::DAMAGE_ROW_COUNT; ++row) {
    std::string line;
    for (int id : {res::DAMAGE_MULTIPLIER[row], res::DAMAGE_RANGE[row], res::DAMAGE_HITS[row]}) {
      const std::string shown = LabelOf(box, id);
      cellsMatch = cellsMatch && shown == box.GetDlgItemText(id);
      line += " | " + shown;
    }
    std::printf("row %d%s\n", row, line.c_str());
  }
  Check(cellsMatch, "the widgets show every result cell of the model");
  Check(LabelOf(box, res::DAMAGE_RANGE[0]) != "－" && LabelOf(box, res::DAMAGE_RANGE[5]) != "－",
        "own-move and direct rows computed");

  Press(box, res::DAMAGE_COPY_REPORT[0]);
  const std::string pasted = ClipboardText();
  Check(!box.report(0).empty() && pasted == box.report(0),
        "the clipboard gives back row 0's report as text");
  std::printf("%s", pasted.substr(0, pasted.find("\r\n\r\n") + 4).c_str());

  Check(CaptionsFit(*WxHost::WindowOf(box)), "every caption and cell text fits");
  CheckGameModel(box);
  TimeConditionChanges(box);
  std::printf("weather changed, learnable-move list rebuilt and rows recomputed: %.1f ms\n",
              SettledMilliseconds(box, [&box] { ChooseSettled(box, res::IDC_DAMAGE_WEATHER, 1); }));

  Press(box, res::IDC_DAMAGE_SAVE);
  Check(!box.HasUnsavedChanges(), "the box was saved");
  const std::string saved = FileBytes(boxPath);
  Check(saved.size() == kerumina::box::BOX_FILE_BYTES &&
            saved == CreatedByCommandLine(folder, creatures, box),
        "the saved box equals what kerumina-cli box create writes for the same entries");

  if (holdMs > 0) {
    Toggle(box, res::IDC_DAMAGE_GAME_MODEL);
    SelectRow(box, 0);
    Press(box, res::IDC_DAMAGE_EDIT);
    // Apart, so that a screenshot shows both whole.
    for (auto [dialog, left] : {std::pair<CDialog*, int>{&box, 10}, {box.editDlg(), 1110}}) {
      const platform::Rect rect = dialog->GetWindowPlacement().normalPosition;
      MoveKeepingSize(*dialog, left, 10);
      Settle(*dialog);
      std::printf("window at %d %d size %d %d\n", left, 10, rect.Width(), rect.Height());
    }
    for (CDialog* dialog : {static_cast<CDialog*>(&box), static_cast<CDialog*>(box.editDlg())}) {
      WxHost::WindowOf(*dialog)->Raise();
    }
    std::printf("stage: box window held for screenshots\n");
    std::fflush(stdout);
    Hold(holdMs);
    box.editDlg()->UserPressEscape();
  }
  return FailedChecks() - failedBefore;
}
