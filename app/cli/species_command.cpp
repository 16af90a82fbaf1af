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

void WriteNamed(JsonWriter& out, std::int32_t id, std::string_view name) {
  out.BeginObject().Key("id").Int(id).Key("name").String(name).EndObject();
}

void WriteSpeciesList(JsonWriter& out, const std::vector<data::SpeciesId>& ids) {
  out.BeginArray();
  for (data::SpeciesId id : ids) {
    if (id != data::NO_SPECIES) WriteNamed(out, id, data::SpeciesName(id));
  }
  out.EndArray();
}

void WriteTypes(JsonWriter& out, const data::SpeciesRecord& record) {
  out.BeginArray();
  WriteNamed(out, record.type1, data::TypeName(record.type1));
  if (record.type2 != record.type1) WriteNamed(out, record.type2, data::TypeName(record.type2));
  out.EndArray();
}

void WriteAbilities(JsonWriter& out, data::SpeciesId species) {
  const data::SpeciesAbilities& abilities = data::SPECIES_ABILITIES[species];
  out.BeginArray();
  WriteNamed(out, abilities.ability1, data::AbilityName(abilities.ability1));
  if (abilities.ability2 != data::NO_ABILITY) {
    WriteNamed(out, abilities.ability2, data::AbilityName(abilities.ability2));
  }
  out.EndArray();
}

void WriteEggGroups(JsonWriter& out, data::SpeciesId species) {
  const data::EggRecord& egg = data::EGG_TABLE[species];
  out.BeginArray();
  WriteNamed(out, egg.eggGroup1, data::EggGroupName(egg.eggGroup1));
  if (egg.eggGroup2 != data::NO_EGG_GROUP) {
    WriteNamed(out, egg.eggGroup2, data::EggGroupName(egg.eggGroup2));
  }
  out.EndArray();
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

// Every method, version and pre-evolution ticked; no category or type filter.
void WriteMoves(JsonWriter& out, data::SpeciesId species) {
  out.BeginArray();
  for (const data::LearnableMoveRow& row :
       data::BuildLearnableMoves(species, data::MoveListOptions{}).rows) {
    out.BeginObject()
        .Key("number")
        .String(row.number)
        .Key("method")
        .String(row.method)
        .Key("name")
        .String(row.name)
        .Key("type")
        .String(row.type)
        .Key("category")
        .String(row.category)
        .Key("power")
        .String(row.power)
        .Key("accuracy")
        .String(row.accuracy)
        .Key("pp")
        .String(row.pp)
        .Key("target")
        .String(row.target)
        .EndObject();
  }
  out.EndArray();
}

}  // namespace

void AnswerSpecies(const Json& input, JsonWriter& out) {
  FieldReader reader(input);
  const data::SpeciesId species = SpeciesField(reader);
  const std::int32_t level = reader.IntOr("level", box::LEVEL_MIN, box::LEVEL_MAX, DEFAULT_LEVEL);
  reader.Finish();

  const data::SpeciesRecord& record = data::Species(species);
  const data::TypeMatchup matchup = data::TypeMatchupText(record.type1, record.type2);
  const std::array<data::SpeciesId, 2> pre = data::PreEvolutionPair(species);
  out.BeginObject().Key("species").Int(species).Key("name").String(data::SpeciesName(species));
  WriteTypes(out.Key("types"), record);
  WriteAbilities(out.Key("abilities"), species);
  WriteEggGroups(out.Key("eggGroups"), species);
  out.Key("hatchSteps").String(data::HatchStepsText(species));
  out.Key("femaleRatio").String(data::FemaleRatioText(species));
  WriteSpeciesList(out.Key("preEvolutions"), {pre[0], pre[1]});
  WriteSpeciesList(out.Key("descendants"), data::Descendants(species));
  out.Key("baseStats").Ints(data::BaseStats(species));
  out.Key("level").Int(level).Key("stats").Ints(StatsAtLevel(species, level));
  out.Key("resistance").String(matchup.resistance).Key("weakness").String(matchup.weakness);
  WriteMoves(out.Key("moves"), species);
  out.EndObject();
}

}  // namespace kerumina::cli
