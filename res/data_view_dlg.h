// Template of the species detail view.
#pragma once

#include "platform/dialog_template.h"

namespace kerumina::res {

inline constexpr int IDD_DATAVIEW = 131;
inline constexpr int IDC_DATAVIEW_CLOSE = 1004;

extern const platform::DialogTemplate DATA_VIEW_DLG;

}  // namespace kerumina::res
