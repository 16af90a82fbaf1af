// The species table: one row per species, alternate form and egg, with base stats, types,
// abilities, breeding data and names, and the evolution table that links the rows. Every
// tool reads these rows; nothing writes them.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace kerumina::data {

using SpeciesId = std::int32_t;
inline constexpr int SPECIES_COUNT = 507;
// Rows 493 and 494 are the egg entries; no list ever offers them.
inline constexpr SpeciesId EGG_SPECIES = 493;
inline constexpr SpeciesId DAMAGED_EGG_SPECIES = 494;
inline constexpr SpeciesId NO_SPECIES = 0xFFFF;

// Display order, the working order of the whole program.
enum DisplayStat : int {
  STAT_HP = 0,
  STAT_ATK = 1,
  STAT_DEF = 2,
  STAT_SPATK = 3,
  STAT_SPDEF = 4,
  STAT_SPEED = 5,
};
inline constexpr int STAT_COUNT = 6;

// Storage order of base stats in the species table (and the bit order of hidden power).
enum SpeciesStat : int {
  SPECIES_HP = 0,
  SPECIES_ATK = 1,
  SPECIES_DEF = 2,
  SPECIES_SPEED = 3,
  SPECIES_SPATK = 4,
  SPECIES_SPDEF = 5,
};

// Maps a display index to its storage index.
inline constexpr std::array<int, STAT_COUNT> DISPLAY_TO_SPECIES_STAT = {
    SPECIES_HP, SPECIES_ATK, SPECIES_DEF, SPECIES_SPATK, SPECIES_SPDEF, SPECIES_SPEED};

// Six values in display order (HP, Atk, Def, SpAtk, SpDef, Speed).
using StatBlock = std::array<std::int32_t, STAT_COUNT>;

inline constexpr std::array<const char*, STAT_COUNT> STAT_LABELS = {
    "HP", "こうげき", "ぼうぎょ", "とくこう", "とくぼう", "すばやさ"};
inline constexpr std::array<const char*, STAT_COUNT> STAT_SHORT_LABELS = {"HP",  "ATK", "DEF",
                                                                          "SAT", "SDF", "SPD"};

struct SpeciesRecord {
  std::int32_t number;   // SpeciesId + 1
  std::int32_t base[6];  // storage order
  std::int32_t type1;
  std::int32_t type2;  // equals type1 for a single-typed species
  std::int32_t catchRate;
  std::int32_t baseExp;
  std::int32_t baseFriendship;
  std::int32_t heldItemCommon;
  std::int32_t heldItemRare;
  std::int32_t femaleRatio;  // half-percent units; 255 = genderless
};
static_assert(sizeof(SpeciesRecord) == 60);

inline constexpr std::int32_t GENDERLESS = 255;

// A NUL-terminated cp932 name in a fixed slot, as the tables store names.
struct NameSlot {
  char bytes[32];
};

struct SpeciesAbilities {
  std::int32_t ability1;
  std::int32_t ability2;  // 0 = only one ability
};

using EggGroupId = std::int32_t;
inline constexpr EggGroupId NO_EGG_GROUP = 255;
inline constexpr int EGG_GROUP_COUNT = 16;
inline constexpr EggGroupId EGG_GROUP_DITTO = 14;
inline constexpr EggGroupId EGG_GROUP_UNDISCOVERED = 15;

struct EggRecord {
  std::int32_t hatchSteps;
  EggGroupId eggGroup1;
  EggGroupId eggGroup2;  // NO_EGG_GROUP when there is none
};

struct EggGroupRecord {
  // List position at which a selection list inserts this name instead of appending it,
  // so that the three water groups stand together; -1 = append.
  std::int32_t comboPosition;
  const char* name;
};

inline constexpr int EVOLUTION_COUNT = 248;

struct EvolutionRecord {
  std::int32_t from;   // species number (SpeciesId + 1)
  std::int32_t to;     // species number
  char condition[64];  // cp932: the level as digits, or a condition text
};
static_assert(sizeof(EvolutionRecord) == 72);

extern const SpeciesRecord SPECIES_TABLE[SPECIES_COUNT];
extern const NameSlot SPECIES_NAME_SLOTS[SPECIES_COUNT];
extern const char* const SPECIES_NAMES[SPECIES_COUNT];  // UTF-8
extern const SpeciesAbilities SPECIES_ABILITIES[SPECIES_COUNT];
extern const EggRecord EGG_TABLE[SPECIES_COUNT];
extern const EggGroupRecord EGG_GROUPS[EGG_GROUP_COUNT];
extern const EvolutionRecord EVOLUTION_TABLE[EVOLUTION_COUNT];
extern const char* const EVOLUTION_CONDITIONS[EVOLUTION_COUNT];  // UTF-8

inline bool IsValidSpecies(std::int64_t id) {
  return id >= 0 && id < SPECIES_COUNT;
}

inline const SpeciesRecord& Species(SpeciesId id) {
  return SPECIES_TABLE[id];
}
inline std::string_view SpeciesName(SpeciesId id) {
  return SPECIES_NAMES[id];
}
inline std::string_view SpeciesNameCp932(SpeciesId id) {
  return SPECIES_NAME_SLOTS[id].bytes;
}
inline std::string_view EggGroupName(EggGroupId id) {
  return EGG_GROUPS[id].name;
}

// Base stats mapped from storage order to display order.
StatBlock BaseStats(SpeciesId id);

// The direct pre-evolution, or NO_SPECIES.
SpeciesId PreEvolutionOf(SpeciesId id);

// The direct evolutions in evolution-table order.
std::vector<SpeciesId> Evolutions(SpeciesId id);

// Index of the first evolution record leading from / to the species, or EVOLUTION_COUNT.
int FindEvolutionFrom(SpeciesId id);
int FindEvolutionTo(SpeciesId id);

// The two pre-evolution stages shown for a species, smaller SpeciesId first, NO_SPECIES
// (which sorts last) where a stage is missing.
std::array<SpeciesId, 2> PreEvolutionPair(SpeciesId id);

// Every descendant, breadth first: direct evolutions, then their evolutions.
std::vector<SpeciesId> Descendants(SpeciesId id);

}  // namespace kerumina::data
