#include "data/learnsets.h"

namespace kerumina::data {

const char* const SPECIAL_LEARN_LABELS[4] = {"", "でんきだま遺伝", "ドラゴン教え技",
                                             "御三家教え技"};

const LevelUpTable& LevelUpTableOf(GameVersion version) {
  switch (version) {
    case VERSION_DP:
      return LEVEL_UP_DP;
    case VERSION_PT:
      return LEVEL_UP_PT;
    default:
      return LEVEL_UP_HGSS;
  }
}

bool InLevelUp(const LevelUpTable& table, SpeciesId species, MoveId move) {
  for (const LevelUpEntry& entry : table[species]) {
    const bool empty = entry.level == 0 && entry.move == 0;
    if (!empty && entry.move == move) return true;
  }
  return false;
}

bool ByMachine(const MachineList& list, const MachineCompat& compat, SpeciesId species,
               MoveId move) {
  for (int slot = 0; slot < MACHINE_SLOTS; ++slot) {
    if (list[slot] == move + 1 && compat[species][slot + 1] == 1) return true;
  }
  return false;
}

bool InSpecialLearn(SpeciesId species, MoveId move) {
  for (const SpecialLearnEntry& entry : SPECIAL_LEARN[species]) {
    if (entry.move != 0 && entry.move - 1 == move) return true;
  }
  return false;
}

namespace {

bool InAnyTable(SpeciesId s, MoveId m) {
  return InLevelUp(LEVEL_UP_DP, s, m) || InLevelUp(LEVEL_UP_PT, s, m) ||
         InLevelUp(LEVEL_UP_HGSS, s, m) ||
         ByMachine(MACHINE_LIST_DPPT, MACHINE_COMPAT_DPPT, s, m) ||
         ByMachine(MACHINE_LIST_HGSS, MACHINE_COMPAT_HGSS, s, m) || InSpecialLearn(s, m) ||
         InSlots(TUTOR_PT[s], m) || InSlots(TUTOR_HGSS[s], m) || InSlots(EGG_MOVES_DPPT[s], m) ||
         InSlots(EGG_MOVES_HGSS[s], m);
}

bool FindMove(SpeciesId s, MoveId m, const LearnMethods& methods, const GameVersions& versions) {
  if (methods.levelUp) {
    if (versions.dp && InLevelUp(LEVEL_UP_DP, s, m)) return true;
    if (versions.pt && InLevelUp(LEVEL_UP_PT, s, m)) return true;
    if (versions.hgss && InLevelUp(LEVEL_UP_HGSS, s, m)) return true;
  }
  if (methods.machine) {
    // The DPPT list counts whatever the version flags say.
    if (ByMachine(MACHINE_LIST_DPPT, MACHINE_COMPAT_DPPT, s, m)) return true;
    if (versions.hgss && ByMachine(MACHINE_LIST_HGSS, MACHINE_COMPAT_HGSS, s, m)) return true;
  }
  if (methods.tutor) {
    if (InSpecialLearn(s, m)) return true;
    if (versions.pt && InSlots(TUTOR_PT[s], m)) return true;
    if (versions.hgss && InSlots(TUTOR_HGSS[s], m)) return true;
  }
  if (methods.egg) {
    if (InSlots(EGG_MOVES_DPPT[s], m)) return true;
    if (versions.hgss && InSlots(EGG_MOVES_HGSS[s], m)) return true;
  }
  return false;
}

}  // namespace

bool CanLearnAny(SpeciesId species, MoveId move) {
  // The step bound only guards against a cycle in the evolution table.
  for (int steps = 0; species != NO_SPECIES && steps < SPECIES_COUNT; ++steps) {
    if (InAnyTable(species, move)) return true;
    if (species == SHARED_LEARNSET_SPECIES && CanLearnAny(SHARED_LEARNSET_SOURCE, move)) {
      return true;
    }
    species = PreEvolutionOf(species);
  }
  return false;
}

bool MatchLearnConditions(SpeciesId species, bool anyMode, const LearnMethods& methods,
                          const GameVersions& versions, MoveConditions& conds) {
  bool result = true;
  for (MoveId m : conds) {
    if (m != NO_MOVE) result = false;
  }
  bool allFound = true;
  for (MoveId& m : conds) {
    if (anyMode && result) break;
    if (m == NO_MOVE) continue;
    if (!anyMode) result = false;
    if (FindMove(species, m, methods, versions)) {
      result = true;
      m = NO_MOVE;
    } else {
      allFound = false;
    }
  }
  return (anyMode || allFound) ? result : false;
}

}  // namespace kerumina::data
