#include "app/cli/commands.h"
#include "data/abilities.h"
#include "search/search.h"

namespace kerumina::cli {

namespace {

// -1 (no filter) or a type the filter list offers.
data::TypeId TypeFilterField(FieldReader& reader, std::string_view key) {
  const data::TypeId type =
      reader.IntOr(key, search::NO_TYPE_FILTER, data::TYPE_COUNT - 1, search::NO_TYPE_FILTER);
  if (type == data::PLACEHOLDER_TYPE) {
    Fail(reader.PathOf(key), "type 9 is a placeholder no species has");
  }
  return type;
}

std::array<std::int32_t, data::STAT_COUNT> BoundsField(FieldReader& reader, std::string_view key,
                                                       std::int32_t fallback) {
  std::array<std::int32_t, data::STAT_COUNT> bounds;
  bounds.fill(fallback);
  if (reader.Optional(key) == nullptr) return bounds;
  const std::vector<std::int32_t> values =
      reader.Ints(key, data::STAT_COUNT, search::NEUTRAL_LOWER, search::NEUTRAL_UPPER);
  std::copy(values.begin(), values.end(), bounds.begin());
  return bounds;
}

data::MoveConditions MovesField(FieldReader& reader) {
  data::MoveConditions moves{data::NO_MOVE, data::NO_MOVE, data::NO_MOVE, data::NO_MOVE};
  const Json* value = reader.Optional("moves");
  if (value == nullptr) return moves;
  const std::string path = reader.PathOf("moves");
  ArrayValue(*value, path, 0, moves.size(), "MoveIds");
  for (std::size_t i = 0; i < value->size(); ++i) {
    moves[i] = MoveSlotValue((*value)[i], path + "[" + std::to_string(i) + "]");
  }
  return moves;
}

data::LearnMethods MethodsField(FieldReader& reader) {
  if (reader.Optional("methods") == nullptr) return {};
  FieldReader methods = reader.Object("methods");
  data::LearnMethods result;
  result.levelUp = methods.BoolOr("levelUp", false);
  result.egg = methods.BoolOr("egg", false);
  result.machine = methods.BoolOr("machine", false);
  result.tutor = methods.BoolOr("tutor", false);
  methods.Finish();
  return result;
}

data::GameVersions VersionsField(FieldReader& reader) {
  if (reader.Optional("versions") == nullptr) return {};
  FieldReader versions = reader.Object("versions");
  data::GameVersions result;
  result.dp = versions.BoolOr("dp", false);
  result.pt = versions.BoolOr("pt", false);
  result.hgss = versions.BoolOr("hgss", false);
  versions.Finish();
  return result;
}

}  // namespace

void AnswerSearch(const Json& input, JsonWriter& out) {
  FieldReader reader(input);
  search::SearchConditions conditions;
  conditions.upper = BoundsField(reader, "upper", search::NEUTRAL_UPPER);
  conditions.lower = BoundsField(reader, "lower", search::NEUTRAL_LOWER);
  conditions.type1Filter = TypeFilterField(reader, "type1");
  conditions.type2Filter = TypeFilterField(reader, "type2");
  conditions.ability = reader.IntOr("ability", 0, data::ABILITY_COUNT - 1, data::NO_ABILITY);
  conditions.eggGroup = reader.IntOr("eggGroup", search::NO_EGG_GROUP_FILTER,
                                     data::EGG_GROUP_COUNT - 1, search::NO_EGG_GROUP_FILTER);
  conditions.rule = reader.IntOr("rule", 0, data::BATTLE_RULE_COUNT - 1, data::RULE_NONE);
  conditions.moves = MovesField(reader);
  conditions.anyMode = reader.BoolOr("anyMode", false);
  conditions.methods = MethodsField(reader);
  conditions.versions = VersionsField(reader);
  reader.Finish();

  out.BeginObject().Key("rows").BeginArray();
  for (const search::SearchResultRow& row : search::RunSearch(conditions)) {
    out.BeginObject().Key("species").Int(row.species).Key("cells").Strings(row.texts).EndObject();
  }
  out.EndArray().EndObject();
}

}  // namespace kerumina::cli
