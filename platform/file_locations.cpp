#include "platform/file_locations.h"

#include "platform/process.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#ifndef _WIN32
#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>
#endif

namespace kerumina::platform {

namespace fs = std::filesystem;

namespace {

std::string WithSeparator(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

// The desktop's conventions ignore relative values: they would depend on where the
// program happened to be started.
bool IsAbsolute(std::string_view path) {
  return !path.empty() && path.front() == '/';
}

// BASE/kerumina/, with BASE from the variable or its default below the home folder; ""
// when neither gives an absolute path.
std::string PerUserFolder(const std::string& variable, const std::string& home,
                          std::string_view defaultBelowHome) {
  std::string base;
  if (IsAbsolute(variable)) {
    base = WithSeparator(variable);
  } else if (IsAbsolute(home)) {
    base = WithSeparator(home) + std::string(defaultBelowHome);
  } else {
    return "";
  }
  return base + std::string(APP_FOLDER_NAME) + "/";
}

#ifndef _WIN32
std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

// A desktop session always sets HOME; a service or a stripped environment may not.
std::string HomeOfAccount() {
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(::geteuid(), &entry, buffer.data(), buffer.size(), &found) != 0 ||
      found == nullptr || found->pw_dir == nullptr) {
    return "";
  }
  return found->pw_dir;
}
#endif

}  // namespace

FileLocations ResolveFileLocations(const LocationFacts& facts) {
  const std::string& beside = facts.executableFolder;
  if (facts.executableFolderWritable && !facts.installed) return {beside, beside, true};
  std::string settings = PerUserFolder(facts.xdgConfigHome, facts.home, ".config/");
  std::string data = PerUserFolder(facts.xdgDataHome, facts.home, ".local/share/");
  // Without any home the executable's folder is all there is; writing there fails and is
  // reported, rather than going somewhere nobody would look.
  if (settings.empty()) settings = beside;
  if (data.empty()) data = beside;
  return {settings, data, settings == beside && data == beside};
}

FileLocations FileLocationsOfProcess(std::string_view executableFolder) {
  std::string folder(executableFolder);
#ifdef _WIN32
  return {folder, folder, true};
#else
  LocationFacts facts;
  facts.executableFolder = folder;
  // The effective ids decide whether a file can be created there, so ask with those.
  facts.executableFolderWritable =
      !folder.empty() && ::faccessat(AT_FDCWD, folder.c_str(), W_OK, AT_EACCESS) == 0;
  std::error_code error;
  facts.installed = !folder.empty() && fs::exists(folder + "../share/applications/" +
                                                      std::string(APP_FOLDER_NAME) + ".desktop",
                                                  error);
  facts.xdgConfigHome = Environment("XDG_CONFIG_HOME");
  facts.xdgDataHome = Environment("XDG_DATA_HOME");
  facts.home = Environment("HOME");
  if (facts.home.empty()) facts.home = HomeOfAccount();
  return ResolveFileLocations(facts);
#endif
}

bool CreateFolderForWriting(std::string_view folder) {
  if (folder.empty()) return false;
  fs::path path = PathFromUtf8(folder).lexically_normal();
  if (!path.has_filename()) path = path.parent_path();
  std::error_code error;
  std::vector<fs::path> missing;
  for (fs::path at = path; !at.empty() && !fs::exists(at, error); at = at.parent_path()) {
    if (error || at == at.parent_path()) break;
    missing.push_back(at);
  }
  for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
    if (!fs::create_directory(*it, error) && error) return false;
    fs::permissions(*it, fs::perms::owner_all, fs::perm_options::replace, error);
  }
  return fs::is_directory(path, error);
}

}  // namespace kerumina::platform
