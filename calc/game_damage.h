// The damage the games themselves deal: they truncate after every modifier and draw one of
// sixteen random factors before the same-type bonus and the type factors, so the classic
// model's single exact fraction misses the range and the hits to faint in a fair share of
// rows. This model runs beside the classic one over the same request and never shares its
// arithmetic; the window and the command line choose between them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "calc/damage.h"

namespace kerumina::calc {

inline constexpr int ROLL_COUNT = 16;  // random factors 85..100 %
inline constexpr std::int32_t ROLL_MIN = 85;
inline constexpr int KO_HITS_MAX = 4;
// The turns the battle over turns looks for the fewest and most turns to faint in.
inline constexpr int BATTLE_TURNS_MAX = 9;
// The move type of the moves the games let hit without a type (no type factor, no
// same-type bonus, no rule that asks for a type).
inline constexpr data::TypeId TYPELESS = -1;

using Rolls = std::array<std::int64_t, ROLL_COUNT>;  // [r - 85] for r = 85..100

// How many times a move strikes in one use, with its chance in eighths.
struct StrikeCount {
  std::int32_t count = 1;
  std::int32_t weight = 8;
};
inline constexpr std::int32_t STRIKE_WEIGHT_TOTAL = 8;

// A strike of a use other than the row's first: トリプルキック's later powers, or a defender
// that no longer holds its item.
struct StrikeSetup {
  std::int32_t power = 0;  // 0: the row's own
  bool defenderItemLost = false;
};

// count of the 16^n equally likely roll sequences over 16^n.
struct KoChance {
  std::int64_t numerator = 0;
  std::int64_t denominator = 1;
};

struct GameDamageResult {
  bool skipped = true;         // nothing computed, as the classic model decides, or a status row
  bool notComputable = false;  // a move without a fixed power
  bool immune = false;         // every roll 0
  Rolls rolls{};               // the first strike
  bool critical = false;       // computed as a critical hit
  bool berryHalved = false;    // the defender's berry halved the strike
  std::int64_t minDamage = 0;  // of one use
  std::int64_t maxDamage = 0;
  double minPercent = 0;  // of the defender's HP, truncated to tenths
  double maxPercent = 0;
  std::int64_t hitsMin = 0;  // turns; 0: not within the turns the battle follows
  std::int64_t hitsMax = 0;
  std::array<KoChance, KO_HITS_MAX + 1> koChance{};  // [n] for n hits; [0] is always 0
  data::TypeId moveType = TYPELESS;                  // as used: after weather, IVs, ability
  std::int32_t movePower = 0;                        // before the power modifiers
  double multiplier = 0;                             // same-type factor × type factors
  std::vector<std::string> notes;                    // the assumptions the row rests on

  // The battle over turns (calc/battle); a lone strike leaves these as they are.
  std::vector<StrikeCount> strikes{StrikeCount{}};
  std::vector<Rolls> strikeRolls;  // one use, strike by strike
  std::int64_t entryDamage = 0;
  bool entryFaints = false;
  bool koExact = true;  // koChance counts sequences; otherwise only koProbability holds
  std::array<double, KO_HITS_MAX + 1> koProbability{};  // fainted by the end of turn n
  std::vector<std::string> endOfTurn;                   // the report's end-of-turn lines
};

// One strike: the row's first unless a setup says otherwise, with KO chances of that strike
// repeated.
GameDamageResult ComputeGameDamage(const DamageRequest& request, const StrikeSetup& setup = {});

// What the battle around a strike shares with it: the weather in play, a side's types in it
// and the defender's status where the games allow one.
std::int32_t WeatherInPlay(const DamageRequest& request);
std::pair<data::TypeId, data::TypeId> TypesInBattle(const box::BoxEntry& entry,
                                                    std::int32_t weather);
bool StatusPossible(const box::BoxEntry& defender, DefenderStatus status);
bool SeedPossible(const box::BoxEntry& defender);

// The cells of a row the window shows when it computes as the games do.
std::string GameMultiplierCell(const GameDamageResult& result);
std::string GameDamageCell(const GameDamageResult& result);
std::string GameHitsCell(const GameDamageResult& result);
// A KO chance as the cells and the report print it: a chance that is neither 0 nor 1 never
// reads "0.0" or "100.0".
double KoPercent(const KoChance& chance);
double KoPercent(double probability);

}  // namespace kerumina::calc
