#include "app/cli/commands.h"
#include "app/cli/common_fields.h"
#include "data/learnsets.h"

namespace kerumina::cli {

Json AnswerLearn(const Json& input) {
  FieldReader reader(input);
  const std::int32_t species = SpeciesField(reader);
  const std::int32_t move = reader.Int("move", 0, data::MOVE_COUNT - 1);
  reader.Finish();
  return Json{{"canLearn", data::CanLearnAny(species, move)}};
}

}  // namespace kerumina::cli
