#include "text/sort_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace kerumina::text {
namespace {

// Each pair is in order; the comment names the rule the pair pins. (The ability table's own
// order is checked with the data tables.)
struct Pair {
  const char* first;
  const char* second;
};

TEST(SortOrderJapanese, Rules) {
  const Pair pairs[] = {
      {" 無指定", "―はたく"},            // leading blank before symbols
      {"　全角", "!"},                   // an ideographic space is a blank too
      {"― Em 教え技 ―", "―あなをほる"},  // separator heads the "―" entries
      {"―ねこだまし", "あなをほる"},     // symbols before kana
      {"＃", "１０まんボルト"},          // symbols before digits
      {"！", "#"},                       // full-width forms read as ASCII
      {"ゝ", "１"},                      // an iteration mark after no kana is a symbol
      {"１０まんボルト", "あなをほる"},  // digits before kana
      {"ん", "ABC"},                     // kana before everything else
      {"ん", "\u0080"},                  // a control character is no symbol
      {"ABC", "漢字"},
      {"アクア", "あくび"},            // katakana read as hiragana
      {"ァ", "い"},                    // small ones too
      {"ハードロック", "はっこう"},    // ハー = はあ
      {"ヴォルテッカー", "うずしお"},  // ヴォ = うお
      {"かそく", "がんじょう"},        // voiced marks ignored...
      {"てんき", "でんき"},            // ... until all else is equal
      {"でんき", "テンキ"},            // hiragana codes before katakana codes
      {"しゃんぷ", "しやんぷ"},        // small ゃ read as や; ゃ is the smaller code
      {"きゅう", "きよ"},
      {"ﾊｰﾄﾞ", "ﾊﾝﾄﾞ"},  // half-width kana read the same way
      {"ﾊｰﾄﾞ", "はあとし"},
      {"のお", "ノー"},  // のお (82CC 82A8) before ノー (836D 815B)
      {"ア", "アア"},    // a prefix first
      {"", " "},
  };
  for (const Pair& p : pairs) {
    EXPECT_LT(CompareJapanese(p.first, p.second), 0) << p.first << " < " << p.second;
    EXPECT_GT(CompareJapanese(p.second, p.first), 0) << p.second << " > " << p.first;
  }
  EXPECT_EQ(CompareJapanese("ノーマル", "ノーマル"), 0);

  // clang-format off
  const std::vector<std::string> picker = {
      " 無指定", "― Em 教え技 ―", "―ずつき", "１０まんボルト", "アイアンテール", "アンコール",
      "ヴォルテッカー", "スピードスター", "スプーンまげ", "テンキ", "でんきショック",
      "ハードプラント", "ばかぢから", "はっぱカッター", "Ｚ", "毒"};
  // clang-format on
  std::vector<std::string> names = picker;
  std::mt19937 random(7);
  for (int round = 0; round < 5; ++round) {
    std::shuffle(names.begin(), names.end(), random);
    std::sort(names.begin(), names.end(), JapaneseLess);
    EXPECT_EQ(names, picker);
  }
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

TEST(SortOrderCp932, ComparesShiftJisBytes) {
  const Pair pairs[] = {
      {"あ", "ア"},              // 82A0 < 8341
      {"ア", "ｱ"},               // 8341 < B1: bytes, not character codes
      {"z", "ア"},               // 7A < 83
      {"ノーマル", "ノコッチ"},  // 815B < 8352
      {"ア", "アア"},
      {"アン", "ア\U0001F600"},  // no cp932 code: after every code, by code point
      {"\U00017F00", "\U00018000"},
  };
  for (const Pair& p : pairs) {
    EXPECT_LT(CompareCp932Codes(p.first, p.second), 0) << p.first << " < " << p.second;
    EXPECT_GT(CompareCp932Codes(p.second, p.first), 0) << p.second << " > " << p.first;
  }
  EXPECT_EQ(CompareCp932Codes("ロトム", "ロトム"), 0);
}

}  // namespace
}  // namespace kerumina::text
