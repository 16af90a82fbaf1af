#include "text/format.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace kerumina::text {
namespace {

TEST(FormatText, PadsTextByCp932Bytes) {
  EXPECT_EQ(Format("%-10s|", "ノーマル"), "ノーマル  |");  // 8 bytes + 2 blanks
  EXPECT_EQ(Format("%10s|", "ノーマル"), "  ノーマル|");
  EXPECT_EQ(Format("%-8s|", "ｶﾀｶﾅ"), "ｶﾀｶﾅ    |");                  // half-width: one byte each
  EXPECT_EQ(Format("%-8s|", "かえんほうしゃ"), "かえんほうしゃ|");  // wider than the field
  EXPECT_EQ(Format("%-16s|", "abc"), "abc             |");
  EXPECT_EQ(Format(" %s", "フシギダネ"), " フシギダネ");
  EXPECT_EQ(Format("%-*s|", 6, "でんき"), "でんき|");
  EXPECT_EQ(Format("%*s|", -7, "あく"), "あく   |");  // negative '*' width aligns left
  EXPECT_EQ(Format("%05s|", "ab"), "   ab|");
}

TEST(FormatText, PrecisionTruncatesWithoutSplittingACharacter) {
  EXPECT_EQ(Format("%.3s|", "ノーマル"), "ノ|");
  EXPECT_EQ(Format("%.4s|", "ノーマル"), "ノー|");
  EXPECT_EQ(Format("%.0s|", "ノーマル"), "|");
  EXPECT_EQ(Format("%-6.5s|", "aアイウ"), "aアイ |");
  EXPECT_EQ(Format("%.*s|", 3, "ｱｲｳｴｵ"), "ｱｲｳ|");
  EXPECT_EQ(Format("%.*s|", -1, "ノーマル"), "ノーマル|");  // negative: no precision
}

// Numbers must print exactly as the C library does; snprintf itself is the reference.
TEST(FormatText, NumbersMatchPrintf) {
  struct IntCase {
    const char* format;
    const char* cFormat;
    long long value;
  };
  const IntCase ints[] = {
      {"%d", "%lld", 0},        {"%d", "%lld", -42},          {"%3d", "%3lld", 7},
      {"%-3d", "%-3lld", 7},    {"%03d", "%03lld", 7},        {"%+d", "%+lld", 5},
      {"% d", "% lld", 5},      {"%i", "%lli", 12},           {"%5.3d", "%5.3lld", 4},
      {"%x", "%llx", 255},      {"%X", "%llX", 48879},        {"%04x", "%04llx", 26},
      {"%-3d", "%-3lld", 1234}, {"%ld", "%lld", 123456789},   {"%lld", "%lld", -9000000000LL},
      {"%hd", "%lld", 77},      {"%u", "%llu", 3000000000LL},
  };
  for (const IntCase& c : ints) {
    char expected[64];
    std::snprintf(expected, sizeof expected, c.cFormat, c.value);
    EXPECT_EQ(FormatText(c.format, {c.value}), expected) << c.format;
  }

  struct RealCase {
    const char* format;
    double value;
  };
  const RealCase reals[] = {
      {"%3.1f", 12.5}, {"%3.1f", 0.0},  {"%3.1f", 100.0}, {"%1.2f", 0.25}, {"%1.2f", 1.5},
      {"%1.1f", 1.2},  {"%f", 3.14159}, {"%08.3f", -2.5}, {"%+.0f", 2.5},  {"%-7.2f", 1.0},
  };
  for (const RealCase& c : reals) {
    char expected[64];
    std::snprintf(expected, sizeof expected, c.format, c.value);
    EXPECT_EQ(Format(c.format, c.value), expected) << c.format;
  }
}

TEST(FormatText, ReportFormats) {
  EXPECT_EQ(Format("%3.1f％", 100 * 0.5), "50.0％");
  EXPECT_EQ(Format("%3.1f％", 25 * 0.5), "12.5％");
  EXPECT_EQ(Format("%d歩", 5120), "5120歩");
  EXPECT_EQ(Format("%-3d%-10s%-8s|", 1, "ノーマル", "でんき"), "1  ノーマル  でんき  |");
  EXPECT_EQ(Format("%d ～ %d", 12, 15), "12 ～ 15");
  EXPECT_EQ(Format(" %x", 0x1F), " 1f");
  EXPECT_EQ(Format("相性補正： *%1.2f\r\n", 2.0), "相性補正： *2.00\r\n");
  EXPECT_EQ(Format("%d：%d～%d", 160, 0, 1), "160：0～1");
  EXPECT_EQ(Format("100%%"), "100%");
}

TEST(FormatText, CharacterConversion) {
  EXPECT_EQ(Format("[%c]", 'A'), "[A]");
  EXPECT_EQ(Format("[%c]", 0xB1), "[ｱ]");
  EXPECT_EQ(Format("[%c]", 0x82A0), "[あ]");
  EXPECT_EQ(Format("[%3c]", 'x'), "[  x]");
  EXPECT_EQ(Format("[%-3c]", 0x82A0), "[あ ]");
  EXPECT_EQ(Format("[%c]", "ノーマル"), "[ノ]");
}

// Arguments that do not fit a conversion are left out; they must never be read wrongly.
TEST(FormatText, MissingOrMismatchedArgumentsFormatAsNothing) {
  EXPECT_EQ(Format("a%db"), "ab");
  EXPECT_EQ(Format("%d-%d", 1), "1-");
  EXPECT_EQ(Format("[%s]", 5), "[]");
  EXPECT_EQ(Format("[%d]", "text"), "[]");
  EXPECT_EQ(Format("[%d]", 1.5), "[]");
  EXPECT_EQ(Format("[%f]", 2), "[]");
  EXPECT_EQ(Format("[%-5s]"), "[]");
  EXPECT_EQ(Format("[%*d]", "x", 3), "[3]");  // a bad '*' means no width
  EXPECT_EQ(Format("%s %s", "a", "b", "c"), "a b");
}

TEST(FormatText, MalformedDirectivesStayAsWritten) {
  EXPECT_EQ(Format("50%"), "50%");
  EXPECT_EQ(Format("50%-"), "50%-");
  EXPECT_EQ(Format("%y%d", 3), "%y3");
  EXPECT_EQ(Format("%n", 3), "%n");  // never writes through an argument
}

TEST(FormatText, HugeWidthIsBounded) {
  EXPECT_LE(Format("%999999999d", 1).size(), 4096u);
  EXPECT_LE(Format("%.999999999f", 1.0).size(), 8192u);
}

}  // namespace
}  // namespace kerumina::text
