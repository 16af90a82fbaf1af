#include "search/search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace kerumina::search {
namespace {

using data::MoveId;
using data::NO_MOVE;
using data::SpeciesId;
using Ids = std::vector<SpeciesId>;

constexpr data::LearnMethods ALL_METHODS{true, true, true, true};
constexpr data::GameVersions ALL_VERSIONS{true, true, true};

Ids Search(const SearchConditions& conditions) {
  Ids ids;
  for (const SearchResultRow& row : RunSearch(conditions)) ids.push_back(row.species);
  return ids;
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
}

// Each choice's value is the number its labels show; position 0 and positions outside the
// list restrict nothing.
TEST(StatBounds, ValuesAreTheNumbersTheLabelsShow) {
  for (int p = 1; p < STAT_BOUND_CHOICE_COUNT; ++p) {
    const StatBoundChoice& c = STAT_BOUND_CHOICES[p];
    EXPECT_EQ(std::to_string(UpperBoundAt(p)) + "以下", c.upperLabel);
    EXPECT_EQ(std::to_string(LowerBoundAt(p)) + "以上", c.lowerLabel);
  }
  for (int p : {-1, 0, STAT_BOUND_CHOICE_COUNT}) {
    EXPECT_EQ(std::pair(UpperBoundAt(p), LowerBoundAt(p)), std::pair(512, 0)) << p;
  }
}

// Whether a species passes, read plainly from the tables; moves with every method and
// version, where the search's walk must agree with the whole-line lookup.
bool Passes(const SearchConditions& c, SpeciesId s) {
  const data::SpeciesRecord& r = data::Species(s);
  for (int k = 0; k < data::STAT_COUNT; ++k) {
    if (r.base[k] < c.lower[k] || r.base[k] > c.upper[k]) return false;
  }
  const auto hasType = [&r](data::TypeId t) { return t < 0 || t == r.type1 || t == r.type2; };
  if (!hasType(c.type1Filter) || !hasType(c.type2Filter)) return false;
  if (c.type1Filter >= 0 && c.type1Filter == c.type2Filter && r.type1 != r.type2) return false;
  const data::EggRecord& egg = data::EGG_TABLE[s];
  if (c.eggGroup >= 0 && c.eggGroup != egg.eggGroup1 &&
      (c.eggGroup != egg.eggGroup2 || c.eggGroup == 255))
    return false;
  const data::SpeciesAbilities& a = data::SPECIES_ABILITIES[s];
  if (c.ability != 0 && c.ability != a.ability1 && c.ability != a.ability2) return false;
  if (!data::PassesBattleRule(c.rule, s)) return false;
  int given = 0, learnt = 0;
  for (MoveId m : c.moves) {
    given += m != NO_MOVE;
    learnt += m != NO_MOVE && data::CanLearnAny(s, m);
  }
  return given == 0 || (c.anyMode ? learnt > 0 : learnt == given);
}

TEST(RunSearch, RandomConditionsKeepExactlyThePassingSpecies) {
  std::mt19937 random(11);
  const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(random); };
  int nonEmpty = 0;
  for (int round = 0; round < 400; ++round) {
    SearchConditions c{.methods = ALL_METHODS, .versions = ALL_VERSIONS};
    c.upper[pick(0, 5)] = UpperBoundAt(pick(0, 11));
    c.lower[pick(0, 5)] = LowerBoundAt(pick(0, 11));
    c.type1Filter = pick(0, 2) ? -1 : pick(0, 17);
    c.type2Filter = pick(0, 3) ? -1 : pick(0, 17);
    c.eggGroup = pick(0, 3) ? -1 : pick(0, 3) ? pick(0, 15) : data::NO_EGG_GROUP;
    c.ability = pick(0, 3) ? 0 : pick(1, 123);
    c.rule = pick(0, 2) ? 0 : pick(1, 6);
    for (MoveId& m : c.moves) m = pick(0, 3) ? NO_MOVE : pick(0, data::MOVE_COUNT - 1);
    c.anyMode = pick(0, 1);
    const Ids ids = Search(c);
    nonEmpty += !ids.empty();
    ASSERT_EQ(ids, SpeciesWhere([&c](SpeciesId s) { return Passes(c, s); })) << round;
  }
  EXPECT_GT(nonEmpty, 100);
}

TEST(SortResults, ColumnKeysOrderTheRows) {
  EXPECT_LT(CompareByColumn(COLUMN_NUMBER, 3, 7), 0);
  // cp932 puts the long-vowel mark before every katakana; UTF-8 puts it after.
  EXPECT_LT(CompareByColumn(COLUMN_NAME, 7, 8), 0);      // カメール < カメックス
  EXPECT_GT(CompareByColumn(COLUMN_NAME, 0, 3), 0);      // フシギダネ > ヒトカゲ
  EXPECT_GT(CompareByColumn(COLUMN_TYPE2, 3, 0), 0);     // single fire (10) > poison (3)
  EXPECT_GT(CompareByColumn(COLUMN_SPEED, 3, 0), 0);     // 65 > 45
  EXPECT_EQ(CompareByColumn(COLUMN_ABILITY2, 0, 3), 0);  // both none
}

}  // namespace
}  // namespace kerumina::search
