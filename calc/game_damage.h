// The damage the games themselves deal: they truncate after every modifier and draw one of
// sixteen random factors before the same-type bonus and the type factors, so the classic
// model's single exact fraction misses the range and the hits to faint in a fair share of
// rows. This model runs beside the classic one over the same request and never shares its
// arithmetic; the window and the command line choose between them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "calc/damage.h"

namespace kerumina::calc {

inline constexpr int ROLL_COUNT = 16;  // random factors 85..100 %
inline constexpr std::int32_t ROLL_MIN = 85;
inline constexpr int KO_HITS_MAX = 4;
// The move type of the moves the games let hit without a type (no type factor, no
// same-type bonus, no rule that asks for a type).
inline constexpr data::TypeId TYPELESS = -1;

// count of the 16^n equally likely roll sequences over 16^n.
struct KoChance {
  std::int64_t numerator = 0;
  std::int64_t denominator = 1;
};

struct GameDamageResult {
  bool skipped = true;         // nothing computed, as the classic model decides, or a status row
  bool notComputable = false;  // a move without a fixed power
  bool immune = false;         // every roll 0
  std::array<std::int64_t, ROLL_COUNT> rolls{};  // [r - 85] for r = 85..100
  std::int64_t minDamage = 0;
  std::int64_t maxDamage = 0;
  double minPercent = 0;  // of the defender's HP, truncated to tenths
  double maxPercent = 0;
  std::int64_t hitsMin = 0;
  std::int64_t hitsMax = 0;
  std::array<KoChance, KO_HITS_MAX + 1> koChance{};  // [n] for n hits; [0] is always 0
  data::TypeId moveType = TYPELESS;                  // as used: after weather, IVs, ability
  std::int32_t movePower = 0;                        // before the power modifiers
  double multiplier = 0;                             // same-type factor × type factors
  std::vector<std::string> notes;                    // the assumptions the row rests on
};

GameDamageResult ComputeGameDamage(const DamageRequest& request);

// The cells of a row the window shows when it computes as the games do.
std::string GameMultiplierCell(const GameDamageResult& result);
std::string GameDamageCell(const GameDamageResult& result);
std::string GameHitsCell(const GameDamageResult& result);
// A KO chance as the cells and the report print it: a chance that is neither 0 nor 1 never
// reads "0.0" or "100.0".
double KoPercent(const KoChance& chance);

}  // namespace kerumina::calc
