// The compiled tables must hold exactly the data set: counts and telling rows, read from
// the generated arrays rather than from the TSV files.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "data/abilities.h"
#include "data/battle_rules.h"
#include "data/learnsets.h"
#include "data/moves.h"
#include "data/species.h"
#include "data/types.h"
#include "text/cp932.h"
#include "text/sort_order.h"

namespace kerumina::data {
namespace {

template <typename Pred>
int CountSpecies(Pred pred) {
  int n = 0;
  for (SpeciesId s = 0; s < SPECIES_COUNT; ++s) n += pred(s) ? 1 : 0;
  return n;
}

TEST(SpeciesTable, CountsAndTellingRows) {
  for (SpeciesId s = 0; s < SPECIES_COUNT; ++s) ASSERT_EQ(SPECIES_TABLE[s].number, s + 1);
  EXPECT_EQ(CountSpecies([](SpeciesId s) { return Species(s).type1 == Species(s).type2; }), 275);
  EXPECT_EQ(CountSpecies([](SpeciesId s) { return SPECIES_ABILITIES[s].ability2 == 0; }), 247);
  EXPECT_EQ(CountSpecies([](SpeciesId s) { return EGG_TABLE[s].eggGroup2 == NO_EGG_GROUP; }), 361);
  EXPECT_EQ(CountSpecies([](SpeciesId s) {
              return Species(s).type1 == PLACEHOLDER_TYPE || Species(s).type2 == PLACEHOLDER_TYPE;
            }),
            0);
  EXPECT_EQ(SpeciesName(EGG_SPECIES), "タマゴ");
  EXPECT_EQ(SpeciesName(DAMAGED_EGG_SPECIES), "ダメタマゴ");
  for (SpeciesId s = 502; s <= 506; ++s) EXPECT_EQ(SpeciesName(s), SpeciesName(478));
  // Row 0 stores 45 49 49 45 65 65 (HP Atk Def Speed SpAtk SpDef); shown with speed last.
  EXPECT_EQ(BaseStats(0), (StatBlock{45, 49, 49, 65, 65, 45}));
}

TEST(MoveTable, CountsAndTellingRows) {
  int targets[MOVE_TARGET_COUNT] = {};
  int variablePower = 0;
  for (MoveId m = 0; m < MOVE_COUNT; ++m) {
    const MoveRecord& r = Move(m);
    ++targets[r.target];
    variablePower += r.power == 1 ? 1 : 0;
    EXPECT_EQ(r.power == 0, r.category == CATEGORY_STATUS) << m;
    EXPECT_EQ(r.pp == 1, m == 164 || m == 165) << m;
  }
  EXPECT_EQ(variablePower, 32);
  const int expected[MOVE_TARGET_COUNT] = {62, 348, 24, 26, 4, 1, 1, 1};
  EXPECT_TRUE(std::equal(targets, targets + MOVE_TARGET_COUNT, expected));
  const MoveRecord& first = Move(0);
  EXPECT_EQ((std::array{first.power, first.accuracy, first.pp, first.type, first.category,
                        first.target, first.effect}),
            (std::array{40, 100, 35, 0, 0, 1, 0}));

  // MovesOfType(any) is 0..466; every type but the placeholder has moves, in id order.
  const std::vector<MoveId> all = MovesOfType(ANY_TYPE);
  ASSERT_EQ(all.size(), 467u);
  for (MoveId m = 0; m < MOVE_COUNT; ++m) EXPECT_EQ(all[m], m);
  for (TypeId t = 0; t < TYPE_COUNT; ++t) {
    const std::vector<MoveId> ofType = MovesOfType(t);
    EXPECT_EQ(ofType.empty(), t == PLACEHOLDER_TYPE) << t;
    EXPECT_TRUE(std::is_sorted(ofType.begin(), ofType.end()));
    for (MoveId m : ofType) EXPECT_EQ(Move(m).type, t);
  }
}

TEST(EvolutionAndLearnsetTables, CountsAndTellingRecords) {
  int levels = 0, babies = 0;
  std::set<int> targets;
  for (int i = 0; i < EVOLUTION_COUNT; ++i) {
    const std::string condition = EVOLUTION_CONDITIONS[i];
    levels += std::all_of(condition.begin(), condition.end(), ::isdigit) ? 1 : 0;
    babies += EVOLUTION_TABLE[i].from > EVOLUTION_TABLE[i].to ? 1 : 0;
    EXPECT_TRUE(targets.insert(EVOLUTION_TABLE[i].to).second);
  }
  EXPECT_EQ(levels, 169);
  EXPECT_EQ(babies, 17);

  int maxLevelUp = 0;
  for (GameVersion v : {VERSION_DP, VERSION_PT, VERSION_HGSS}) {
    for (SpeciesId s = 0; s < SPECIES_COUNT; ++s) {
      int used = 0;
      for (const LevelUpEntry& e : LevelUpTableOf(v)[s]) used += (e.level != 0 || e.move != 0);
      maxLevelUp = std::max(maxLevelUp, used);
      EXPECT_EQ(used == 0, v == VERSION_DP && s >= 500) << v << " " << s;
    }
  }
  EXPECT_EQ(maxLevelUp, 20);

  std::vector<int> differing;
  for (int j = 0; j < MACHINE_SLOTS; ++j) {
    if (MACHINE_LIST_DPPT[j] != MACHINE_LIST_HGSS[j]) differing.push_back(j);
  }
  EXPECT_EQ(differing, std::vector<int>{96});
  EXPECT_EQ(MACHINE_COMPAT_HGSS[506][0], 507);
  EXPECT_EQ(CountSpecies([](SpeciesId s) { return SPECIAL_LEARN[s][0].move != 0; }), 26);
  // Stored as MoveId + 1: row 2 holds move 337 with kind 3.
  EXPECT_EQ(SPECIAL_LEARN[2][0].move, 338);
  EXPECT_EQ(SPECIAL_LEARN[2][0].kind, 3);
  EXPECT_EQ(EM_TUTOR_LIST[0], 4);
  EXPECT_EQ(EM_TUTOR_LIST[EM_TUTOR_COUNT - 1], 209);
  const auto used = [](const RegionalList& list) {
    return std::count_if(std::begin(list), std::end(list), [](int n) { return n != 0; });
  };
  EXPECT_EQ(used(REGIONAL_LIST_DP), 151);
  EXPECT_EQ(used(REGIONAL_LIST_PT), 217);
}

TEST(AbilityTable, NamedIdsAndPickerOrder) {
  // clang-format off
  const std::pair<AbilityId, const char*> named[] = {
      {NO_ABILITY, "無指定"}, {ABILITY_THICK_FAT, "あついしぼう"},
      {ABILITY_MOLD_BREAKER, "かたやぶり"}, {ABILITY_SCRAPPY, "きもったま"},
      {ABILITY_FORECAST, "てんきや"}, {ABILITY_UNAWARE, "てんねん"},
      {ABILITY_NORMALIZE, "ノーマルスキン"}, {ABILITY_KLUTZ, "ぶきよう"},
      {ABILITY_WONDER_GUARD, "ふしぎなまもり"}, {ABILITY_FLASH_FIRE, "もらいび"},
      {ABILITY_PURE_POWER, "ヨガパワー"}};
  // clang-format on

  for (const auto& [id, name] : named) EXPECT_EQ(AbilityName(id), name) << id;
  // Rows 1..123 are stored in picker order: sorting the names must change nothing.
  std::vector<std::string> names(ABILITY_NAMES + 1, ABILITY_NAMES + ABILITY_COUNT);
  std::vector<std::string> sorted = names;
  std::reverse(sorted.begin(), sorted.end());
  std::sort(sorted.begin(), sorted.end(), text::JapaneseLess);
  EXPECT_EQ(sorted, names);
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

// Hand-typed texts must fit the slots the record layouts give them.
TEST(TypedTables, TextsFitTheirSlotsAndNaturesRaiseOneStat) {
  const auto fits = [](std::string_view utf8, std::size_t slot) {
    const text::Cp932Conversion c = text::Utf8ToCp932(utf8);
    return c.ok && c.bytes.size() < slot;
  };
  for (const char* name : TYPE_NAMES) EXPECT_TRUE(fits(name, 32)) << name;
  for (const char* abbreviation : TYPE_ABBREVIATIONS) {
    EXPECT_EQ(text::Cp932Length(abbreviation), 2u) << abbreviation;
  }
  for (const NatureRecord& nature : NATURES) EXPECT_TRUE(fits(nature.label, 32)) << nature.label;
  for (const EggGroupRecord& group : EGG_GROUPS) EXPECT_TRUE(fits(group.name, 16)) << group.name;
  for (const char* label : BATTLE_RULE_LABELS) EXPECT_TRUE(fits(label, 32)) << label;
  for (const ItemRecord& item : ITEMS) EXPECT_TRUE(fits(item.name, 32)) << item.name;
  for (const char* name : MOVE_CATEGORY_NAMES) EXPECT_TRUE(fits(name, 16));
  for (const char* name : MOVE_TARGET_NAMES) EXPECT_TRUE(fits(name, 16));
  for (int kind = 1; kind <= 3; ++kind) EXPECT_TRUE(fits(SPECIAL_LEARN_LABELS[kind], 32));
  // Natures 0..19 raise the stat n / 4 (Atk Def SpAtk SpDef Speed) and lower one other.
  for (NatureId n = 0; n < NATURE_COUNT; ++n) {
    const auto& m = NATURES[n].multiplier;
    EXPECT_EQ(std::count(m, m + 5, 11), n < 20 ? 1 : 0) << n;
    EXPECT_EQ(std::count(m, m + 5, 9), n < 20 ? 1 : 0) << n;
    EXPECT_EQ(std::count(m, m + 5, 10), n < 20 ? 3 : 5) << n;
    EXPECT_TRUE(n >= 20 || m[n / 4] == 11) << n;
  }
}

}  // namespace
}  // namespace kerumina::data
