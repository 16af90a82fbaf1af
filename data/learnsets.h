// Which moves each species can learn, by learning method and game version, and the two
// lookups on them: CanLearnAny (restricts the box's move pickers) and MatchLearnConditions
// (the search's move filter).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "data/moves.h"
#include "data/species.h"

namespace kerumina::data {

enum GameVersion : int { VERSION_DP = 0, VERSION_PT = 1, VERSION_HGSS = 2 };

inline constexpr int LEVEL_UP_SLOTS = 24;
inline constexpr int MACHINE_SLOTS = 100;
inline constexpr int EGG_MOVE_SLOTS = 16;
inline constexpr int TUTOR_SLOTS_PT = 40;
inline constexpr int TUTOR_SLOTS_HGSS = 60;
inline constexpr int SPECIAL_LEARN_SLOTS = 2;
inline constexpr int EM_TUTOR_COUNT = 30;
// Machine slots 0..91 are technical machines 1..92, slots 92..99 hidden machines 1..8.
inline constexpr int FIRST_HIDDEN_MACHINE_SLOT = 92;

struct LevelUpEntry {
  std::int32_t level;  // both fields 0 = empty slot
  MoveId move;
};

struct SpecialLearnEntry {
  std::int32_t move;  // MoveId + 1; 0 = empty slot
  std::int32_t kind;  // 1..3, only displayed
};

using LevelUpTable = LevelUpEntry[SPECIES_COUNT][LEVEL_UP_SLOTS];
using MachineList = std::int32_t[MACHINE_SLOTS];  // MoveId + 1 per machine slot
// [0] = species number, [j + 1] = 1 when machine slot j is learnable.
using MachineCompat = std::int32_t[SPECIES_COUNT][MACHINE_SLOTS + 1];
using EggMoveTable = MoveId[SPECIES_COUNT][EGG_MOVE_SLOTS];  // 0 = empty slot
using TutorTablePt = MoveId[SPECIES_COUNT][TUTOR_SLOTS_PT];
using TutorTableHgss = MoveId[SPECIES_COUNT][TUTOR_SLOTS_HGSS];
using SpecialLearnTable = SpecialLearnEntry[SPECIES_COUNT][SPECIAL_LEARN_SLOTS];
using EmTutorList = MoveId[EM_TUTOR_COUNT];

extern const LevelUpTable LEVEL_UP_DP;
extern const LevelUpTable LEVEL_UP_PT;
extern const LevelUpTable LEVEL_UP_HGSS;
extern const MachineList MACHINE_LIST_DPPT;
extern const MachineList MACHINE_LIST_HGSS;
extern const MachineCompat MACHINE_COMPAT_DPPT;
extern const MachineCompat MACHINE_COMPAT_HGSS;
extern const EggMoveTable EGG_MOVES_DPPT;
extern const EggMoveTable EGG_MOVES_HGSS;
extern const TutorTablePt TUTOR_PT;
extern const TutorTableHgss TUTOR_HGSS;
extern const SpecialLearnTable SPECIAL_LEARN;
extern const EmTutorList EM_TUTOR_LIST;

// Labels of SpecialLearnEntry::kind, index 1..3 (0 unused).
extern const char* const SPECIAL_LEARN_LABELS[4];
inline constexpr const char* TUTOR_LABEL = "教え屋教え技";

const LevelUpTable& LevelUpTableOf(GameVersion version);

// Species 291 can learn everything species 290 can, though neither evolves from the other.
inline constexpr SpeciesId SHARED_LEARNSET_SPECIES = 291;
inline constexpr SpeciesId SHARED_LEARNSET_SOURCE = 290;

struct LearnMethods {
  bool levelUp = false;
  bool egg = false;
  bool machine = false;
  bool tutor = false;
};

struct GameVersions {
  bool dp = false;
  bool pt = false;
  bool hgss = false;
};

using MoveConditions = std::array<MoveId, 4>;

// Whether the species or any species it evolves from learns the move by any method in
// any version.
bool CanLearnAny(SpeciesId species, MoveId move);

// Tests up to four moves against one species. Every move found is overwritten with NO_MOVE,
// so a caller can go on with the species' pre-evolutions using the same conds and only
// the moves still open are tested.
bool MatchLearnConditions(SpeciesId species, bool anyMode, const LearnMethods& methods,
                          const GameVersions& versions, MoveConditions& conds);

// Membership tests of one table, for the detail view's difference modes.
bool ByMachine(const MachineList& list, const MachineCompat& compat, SpeciesId species,
               MoveId move);
template <std::size_t N>
bool InSlots(const MoveId (&slots)[N], MoveId move) {
  for (MoveId slot : slots) {
    if (slot != 0 && slot == move) return true;
  }
  return false;
}

// The number a machine slot is shown with: technical machine 1..92, hidden machine 1..8.
inline int MachineNumber(int slot) {
  return slot < FIRST_HIDDEN_MACHINE_SLOT ? slot + 1 : slot - (FIRST_HIDDEN_MACHINE_SLOT - 1);
}
inline bool IsHiddenMachine(int slot) {
  return slot >= FIRST_HIDDEN_MACHINE_SLOT;
}

}  // namespace kerumina::data
