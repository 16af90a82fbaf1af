// The species filter behind the search window: conditions in, one row of texts per
// matching species out, and the keys its result columns sort by. Stateless, so the window
// re-runs it on every change of a condition.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "data/abilities.h"
#include "data/battle_rules.h"
#include "data/learnsets.h"
#include "data/moves.h"
#include "data/species.h"
#include "data/types.h"

namespace kerumina::search {

inline constexpr std::int32_t NEUTRAL_UPPER = 512;  // above every base stat
inline constexpr std::int32_t NEUTRAL_LOWER = 0;
inline constexpr std::int32_t NO_TYPE_FILTER = -1;
inline constexpr std::int32_t NO_EGG_GROUP_FILTER = -1;

// One entry of the twelve stat-bound choices; the list position selects the value.
struct StatBoundChoice {
  const char* upperLabel;
  std::int32_t upperValue;
  const char* lowerLabel;
  std::int32_t lowerValue;
};

inline constexpr int STAT_BOUND_CHOICE_COUNT = 12;
extern const StatBoundChoice STAT_BOUND_CHOICES[STAT_BOUND_CHOICE_COUNT];

// A position outside the list reads as position 0 (no restriction).
std::int32_t UpperBoundAt(int position);
std::int32_t LowerBoundAt(int position);

struct SearchConditions {
  // Storage order of the species table: HP, Atk, Def, Speed, SpAtk, SpDef.
  std::array<std::int32_t, data::STAT_COUNT> upper{NEUTRAL_UPPER, NEUTRAL_UPPER, NEUTRAL_UPPER,
                                                   NEUTRAL_UPPER, NEUTRAL_UPPER, NEUTRAL_UPPER};
  std::array<std::int32_t, data::STAT_COUNT> lower{};
  data::TypeId type1Filter = NO_TYPE_FILTER;
  data::TypeId type2Filter = NO_TYPE_FILTER;
  data::AbilityId ability = data::NO_ABILITY;
  data::EggGroupId eggGroup = NO_EGG_GROUP_FILTER;
  data::BattleRuleId rule = data::RULE_NONE;
  data::MoveConditions moves{data::NO_MOVE, data::NO_MOVE, data::NO_MOVE, data::NO_MOVE};
  bool anyMode = true;  // "OR指定"; false = "AND指定"
  data::LearnMethods methods;
  data::GameVersions versions;
};

enum ResultColumn : int {
  COLUMN_NUMBER = 0,
  COLUMN_NAME,
  COLUMN_TYPE1,
  COLUMN_TYPE2,
  COLUMN_ABILITY1,
  COLUMN_ABILITY2,
  COLUMN_HP,
  COLUMN_ATK,
  COLUMN_DEF,
  COLUMN_SPATK,
  COLUMN_SPDEF,
  COLUMN_SPEED,
};
inline constexpr int RESULT_COLUMN_COUNT = 12;
inline constexpr const char* NONE_TEXT = "－";

struct SearchResultRow {
  data::SpeciesId species;
  std::array<std::string, RESULT_COLUMN_COUNT> texts;
};

// Every species but the two egg rows that passes the conditions, in SpeciesId order.
std::vector<SearchResultRow> RunSearch(const SearchConditions& conditions);

// Whether one species passes; RunSearch is this over the table.
bool Matches(const SearchConditions& conditions, data::SpeciesId species);

SearchResultRow BuildResultRow(data::SpeciesId species);

// Sort key comparison of a result column between two species: <0, 0 or >0. The name column
// compares cp932 codes; the others compare ids and base stats.
int CompareByColumn(int column, data::SpeciesId a, data::SpeciesId b);

// The list's sort memory: 0, or column + 1 of the column last sorted ascending. A click on
// that column sorts descending and clears it; any other click sorts ascending.
bool SortsDescending(int sortState, int column);
int NextSortState(int sortState, int column);

}  // namespace kerumina::search
