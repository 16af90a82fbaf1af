// The detail view's move list: which tables feed it in which order, the method texts, the
// filters, the two difference modes and the pre-evolution slots they change.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "data/species_detail.h"

namespace kerumina::data {
namespace {

using LevelPairs = std::vector<std::pair<std::int32_t, MoveId>>;
using Rows = std::vector<LearnableMoveRow>;

LevelPairs LevelUpPairs(const Rows& rows, std::string_view version) {
  LevelPairs pairs;
  for (const LearnableMoveRow& row : rows) {
    const auto at = row.method.find(version);
    if (at != std::string::npos)
      pairs.emplace_back(std::stoi(row.method.substr(at + version.size())), row.move);
  }
  return pairs;
}

// The values of one field in row order, repeats folded: the sections of the list.
std::vector<std::int32_t> Runs(const Rows& rows, std::int32_t LearnableMoveRow::*field) {
  std::vector<std::int32_t> runs;
  for (const LearnableMoveRow& row : rows) {
    if (runs.empty() || runs.back() != row.*field) runs.push_back(row.*field);
  }
  return runs;
}

TEST(SpeciesDetailTexts, HatchStepsFemaleRatioAndTypeFilter) {
  EXPECT_EQ(HatchStepsText(0), "5120歩");
  const std::pair<SpeciesId, const char*> ratios[] = {{0, "12.5％"}, {27, "50.0％"}, {28, "特殊"},
                                                      {33, "特殊"},  {34, "75.0％"}, {291, "－"}};
  for (const auto& [species, text] : ratios) EXPECT_EQ(FemaleRatioText(species), text);
  // Position 0 is "any"; the placeholder type 9 is skipped.
  const std::pair<int, TypeId> positions[] = {{0, -1}, {9, 8}, {10, 10}, {17, 17}, {18, -1}};
  for (const auto& [position, type] : positions) EXPECT_EQ(TypeAtFilterPosition(position), type);
}

TEST(LearnableMoves, SectionsTextsAndKeys) {
  const Rows rows = BuildLearnableMoves(0, MoveListOptions{}).rows;
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows.front().number, "33");  // DP level 1, MoveId 32
  EXPECT_EQ(rows.front().method, " フシギダネ DP-LV:1");
  EXPECT_EQ(rows.front().type, " ノーマル");
  EXPECT_EQ(RowKey(rows.front()), 32);
  EXPECT_EQ(Runs(rows, &LearnableMoveRow::source), std::vector<std::int32_t>{0});
  EXPECT_EQ(Runs(rows, &LearnableMoveRow::methodClass),
            (std::vector<std::int32_t>{METHOD_CLASS_LEVEL_UP, METHOD_CLASS_MACHINE,
                                       METHOD_CLASS_SPECIAL, METHOD_CLASS_EGG}));
  // Egg rows: the 12 DPPT slots, then the 14 HGSS ones.
  EXPECT_EQ(std::count_if(rows.begin(), rows.end(),
                          [](const auto& r) { return r.methodClass == METHOD_CLASS_EGG; }),
            12 + 14);
  EXPECT_EQ(rows.back().method, " フシギダネ GS-遺伝");
  EXPECT_EQ(RowKey(rows.back()), 123 + 30000);

  const Rows final = BuildLearnableMoves(2, MoveListOptions{}).rows;
  const auto special =
      std::find_if(final.begin(), final.end(), [](const auto& r) { return r.move == 337; });
  ASSERT_NE(special, final.end());
  EXPECT_EQ(special->method, " フシギバナ 共通:御三家教え技");
  EXPECT_EQ(special->methodClass, METHOD_CLASS_SPECIAL);
}

TEST(LearnableMoves, SharedLearnsetSpeciesListsItsOwnThenPreEvolutionThen290) {
  const LearnableMoves list = BuildLearnableMoves(SHARED_LEARNSET_SPECIES, MoveListOptions{});
  EXPECT_EQ(list.preEvolutions, (std::array<SpeciesId, 2>{289, SHARED_LEARNSET_SOURCE}));
  EXPECT_EQ(Runs(list.rows, &LearnableMoveRow::source), (std::vector<std::int32_t>{291, 289, 290}));
  Rows from290;
  std::copy_if(list.rows.begin(), list.rows.end(), std::back_inserter(from290),
               [](const auto& row) { return row.source == SHARED_LEARNSET_SOURCE; });
  for (const LearnableMoveRow& row : from290) EXPECT_NE(row.methodClass, METHOD_CLASS_MACHINE);
  ASSERT_FALSE(LevelUpPairs(from290, "DP-LV:").empty());
  EXPECT_EQ(LevelUpPairs(from290, "DP-LV:").front(), (LevelPairs::value_type{20, 103}));

  // Without pre-evolutions only the species itself; the slot still leads to 290.
  MoveListOptions options;
  options.withPreEvolutions = false;
  const LearnableMoves own = BuildLearnableMoves(SHARED_LEARNSET_SPECIES, options);
  EXPECT_EQ(Runs(own.rows, &LearnableMoveRow::source), std::vector<std::int32_t>{291});
  EXPECT_EQ(own.preEvolutions[1], SHARED_LEARNSET_SOURCE);
}

TEST(LearnableMoves, FiltersAndDifferenceModes) {
  MoveListOptions options;
  options.typeFilter = 9;  // はがね
  options.categoryFilter = 1 + CATEGORY_PHYSICAL;
  for (const LearnableMoveRow& row : BuildLearnableMoves(2, options).rows) {
    EXPECT_EQ(Move(row.move).type, 8);
    EXPECT_EQ(Move(row.move).category, CATEGORY_PHYSICAL);
  }
  options = MoveListOptions{};
  options.versions = GameVersions{};
  EXPECT_TRUE(BuildLearnableMoves(2, options).rows.empty());
  options.levelUp = options.machine = options.special = false;
  options.versions = GameVersions{false, true, false};
  EXPECT_EQ(BuildLearnableMoves(0, options).rows.size(), 12u);  // the DPPT egg row

  options = MoveListOptions{};
  options.dpPtDifference = true;
  options.ptHgssDifference = true;  // loses against the DP-PT difference
  const Rows rows = BuildLearnableMoves(6, options).rows;
  EXPECT_EQ(LevelUpPairs(rows, "DP-LV:"), (LevelPairs{{34, 239}, {37, 55}}));
  EXPECT_EQ(LevelUpPairs(rows, "PT-LV:"), (LevelPairs{{34, 333}, {37, 239}, {40, 55}}));
  EXPECT_EQ(rows.size(), 5u);
  EXPECT_TRUE(BuildLearnableMoves(0, options).rows.empty());

  // PT-HGSS compares the egg rows of the first stage; without a pre-evolution the species
  // stands in for it, and the first slot says so.
  options.dpPtDifference = false;
  std::vector<MoveId> eggMoves;
  for (const LearnableMoveRow& row : BuildLearnableMoves(1, options).rows) {
    if (row.methodClass != METHOD_CLASS_EGG) continue;
    EXPECT_EQ(row.method, " フシギダネ GS-遺伝");
    eggMoves.push_back(row.move);
  }
  EXPECT_EQ(eggMoves, (std::vector<MoveId>{437, 123}));
  EXPECT_EQ(BuildLearnableMoves(0, options).preEvolutions[0], 0);
}

}  // namespace
}  // namespace kerumina::data
