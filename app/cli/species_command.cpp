#include "app/cli/commands.h"
#include "app/cli/common_fields.h"
#include "box/box_entry.h"
#include "calc/stats.h"
#include "data/abilities.h"
#include "data/species_detail.h"
#include "data/types.h"

namespace kerumina::cli {

namespace {

constexpr std::int32_t DEFAULT_LEVEL = 50;

Json Named(std::int32_t id, std::string_view name) {
  return Json{{"id", id}, {"name", name}};
}

Json SpeciesList(const std::vector<data::SpeciesId>& ids) {
  Json list = Json::array();
  for (data::SpeciesId id : ids) {
    if (id != data::NO_SPECIES) list.push_back(Named(id, data::SpeciesName(id)));
  }
  return list;
}

Json TypesJson(const data::SpeciesRecord& record) {
  Json types = Json::array({Named(record.type1, data::TypeName(record.type1))});
  if (record.type2 != record.type1)
    types.push_back(Named(record.type2, data::TypeName(record.type2)));
  return types;
}

Json AbilitiesJson(data::SpeciesId species) {
  const data::SpeciesAbilities& abilities = data::SPECIES_ABILITIES[species];
  Json list = Json::array({Named(abilities.ability1, data::AbilityName(abilities.ability1))});
  if (abilities.ability2 != data::NO_ABILITY) {
    list.push_back(Named(abilities.ability2, data::AbilityName(abilities.ability2)));
  }
  return list;
}

Json EggGroupsJson(data::SpeciesId species) {
  const data::EggRecord& egg = data::EGG_TABLE[species];
  Json list = Json::array({Named(egg.eggGroup1, data::EggGroupName(egg.eggGroup1))});
  if (egg.eggGroup2 != data::NO_EGG_GROUP) {
    list.push_back(Named(egg.eggGroup2, data::EggGroupName(egg.eggGroup2)));
  }
  return list;
}

// The detail view's plain stats: IV 0, EV 0, neutral nature, no fixed-HP rule.
data::StatBlock StatsAtLevel(data::SpeciesId species, std::int32_t level) {
  constexpr std::int32_t NEUTRAL_TENTHS = 10;
  data::StatBlock stats{};
  stats[data::STAT_HP] = calc::CalcHp(calc::BaseStat(species, data::STAT_HP), 0, 0, level);
  for (int d = data::STAT_ATK; d < data::STAT_COUNT; ++d) {
    stats[d] = calc::CalcStat(calc::BaseStat(species, d), 0, 0, level, NEUTRAL_TENTHS);
  }
  return stats;
}

Json MovesJson(data::SpeciesId species) {
  Json list = Json::array();
  for (const data::LearnableMoveRow& row :
       data::BuildLearnableMoves(species, data::MoveListOptions{}).rows) {
    list.push_back({{"number", row.number},
                    {"method", row.method},
                    {"name", row.name},
                    {"type", row.type},
                    {"category", row.category},
                    {"power", row.power},
                    {"accuracy", row.accuracy},
                    {"pp", row.pp},
                    {"target", row.target}});
  }
  return list;
}

}  // namespace

Json AnswerSpecies(const Json& input) {
  FieldReader reader(input);
  const data::SpeciesId species = SpeciesField(reader);
  const std::int32_t level = reader.IntOr("level", box::LEVEL_MIN, box::LEVEL_MAX, DEFAULT_LEVEL);
  reader.Finish();

  const data::SpeciesRecord& record = data::Species(species);
  const data::TypeMatchup matchup = data::TypeMatchupText(record.type1, record.type2);
  const std::array<data::SpeciesId, 2> pre = data::PreEvolutionPair(species);
  return Json{{"species", species},
              {"name", data::SpeciesName(species)},
              {"types", TypesJson(record)},
              {"abilities", AbilitiesJson(species)},
              {"eggGroups", EggGroupsJson(species)},
              {"hatchSteps", data::HatchStepsText(species)},
              {"femaleRatio", data::FemaleRatioText(species)},
              {"preEvolutions", SpeciesList({pre[0], pre[1]})},
              {"descendants", SpeciesList(data::Descendants(species))},
              {"baseStats", data::BaseStats(species)},
              {"level", level},
              {"stats", StatsAtLevel(species, level)},
              {"resistance", matchup.resistance},
              {"weakness", matchup.weakness},
              {"moves", MovesJson(species)}};
}

}  // namespace kerumina::cli
