#include "platform/process.h"

#include <filesystem>
#include <system_error>

namespace kerumina::platform {

std::string ExecutablePathOfProcess() {
  std::error_code error;
  auto path = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : path.string();
}

std::string FolderOf(std::string_view path) {
  auto cut = path.find_last_of("/\\");
  return cut == std::string_view::npos ? std::string() : std::string(path.substr(0, cut + 1));
}

bool SetCurrentDirectory(std::string_view folder) {
  if (folder.empty()) return false;
  std::error_code error;
  std::filesystem::current_path(PathFromUtf8(folder), error);
  return !error;
}

std::filesystem::path PathFromUtf8(std::string_view text) {
  return std::filesystem::path(
      std::u8string(reinterpret_cast<const char8_t*>(text.data()), text.size()));
}

}  // namespace kerumina::platform
