#include "data/learnsets.h"

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

bool ByMachine(const MachineList& list, const MachineCompat& compat, SpeciesId species,
               MoveId move) {
  for (int slot = 0; slot < MACHINE_SLOTS; ++slot) {
    if (list[slot] == move + 1 && compat[species][slot + 1] == 1) return true;
  }
  return false;
}

namespace {

// For every species and move, one bit per learnset table that teaches it. The search tests
// up to four moves on up to four species of each of 505 rows on every change of a
// condition; one lookup instead of ten slot scans keeps that instant. Derived once from the
// tables: a level-up slot is used unless both its fields are 0, any other slot unless it is 0.
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

using SourceMask = std::uint16_t;
using LearnIndex = std::array<std::array<SourceMask, MOVE_COUNT>, SPECIES_COUNT>;

constexpr SourceMask Bit(LearnSource source) {
  return static_cast<SourceMask>(1u << source);
}

void Mark(LearnIndex& index, SpeciesId s, std::int64_t move, LearnSource source) {
  if (IsValidMove(move)) index[s][static_cast<std::size_t>(move)] |= Bit(source);
}

void MarkLevelUp(LearnIndex& index, SpeciesId s, const LevelUpTable& table, LearnSource source) {
  for (const LevelUpEntry& entry : table[s]) {
    if (entry.level != 0 || entry.move != 0) Mark(index, s, entry.move, source);
  }
}

void MarkMachines(LearnIndex& index, SpeciesId s, const MachineList& list,
                  const MachineCompat& compat, LearnSource source) {
  for (int slot = 0; slot < MACHINE_SLOTS; ++slot) {
    if (compat[s][slot + 1] == 1) Mark(index, s, std::int64_t{list[slot]} - 1, source);
  }
}

template <std::size_t N>
void MarkSlots(LearnIndex& index, SpeciesId s, const MoveId (&slots)[N], LearnSource source) {
  for (MoveId move : slots) {
    if (move != 0) Mark(index, s, move, source);
  }
}

std::unique_ptr<const LearnIndex> BuildLearnIndex() {
  auto index = std::make_unique<LearnIndex>();
  for (SpeciesId s = 0; s < SPECIES_COUNT; ++s) {
    MarkLevelUp(*index, s, LEVEL_UP_DP, LEVEL_UP_DP_SOURCE);
    MarkLevelUp(*index, s, LEVEL_UP_PT, LEVEL_UP_PT_SOURCE);
    MarkLevelUp(*index, s, LEVEL_UP_HGSS, LEVEL_UP_HGSS_SOURCE);
    MarkMachines(*index, s, MACHINE_LIST_DPPT, MACHINE_COMPAT_DPPT, MACHINE_DPPT_SOURCE);
    MarkMachines(*index, s, MACHINE_LIST_HGSS, MACHINE_COMPAT_HGSS, MACHINE_HGSS_SOURCE);
    for (const SpecialLearnEntry& entry : SPECIAL_LEARN[s]) {
      if (entry.move != 0) Mark(*index, s, std::int64_t{entry.move} - 1, SPECIAL_SOURCE);
    }
    MarkSlots(*index, s, TUTOR_PT[s], TUTOR_PT_SOURCE);
    MarkSlots(*index, s, TUTOR_HGSS[s], TUTOR_HGSS_SOURCE);
    MarkSlots(*index, s, EGG_MOVES_DPPT[s], EGG_DPPT_SOURCE);
    MarkSlots(*index, s, EGG_MOVES_HGSS[s], EGG_HGSS_SOURCE);
  }
  return index;
}

SourceMask SourcesOf(SpeciesId s, MoveId m) {
  static const std::unique_ptr<const LearnIndex> index = BuildLearnIndex();
  if (!IsValidSpecies(s) || !IsValidMove(m)) return 0;
  return (*index)[s][static_cast<std::size_t>(m)];
}

// The tables a search consults for its method and version choices. The machine, special
// and egg tables of DPPT count whatever the version flags say.
SourceMask SearchedSources(const LearnMethods& methods, const GameVersions& versions) {
  SourceMask mask = 0;
  const auto add = [&mask](bool wanted, LearnSource source) {
    if (wanted) mask |= Bit(source);
  };
  add(methods.levelUp && versions.dp, LEVEL_UP_DP_SOURCE);
  add(methods.levelUp && versions.pt, LEVEL_UP_PT_SOURCE);
  add(methods.levelUp && versions.hgss, LEVEL_UP_HGSS_SOURCE);
  add(methods.machine, MACHINE_DPPT_SOURCE);
  add(methods.machine && versions.hgss, MACHINE_HGSS_SOURCE);
  add(methods.tutor, SPECIAL_SOURCE);
  add(methods.tutor && versions.pt, TUTOR_PT_SOURCE);
  add(methods.tutor && versions.hgss, TUTOR_HGSS_SOURCE);
  add(methods.egg, EGG_DPPT_SOURCE);
  add(methods.egg && versions.hgss, EGG_HGSS_SOURCE);
  return mask;
}

}  // namespace

bool CanLearnAny(SpeciesId species, MoveId move) {
  // The step bound only guards against a cycle in the evolution table.
  for (int steps = 0; species != NO_SPECIES && steps < SPECIES_COUNT; ++steps) {
    if (SourcesOf(species, move) != 0) return true;
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
  const SourceMask searched = SearchedSources(methods, versions);
  for (MoveId& m : conds) {
    if (anyMode && result) break;
    if (m == NO_MOVE) continue;
    if (!anyMode) result = false;
    if ((SourcesOf(species, m) & searched) != 0) {
      result = true;
      m = NO_MOVE;
    } else {
      allFound = false;
    }
  }
  return (anyMode || allFound) ? result : false;
}

}  // namespace kerumina::data
