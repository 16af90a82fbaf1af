#include "data/battle_rules.h"

namespace kerumina::data {

const char* const BATTLE_RULE_LABELS[BATTLE_RULE_COUNT] = {
    " 無制限",           " 最終段階のみ", " 孵化直後のみ",    " バトルタワー",
    " シンオウ限定(DP)", " サニーパーク", " シンオウ限定(PT)"};

const std::int32_t EXCLUSION_LIST[EXCLUSION_COUNT] = {150, 151, 249, 250, 251, 382, 383,
                                                      384, 385, 386, 483, 484, 487, 489,
                                                      490, 491, 492, 493, 501, 502};

namespace {

template <std::size_t N>
bool ListsSpecies(const std::int32_t (&list)[N], SpeciesId species) {
  std::size_t i = 0;
  while (i < N && list[i] - 1 != species) ++i;
  return i != N;
}

}  // namespace

bool PassesBattleRule(BattleRuleId rule, SpeciesId species) {
  const bool evolves = FindEvolutionFrom(species) != EVOLUTION_COUNT;
  const bool hasPreEvolution = FindEvolutionTo(species) != EVOLUTION_COUNT;
  switch (rule) {
    case RULE_FINAL_STAGE:
      return !evolves;
    case RULE_JUST_HATCHED: {
      if (hasPreEvolution) return false;
      if (evolves) return true;
      const EggGroupId group = EGG_TABLE[species].eggGroup1;
      return group != EGG_GROUP_UNDISCOVERED && group != EGG_GROUP_DITTO;
    }
    case RULE_TOWER:
      return !evolves && !ListsSpecies(EXCLUSION_LIST, species);
    case RULE_REGIONAL_DP:
      return ListsSpecies(REGIONAL_LIST_DP, species);
    case RULE_PARK:
      return !hasPreEvolution && evolves;
    case RULE_REGIONAL_PT:
      return ListsSpecies(REGIONAL_LIST_PT, species);
    default:
      return true;
  }
}

std::vector<SpeciesId> RuleFilteredSpecies(BattleRuleId rule) {
  std::vector<SpeciesId> result;
  for (SpeciesId id = 0; id < SPECIES_COUNT; ++id) {
    if (id == EGG_SPECIES || id == DAMAGED_EGG_SPECIES) continue;
    if (PassesBattleRule(rule, id)) result.push_back(id);
  }
  return result;
}

}  // namespace kerumina::data
