// Ability names and the held items that matter for damage: vocabularies the box entries
// store by id.
#pragma once

#include <cstdint>
#include <string_view>

#include "data/species.h"

namespace kerumina::data {

using AbilityId = std::int32_t;
inline constexpr int ABILITY_COUNT = 124;
inline constexpr AbilityId NO_ABILITY = 0;  // "無指定"

extern const NameSlot ABILITY_NAME_SLOTS[ABILITY_COUNT];  // cp932
extern const char* const ABILITY_NAMES[ABILITY_COUNT];    // UTF-8

inline bool IsValidAbility(std::int64_t id) {
  return id >= 0 && id < ABILITY_COUNT;
}
inline std::string_view AbilityName(AbilityId id) {
  return ABILITY_NAMES[id];
}

// Abilities the damage calculation names.
enum Ability : AbilityId {
  ABILITY_THICK_FAT = 3,      // あついしぼう
  ABILITY_TINTED_LENS = 11,   // いろめがね
  ABILITY_AIR_LOCK = 13,      // エアロック
  ABILITY_MOLD_BREAKER = 18,  // かたやぶり
  ABILITY_DRY_SKIN = 22,      // かんそうはだ
  ABILITY_SCRAPPY = 24,       // きもったま
  ABILITY_TORRENT = 29,       // げきりゅう
  ABILITY_GUTS = 30,          // こんじょう
  ABILITY_SOLAR_POWER = 32,   // サンパワー
  ABILITY_OVERGROW = 40,      // しんりょく
  ABILITY_SLOW_START = 48,    // スロースタート
  ABILITY_HEATPROOF = 51,     // たいねつ
  ABILITY_SIMPLE = 54,        // たんじゅん
  ABILITY_HUGE_POWER = 55,    // ちからもち
  ABILITY_VOLT_ABSORB = 56,   // ちくでん
  ABILITY_WATER_ABSORB = 58,  // ちょすい
  ABILITY_ADAPTABILITY = 59,  // てきおうりょく
  ABILITY_TECHNICIAN = 60,    // テクニシャン
  ABILITY_MOTOR_DRIVE = 62,   // でんきエンジン
  ABILITY_FORECAST = 63,      // てんきや
  ABILITY_UNAWARE = 64,       // てんねん
  ABILITY_CLOUD_NINE = 75,    // ノーてんき
  ABILITY_NORMALIZE = 76,     // ノーマルスキン
  ABILITY_SOLID_ROCK = 77,    // ハードロック
  ABILITY_HUSTLE = 81,        // はりきり
  ABILITY_FILTER = 84,        // フィルター
  ABILITY_KLUTZ = 85,         // ぶきよう
  ABILITY_WONDER_GUARD = 89,  // ふしぎなまもり
  ABILITY_LEVITATE = 91,      // ふゆう
  ABILITY_SWARM = 108,        // むしのしらせ
  ABILITY_BLAZE = 111,        // もうか
  ABILITY_FLASH_FIRE = 113,   // もらいび
  ABILITY_PURE_POWER = 119,   // ヨガパワー
};

using ItemId = std::int32_t;
inline constexpr int ITEM_COUNT = 38;
// The empty row the editor lists last; the rows after it act only in the game model's battle.
inline constexpr ItemId ITEM_EMPTY_ROW = 16;

// How an item changes damage: attack kinds 1 every attack, 2 physical, 3 special,
// 4 only when super effective, 5 and 6 the two stage-raising berries; defence kinds
// 2 against physical, 3 against special. Factors are in tenths.
struct ItemRecord {
  const char* name;
  std::int32_t attackKind;
  std::int32_t attackFactor;
  std::int32_t defenceKind;
  std::int32_t defenceFactor;
};

extern const ItemRecord ITEMS[ITEM_COUNT];

inline bool IsValidItem(std::int64_t id) {
  return id >= 0 && id < ITEM_COUNT;
}
inline std::string_view ItemName(ItemId id) {
  return ITEMS[id].name;
}

}  // namespace kerumina::data
