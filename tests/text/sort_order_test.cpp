#include "text/sort_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace kerumina::text {
namespace {

// Ability rows 1..123 of the game tables: the data set keeps them in picker order.
const std::vector<std::string> kAbilityOrder = {
    "アイスボディ",   "あくしゅう",     "あついしぼう",   "あとだし",       "あめうけざら",
    "あめふらし",     "ありじごく",     "いかく",         "いかりのつぼ",   "いしあたま",
    "いろめがね",     "うるおいボディ", "エアロック",     "おみとおし",     "かいりきバサミ",
    "かげふみ",       "かそく",         "かたやぶり",     "カブトアーマー", "かるわざ",
    "がんじょう",     "かんそうはだ",   "きけんよち",     "きもったま",     "きゅうばん",
    "きょううん",     "くいしんぼう",   "クリアボディ",   "げきりゅう",     "こんじょう",
    "さめはだ",       "サンパワー",     "シェルアーマー", "しぜんかいふく", "しめりけ",
    "じゅうなん",     "じりょく",       "しろいけむり",   "シンクロ",       "しんりょく",
    "すいすい",       "スキルリンク",   "すてみ",         "スナイパー",     "すなおこし",
    "すながくれ",     "するどいめ",     "スロースタート", "せいしんりょく", "せいでんき",
    "たいねつ",       "ダウンロード",   "だっぴ",         "たんじゅん",     "ちからもち",
    "ちくでん",       "ちどりあし",     "ちょすい",       "てきおうりょく", "テクニシャン",
    "てつのこぶし",   "でんきエンジン", "てんきや",       "てんねん",       "てんのめぐみ",
    "とうそうしん",   "どくのトゲ",     "トレース",       "どんかん",       "ナイトメア",
    "なまけ",         "にげあし",       "ねんちゃく",     "ノーガード",     "ノーてんき",
    "ノーマルスキン", "ハードロック",   "はっこう",       "はやあし",       "はやおき",
    "はりきり",       "ひでり",         "ひらいしん",     "フィルター",     "ぶきよう",
    "ふくがん",       "ふくつのこころ", "ふしぎなうろこ", "ふしぎなまもり", "ふみん",
    "ふゆう",         "プラス",         "フラワーギフト", "プレッシャー",   "ヘドロえき",
    "へんしょく",     "ポイズンヒール", "ぼうおん",       "ほうし",         "ほのおのからだ",
    "マイナス",       "マイペース",     "マグマのよろい", "マジックガード", "マルチタイプ",
    "みずのベール",   "みつあつめ",     "むしのしらせ",   "メロメロボディ", "めんえき",
    "もうか",         "ものひろい",     "もらいび",       "やるき",         "ゆうばく",
    "ゆきがくれ",     "ゆきふらし",     "ようりょくそ",   "ヨガパワー",     "よちむ",
    "よびみず",       "リーフガード",   "りんぷん"};

std::vector<std::string> SortedJapanese(std::vector<std::string> names) {
  std::sort(names.begin(), names.end(), JapaneseLess);
  return names;
}

TEST(SortOrderJapanese, RestoresTheAbilityTableOrder) {
  std::vector<std::string> names = kAbilityOrder;
  std::mt19937 random(20240601);
  for (int round = 0; round < 5; ++round) {
    std::shuffle(names.begin(), names.end(), random);
    ASSERT_EQ(SortedJapanese(names), kAbilityOrder) << "round " << round;
  }
  std::reverse(names.begin(), names.end());
  EXPECT_EQ(SortedJapanese(kAbilityOrder), kAbilityOrder);
}

// Each pair is in order; the reason is the rule the pair pins.
struct Pair {
  const char* first;
  const char* second;
};

TEST(SortOrderJapanese, Rules) {
  const Pair pairs[] = {
      {" 無指定", "―はたく"},            // leading blank before symbols
      {" 無指定", "アイスボディ"},       // ... and before kana
      {"　全角", "!"},                   // an ideographic space is a blank too
      {"― Em 教え技 ―", "―あなをほる"},  // separator heads the "―" entries
      {"―ねこだまし", "あなをほる"},     // symbols before kana
      {"１０まんボルト", "あなをほる"},  // digits before kana
      {"＃", "１０まんボルト"},          // symbols before digits
      {"１０まんボルト", "１１"},
      {"ん", "漢字"},  // kana before everything else
      {"ん", "ABC"},
      {"ABC", "漢字"},
      {"アクア", "あくび"},          // katakana read as hiragana
      {"ハードロック", "はっこう"},  // ハー = はあ
      {"ノーガード", "ノーてんき"},  // ノー = のお
      {"フラワーギフト", "プレッシャー"},
      {"ヴォルテッカー", "うずしお"},  // ヴォ = うお
      {"かそく", "がんじょう"},        // voiced marks ignored...
      {"がんじょう", "かんそうはだ"},
      {"てんき", "でんき"},  // ... until all else is equal
      {"でんき", "テンキ"},  // hiragana codes before katakana codes
      {"ばか", "ぱか"},
      {"しゃんぷ", "しやんぷ"},  // small ゃ read as や; ゃ is the smaller code
      {"しやんぷ", "ジャンプ"},
      {"きゅう", "きよ"},                  // ゅ read as ゆ
      {"スピードスター", "スプーンまげ"},  // すひい before すふう
      {"ﾊｰﾄﾞ", "ﾊﾝﾄﾞ"},                    // half-width kana read the same way
      {"ﾊｰﾄﾞ", "はあとし"},
      {"ノー", "のおあ"},
      {"のお", "ノー"},  // のお (82CC 82A8) before ノー (836D 815B)
      {"ア", "アア"},    // a prefix first
      {"", " "},
  };
  for (const Pair& p : pairs) {
    EXPECT_LT(CompareJapanese(p.first, p.second), 0) << p.first << " < " << p.second;
    EXPECT_GT(CompareJapanese(p.second, p.first), 0) << p.second << " > " << p.first;
  }
  EXPECT_EQ(CompareJapanese("ノーマル", "ノーマル"), 0);
}

TEST(SortOrderJapanese, MovePickerOrder) {
  const std::vector<std::string> expected = {
      " 無指定",
      "― Em 教え技 ―",
      "―ずつき",
      "―ねこだまし",
      "１０まんボルト",
      "アイアンテール",
      "あくまのキッス",
      "アンコール",
      "ヴォルテッカー",
      "すてみタックル",
      "スピードスター",
      "スプーンまげ",
      "テンキ",
      "でんきショック",
      "ハードプラント",
      "ばかぢから",
      "はっぱカッター",
      "ロックオン",
      "Ｚ",
      "毒",
  };
  std::vector<std::string> names = expected;
  std::mt19937 random(7);
  for (int round = 0; round < 5; ++round) {
    std::shuffle(names.begin(), names.end(), random);
    EXPECT_EQ(SortedJapanese(names), expected);
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
      {"あ", "ア"},  // 82A0 < 8341
      {"ア", "ｱ"},   // 8341 < B1: bytes, not character codes
      {"亜", "ｱ"},   // 88 9F < B1
      {"Z", "ア"},
      {"ア", "アア"},
      {"ノーマル", "ノコッチ"},  // 815B < 8352
      {"ピカチュウ", "ポッチャマ"},
      {"", "a"},
      {"アン", "ア\U0001F600"},  // no cp932 code: after every code
      {"ン", "\U0001F600"},
  };
  for (const Pair& p : pairs) {
    EXPECT_LT(CompareCp932Codes(p.first, p.second), 0) << p.first << " < " << p.second;
    EXPECT_GT(CompareCp932Codes(p.second, p.first), 0) << p.second << " > " << p.first;
  }
  EXPECT_EQ(CompareCp932Codes("ロトム", "ロトム"), 0);
}

}  // namespace
}  // namespace kerumina::text
