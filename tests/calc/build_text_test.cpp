#include "calc/build_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "calc/stats.h"
#include "data/abilities.h"
#include "data/moves.h"
#include "data/types.h"
#include "tests/case_file.h"
#include "text/cp932.h"

namespace kerumina::calc {
namespace {

const std::string CANONICAL =
    "ガブ（ガブリアス）＠こだわりハチマキ\n特性：すながくれ\n性格：いじっぱり\nLv50\n"
    "実数値：184-200-115-90-105-154\n努力値：H4 A252 S252\n"
    "技：じしん／ドラゴンクロー／げきりん／いあいぎり\n";

box::BoxEntry Parsed(std::string_view text) {
  const ParsedBuilds parsed = ParseBuilds(text);
  EXPECT_FALSE(parsed.error) << text << "\n" << BuildTextErrorMessage(*parsed.error);
  EXPECT_EQ(parsed.entries.size(), 1u) << text;
  return parsed.entries.empty() ? box::BoxEntry{} : parsed.entries.front();
}

bool SameBytes(const box::BoxEntry& a, const box::BoxEntry& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST(BuildText, WorkedExampleWritesEveryFieldAndReadsBack) {
  // clang-format off
  box::BoxEntry expected{{}, 444, 50, 1, 46, 3, 0, {31, 31, 31, 31, 31, 31}, {4, 252, 0, 0, 0, 252},
                         {184, 200, 115, 90, 105, 154}, {88, 336, 199, 14}};
  // clang-format on
  box::SetNameUtf8(expected, "ガブ");
  EXPECT_TRUE(SameBytes(Parsed(CANONICAL), expected));
  EXPECT_EQ(BuildText(expected), CANONICAL);
  EXPECT_EQ(Parsed("ガブリアス\n性格：まじめ").item, 0);  // no "＠": the first none row
}

// Each variant reads as the export notation reads, and is written back in that notation.
TEST(BuildText, VariantsReadAsTheExportNotation) {
  const std::pair<const char*, const char*> cases[] = {
      {"\xEF\xBB\xBFガブ （ ガブリアス ） @ こだわりハチマキ \r\n特性 :すながくれ\r\n"
       "性格：いじっぱり\r\nＬｖ．５０\r\n実数値：１８４－２００－１１５－９０－１０５－１５４\r\n"
       "努力値:Ｈ４ / Ａ２５２,Ｓ２５２\r\n技:\r\nじしん/ドラゴンクロー・げきりん\r\n- いあいぎり",
       CANONICAL.c_str()},
      {"ガブ（ガブリアス）＠こだわりハチマキ\n性格：いじっぱり\nレベル50\n努力値：4-252-0-0-0-252\n"
       "個体値：31-31-31-31-31-31\n実数値：184-×-115-x-105--\n"
       "技：じしん／ドラゴンクロー／げきりん\n・いあいぎり",
       CANONICAL.c_str()},
      {"ガブリアス\n性格：ようき\nLv 5",
       "ガブリアス\n特性：すながくれ\n性格：ようき\nLv5\n"
       "実数値：27-19-16-12-15-17\n努力値：なし\n"},
      {"ガブリアス\n性格：ようき\nLv:5\n個体値：A0 S30",
       "ガブリアス\n特性：すながくれ\n性格：ようき\nLv5\n"
       "実数値：27-18-16-12-15-17\n努力値：なし\n"
       "個体値：31-0-31-31-31-30\n"},
      {"ロトム（ロトム#504）\n特性：ふゆう\n性格：まじめ\n実数値：1-2-3-4-5--\n",
       "ロトム（ロトム#504）\n特性：ふゆう\n性格：まじめ\nLv50\n実数値：1-2-3-4-5-106\n"},
      {"ロトム#504\n性格：まじめ\n実数値：1-2-3-4-5-6\n",
       "ロトム#504\n特性：ふゆう\n性格：まじめ\nLv50\n実数値：1-2-3-4-5-6\n"},
      {"デオキシス（アタック）\n性格：まじめ\n実数値：×-2-3-4-5-6\n",
       "デオキシス\\（アタック）\n特性：プレッシャー\n性格：まじめ\nLv50\n実数値：125-2-3-4-5-6\n"},
      {"ヌケ（ヌケニン）\n性格：まじめ\n実数値：50-2-3-4-5-6\n",
       "ヌケ（ヌケニン）\n特性：ふしぎなまもり\n性格：まじめ\nLv50\n実数値：1-2-3-4-5-6\n"},
      {"\\ \\\\\\＠\\@\\（\\）\\n\\r\\　 （ガブリアス）\n性格：まじめ\n実数値：1-2-3-4-5-6\n",
       "\\ \\\\\\＠\\@\\（）\\n\\r\\　（ガブリアス）\n特性：すながくれ\n性格：まじめ\nLv50\n"
       "実数値：1-2-3-4-5-6\n"},
  };
  for (const auto& [variant, canonical] : cases) {
    const box::BoxEntry entry = Parsed(variant);
    EXPECT_TRUE(SameBytes(entry, Parsed(canonical))) << variant;
    EXPECT_EQ(BuildText(entry), canonical) << variant;
  }
  EXPECT_EQ(box::NameUtf8(Parsed(std::end(cases)[-1].second)), " \\＠@（）\n\r　");
}

TEST(BuildText, RefusesWithLineAndReason) {
  for (const test::Case& c : test::ReadCases("build_refusals.tsv", 3)) {
    std::string text = c[0];
    for (std::size_t at; (at = text.find("\\n")) != std::string::npos;) text.replace(at, 2, "\n");
    const ParsedBuilds parsed = ParseBuilds(text);
    ASSERT_TRUE(parsed.error) << text;
    EXPECT_TRUE(parsed.entries.empty());
    EXPECT_EQ(parsed.error->line, std::stoi(c[1])) << text;
    EXPECT_EQ(parsed.error->reason, c[2]) << text;
  }
  const ParsedBuilds parsed =
      ParseBuilds("ガブリアス\r\n性格：まじめ\r\n\r\n  \r\nガブリアス\r\nLv0\r\n");
  EXPECT_EQ(BuildTextErrorMessage(*parsed.error),
            "6行目「Lv0」：1 から 100 までの整数を入力してください。");
}

// Entries the editor can make: typed-in stats store IVs and EVs as 0, computed ones store
// the formula's stats; moves fill the first slots.
box::BoxEntry RandomEntry(std::mt19937& random) {
  auto pick = [&random](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(random); };
  static const char32_t NAME_CHARS[] = {U'ア', U'ｶ', U'a',  U'＠', U'@', U'（', U'）', U'\\', U'\n',
                                        U'\r', U' ', U'　', U'\t', U'#', U'：', U'-',  U'・', U'Z'};
  box::BoxEntry entry{};
  entry.species = pick(0, data::SPECIES_COUNT - 1);
  // Now and then the species' own name, which the notation leaves out.
  std::string name(pick(0, 3) == 0 ? data::SpeciesName(entry.species) : "");
  for (int n = name.empty() ? pick(1, 10) : 0; n > 0; --n) {
    text::AppendUtf8(name, NAME_CHARS[pick(0, std::size(NAME_CHARS) - 1)]);
  }
  box::SetNameUtf8(entry, name);
  entry.level = pick(1, 100);
  entry.nature = pick(0, data::NATURE_COUNT - 1);
  entry.ability = pick(0, data::ABILITY_COUNT - 1);
  do {
    entry.item = pick(0, data::ITEM_COUNT - 1);  // row 16, the other none row, reads as 0
  } while (data::ItemName(entry.item).empty());
  entry.statsEntered = pick(0, 1);
  data::StatBlock ivs{}, evs{};
  for (int s = 0, left = box::EV_TOTAL_MAX; s < 6; left -= evs[s++]) {
    ivs[s] = pick(0, 2) == 0 ? 31 : pick(0, 255);
    evs[s] = std::min(left, pick(0, 3) == 0 ? 0 : pick(0, 255));
    entry.stat[s] = pick(1, 999);
  }
  if (entry.statsEntered == 0) {
    const data::StatBlock stats = CalcStatBlock(entry.species, entry.level, entry.nature, ivs, evs);
    std::copy(stats.begin(), stats.end(), entry.stat);
    std::copy(ivs.begin(), ivs.end(), entry.iv);
    std::copy(evs.begin(), evs.end(), entry.ev);
  }
  if (entry.species == FIXED_HP_SPECIES) entry.stat[0] = 1;
  const int moves = pick(0, 4);
  for (int k = 0; k < 4; ++k) entry.move[k] = k < moves ? pick(0, data::MOVE_COUNT - 1) : 0xFFFF;
  return entry;
}

TEST(BuildText, RandomEntriesRoundTripByteForByte) {
  std::mt19937 random(19);
  std::vector<box::BoxEntry> entries;
  for (int i = 0; i < 2000; ++i) entries.push_back(RandomEntry(random));
  for (const box::BoxEntry& entry : entries) ASSERT_TRUE(CanWriteBuild(entry));
  const ParsedBuilds parsed = ParseBuilds(BuildsText(entries));
  ASSERT_FALSE(parsed.error) << BuildTextErrorMessage(*parsed.error);
  ASSERT_EQ(parsed.entries.size(), entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    EXPECT_TRUE(SameBytes(parsed.entries[i], entries[i])) << BuildText(entries[i]);
  }
}

}  // namespace
}  // namespace kerumina::calc
