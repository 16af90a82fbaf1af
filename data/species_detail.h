// What the species detail view shows beyond plain table fields: the hatch-steps and
// female-ratio texts and the list of learnable moves with their method texts. Built here,
// apart from any window, so the detail window and the command line list the same rows.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "data/learnsets.h"
#include "data/moves.h"
#include "data/species.h"
#include "data/types.h"

namespace kerumina::data {

// "%d歩".
std::string HatchStepsText(SpeciesId species);

// "%3.1f％" of the half-percent value, "－" when genderless, "特殊" for the species
// numbered 29 to 34.
std::string FemaleRatioText(SpeciesId species);

// The class part of a row key, which orders the method column.
enum MethodClass : std::int32_t {
  METHOD_CLASS_LEVEL_UP = 0,
  METHOD_CLASS_MACHINE = 1,
  METHOD_CLASS_SPECIAL = 2,  // special learning and tutors
  METHOD_CLASS_EGG = 3,
};

// One row of the move list, texts as the columns show them.
struct LearnableMoveRow {
  MoveId move = NO_MOVE;
  SpeciesId source = NO_SPECIES;  // the species whose table gave the row
  std::int32_t methodClass = METHOD_CLASS_LEVEL_UP;
  std::string number;  // MoveId + 1
  std::string method;  // " <source name> DP-LV:12", " <source name> GS-ひでん:3", ...
  std::string name;
  std::string type;
  std::string category;
  std::string power;
  std::string accuracy;
  std::string pp;
  std::string target;
};

// The list item's data: MoveId + 10000 × method class.
inline std::int32_t RowKey(const LearnableMoveRow& row) {
  return row.move + 10000 * row.methodClass;
}

inline constexpr int CATEGORY_FILTER_COUNT = 1 + MOVE_CATEGORY_COUNT;
// Position 0 is "指定無し", then every type but the placeholder.
inline constexpr int TYPE_FILTER_COUNT = 18;

// The detail view's filter controls. The defaults tick every method and version.
struct MoveListOptions {
  bool levelUp = true;            // "LV"
  bool machine = true;            // "マシン"
  bool egg = true;                // "遺伝"
  bool special = true;            // "特殊習得"
  bool withPreEvolutions = true;  // "含進化前"
  GameVersions versions{true, true, true};
  int categoryFilter = 0;       // "分類" position: 0 any, else category + 1
  int typeFilter = 0;           // "タイプ" position: 0 any, else the type shown there
  bool dpPtDifference = false;  // wins over the other difference mode
  bool ptHgssDifference = false;
};

// The type at a position of the type filter list, or -1 for position 0 (or out of range).
TypeId TypeAtFilterPosition(int position);

struct LearnableMoves {
  std::vector<LearnableMoveRow> rows;
  // The two pre-evolution slots after the list is built (smaller SpeciesId first,
  // NO_SPECIES where empty): the PT-HGSS difference puts the species itself into an empty
  // first slot, and species 291 gets 290 in the second.
  std::array<SpeciesId, 2> preEvolutions{NO_SPECIES, NO_SPECIES};
};

LearnableMoves BuildLearnableMoves(SpeciesId species, const MoveListOptions& options);

}  // namespace kerumina::data
