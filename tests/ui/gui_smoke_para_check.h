// The IV window's stage of the GUI smoke test.
#pragma once

namespace kerumina::ui {
class CParaCheckDlg;
}

// Drives the open IV window through its real widgets: species, level, a candidate pick
// whose narrowed bounds are read back from the bound lists, then timed picks with hidden
// power on and three stats open. Leaves the window judged (for screenshots). Returns the
// number of failed checks.
int CheckParaCheckWindow(kerumina::ui::CParaCheckDlg& window);
