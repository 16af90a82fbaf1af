#include "text/cp932.h"

#include <gtest/gtest.h>

#include <string>

namespace kerumina::text {
namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out.push_back(static_cast<char>(v));
  return out;
}

bool IsLead(int b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Every double-byte code that decodes to a character whose own code is that code must come
// back unchanged; the few duplicates (NEC/IBM rows) must encode to the one canonical code.
TEST(Cp932Codec, EveryDoubleByteCodeRoundTrips) {
  int decoded = 0;
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    if (!IsLead(lead)) continue;
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      if (trail == 0x7F) continue;
      const std::string code = Bytes({lead, trail});
      const std::string utf8 = Cp932ToUtf8(code);
      if (utf8 == "\uFFFD") continue;
      ++decoded;
      const Cp932Conversion back = Utf8ToCp932(utf8);
      ASSERT_TRUE(back.ok) << std::hex << lead << trail;
      ASSERT_EQ(back.bytes.size(), 2u);
      const Cp932Conversion again = Utf8ToCp932(Cp932ToUtf8(back.bytes));
      EXPECT_EQ(again.bytes, back.bytes) << std::hex << lead << trail;
      size_t pos = 0;
      EXPECT_EQ(Cp932CodeOf(NextUtf8Char(utf8, pos)),
                (back.bytes[0] & 0xFF) << 8 | (back.bytes[1] & 0xFF));
    }
  }
  // JIS X 0208, the NEC and IBM extensions and the user-defined (private-use) rows.
  EXPECT_EQ(decoded, 9604);
}

TEST(Cp932Codec, JapaneseTextRoundTripsExactly) {
  const std::string samples[] = {"フシギダネ",
                                 "ニドラン♀",
                                 "ニドラン♂",
                                 "１０まんボルト",
                                 "ポリゴン２",
                                 "ミノマダム（すなちのミノ）",
                                 "ヴォルミル個体値Ｖ判定",
                                 "なし／その他",
                                 "「てんきや」により",
                                 "― Em 教え技 ―",
                                 "漢字ｶﾀｶﾅ混在 abc ~\\"};
  for (const std::string& text : samples) {
    const Cp932Conversion sjis = Utf8ToCp932(text);
    ASSERT_TRUE(sjis.ok) << text;
    EXPECT_EQ(Cp932ToUtf8(sjis.bytes), text);
  }
}

struct Mapping {
  const char* utf8;
  std::string cp932;
};

TEST(Cp932Codec, SpecialMappings) {
  // clang-format off
  const Mapping cases[] = {
      {"－", Bytes({0x81, 0x7C})},  // U+FF0D, the table's dash
      {"～", Bytes({0x81, 0x60})},  // U+FF5E
      {"ー", Bytes({0x81, 0x5B})},
      {"―", Bytes({0x81, 0x5C})},  // U+2015
      {"＼", Bytes({0x81, 0x5F})},
      {"ｱ", Bytes({0xB1})},
      {"ﾟ", Bytes({0xDF})},
      {"｡", Bytes({0xA1})},
      {"\\", Bytes({0x5C})},
      {"~", Bytes({0x7E})},
      {"①", Bytes({0x87, 0x40})},
      {"髙", Bytes({0xEE, 0xE0})},  // the NEC-selected row, as the codec chooses
  };
  // clang-format on
  for (const Mapping& m : cases) {
    const Cp932Conversion sjis = Utf8ToCp932(m.utf8);
    ASSERT_TRUE(sjis.ok) << m.utf8;
    EXPECT_EQ(sjis.bytes, m.cp932) << m.utf8;
    EXPECT_EQ(Cp932ToUtf8(m.cp932), m.utf8);
  }
  EXPECT_EQ(Cp932ToUtf8(Bytes({0xFB, 0xFC})), "髙");  // the IBM row decodes as well
}

// Other systems' input methods type the JIS forms of these; they encode, and decode as the
// code page's own characters.
TEST(Cp932Codec, JisFormsEncodeToTheSameCodes) {
  const Mapping cases[] = {
      {"〜", Bytes({0x81, 0x60})},  // U+301C
      {"−", Bytes({0x81, 0x7C})},   // U+2212
      {"‖", Bytes({0x81, 0x61})},   // U+2016
      {"¢", Bytes({0x81, 0x91})},  {"£", Bytes({0x81, 0x92})}, {"¬", Bytes({0x81, 0xCA})},
  };
  for (const Mapping& m : cases) {
    const Cp932Conversion sjis = Utf8ToCp932(m.utf8);
    ASSERT_TRUE(sjis.ok) << m.utf8;
    EXPECT_EQ(sjis.bytes, m.cp932) << m.utf8;
  }
  EXPECT_EQ(Cp932ToUtf8(Bytes({0x81, 0x60})), "～");
}

struct BadInput {
  std::string utf8;
  char32_t badChar;
  std::size_t badOffset;
  std::string convertedBefore;
};

TEST(Cp932Codec, ReportsTheFirstCharacterWithoutCode) {
  const BadInput cases[] = {
      {"ab\U0001F600c", 0x1F600, 2, "ab"},
      {"ア한", 0xD55C, 3, Bytes({0x83, 0x41})},
      {"ßa", 0xDF, 0, ""},
      {"¥", 0xA5, 0, ""},
      {"x\xFFy", 0xFFFD, 1, "x"},         // not UTF-8 at all
      {"x\xE3\x82", 0xFFFD, 1, "x"},      // cut short
      {"\xC0\xAF", 0xFFFD, 0, ""},        // overlong '/'
      {"a\xED\xA0\x80", 0xFFFD, 1, "a"},  // surrogate
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
}

TEST(Cp932Length, CountsBytesOfTheCp932Form) {
  EXPECT_EQ(Cp932Length(""), 0u);
  EXPECT_EQ(Cp932Length("abc"), 3u);
  EXPECT_EQ(Cp932Length("ノーマル"), 8u);
  EXPECT_EQ(Cp932Length("ｶﾀｶﾅ"), 4u);
  EXPECT_EQ(Cp932Length("１０まんボルト"), 14u);
  EXPECT_EQ(Cp932Length("a\U0001F600"), 2u);  // no code: one byte
}

TEST(Cp932Cut, CutCp932NeverEndsInsideADoubleByteCharacter) {
  const std::string sjis = Utf8ToCp932("aアイ").bytes;  // 1 + 2 + 2 bytes
  EXPECT_EQ(CutCp932(sjis, 0), "");
  EXPECT_EQ(CutCp932(sjis, 1), "a");
  EXPECT_EQ(CutCp932(sjis, 2), "a");
  EXPECT_EQ(CutCp932(sjis, 3), sjis.substr(0, 3));
  EXPECT_EQ(CutCp932(sjis, 4), sjis.substr(0, 3));
  EXPECT_EQ(CutCp932(sjis, 5), sjis);
  EXPECT_EQ(CutCp932(sjis, 99), sjis);
  // A lead byte with its trail byte missing is dropped.
  EXPECT_EQ(CutCp932(Bytes({0x41, 0x83}), 5), "A");
}

TEST(Cp932Cut, NameCutAt31Bytes) {
  // 16 full-width characters are 32 bytes: the cut keeps 15 (30 bytes), never 31.
  const std::string sixteen = "アイウエオカキクケコサシスセソタ";
  const std::string_view cut = CutUtf8ToCp932Bytes(sixteen, 31);
  EXPECT_EQ(cut, "アイウエオカキクケコサシスセソ");
  EXPECT_EQ(Cp932Length(cut), 30u);
  EXPECT_EQ(CutCp932(Utf8ToCp932(sixteen).bytes, 31).size(), 30u);

  // One ASCII byte first: 31 bytes fit exactly.
  const std::string mixed = "a" + sixteen;
  EXPECT_EQ(Cp932Length(CutUtf8ToCp932Bytes(mixed, 31)), 31u);

  const std::string halfWidth(40, 'x');
  EXPECT_EQ(CutUtf8ToCp932Bytes(halfWidth, 31).size(), 31u);
  EXPECT_EQ(CutUtf8ToCp932Bytes("ｱｲｳ", 2), "ｱｲ");
  EXPECT_EQ(CutUtf8ToCp932Bytes("short", 31), "short");
}

}  // namespace
}  // namespace kerumina::text
