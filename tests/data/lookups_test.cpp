// Evolution walks, type matchups and battle rules: the lookups that live with the tables.
#include <gtest/gtest.h>

#include <algorithm>

#include "data/battle_rules.h"
#include "data/species.h"
#include "data/types.h"

namespace kerumina::data {
namespace {

using Pair = std::array<SpeciesId, 2>;
using Ids = std::vector<SpeciesId>;

TEST(Evolution, WalksUpAndDownTheChain) {
  EXPECT_EQ(PreEvolutionOf(0), NO_SPECIES);
  EXPECT_EQ(PreEvolutionOf(498), 411);
  // The species numbered 412 leads to two form rows as well.
  EXPECT_EQ(Evolutions(411), (Ids{412, 498, 499, 413}));
  EXPECT_TRUE(Evolutions(2).empty());
  for (SpeciesId s : {EGG_SPECIES, DAMAGED_EGG_SPECIES, 495, 500, 506}) {
    EXPECT_EQ(FindEvolutionFrom(s), EVOLUTION_COUNT) << s;
    EXPECT_EQ(FindEvolutionTo(s), EVOLUTION_COUNT) << s;
  }
  // The smaller id first: a baby species added to an older line comes second.
  EXPECT_EQ(PreEvolutionPair(2), (Pair{0, 1}));
  EXPECT_EQ(PreEvolutionPair(25), (Pair{24, 171}));
  EXPECT_EQ(PreEvolutionPair(1), (Pair{0, NO_SPECIES}));
  EXPECT_EQ(PreEvolutionPair(0), (Pair{NO_SPECIES, NO_SPECIES}));
  // Descendants breadth first.
  EXPECT_EQ(Descendants(171), (Ids{24, 25}));
  EXPECT_EQ(Descendants(132), (Ids{469, 470, 134, 133, 135, 195, 196}));
}

TEST(TypeMatchup, WorkedExamplesAndNoPlaceholder) {
  struct Case {
    TypeId type1, type2;
    const char* resistance;
    const char* weakness;
  };
  const Case cases[] = {
      {12, 3, "　1/2：闘水電　1/4：草", "　２倍：飛炎超氷"},
      {7, 7, "　1/2：毒虫　無効：ノ闘", "　２倍：霊悪"},
      {0, 0, "　無効：霊", "　２倍：闘"},
      {10, 10, "　1/2：虫鋼炎草氷", "　２倍：地岩水"},  // single type: no ４倍 group
  };
  for (const Case& c : cases) {
    const TypeMatchup m = TypeMatchupText(c.type1, c.type2);
    EXPECT_EQ(m.resistance, c.resistance) << c.type1 << "/" << c.type2;
    EXPECT_EQ(m.weakness, c.weakness) << c.type1 << "/" << c.type2;
  }
  // Grass/Bug is four times weak to Fire and Flying.
  EXPECT_EQ(TypeMatchupText(6, 12).weakness.rfind("　４倍：飛炎", 0), 0u);
  for (TypeId a = 0; a < TYPE_COUNT; ++a) {
    for (TypeId b = 0; b < TYPE_COUNT; ++b) {
      if (a == PLACEHOLDER_TYPE || b == PLACEHOLDER_TYPE) continue;
      const TypeMatchup m = TypeMatchupText(a, b);
      EXPECT_EQ((m.resistance + m.weakness).find(TypeAbbreviation(PLACEHOLDER_TYPE)),
                std::string::npos);
    }
  }
}

TEST(BattleRules, EachRuleKeepsAndDropsWhatItShould) {
  constexpr SpeciesId FORM_ROW = 495, SINGLE_STAGE = 126, DITTO = 131, EXCLUDED = 149;
  struct Case {
    BattleRuleId rule;
    Ids passing, failing;
  };
  const Case cases[] = {
      {RULE_FINAL_STAGE, {FORM_ROW, SINGLE_STAGE}, {0}},
      {RULE_PARK, {0}, {FORM_ROW, SINGLE_STAGE, 1}},
      {RULE_JUST_HATCHED, {SINGLE_STAGE, 171}, {DITTO, EGG_SPECIES, EXCLUDED, 24}},
      {RULE_TOWER, {2}, {EXCLUDED, 0, 500}},
      {RULE_REGIONAL_DP, {386}, {495, 506}},
      {RULE_REGIONAL_PT, {500, 506}, {495}},
      {-1, {0}, {}},
      {7, {0}, {}},
  };
  for (const Case& c : cases) {
    for (SpeciesId s : c.passing) EXPECT_TRUE(PassesBattleRule(c.rule, s)) << c.rule << " " << s;
    for (SpeciesId s : c.failing) EXPECT_FALSE(PassesBattleRule(c.rule, s)) << c.rule << " " << s;
  }
  // Filtered lists: all rows but the two egg rows, in id order.
  const Ids all = RuleFilteredSpecies(RULE_NONE);
  Ids expected;
  for (SpeciesId s = 0; s < SPECIES_COUNT; ++s) {
    if (s != EGG_SPECIES && s != DAMAGED_EGG_SPECIES) expected.push_back(s);
  }
  EXPECT_EQ(all, expected);
  EXPECT_EQ(RuleFilteredSpecies(RULE_REGIONAL_DP).size(), 151u);
  EXPECT_EQ(RuleFilteredSpecies(RULE_REGIONAL_PT).size(), 217u);
}

}  // namespace
}  // namespace kerumina::data
