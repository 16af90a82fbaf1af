// The lookups that live with the tables against plain scans of the data set: evolution
// walks, battle rules, type matchups, MatchLearnConditions and the box's move-picker lines
// (CanLearnAny).
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "data/battle_rules.h"
#include "data/learnable_moves.h"
#include "data/learnsets.h"
#include "data/species.h"
#include "data/types.h"
#include "data_set.h"
#include "text/sort_order.h"

namespace kerumina::data {
namespace {

using data_set::Int;
using data_set::ReadTsv;
using Ids = std::vector<SpeciesId>;

struct Link {
  SpeciesId from, to;
};

std::vector<Link> DataSetEvolutions() {
  std::vector<Link> links;
  for (const auto& row : ReadTsv("evolutions.tsv"))
    links.push_back({Int(row, 0) - 1, Int(row, 1) - 1});
  return links;
}

TEST(Evolution, LookupsAgreeWithAScanOfTheRecords) {
  const std::vector<Link> links = DataSetEvolutions();
  const auto next = [&](SpeciesId s) {
    Ids ids;
    for (const Link& link : links) {
      if (link.from == s) ids.push_back(link.to);
    }
    return ids;
  };
  const auto first = [&](SpeciesId s, SpeciesId Link::*side) {
    const auto at = std::ranges::find(links, s, side);
    return static_cast<int>(at - links.begin());
  };
  const auto pre = [&](SpeciesId s) {
    const int i = first(s, &Link::to);
    return i == EVOLUTION_COUNT ? NO_SPECIES : links[i].from;
  };
  for (SpeciesId s = 0; s < SPECIES_COUNT; ++s) {
    EXPECT_EQ(Evolutions(s), next(s)) << s;
    EXPECT_EQ(FindEvolutionFrom(s), first(s, &Link::from)) << s;
    EXPECT_EQ(FindEvolutionTo(s), first(s, &Link::to)) << s;
    EXPECT_EQ(PreEvolutionOf(s), pre(s)) << s;
    const SpeciesId p2 = pre(s) == NO_SPECIES ? NO_SPECIES : pre(pre(s));
    EXPECT_EQ(PreEvolutionPair(s), (std::array{std::min(pre(s), p2), std::max(pre(s), p2)})) << s;
    Ids descendants = next(s);
    for (std::size_t i = 0; i < descendants.size(); ++i) {
      for (SpeciesId d : next(descendants[i])) descendants.push_back(d);
    }
    EXPECT_EQ(Descendants(s), descendants) << s;
  }
  // The species numbered 412 leads to two form rows; a baby added to an older line comes
  // second among the pre-evolutions.
  EXPECT_EQ(Evolutions(411), (Ids{412, 498, 499, 413}));
  EXPECT_EQ(PreEvolutionPair(25), (std::array<SpeciesId, 2>{24, 171}));
}

TEST(BattleRules, EachRuleAgreesWithAPlainReading) {
  const std::set<int> excluded = {150, 151, 249, 250, 251, 382, 383, 384, 385, 386,
                                  483, 484, 487, 489, 490, 491, 492, 493, 501, 502};
  std::set<int> regional[2];
  for (const auto& row : ReadTsv("regional.tsv")) regional[row[0] == "PT"].insert(Int(row, 2));
  const std::vector<Link> links = DataSetEvolutions();
  for (BattleRuleId rule = -1; rule <= BATTLE_RULE_COUNT; ++rule) {
    Ids passing;
    for (SpeciesId s = 0; s < SPECIES_COUNT; ++s) {
      const bool evolves = std::ranges::count(links, s, &Link::from) > 0;
      const bool hasPre = std::ranges::count(links, s, &Link::to) > 0;
      const EggGroupId group = EGG_TABLE[s].eggGroup1;
      const bool expected = rule == RULE_FINAL_STAGE ? !evolves
                            : rule == RULE_JUST_HATCHED
                                ? !hasPre && (evolves || (group != 14 && group != 15))
                            : rule == RULE_TOWER       ? !evolves && !excluded.contains(s + 1)
                            : rule == RULE_REGIONAL_DP ? regional[0].contains(s + 1)
                            : rule == RULE_PARK        ? !hasPre && evolves
                            : rule == RULE_REGIONAL_PT ? regional[1].contains(s + 1)
                                                       : true;
      EXPECT_EQ(PassesBattleRule(rule, s), expected) << rule << " " << s;
      if (expected && s != EGG_SPECIES && s != DAMAGED_EGG_SPECIES) passing.push_back(s);
    }
    EXPECT_EQ(RuleFilteredSpecies(rule), passing) << rule;
  }
}

// Resistances, then weaknesses; the placeholder type, immune to everything, never shows.
TEST(TypeMatchup, WorkedExamples) {
  const std::tuple<TypeId, TypeId, std::string> cases[] = {
      {12, 3, "　1/2：闘水電　1/4：草 | 　２倍：飛炎超氷"},
      {7, 7, "　1/2：毒虫　無効：ノ闘 | 　２倍：霊悪"},
      {0, 0, "　無効：霊 | 　２倍：闘"},
      {10, 10, "　1/2：虫鋼炎草氷 | 　２倍：地岩水"},  // single type: no ４倍 group
      {6, 12, "　1/2：闘水電　1/4：地草 | 　４倍：飛炎　２倍：毒岩虫氷"}};
  for (const auto& [type1, type2, text] : cases) {
    const TypeMatchup m = TypeMatchupText(type1, type2);
    EXPECT_EQ(m.resistance + " | " + m.weakness, text);
  }
}

// Where a species learns a move, one bit per table.
enum Source {
  LEVEL_DP,
  LEVEL_PT,
  LEVEL_HGSS,
  MACHINE_DPPT,
  MACHINE_HGSS,
  SPECIAL,
  TUTOR_PT,
  TUTOR_HGSS,
  EGG_DPPT,
  EGG_HGSS
};
using Sources = std::vector<std::array<int, MOVE_COUNT>>;

const Sources& DataSetSources() {
  static const Sources sources = [] {
    Sources bits(SPECIES_COUNT);
    for (SpeciesId s = 0; s < SPECIES_COUNT; ++s) {
      const data_set::Learnset& l = data_set::Learnsets()[s];
      const auto mark = [&](const data_set::Entries& entries, int source) {
        for (const data_set::Entry& e : entries) bits[s][e.move] |= 1 << source;
      };
      for (int i = 0; i < 3; ++i) mark(l.levelUp[i], LEVEL_DP + i);
      for (int i = 0; i < 2; ++i) {
        mark(l.machines[i], MACHINE_DPPT + i);
        mark(l.tutors[i], TUTOR_PT + i);
        mark(l.eggs[i], EGG_DPPT + i);
      }
      mark(l.special, SPECIAL);
    }
    return bits;
  }();
  return sources;
}

// One move alone in all mode, per method and version: the tables a search consults.
TEST(MatchLearnConditions, SearchesExactlyTheTablesOfTheChosenMethodsAndVersions) {
  struct Case {
    LearnMethods methods;
    GameVersions versions;
    int searched;
  };
  const Case cases[] = {{{.levelUp = true}, {}, 0},
                        {{.levelUp = true}, {.dp = true}, 1 << LEVEL_DP},
                        {{.levelUp = true}, {.pt = true}, 1 << LEVEL_PT},
                        {{.levelUp = true}, {.hgss = true}, 1 << LEVEL_HGSS},
                        {{.machine = true}, {}, 1 << MACHINE_DPPT},
                        {{.machine = true}, {.hgss = true}, 1 << MACHINE_DPPT | 1 << MACHINE_HGSS},
                        {{.tutor = true}, {}, 1 << SPECIAL},
                        {{.tutor = true}, {.pt = true}, 1 << SPECIAL | 1 << TUTOR_PT},
                        {{.tutor = true}, {.hgss = true}, 1 << SPECIAL | 1 << TUTOR_HGSS},
                        {{.egg = true}, {}, 1 << EGG_DPPT},
                        {{.egg = true}, {.hgss = true}, 1 << EGG_DPPT | 1 << EGG_HGSS},
                        {{}, {true, true, true}, 0}};
  const Sources& sources = DataSetSources();
  for (const Case& c : cases) {
    int mismatches = 0;
    for (SpeciesId s = 0; s < SPECIES_COUNT; ++s) {
      for (MoveId m = 0; m < MOVE_COUNT; ++m) {
        MoveConditions conds = {NO_MOVE, m, NO_MOVE, NO_MOVE};
        const bool found = (sources[s][m] & c.searched) != 0;
        mismatches += MatchLearnConditions(s, false, c.methods, c.versions, conds) != found;
        mismatches += conds[1] != (found ? NO_MOVE : m);
      }
    }
    EXPECT_EQ(mismatches, 0) << "searched " << c.searched;
  }
}

// " 無指定", every move the whole line learns (291 also what 290 learns), the separator and
// the older game's tutor moves, in the sorted picker's order.
TEST(LearnableMoveItems, EveryMoveOfTheLineThenTheOlderTutorMoves) {
  const std::vector<SpeciesId> pre = data_set::PreEvolutions();
  const Sources& sources = DataSetSources();
  const auto learns = [&](SpeciesId s, MoveId m) {
    for (; s != NO_SPECIES; s = pre[s]) {
      if (sources[s][m] != 0) return true;
    }
    return false;
  };
  for (SpeciesId s = -1; s < SPECIES_COUNT; ++s) {
    std::vector<std::pair<std::string, MoveId>> expected = {{" 無指定", NO_MOVE},
                                                            {"― Em 教え技 ―", NO_MOVE}};
    for (MoveId m = 0; s >= 0 && m < MOVE_COUNT; ++m) {
      if (learns(s, m) || (s == SHARED_LEARNSET_SPECIES && learns(290, m)))
        expected.emplace_back(MoveName(m), m);
    }
    for (MoveId m : EM_TUTOR_LIST) expected.emplace_back("―" + std::string(MoveName(m)), m);
    std::vector<std::pair<std::string, MoveId>> items;
    for (const MovePickerItem& item : LearnableMoveItems(s))
      items.emplace_back(item.text, item.move);
    EXPECT_TRUE(std::ranges::is_sorted(items, text::JapaneseLess, [](auto& i) { return i.first; }))
        << s;
    std::ranges::sort(items);
    std::ranges::sort(expected);
    ASSERT_EQ(items, expected) << s;
  }
}

}  // namespace
}  // namespace kerumina::data
