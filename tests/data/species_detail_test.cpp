// The detail view's move list: which tables feed it in which order, the method texts, the
// filters, the two difference modes and the pre-evolution slots they change.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "data/species_detail.h"

namespace kerumina::data {
namespace {

using LevelPairs = std::vector<std::pair<std::int32_t, MoveId>>;

LevelPairs LevelUpPairs(const std::vector<LearnableMoveRow>& rows, std::string_view version) {
  LevelPairs pairs;
  for (const LearnableMoveRow& row : rows) {
    const auto at = row.method.find(version);
    if (at != std::string::npos)
      pairs.emplace_back(std::stoi(row.method.substr(at + version.size())), row.move);
  }
  return pairs;
}

TEST(SpeciesDetailTexts, HatchStepsFemaleRatioAndTypeFilter) {
  EXPECT_EQ(HatchStepsText(0), "5120歩");
  const std::pair<SpeciesId, const char*> ratios[] = {
      {0, "12.5％"}, {27, "50.0％"}, {28, "特殊"}, {33, "特殊"}, {291, "－"}};
  for (const auto& [species, text] : ratios) EXPECT_EQ(FemaleRatioText(species), text);
  EXPECT_NE(FemaleRatioText(34), "特殊");
  // Position 0 is "any"; the placeholder type 9 is skipped.
  const std::pair<int, TypeId> positions[] = {{0, -1},  {1, 0},   {9, 8},
                                              {10, 10}, {17, 17}, {18, -1}};
  for (const auto& [position, type] : positions) EXPECT_EQ(TypeAtFilterPosition(position), type);
}

TEST(LearnableMoves, SectionsTextsAndKeys) {
  const LearnableMoves list = BuildLearnableMoves(0, MoveListOptions{});
  ASSERT_FALSE(list.rows.empty());
  const LearnableMoveRow& row = list.rows.front();  // DP level 1, MoveId 32
  EXPECT_EQ(row.number, "33");
  EXPECT_EQ(row.method, " フシギダネ DP-LV:1");
  EXPECT_EQ(row.name, " " + std::string(MoveName(32)));
  EXPECT_EQ(row.type, " ノーマル");
  EXPECT_EQ(RowKey(row), 32);
  std::vector<std::int32_t> classes;
  for (const LearnableMoveRow& r : list.rows) {
    EXPECT_EQ(r.source, 0);
    if (classes.empty() || classes.back() != r.methodClass) classes.push_back(r.methodClass);
  }
  EXPECT_EQ(classes, (std::vector<std::int32_t>{METHOD_CLASS_LEVEL_UP, METHOD_CLASS_MACHINE,
                                                METHOD_CLASS_SPECIAL, METHOD_CLASS_EGG}));
  // Nothing merges across versions; egg rows: the 12 DPPT slots, then the 14 HGSS ones.
  EXPECT_EQ(LevelUpPairs(list.rows, "DP-LV:").size(), LevelUpPairs(list.rows, "PT-LV:").size());
  EXPECT_FALSE(LevelUpPairs(list.rows, "GS-LV:").empty());
  EXPECT_EQ(std::count_if(list.rows.begin(), list.rows.end(),
                          [](const auto& r) { return r.methodClass == METHOD_CLASS_EGG; }),
            12 + 14);
  EXPECT_EQ(list.rows.back().method, " フシギダネ GS-遺伝");
  EXPECT_EQ(RowKey(list.rows.back()), 123 + 30000);

  const LearnableMoves final = BuildLearnableMoves(2, MoveListOptions{});
  const auto special = std::find_if(final.rows.begin(), final.rows.end(),
                                    [](const auto& r) { return r.move == 337; });
  ASSERT_NE(special, final.rows.end());
  EXPECT_EQ(special->method, " フシギバナ 共通:御三家教え技");
  EXPECT_EQ(special->methodClass, METHOD_CLASS_SPECIAL);
  EXPECT_TRUE(std::any_of(final.rows.begin(), final.rows.end(), [](const auto& r) {
    return r.method.find("DPPT-ひでん:") != std::string::npos;
  }));
}

TEST(LearnableMoves, SharedLearnsetSpeciesListsItsOwnThenPreEvolutionThen290) {
  const LearnableMoves list = BuildLearnableMoves(SHARED_LEARNSET_SPECIES, MoveListOptions{});
  EXPECT_EQ(list.preEvolutions, (std::array<SpeciesId, 2>{289, SHARED_LEARNSET_SOURCE}));
  std::vector<SpeciesId> sources;
  std::vector<LearnableMoveRow> from290;
  for (const LearnableMoveRow& row : list.rows) {
    if (sources.empty() || sources.back() != row.source) sources.push_back(row.source);
    if (row.source != SHARED_LEARNSET_SOURCE) continue;
    EXPECT_NE(row.methodClass, METHOD_CLASS_MACHINE);
    from290.push_back(row);
  }
  EXPECT_EQ(sources, (std::vector<SpeciesId>{291, 289, 290}));
  ASSERT_FALSE(LevelUpPairs(from290, "DP-LV:").empty());
  EXPECT_EQ(LevelUpPairs(from290, "DP-LV:").front(), (LevelPairs::value_type{20, 103}));

  // Without pre-evolutions only the species itself; the slot still leads to 290.
  MoveListOptions options;
  options.withPreEvolutions = false;
  const LearnableMoves own = BuildLearnableMoves(SHARED_LEARNSET_SPECIES, options);
  ASSERT_FALSE(own.rows.empty());
  for (const LearnableMoveRow& row : own.rows) EXPECT_EQ(row.source, SHARED_LEARNSET_SPECIES);
  EXPECT_EQ(own.preEvolutions[1], SHARED_LEARNSET_SOURCE);
}

TEST(LearnableMoves, FiltersAndUntickedBoxes) {
  MoveListOptions options;
  options.typeFilter = 9;  // はがね
  options.categoryFilter = 1 + CATEGORY_PHYSICAL;
  for (const LearnableMoveRow& row : BuildLearnableMoves(2, options).rows) {
    EXPECT_EQ(Move(row.move).type, 8);
    EXPECT_EQ(Move(row.move).category, CATEGORY_PHYSICAL);
  }
  MoveListOptions noVersion;
  noVersion.versions = GameVersions{};
  EXPECT_TRUE(BuildLearnableMoves(2, noVersion).rows.empty());
  MoveListOptions onlyEggs;
  onlyEggs.levelUp = onlyEggs.machine = onlyEggs.special = false;
  onlyEggs.versions = GameVersions{false, true, false};
  EXPECT_EQ(BuildLearnableMoves(0, onlyEggs).rows.size(), 12u);  // the DPPT row
}

TEST(LearnableMoves, DifferenceModes) {
  MoveListOptions options;
  options.dpPtDifference = true;
  options.ptHgssDifference = true;  // loses against the DP-PT difference
  const LearnableMoves list = BuildLearnableMoves(6, options);
  EXPECT_EQ(LevelUpPairs(list.rows, "DP-LV:"), (LevelPairs{{34, 239}, {37, 55}}));
  EXPECT_EQ(LevelUpPairs(list.rows, "PT-LV:"), (LevelPairs{{34, 333}, {37, 239}, {40, 55}}));
  EXPECT_EQ(list.rows.size(), 5u);
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
