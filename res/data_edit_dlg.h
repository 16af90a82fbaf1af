// Template of the box entry edit window.
#pragma once

#include "platform/dialog_template.h"

namespace kerumina::res {

inline constexpr int IDD_DATAEDIT = 135;
inline constexpr int IDC_DATAEDIT_CANCEL = 1149;

extern const platform::DialogTemplate DATA_EDIT_DLG;

}  // namespace kerumina::res
