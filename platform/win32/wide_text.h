// UTF-8 inside the program, UTF-16 at the Win32 API, cp932 for programs that read only
// ANSI text.
#pragma once

#include <string>
#include <string_view>

namespace kerumina::platform::win32 {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);
std::string Cp932(std::wstring_view wide);
// "Name|*.ext|All|*.*||" as the file dialog wants it: NUL-separated, double-NUL-ended.
std::wstring FileDialogFilter(std::string_view filter);

}  // namespace kerumina::platform::win32
