#include "data/learnsets.h"

#include <bitset>
#include <memory>

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

// Every learnset table, one bit per move. The search tests up to four moves on up to four
// species of each of 505 rows on every change of a condition; one bit test per table
// instead of a slot scan keeps that instant. Derived once from the tables with the same
// membership rules as the scans above.
enum LearnSource : int {
  LEVEL_UP_DP_SOURCE,
  LEVEL_UP_PT_SOURCE,
  LEVEL_UP_HGSS_SOURCE,
  MACHINE_DPPT_SOURCE,
  MACHINE_HGSS_SOURCE,
  SPECIAL_SOURCE,
  TUTOR_PT_SOURCE,
  TUTOR_HGSS_SOURCE,
  EGG_DPPT_SOURCE,
  EGG_HGSS_SOURCE,
  SOURCE_COUNT,
};

using MoveSet = std::bitset<MOVE_COUNT>;
using LearnIndex = std::array<std::array<MoveSet, SOURCE_COUNT>, SPECIES_COUNT>;

void Mark(MoveSet& set, std::int64_t move) {
  if (IsValidMove(move)) set.set(static_cast<std::size_t>(move));
}

void MarkLevelUp(MoveSet& set, const LevelUpTable& table, SpeciesId s) {
  for (const LevelUpEntry& entry : table[s]) {
    if (entry.level != 0 || entry.move != 0) Mark(set, entry.move);
  }
}

void MarkMachines(MoveSet& set, const MachineList& list, const MachineCompat& compat, SpeciesId s) {
  for (int slot = 0; slot < MACHINE_SLOTS; ++slot) {
    if (compat[s][slot + 1] == 1) Mark(set, std::int64_t{list[slot]} - 1);
  }
}

template <std::size_t N>
void MarkSlots(MoveSet& set, const MoveId (&slots)[N]) {
  for (MoveId move : slots) {
    if (move != 0) Mark(set, move);
  }
}

std::unique_ptr<const LearnIndex> BuildLearnIndex() {
  auto index = std::make_unique<LearnIndex>();
  for (SpeciesId s = 0; s < SPECIES_COUNT; ++s) {
    auto& sets = (*index)[s];
    MarkLevelUp(sets[LEVEL_UP_DP_SOURCE], LEVEL_UP_DP, s);
    MarkLevelUp(sets[LEVEL_UP_PT_SOURCE], LEVEL_UP_PT, s);
    MarkLevelUp(sets[LEVEL_UP_HGSS_SOURCE], LEVEL_UP_HGSS, s);
    MarkMachines(sets[MACHINE_DPPT_SOURCE], MACHINE_LIST_DPPT, MACHINE_COMPAT_DPPT, s);
    MarkMachines(sets[MACHINE_HGSS_SOURCE], MACHINE_LIST_HGSS, MACHINE_COMPAT_HGSS, s);
    for (const SpecialLearnEntry& entry : SPECIAL_LEARN[s]) {
      if (entry.move != 0) Mark(sets[SPECIAL_SOURCE], std::int64_t{entry.move} - 1);
    }
    MarkSlots(sets[TUTOR_PT_SOURCE], TUTOR_PT[s]);
    MarkSlots(sets[TUTOR_HGSS_SOURCE], TUTOR_HGSS[s]);
    MarkSlots(sets[EGG_DPPT_SOURCE], EGG_MOVES_DPPT[s]);
    MarkSlots(sets[EGG_HGSS_SOURCE], EGG_MOVES_HGSS[s]);
  }
  return index;
}

bool Learns(SpeciesId s, MoveId m, LearnSource source) {
  static const std::unique_ptr<const LearnIndex> index = BuildLearnIndex();
  return IsValidSpecies(s) && IsValidMove(m) &&
         (*index)[s][source].test(static_cast<std::size_t>(m));
}

bool InAnyTable(SpeciesId s, MoveId m) {
  for (int source = 0; source < SOURCE_COUNT; ++source) {
    if (Learns(s, m, static_cast<LearnSource>(source))) return true;
  }
  return false;
}

bool FindMove(SpeciesId s, MoveId m, const LearnMethods& methods, const GameVersions& versions) {
  if (methods.levelUp) {
    if (versions.dp && Learns(s, m, LEVEL_UP_DP_SOURCE)) return true;
    if (versions.pt && Learns(s, m, LEVEL_UP_PT_SOURCE)) return true;
    if (versions.hgss && Learns(s, m, LEVEL_UP_HGSS_SOURCE)) return true;
  }
  if (methods.machine) {
    // The DPPT list counts whatever the version flags say.
    if (Learns(s, m, MACHINE_DPPT_SOURCE)) return true;
    if (versions.hgss && Learns(s, m, MACHINE_HGSS_SOURCE)) return true;
  }
  if (methods.tutor) {
    if (Learns(s, m, SPECIAL_SOURCE)) return true;
    if (versions.pt && Learns(s, m, TUTOR_PT_SOURCE)) return true;
    if (versions.hgss && Learns(s, m, TUTOR_HGSS_SOURCE)) return true;
  }
  if (methods.egg) {
    if (Learns(s, m, EGG_DPPT_SOURCE)) return true;
    if (versions.hgss && Learns(s, m, EGG_HGSS_SOURCE)) return true;
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
