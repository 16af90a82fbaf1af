// One registered creature: 144 bytes, the same layout in memory and in the box file, so a
// box file is the raw image of the box array.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kerumina::box {

inline constexpr std::size_t NAME_BYTES = 32;
inline constexpr std::size_t NAME_MAX_TEXT_BYTES = 31;
inline constexpr std::int32_t LEVEL_MIN = 1;
inline constexpr std::int32_t LEVEL_MAX = 100;
inline constexpr std::int32_t IV_EV_MAX = 255;     // what the edit window accepts
inline constexpr std::int32_t EV_TOTAL_MAX = 510;  // the sum of the six effort values
inline constexpr std::int32_t STAT_MIN = 1;
inline constexpr std::int32_t STAT_MAX = 999;
inline constexpr std::int32_t EMPTY_MOVE_SLOT = 0xFFFF;

struct BoxEntry {
  char name[NAME_BYTES];  // cp932, NUL-terminated; rest zero
  std::int32_t species;
  std::int32_t level;
  std::int32_t nature;
  std::int32_t ability;
  std::int32_t item;
  std::int32_t statsEntered;  // 1 = stats typed in directly; iv and ev mean nothing
  std::int32_t iv[6];         // display order HP, Atk, Def, SpAtk, SpDef, Speed
  std::int32_t ev[6];
  std::int32_t stat[6];
  std::int32_t move[4];  // MoveId or EMPTY_MOVE_SLOT
};

static_assert(sizeof(BoxEntry) == 144);
static_assert(offsetof(BoxEntry, name) == 0);
static_assert(offsetof(BoxEntry, species) == 32);
static_assert(offsetof(BoxEntry, level) == 36);
static_assert(offsetof(BoxEntry, nature) == 40);
static_assert(offsetof(BoxEntry, ability) == 44);
static_assert(offsetof(BoxEntry, item) == 48);
static_assert(offsetof(BoxEntry, statsEntered) == 52);
static_assert(offsetof(BoxEntry, iv) == 56);
static_assert(offsetof(BoxEntry, ev) == 80);
static_assert(offsetof(BoxEntry, stat) == 104);
static_assert(offsetof(BoxEntry, move) == 128);

// An entry is empty when its name starts with NUL.
inline bool IsEmpty(const BoxEntry& entry) {
  return entry.name[0] == '\0';
}

// The name as UTF-8 (bytes that are no cp932 character show as U+FFFD).
std::string NameUtf8(const BoxEntry& entry);
// The name's cp932 bytes up to the first NUL (at most 32 when a file holds no NUL).
std::string_view NameCp932(const BoxEntry& entry);

// Stores a UTF-8 name, cut to 31 cp932 bytes without splitting a character; the rest of
// the slot is zeroed. Returns false (and changes nothing) when the text has a character
// without a cp932 code.
bool SetNameUtf8(BoxEntry& entry, std::string_view utf8);

// A stored name: 1..31 bytes before the NUL, zero behind it, and bytes that convert to
// UTF-8 and back unchanged, so exporting and re-creating the entry gives the same record.
bool HasValidName(const BoxEntry& entry);

// Box files are not trusted: one check per field, used by every consumer before it
// indexes a table with the field.
bool HasValidSpecies(const BoxEntry& entry);
bool HasValidLevel(const BoxEntry& entry);
bool HasValidNature(const BoxEntry& entry);
bool HasValidAbility(const BoxEntry& entry);
bool HasValidItem(const BoxEntry& entry);
bool HasValidStatsEntered(const BoxEntry& entry);
bool HasValidIvs(const BoxEntry& entry);
bool HasValidEvs(const BoxEntry& entry);
bool HasValidStats(const BoxEntry& entry);
bool IsValidMoveSlot(std::int32_t move);  // a MoveId or EMPTY_MOVE_SLOT
bool HasValidMoves(const BoxEntry& entry);

// Every field valid: the entry can take part in a damage row.
bool IsValidEntry(const BoxEntry& entry);

}  // namespace kerumina::box
