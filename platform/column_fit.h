// Column widths that show every text of a list whole. The widths a window asks for are
// Windows pixels in Windows' font; the backends' fonts are wider, and a form name or a
// long box name would be cut. Measuring a text in a toolkit costs microseconds, and a
// list of 505 rows holds some 6000 cells, mostly the same few hundred texts again: each
// distinct text is measured once.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/controls.h"

namespace kerumina::platform {

class ColumnFitter {
 public:
  using Measure = std::function<int(std::string_view)>;
  // margin: what a cell adds around its text (padding, grid line).
  ColumnFitter(Measure measure, int margin);

  // Per column the largest of the width asked for, the heading's width and the widest
  // row text's width, texts with the margin added.
  std::vector<int> Widths(const ListView& list);

 private:
  int WidthOf(const std::string& text);

  Measure measure_;
  int margin_;
  std::unordered_map<std::string, int> known_;
};

}  // namespace kerumina::platform
