// The detail view's move list against a plain build from the data set's learnsets, in every
// mode and for every species; the texts of the view.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "data/species_detail.h"
#include "data_set.h"
#include "text/format.h"

namespace kerumina::data {
namespace {

using data_set::Entries;
using data_set::Entry;
using data_set::Line;
using Lines = std::vector<std::string>;

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
  const auto& sets = data_set::Learnsets();
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
    const data_set::Learnset& l = sets[s];
    const int other = o.dpPtDifference ? 0 : 2;
    add(s, Missing(l.levelUp[other], l.levelUp[1], true));
    add(s, Missing(l.levelUp[1], l.levelUp[other], true));
    if (o.dpPtDifference) return rows;
    for (int i = 0; i < 2; ++i) add(s, Missing(l.machines[i], l.machines[1 - i], false));
    for (int i = 0; i < 2; ++i) add(s, Missing(l.tutors[i], l.tutors[1 - i], false));
    const data_set::Learnset& e = sets[firstStage];
    for (int i = 0; i < 2; ++i) add(firstStage, Missing(e.eggs[i], e.eggs[1 - i], false));
    return rows;
  }
  const bool dp = o.versions.dp, pt = o.versions.pt, hgss = o.versions.hgss;
  const auto sections = [&](SpeciesId x, bool from290) {
    const data_set::Learnset& l = sets[x];
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
  for (int position = -1; position <= TYPE_FILTER_COUNT; ++position) {
    const TypeId expected = position <= 0 || position >= 18 ? -1
                            : position <= 9                 ? position - 1
                                                            : position;
    EXPECT_EQ(TypeAtFilterPosition(position), expected) << position;
  }
}

}  // namespace
}  // namespace kerumina::data
