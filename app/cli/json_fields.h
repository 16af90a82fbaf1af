// Reading one JSON input object field by field: every check of the command line's input
// lives here, so each command's mapping reads like its field list and every message names
// the field it is about.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

namespace kerumina::cli {

using Json = nlohmann::ordered_json;

// A bad input value; the message names the field ("attacker.iv[2]": ...).
class InputError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads fields of one object. Fields never asked for are an error at Finish, so a
// misspelt optional field is reported rather than silently left at its default.
class FieldReader {
 public:
  // path: how the object itself is named in messages ("" for the input line).
  explicit FieldReader(const Json& object, std::string path = "");
  // It keeps a reference: a temporary would dangle.
  explicit FieldReader(Json&& object, std::string path = "") = delete;

  std::int32_t Int(std::string_view key, std::int64_t lo, std::int64_t hi);
  std::int32_t IntOr(std::string_view key, std::int64_t lo, std::int64_t hi, std::int32_t fallback);
  bool BoolOr(std::string_view key, bool fallback);
  std::string String(std::string_view key);
  // One of the given words; the message lists them.
  std::string Word(std::string_view key, std::initializer_list<std::string_view> words);
  // An array of exactly `size` integers, each in lo..hi.
  std::vector<std::int32_t> Ints(std::string_view key, std::size_t size, std::int64_t lo,
                                 std::int64_t hi);
  // A MoveId or 65535 (no move).
  std::int32_t MoveSlot(std::string_view key);

  // Whether the field is there, null included.
  bool Present(std::string_view key);
  // The value, or nullptr when the field is absent or null.
  const Json* Optional(std::string_view key);
  const Json& Required(std::string_view key);
  // A nested object's reader; its messages carry this object's path.
  FieldReader Object(std::string_view key);

  // The name a field has in messages.
  std::string PathOf(std::string_view key) const;

  // Throws for the first field that no read asked for.
  void Finish() const;

 private:
  const Json& object_;
  std::string path_;
  std::set<std::string, std::less<>> read_;
};

// `"path": problem`.
[[noreturn]] void Fail(const std::string& path, std::string_view problem);

// Integer element checks shared by the readers and by arrays the commands walk themselves.
std::int32_t IntValue(const Json& value, const std::string& path, std::int64_t lo, std::int64_t hi);
std::int32_t MoveSlotValue(const Json& value, const std::string& path);
const Json& ArrayValue(const Json& value, const std::string& path, std::size_t minSize,
                       std::size_t maxSize, std::string_view what);

}  // namespace kerumina::cli
