#include "search/search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace kerumina::search {
namespace {

using data::MoveId;
using data::NO_MOVE;
using data::SpeciesId;
using Ids = std::vector<SpeciesId>;

// Move ids of the data set that the cases below rely on.
constexpr MoveId MOVE_ONLY_FINAL_STAGE = 45;     // ほえる: learnt by 2 only in its line 0-1-2
constexpr MoveId MOVE_ONLY_FIRST_STAGE = 112;    // ひかりのかべ: learnt by 0 only
constexpr MoveId MOVE_ONLY_290 = 13;             // つるぎのまい: 290, not 289 or 291
constexpr MoveId FIRST_DPPT_MACHINE_MOVE = 263;  // きあいパンチ, machine slot 0
constexpr data::TypeId FIRE = 10, GRASS = 12, POISON = 3;
constexpr data::EggGroupId PLANT = 6;  // species 0's second group
constexpr data::LearnMethods ALL_METHODS{true, true, true, true};
constexpr data::GameVersions ALL_VERSIONS{true, true, true};

Ids Search(const SearchConditions& conditions) {
  Ids ids;
  for (const SearchResultRow& row : RunSearch(conditions)) ids.push_back(row.species);
  return ids;
}

bool Lists(const Ids& ids, SpeciesId s) {
  return std::find(ids.begin(), ids.end(), s) != ids.end();
}

// Every species but the two egg rows that the predicate accepts, in id order.
template <typename Pred>
Ids SpeciesWhere(Pred pred) {
  Ids ids;
  for (SpeciesId s = 0; s < data::SPECIES_COUNT; ++s) {
    if (s != 493 && s != 494 && pred(s)) ids.push_back(s);
  }
  return ids;
}

bool HasType(SpeciesId s, data::TypeId type) {
  return data::Species(s).type1 == type || data::Species(s).type2 == type;
}

TEST(RunSearch, NoConditionListsEverySpeciesButTheEggsWithTheirTexts) {
  const std::vector<SearchResultRow> rows = RunSearch(SearchConditions{});
  EXPECT_EQ(Search(SearchConditions{}), SpeciesWhere([](SpeciesId) { return true; }));
  const std::array<std::string, RESULT_COLUMN_COUNT> first = {
      "1", "フシギダネ", "くさ", "どく", "しんりょく", "－", "45", "49", "49", "65", "65", "45"};
  EXPECT_EQ(rows[0].texts, first);
  for (const SearchResultRow& row : rows) {
    const data::SpeciesRecord& record = data::Species(row.species);
    EXPECT_EQ(row.texts[COLUMN_TYPE2] == "－", record.type1 == record.type2) << row.species;
    EXPECT_EQ(row.texts[COLUMN_ABILITY2] == "－",
              data::SPECIES_ABILITIES[row.species].ability2 == 0);
    // Speed shown last, though the table stores it fourth.
    EXPECT_EQ(row.texts[COLUMN_SPEED], std::to_string(record.base[data::SPECIES_SPEED]));
  }
  EXPECT_EQ(UpperBoundAt(5), 105);
  EXPECT_EQ(UpperBoundAt(12) - LowerBoundAt(-1), 512);  // out of range: neutral
}

// Each filter against an independent reading of the tables, over every species.
TEST(RunSearch, FiltersKeepExactlyTheMatchingSpecies) {
  using data::EGG_TABLE, data::SPECIES_ABILITIES, data::Species;
  struct Case {
    void (*set)(SearchConditions&);
    bool (*expected)(SpeciesId);
  };
  const Case cases[] = {
      {[](auto& c) { c.type1Filter = FIRE; }, [](SpeciesId s) { return HasType(s, FIRE); }},
      {[](auto& c) { c.type2Filter = FIRE; }, [](SpeciesId s) { return HasType(s, FIRE); }},
      {[](auto& c) { c.type1Filter = c.type2Filter = FIRE; },
       [](SpeciesId s) { return Species(s).type1 == FIRE && Species(s).type2 == FIRE; }},
      {[](auto& c) { c.type1Filter = POISON, c.type2Filter = GRASS; },
       [](SpeciesId s) { return HasType(s, GRASS) && HasType(s, POISON); }},
      {[](auto& c) { c.upper[0] = UpperBoundAt(11), c.lower[0] = LowerBoundAt(11); },
       [](SpeciesId s) { return Species(s).base[data::SPECIES_HP] == 50; }},
      {[](auto& c) { c.ability = 40; },
       [](SpeciesId s) {
         return SPECIES_ABILITIES[s].ability1 == 40 || SPECIES_ABILITIES[s].ability2 == 40;
       }},
      {[](auto& c) { c.eggGroup = PLANT; },
       [](SpeciesId s) {
         return EGG_TABLE[s].eggGroup1 == PLANT || EGG_TABLE[s].eggGroup2 == PLANT;
       }},
      // The absent second group is stored as 255; it must never act as a group.
      {[](auto& c) { c.eggGroup = data::NO_EGG_GROUP; }, [](SpeciesId) { return false; }},
      {[](auto& c) { c.rule = data::RULE_FINAL_STAGE; },
       [](SpeciesId s) { return data::Evolutions(s).empty(); }},
  };
  for (const Case& c : cases) {
    SearchConditions conditions;
    c.set(conditions);
    EXPECT_EQ(Search(conditions), SpeciesWhere(c.expected)) << &c - cases;
  }
}

// Moves are looked for in the species, then up to two pre-evolution steps, with marks
// carried along the walk; 291 also looks in 290.
TEST(RunSearch, MoveConditionsAcrossThePreEvolutionWalk) {
  const MoveId NO = NO_MOVE, FINAL = MOVE_ONLY_FINAL_STAGE, FIRST = MOVE_ONLY_FIRST_STAGE;
  struct Case {
    data::MoveConditions moves;
    bool anyMode;
    data::LearnMethods methods;
    data::GameVersions versions;
    int count;  // -1: not pinned
    Ids listed, notListed;
  };
  const Case cases[] = {
      {{FIRST, NO, NO, NO}, true, {}, ALL_VERSIONS, 0, {}, {}},
      {{FIRST, NO, NO, NO}, false, {}, ALL_VERSIONS, 0, {}, {}},
      {{NO, NO, NO, NO}, false, {}, ALL_VERSIONS, 505, {}, {}},
      // A DPPT machine needs no version; level-up does.
      {{NO, NO, FIRST_DPPT_MACHINE_MOVE, NO}, true, {.machine = true}, {}, -1, {5}, {}},
      {{NO, NO, FIRST_DPPT_MACHINE_MOVE, NO}, true, {.levelUp = true}, {}, 0, {}, {}},
      // All mode: one move of the species itself, one two stages back.
      {{FINAL, FIRST, NO, NO}, false, ALL_METHODS, ALL_VERSIONS, -1, {2}, {0, 1}},
      {{NO, FIRST, NO, NO}, true, ALL_METHODS, ALL_VERSIONS, -1, {0, 1, 2}, {}},
      {{MOVE_ONLY_290, NO, NO, NO}, true, ALL_METHODS, ALL_VERSIONS, -1, {290, 291}, {289}},
  };
  for (const Case& c : cases) {
    const Ids ids = Search(
        {.moves = c.moves, .anyMode = c.anyMode, .methods = c.methods, .versions = c.versions});
    const auto at = &c - cases;
    EXPECT_TRUE(c.count < 0 || ids.size() == static_cast<std::size_t>(c.count)) << at;
    for (SpeciesId s : c.listed) EXPECT_TRUE(Lists(ids, s)) << at << " " << s;
    for (SpeciesId s : c.notListed) EXPECT_FALSE(Lists(ids, s)) << at << " " << s;
  }
}

// With every method and version on, a species is listed exactly when each move (all mode)
// or some move (any mode) is learnable somewhere in its line: the independent whole-chain
// lookup must agree. A marking that leaked from one species to the next would list
// species that learn nothing.
TEST(RunSearch, AgreesWithTheWholeChainLookup) {
  const data::MoveConditions moveSets[] = {
      {MOVE_ONLY_FINAL_STAGE, MOVE_ONLY_FIRST_STAGE, NO_MOVE, NO_MOVE},
      {MOVE_ONLY_290, 57, 89, NO_MOVE},
      {FIRST_DPPT_MACHINE_MOVE, NO_MOVE, 14, 200},
  };
  for (const data::MoveConditions& moves : moveSets) {
    for (bool anyMode : {true, false}) {
      const Ids expected = SpeciesWhere([&](SpeciesId s) {
        int learnt = 0, given = 0;
        for (MoveId m : moves) {
          given += m != NO_MOVE;
          learnt += m != NO_MOVE && data::CanLearnAny(s, m);
        }
        return anyMode ? learnt > 0 : learnt == given;
      });
      const SearchConditions c{
          .moves = moves, .anyMode = anyMode, .methods = ALL_METHODS, .versions = ALL_VERSIONS};
      EXPECT_EQ(Search(c), expected) << "any=" << anyMode << " first move " << moves[0];
    }
  }
}

TEST(SortResults, ColumnKeysOrderTheRows) {
  EXPECT_LT(CompareByColumn(COLUMN_NUMBER, 3, 7), 0);
  // cp932 puts the long-vowel mark before every katakana; UTF-8 puts it after.
  EXPECT_LT(CompareByColumn(COLUMN_NAME, 7, 8), 0);      // カメール < カメックス
  EXPECT_GT(CompareByColumn(COLUMN_NAME, 0, 3), 0);      // フシギダネ > ヒトカゲ
  EXPECT_GT(CompareByColumn(COLUMN_TYPE2, 3, 0), 0);     // single fire (10) > poison (3)
  EXPECT_GT(CompareByColumn(COLUMN_SPEED, 3, 0), 0);     // 65 > 45
  EXPECT_EQ(CompareByColumn(COLUMN_ABILITY2, 0, 3), 0);  // both none
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
  state = NextSortState(state, COLUMN_SPEED);
  EXPECT_FALSE(SortsDescending(state, COLUMN_NAME));
  EXPECT_EQ(NextSortState(state, COLUMN_NAME), COLUMN_NAME + 1);
}

}  // namespace
}  // namespace kerumina::search
