// The process's place in the file system: its executable and its current directory.
#pragma once

#include <string>
#include <string_view>

namespace kerumina::platform {

// Full path of the running executable; empty when the system will not tell.
std::string ExecutablePathOfProcess();
// Everything up to and including the last path separator ("" when there is none).
std::string FolderOf(std::string_view path);
bool SetCurrentDirectory(std::string_view folder);

}  // namespace kerumina::platform
