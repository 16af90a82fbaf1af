#include "app/cli/common_fields.h"

#include "box/box_entry.h"
#include "data/species.h"
#include "data/types.h"

namespace kerumina::cli {

std::int32_t SpeciesField(FieldReader& reader, std::string_view key) {
  return reader.Int(key, 0, data::SPECIES_COUNT - 1);
}

std::int32_t LevelField(FieldReader& reader, std::string_view key) {
  return reader.Int(key, box::LEVEL_MIN, box::LEVEL_MAX);
}

std::int32_t NatureField(FieldReader& reader, std::string_view key) {
  return reader.Int(key, 0, data::NATURE_COUNT - 1);
}

}  // namespace kerumina::cli
