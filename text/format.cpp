#include "text/format.h"

#include <cstdio>
#include <limits>
#include <vector>

#include "text/cp932.h"

namespace kerumina::text {
namespace {

// A malicious or mistaken "%999999999d" must not allocate without bound.
constexpr int kMaxField = 4096;

struct Directive {
  std::string flags;  // the printf flags as written, for snprintf
  bool leftAlign = false;
  int width = 0;
  int precision = -1;  // -1: none given
  char conversion = 0;
};

class ArgCursor {
 public:
  explicit ArgCursor(std::initializer_list<FormatArg> args) : args_(args) {}
  const FormatArg* Next() { return index_ < args_.size() ? &args_.begin()[index_++] : nullptr; }

 private:
  std::initializer_list<FormatArg> args_;
  std::size_t index_ = 0;
};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

int ClampField(std::int64_t value) {
  return static_cast<int>(value > kMaxField ? kMaxField : value);
}

int ReadNumber(std::string_view format, std::size_t& pos) {
  std::int64_t value = 0;
  while (pos < format.size() && IsDigit(format[pos])) {
    if (value <= kMaxField) value = value * 10 + (format[pos] - '0');
    ++pos;
  }
  return ClampField(value);
}

// The integer argument of a '*'; false when it is missing or not an integer.
bool StarArgument(ArgCursor& cursor, std::int64_t& value) {
  const FormatArg* arg = cursor.Next();
  if (arg == nullptr || arg->kind() != FormatArg::Kind::Integer) return false;
  value = arg->integer();
  return true;
}

void ParseWidth(std::string_view format, std::size_t& pos, ArgCursor& cursor,
                Directive& directive) {
  if (pos < format.size() && format[pos] == '*') {
    ++pos;
    std::int64_t value = 0;
    if (!StarArgument(cursor, value)) return;
    if (value < 0) {
      directive.leftAlign = true;
      directive.flags += '-';
      value = -value;
    }
    directive.width = ClampField(value);
    return;
  }
  directive.width = ReadNumber(format, pos);
}

void ParsePrecision(std::string_view format, std::size_t& pos, ArgCursor& cursor,
                    Directive& directive) {
  if (pos >= format.size() || format[pos] != '.') return;
  ++pos;
  if (pos < format.size() && format[pos] == '*') {
    ++pos;
    std::int64_t value = 0;
    // A negative precision counts as none, as in C.
    if (StarArgument(cursor, value) && value >= 0) directive.precision = ClampField(value);
    return;
  }
  directive.precision = ReadNumber(format, pos);
}

void SkipLengthModifiers(std::string_view format, std::size_t& pos) {
  static constexpr std::string_view kModifiers = "hlLqjzt";
  while (pos < format.size() && kModifiers.find(format[pos]) != std::string_view::npos) ++pos;
}

// Parses the part after '%' up to and including the conversion character. Returns false
// when the format ends before a conversion character.
bool ParseDirective(std::string_view format, std::size_t& pos, ArgCursor& cursor,
                    Directive& directive) {
  static constexpr std::string_view kFlags = "-0+ #";
  while (pos < format.size() && kFlags.find(format[pos]) != std::string_view::npos) {
    if (format[pos] == '-') directive.leftAlign = true;
    directive.flags += format[pos++];
  }
  ParseWidth(format, pos, cursor, directive);
  ParsePrecision(format, pos, cursor, directive);
  SkipLengthModifiers(format, pos);
  if (pos >= format.size()) return false;
  directive.conversion = format[pos++];
  return true;
}

std::string PrintfDirective(const Directive& directive, std::string_view length) {
  // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on "." + std::string.
  std::string out = "%";
  out += directive.flags;
  if (directive.width > 0) out += std::to_string(directive.width);
  if (directive.precision >= 0) {
    out += '.';
    out += std::to_string(directive.precision);
  }
  out += length;
  out += directive.conversion;
  return out;
}

template <typename T>
void AppendPrintf(std::string& out, const std::string& printfFormat, T value) {
  const int size = std::snprintf(nullptr, 0, printfFormat.c_str(), value);
  if (size <= 0) return;
  std::vector<char> buffer(static_cast<std::size_t>(size) + 1);
  std::snprintf(buffer.data(), buffer.size(), printfFormat.c_str(), value);
  out.append(buffer.data(), static_cast<std::size_t>(size));
}

// Unsigned conversions see a negative int as C does for a 32-bit int argument.
unsigned long long AsUnsigned(std::int64_t value) {
  if (value < 0 && value >= std::numeric_limits<std::int32_t>::min()) {
    return static_cast<std::uint32_t>(value);
  }
  return static_cast<unsigned long long>(value);
}

void AppendInteger(std::string& out, const Directive& directive, const FormatArg& arg) {
  if (arg.kind() != FormatArg::Kind::Integer) return;
  const std::string printfFormat = PrintfDirective(directive, "ll");
  if (directive.conversion == 'd' || directive.conversion == 'i') {
    AppendPrintf(out, printfFormat, static_cast<long long>(arg.integer()));
  } else {
    AppendPrintf(out, printfFormat, AsUnsigned(arg.integer()));
  }
}

void AppendReal(std::string& out, const Directive& directive, const FormatArg& arg) {
  if (arg.kind() != FormatArg::Kind::Real) return;
  AppendPrintf(out, PrintfDirective(directive, ""), arg.real());
}

// Pads UTF-8 text to the field width, measured in cp932 bytes.
void AppendPadded(std::string& out, const Directive& directive, std::string_view text) {
  const std::size_t length = Cp932Length(text);
  const std::size_t width = static_cast<std::size_t>(directive.width);
  const std::size_t padding = width > length ? width - length : 0;
  if (!directive.leftAlign) out.append(padding, ' ');
  out.append(text);
  if (directive.leftAlign) out.append(padding, ' ');
}

void AppendText(std::string& out, const Directive& directive, const FormatArg& arg) {
  if (arg.kind() != FormatArg::Kind::Text) return;
  std::string_view text = arg.text();
  if (directive.precision >= 0) {
    text = CutUtf8ToCp932Bytes(text, static_cast<std::size_t>(directive.precision));
  }
  AppendPadded(out, directive, text);
}

// An integer is a cp932 code (ASCII, half-width katakana or a double-byte code); text gives
// its first character.
std::string CharacterOf(const FormatArg& arg) {
  if (arg.kind() == FormatArg::Kind::Text) {
    const std::string_view text = arg.text();
    std::size_t end = 0;
    if (!text.empty()) NextUtf8Char(text, end);
    return std::string(text.substr(0, end));
  }
  if (arg.kind() != FormatArg::Kind::Integer) return {};
  const std::int64_t code = arg.integer();
  if (code <= 0 || code > 0xFFFF) return {};
  std::string bytes;
  if (code > 0xFF) bytes.push_back(static_cast<char>(code >> 8));
  bytes.push_back(static_cast<char>(code & 0xFF));
  return Cp932ToUtf8(bytes);
}

void AppendCharacter(std::string& out, const Directive& directive, const FormatArg& arg) {
  if (arg.kind() == FormatArg::Kind::Real) return;
  AppendPadded(out, directive, CharacterOf(arg));
}

void AppendConversion(std::string& out, const Directive& directive, const FormatArg* arg) {
  if (arg == nullptr) return;
  switch (directive.conversion) {
    case 'd':
    case 'i':
    case 'u':
    case 'o':
    case 'x':
    case 'X':
      AppendInteger(out, directive, *arg);
      break;
    case 'f':
    case 'F':
    case 'e':
    case 'E':
    case 'g':
    case 'G':
      AppendReal(out, directive, *arg);
      break;
    case 's':
      AppendText(out, directive, *arg);
      break;
    case 'c':
      AppendCharacter(out, directive, *arg);
      break;
    default:
      break;
  }
}

bool IsConversion(char c) {
  static constexpr std::string_view kConversions = "diuoxXfFeEgGsc";
  return kConversions.find(c) != std::string_view::npos;
}

}  // namespace

std::string FormatText(std::string_view format, std::initializer_list<FormatArg> args) {
  std::string out;
  out.reserve(format.size() + 16);
  ArgCursor cursor(args);
  std::size_t pos = 0;
  while (pos < format.size()) {
    const std::size_t percent = format.find('%', pos);
    if (percent == std::string_view::npos) {
      out.append(format.substr(pos));
      break;
    }
    out.append(format.substr(pos, percent - pos));
    pos = percent + 1;
    if (pos < format.size() && format[pos] == '%') {
      out += '%';
      ++pos;
      continue;
    }
    Directive directive;
    if (!ParseDirective(format, pos, cursor, directive)) {
      out.append(format.substr(percent));  // a dangling '%' stays as written
      break;
    }
    if (!IsConversion(directive.conversion)) {
      out.append(format.substr(percent, pos - percent));
      continue;
    }
    AppendConversion(out, directive, cursor.Next());
  }
  return out;
}

}  // namespace kerumina::text
