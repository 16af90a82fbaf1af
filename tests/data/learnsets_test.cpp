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

namespace kerumina::data {
namespace {

// The lookups answer from a bit index; each table's slot scan is the reference.
TEST(MatchLearnConditions, AgreesWithTheSlotScansForEveryTable) {
  struct Case {
    LearnMethods methods;
    GameVersions versions;
    bool (*reference)(SpeciesId, MoveId);
  };
  const Case cases[] = {
      {{.levelUp = true},
       {.dp = true},
       [](SpeciesId s, MoveId m) { return InLevelUp(LEVEL_UP_DP, s, m); }},
      {{.levelUp = true},
       {.pt = true},
       [](SpeciesId s, MoveId m) { return InLevelUp(LEVEL_UP_PT, s, m); }},
      {{.levelUp = true},
       {.hgss = true},
       [](SpeciesId s, MoveId m) { return InLevelUp(LEVEL_UP_HGSS, s, m); }},
      {{.machine = true},
       {},
       [](SpeciesId s, MoveId m) {
         return ByMachine(MACHINE_LIST_DPPT, MACHINE_COMPAT_DPPT, s, m);
       }},
      {{.tutor = true}, {}, [](SpeciesId s, MoveId m) { return InSpecialLearn(s, m); }},
      {{.egg = true}, {}, [](SpeciesId s, MoveId m) { return InSlots(EGG_MOVES_DPPT[s], m); }},
      {{.tutor = true},
       {.pt = true},
       [](SpeciesId s, MoveId m) { return InSpecialLearn(s, m) || InSlots(TUTOR_PT[s], m); }},
      {{.tutor = true},
       {.hgss = true},
       [](SpeciesId s, MoveId m) { return InSpecialLearn(s, m) || InSlots(TUTOR_HGSS[s], m); }},
      {{.machine = true},
       {.hgss = true},
       [](SpeciesId s, MoveId m) {
         return ByMachine(MACHINE_LIST_DPPT, MACHINE_COMPAT_DPPT, s, m) ||
                ByMachine(MACHINE_LIST_HGSS, MACHINE_COMPAT_HGSS, s, m);
       }},
      {{.egg = true},
       {.hgss = true},
       [](SpeciesId s, MoveId m) {
         return InSlots(EGG_MOVES_DPPT[s], m) || InSlots(EGG_MOVES_HGSS[s], m);
       }},
  };
  int mismatches = 0;
  for (const Case& c : cases) {
    for (SpeciesId s = 0; s < SPECIES_COUNT; ++s) {
      for (MoveId m = 0; m < MOVE_COUNT; ++m) {
        MoveConditions conds{m, NO_MOVE, NO_MOVE, NO_MOVE};
        const bool found = MatchLearnConditions(s, false, c.methods, c.versions, conds);
        mismatches += found != c.reference(s, m) ? 1 : 0;
      }
    }
  }
  EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace kerumina::data
