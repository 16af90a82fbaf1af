// What both GUI smoke tests (wx and Win32) share: a window with one control of every kind,
// so that the two backends are checked against the same model; the box they start with;
// and the longest text each kind of cell must show whole.
#pragma once

#include <span>

#include "platform/dialog.h"
#include "platform/dialog_template.h"
#include "ui/top_window_dlg.h"

namespace kerumina::ui {

extern const platform::DialogTemplate GALLERY;
// Puts the contents the smoke tests read back into the gallery's controls.
void FillGallery(platform::CDialog& gallery);

// Two entries ("ガブ" attacking, "バナ" defending) in the box file at path.
void WriteSmokeBox(const std::string& path);

enum class SmokeWindow { Search, Detail, IvJudge, Box };
struct LongestText {
  SmokeWindow window;
  int id;
  int column;  // of a list; -1 for a text cell
  const char* text;
};
extern const std::span<const LongestText> LONGEST_TEXTS;
platform::CDialog& WindowOf(const CTopWindowDlg& launcher, SmokeWindow window);
// Puts the text into its cell (row 0 of a list) through the model.
void ShowLongest(const CTopWindowDlg& launcher, const LongestText& longest);

}  // namespace kerumina::ui
