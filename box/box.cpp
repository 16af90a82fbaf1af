#include "box/box.h"

#include <cstring>
#include <fstream>
#include <memory>
#include <system_error>
#include <utility>

#include "data/species.h"

namespace kerumina::box {

namespace {

using Records = std::array<BoxEntry, BOX_CAPACITY>;

// Fills the records from the file, up to their size; what the file lacks stays as it was.
bool ReadRecords(const std::filesystem::path& path, Records& records) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return false;
  std::ifstream file(path, std::ios::binary);
  if (!file.is_open()) return false;
  file.read(reinterpret_cast<char*>(records.data()), static_cast<std::streamsize>(BOX_FILE_BYTES));
  return true;
}

bool IsRegistered(const Box& box, int count, const BoxEntry& record) {
  for (int i = 0; i < count; ++i) {
    if (IsSameCreature(box.entries[i], record)) return true;
  }
  return false;
}

bool InBox(int index) {
  return index >= 0 && index < BOX_CAPACITY;
}

}  // namespace

bool LoadBox(Box& box, const std::filesystem::path& path) {
  box.entries.fill(BoxEntry{});
  return ReadRecords(path, box.entries);
}

bool SaveBox(const Box& box, const std::filesystem::path& path) {
  std::filesystem::path temporary = path;
  temporary += ".tmp";
  std::error_code error;
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    if (!file.is_open()) return false;
    file.write(reinterpret_cast<const char*>(box.entries.data()),
               static_cast<std::streamsize>(BOX_FILE_BYTES));
    file.close();
    if (file.fail()) {
      std::filesystem::remove(temporary, error);
      return false;
    }
  }
  std::filesystem::rename(temporary, path, error);
  if (error) {
    std::error_code ignored;
    std::filesystem::remove(temporary, ignored);
    return false;
  }
  return true;
}

ImportResult ImportBoxFile(Box& box, const std::filesystem::path& path) {
  ImportResult result;
  // Zeroed, so a short file ends in empty records.
  auto records = std::make_unique<Records>();
  if (!ReadRecords(path, *records)) {
    result.status = ImportStatus::OPEN_FAILED;
    return result;
  }
  int count = AppendIndex(box);
  for (const BoxEntry& record : *records) {
    if (IsEmpty(record)) continue;
    if (IsRegistered(box, count, record)) {
      ++result.alreadyRegistered;
    } else if (count < BOX_CAPACITY) {
      box.entries[count] = record;
      count = AppendIndex(box);
      ++result.added;
    } else {
      ++result.leftOut;
    }
  }
  return result;
}

int AppendIndex(const Box& box) {
  int index = 0;
  while (index < BOX_CAPACITY && !IsEmpty(box.entries[index])) ++index;
  return index;
}

int Append(Box& box, const BoxEntry& entry) {
  const int index = AppendIndex(box);
  if (index < BOX_CAPACITY) box.entries[index] = entry;
  return index;
}

void MoveUp(Box& box, int index) {
  if (index <= 0 || index >= BOX_CAPACITY) return;
  std::swap(box.entries[index - 1], box.entries[index]);
}

void Delete(Box& box, int index) {
  if (!InBox(index)) return;
  for (int j = index + 1; j < BOX_CAPACITY; ++j) box.entries[j - 1] = box.entries[j];
  box.entries[BOX_CAPACITY - 1] = BoxEntry{};
}

bool IsSameCreature(const BoxEntry& a, const BoxEntry& b) {
  return NameCp932(a) == NameCp932(b) && a.species == b.species;
}

std::string SpeciesText(const BoxEntry& entry) {
  if (!HasValidSpecies(entry)) return NO_SPECIES_TEXT;
  return std::string(data::SpeciesName(entry.species));
}

BoxListRow ListRowOf(const BoxEntry& entry) {
  return {NameUtf8(entry), SpeciesText(entry)};
}

std::vector<BoxListRow> ListRows(const Box& box) {
  std::vector<BoxListRow> rows;
  const int count = AppendIndex(box);
  rows.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) rows.push_back(ListRowOf(box.entries[i]));
  return rows;
}

}  // namespace kerumina::box
