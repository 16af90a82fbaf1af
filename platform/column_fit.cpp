#include "platform/column_fit.h"

#include <algorithm>
#include <utility>

namespace kerumina::platform {

ColumnFitter::ColumnFitter(Measure measure, int margin)
    : measure_(std::move(measure)), margin_(margin) {}

int ColumnFitter::WidthOf(const std::string& text) {
  auto found = known_.find(text);
  if (found == known_.end()) found = known_.emplace(text, measure_(text) + margin_).first;
  return found->second;
}

std::vector<int> ColumnFitter::Widths(const ListView& list) {
  std::vector<int> widths;
  for (int c = 0; c < list.GetColumnCount(); ++c) {
    const ListColumn& column = list.GetColumn(c);
    int width = std::max(column.width, WidthOf(column.heading));
    for (int row = 0; row < list.GetItemCount(); ++row) {
      width = std::max(width, WidthOf(list.GetItemText(row, c)));
    }
    widths.push_back(width);
  }
  return widths;
}

}  // namespace kerumina::platform
