// The box window's stage of the GUI smoke test.
#pragma once

namespace kerumina::ui {
class CTopWindowDlg;
}

// Registers two creatures through the edit window's widgets, computes the six rows, copies
// a report through the clipboard, ticks "実機計算" and back, and saves, checking each
// against the core and the command line and every caption for room; times a condition
// change and opening on a full box. With "--hold SECONDS" on the command line the filled
// windows stay on screen that long, "実機計算" ticked. Returns the failures.
int RunDamageStage(kerumina::ui::CTopWindowDlg& launcher);
