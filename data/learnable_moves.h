// The lines of the box's learnable-move pickers (the box window's free row and the entry
// editor's four moves): what a species can learn, then the older game's tutor moves, which
// a creature may have brought along whether its species learns them here or not.
#pragma once

#include <string>
#include <vector>

#include "data/moves.h"
#include "data/species.h"

namespace kerumina::data {

// The line of a move picker that chooses no move.
inline constexpr const char* NO_MOVE_TEXT = " 無指定";
// Line that separates the learnable moves from the tutor moves of the older game.
inline constexpr const char* EM_TUTOR_SEPARATOR = "― Em 教え技 ―";
inline constexpr const char* EM_TUTOR_PREFIX = "―";

// One line of a move picker: " 無指定" and the separator carry NO_MOVE.
struct MovePickerItem {
  std::string text;
  MoveId move;
};

// The lines in the order the sorted picker shows them: " 無指定", every move the species
// (or its line) can learn, the separator, and the tutor moves of the older game.
std::vector<MovePickerItem> LearnableMoveItems(SpeciesId species);

}  // namespace kerumina::data
