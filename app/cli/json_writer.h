// Answers written straight into one line of JSON text. A search or species answer holds
// hundreds of rows; building and freeing a JSON tree for each of 10 000 lines would cost
// more than the calculation itself.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kerumina::cli {

class JsonWriter {
 public:
  JsonWriter& BeginObject();
  JsonWriter& EndObject();
  JsonWriter& BeginArray();
  JsonWriter& EndArray();
  JsonWriter& Key(std::string_view key);
  // UTF-8; a malformed sequence is written as U+FFFD so the line stays valid JSON.
  JsonWriter& String(std::string_view text);
  JsonWriter& Int(std::int64_t value);
  // The shortest text that reads back as the same double (81.2, not 81.200000000000003).
  JsonWriter& Real(double value);
  JsonWriter& Bool(bool value);
  JsonWriter& Null();
  JsonWriter& IntOrNull(const std::optional<std::int64_t>& value);

  template <typename Range>
  JsonWriter& Ints(const Range& values) {
    BeginArray();
    for (const auto value : values) Int(value);
    return EndArray();
  }
  template <typename Range>
  JsonWriter& Strings(const Range& texts) {
    BeginArray();
    for (const auto& text : texts) String(text);
    return EndArray();
  }

  const std::string& Text() const { return out_; }
  void Clear();

 private:
  void BeforeValue();

  std::string out_;
  bool needComma_ = false;
};

}  // namespace kerumina::cli
