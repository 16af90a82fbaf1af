// Template of the launcher: four buttons that open the tool windows or end the program.
#pragma once

#include "platform/dialog_template.h"

namespace kerumina::res {

inline constexpr int IDD_TOPWINDOW = 102;
inline constexpr int IDC_TOP_SEARCH = 1001;
inline constexpr int IDC_TOP_BOX = 1002;
inline constexpr int IDC_TOP_PARA_CHECK = 1003;
inline constexpr int IDC_TOP_QUIT = 1004;
// System command of the about box entry.
inline constexpr int IDM_ABOUTBOX = 0x0010;
// The application icon.
inline constexpr int IDR_MAINFRAME = 128;

extern const platform::DialogTemplate TOP_WINDOW_DLG;

}  // namespace kerumina::res
