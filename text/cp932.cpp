#include "text/cp932.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace kerumina::text {
namespace {

struct CodePair {
  std::uint16_t from;
  std::uint16_t to;
};

#include "text/cp932_table.inc"

constexpr char32_t kReplacement = 0xFFFD;

int Lookup(const CodePair* begin, const CodePair* end, std::uint32_t key) {
  if (key > 0xFFFF) return -1;
  const CodePair* it = std::lower_bound(
      begin, end, key, [](const CodePair& p, std::uint32_t k) { return p.from < k; });
  if (it == end || it->from != key) return -1;
  return it->to;
}

bool IsLeadByte(unsigned char b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

}  // namespace

char32_t NextUtf8Char(std::string_view utf8, std::size_t& pos) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(utf8[i]); };
  const unsigned char lead = byte(pos);
  std::size_t extra = 0;
  char32_t ch = 0;
  if (lead < 0x80) {
    ++pos;
    return lead;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    extra = 1;
    ch = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    extra = 2;
    ch = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    extra = 3;
    ch = lead & 0x07;
  } else {
    ++pos;
    return kReplacement;
  }
  if (pos + extra >= utf8.size()) {
    ++pos;
    return kReplacement;
  }
  for (std::size_t i = 1; i <= extra; ++i) {
    const unsigned char cont = byte(pos + i);
    if ((cont & 0xC0) != 0x80) {
      ++pos;
      return kReplacement;
    }
    ch = (ch << 6) | (cont & 0x3F);
  }
  // Overlong forms and surrogates are malformed.
  const bool overlong = (extra == 2 && ch < 0x800) || (extra == 3 && ch < 0x10000);
  if (overlong || (ch >= 0xD800 && ch <= 0xDFFF) || ch > 0x10FFFF) {
    ++pos;
    return kReplacement;
  }
  pos += extra + 1;
  return ch;
}

void AppendUtf8(std::string& out, char32_t ch) {
  if (ch < 0x80) {
    out.push_back(static_cast<char>(ch));
  } else if (ch < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (ch >> 6)));
    out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
  } else if (ch < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (ch >> 12)));
    out.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (ch >> 18)));
    out.push_back(static_cast<char>(0x80 | ((ch >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
  }
}

int Cp932CodeOf(char32_t ch) {
  return Lookup(std::begin(kUnicodeToCp932), std::end(kUnicodeToCp932), ch);
}

std::size_t Cp932CharLength(unsigned char lead) {
  return IsLeadByte(lead) ? 2 : 1;
}

Cp932Conversion Utf8ToCp932(std::string_view utf8) {
  Cp932Conversion result;
  result.bytes.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const std::size_t start = pos;
    const char32_t ch = NextUtf8Char(utf8, pos);
    const int code = ch == kReplacement ? -1 : Cp932CodeOf(ch);
    if (code < 0) {
      result.ok = false;
      result.badChar = ch;
      result.badOffset = start;
      return result;
    }
    if (code > 0xFF) result.bytes.push_back(static_cast<char>(code >> 8));
    result.bytes.push_back(static_cast<char>(code & 0xFF));
  }
  return result;
}

std::string Cp932ToUtf8(std::string_view cp932) {
  std::string out;
  out.reserve(cp932.size() * 3 / 2);
  std::size_t pos = 0;
  while (pos < cp932.size()) {
    const auto lead = static_cast<unsigned char>(cp932[pos]);
    std::uint32_t code = lead;
    std::size_t length = 1;
    if (IsLeadByte(lead) && pos + 1 < cp932.size()) {
      code = (code << 8) | static_cast<unsigned char>(cp932[pos + 1]);
      length = 2;
    }
    const int uni = Lookup(std::begin(kCp932ToUnicode), std::end(kCp932ToUnicode), code);
    AppendUtf8(out, uni < 0 ? kReplacement : static_cast<char32_t>(uni));
    pos += length;
  }
  return out;
}

std::size_t Cp932Length(std::string_view utf8) {
  std::size_t length = 0;
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const int code = Cp932CodeOf(NextUtf8Char(utf8, pos));
    length += code > 0xFF ? 2 : 1;
  }
  return length;
}

std::string_view CutCp932(std::string_view cp932, std::size_t maxBytes) {
  std::size_t pos = 0;
  while (pos < cp932.size()) {
    const std::size_t next = pos + Cp932CharLength(static_cast<unsigned char>(cp932[pos]));
    if (next > maxBytes || next > cp932.size()) break;
    pos = next;
  }
  return cp932.substr(0, pos);
}

std::string_view CutUtf8ToCp932Bytes(std::string_view utf8, std::size_t maxBytes) {
  std::size_t used = 0;
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    std::size_t next = pos;
    const int code = Cp932CodeOf(NextUtf8Char(utf8, next));
    const std::size_t width = code > 0xFF ? 2 : 1;
    if (used + width > maxBytes) break;
    used += width;
    pos = next;
  }
  return utf8.substr(0, pos);
}

}  // namespace kerumina::text
