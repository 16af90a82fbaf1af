// The user's box: 1024 entries kept contiguous from index 0, stored on disk as the raw
// image of the array. The window that owns the box calls these; nothing here shows a
// message, so the command line and the tests use the same operations.
#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "box/box_entry.h"

namespace kerumina::box {

inline constexpr int BOX_CAPACITY = 1024;
inline constexpr std::size_t BOX_FILE_BYTES = BOX_CAPACITY * sizeof(BoxEntry);
inline constexpr const char* BOX_FILE_NAME = "kerumina.vbd";
inline constexpr const char* NO_SPECIES_TEXT = "－";

static_assert(BOX_FILE_BYTES == 147456);

// The only mutable state of the core. 147456 bytes: owners keep it on the heap.
struct Box {
  std::array<BoxEntry, BOX_CAPACITY> entries{};
};

// Reads up to BOX_FILE_BYTES into a zeroed box; a missing file gives an empty box, a short
// one leaves the rest zero. The bytes are kept as they are: consumers check each field.
// Returns whether the file could be opened (the window stays silent either way).
bool LoadBox(Box& box, const std::filesystem::path& path = BOX_FILE_NAME);

// Writes the whole array to a temporary file beside the target and renames it over the
// target, so a failed write never destroys the previous file. Returns false on failure.
bool SaveBox(const Box& box, const std::filesystem::path& path = BOX_FILE_NAME);

enum class ImportStatus { OK, OPEN_FAILED };

struct ImportResult {
  ImportStatus status = ImportStatus::OK;
  int added = 0;
  int alreadyRegistered = 0;  // same name bytes and species as an entry of the box
  int leftOut = 0;            // no room left
};

// Appends the records of a box file that the box does not hold yet (by name bytes and
// species), in file order, while there is room. The box is unchanged when the file cannot
// be opened.
ImportResult ImportBoxFile(Box& box, const std::filesystem::path& path);

// Index of the first empty entry, which is also the number of list rows; BOX_CAPACITY
// when the box is full.
int AppendIndex(const Box& box);
inline bool IsFull(const Box& box) {
  return AppendIndex(box) == BOX_CAPACITY;
}

// Writes the entry at AppendIndex. Returns its index, or BOX_CAPACITY (box unchanged)
// when the box is full.
int Append(Box& box, const BoxEntry& entry);

// Exchanges entries index - 1 and index; index 0 or out of range does nothing.
void MoveUp(Box& box, int index);

// Closes the gap left by the entry; the last entry becomes zero bytes. Out of range does
// nothing.
void Delete(Box& box, int index);

// Whether two entries name the same creature: equal name bytes and equal species.
bool IsSameCreature(const BoxEntry& a, const BoxEntry& b);

struct BoxListRow {
  std::string name;     // UTF-8
  std::string species;  // species name, or NO_SPECIES_TEXT for a value outside the table
};

BoxListRow ListRowOf(const BoxEntry& entry);
// The species column alone, for the panels that show it too.
std::string SpeciesText(const BoxEntry& entry);

// One row per entry from index 0 up to the first empty entry.
std::vector<BoxListRow> ListRows(const Box& box);

}  // namespace kerumina::box
