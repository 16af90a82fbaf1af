// Entries and rows shared by the damage and damage report tests.
#pragma once

#include <algorithm>
#include <cstring>
#include <random>

#include "calc/damage.h"
#include "data/abilities.h"
#include "data/species.h"
#include "data/types.h"

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

// A row in one expression: Make(WATER, NORMAL, 57).Level(100).Items(4, 0).
struct Make {
  DamageRequest r;
  Make(data::SpeciesId attacker, data::SpeciesId defender, data::MoveId move)
      : r{.attacker = Entry(attacker), .defender = Entry(defender), .moveId = move} {}
  explicit Make(const DamageRequest& request) : r(request) {}
  Make& Level(std::int32_t level) { return r.attacker->level = level, *this; }
  Make& Items(std::int32_t attacker, std::int32_t defender) {
    return r.attacker->item = attacker, r.defender->item = defender, *this;
  }
  Make& Abilities(std::int32_t attacker, std::int32_t defender) {
    return r.attacker->ability = attacker, r.defender->ability = defender, *this;
  }
  Make& Stages(std::int32_t attack, std::int32_t defence) {
    return r.attackStage = attack, r.defenceStage = defence, *this;
  }
  // The attacker's stat and the defender's matching one (Def for Atk, SpDef for SpAtk).
  Make& Stat(std::int32_t stat, std::int32_t attack, std::int32_t defence) {
    return r.attacker->stat[stat] = attack, r.defender->stat[stat + 1] = defence, *this;
  }
  Make& Hp(std::int32_t hp) { return r.defender->stat[data::STAT_HP] = hp, *this; }
  Make& With(void (*tweak)(DamageRequest&)) { return tweak(r), *this; }
  operator DamageRequest() const { return r; }
};

inline void MakeDirect(DamageRequest& request, std::int32_t power, std::int32_t category,
                       data::TypeId type) {
  request.rowKind = RowKind::Direct;
  request.directPower = power;
  request.directCategory = category;
  request.directType = type;
}

// Box records and rows, valid and not, for the property tests: a quarter of the records are
// raw bytes, the rest in range but for a stray stat or species now and then.
class RandomRows {
 public:
  explicit RandomRows(std::uint32_t seed) : random_(seed) {}

  std::int32_t Uniform(std::int32_t lo, std::int32_t hi) {
    return std::uniform_int_distribution<std::int32_t>(lo, hi)(random_);
  }

  box::BoxEntry NextEntry() {
    box::BoxEntry entry = Entry(Uniform(0, data::SPECIES_COUNT - 1), Uniform(1, 100));
    if (Uniform(0, 3) == 0) {
      auto* bytes = reinterpret_cast<unsigned char*>(&entry);
      for (std::size_t i = 0; i < sizeof entry; ++i) bytes[i] = Uniform(0, 255);
      return entry;
    }
    entry.nature = Uniform(0, data::NATURE_COUNT - 1);
    entry.ability = Uniform(0, data::ABILITY_COUNT - 1);
    entry.item = Uniform(0, data::ITEM_COUNT - 1);
    entry.statsEntered = Uniform(0, 1);
    for (int s = 0; s < 6; ++s)
      entry.iv[s] = Uniform(0, 255), entry.ev[s] = Uniform(0, 255), entry.stat[s] = Uniform(1, 999);
    for (auto& move : entry.move)
      move = Uniform(0, 4) == 0 ? box::EMPTY_MOVE_SLOT : Uniform(0, data::MOVE_COUNT - 1);
    if (Uniform(0, 9) == 0) entry.stat[Uniform(0, 5)] = Uniform(-5, 1005);
    if (Uniform(0, 19) == 0) entry.species = Uniform(-3, 600);
    return entry;
  }

  DamageRequest NextRow() {
    DamageRequest request;
    if (Uniform(0, 49) != 0) request.attacker = NextEntry();
    if (Uniform(0, 49) != 0) request.defender = NextEntry();
    const int row = Uniform(0, 5);
    request.moveId = row < 4 && request.attacker ? request.attacker->move[row]
                                                 : Uniform(-2, data::MOVE_COUNT + 1);
    MakeDirect(request, 5 * Uniform(-1, 41), Uniform(-1, 3), Uniform(-1, data::TYPE_COUNT));
    request.rowKind = row < 4 ? RowKind::OwnMove : row == 4 ? RowKind::ListMove : RowKind::Direct;
    request.weather = Uniform(-1, WEATHER_COUNT);
    request.attackStage = Uniform(-7, 7);
    request.defenceStage = Uniform(-7, 7);
    using R = DamageRequest;
    for (bool R::*flag :
         {&R::helpingHand, &R::burned, &R::flowerGift, &R::reflect, &R::lightScreen, &R::gravity,
          &R::foresight, &R::abilityActive, &R::berryActive, &R::doubleBattle})
      request.*flag = Uniform(0, 1);
    return request;
  }

 private:
  std::mt19937 random_;
};

}  // namespace kerumina::calc::damage_fixture
