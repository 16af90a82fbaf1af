#include "app/cli/entry_json.h"

#include <algorithm>

#include "app/cli/common_fields.h"
#include "data/abilities.h"
#include "text/cp932.h"

namespace kerumina::cli {

namespace {

void NameField(FieldReader& reader, box::BoxEntry& entry) {
  const std::string name = reader.String("name");
  const std::string path = reader.PathOf("name");
  if (name.empty()) Fail(path, "must not be empty");
  const text::Cp932Conversion cp932 = text::Utf8ToCp932(name);
  if (!cp932.ok) Fail(path, "has a character without a Shift-JIS code");
  if (cp932.bytes.size() > box::NAME_MAX_TEXT_BYTES) {
    Fail(path, "longer than " + std::to_string(box::NAME_MAX_TEXT_BYTES) + " Shift-JIS bytes");
  }
  if (cp932.bytes.find('\0') != std::string::npos) Fail(path, "must not hold a NUL character");
  box::SetNameUtf8(entry, name);
}

template <std::size_t N>
void CopyInts(FieldReader& reader, std::string_view key, std::int32_t (&target)[N], std::int64_t lo,
              std::int64_t hi) {
  const std::vector<std::int32_t> values = reader.Ints(key, N, lo, hi);
  std::copy(values.begin(), values.end(), target);
}

}  // namespace

box::BoxEntry EntryFromJson(const Json& value, const std::string& path) {
  FieldReader reader(value, path);
  box::BoxEntry entry{};
  NameField(reader, entry);
  entry.species = SpeciesField(reader);
  entry.level = LevelField(reader);
  entry.nature = NatureField(reader);
  entry.ability = reader.Int("ability", 0, data::ABILITY_COUNT - 1);
  entry.item = reader.Int("item", 0, data::ITEM_COUNT - 1);
  entry.statsEntered = reader.Int("statsEntered", 0, 1);
  CopyInts(reader, "iv", entry.iv, 0, box::IV_EV_MAX);
  CopyInts(reader, "ev", entry.ev, 0, box::IV_EV_MAX);
  CopyInts(reader, "stat", entry.stat, box::STAT_MIN, box::STAT_MAX);
  const std::string movePath = reader.PathOf("move");
  const Json& moves = ArrayValue(reader.Required("move"), movePath, 4, 4, "MoveIds");
  for (std::size_t i = 0; i < 4; ++i) {
    entry.move[i] = MoveSlotValue(moves[i], movePath + "[" + std::to_string(i) + "]");
  }
  reader.Finish();
  // The checks above mirror the box's own; a disagreement must not slip through.
  if (!box::IsValidEntry(entry)) Fail(path, "not a valid box entry");
  return entry;
}

Json EntryToJson(const box::BoxEntry& entry) {
  return Json{{"name", box::NameUtf8(entry)},
              {"species", entry.species},
              {"level", entry.level},
              {"nature", entry.nature},
              {"ability", entry.ability},
              {"item", entry.item},
              {"statsEntered", entry.statsEntered},
              {"iv", entry.iv},
              {"ev", entry.ev},
              {"stat", entry.stat},
              {"move", entry.move}};
}

}  // namespace kerumina::cli
