// The process's place in the file system: its executable and its current directory.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kerumina::platform {

// Full path of the running executable; empty when the system will not tell.
std::string ExecutablePathOfProcess();
// Everything up to and including the last path separator ("" when there is none).
std::string FolderOf(std::string_view path);
bool SetCurrentDirectory(std::string_view folder);
// A path from UTF-8 text. A plain std::string means the ANSI code page on Windows, where a
// Japanese folder name would come out garbled.
std::filesystem::path PathFromUtf8(std::string_view text);

}  // namespace kerumina::platform
