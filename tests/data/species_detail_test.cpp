// The detail view's move list: which tables feed it in which order, the method texts, the
// filters, the two difference modes and the pre-evolution slots they change.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "data/species_detail.h"
#include "text/format.h"

namespace kerumina::data {
namespace {

std::vector<std::pair<std::int32_t, MoveId>> LevelUpPairs(const std::vector<LearnableMoveRow>& rows,
                                                          std::string_view version) {
  std::vector<std::pair<std::int32_t, MoveId>> pairs;
  for (const LearnableMoveRow& row : rows) {
    const auto at = row.method.find(version);
    if (at != std::string::npos)
      pairs.emplace_back(std::stoi(row.method.substr(at + version.size())), row.move);
  }
  return pairs;
}

TEST(SpeciesDetailTexts, HatchStepsAndFemaleRatio) {
  EXPECT_EQ(HatchStepsText(0), "5120歩");
  EXPECT_EQ(FemaleRatioText(0), "12.5％");
  EXPECT_EQ(FemaleRatioText(27), "50.0％");
  EXPECT_EQ(FemaleRatioText(28), "特殊");  // species numbers 29..34
  EXPECT_EQ(FemaleRatioText(33), "特殊");
  EXPECT_NE(FemaleRatioText(34), "特殊");
  EXPECT_EQ(FemaleRatioText(291), "－");  // genderless
}

TEST(SpeciesDetailTexts, TypeFilterSkipsThePlaceholder) {
  EXPECT_EQ(TypeAtFilterPosition(0), -1);
  EXPECT_EQ(TypeAtFilterPosition(1), 0);
  EXPECT_EQ(TypeAtFilterPosition(9), 8);  // はがね
  EXPECT_EQ(TypeAtFilterPosition(10), 10);
  EXPECT_EQ(TypeAtFilterPosition(17), 17);
  EXPECT_EQ(TypeAtFilterPosition(18), -1);
}

TEST(LearnableMoves, FirstRowTextsAndKey) {
  const LearnableMoves list = BuildLearnableMoves(0, MoveListOptions{});
  ASSERT_FALSE(list.rows.empty());
  const LearnableMoveRow& row = list.rows.front();  // DP level 1, MoveId 32
  EXPECT_EQ(row.number, "33");
  EXPECT_EQ(row.method, " フシギダネ DP-LV:1");
  EXPECT_EQ(row.name, " " + std::string(MoveName(32)));
  EXPECT_EQ(row.type, " ノーマル");
  EXPECT_EQ(row.power, text::Format(" %d", Move(32).power));
  EXPECT_EQ(RowKey(row), 32);
}

TEST(LearnableMoves, SectionsKeepTableOrderPerVersion) {
  const LearnableMoves list = BuildLearnableMoves(0, MoveListOptions{});
  std::vector<std::int32_t> classes;
  for (const LearnableMoveRow& row : list.rows) {
    EXPECT_EQ(row.source, 0);
    if (classes.empty() || classes.back() != row.methodClass) classes.push_back(row.methodClass);
  }
  EXPECT_EQ(classes, (std::vector<std::int32_t>{METHOD_CLASS_LEVEL_UP, METHOD_CLASS_MACHINE,
                                                METHOD_CLASS_SPECIAL, METHOD_CLASS_EGG}));
  // DP, PT and HGSS level-up rows are all listed: nothing merges across versions.
  EXPECT_EQ(LevelUpPairs(list.rows, "DP-LV:").size(), LevelUpPairs(list.rows, "PT-LV:").size());
  EXPECT_FALSE(LevelUpPairs(list.rows, "GS-LV:").empty());
  // Egg rows: the 12 DPPT slots, then the 14 HGSS ones; key class 3.
  const auto eggs = std::count_if(list.rows.begin(), list.rows.end(), [](const auto& row) {
    return row.methodClass == METHOD_CLASS_EGG;
  });
  EXPECT_EQ(eggs, 12 + 14);
  EXPECT_EQ(list.rows.back().method, " フシギダネ GS-遺伝");
  EXPECT_EQ(RowKey(list.rows.back()), 123 + 30000);
}

TEST(LearnableMoves, SpecialLearnAndHiddenMachineTexts) {
  const LearnableMoves list = BuildLearnableMoves(2, MoveListOptions{});
  const auto special = std::find_if(list.rows.begin(), list.rows.end(),
                                    [](const auto& row) { return row.move == 337; });
  ASSERT_NE(special, list.rows.end());
  EXPECT_EQ(special->method, " フシギバナ 共通:御三家教え技");
  EXPECT_EQ(special->methodClass, METHOD_CLASS_SPECIAL);
  const bool hasHiddenMachine = std::any_of(
      list.rows.begin(), list.rows.end(),
      [](const auto& row) { return row.method.find("DPPT-ひでん:") != std::string::npos; });
  EXPECT_TRUE(hasHiddenMachine);
}

TEST(LearnableMoves, SharedLearnsetSpeciesListsItsOwnThenPreEvolutionThen290) {
  const LearnableMoves list = BuildLearnableMoves(SHARED_LEARNSET_SPECIES, MoveListOptions{});
  EXPECT_EQ(list.preEvolutions, (std::array<SpeciesId, 2>{289, SHARED_LEARNSET_SOURCE}));
  std::vector<SpeciesId> sources;
  for (const LearnableMoveRow& row : list.rows) {
    if (sources.empty() || sources.back() != row.source) sources.push_back(row.source);
    if (row.source != SHARED_LEARNSET_SOURCE) continue;
    EXPECT_NE(row.methodClass, METHOD_CLASS_MACHINE);
  }
  EXPECT_EQ(sources, (std::vector<SpeciesId>{291, 289, 290}));
  std::vector<LearnableMoveRow> from290;
  std::copy_if(list.rows.begin(), list.rows.end(), std::back_inserter(from290),
               [](const auto& row) { return row.source == SHARED_LEARNSET_SOURCE; });
  const auto levels = LevelUpPairs(from290, "DP-LV:");
  ASSERT_FALSE(levels.empty());
  EXPECT_EQ(levels.front(), (std::pair<std::int32_t, MoveId>{20, 103}));
}

TEST(LearnableMoves, WithoutPreEvolutionsOnlyTheSpeciesItself) {
  MoveListOptions options;
  options.withPreEvolutions = false;
  const LearnableMoves list = BuildLearnableMoves(SHARED_LEARNSET_SPECIES, options);
  ASSERT_FALSE(list.rows.empty());
  for (const LearnableMoveRow& row : list.rows) EXPECT_EQ(row.source, SHARED_LEARNSET_SPECIES);
  // The slot still changes, so the second button leads to 290.
  EXPECT_EQ(list.preEvolutions[1], SHARED_LEARNSET_SOURCE);
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

TEST(LearnableMoves, DpPtDifferenceListsUnmatchedLevelPairs) {
  MoveListOptions options;
  options.dpPtDifference = true;
  options.ptHgssDifference = true;  // loses against the DP-PT difference
  const LearnableMoves list = BuildLearnableMoves(6, options);
  using Pairs = std::vector<std::pair<std::int32_t, MoveId>>;
  EXPECT_EQ(LevelUpPairs(list.rows, "DP-LV:"), (Pairs{{34, 239}, {37, 55}}));
  EXPECT_EQ(LevelUpPairs(list.rows, "PT-LV:"), (Pairs{{34, 333}, {37, 239}, {40, 55}}));
  EXPECT_EQ(list.rows.size(), 5u);
  EXPECT_TRUE(BuildLearnableMoves(0, options).rows.empty());
}

TEST(LearnableMoves, PtHgssDifferenceComparesEggRowsOfTheFirstStage) {
  MoveListOptions options;
  options.ptHgssDifference = true;
  const LearnableMoves evolved = BuildLearnableMoves(1, options);
  std::vector<MoveId> eggMoves;
  for (const LearnableMoveRow& row : evolved.rows) {
    if (row.methodClass != METHOD_CLASS_EGG) continue;
    EXPECT_EQ(row.method, " フシギダネ GS-遺伝");
    eggMoves.push_back(row.move);
  }
  EXPECT_EQ(eggMoves, (std::vector<MoveId>{437, 123}));
  // Without a pre-evolution the species stands in for it, and the first slot says so.
  const LearnableMoves first = BuildLearnableMoves(0, options);
  EXPECT_EQ(first.preEvolutions[0], 0);
}

}  // namespace
}  // namespace kerumina::data
