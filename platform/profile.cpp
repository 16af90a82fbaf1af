#include "platform/profile.h"

#include "platform/process.h"

// Settings are plain ASCII keys and numbers: no wide-character conversion needed.
#define SI_NO_CONVERSION
// Debian splits the implementation off into a library; this unit takes it from the header.
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <system_error>

#include "platform/file_locations.h"
#include "platform/process.h"

namespace kerumina::platform {

namespace {

// Keys and sections ignore case, as in the profile functions.
using IniFile = CSimpleIniA;

void Configure(IniFile& ini) {
  ini.SetUnicode(true);
  ini.SetMultiKey(false);
  ini.SetSpaces(false);  // key=value, as the profile functions write it
}

enum class LoadResult { Missing, Loaded, Unreadable };

// Reads the file ourselves: given a folder or a device, the library's own loader would
// take the file size from ftell and ask for an absurd buffer.
LoadResult Load(IniFile& ini, const std::string& path) {
  std::error_code error;
  auto status = std::filesystem::status(PathFromUtf8(path), error);
  if (status.type() == std::filesystem::file_type::not_found) return LoadResult::Missing;
  if (error || status.type() != std::filesystem::file_type::regular) {
    return LoadResult::Unreadable;
  }
  std::ifstream in(PathFromUtf8(path), std::ios::binary);
  if (!in) return LoadResult::Unreadable;
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return LoadResult::Unreadable;
  return ini.LoadData(text) < 0 ? LoadResult::Unreadable : LoadResult::Loaded;
}

}  // namespace

int ParseProfileInt(std::string_view value) {
  std::size_t at = 0;
  while (at < value.size() && (value[at] == ' ' || value[at] == '\t')) ++at;
  bool negative = false;
  if (at < value.size() && (value[at] == '-' || value[at] == '+')) {
    negative = value[at] == '-';
    ++at;
  }
  std::int64_t magnitude = 0;
  constexpr std::int64_t limit = std::int64_t{std::numeric_limits<int>::max()} + 1;
  for (; at < value.size() && value[at] >= '0' && value[at] <= '9'; ++at) {
    magnitude = std::min(limit, magnitude * 10 + (value[at] - '0'));
  }
  std::int64_t signedValue = negative ? -magnitude : magnitude;
  if (signedValue > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  return static_cast<int>(signedValue);
}

int Profile::GetProfileInt(std::string_view section, std::string_view key, int defaultValue) const {
  if (path_.empty()) return defaultValue;
  IniFile ini;
  Configure(ini);
  if (Load(ini, path_) != LoadResult::Loaded) return defaultValue;
  const char* value = ini.GetValue(std::string(section).c_str(), std::string(key).c_str(), nullptr);
  return value == nullptr ? defaultValue : ParseProfileInt(value);
}

namespace {

// The same bytes on every system: the library would end lines with CR LF on Windows only.
bool Save(const IniFile& ini, const std::string& path) {
  std::string text;
  if (ini.Save(text, false) < 0) return false;
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c != '\r') out += c;
  }
  std::ofstream file(PathFromUtf8(path), std::ios::binary | std::ios::trunc);
  file.write(out.data(), static_cast<std::streamsize>(out.size()));
  file.close();
  return !file.fail();
}

}  // namespace

bool Profile::WriteProfileInt(std::string_view section, std::string_view key, int value) {
  if (path_.empty()) return false;
  IniFile ini;
  Configure(ini);
  // A file that exists but cannot be read must not be overwritten with one key.
  if (Load(ini, path_) == LoadResult::Unreadable) return false;
  std::string text = std::to_string(value);
  if (ini.SetValue(std::string(section).c_str(), std::string(key).c_str(), text.c_str()) < 0) {
    return false;
  }
  // A per-user settings folder comes into being with the first setting written.
  CreateFolderForWriting(FolderOf(path_));
  return Save(ini, path_);
}

bool Profile::DeleteFile() {
  if (path_.empty()) return false;
  std::error_code error;
  std::filesystem::remove(PathFromUtf8(path_), error);
  return !error;
}

}  // namespace kerumina::platform
