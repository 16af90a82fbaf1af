// The text layer: the cp932 codec, printf-style formatting counted in cp932 bytes, and the
// pickers' sort order.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "tests/case_file.h"
#include "text/cp932.h"
#include "text/format.h"
#include "text/sort_order.h"

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
  // The text, the character without code, its offset and what was converted before it.
  const std::tuple<std::string, char32_t, std::size_t, std::string> cases[] = {
      {"ab\U0001F600c", 0x1F600, 2, "ab"},
      {"ア한", 0xD55C, 3, Bytes({0x83, 0x41})},
      {"¥", 0xA5, 0, ""},
      {"x\xFFy", 0xFFFD, 1, "x"},         // not UTF-8 at all
      {"x\xE3\x82", 0xFFFD, 1, "x"},      // cut short
      {"\xC0\xAF", 0xFFFD, 0, ""},        // overlong '/'
      {"a\xED\xA0\x80", 0xFFFD, 1, "a"},  // surrogates
      {"a\xED\xBF\xBF", 0xFFFD, 1, "a"},
  };
  for (const auto& c : cases) {
    const Cp932Conversion sjis = Utf8ToCp932(std::get<0>(c));
    EXPECT_EQ(std::tuple(std::get<0>(c), sjis.badChar, sjis.badOffset, sjis.bytes), c);
    EXPECT_FALSE(sjis.ok) << std::get<0>(c);
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

struct Formatted {
  std::string got;
  const char* expected;
};

// Text pads and cuts by cp932 bytes.
TEST(FormatText, TextAndBadDirectives) {
  const Formatted cases[] = {
      {Format("%-10s|", "ノーマル"), "ノーマル  |"},  // 8 bytes + 2 blanks
      {Format("%10s|", "ノーマル"), "  ノーマル|"},
      {Format("%-8s|", "ｶﾀｶﾅ"), "ｶﾀｶﾅ    |"},                  // half-width: one byte each
      {Format("%-8s|", "かえんほうしゃ"), "かえんほうしゃ|"},  // wider than the field
      {Format("%*s|", -7, "あく"), "あく   |"},                // negative '*' width aligns left
      {Format("%05s|", "ab"), "   ab|"},
      {Format("%-3d%-10s%-8s|", 1, "ノーマル", "でんき"), "1  ノーマル  でんき  |"},
      {Format("%.3s|", "ノーマル"), "ノ|"},  // precision never splits a character
      {Format("%.0s|", "ノーマル"), "|"},
      {Format("%.4s|", "ノーマル"), "ノー|"},
      {Format("%-6.5s|", "aアイウ"), "aアイ |"},
      {Format("%.*s|", -1, "ノーマル"), "ノーマル|"},  // negative: no precision
      {Format("[%c][%c][%-3c]", 0xB1, 0x82A0, 0x82A0), "[ｱ][あ][あ ]"},
      {Format("[%c]", "ノーマル"), "[ノ]"},
      {Format("[%c][%c]", 0, 1), "[][\x01]"},  // NUL is no character
      {Format("%3.1f％ %d～%d 100%%", 12.5, 0, 1), "12.5％ 0～1 100%"},
      // A missing or mismatched argument is left out and a malformed directive stays as
      // written; neither may ever read an argument wrongly or write through one.
      {Format("%d-%d", 1), "1-"},
      {Format("[%s][%d][%d]", 5, "text", 1.5), "[][][]"},
      {Format("[%f]", 2), "[]"},
      {Format("[%*d]", "x", 3), "[3]"},  // a bad '*' means no width
      {Format("[%*d]"), "[]"},
      {Format("%s %s", "a", "b", "c"), "a b"},
      {Format("50%-"), "50%-"},
      {Format("%y%d", 3), "%y3"},
      {Format("%n", 3), "%n"},
  };
  for (const Formatted& c : cases) EXPECT_EQ(c.got, c.expected);
  EXPECT_EQ(Format("%999999999d", 1).size(), 4096u);  // widths stop at 4096
  EXPECT_LE(Format("%.999999999f", 1.0).size(), 8192u);
}

// Numbers print exactly as the C library prints them (with "ll" for the 64-bit argument).
TEST(FormatText, NumbersMatchPrintf) {
  const std::pair<const char*, long long> ints[] = {
      {"%d", -42},  {"%-3d", 7},   {"%03d", 7},    {"%+d", 5},           {"% d", 5},
      {"%5.3d", 4}, {"%X", 48879}, {"%-3d", 1234}, {"%u", 3000000000LL}, {"%d", -9000000000LL}};
  char expected[64];
  for (const auto& [format, value] : ints) {
    std::string cFormat = format;
    cFormat.insert(cFormat.size() - 1, "ll");
    std::snprintf(expected, sizeof expected, cFormat.c_str(), value);
    EXPECT_EQ(FormatText(format, {value}), expected) << format;
  }
  const std::pair<const char*, double> reals[] = {{"%3.1f", 100.0}, {"%1.2f", 0.25},
                                                  {"%08.3f", -2.5}, {"%+.0f", 2.5},
                                                  {"%-7.2f", 1.0},  {"%f", 3.14159}};
  for (const auto& [format, value] : reals) {
    std::snprintf(expected, sizeof expected, format, value);
    EXPECT_EQ(Format(format, value), expected) << format;
  }
}

TEST(SortOrder, PairsKeepTheirOrderEitherWayRound) {
  for (const test::Case& c : test::ReadCases("sort_pairs.tsv", 4)) {
    const auto compare = c[0] == "cp932" ? CompareCp932Codes : CompareJapanese;
    EXPECT_LT(compare(c[1], c[2]), 0) << c[0] << ": " << c[1] << " < " << c[2];
    EXPECT_GT(compare(c[2], c[1]), 0) << c[0] << ": " << c[2] << " > " << c[1];
  }
  EXPECT_LT(CompareJapanese("ん", "\u0080"), 0);  // a control character is no symbol
  EXPECT_EQ(CompareJapanese("ノーマル", "ノーマル"), 0);
  EXPECT_EQ(CompareCp932Codes("ロトム", "ロトム"), 0);
}

// Malformed UTF-8 and characters without a cp932 code still get a strict, total order.
TEST(SortOrderJapanese, OddTextIsOrderedConsistently) {
  const std::vector<std::string> odd = {"a\xFF", "a\xFE", "a\U0001F600", "a한",
                                        "a",     "aー",   "ー",          "\xEF\xBE\x9E"};
  for (const std::string& x : odd) {
    EXPECT_EQ(CompareJapanese(x, x), 0);
    for (const std::string& y : odd) {
      if (x == y) continue;
      EXPECT_NE(CompareJapanese(x, y), 0) << x << " " << y;
      EXPECT_EQ(CompareJapanese(x, y), -CompareJapanese(y, x)) << x << " " << y;
    }
  }
}

}  // namespace
}  // namespace kerumina::text
