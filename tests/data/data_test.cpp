// The data layer against the data set's own files, read here apart from the table
// generator: the compiled tables, the lookups on them and the detail view's move list;
// the hand-typed tables against what the damage rules and the labels say of them.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "data/abilities.h"
#include "data/battle_rules.h"
#include "data/learnable_moves.h"
#include "data/learnsets.h"
#include "data/moves.h"
#include "data/species.h"
#include "data/species_detail.h"
#include "data/types.h"
#include "tests/case_file.h"
#include "text/format.h"
#include "text/sort_order.h"

namespace kerumina::data {
namespace {

using Lines = std::vector<std::string>;

using Row = test::Case;

// The rows of a file without its header.
std::vector<Row> ReadTsv(const std::string& file) {
  return test::ReadRows(std::string(KERUMINA_TABLE_DIR) + "/" + file, 0, 1);
}

int Int(const Row& row, std::size_t column) {
  return std::stoi(row.at(column));
}

// The fields joined by tabs, as a line of a file.
template <typename... Fields>
std::string Line(const Fields&... fields) {
  std::ostringstream out;
  ((out << fields << '\t'), ...);
  std::string line = out.str();
  line.pop_back();
  return line;
}

// The file's lines (their first `columns` fields) and the rendered ones hold the same rows.
void ExpectSameRows(const std::string& file, std::vector<std::string> rendered,
                    std::size_t columns = 99) {
  std::vector<std::string> lines;
  for (Row& row : ReadTsv(file)) {
    row.resize(std::min(columns, row.size()));
    std::string line;
    for (const std::string& field : row) line += field + '\t';
    line.pop_back();
    lines.push_back(line);
  }
  std::ranges::sort(lines);
  std::ranges::sort(rendered);
  const auto [a, b] = std::ranges::mismatch(lines, rendered);
  EXPECT_TRUE(a == lines.end() && b == rendered.end())
      << file << ": " << (a == lines.end() ? "-" : *a) << " | " << (b == rendered.end() ? "-" : *b);
}

// One learnset entry: the level, the machine slot or the special kind it was listed with,
// and the method text and class (level-up, machine, special, egg) the detail view shows.
struct Entry {
  int key;
  MoveId move;
  std::string method;
  int methodClass;
};
using Entries = std::vector<Entry>;

// One species' learnsets, entries in stored order; [0] DP, DPPT or PT, [1] PT or HGSS.
struct Learnset {
  Entries levelUp[3], machines[2], tutors[2], eggs[2], special;
};

const std::vector<Learnset>& Learnsets() {
  static const std::vector<Learnset> sets = [] {
    std::vector<Learnset> s(SPECIES_COUNT);
    const std::map<std::string, int> level = {{"DP", 0}, {"PT", 1}, {"HGSS", 2}};
    const char* versions[] = {"DP", "PT", "GS"};
    for (const Row& r : ReadTsv("levelup.tsv")) {
      const int v = level.at(r[1]);
      s[Int(r, 0)].levelUp[v].push_back(
          {Int(r, 3), Int(r, 4), text::Format(" %s-LV:%d", versions[v], Int(r, 3)), 0});
    }
    std::map<std::string, std::array<MoveId, MACHINE_SLOTS>> lists;
    for (const Row& r : ReadTsv("machines.tsv")) lists[r[0]][Int(r, 1)] = Int(r, 3);
    for (const Row& r : ReadTsv("machine_compat.tsv")) {
      const bool hgss = r[1] == "HGSS";
      for (int j = 0; j < MACHINE_SLOTS; ++j) {
        if (r[2][j] != '1') continue;
        const std::string method =
            text::Format(" %s-%s:%d", hgss ? "GS" : "DPPT", j < 92 ? "マシン" : "ひでん",
                         j < 92 ? j + 1 : j - 91);
        s[Int(r, 0)].machines[hgss].push_back({j, lists[r[1]][j], method, 1});
      }
    }
    for (const Row& r : ReadTsv("tutors.tsv")) {
      const bool hgss = r[1] == "HGSS";
      s[Int(r, 0)].tutors[hgss].push_back(
          {0, Int(r, 3), hgss ? " GS:教え屋教え技" : " PT:教え屋教え技", 2});
    }
    for (const Row& r : ReadTsv("eggmoves.tsv")) {
      const bool hgss = r[1] == "HGSS";
      s[Int(r, 0)].eggs[hgss].push_back({0, Int(r, 3), hgss ? " GS-遺伝" : " DPPT-遺伝", 3});
    }
    const char* kinds[] = {"", "でんきだま遺伝", "ドラゴン教え技", "御三家教え技"};
    for (const Row& r : ReadTsv("special_learn.tsv")) {
      s[Int(r, 0)].special.push_back(
          {Int(r, 3), Int(r, 2), std::string(" 共通:") + kinds[Int(r, 3)], 2});
    }
    return s;
  }();
  return sets;
}

// An evolution record: from and to.
struct Link {
  SpeciesId from, to;
};

std::vector<Link> DataSetEvolutions() {
  std::vector<Link> links;
  for (const auto& row : ReadTsv("evolutions.tsv"))
    links.push_back({Int(row, 0) - 1, Int(row, 1) - 1});
  return links;
}

// The tables.

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

// The lookups.

using Ids = std::vector<SpeciesId>;

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

// Where a species learns a move, one bit per table: level-up DP, PT, HGSS, machines DPPT,
// HGSS, special learning, tutors PT, HGSS and egg moves DPPT, HGSS.
enum Source { LEVEL = 0, MACHINE = 3, SPECIAL = 5, TUTOR = 6, EGG = 8 };
using Sources = std::vector<std::array<int, MOVE_COUNT>>;

const Sources& DataSetSources() {
  static const Sources sources = [] {
    Sources bits(SPECIES_COUNT);
    for (SpeciesId s = 0; s < SPECIES_COUNT; ++s) {
      const Learnset& l = Learnsets()[s];
      const auto mark = [&](const Entries& entries, int source) {
        for (const Entry& e : entries) bits[s][e.move] |= 1 << source;
      };
      for (int i = 0; i < 3; ++i) mark(l.levelUp[i], LEVEL + i);
      for (int i = 0; i < 2; ++i) {
        mark(l.machines[i], MACHINE + i);
        mark(l.tutors[i], TUTOR + i);
        mark(l.eggs[i], EGG + i);
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
                        {{.levelUp = true}, {.dp = true}, 1 << LEVEL},
                        {{.levelUp = true}, {.pt = true}, 1 << (LEVEL + 1)},
                        {{.levelUp = true}, {.hgss = true}, 1 << (LEVEL + 2)},
                        {{.machine = true}, {}, 1 << MACHINE},
                        {{.machine = true}, {.hgss = true}, 1 << MACHINE | 1 << (MACHINE + 1)},
                        {{.tutor = true}, {}, 1 << SPECIAL},
                        {{.tutor = true}, {.pt = true}, 1 << SPECIAL | 1 << TUTOR},
                        {{.tutor = true}, {.hgss = true}, 1 << SPECIAL | 1 << (TUTOR + 1)},
                        {{.egg = true}, {}, 1 << EGG},
                        {{.egg = true}, {.hgss = true}, 1 << EGG | 1 << (EGG + 1)},
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
  std::vector<SpeciesId> pre(SPECIES_COUNT, NO_SPECIES);
  for (const Link& link : DataSetEvolutions()) pre[link.to] = link.from;
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

// The detail view.

// Entries of `a` that `b` lacks: the same move (at the same level, when `byLevel`).
Entries Missing(const Entries& a, const Entries& b, bool byLevel) {
  Entries out;
  for (const Entry& x : a) {
    const auto same = [&](const Entry& y) {
      return y.move == x.move && (!byLevel || y.key == x.key);
    };
    if (std::ranges::none_of(b, same)) out.push_back(x);
  }
  return out;
}

// The rows the view lists, as "source <tab> method after the name <tab> move <tab> class".
Lines Expected(SpeciesId s, const MoveListOptions& o, SpeciesId firstStage) {
  const auto& sets = Learnsets();
  Lines rows;
  const auto add = [&](SpeciesId x, const Entries& entries, bool on = true, int minLevel = 0) {
    const TypeId type = o.typeFilter <= 9 ? o.typeFilter - 1 : o.typeFilter;
    for (const Entry& e : entries) {
      if (!on || e.key < minLevel) continue;
      if (o.categoryFilter > 0 && Move(e.move).category != o.categoryFilter - 1) continue;
      if (o.typeFilter > 0 && Move(e.move).type != type) continue;
      rows.push_back(Line(x, e.method, e.move, e.methodClass));
    }
  };
  if (o.dpPtDifference || o.ptHgssDifference) {
    const Learnset& l = sets[s];
    const int other = o.dpPtDifference ? 0 : 2;
    add(s, Missing(l.levelUp[other], l.levelUp[1], true));
    add(s, Missing(l.levelUp[1], l.levelUp[other], true));
    if (o.dpPtDifference) return rows;
    for (int i = 0; i < 2; ++i) add(s, Missing(l.machines[i], l.machines[1 - i], false));
    for (int i = 0; i < 2; ++i) add(s, Missing(l.tutors[i], l.tutors[1 - i], false));
    const Learnset& e = sets[firstStage];
    for (int i = 0; i < 2; ++i) add(firstStage, Missing(e.eggs[i], e.eggs[1 - i], false));
    return rows;
  }
  const bool dp = o.versions.dp, pt = o.versions.pt, hgss = o.versions.hgss;
  const auto sections = [&](SpeciesId x, bool from290) {
    const Learnset& l = sets[x];
    const bool versions[] = {dp, pt, hgss};
    for (int v = 0; v < 3; ++v) add(x, l.levelUp[v], o.levelUp && versions[v], from290 ? 20 : 0);
    add(x, l.machines[0], o.machine && !from290 && (dp || pt));
    add(x, l.machines[1], o.machine && !from290 && hgss);
    add(x, l.special, o.special && (dp || pt || hgss));
    add(x, l.tutors[0], o.special && pt);
    add(x, l.tutors[1], o.special && hgss);
    add(x, l.eggs[0], o.egg && (dp || pt));
    add(x, l.eggs[1], o.egg && hgss);
  };
  std::array<SpeciesId, 2> pre = PreEvolutionPair(s);
  sections(s, false);
  if (o.withPreEvolutions && pre[0] != NO_SPECIES) sections(pre[0], false);
  if (s == SHARED_LEARNSET_SPECIES) pre[1] = SHARED_LEARNSET_SOURCE;
  if (o.withPreEvolutions && pre[1] != NO_SPECIES)
    sections(pre[1], pre[1] == SHARED_LEARNSET_SOURCE);
  return rows;
}

Lines Shown(const LearnableMoves& list) {
  Lines rows;
  for (const LearnableMoveRow& row : list.rows) {
    const std::string method = row.method.substr(1 + SpeciesName(row.source).size());
    rows.push_back(Line(row.source, method, row.move, row.methodClass));
  }
  return rows;
}

TEST(LearnableMoves, EveryModeListsTheDataSetsRowsInOrder) {
  std::vector<MoveListOptions> options(7);
  options[1].withPreEvolutions = options[1].machine = false;
  options[1].versions = {false, true, false};
  options[2].levelUp = options[2].special = false;
  options[2].versions = {false, false, true};
  options[3].egg = false;
  options[3].versions = {true, false, false};
  options[3].categoryFilter = 1 + CATEGORY_SPECIAL;
  options[3].typeFilter = 9;   // はがね, the type before the placeholder
  options[4].typeFilter = 10;  // ほのお, the type after it
  options[5].dpPtDifference = options[5].ptHgssDifference = true;
  options[6].ptHgssDifference = true;
  for (std::size_t i = 0; i < options.size(); ++i) {
    const MoveListOptions& o = options[i];
    // Every species by default and in the difference modes; every fourth (291 among them)
    // with the other boxes.
    const int step = i == 0 || o.dpPtDifference || o.ptHgssDifference ? 1 : 4;
    for (SpeciesId s = step - 1; s < SPECIES_COUNT; s += step) {
      const LearnableMoves list = BuildLearnableMoves(s, o);
      std::array<SpeciesId, 2> pre = PreEvolutionPair(s);
      if (o.ptHgssDifference && !o.dpPtDifference && pre[0] == NO_SPECIES) pre[0] = s;
      const bool difference = o.dpPtDifference || o.ptHgssDifference;
      if (s == SHARED_LEARNSET_SPECIES && !difference) pre[1] = SHARED_LEARNSET_SOURCE;
      ASSERT_EQ(Shown(list), Expected(s, o, pre[0])) << "options " << i << ", species " << s;
      ASSERT_EQ(list.preEvolutions, pre) << "options " << i << ", species " << s;
    }
  }
}

TEST(LearnableMoves, RowTextsAndKeys) {
  const std::vector<LearnableMoveRow> rows = BuildLearnableMoves(0, MoveListOptions{}).rows;
  const LearnableMoveRow& first = rows.front();  // DP level 1, MoveId 32
  EXPECT_EQ((Lines{first.number, first.method, first.name, first.type, first.category, first.power,
                   first.accuracy, first.pp, first.target}),
            (Lines{"33", " フシギダネ DP-LV:1", " たいあたり", " ノーマル", " 物理", " 35", " 95",
                   " 35", " 単体"}));
  EXPECT_EQ(RowKey(first), 32);
  EXPECT_EQ(RowKey(rows.back()), 123 + 10000 * METHOD_CLASS_EGG);
}

TEST(SpeciesDetailTexts, HatchStepsFemaleRatioAndTypeFilter) {
  EXPECT_EQ(HatchStepsText(0), "5120歩");
  const std::pair<SpeciesId, const char*> ratios[] = {{0, "12.5％"}, {27, "50.0％"}, {28, "特殊"},
                                                      {33, "特殊"},  {34, "75.0％"}, {291, "－"}};
  for (const auto& [species, text] : ratios) EXPECT_EQ(FemaleRatioText(species), text);
  // The type filter skips the placeholder type; 0 and positions outside mean none.
  for (const auto& [position, type] :
       {std::pair{-1, -1}, {0, -1}, {1, 0}, {9, 8}, {10, 10}, {17, 17}, {TYPE_FILTER_COUNT, -1}})
    EXPECT_EQ(TypeAtFilterPosition(position), type) << position;
}

}  // namespace
}  // namespace kerumina::data
