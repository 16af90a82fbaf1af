#include "data/species_detail.h"

#include <algorithm>
#include <string_view>

#include "data/types.h"
#include "text/format.h"

namespace kerumina::data {

namespace {

// Species numbered 29 to 34: their gender follows the line, not one ratio.
constexpr SpeciesId FIRST_SPECIAL_RATIO_SPECIES = 28;
constexpr SpeciesId LAST_SPECIAL_RATIO_SPECIES = 33;
// Species 290 lends its moves to 291 only from this level on, and no machines.
constexpr std::int32_t SHARED_LEARNSET_MIN_LEVEL = 20;

bool IsUsed(const LevelUpEntry& entry) {
  return entry.level != 0 || entry.move != 0;
}

bool HasLevelUpPair(const LevelUpTable& table, SpeciesId species, const LevelUpEntry& wanted) {
  for (const LevelUpEntry& entry : table[species]) {
    if (!IsUsed(entry)) break;
    if (entry.level == wanted.level && entry.move == wanted.move) return true;
  }
  return false;
}

bool MachineFlagged(const MachineCompat& compat, SpeciesId species, int slot) {
  return compat[species][slot + 1] == 1;
}

// A tutor row ends at its first empty slot.
template <std::size_t N>
bool InTutorRow(const MoveId (&row)[N], MoveId move) {
  for (MoveId slot : row) {
    if (slot == 0) break;
    if (slot == move) return true;
  }
  return false;
}

std::string Blank(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 1);
  out += ' ';
  out += text;
  return out;
}

// " <species name><label><detail>".
std::string Method(SpeciesId x, std::string_view label, std::string_view detail) {
  return Blank(SpeciesName(x)).append(label).append(detail);
}
std::string Method(SpeciesId x, std::string_view label, std::int32_t number) {
  return Method(x, label, std::to_string(number));
}

class MoveListBuilder {
 public:
  MoveListBuilder(const MoveListOptions& options, std::vector<LearnableMoveRow>& rows)
      : options_(options), rows_(rows) {}

  // Plain concatenation: a species' list has a few hundred rows of nine texts each.
  void Add(SpeciesId source, MoveId move, MethodClass methodClass, std::string method) {
    if (!IsValidMove(move) || !PassesFilter(move)) return;
    const MoveRecord& record = Move(move);
    LearnableMoveRow& row = rows_.emplace_back();
    row.move = move;
    row.source = source;
    row.methodClass = methodClass;
    row.number = std::to_string(move + 1);
    row.method = std::move(method);
    row.name = Blank(MoveName(move));
    row.type = Blank(TypeName(record.type));
    row.category = Blank(MOVE_CATEGORY_NAMES[record.category]);
    row.power = Blank(std::to_string(record.power));
    row.accuracy = Blank(std::to_string(record.accuracy));
    row.pp = Blank(std::to_string(record.pp));
    row.target = Blank(MOVE_TARGET_NAMES[record.target]);
  }

  void LevelUp(SpeciesId x, GameVersion version, const LevelUpEntry& entry) {
    static constexpr const char* LABELS[] = {" DP-LV:", " PT-LV:", " GS-LV:"};
    Add(x, entry.move, METHOD_CLASS_LEVEL_UP, Method(x, LABELS[version], entry.level));
  }

  void Machine(SpeciesId x, bool hgss, int slot) {
    const MachineList& list = hgss ? MACHINE_LIST_HGSS : MACHINE_LIST_DPPT;
    const char* label = hgss ? (IsHiddenMachine(slot) ? " GS-ひでん:" : " GS-マシン:")
                             : (IsHiddenMachine(slot) ? " DPPT-ひでん:" : " DPPT-マシン:");
    Add(x, list[slot] - 1, METHOD_CLASS_MACHINE, Method(x, label, MachineNumber(slot)));
  }

  void Tutor(SpeciesId x, bool hgss, MoveId move) {
    Add(x, move, METHOD_CLASS_SPECIAL, Method(x, hgss ? " GS:" : " PT:", TUTOR_LABEL));
  }

  void Egg(SpeciesId x, bool hgss, MoveId move) {
    Add(x, move, METHOD_CLASS_EGG, Method(x, hgss ? " GS-遺伝" : " DPPT-遺伝", ""));
  }

  void SpecialLearn(SpeciesId x) {
    for (const SpecialLearnEntry& entry : SPECIAL_LEARN[x]) {
      if (entry.move == 0) continue;
      const bool knownKind = entry.kind >= 1 && entry.kind <= 3;
      Add(x, entry.move - 1, METHOD_CLASS_SPECIAL,
          Method(x, " 共通:", knownKind ? SPECIAL_LEARN_LABELS[entry.kind] : ""));
    }
  }

 private:
  bool PassesFilter(MoveId move) const {
    const MoveRecord& record = Move(move);
    const int c = options_.categoryFilter;
    if (c > 0 && c < CATEGORY_FILTER_COUNT && record.category != c - 1) return false;
    const TypeId type = TypeAtFilterPosition(options_.typeFilter);
    return type < 0 || record.type == type;
  }

  const MoveListOptions& options_;
  std::vector<LearnableMoveRow>& rows_;
};

void LevelUpSection(MoveListBuilder& out, SpeciesId x, GameVersion version, std::int32_t minLevel) {
  for (const LevelUpEntry& entry : LevelUpTableOf(version)[x]) {
    if (!IsUsed(entry)) break;
    if (entry.level >= minLevel) out.LevelUp(x, version, entry);
  }
}

void MachineSection(MoveListBuilder& out, SpeciesId x, bool hgss) {
  const MachineCompat& compat = hgss ? MACHINE_COMPAT_HGSS : MACHINE_COMPAT_DPPT;
  for (int slot = 0; slot < MACHINE_SLOTS; ++slot) {
    if (MachineFlagged(compat, x, slot)) out.Machine(x, hgss, slot);
  }
}

template <std::size_t N>
void TutorSection(MoveListBuilder& out, SpeciesId x, bool hgss, const MoveId (&row)[N]) {
  for (MoveId move : row) {
    if (move == 0) break;
    out.Tutor(x, hgss, move);
  }
}

void EggSection(MoveListBuilder& out, SpeciesId x, bool hgss) {
  for (MoveId move : hgss ? EGG_MOVES_HGSS[x] : EGG_MOVES_DPPT[x]) {
    if (move != 0) out.Egg(x, hgss, move);
  }
}

// One species' rows in the normal mode: level-up, machines, special, egg.
void NormalSections(MoveListBuilder& out, const MoveListOptions& o, SpeciesId x,
                    bool sharedLearnset) {
  const GameVersions& v = o.versions;
  if (o.levelUp) {
    const std::int32_t minLevel = sharedLearnset ? SHARED_LEARNSET_MIN_LEVEL : 0;
    if (v.dp) LevelUpSection(out, x, VERSION_DP, minLevel);
    if (v.pt) LevelUpSection(out, x, VERSION_PT, minLevel);
    if (v.hgss) LevelUpSection(out, x, VERSION_HGSS, minLevel);
  }
  if (o.machine && !sharedLearnset) {
    if (v.dp || v.pt) MachineSection(out, x, false);
    if (v.hgss) MachineSection(out, x, true);
  }
  if (o.special) {
    if (v.dp || v.pt || v.hgss) out.SpecialLearn(x);
    if (v.pt) TutorSection(out, x, false, TUTOR_PT[x]);
    if (v.hgss) TutorSection(out, x, true, TUTOR_HGSS[x]);
  }
  if (o.egg) {
    if (v.dp || v.pt) EggSection(out, x, false);
    if (v.hgss) EggSection(out, x, true);
  }
}

void NormalMode(MoveListBuilder& out, const MoveListOptions& o, SpeciesId s,
                std::array<SpeciesId, 2>& pre) {
  NormalSections(out, o, s, false);
  if (o.withPreEvolutions && pre[0] != NO_SPECIES) NormalSections(out, o, pre[0], false);
  if (s == SHARED_LEARNSET_SPECIES) pre[1] = SHARED_LEARNSET_SOURCE;
  if (o.withPreEvolutions && pre[1] != NO_SPECIES) {
    NormalSections(out, o, pre[1], pre[1] == SHARED_LEARNSET_SOURCE);
  }
}

// Level-up slots of `from` whose (level, move) pair `other` lacks.
void LevelUpDifference(MoveListBuilder& out, SpeciesId s, GameVersion from, GameVersion other) {
  for (const LevelUpEntry& entry : LevelUpTableOf(from)[s]) {
    if (!IsUsed(entry)) break;
    if (!HasLevelUpPair(LevelUpTableOf(other), s, entry)) out.LevelUp(s, from, entry);
  }
}

void MachineDifference(MoveListBuilder& out, SpeciesId s, bool hgss) {
  const MachineList& list = hgss ? MACHINE_LIST_HGSS : MACHINE_LIST_DPPT;
  const MachineCompat& compat = hgss ? MACHINE_COMPAT_HGSS : MACHINE_COMPAT_DPPT;
  const MachineList& otherList = hgss ? MACHINE_LIST_DPPT : MACHINE_LIST_HGSS;
  const MachineCompat& otherCompat = hgss ? MACHINE_COMPAT_DPPT : MACHINE_COMPAT_HGSS;
  for (int slot = 0; slot < MACHINE_SLOTS; ++slot) {
    if (!MachineFlagged(compat, s, slot)) continue;
    if (!ByMachine(otherList, otherCompat, s, list[slot] - 1)) out.Machine(s, hgss, slot);
  }
}

template <std::size_t N, std::size_t M>
void TutorDifference(MoveListBuilder& out, SpeciesId s, bool hgss, const MoveId (&row)[N],
                     const MoveId (&otherRow)[M]) {
  for (MoveId move : row) {
    if (move == 0) break;
    if (!InTutorRow(otherRow, move)) out.Tutor(s, hgss, move);
  }
}

void EggDifference(MoveListBuilder& out, SpeciesId e, bool hgss) {
  const auto& row = hgss ? EGG_MOVES_HGSS[e] : EGG_MOVES_DPPT[e];
  const auto& otherRow = hgss ? EGG_MOVES_DPPT[e] : EGG_MOVES_HGSS[e];
  for (MoveId move : row) {
    if (move != 0 && !InSlots(otherRow, move)) out.Egg(e, hgss, move);
  }
}

void PtHgssDifference(MoveListBuilder& out, SpeciesId s, std::array<SpeciesId, 2>& pre) {
  LevelUpDifference(out, s, VERSION_HGSS, VERSION_PT);
  LevelUpDifference(out, s, VERSION_PT, VERSION_HGSS);
  MachineDifference(out, s, false);
  MachineDifference(out, s, true);
  TutorDifference(out, s, false, TUTOR_PT[s], TUTOR_HGSS[s]);
  TutorDifference(out, s, true, TUTOR_HGSS[s], TUTOR_PT[s]);
  // Egg moves belong to the first stage of the line.
  if (pre[0] == NO_SPECIES) pre[0] = s;
  EggDifference(out, pre[0], false);
  EggDifference(out, pre[0], true);
}

}  // namespace

std::string HatchStepsText(SpeciesId species) {
  return text::Format("%d歩", EGG_TABLE[species].hatchSteps);
}

std::string FemaleRatioText(SpeciesId species) {
  if (species >= FIRST_SPECIAL_RATIO_SPECIES && species <= LAST_SPECIAL_RATIO_SPECIES) {
    return "特殊";
  }
  const std::int32_t ratio = Species(species).femaleRatio;
  if (ratio == GENDERLESS) return "－";
  return text::Format("%3.1f％", ratio * 0.5);
}

TypeId TypeAtFilterPosition(int position) {
  if (position <= 0 || position >= TYPE_FILTER_COUNT) return -1;
  return position <= PLACEHOLDER_TYPE ? position - 1 : position;
}

LearnableMoves BuildLearnableMoves(SpeciesId species, const MoveListOptions& options) {
  LearnableMoves result;
  result.preEvolutions = PreEvolutionPair(species);
  MoveListBuilder out(options, result.rows);
  if (options.dpPtDifference) {
    LevelUpDifference(out, species, VERSION_DP, VERSION_PT);
    LevelUpDifference(out, species, VERSION_PT, VERSION_DP);
  } else if (options.ptHgssDifference) {
    PtHgssDifference(out, species, result.preEvolutions);
  } else {
    NormalMode(out, options, species, result.preEvolutions);
  }
  return result;
}

}  // namespace kerumina::data
