// Template of the box and damage window.
#pragma once

#include "platform/dialog_template.h"

namespace kerumina::res {

inline constexpr int IDD_DAMAGE = 133;
inline constexpr int IDC_DAMAGE_CLOSE = 1004;

extern const platform::DialogTemplate DAMAGE_DLG;

}  // namespace kerumina::res
