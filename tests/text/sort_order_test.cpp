#include "text/sort_order.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/case_file.h"

namespace kerumina::text {
namespace {

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
