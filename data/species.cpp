#include "data/species.h"

namespace kerumina::data {

const EggGroupRecord EGG_GROUPS[EGG_GROUP_COUNT] = {
    {-1, "怪獣"},     {-1, "水中－１"}, {-1, "虫"},       {-1, "飛行"},
    {-1, "陸上"},     {-1, "妖精"},     {-1, "植物"},     {-1, "人型"},
    {3, "水中－３"},  {-1, "鉱物"},     {-1, "不定形"},   {3, "水中－２"},
    {-1, "ドラゴン"}, {-1, "性別不明"}, {-1, "メタモン"}, {-1, "未発見"},
};

StatBlock BaseStats(SpeciesId id) {
  StatBlock stats{};
  for (int s = 0; s < STAT_COUNT; ++s)
    stats[s] = SPECIES_TABLE[id].base[DISPLAY_TO_SPECIES_STAT[s]];
  return stats;
}

namespace {

// First evolution record leading from and to each species. The search asks for these for
// every species on every change of a condition, so they are derived once from the table
// instead of scanning its 248 records each time.
struct EvolutionIndex {
  std::array<std::int16_t, SPECIES_COUNT> firstFrom;
  std::array<std::int16_t, SPECIES_COUNT> firstTo;
};

EvolutionIndex BuildEvolutionIndex() {
  EvolutionIndex index;
  index.firstFrom.fill(EVOLUTION_COUNT);
  index.firstTo.fill(EVOLUTION_COUNT);
  for (int i = EVOLUTION_COUNT - 1; i >= 0; --i) {
    const SpeciesId from = EVOLUTION_TABLE[i].from - 1;
    const SpeciesId to = EVOLUTION_TABLE[i].to - 1;
    if (IsValidSpecies(from)) index.firstFrom[from] = static_cast<std::int16_t>(i);
    if (IsValidSpecies(to)) index.firstTo[to] = static_cast<std::int16_t>(i);
  }
  return index;
}

const EvolutionIndex& Index() {
  static const EvolutionIndex index = BuildEvolutionIndex();
  return index;
}

}  // namespace

int FindEvolutionFrom(SpeciesId id) {
  return IsValidSpecies(id) ? Index().firstFrom[id] : EVOLUTION_COUNT;
}

int FindEvolutionTo(SpeciesId id) {
  return IsValidSpecies(id) ? Index().firstTo[id] : EVOLUTION_COUNT;
}

SpeciesId PreEvolutionOf(SpeciesId id) {
  const int i = FindEvolutionTo(id);
  return i == EVOLUTION_COUNT ? NO_SPECIES : EVOLUTION_TABLE[i].from - 1;
}

std::vector<SpeciesId> Evolutions(SpeciesId id) {
  std::vector<SpeciesId> result;
  for (const EvolutionRecord& record : EVOLUTION_TABLE) {
    if (record.from - 1 == id) result.push_back(record.to - 1);
  }
  return result;
}

std::array<SpeciesId, 2> PreEvolutionPair(SpeciesId id) {
  const SpeciesId p1 = PreEvolutionOf(id);
  const SpeciesId p2 = p1 == NO_SPECIES ? NO_SPECIES : PreEvolutionOf(p1);
  return p1 <= p2 ? std::array{p1, p2} : std::array{p2, p1};
}

std::vector<SpeciesId> Descendants(SpeciesId id) {
  constexpr std::size_t kMaxDescendants = 10;
  std::vector<SpeciesId> result = Evolutions(id);
  for (std::size_t i = 0; i < result.size() && result.size() < kMaxDescendants; ++i) {
    for (SpeciesId next : Evolutions(result[i])) {
      if (result.size() < kMaxDescendants) result.push_back(next);
    }
  }
  return result;
}

}  // namespace kerumina::data
