// What both GUI smoke tests (wx and Win32) share: the driver each backend implements as a
// person's use of its widgets, and the stages that take the real windows through one user
// action of each kind of control and read back what the widgets show.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/dialog.h"
#include "ui/top_window_dlg.h"

namespace kerumina::ui::smoke {

using platform::CDialog;

void Check(bool condition, std::string_view what);  // printed; a failure fails the test

// The driver. Each action sends what the toolkit sends when a person uses the widget
// (button, check box, radio button; drop-down list or list box entry; a click into a list
// row's second column, twice for a double click) and returns once the window has reacted.
void Press(const CDialog& dialog, int id);
void ChooseAt(const CDialog& dialog, int id, int index);
void Type(const CDialog& dialog, int id, const char* text);
void ClickRow(const CDialog& dialog, int id, int row, bool twice = false);
void ClickHeading(const CDialog& dialog, int id, int column);
void PressEscape(const CDialog& dialog);
// What the widgets show: a caption, text or chosen entry; entries or rows; a cell.
bool OnScreen(const CDialog* dialog);
std::string Shown(const CDialog& dialog, int id);
bool ShownChecked(const CDialog& dialog, int id);
int ShownCount(const CDialog& dialog, int id);
int ShownSelection(const CDialog& dialog, int id);
std::string ShownItem(const CDialog& dialog, int id, int row, int column = 0);
// Pending model changes mirrored into the widgets, laid out and drawn.
void Settle(const CDialog& dialog);
// Tab walks the controls that take input in template order, and nothing else.
bool TabOrderFollowsTheTemplate(const CDialog& dialog);
// The cell (row 0 of a list column when column >= 0) fits the text or has it as tooltip.
bool ShowsWhole(const CDialog& dialog, int id, int column, const std::string& text);

// The entry that carries data.
void Choose(const CDialog& dialog, int id, platform::ItemData data);
// A fresh start in the program's folder: no settings, a box of two entries.
void PrepareFolder(const std::string& folder);
// Opens the tool windows from the launcher, drives them, checks Tab in every window and
// hides the search window with Escape; the others stay open, with detail view and editor.
void RunStages(CTopWindowDlg& launcher);
// Launcher, search, detail view, box, editor, IV window.
std::vector<CDialog*> Windows(CTopWindowDlg& launcher);
// Puts the longest text of each kind of cell in; each must show whole.
void CheckLongestTexts(const CTopWindowDlg& launcher);
// Checks the settings the run wrote and its end; the exit status of the test.
int Finish(const std::string& folder, int status);

}  // namespace kerumina::ui::smoke
