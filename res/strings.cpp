#include "res/strings.h"

namespace kerumina::res {

std::string_view LoadString(int id) {
  switch (id) {
    case IDS_ABOUTBOX:
      return "kerumina のﾊﾞｰｼﾞｮﾝ情報(&A)...";
    default:
      return {};
  }
}

}  // namespace kerumina::res
