// Evolution walks, type matchups and battle rules: the lookups that live with the tables.
#include <gtest/gtest.h>

#include <algorithm>

#include "data/battle_rules.h"
#include "data/species.h"
#include "data/types.h"

namespace kerumina::data {
namespace {

TEST(Evolution, PreEvolutionAndEvolutions) {
  EXPECT_EQ(PreEvolutionOf(0), NO_SPECIES);
  EXPECT_EQ(PreEvolutionOf(1), 0);
  EXPECT_EQ(Evolutions(0), std::vector<SpeciesId>{1});
  EXPECT_TRUE(Evolutions(2).empty());
  // The species numbered 412 leads to two form rows as well.
  EXPECT_EQ(Evolutions(411), (std::vector<SpeciesId>{412, 498, 499, 413}));
  EXPECT_EQ(PreEvolutionOf(498), 411);
  for (SpeciesId s : {EGG_SPECIES, DAMAGED_EGG_SPECIES, 495, 500, 506}) {
    EXPECT_EQ(FindEvolutionFrom(s), EVOLUTION_COUNT) << s;
    EXPECT_EQ(FindEvolutionTo(s), EVOLUTION_COUNT) << s;
  }
}

TEST(Evolution, PreEvolutionPairListsTheSmallerIdFirst) {
  EXPECT_EQ(PreEvolutionPair(2), (std::array<SpeciesId, 2>{0, 1}));
  // A baby species added to an older line: its larger id comes second.
  EXPECT_EQ(PreEvolutionPair(25), (std::array<SpeciesId, 2>{24, 171}));
  EXPECT_EQ(PreEvolutionPair(1), (std::array<SpeciesId, 2>{0, NO_SPECIES}));
  EXPECT_EQ(PreEvolutionPair(0), (std::array<SpeciesId, 2>{NO_SPECIES, NO_SPECIES}));
}

TEST(Evolution, DescendantsAreBreadthFirst) {
  EXPECT_EQ(Descendants(0), (std::vector<SpeciesId>{1, 2}));
  EXPECT_EQ(Descendants(171), (std::vector<SpeciesId>{24, 25}));
  EXPECT_EQ(Descendants(132), (std::vector<SpeciesId>{469, 470, 134, 133, 135, 195, 196}));
  std::size_t most = 0;
  for (SpeciesId s = 0; s < SPECIES_COUNT; ++s) most = std::max(most, Descendants(s).size());
  EXPECT_EQ(most, 7u);
}

TEST(TypeMatchup, WorkedPairs) {
  const TypeMatchup grassPoison = TypeMatchupText(12, 3);
  EXPECT_EQ(grassPoison.resistance, "　1/2：闘水電　1/4：草");
  EXPECT_EQ(grassPoison.weakness, "　２倍：飛炎超氷");
  const TypeMatchup ghost = TypeMatchupText(7, 7);
  EXPECT_EQ(ghost.resistance, "　1/2：毒虫　無効：ノ闘");
  EXPECT_EQ(ghost.weakness, "　２倍：霊悪");
  const TypeMatchup normal = TypeMatchupText(0, 0);
  EXPECT_EQ(normal.resistance, "　無効：霊");
  EXPECT_EQ(normal.weakness, "　２倍：闘");
}

TEST(TypeMatchup, FourTimesGroupAndNoPlaceholder) {
  // Grass/Bug (the species numbered 46's types) is four times weak to Fire and Flying.
  const TypeMatchup grassBug = TypeMatchupText(6, 12);
  EXPECT_EQ(grassBug.weakness.rfind("　４倍：飛炎", 0), 0u) << grassBug.weakness;
  for (TypeId a = 0; a < TYPE_COUNT; ++a) {
    for (TypeId b = 0; b < TYPE_COUNT; ++b) {
      if (a == PLACEHOLDER_TYPE || b == PLACEHOLDER_TYPE) continue;
      const TypeMatchup m = TypeMatchupText(a, b);
      EXPECT_EQ(m.resistance.find("－"), std::string::npos);
      EXPECT_EQ(m.weakness.find("－"), std::string::npos);
    }
  }
}

TEST(BattleRules, EachRuleKeepsAndDropsWhatItShould) {
  const SpeciesId formRow = 495;
  const SpeciesId singleStage = 126;  // no evolution, ordinary egg group
  const SpeciesId ditto = 131;        // egg group 14
  EXPECT_TRUE(PassesBattleRule(RULE_FINAL_STAGE, formRow));
  EXPECT_TRUE(PassesBattleRule(RULE_FINAL_STAGE, singleStage));
  EXPECT_FALSE(PassesBattleRule(RULE_FINAL_STAGE, 0));
  EXPECT_FALSE(PassesBattleRule(RULE_PARK, formRow));
  EXPECT_FALSE(PassesBattleRule(RULE_PARK, singleStage));
  EXPECT_TRUE(PassesBattleRule(RULE_PARK, 0));
  EXPECT_FALSE(PassesBattleRule(RULE_PARK, 1));

  EXPECT_TRUE(PassesBattleRule(RULE_JUST_HATCHED, singleStage));
  EXPECT_FALSE(PassesBattleRule(RULE_JUST_HATCHED, ditto));
  EXPECT_FALSE(PassesBattleRule(RULE_JUST_HATCHED, EGG_SPECIES));
  EXPECT_FALSE(PassesBattleRule(RULE_JUST_HATCHED, 149));  // undiscovered group
  EXPECT_TRUE(PassesBattleRule(RULE_JUST_HATCHED, 171));   // baby that evolves
  EXPECT_FALSE(PassesBattleRule(RULE_JUST_HATCHED, 24));

  EXPECT_FALSE(PassesBattleRule(RULE_TOWER, 149));  // excluded, though it does not evolve
  EXPECT_FALSE(PassesBattleRule(RULE_TOWER, 0));
  EXPECT_FALSE(PassesBattleRule(RULE_TOWER, 500));
  EXPECT_TRUE(PassesBattleRule(RULE_TOWER, 2));

  for (SpeciesId s = 495; s < SPECIES_COUNT; ++s)
    EXPECT_FALSE(PassesBattleRule(RULE_REGIONAL_DP, s));
  for (SpeciesId s = 500; s < SPECIES_COUNT; ++s)
    EXPECT_TRUE(PassesBattleRule(RULE_REGIONAL_PT, s));
  EXPECT_FALSE(PassesBattleRule(RULE_REGIONAL_PT, 495));
  EXPECT_TRUE(PassesBattleRule(RULE_REGIONAL_DP, 386));  // first of the regional order

  for (BattleRuleId other : {0, -1, 7, 100}) EXPECT_TRUE(PassesBattleRule(other, 0));
}

TEST(BattleRules, FilteredListsSkipTheEggRows) {
  const std::vector<SpeciesId> all = RuleFilteredSpecies(RULE_NONE);
  EXPECT_EQ(all.size(), 505u);
  EXPECT_TRUE(std::is_sorted(all.begin(), all.end()));
  EXPECT_EQ(std::count(all.begin(), all.end(), EGG_SPECIES), 0);
  EXPECT_EQ(std::count(all.begin(), all.end(), DAMAGED_EGG_SPECIES), 0);
  EXPECT_EQ(RuleFilteredSpecies(RULE_REGIONAL_DP).size(), 151u);
  EXPECT_EQ(RuleFilteredSpecies(RULE_REGIONAL_PT).size(), 217u);
}

}  // namespace
}  // namespace kerumina::data
