// Entries and rows shared by the damage and damage report tests.
#pragma once

#include <algorithm>
#include <cstring>

#include "calc/damage.h"
#include "data/species.h"

namespace kerumina::calc::damage_fixture {

constexpr data::SpeciesId WATER = 6;             // ゼニガメ
constexpr data::SpeciesId FIRE = 3;              // ヒトカゲ
constexpr data::SpeciesId NORMAL = 18;           // コラッタ
constexpr data::SpeciesId NORMAL_FLYING = 15;    // ノーマル/ひこう
constexpr data::SpeciesId FIRE_FLYING = 5;       // ほのお/ひこう
constexpr data::SpeciesId GHOST = 199;           // ムウマ
constexpr data::SpeciesId GHOST_POISON = 91;     // ゴースト/どく
constexpr data::SpeciesId ELECTRIC_GHOST = 502;  // でんき/ゴースト
constexpr data::SpeciesId ROCK_GROUND = 73;      // いわ/じめん

constexpr data::MoveId WATER_PHYSICAL_80 = 126;
constexpr data::MoveId WATER_SPECIAL_40 = 54;
constexpr data::MoveId FIRE_SPECIAL_95 = 52;
constexpr data::MoveId NORMAL_PHYSICAL_35 = 32;
constexpr data::MoveId GROUND_ALL_TARGETS = 88;
constexpr data::MoveId POISON_BOTH_FOES = 50;
constexpr data::MoveId FRIENDSHIP = 215;
constexpr data::MoveId IV_TYPED = 236;
constexpr data::MoveId WEATHER_TYPED = 310;
constexpr data::MoveId STATUS_MOVE = 13;
constexpr data::MoveId VARIABLE_POWER = 66;  // power 1 in the table

inline box::BoxEntry Entry(data::SpeciesId species, std::int32_t level = 50) {
  box::BoxEntry entry{};
  std::strcpy(entry.name, "A");
  entry.species = species, entry.level = level, entry.nature = 24;
  std::fill(std::begin(entry.iv), std::end(entry.iv), 31);
  std::fill(std::begin(entry.stat), std::end(entry.stat), 100);
  std::fill(std::begin(entry.move), std::end(entry.move), box::EMPTY_MOVE_SLOT);
  return entry;
}

inline DamageRequest MoveRow(const box::BoxEntry& attacker, const box::BoxEntry& defender,
                             data::MoveId move) {
  return {.attacker = attacker, .defender = defender, .moveId = move};
}

// A water attacker's 80-power physical water move against a normal defender, then changed.
using Tweak = void (*)(DamageRequest&);
inline DamageRequest Row(Tweak tweak) {
  DamageRequest request = MoveRow(Entry(WATER), Entry(NORMAL), WATER_PHYSICAL_80);
  tweak(request);
  return request;
}

inline void MakeDirect(DamageRequest& request, std::int32_t power, std::int32_t category,
                       data::TypeId type) {
  request.rowKind = RowKind::Direct;
  request.directPower = power;
  request.directCategory = category;
  request.directType = type;
}

}  // namespace kerumina::calc::damage_fixture
