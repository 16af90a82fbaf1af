// Template of the species filter search window.
#pragma once

#include "platform/dialog_template.h"

namespace kerumina::res {

inline constexpr int IDD_SEARCH = 129;
inline constexpr int IDC_SEARCH_CLOSE = 1004;

extern const platform::DialogTemplate SEARCH_DLG;

}  // namespace kerumina::res
