#include "data/moves.h"

namespace kerumina::data {

const char* const MOVE_CATEGORY_NAMES[MOVE_CATEGORY_COUNT] = {"物理", "特殊", "変化"};

const char* const MOVE_TARGET_NAMES[MOVE_TARGET_COUNT] = {"自分",     "単体",   "敵二体", "全体",
                                                          "ランダム", "味方全", "味方１", "不定"};

std::vector<MoveId> MovesOfType(std::int32_t typeFilter) {
  std::vector<MoveId> result;
  for (MoveId id = 0; id < MOVE_COUNT; ++id) {
    if (typeFilter == ANY_TYPE || MOVE_TABLE[id].type == typeFilter) result.push_back(id);
  }
  return result;
}

}  // namespace kerumina::data
