// CanLearnAny walks the whole evolution chain; MatchLearnConditions marks what it finds so
// a caller can go on with pre-evolutions. Both are what the search and the box rely on.
#include <gtest/gtest.h>

#include "data/learnsets.h"

namespace kerumina::data {
namespace {

constexpr LearnMethods ALL_METHODS{true, true, true, true};
constexpr GameVersions ALL_VERSIONS{true, true, true};
constexpr GameVersions NO_VERSION{};

MoveConditions Only(MoveId move) {
  return {move, NO_MOVE, NO_MOVE, NO_MOVE};
}

// One move in all mode.
bool Finds(SpeciesId species, MoveId move, const LearnMethods& methods,
           const GameVersions& versions) {
  MoveConditions conds = Only(move);
  return MatchLearnConditions(species, false, methods, versions, conds);
}

TEST(CanLearnAny, WalksTheChainAndTheSharedLearnset) {
  // Egg move of the first stage only, found from the third stage.
  EXPECT_FALSE(InSlots(EGG_MOVES_DPPT[2], 112));
  EXPECT_TRUE(CanLearnAny(2, 112));
  // Species 291 learns what 290 learns, though 290 is not its pre-evolution.
  EXPECT_TRUE(CanLearnAny(290, 102));
  EXPECT_FALSE(CanLearnAny(289, 102));
  EXPECT_TRUE(CanLearnAny(291, 102));
  EXPECT_FALSE(CanLearnAny(EGG_SPECIES, 0));
  // A level-up slot with level 1 and MoveId 0 is a real entry; all-zero slots are empty.
  EXPECT_TRUE(InLevelUp(LEVEL_UP_DP, 34, 0));
  EXPECT_FALSE(InLevelUp(LEVEL_UP_DP, 0, 0));
  EXPECT_FALSE(CanLearnAny(0, 0));
}

TEST(MatchLearnConditions, MarksFoundMovesAcrossCalls) {
  MoveConditions none{NO_MOVE, NO_MOVE, NO_MOVE, NO_MOVE};
  EXPECT_TRUE(MatchLearnConditions(0, true, LearnMethods{}, NO_VERSION, none));

  // All mode: species 0 learns 112 (egg) but not 102; species 290 learns 102. Once all is
  // marked the answer is true whatever the species.
  MoveConditions all{112, NO_MOVE, 102, NO_MOVE};
  EXPECT_FALSE(MatchLearnConditions(0, false, ALL_METHODS, ALL_VERSIONS, all));
  EXPECT_EQ(all, (MoveConditions{NO_MOVE, NO_MOVE, 102, NO_MOVE}));
  EXPECT_TRUE(MatchLearnConditions(290, false, ALL_METHODS, ALL_VERSIONS, all));
  EXPECT_EQ(all, none);
  EXPECT_TRUE(MatchLearnConditions(EGG_SPECIES, false, LearnMethods{}, NO_VERSION, all));

  // Any mode stops at the first found move and marks only that one.
  MoveConditions any{102, 112, 32, NO_MOVE};
  EXPECT_TRUE(MatchLearnConditions(0, true, ALL_METHODS, ALL_VERSIONS, any));
  EXPECT_EQ(any, (MoveConditions{102, NO_MOVE, 32, NO_MOVE}));
  MoveConditions missing = Only(102);
  EXPECT_FALSE(MatchLearnConditions(0, true, ALL_METHODS, ALL_VERSIONS, missing));

  // No method never finds a move, in either mode, and marks nothing.
  MoveConditions noMethod = Only(32);
  EXPECT_FALSE(MatchLearnConditions(0, false, LearnMethods{}, ALL_VERSIONS, noMethod));
  EXPECT_FALSE(MatchLearnConditions(0, true, LearnMethods{}, ALL_VERSIONS, noMethod));
  EXPECT_EQ(noMethod[0], 32);
}

TEST(MachineNumber, HiddenMachinesFollowTheNumberedOnes) {
  EXPECT_EQ(MachineNumber(91), 92);
  EXPECT_FALSE(IsHiddenMachine(91));
  EXPECT_EQ(MachineNumber(92), 1);
  EXPECT_TRUE(IsHiddenMachine(92));
}

// Which tables one method reads, by version flags (level-up and the version tutor tables
// need one; machines, eggs and special moves do not): the slot scans as the reference for
// the lookups' bit index.
bool SlotScan(const LearnMethods& k, const GameVersions& v, SpeciesId s, MoveId m) {
  const bool levelUp = (v.dp && InLevelUp(LEVEL_UP_DP, s, m)) ||
                       (v.pt && InLevelUp(LEVEL_UP_PT, s, m)) ||
                       (v.hgss && InLevelUp(LEVEL_UP_HGSS, s, m));
  const bool machine = ByMachine(MACHINE_LIST_DPPT, MACHINE_COMPAT_DPPT, s, m) ||
                       (v.hgss && ByMachine(MACHINE_LIST_HGSS, MACHINE_COMPAT_HGSS, s, m));
  const bool tutor = InSpecialLearn(s, m) || (v.pt && InSlots(TUTOR_PT[s], m)) ||
                     (v.hgss && InSlots(TUTOR_HGSS[s], m));
  const bool egg = InSlots(EGG_MOVES_DPPT[s], m) || (v.hgss && InSlots(EGG_MOVES_HGSS[s], m));
  return (k.levelUp && levelUp) || (k.machine && machine) || (k.tutor && tutor) || (k.egg && egg);
}

TEST(MatchLearnConditions, AgreesWithTheSlotScansForEveryTable) {
  // clang-format off
  const std::pair<LearnMethods, GameVersions> cases[] = {
      {{.levelUp = true}, {}}, {{.levelUp = true}, {.dp = true}},
      {{.levelUp = true}, {.pt = true}}, {{.levelUp = true}, {.hgss = true}},
      {{.machine = true}, {}}, {{.machine = true}, {.hgss = true}},
      {{.tutor = true}, {}}, {{.tutor = true}, {.pt = true}},
      {{.tutor = true}, {.hgss = true}}, {{.egg = true}, {}}, {{.egg = true}, {.hgss = true}}};
  // clang-format on

  int mismatches = 0;
  for (const auto& [methods, versions] : cases) {
    for (SpeciesId s = 0; s < SPECIES_COUNT; ++s) {
      for (MoveId m = 0; m < MOVE_COUNT; ++m) {
        mismatches += Finds(s, m, methods, versions) != SlotScan(methods, versions, s, m);
      }
    }
  }
  EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace kerumina::data
