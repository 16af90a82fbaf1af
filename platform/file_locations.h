// Where the settings file and the box file live. A copy of the program in a folder it may
// write to keeps both beside itself, as it always has (a portable copy carries its files
// along, and files already there stay in use). A copy installed where its user cannot write
// uses the per-user folders of the desktop's conventions instead, so that nothing is lost
// silently; so does any installed copy (its menu entry installed beside it), so that root
// running it does not leave files in a system folder that outlive the package, and an
// install into a prefix of one's own does not scatter them into its bin/. The decision is a
// pure function of what the process finds, so it can be tested without touching the
// machine; FileLocationsOfProcess gathers those facts.
#pragma once

#include <string>
#include <string_view>

namespace kerumina::platform {

// The program's own folder name below the per-user folders.
inline constexpr std::string_view APP_FOLDER_NAME = "kerumina";

struct LocationFacts {
  std::string executableFolder;  // with its trailing separator, "" when unknown
  bool executableFolderWritable = false;
  // PREFIX/bin/ with PREFIX/share/applications/kerumina.desktop: put there by an install.
  bool installed = false;
  // The environment as found; empty when unset.
  std::string xdgConfigHome;
  std::string xdgDataHome;
  std::string home;
};

struct FileLocations {
  // Both end in a separator; the per-user ones may not exist yet.
  std::string settingsFolder;
  std::string dataFolder;
  bool besideExecutable = true;
};

FileLocations ResolveFileLocations(const LocationFacts& facts);

// The facts of this process (the folder's writability, the environment, the account's home
// when HOME is unset) resolved. On Windows the files always stay beside the executable.
FileLocations FileLocationsOfProcess(std::string_view executableFolder);

// Creates the folder and any missing parent, new ones readable by their owner only (the
// files hold nobody else's business). True when the folder exists afterwards.
bool CreateFolderForWriting(std::string_view folder);

}  // namespace kerumina::platform
