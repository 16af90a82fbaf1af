// Field kinds several commands read the same way: a species, a level, a nature.
#pragma once

#include <cstdint>
#include <string_view>

#include "app/cli/json_fields.h"

namespace kerumina::cli {

std::int32_t SpeciesField(FieldReader& reader, std::string_view key = "species");
std::int32_t LevelField(FieldReader& reader, std::string_view key = "level");
std::int32_t NatureField(FieldReader& reader, std::string_view key = "nature");

}  // namespace kerumina::cli
