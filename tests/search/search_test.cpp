#include "search/search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace kerumina::search {
namespace {

using data::MoveId;
using data::NO_MOVE;
using data::SpeciesId;

// Move and species ids of the data set that the cases below rely on.
constexpr SpeciesId BULBASAUR_LINE[3] = {0, 1, 2};  // three stages
constexpr MoveId MOVE_ONLY_FINAL_STAGE = 45;        // ほえる: learnt by 2 only in its line
constexpr MoveId MOVE_ONLY_FIRST_STAGE = 112;       // ひかりのかべ: learnt by 0 only
constexpr MoveId MOVE_ONLY_290 = 13;                // つるぎのまい: 290, not 289 or 291
constexpr MoveId FIRST_DPPT_MACHINE_MOVE = 263;     // きあいパンチ, machine slot 0
constexpr data::TypeId FIRE = 10;
constexpr data::TypeId GRASS = 12;
constexpr data::TypeId POISON = 3;

std::vector<SpeciesId> Ids(const std::vector<SearchResultRow>& rows) {
  std::vector<SpeciesId> ids;
  for (const SearchResultRow& row : rows) ids.push_back(row.species);
  return ids;
}

bool Lists(const std::vector<SearchResultRow>& rows, SpeciesId s) {
  return std::any_of(rows.begin(), rows.end(),
                     [s](const SearchResultRow& row) { return row.species == s; });
}

SearchConditions EveryMethodAndVersion() {
  SearchConditions c;
  c.methods = {true, true, true, true};
  c.versions = {true, true, true};
  return c;
}

TEST(RunSearch, NoConditionListsEverySpeciesButTheEggs) {
  const std::vector<SearchResultRow> rows = RunSearch(SearchConditions{});
  ASSERT_EQ(rows.size(), 505u);
  std::vector<SpeciesId> expected;
  for (SpeciesId s = 0; s < data::SPECIES_COUNT; ++s) {
    if (s != 493 && s != 494) expected.push_back(s);
  }
  EXPECT_EQ(Ids(rows), expected);
}

TEST(RunSearch, RowTextsFollowTheColumns) {
  const std::vector<SearchResultRow> rows = RunSearch(SearchConditions{});
  const std::array<std::string, RESULT_COLUMN_COUNT> bulbasaur = {
      "1", "フシギダネ", "くさ", "どく", "しんりょく", "－", "45", "49", "49", "65", "65", "45"};
  EXPECT_EQ(rows[0].texts, bulbasaur);
  EXPECT_EQ(rows[3].texts[COLUMN_TYPE1], "ほのお");
  EXPECT_EQ(rows[3].texts[COLUMN_TYPE2], "－");
  for (const SearchResultRow& row : rows) {
    const data::SpeciesRecord& record = data::Species(row.species);
    EXPECT_EQ(row.texts[COLUMN_TYPE2] == "－", record.type1 == record.type2) << row.species;
    EXPECT_EQ(row.texts[COLUMN_ABILITY2] == "－",
              data::SPECIES_ABILITIES[row.species].ability2 == 0)
        << row.species;
    // Stats in display order: speed last, though the table stores it fourth.
    EXPECT_EQ(row.texts[COLUMN_SPEED], std::to_string(record.base[data::SPECIES_SPEED]));
  }
}

TEST(RunSearch, EqualUpperAndLowerBoundKeepExactlyThatValue) {
  SearchConditions c;
  c.upper[data::SPECIES_HP] = UpperBoundAt(11);
  c.lower[data::SPECIES_HP] = LowerBoundAt(11);
  const std::vector<SearchResultRow> rows = RunSearch(c);
  EXPECT_EQ(rows.size(), 43u);
  for (const SearchResultRow& row : rows) EXPECT_EQ(row.texts[COLUMN_HP], "50");
}

TEST(RunSearch, BoundChoicesReadByPosition) {
  EXPECT_EQ(UpperBoundAt(0), 512);
  EXPECT_EQ(LowerBoundAt(0), 0);
  EXPECT_EQ(UpperBoundAt(5), 105);
  EXPECT_STREQ(STAT_BOUND_CHOICES[7].upperLabel, "95以下");
  EXPECT_STREQ(STAT_BOUND_CHOICES[7].lowerLabel, "95以上");
  EXPECT_EQ(UpperBoundAt(12), 512);
  EXPECT_EQ(LowerBoundAt(-1), 0);
}

TEST(RunSearch, TypeFilters) {
  struct Case {
    data::TypeId filter1, filter2;
    std::size_t count;
  };
  for (const Case& k : {Case{FIRE, -1, 33}, Case{-1, FIRE, 33}, Case{FIRE, FIRE, 20}}) {
    SearchConditions c;
    c.type1Filter = k.filter1;
    c.type2Filter = k.filter2;
    const std::vector<SearchResultRow> rows = RunSearch(c);
    EXPECT_EQ(rows.size(), k.count) << k.filter1 << "," << k.filter2;
    for (const SearchResultRow& row : rows) {
      const data::SpeciesRecord& r = data::Species(row.species);
      EXPECT_TRUE(r.type1 == FIRE || r.type2 == FIRE);
      if (k.filter1 == k.filter2) {
        EXPECT_EQ(r.type1, r.type2);
      }
    }
  }
  SearchConditions both;
  both.type1Filter = POISON;
  both.type2Filter = GRASS;
  const std::vector<SearchResultRow> rows = RunSearch(both);
  EXPECT_TRUE(Lists(rows, 0));
  for (const SearchResultRow& row : rows) {
    const data::SpeciesRecord& r = data::Species(row.species);
    EXPECT_TRUE((r.type1 == GRASS && r.type2 == POISON) || (r.type1 == POISON && r.type2 == GRASS));
  }
}

TEST(RunSearch, AbilityEggGroupAndRuleFilters) {
  SearchConditions ability;
  ability.ability = 40;  // しんりょく
  for (const SearchResultRow& row : RunSearch(ability)) {
    EXPECT_TRUE(row.texts[COLUMN_ABILITY1] == "しんりょく" ||
                row.texts[COLUMN_ABILITY2] == "しんりょく");
  }
  EXPECT_TRUE(Lists(RunSearch(ability), 2));

  SearchConditions egg;
  egg.eggGroup = data::EGG_TABLE[0].eggGroup2;  // matched through the second group
  EXPECT_TRUE(Lists(RunSearch(egg), 0));
  // The absent second group is stored as 255; it must never act as a group.
  egg.eggGroup = data::NO_EGG_GROUP;
  EXPECT_TRUE(RunSearch(egg).empty());

  SearchConditions rule;
  rule.rule = data::RULE_FINAL_STAGE;
  const std::vector<SearchResultRow> finals = RunSearch(rule);
  EXPECT_FALSE(Lists(finals, 0));
  EXPECT_FALSE(Lists(finals, 1));
  EXPECT_TRUE(Lists(finals, 2));
}

TEST(RunSearch, MoveWithoutAnyMethodMatchesNothing) {
  SearchConditions c;
  c.versions = {true, true, true};
  c.moves[0] = MOVE_ONLY_FIRST_STAGE;
  EXPECT_TRUE(RunSearch(c).empty());
  c.anyMode = false;
  EXPECT_TRUE(RunSearch(c).empty());
  c.moves[0] = NO_MOVE;
  EXPECT_EQ(RunSearch(c).size(), 505u);
}

TEST(RunSearch, DpptMachineCountsWithEveryVersionOff) {
  SearchConditions c;
  c.methods.machine = true;
  c.moves[2] = FIRST_DPPT_MACHINE_MOVE;
  const std::vector<SearchResultRow> rows = RunSearch(c);
  EXPECT_FALSE(rows.empty());
  c.methods = {true, false, false, false};  // level-up needs a version
  EXPECT_TRUE(RunSearch(c).empty());
}

TEST(RunSearch, AllModeCombinesMovesOfDifferentStages) {
  SearchConditions c = EveryMethodAndVersion();
  c.anyMode = false;
  c.moves = {MOVE_ONLY_FINAL_STAGE, MOVE_ONLY_FIRST_STAGE, NO_MOVE, NO_MOVE};
  const std::vector<SearchResultRow> rows = RunSearch(c);
  EXPECT_TRUE(Lists(rows, BULBASAUR_LINE[2]));  // one move itself, one two stages back
  EXPECT_FALSE(Lists(rows, BULBASAUR_LINE[0]));
  EXPECT_FALSE(Lists(rows, BULBASAUR_LINE[1]));
}

TEST(RunSearch, AnyModeFindsAMoveOnlyThePreEvolutionsLearn) {
  SearchConditions c = EveryMethodAndVersion();
  c.moves = {NO_MOVE, MOVE_ONLY_FIRST_STAGE, NO_MOVE, NO_MOVE};
  const std::vector<SearchResultRow> rows = RunSearch(c);
  for (SpeciesId s : BULBASAUR_LINE) EXPECT_TRUE(Lists(rows, s)) << s;
}

TEST(RunSearch, Species291LearnsWhat290Learns) {
  SearchConditions c = EveryMethodAndVersion();
  c.moves[0] = MOVE_ONLY_290;
  const std::vector<SearchResultRow> rows = RunSearch(c);
  EXPECT_TRUE(Lists(rows, 290));
  EXPECT_TRUE(Lists(rows, 291));
  EXPECT_FALSE(Lists(rows, 289));
}

// With every method and version on, a species is listed exactly when each move (all mode)
// or some move (any mode) is learnable somewhere in its line: the independent whole-chain
// lookup must agree. A marking that leaked from one species to the next would list
// species that learn nothing.
TEST(RunSearch, AgreesWithTheWholeChainLookup) {
  const std::vector<data::MoveConditions> moveSets = {
      {MOVE_ONLY_FINAL_STAGE, MOVE_ONLY_FIRST_STAGE, NO_MOVE, NO_MOVE},
      {MOVE_ONLY_290, 57, 89, NO_MOVE},
      {FIRST_DPPT_MACHINE_MOVE, NO_MOVE, 14, 200},
  };
  for (const data::MoveConditions& moves : moveSets) {
    for (bool anyMode : {true, false}) {
      SearchConditions c = EveryMethodAndVersion();
      c.anyMode = anyMode;
      c.moves = moves;
      std::set<SpeciesId> expected;
      for (SpeciesId s = 0; s < data::SPECIES_COUNT; ++s) {
        if (s == 493 || s == 494) continue;
        int learnt = 0, given = 0;
        for (MoveId m : moves) {
          if (m == NO_MOVE) continue;
          ++given;
          learnt += data::CanLearnAny(s, m);
        }
        if (anyMode ? learnt > 0 : learnt == given) expected.insert(s);
      }
      const std::vector<SpeciesId> ids = Ids(RunSearch(c));
      EXPECT_EQ(std::set<SpeciesId>(ids.begin(), ids.end()), expected)
          << "any=" << anyMode << " first move " << moves[0];
    }
  }
}

TEST(SortResults, ColumnKeys) {
  EXPECT_LT(CompareByColumn(COLUMN_NUMBER, 3, 7), 0);
  // cp932 puts the long-vowel mark before every katakana; UTF-8 puts it after.
  EXPECT_LT(CompareByColumn(COLUMN_NAME, 7, 8), 0);  // カメール < カメックス
  EXPECT_GT(CompareByColumn(COLUMN_NAME, 0, 3), 0);  // フシギダネ > ヒトカゲ
  EXPECT_EQ(CompareByColumn(COLUMN_NAME, 5, 5), 0);
  EXPECT_GT(CompareByColumn(COLUMN_TYPE2, 3, 0), 0);     // single fire (10) > poison (3)
  EXPECT_GT(CompareByColumn(COLUMN_SPEED, 3, 0), 0);     // 65 > 45
  EXPECT_EQ(CompareByColumn(COLUMN_ABILITY2, 0, 3), 0);  // both none
}

TEST(SortResults, SortedColumnsAreOrderedByTheirKeys) {
  for (int column = 0; column < RESULT_COLUMN_COUNT; ++column) {
    for (bool descending : {false, true}) {
      std::vector<SearchResultRow> rows = RunSearch(SearchConditions{});
      SortResultRows(rows, column, descending);
      for (std::size_t i = 1; i < rows.size(); ++i) {
        const int order = CompareByColumn(column, rows[i - 1].species, rows[i].species);
        ASSERT_TRUE(descending ? order >= 0 : order <= 0) << column << " at " << i;
      }
    }
  }
}

TEST(SortResults, ClicksAlternateOnOneColumnAndStartAscendingOnAnother) {
  int state = 0;
  EXPECT_FALSE(SortsDescending(state, COLUMN_SPEED));
  state = NextSortState(state, COLUMN_SPEED);
  EXPECT_TRUE(SortsDescending(state, COLUMN_SPEED));
  state = NextSortState(state, COLUMN_SPEED);
  EXPECT_EQ(state, 0);
  EXPECT_FALSE(SortsDescending(state, COLUMN_SPEED));
  state = NextSortState(NextSortState(state, COLUMN_SPEED), COLUMN_SPEED);
  state = NextSortState(state, COLUMN_SPEED);
  EXPECT_FALSE(SortsDescending(state, COLUMN_NAME));
  EXPECT_EQ(NextSortState(state, COLUMN_NAME), COLUMN_NAME + 1);
}

}  // namespace
}  // namespace kerumina::search
