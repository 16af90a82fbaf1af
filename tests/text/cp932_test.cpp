#include "text/cp932.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/case_file.h"

namespace kerumina::text {
namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out.push_back(static_cast<char>(v));
  return out;
}

TEST(Cp932Codec, SpecialMappings) {
  for (const test::Case& c : test::ReadCases("cp932_mappings.tsv", 3)) {
    std::string cp932;
    for (std::size_t i = 0; i < c[1].size(); i += 2) cp932 += std::stoi(c[1].substr(i, 2), 0, 16);
    EXPECT_TRUE(c[0].empty() || Utf8ToCp932(c[0]).bytes == cp932) << c[0];
    EXPECT_EQ(Cp932ToUtf8(cp932), c[2]) << c[1];
  }
}

TEST(Cp932Codec, ReportsTheFirstCharacterWithoutCode) {
  struct BadInput {
    std::string utf8;
    char32_t badChar;
    std::size_t badOffset;
    std::string convertedBefore;
  };
  const BadInput cases[] = {
      {"ab\U0001F600c", 0x1F600, 2, "ab"},
      {"ア한", 0xD55C, 3, Bytes({0x83, 0x41})},
      {"¥", 0xA5, 0, ""},
      {"x\xFFy", 0xFFFD, 1, "x"},         // not UTF-8 at all
      {"x\xE3\x82", 0xFFFD, 1, "x"},      // cut short
      {"\xC0\xAF", 0xFFFD, 0, ""},        // overlong '/'
      {"a\xED\xA0\x80", 0xFFFD, 1, "a"},  // surrogates
      {"a\xED\xBF\xBF", 0xFFFD, 1, "a"},
  };
  for (const BadInput& c : cases) {
    const Cp932Conversion sjis = Utf8ToCp932(c.utf8);
    EXPECT_FALSE(sjis.ok) << c.utf8;
    EXPECT_EQ(sjis.badChar, c.badChar) << c.utf8;
    EXPECT_EQ(sjis.badOffset, c.badOffset) << c.utf8;
    EXPECT_EQ(sjis.bytes, c.convertedBefore) << c.utf8;
  }
}

TEST(Cp932Codec, UndefinedBytesDecodeAsReplacement) {
  EXPECT_EQ(Cp932ToUtf8(Bytes({0x41, 0x80, 0x42})), "A\uFFFDB");
  EXPECT_EQ(Cp932ToUtf8(Bytes({0x41, 0x82})), "A\uFFFD");  // lead byte at the end
  EXPECT_EQ(Cp932ToUtf8(Bytes({0xFD, 0xA0, 0xFF})), "\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(Cp932ToUtf8(Bytes({0x85, 0x40})), "\uFFFD");  // empty row
  // A view that ends after a lead byte never reads the byte behind it.
  const std::string kana = Bytes({0x41, 0x82, 0xA0});
  EXPECT_EQ(Cp932ToUtf8(std::string_view(kana).substr(0, 2)), "A\uFFFD");
}

// The first and last code point of each UTF-8 length go through and back.
TEST(Utf8, EncodesAndDecodesEachLengthToItsEnds) {
  const std::pair<char32_t, std::size_t> ends[] = {
      {0x7F, 1}, {0x80, 2}, {0x7FF, 2}, {0x800, 3}, {0xFFFF, 3}, {0x10000, 4}, {0x10FFFF, 4}};
  for (const auto& [ch, length] : ends) {
    std::string utf8;
    AppendUtf8(utf8, ch);
    std::size_t pos = 0;
    EXPECT_EQ(utf8.size(), length) << std::hex << std::uint32_t{ch};
    EXPECT_EQ(NextUtf8Char(utf8, pos), ch) << std::hex << std::uint32_t{ch};
    EXPECT_EQ(pos, length);
  }
}

TEST(Cp932Cut, NeverEndsInsideADoubleByteCharacter) {
  const std::string sjis = Utf8ToCp932("aアイ").bytes;  // 1 + 2 + 2 bytes
  const std::size_t kept[] = {0, 1, 1, 3, 3, 5};        // by limit 0..5
  for (std::size_t limit = 0; limit <= 5; ++limit) {
    EXPECT_EQ(CutCp932(sjis, limit), sjis.substr(0, kept[limit])) << limit;
  }
  EXPECT_EQ(CutCp932(sjis, 99), sjis);
  EXPECT_EQ(CutCp932(Bytes({0x41, 0x83}), 5), "A");  // a lead byte without its trail
  EXPECT_EQ(CutUtf8ToCp932Bytes("ｱｲｳ", 2), "ｱｲ");
}

}  // namespace
}  // namespace kerumina::text
