// Entry to the wx backend for a main(): starts the toolkit, then runs the program's body
// with a host whose windows are real. Free of toolkit headers, so main() needs none.
#pragma once

#include <functional>

#include "platform/host.h"

namespace kerumina::platform::wx {

// Returns the body's exit code, or 1 when the toolkit cannot start (no display).
int RunWxApplication(int argc, char** argv, const std::function<int(Host&)>& body);

}  // namespace kerumina::platform::wx
