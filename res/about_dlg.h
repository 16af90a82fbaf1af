// Template of the about box: the program's name and version and an OK button.
#pragma once

#include "platform/dialog_template.h"

namespace kerumina::res {

inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDC_ABOUT_VERSION = 1000;

extern const platform::DialogTemplate ABOUT_DLG;

}  // namespace kerumina::res
