// printf-style formatting for the plain-text reports. Field widths of %s count cp932 bytes,
// because the report columns line up in the byte widths of the original Shift-JIS text.
#pragma once

#include <concepts>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace kerumina::text {

// One argument of FormatText: an integer, a floating-point number or UTF-8 text.
class FormatArg {
 public:
  enum class Kind { Integer, Real, Text };

  template <std::integral T>
  FormatArg(T value) : kind_(Kind::Integer), integer_(static_cast<std::int64_t>(value)) {}
  FormatArg(double value) : kind_(Kind::Real), real_(value) {}
  FormatArg(std::string_view value) : kind_(Kind::Text), text_(value) {}
  FormatArg(const char* value) : kind_(Kind::Text), text_(value) {}
  FormatArg(const std::string& value) : kind_(Kind::Text), text_(value) {}

  Kind kind() const { return kind_; }
  std::int64_t integer() const { return integer_; }
  double real() const { return real_; }
  std::string_view text() const { return text_; }

 private:
  Kind kind_;
  std::int64_t integer_ = 0;
  double real_ = 0.0;
  std::string_view text_;
};

// Conversions: %d %i %u %x %X %c %s %f %% (and %o %e %g) with the flags '-', '0', '+', ' ',
// a width and a precision (also '*'). %s pads and truncates (precision) by cp932 bytes, never
// splitting a character. A missing or mismatched argument formats as nothing rather than
// reading past the list.
std::string FormatText(std::string_view format, std::initializer_list<FormatArg> args);

template <typename... Args>
std::string Format(std::string_view format, const Args&... args) {
  return FormatText(format, {FormatArg(args)...});
}

}  // namespace kerumina::text
