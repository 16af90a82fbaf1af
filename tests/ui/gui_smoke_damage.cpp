#include "tests/ui/gui_smoke_damage.h"

#include <wx/defs.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "calc/build_text.h"
#include "data/moves.h"
#include "res/damage_dlg.h"
#include "res/data_edit_dlg.h"
#include "tests/ui/wx_driver.h"
#include "ui/damage_dlg.h"
#include "ui/top_window_dlg.h"

namespace res = kerumina::res;
using kerumina::platform::ComboBox;
using namespace kerumina::ui::smoke;

namespace {

// "テキスト出力" through the real clipboard (CR LF) and "テキスト取込" back as a third entry,
// which is deleted again.
void CheckBuildTexts(kerumina::ui::CDamageDlg& box) {
  const int list = res::IDC_DAMAGE_BOX_LIST;
  ClickRow(box, list, 0);
  Timed("テキスト出力", box, [&] { Press(box, res::IDC_DAMAGE_EXPORT_TEXT); });
  std::string expected;
  for (char c : kerumina::calc::BuildText(box.box().entries[0])) {
    if (c == '\n') expected += '\r';
    expected += c;
  }
  Check(ClipboardText() == expected, "テキスト出力 copies the build with CR LF");
  auto& host = static_cast<kerumina::platform::wx::WxHost&>(box.host());
  std::string told;
  host.answerMessageBox = [&told](std::string_view text) {
    told = text;
    return kerumina::platform::ID_OK;
  };
  Timed("テキスト取込, one build added and listed", box,
        [&] { Press(box, res::IDC_DAMAGE_IMPORT_TEXT); });
  host.answerMessageBox = nullptr;
  const auto& entries = box.box().entries;
  Check(told == "1 件を追加しました。" &&
            std::memcmp(&entries[2], &entries[0], sizeof entries[0]) == 0,
        "テキスト取込 reads the copied build back as a third, equal entry");
  ClickRow(box, list, 2);
  Press(box, res::IDC_DAMAGE_DELETE);
  // Back to the box as it was written; saved, so that ending the run asks nothing.
  Press(box, res::IDC_DAMAGE_SAVE);
  Check(!box.HasUnsavedChanges(), "the box was saved");
}

}  // namespace

int RunDamageStage(kerumina::ui::CTopWindowDlg& launcher) {
  const int failedBefore = FailedChecks();
  std::printf("stage: box window\n");
  kerumina::ui::CDamageDlg& box = *launcher.damageDlg();
  const int list = res::IDC_DAMAGE_BOX_LIST;
  ClickRow(box, list, 0);
  Timed("attacker chosen, panel and learnable-move list filled", box,
        [&] { Press(box, res::IDC_DAMAGE_TO_ATTACKER); });
  ClickRow(box, list, 1);
  Settle(box);
  Press(box, res::IDC_DAMAGE_TO_DEFENDER);
  // Row 4: the first move of the list that does damage.
  const auto& listMoves = box.Item<ComboBox>(res::IDC_DAMAGE_LIST_MOVE);
  for (int i = 0; i < listMoves.GetCount(); ++i) {
    const auto move = static_cast<kerumina::data::MoveId>(listMoves.GetItemData(i));
    if (kerumina::data::IsValidMove(move) && kerumina::data::Move(move).power > 1) {
      ChooseAt(box, res::IDC_DAMAGE_LIST_MOVE, i);
      break;
    }
  }
  ChooseAt(box, res::IDC_DAMAGE_DIRECT_POWER, 15);
  Timed("condition change, six rows recomputed", box,
        [&] { Toggle(box, res::IDC_DAMAGE_HELPING_HAND); });
  Timed("game model ticked, six rows recomputed", box,
        [&] { Toggle(box, res::IDC_DAMAGE_GAME_MODEL); });
  int shown = 0;
  for (int row = 0; row < res::DAMAGE_ROW_COUNT; ++row) {
    const std::string range = LabelOf(box, res::DAMAGE_RANGE[row]);
    const std::string hits = LabelOf(box, res::DAMAGE_HITS[row]);
    std::printf("row %d | %s | %s\n", row, range.c_str(), hits.c_str());
    if (range != "－" && range == box.GetDlgItemText(res::DAMAGE_RANGE[row]) &&
        hits == box.GetDlgItemText(res::DAMAGE_HITS[row])) {
      ++shown;
    }
  }
  Check(box.attackerIndex() == 0 && box.defenderIndex() == 1 && shown == 6,
        "attacker and defender chosen by clicks, six rows of damage shown");
  // The battle around the hit, then the defender's タネマシンガン (2～5回) for the widest cell.
  for (int id :
       {res::IDC_DAMAGE_CRITICAL, res::IDC_DAMAGE_STEALTH_ROCK, res::IDC_DAMAGE_LEECH_SEED}) {
    Timed("battle condition changed, six rows followed through turns", box,
          [&] { Toggle(box, id); });
  }
  Timed("spikes chosen, six rows followed through turns", box,
        [&] { ChooseAt(box, res::IDC_DAMAGE_SPIKES, 1); });
  Press(box, res::IDC_DAMAGE_SWAP);
  Timed("multi-strike move chosen", box, [&] { Choose(box, res::IDC_DAMAGE_LIST_MOVE, 330); });
  Check(LabelOf(box, res::DAMAGE_RANGE[4]).ends_with("(2～5回)"),
        "a 2～5 strike row shows its strike counts");
  Press(box, res::IDC_DAMAGE_SWAP);
  Press(box, res::DAMAGE_COPY_REPORT[0]);
  Check(ClipboardText() == box.report(0), "row 0's report reaches the clipboard");
  ClickRow(box, list, 0, true);
  Settle(*box.editDlg());
  Check(box.editDlg()->IsWindowVisible() &&
            box.editDlg()->GetDlgItemText(res::IDC_DATAEDIT_NAME) == "ガブ",
        "a double click on an entry opens it in the edit window");
  ClickRow(box, list, 1);
  Settle(box);
  PressKey(box, list, WXK_RETURN);
  Settle(*box.editDlg());
  Check(box.editDlg()->GetDlgItemText(res::IDC_DATAEDIT_NAME) == "バナ",
        "Enter on an entry opens it in the edit window");
  CheckBuildTexts(box);
  // A change of the box's rows closes the edit window; later stages read it open.
  ClickRow(box, list, 1, true);
  Settle(*box.editDlg());
  return FailedChecks() - failedBefore;
}
