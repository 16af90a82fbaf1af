// The settings file: a private-profile (INI) text file of integer values, read and written
// with the framework's profile-function semantics. Every call goes to the file itself, so
// sections and keys of other windows survive; a missing or unreadable file reads as
// defaults and never fails the program.
#pragma once

#include <string>
#include <string_view>

namespace kerumina::platform {

class Profile {
 public:
  void SetPath(std::string path) { path_ = std::move(path); }
  const std::string& path() const { return path_; }

  // The key's value as an integer ("12abc" reads 12, "abc" reads 0); defaultValue when the
  // section, the key or the file is missing. Sections and keys ignore case.
  int GetProfileInt(std::string_view section, std::string_view key, int defaultValue) const;
  // Writes the value as decimal text, keeping everything else in the file.
  bool WriteProfileInt(std::string_view section, std::string_view key, int value);
  // Removes the file; a file that is not there counts as removed.
  bool DeleteFile();

 private:
  std::string path_;
};

// The integer a profile value reads as: blanks, an optional sign, decimal digits; the value
// saturates at the limits of 32 bits. No digits read 0.
int ParseProfileInt(std::string_view value);

}  // namespace kerumina::platform
