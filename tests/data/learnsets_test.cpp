// CanLearnAny walks the whole evolution chain; MatchLearnConditions marks what it finds so
// a caller can go on with pre-evolutions. Both are what the search and the box rely on.
#include <gtest/gtest.h>

#include "data/learnsets.h"

namespace kerumina::data {
namespace {

constexpr LearnMethods ALL_METHODS{true, true, true, true};
constexpr GameVersions ALL_VERSIONS{true, true, true};
constexpr GameVersions NO_VERSION{};

TEST(CanLearnAny, WalksTheChainAndTheSharedLearnset) {
  // Egg move of the first stage only, found from the third stage.
  EXPECT_TRUE(CanLearnAny(0, 112));
  EXPECT_FALSE(InSlots(EGG_MOVES_DPPT[2], 112));
  EXPECT_TRUE(CanLearnAny(2, 112));
  // Species 291 learns what 290 learns, though 290 is not its pre-evolution.
  EXPECT_TRUE(CanLearnAny(290, 102));
  EXPECT_FALSE(CanLearnAny(289, 102));
  EXPECT_TRUE(CanLearnAny(291, 102));
  EXPECT_FALSE(CanLearnAny(EGG_SPECIES, 0));
}

TEST(CanLearnAny, LevelUpSlotWithMoveZero) {
  EXPECT_TRUE(InLevelUp(LEVEL_UP_DP, 34, 0));  // level 1, MoveId 0: a real entry
  EXPECT_FALSE(InLevelUp(LEVEL_UP_DP, 0, 0));  // all-zero slots are empty
  EXPECT_FALSE(CanLearnAny(0, 0));
}

TEST(MatchLearnConditions, NoMoveGivenMatches) {
  MoveConditions conds{NO_MOVE, NO_MOVE, NO_MOVE, NO_MOVE};
  EXPECT_TRUE(MatchLearnConditions(0, false, ALL_METHODS, ALL_VERSIONS, conds));
  EXPECT_TRUE(MatchLearnConditions(0, true, LearnMethods{}, NO_VERSION, conds));
}

TEST(MatchLearnConditions, AllModeMarksFoundMovesAcrossCalls) {
  // Species 0 learns 112 (egg) but not 102; species 290 learns 102.
  MoveConditions conds{112, NO_MOVE, 102, NO_MOVE};
  EXPECT_FALSE(MatchLearnConditions(0, false, ALL_METHODS, ALL_VERSIONS, conds));
  EXPECT_EQ(conds, (MoveConditions{NO_MOVE, NO_MOVE, 102, NO_MOVE}));
  EXPECT_TRUE(MatchLearnConditions(290, false, ALL_METHODS, ALL_VERSIONS, conds));
  EXPECT_EQ(conds, (MoveConditions{NO_MOVE, NO_MOVE, NO_MOVE, NO_MOVE}));
  // Everything marked: true at once, whatever the species.
  EXPECT_TRUE(MatchLearnConditions(EGG_SPECIES, false, LearnMethods{}, NO_VERSION, conds));
}

TEST(MatchLearnConditions, AnyModeStopsAtTheFirstFoundMove) {
  MoveConditions conds{102, 112, 32, NO_MOVE};
  EXPECT_TRUE(MatchLearnConditions(0, true, ALL_METHODS, ALL_VERSIONS, conds));
  EXPECT_EQ(conds, (MoveConditions{102, NO_MOVE, 32, NO_MOVE}));
  MoveConditions none{102, NO_MOVE, NO_MOVE, NO_MOVE};
  EXPECT_FALSE(MatchLearnConditions(0, true, ALL_METHODS, ALL_VERSIONS, none));
}

TEST(MatchLearnConditions, VersionFlagsGateOnlyVersionTables) {
  MoveConditions levelUp{32, NO_MOVE, NO_MOVE, NO_MOVE};  // species 0, level-up only
  EXPECT_FALSE(MatchLearnConditions(0, false, {.levelUp = true}, NO_VERSION, levelUp));
  EXPECT_TRUE(MatchLearnConditions(0, false, {.levelUp = true}, {.hgss = true}, levelUp));

  MoveConditions machine{13, NO_MOVE, NO_MOVE, NO_MOVE};  // species 0 by machine
  EXPECT_TRUE(MatchLearnConditions(0, false, {.machine = true}, NO_VERSION, machine));
  MoveConditions egg{112, NO_MOVE, NO_MOVE, NO_MOVE};
  EXPECT_TRUE(MatchLearnConditions(0, false, {.egg = true}, NO_VERSION, egg));

  // Tutor without a version: the special table counts, the PT tutor table does not.
  MoveConditions special{337, NO_MOVE, NO_MOVE, NO_MOVE};
  EXPECT_TRUE(MatchLearnConditions(2, false, {.tutor = true}, NO_VERSION, special));
  MoveConditions tutor{188, NO_MOVE, NO_MOVE, NO_MOVE};
  EXPECT_FALSE(MatchLearnConditions(0, false, {.tutor = true}, NO_VERSION, tutor));
  EXPECT_TRUE(MatchLearnConditions(0, false, {.tutor = true}, {.pt = true}, tutor));
}

TEST(MatchLearnConditions, NoMethodNeverFindsAMove) {
  MoveConditions conds{32, NO_MOVE, NO_MOVE, NO_MOVE};
  EXPECT_FALSE(MatchLearnConditions(0, false, LearnMethods{}, ALL_VERSIONS, conds));
  EXPECT_FALSE(MatchLearnConditions(0, true, LearnMethods{}, ALL_VERSIONS, conds));
  EXPECT_EQ(conds[0], 32);
}

TEST(Machines, SlotNumbers) {
  EXPECT_EQ(MachineNumber(0), 1);
  EXPECT_EQ(MachineNumber(91), 92);
  EXPECT_FALSE(IsHiddenMachine(91));
  EXPECT_EQ(MachineNumber(92), 1);
  EXPECT_TRUE(IsHiddenMachine(92));
  EXPECT_EQ(MachineNumber(99), 8);
}

}  // namespace
}  // namespace kerumina::data
