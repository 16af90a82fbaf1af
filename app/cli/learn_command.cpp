#include "app/cli/commands.h"
#include "app/cli/common_fields.h"
#include "data/learnsets.h"

namespace kerumina::cli {

void AnswerLearn(const Json& input, JsonWriter& out) {
  FieldReader reader(input);
  const std::int32_t species = SpeciesField(reader);
  const std::int32_t move = reader.Int("move", 0, data::MOVE_COUNT - 1);
  reader.Finish();
  out.BeginObject().Key("canLearn").Bool(data::CanLearnAny(species, move)).EndObject();
}

}  // namespace kerumina::cli
