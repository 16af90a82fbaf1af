#include "box/box_entry.h"

#include <cstring>

#include "data/abilities.h"
#include "data/moves.h"
#include "data/species.h"
#include "data/types.h"
#include "text/cp932.h"

namespace kerumina::box {

namespace {

bool InRange(std::int32_t value, std::int32_t lo, std::int32_t hi) {
  return value >= lo && value <= hi;
}

template <std::size_t N>
bool AllInRange(const std::int32_t (&values)[N], std::int32_t lo, std::int32_t hi) {
  for (std::int32_t value : values) {
    if (!InRange(value, lo, hi)) return false;
  }
  return true;
}

}  // namespace

std::string_view NameCp932(const BoxEntry& entry) {
  // A file may fill all 32 bytes without a terminator; never read past the slot.
  const void* nul = std::memchr(entry.name, '\0', NAME_BYTES);
  const std::size_t length =
      nul == nullptr ? NAME_BYTES
                     : static_cast<std::size_t>(static_cast<const char*>(nul) - entry.name);
  return {entry.name, length};
}

std::string NameUtf8(const BoxEntry& entry) {
  return text::Cp932ToUtf8(NameCp932(entry));
}

bool SetNameUtf8(BoxEntry& entry, std::string_view utf8) {
  const text::Cp932Conversion converted = text::Utf8ToCp932(utf8);
  if (!converted.ok) return false;
  std::string_view bytes = converted.bytes;
  // An embedded NUL would end the name early in the file; keep what precedes it.
  bytes = bytes.substr(0, bytes.find('\0'));
  const std::string_view cut = text::CutCp932(bytes, NAME_MAX_TEXT_BYTES);
  std::memset(entry.name, 0, NAME_BYTES);
  std::memcpy(entry.name, cut.data(), cut.size());
  return true;
}

bool HasValidName(const BoxEntry& entry) {
  const std::string_view bytes = NameCp932(entry);
  if (bytes.empty() || bytes.size() > NAME_MAX_TEXT_BYTES) return false;
  for (std::size_t i = bytes.size(); i < NAME_BYTES; ++i) {
    if (entry.name[i] != '\0') return false;
  }
  const text::Cp932Conversion back = text::Utf8ToCp932(NameUtf8(entry));
  return back.ok && back.bytes == bytes;
}

bool HasValidSpecies(const BoxEntry& entry) {
  return data::IsValidSpecies(entry.species);
}

bool HasValidLevel(const BoxEntry& entry) {
  return InRange(entry.level, LEVEL_MIN, LEVEL_MAX);
}

bool HasValidNature(const BoxEntry& entry) {
  return data::IsValidNature(entry.nature);
}

bool HasValidAbility(const BoxEntry& entry) {
  return data::IsValidAbility(entry.ability);
}

bool HasValidItem(const BoxEntry& entry) {
  return data::IsValidItem(entry.item);
}

bool HasValidStatsEntered(const BoxEntry& entry) {
  return entry.statsEntered == 0 || entry.statsEntered == 1;
}

bool HasValidIvs(const BoxEntry& entry) {
  return AllInRange(entry.iv, 0, IV_EV_MAX);
}

bool HasValidEvs(const BoxEntry& entry) {
  return AllInRange(entry.ev, 0, IV_EV_MAX);
}

bool HasValidStats(const BoxEntry& entry) {
  return AllInRange(entry.stat, STAT_MIN, STAT_MAX);
}

bool IsValidMoveSlot(std::int32_t move) {
  return move == EMPTY_MOVE_SLOT || data::IsValidMove(move);
}

bool HasValidMoves(const BoxEntry& entry) {
  for (std::int32_t move : entry.move) {
    if (!IsValidMoveSlot(move)) return false;
  }
  return true;
}

bool IsValidEntry(const BoxEntry& entry) {
  return HasValidSpecies(entry) && HasValidLevel(entry) && HasValidNature(entry) &&
         HasValidAbility(entry) && HasValidItem(entry) && HasValidStatsEntered(entry) &&
         HasValidIvs(entry) && HasValidEvs(entry) && HasValidStats(entry) && HasValidMoves(entry);
}

}  // namespace kerumina::box
