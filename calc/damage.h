// The damage of one attack row: the box window runs it for six rows on every change, and
// the damage report explains the result from the trace it keeps. A pure function of the
// request and the static tables.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "box/box_entry.h"
#include "data/moves.h"
#include "data/types.h"

namespace kerumina::calc {

enum class RowKind {
  OwnMove,   // rows 0..3: the attacker's move slots
  ListMove,  // row 4: a move picked from the attacker's learnable moves
  Direct,    // row 5: power, category and type chosen by hand
};

enum Weather : std::int32_t {
  WEATHER_NONE = 0,
  WEATHER_SUN = 1,
  WEATHER_RAIN = 2,
  WEATHER_SANDSTORM = 3,
  WEATHER_HAIL = 4,
};
inline constexpr int WEATHER_COUNT = 5;
inline constexpr std::array<const char*, WEATHER_COUNT> WEATHER_NAMES = {"通常", "晴れ", "雨",
                                                                         "砂嵐", "霰"};

// The defender's status in the battle around a hit.
enum class DefenderStatus : std::int32_t { None, Poison, Toxic, Burn };
inline constexpr std::int32_t SPIKES_MAX = 3;

inline constexpr std::int32_t STAGE_MIN = -6;
inline constexpr std::int32_t STAGE_MAX = 6;
inline constexpr std::int32_t DIRECT_POWER_MAX = 200;

struct DamageRequest {
  std::optional<box::BoxEntry> attacker;  // empty: side not chosen
  std::optional<box::BoxEntry> defender;
  RowKind rowKind = RowKind::OwnMove;
  data::MoveId moveId = data::NO_MOVE;  // OwnMove and ListMove
  std::int32_t directPower = 5;         // Direct: 5, 10, ... 200
  std::int32_t directCategory = data::CATEGORY_PHYSICAL;
  data::TypeId directType = 0;
  std::int32_t weather = WEATHER_NONE;
  std::int32_t attackStage = 0;  // the attacker's attack-side stage, -6..+6
  std::int32_t defenceStage = 0;
  bool helpingHand = false;
  bool burned = false;
  bool flowerGift = false;
  bool reflect = false;
  bool lightScreen = false;
  bool gravity = false;
  bool foresight = false;
  bool abilityActive = false;
  bool berryActive = false;
  bool doubleBattle = false;
  // The battle around the hit; only the game model reads these.
  bool critical = false;
  bool stealthRock = false;
  std::int32_t spikes = 0;  // layers on the defender's side
  DefenderStatus defenderStatus = DefenderStatus::None;
  bool leechSeed = false;
};

inline constexpr const char* NO_VALUE_CELL = "－";
inline constexpr const char* IMMUNE_CELL = "無効";

struct DamageResult {
  bool skipped = true;                         // nothing computed; no trace, no report
  bool notComputable = false;                  // a move without a fixed power
  bool immune = false;                         // maxDamage 0
  std::string multiplierText = NO_VALUE_CELL;  // the three result cells
  std::string damageText = NO_VALUE_CELL;
  std::string hitsText = NO_VALUE_CELL;
  std::int64_t maxDamage = 0;
  std::int64_t minDamage = 0;
  std::int64_t hitsMin = 0;
  std::int64_t hitsMax = 0;
  // Power, category and type before any rule changes them: the row's cells and the
  // report's move block show these (they differ from the table for MoveIds 236 and 310).
  std::int32_t movePower = 0;
  std::int32_t moveCategory = -1;
  data::TypeId moveType = -1;
  std::vector<std::string> trace;  // report lines without their CR LF
};

// Both sides chosen and valid, a move (or direct values) present and every condition in the
// range the box window offers. ComputeDamage skips any other request, so no field of an
// untrusted box entry or caller ever indexes a table.
bool IsValidRequest(const DamageRequest& request);

DamageResult ComputeDamage(const DamageRequest& request);

}  // namespace kerumina::calc
