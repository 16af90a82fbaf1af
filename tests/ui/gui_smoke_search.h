// The search window's stage of the GUI smoke test (wx backend only).
#pragma once

#include "ui/search_dlg.h"

namespace kerumina::ui {

// Drives the shown search window and its detail view through real widgets; returns the
// number of failed checks. With arrange, it leaves both windows set up for screenshots.
int RunSearchSmokeStage(CSearchDlg& search, bool arrange);

}  // namespace kerumina::ui
