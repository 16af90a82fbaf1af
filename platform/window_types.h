// Plain values shared by the dialogs and the backends: rectangles, window placement, show
// requests, dialog results and message-box choices. Numbers are those of the Windows dialog
// framework the windows were designed against, so settings and requests keep their meaning;
// names differ so that they never clash with a system header's macros.
#pragma once

#include <cstdint>

namespace kerumina::platform {

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  bool IsEmpty() const { return right <= left || bottom <= top; }
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// A rectangle of a dialog template, in dialog units, as a resource script writes it.
struct DluRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// Show commands; ShowToolWindow also uses 6 and 9 as "the launcher was minimised/restored".
enum ShowCommand : int {
  SHOW_HIDE = 0,
  SHOW_NORMAL = 1,
  SHOW_MINIMIZED = 2,
  SHOW_SHOW = 5,
  SHOW_MINIMIZE = 6,
  SHOW_RESTORE = 9,
};

struct WindowPlacement {
  int showCmd = SHOW_NORMAL;
  Rect normalPosition;
};

// Size notification kinds.
enum class SizeType { Restored = 0, Minimized = 1, Maximized = 2 };

// Dialog results and message-box answers.
enum DialogResult : int { ID_OK = 1, ID_CANCEL = 2, ID_YES = 6, ID_NO = 7 };

enum class MessageBoxButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageBoxIcon { None, Error, Question, Warning, Information };

// First number of the application's own window messages.
inline constexpr unsigned USER_MESSAGE_BASE = 0x0400;

// System commands the platform handles itself (low four bits are the platform's).
inline constexpr int SYSCOMMAND_MINIMIZE = 0xF020;
inline constexpr int SYSCOMMAND_CLOSE = 0xF060;
inline constexpr int SYSCOMMAND_RESTORE = 0xF120;

using ItemData = std::intptr_t;

}  // namespace kerumina::platform
