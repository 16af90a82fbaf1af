// Battle-rule presets that narrow the species offered by the selection lists, and the
// one decision function behind them.
#pragma once

#include <cstdint>
#include <vector>

#include "data/species.h"

namespace kerumina::data {

using BattleRuleId = std::int32_t;
inline constexpr int BATTLE_RULE_COUNT = 7;
inline constexpr int EXCLUSION_COUNT = 20;
inline constexpr int REGIONAL_SLOTS = 220;

enum BattleRule : BattleRuleId {
  RULE_NONE = 0,
  RULE_FINAL_STAGE = 1,
  RULE_JUST_HATCHED = 2,
  RULE_TOWER = 3,
  RULE_REGIONAL_DP = 4,
  RULE_PARK = 5,
  RULE_REGIONAL_PT = 6,
};

// Level-list hints of the entry edit window (list index 49 = level 50, 29 = level 30).
inline constexpr int TOWER_LEVEL_INDEX = 49;
inline constexpr int PARK_LEVEL_INDEX = 29;

using RegionalList = std::int32_t[REGIONAL_SLOTS];  // species numbers; 0 = empty slot

extern const char* const BATTLE_RULE_LABELS[BATTLE_RULE_COUNT];
extern const std::int32_t EXCLUSION_LIST[EXCLUSION_COUNT];  // species numbers
extern const RegionalList REGIONAL_LIST_DP;
extern const RegionalList REGIONAL_LIST_PT;

bool PassesBattleRule(BattleRuleId rule, SpeciesId species);

// Every row but the two egg rows, in SpeciesId order, that passes the rule.
std::vector<SpeciesId> RuleFilteredSpecies(BattleRuleId rule);

}  // namespace kerumina::data
