// Entry to the Win32 backend for a main(): sets up the common controls, then runs the
// program's body with a host whose windows are native. Free of windows.h, so main() needs
// none.
#pragma once

#include <functional>

#include "platform/host.h"

namespace kerumina::platform::win32 {

int RunWin32Application(const std::function<int(Host&)>& body);

}  // namespace kerumina::platform::win32
