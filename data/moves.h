// The move table: every move of the three game versions, indexed by MoveId, with the two
// vocabularies its numeric fields index (category and target).
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace kerumina::data {

using MoveId = std::int32_t;
inline constexpr int MOVE_COUNT = 467;
inline constexpr MoveId NO_MOVE = 0xFFFF;

enum MoveCategory : std::int32_t {
  CATEGORY_PHYSICAL = 0,
  CATEGORY_SPECIAL = 1,
  CATEGORY_STATUS = 2
};
inline constexpr int MOVE_CATEGORY_COUNT = 3;
inline constexpr int MOVE_TARGET_COUNT = 8;

struct MoveRecord {
  char name[32];          // cp932, NUL-terminated
  std::int32_t power;     // 0 = no damage; 1 = damaging without a fixed power
  std::int32_t accuracy;  // 0 = no accuracy value
  std::int32_t pp;
  std::int32_t type;
  std::int32_t category;
  std::int32_t target;
  std::int32_t effect;
};
static_assert(sizeof(MoveRecord) == 60);

extern const MoveRecord MOVE_TABLE[MOVE_COUNT];
extern const char* const MOVE_NAMES[MOVE_COUNT];  // UTF-8
extern const char* const MOVE_CATEGORY_NAMES[MOVE_CATEGORY_COUNT];
extern const char* const MOVE_TARGET_NAMES[MOVE_TARGET_COUNT];

inline bool IsValidMove(std::int64_t id) {
  return id >= 0 && id < MOVE_COUNT;
}
inline const MoveRecord& Move(MoveId id) {
  return MOVE_TABLE[id];
}
inline std::string_view MoveName(MoveId id) {
  return MOVE_NAMES[id];
}

// The type filter of the move pickers: any type, or one TypeId.
inline constexpr std::int32_t ANY_TYPE = -1;

// MoveIds of all moves of the type (all moves for ANY_TYPE), ascending.
std::vector<MoveId> MovesOfType(std::int32_t typeFilter);

}  // namespace kerumina::data
