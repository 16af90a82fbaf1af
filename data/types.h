// Elemental types with their names and one-character abbreviations, the effectiveness
// chart, and the natures with their stat multipliers: the small tables the calculations
// and the windows share.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kerumina::data {

using TypeId = std::int32_t;
inline constexpr int TYPE_COUNT = 18;
// A slot without a real type; no species or move has it and no list offers it.
inline constexpr TypeId PLACEHOLDER_TYPE = 9;
// The types the damage rules name.
inline constexpr TypeId TYPE_NORMAL = 0;
inline constexpr TypeId TYPE_FIGHTING = 1;
inline constexpr TypeId TYPE_FLYING = 2;
inline constexpr TypeId TYPE_POISON = 3;
inline constexpr TypeId TYPE_GROUND = 4;
inline constexpr TypeId TYPE_ROCK = 5;
inline constexpr TypeId TYPE_BUG = 6;
inline constexpr TypeId TYPE_GHOST = 7;
inline constexpr TypeId TYPE_STEEL = 8;
inline constexpr TypeId TYPE_FIRE = 10;
inline constexpr TypeId TYPE_WATER = 11;
inline constexpr TypeId TYPE_GRASS = 12;
inline constexpr TypeId TYPE_ELECTRIC = 13;
inline constexpr TypeId TYPE_ICE = 15;

extern const char* const TYPE_NAMES[TYPE_COUNT];
extern const char* const TYPE_ABBREVIATIONS[TYPE_COUNT];

// Effectiveness in half units: 0 none, 1 half, 2 normal, 4 double. [attacking][defending].
extern const std::int32_t TYPE_CHART[TYPE_COUNT][TYPE_COUNT];

inline bool IsValidType(std::int64_t id) {
  return id >= 0 && id < TYPE_COUNT;
}
inline std::string_view TypeName(TypeId id) {
  return TYPE_NAMES[id];
}
inline std::string_view TypeAbbreviation(TypeId id) {
  return TYPE_ABBREVIATIONS[id];
}

struct TypeMatchup {
  std::string resistance;  // "　1/2：…　1/4：…　無効：…"
  std::string weakness;    // "　４倍：…　２倍：…"
};

// Resistance and weakness texts of a defending type pair (equal types for a single type).
TypeMatchup TypeMatchupText(TypeId type1, TypeId type2);

using NatureId = std::int32_t;
inline constexpr int NATURE_COUNT = 25;

struct NatureRecord {
  const char* label;
  // Tenths (9, 10, 11) for Atk, Def, SpAtk, SpDef, Speed: display stat s uses [s - 1].
  std::int32_t multiplier[5];
};

extern const NatureRecord NATURES[NATURE_COUNT];

inline bool IsValidNature(std::int64_t id) {
  return id >= 0 && id < NATURE_COUNT;
}
inline std::string_view NatureLabel(NatureId id) {
  return NATURES[id].label;
}

}  // namespace kerumina::data
