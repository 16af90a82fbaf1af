#include "platform/column_fit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace kerumina::platform {
namespace {

// Against a plain recomputation over random lists; every distinct text measured once.
TEST(ColumnFitter, WidensEachColumnToItsWidestTextMeasuringEachTextOnce) {
  int measured = 0;
  auto measure = [&measured](std::string_view text) {
    ++measured;
    return static_cast<int>(text.size()) * 3;
  };
  ColumnFitter fitter(measure, 4);
  std::mt19937 random(7);
  for (int round = 0; round < 20; ++round) {
    ListView list(1, STYLE_NONE);
    const int columns = 1 + static_cast<int>(random() % 4);
    for (int c = 0; c < columns; ++c) {
      list.InsertColumn(c, std::string(random() % 6, 'h'), ColumnAlign::Left,
                        static_cast<int>(random() % 40));
    }
    const int rows = static_cast<int>(random() % 30);
    for (int row = 0; row < rows; ++row) {
      list.InsertItem(row, std::string(random() % 12, 'x'));
      for (int c = 1; c < columns; ++c) list.SetItemText(row, c, std::string(random() % 12, 'y'));
    }
    const std::vector<int> widths = fitter.Widths(list);
    ASSERT_EQ(static_cast<int>(widths.size()), columns);
    for (int c = 0; c < columns; ++c) {
      int expected = std::max(list.GetColumn(c).width,
                              static_cast<int>(list.GetColumn(c).heading.size()) * 3 + 4);
      for (int row = 0; row < rows; ++row) {
        expected = std::max(expected, static_cast<int>(list.GetItemText(row, c).size()) * 3 + 4);
      }
      EXPECT_EQ(widths[c], expected) << "round " << round << " column " << c;
    }
  }
  // Texts are runs of one letter: 6 headings, 12 of 'x', 12 of 'y' overlap in length only.
  EXPECT_LE(measured, 6 + 12 + 12);
}

}  // namespace
}  // namespace kerumina::platform
