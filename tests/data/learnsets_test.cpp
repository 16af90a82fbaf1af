// CanLearnAny, MatchLearnConditions and the box's move-picker lines against the data set's
// learnsets read apart from the tables.
#include <gtest/gtest.h>

#include <algorithm>

#include "data/learnable_moves.h"
#include "data/learnsets.h"
#include "data_set.h"
#include "text/sort_order.h"

namespace kerumina::data {
namespace {

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

TEST(MatchLearnConditions, MarksFoundMovesAcrossCalls) {
  constexpr LearnMethods all{true, true, true, true};
  constexpr GameVersions every{true, true, true};
  MoveConditions none{NO_MOVE, NO_MOVE, NO_MOVE, NO_MOVE};
  EXPECT_TRUE(MatchLearnConditions(0, true, LearnMethods{}, GameVersions{}, none));
  EXPECT_TRUE(MatchLearnConditions(0, false, LearnMethods{}, GameVersions{}, none));

  // All mode: species 0 learns 112 (egg) but not 102; species 290 learns 102. Once all is
  // marked the answer is true whatever the species.
  MoveConditions conds{112, NO_MOVE, 102, NO_MOVE};
  EXPECT_FALSE(MatchLearnConditions(0, false, all, every, conds));
  EXPECT_EQ(conds, (MoveConditions{NO_MOVE, NO_MOVE, 102, NO_MOVE}));
  EXPECT_TRUE(MatchLearnConditions(290, false, all, every, conds));
  EXPECT_EQ(conds, none);
  EXPECT_TRUE(MatchLearnConditions(EGG_SPECIES, false, LearnMethods{}, GameVersions{}, conds));

  // Any mode stops at the first found move and marks only that one.
  conds = {102, 112, 32, NO_MOVE};
  EXPECT_TRUE(MatchLearnConditions(0, true, all, every, conds));
  EXPECT_EQ(conds, (MoveConditions{102, NO_MOVE, 32, NO_MOVE}));
  conds = {102, NO_MOVE, NO_MOVE, NO_MOVE};
  EXPECT_FALSE(MatchLearnConditions(0, true, all, every, conds));
}

// The whole line counts, and 291 learns what 290 learns.
TEST(CanLearnAny, AgreesWithTheLearnsetsOfTheWholeLine) {
  const std::vector<SpeciesId> pre = data_set::PreEvolutions();
  const Sources& sources = DataSetSources();
  const auto learns = [&](SpeciesId s, MoveId m) {
    for (; s != NO_SPECIES; s = pre[s]) {
      if (sources[s][m] != 0) return true;
    }
    return false;
  };
  int mismatches = 0;
  for (SpeciesId s = 0; s < SPECIES_COUNT; ++s) {
    for (MoveId m = 0; m < MOVE_COUNT; ++m) {
      const bool expected = learns(s, m) || (s == SHARED_LEARNSET_SPECIES && learns(290, m));
      mismatches += CanLearnAny(s, m) != expected;
    }
  }
  EXPECT_EQ(mismatches, 0);
}

// " 無指定", every learnable move, the separator and the older game's tutor moves, in the
// sorted picker's order.
TEST(LearnableMoveItems, EveryLearnableMoveThenTheOlderTutorMoves) {
  for (SpeciesId s = -1; s < SPECIES_COUNT; ++s) {
    std::vector<std::pair<std::string, MoveId>> expected = {{" 無指定", NO_MOVE},
                                                            {"― Em 教え技 ―", NO_MOVE}};
    for (MoveId m = 0; s >= 0 && m < MOVE_COUNT; ++m) {
      if (CanLearnAny(s, m)) expected.emplace_back(MoveName(m), m);
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
