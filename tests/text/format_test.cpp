#include "text/format.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>

namespace kerumina::text {
namespace {

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
      {Format("%s %s", "a", "b", "c"), "a b"},
      {Format("50%-"), "50%-"},
      {Format("%y%d", 3), "%y3"},
      {Format("%n", 3), "%n"},
  };
  for (const Formatted& c : cases) EXPECT_EQ(c.got, c.expected);
  EXPECT_LE(Format("%999999999d", 1).size(), 4096u);
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

}  // namespace
}  // namespace kerumina::text
