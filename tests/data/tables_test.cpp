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
#include "text/cp932.h"
#include "text/format.h"
#include "text/sort_order.h"

namespace kerumina::data {
namespace {

using data_set::ExpectSameRows;
using data_set::Line;
using Lines = std::vector<std::string>;

template <std::size_t N>
void AddSlots(Lines& out, SpeciesId s, const char* version, const MoveId (&slots)[N]) {
  for (std::size_t slot = 0; slot < N; ++slot) {
    if (slots[slot] != 0) out.push_back(Line(s, version, slot, slots[slot]));
  }
}

TEST(GeneratedTables, HoldEveryRowOfTheDataSet) {
  Lines species, moves, abilities, groups, evolutions, levelUp, machines, compat, eggs, tutors,
      special, emTutor, regional;
  const std::pair<const char*, GameVersion> levelUpVersions[] = {
      {"DP", VERSION_DP}, {"PT", VERSION_PT}, {"HGSS", VERSION_HGSS}};
  const std::pair<const MachineList*, const MachineCompat*> machineLists[] = {
      {&MACHINE_LIST_DPPT, &MACHINE_COMPAT_DPPT}, {&MACHINE_LIST_HGSS, &MACHINE_COMPAT_HGSS}};
  const char* listNames[] = {"DPPT", "HGSS"};
  for (SpeciesId s = 0; s < SPECIES_COUNT; ++s) {
    const SpeciesRecord& r = Species(s);
    const EggRecord& egg = EGG_TABLE[s];
    species.push_back(Line(s, r.number, SpeciesName(s), r.base[0], r.base[1], r.base[2], r.base[3],
                           r.base[4], r.base[5], r.type1, r.type2, r.catchRate, r.baseExp,
                           r.baseFriendship, r.heldItemCommon, r.heldItemRare, r.femaleRatio,
                           SPECIES_ABILITIES[s].ability1, SPECIES_ABILITIES[s].ability2,
                           egg.hatchSteps, egg.eggGroup1, egg.eggGroup2));
    for (const auto& [name, version] : levelUpVersions) {
      const auto& row = LevelUpTableOf(version)[s];
      for (int slot = 0; slot < LEVEL_UP_SLOTS; ++slot) {
        if (row[slot].level != 0 || row[slot].move != 0)
          levelUp.push_back(Line(s, name, slot, row[slot].level, row[slot].move));
      }
    }
    for (int list = 0; list < 2; ++list) {
      const auto& flags = (*machineLists[list].second)[s];
      EXPECT_EQ(flags[0], s + 1);
      std::string text;
      for (int slot = 0; slot < MACHINE_SLOTS; ++slot) text += flags[slot + 1] == 1 ? '1' : '0';
      compat.push_back(Line(s, listNames[list], text));
    }
    AddSlots(eggs, s, "DPPT", EGG_MOVES_DPPT[s]);
    AddSlots(eggs, s, "HGSS", EGG_MOVES_HGSS[s]);
    AddSlots(tutors, s, "PT", TUTOR_PT[s]);
    AddSlots(tutors, s, "HGSS", TUTOR_HGSS[s]);
    for (int slot = 0; slot < SPECIAL_LEARN_SLOTS; ++slot) {
      const SpecialLearnEntry& e = SPECIAL_LEARN[s][slot];
      if (e.move != 0 || e.kind != 0) special.push_back(Line(s, slot, e.move - 1, e.kind));
    }
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
  for (int i = 0; i < EVOLUTION_COUNT; ++i) {
    const EvolutionRecord& e = EVOLUTION_TABLE[i];
    evolutions.push_back(Line(e.from, e.to, EVOLUTION_CONDITIONS[i]));
  }
  for (int list = 0; list < 2; ++list) {
    for (int slot = 0; slot < MACHINE_SLOTS; ++slot) {
      const std::string label =
          text::Format(IsHiddenMachine(slot) ? "HM%02d" : "TM%02d", MachineNumber(slot));
      machines.push_back(Line(listNames[list], slot, label, (*machineLists[list].first)[slot] - 1));
    }
  }
  for (int i = 0; i < EM_TUTOR_COUNT; ++i) emTutor.push_back(Line(i, EM_TUTOR_LIST[i]));
  for (const auto& [name, list] : {std::pair{"DP", &REGIONAL_LIST_DP}, {"PT", &REGIONAL_LIST_PT}}) {
    for (int i = 0; i < REGIONAL_SLOTS; ++i) {
      if ((*list)[i] != 0) regional.push_back(Line(name, i, (*list)[i]));
    }
  }
  ExpectSameRows("species.tsv", species);
  ExpectSameRows("moves.tsv", moves);
  ExpectSameRows("abilities.tsv", abilities, 2);
  ExpectSameRows("egg_groups.tsv", groups);
  ExpectSameRows("evolutions.tsv", evolutions);
  ExpectSameRows("levelup.tsv", levelUp);
  ExpectSameRows("machines.tsv", machines);
  ExpectSameRows("machine_compat.tsv", compat);
  ExpectSameRows("eggmoves.tsv", eggs);
  ExpectSameRows("tutors.tsv", tutors);
  ExpectSameRows("special_learn.tsv", special);
  ExpectSameRows("em_tutor.tsv", emTutor);
  ExpectSameRows("regional.tsv", regional);
}

// The cp932 slots and the UTF-8 names are two forms of one text.
TEST(NameSlots, RoundTripThroughCp932) {
  const auto roundTrips = [](std::string_view utf8, std::string_view cp932) {
    const text::Cp932Conversion back = text::Utf8ToCp932(utf8);
    return back.ok && back.bytes == cp932 && text::Cp932ToUtf8(cp932) == utf8;
  };
  for (SpeciesId s = 0; s < SPECIES_COUNT; ++s) {
    EXPECT_TRUE(roundTrips(SpeciesName(s), SpeciesNameCp932(s))) << s;
  }
  for (MoveId m = 0; m < MOVE_COUNT; ++m) EXPECT_TRUE(roundTrips(MoveName(m), Move(m).name)) << m;
  for (AbilityId a = 0; a < ABILITY_COUNT; ++a) {
    EXPECT_TRUE(roundTrips(AbilityName(a), ABILITY_NAME_SLOTS[a].bytes)) << a;
  }
  for (int i = 0; i < EVOLUTION_COUNT; ++i) {
    EXPECT_TRUE(roundTrips(EVOLUTION_CONDITIONS[i], EVOLUTION_TABLE[i].condition)) << i;
  }
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

// Attack kind and factor, defence kind and factor of every held item, in id order.
TEST(ItemTable, KindsAndFactorsOfEveryRow) {
  const std::array<int, 4> expected[ITEM_COUNT] = {
      {0, 0, 0, 0},  {1, 12, 0, 0}, {1, 13, 0, 0}, {2, 15, 0, 0}, {3, 15, 0, 0},  {2, 11, 0, 0},
      {1, 20, 0, 0}, {2, 20, 0, 0}, {3, 11, 0, 0}, {4, 12, 0, 0}, {3, 15, 3, 15}, {3, 20, 0, 0},
      {0, 0, 3, 20}, {0, 0, 2, 20}, {5, 0, 0, 0},  {6, 0, 0, 0},  {0, 0, 0, 0}};
  for (ItemId i = 0; i < ITEM_COUNT; ++i) {
    const ItemRecord& r = ITEMS[i];
    EXPECT_EQ((std::array{r.attackKind, r.attackFactor, r.defenceKind, r.defenceFactor}),
              expected[i])
        << r.name;
  }
}

TEST(AbilityTable, IdsTheDamageRulesNameAndPickerOrder) {
  std::string names;
  for (AbilityId id :
       {ABILITY_THICK_FAT,    ABILITY_TINTED_LENS, ABILITY_AIR_LOCK,    ABILITY_MOLD_BREAKER,
        ABILITY_DRY_SKIN,     ABILITY_SCRAPPY,     ABILITY_TORRENT,     ABILITY_GUTS,
        ABILITY_SOLAR_POWER,  ABILITY_OVERGROW,    ABILITY_SLOW_START,  ABILITY_HEATPROOF,
        ABILITY_SIMPLE,       ABILITY_HUGE_POWER,  ABILITY_VOLT_ABSORB, ABILITY_WATER_ABSORB,
        ABILITY_ADAPTABILITY, ABILITY_TECHNICIAN,  ABILITY_MOTOR_DRIVE, ABILITY_FORECAST,
        ABILITY_UNAWARE,      ABILITY_CLOUD_NINE,  ABILITY_NORMALIZE,   ABILITY_SOLID_ROCK,
        ABILITY_HUSTLE,       ABILITY_FILTER,      ABILITY_KLUTZ,       ABILITY_WONDER_GUARD,
        ABILITY_LEVITATE,     ABILITY_SWARM,       ABILITY_BLAZE,       ABILITY_FLASH_FIRE,
        ABILITY_PURE_POWER}) {
    names += std::string(AbilityName(id)) + " ";
  }
  EXPECT_EQ(names,
            "あついしぼう いろめがね エアロック かたやぶり かんそうはだ きもったま げきりゅう "
            "こんじょう サンパワー しんりょく スロースタート たいねつ たんじゅん ちからもち "
            "ちくでん ちょすい てきおうりょく テクニシャン でんきエンジン てんきや てんねん "
            "ノーてんき ノーマルスキン ハードロック はりきり フィルター ぶきよう ふしぎなまもり "
            "ふゆう むしのしらせ もうか もらいび ヨガパワー ");
  EXPECT_EQ(AbilityName(NO_ABILITY), "無指定");
  // Rows 1..123 are stored in picker order: sorting the names must change nothing.
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
