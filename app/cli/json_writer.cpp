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
  if (ch >= 0xD800 && ch <= 0xDFFF) ch = 0xFFFD;
  if (ch < 0x20) {
    out += "\\u00";
    out += HEX[ch >> 4];
    out += HEX[ch & 0xF];
  } else {
    text::AppendUtf8(out, ch);
  }
}

bool IsPlainAscii(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 0x20 && byte < 0x80 && byte != '"' && byte != '\\';
}

// Length of the well-formed UTF-8 sequence at pos (Unicode's table of well-formed byte
// sequences: no overlong form, no surrogate, nothing above U+10FFFF), or 0.
std::size_t WellFormedLength(std::string_view text, std::size_t pos) {
  const auto at = [&](std::size_t i) -> unsigned {
    return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u;
  };
  const auto cont = [](unsigned byte, unsigned lo = 0x80, unsigned hi = 0xBF) {
    return byte >= lo && byte <= hi;
  };
  const unsigned lead = at(pos);
  if (lead >= 0xC2 && lead <= 0xDF) return cont(at(pos + 1)) ? 2 : 0;
  if (lead >= 0xE0 && lead <= 0xEF) {
    const unsigned lo = lead == 0xE0 ? 0xA0 : 0x80;
    const unsigned hi = lead == 0xED ? 0x9F : 0xBF;
    return cont(at(pos + 1), lo, hi) && cont(at(pos + 2)) ? 3 : 0;
  }
  if (lead >= 0xF0 && lead <= 0xF4) {
    const unsigned lo = lead == 0xF0 ? 0x90 : 0x80;
    const unsigned hi = lead == 0xF4 ? 0x8F : 0xBF;
    return cont(at(pos + 1), lo, hi) && cont(at(pos + 2)) && cont(at(pos + 3)) ? 4 : 0;
  }
  return 0;
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
  // Runs that need no escape (well-formed UTF-8 included) are copied whole.
  std::size_t runStart = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (IsPlainAscii(text[pos])) {
      ++pos;
      continue;
    }
    if (const std::size_t length = WellFormedLength(text, pos); length != 0) {
      pos += length;
      continue;
    }
    out_.append(text, runStart, pos - runStart);
    AppendEscaped(out_, text::NextUtf8Char(text, pos));
    runStart = pos;
  }
  out_.append(text, runStart, pos - runStart);
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

JsonWriter& JsonWriter::Real(double value) {
  BeforeValue();
  char digits[32];
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
