#include "app/cli/json_writer.h"

#include <charconv>

#include "text/cp932.h"

namespace kerumina::cli {

namespace {

void AppendEscaped(std::string& out, char32_t ch) {
  static constexpr char HEX[] = "0123456789abcdef";
  switch (ch) {
    case '"':
      out += "\\\"";
      return;
    case '\\':
      out += "\\\\";
      return;
    case '\n':
      out += "\\n";
      return;
    case '\r':
      out += "\\r";
      return;
    case '\t':
      out += "\\t";
      return;
    default:
      break;
  }
  if (ch < 0x20) {
    out += "\\u00";
    out += HEX[ch >> 4];
    out += HEX[ch & 0xF];
  } else {
    text::AppendUtf8(out, ch);
  }
}

}  // namespace

void JsonWriter::BeforeValue() {
  if (needComma_) out_ += ',';
  needComma_ = true;
}

JsonWriter& JsonWriter::BeginObject() {
  BeforeValue();
  out_ += '{';
  needComma_ = false;
  return *this;
}

JsonWriter& JsonWriter::EndObject() {
  out_ += '}';
  needComma_ = true;
  return *this;
}

JsonWriter& JsonWriter::BeginArray() {
  BeforeValue();
  out_ += '[';
  needComma_ = false;
  return *this;
}

JsonWriter& JsonWriter::EndArray() {
  out_ += ']';
  needComma_ = true;
  return *this;
}

JsonWriter& JsonWriter::Key(std::string_view key) {
  String(key);
  out_ += ':';
  needComma_ = false;
  return *this;
}

JsonWriter& JsonWriter::String(std::string_view text) {
  BeforeValue();
  out_ += '"';
  std::size_t pos = 0;
  while (pos < text.size()) {
    const unsigned char byte = static_cast<unsigned char>(text[pos]);
    // Plain ASCII goes through as it is; everything else is decoded to catch bad UTF-8.
    if (byte >= 0x20 && byte < 0x80 && byte != '"' && byte != '\\') {
      out_ += static_cast<char>(byte);
      ++pos;
    } else {
      AppendEscaped(out_, text::NextUtf8Char(text, pos));
    }
  }
  out_ += '"';
  return *this;
}

JsonWriter& JsonWriter::Int(std::int64_t value) {
  BeforeValue();
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  out_.append(digits, result.ptr);
  return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
  BeforeValue();
  out_ += value ? "true" : "false";
  return *this;
}

JsonWriter& JsonWriter::Null() {
  BeforeValue();
  out_ += "null";
  return *this;
}

JsonWriter& JsonWriter::IntOrNull(const std::optional<std::int64_t>& value) {
  return value ? Int(*value) : Null();
}

void JsonWriter::Clear() {
  out_.clear();
  needComma_ = false;
}

}  // namespace kerumina::cli
