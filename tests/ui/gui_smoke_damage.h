// The box window's stage of the GUI smoke test.
#pragma once

namespace kerumina::ui {
class CTopWindowDlg;
}

// With the two entries of the smoke box: clicks make them attacker and defender, the six
// rows fill (a condition change and "実機計算" timed), a report reaches the clipboard, and a
// double click and Enter open entries in the edit window. Returns the failures.
int RunDamageStage(kerumina::ui::CTopWindowDlg& launcher);
