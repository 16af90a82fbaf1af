// Template of the individual-value judgement window.
#pragma once

#include "platform/dialog_template.h"

namespace kerumina::res {

inline constexpr int IDD_PARACHECK = 132;
inline constexpr int IDC_PARACHECK_CLOSE = 1004;

extern const platform::DialogTemplate PARA_CHECK_DLG;

}  // namespace kerumina::res
