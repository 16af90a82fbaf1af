// The string table of the windows: texts the framework looks up by number.
#pragma once

#include <string_view>

namespace kerumina::res {

// System-menu entry of the launcher that opens the about box.
inline constexpr int IDS_ABOUTBOX = 101;

// The text of a string resource; empty for a number without one.
std::string_view LoadString(int id);

}  // namespace kerumina::res
