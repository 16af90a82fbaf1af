#include "app/cli/commands.h"
#include "app/cli/common_fields.h"
#include "box/box_entry.h"
#include "calc/stats.h"

namespace kerumina::cli {

namespace {

data::StatBlock SixValues(FieldReader& reader, std::string_view key) {
  const std::vector<std::int32_t> values = reader.Ints(key, data::STAT_COUNT, 0, box::IV_EV_MAX);
  data::StatBlock block{};
  std::copy(values.begin(), values.end(), block.begin());
  return block;
}

}  // namespace

void AnswerStats(const Json& input, JsonWriter& out) {
  FieldReader reader(input);
  const std::int32_t species = SpeciesField(reader);
  const std::int32_t level = LevelField(reader);
  const std::int32_t nature = NatureField(reader);
  const data::StatBlock ivs = SixValues(reader, "iv");
  const data::StatBlock evs = SixValues(reader, "ev");
  reader.Finish();
  out.BeginObject().Key("stats").Ints(calc::CalcStatBlock(species, level, nature, ivs, evs));
  out.EndObject();
}

}  // namespace kerumina::cli
