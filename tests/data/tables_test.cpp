// The compiled tables against a second reading of the data set, and the hand-typed tables
// against what the damage rules and the labels say of them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "data/abilities.h"
#include "data/battle_rules.h"
#include "data/learnsets.h"
#include "data/moves.h"
#include "data/species.h"
#include "data/types.h"
#include "data_set.h"
#include "text/format.h"
#include "text/sort_order.h"

namespace kerumina::data {
namespace {

using data_set::ExpectSameRows;
using data_set::Line;
using Lines = std::vector<std::string>;

// The learnsets are compared entry by entry with the detail view's move list, the
// evolution records and regional lists with the lookups that read them.
TEST(GeneratedTables, HoldEveryRowOfTheDataSet) {
  Lines species, moves, abilities, groups, emTutor;
  for (SpeciesId s = 0; s < SPECIES_COUNT; ++s) {
    const SpeciesRecord& r = Species(s);
    const EggRecord& egg = EGG_TABLE[s];
    species.push_back(Line(s, r.number, SpeciesName(s), r.base[0], r.base[1], r.base[2], r.base[3],
                           r.base[4], r.base[5], r.type1, r.type2, r.catchRate, r.baseExp,
                           r.baseFriendship, r.heldItemCommon, r.heldItemRare, r.femaleRatio,
                           SPECIES_ABILITIES[s].ability1, SPECIES_ABILITIES[s].ability2,
                           egg.hatchSteps, egg.eggGroup1, egg.eggGroup2));
  }
  for (MoveId m = 0; m < MOVE_COUNT; ++m) {
    const MoveRecord& r = Move(m);
    moves.push_back(
        Line(m, MoveName(m), r.power, r.accuracy, r.pp, r.type, r.category, r.target, r.effect));
  }
  for (AbilityId a = 0; a < ABILITY_COUNT; ++a) abilities.push_back(Line(a, AbilityName(a)));
  for (EggGroupId g = 0; g < EGG_GROUP_COUNT; ++g) {
    groups.push_back(Line(g, EggGroupName(g), EGG_GROUPS[g].comboPosition));
  }
  for (int i = 0; i < EM_TUTOR_COUNT; ++i) emTutor.push_back(Line(i, EM_TUTOR_LIST[i]));
  ExpectSameRows("species.tsv", species);
  ExpectSameRows("moves.tsv", moves);
  ExpectSameRows("abilities.tsv", abilities, 2);
  ExpectSameRows("egg_groups.tsv", groups);
  ExpectSameRows("em_tutor.tsv", emTutor);
}

// Per attacking type: how many defending types take double, half and no damage (the
// placeholder column counts as none), the rest normal; then every immunity by name.
TEST(TypeChart, CountsPerAttackingTypeAndImmunities) {
  const std::array<int, 3> counts[TYPE_COUNT] = {
      {0, 2, 2}, {5, 4, 2}, {3, 3, 1}, {1, 4, 2},  {5, 2, 2}, {4, 3, 1},
      {3, 6, 1}, {2, 2, 2}, {2, 4, 1}, {0, 0, 18}, {4, 4, 1}, {3, 3, 1},
      {3, 7, 1}, {2, 3, 2}, {2, 2, 2}, {4, 4, 1},  {1, 1, 1}, {2, 3, 1}};
  std::string immunities;
  for (TypeId a = 0; a < TYPE_COUNT; ++a) {
    const auto& row = TYPE_CHART[a];
    const auto count = [&row](int value) {
      return static_cast<int>(std::ranges::count(row, value));
    };
    EXPECT_EQ((std::array{count(4), count(1), count(0)}), counts[a]) << TypeName(a);
    EXPECT_EQ(count(4) + count(2) + count(1) + count(0), TYPE_COUNT) << TypeName(a);
    for (TypeId d = 0; d < TYPE_COUNT; ++d) {
      if (row[d] == 0 && a != PLACEHOLDER_TYPE && d != PLACEHOLDER_TYPE) {
        immunities += std::string(TypeAbbreviation(a)) + std::string(TypeAbbreviation(d)) + " ";
      }
    }
  }
  EXPECT_EQ(immunities, "ノ霊 闘霊 毒鋼 地飛 霊ノ 電地 超悪 ");
}

// The label names the raised and the lowered stat; the multipliers must say the same.
TEST(Natures, MultipliersFollowTheirLabels) {
  const std::string stats[] = {"攻撃", "防御", "特攻", "特防", "素早"};
  for (const NatureRecord& nature : NATURES) {
    const std::string label = nature.label;
    for (int s = 0; s < 5; ++s) {
      const int expected = label.find(stats[s] + "＋") != std::string::npos   ? 11
                           : label.find(stats[s] + "－") != std::string::npos ? 9
                                                                              : 10;
      EXPECT_EQ(nature.multiplier[s], expected) << label << " " << stats[s];
    }
  }
}

// Rows 1..123 are stored in picker order: sorting the names must change nothing.
TEST(AbilityTable, PickerOrder) {
  EXPECT_EQ(AbilityName(NO_ABILITY), "無指定");
  const std::vector<std::string> picker(ABILITY_NAMES + 1, ABILITY_NAMES + ABILITY_COUNT);
  std::vector<std::string> sorted(picker.rbegin(), picker.rend());
  std::ranges::sort(sorted, text::JapaneseLess);
  EXPECT_EQ(sorted, picker);
}

TEST(MovesOfType, EveryMoveOfTheTypeInIdOrder) {
  for (TypeId t = -1; t < TYPE_COUNT; ++t) {
    std::vector<MoveId> expected;
    for (MoveId m = 0; m < MOVE_COUNT; ++m) {
      if (t == ANY_TYPE || Move(m).type == t) expected.push_back(m);
    }
    EXPECT_EQ(MovesOfType(t), expected) << t;
    EXPECT_EQ(expected.empty(), t == PLACEHOLDER_TYPE) << t;
  }
}

}  // namespace
}  // namespace kerumina::data
