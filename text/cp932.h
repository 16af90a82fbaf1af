// Conversion between the program's UTF-8 text and code page 932 (Shift-JIS), the encoding
// of box files, of the 31-byte name cut and of every byte width the reports measure.
// The mapping is a generated table, so the result is the same on every platform.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kerumina::text {

// Outcome of a UTF-8 -> cp932 conversion. A character without a cp932 code (or malformed
// UTF-8) is reported with its position; the text is never silently shortened.
struct Cp932Conversion {
  std::string bytes;          // the cp932 text; holds everything converted before a failure
  bool ok = true;             // false when some input had no cp932 code
  char32_t badChar = 0;       // the first character without a code (0xFFFD for bad UTF-8)
  std::size_t badOffset = 0;  // its byte offset in the UTF-8 input
};

Cp932Conversion Utf8ToCp932(std::string_view utf8);

// Bytes that are no cp932 character become U+FFFD, so a damaged box name still shows.
std::string Cp932ToUtf8(std::string_view cp932);

// Code of one Unicode character in cp932 (one byte 0x00..0xDF or a two-byte code), or -1.
int Cp932CodeOf(char32_t ch);

// Length of one cp932 character starting with this byte: 2 for a lead byte, else 1.
std::size_t Cp932CharLength(unsigned char lead);

// Length in cp932 bytes of UTF-8 text; a character without a code counts one byte.
std::size_t Cp932Length(std::string_view utf8);

// The longest prefix of cp932 text of at most maxBytes that does not end inside a
// double-byte character.
std::string_view CutCp932(std::string_view cp932, std::size_t maxBytes);

// The longest prefix of UTF-8 text whose cp932 form has at most maxBytes bytes.
std::string_view CutUtf8ToCp932Bytes(std::string_view utf8, std::size_t maxBytes);

// Decodes one UTF-8 character at pos and advances pos; malformed input yields U+FFFD and
// advances by one byte.
char32_t NextUtf8Char(std::string_view utf8, std::size_t& pos);

void AppendUtf8(std::string& out, char32_t ch);

}  // namespace kerumina::text
