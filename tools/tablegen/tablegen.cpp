// Turns the game data set (data/tables/*.tsv) into C++ constant arrays, so the program
// carries its reference data compiled in and reads no file at start-up.
//
//   kerumina_tablegen TABLE_DIR OUTPUT.cpp
//
// Names are written twice: as cp932 bytes in fixed slots (the record layouts the data
// has always had) and as UTF-8 literals for display. A text without a cp932 code, a row
// out of order or a slot overflow stops the build with a message.

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "text/cp932.h"

namespace {

using Row = std::vector<std::string>;

constexpr int kSpeciesCount = 507;
constexpr int kMoveCount = 467;
constexpr int kAbilityCount = 124;
constexpr int kEvolutionCount = 248;

[[noreturn]] void Fail(const std::string& message) {
  std::fprintf(stderr, "tablegen: %s\n", message.c_str());
  std::exit(1);
}

std::vector<Row> ReadTsv(const std::string& dir, const std::string& name) {
  std::ifstream in(dir + "/" + name);
  if (!in) Fail("cannot open " + name);
  std::vector<Row> rows;
  std::string line;
  bool header = true;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (header) {
      header = false;
      continue;
    }
    if (line.empty()) continue;
    Row row;
    std::stringstream fields(line);
    std::string field;
    while (std::getline(fields, field, '\t')) row.push_back(field);
    rows.push_back(row);
  }
  return rows;
}

int Int(const Row& row, std::size_t column) {
  if (column >= row.size()) Fail("missing column");
  return std::stoi(row[column]);
}

// A C string literal of raw bytes, escaped so that no byte is read as part of a
// neighbouring escape or trigraph.
std::string BytesLiteral(const std::string& bytes) {
  std::string out = "\"";
  for (unsigned char c : bytes) {
    if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\' && c != '?') {
      out.push_back(static_cast<char>(c));
    } else {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\%03o", c);
      out += buf;
    }
  }
  return out + "\"";
}

std::string Cp932Slot(const std::string& utf8, std::size_t slot) {
  const kerumina::text::Cp932Conversion converted = kerumina::text::Utf8ToCp932(utf8);
  if (!converted.ok) Fail("no cp932 code in \"" + utf8 + "\"");
  if (converted.bytes.size() >= slot) Fail("\"" + utf8 + "\" does not fit its slot");
  return BytesLiteral(converted.bytes);
}

class Writer {
 public:
  explicit Writer(const std::string& path) : out_(path) {
    if (!out_) Fail("cannot write " + path);
  }
  Writer& operator<<(const std::string& s) {
    out_ << s;
    return *this;
  }
  Writer& operator<<(int v) {
    out_ << v;
    return *this;
  }

 private:
  std::ofstream out_;
};

void CheckRowOrder(const std::vector<Row>& rows, int count, const std::string& what) {
  if (static_cast<int>(rows.size()) != count) Fail(what + ": wrong row count");
  for (int i = 0; i < count; ++i) {
    if (Int(rows[i], 0) != i) Fail(what + ": rows out of order");
  }
}

void WriteSpecies(Writer& w, const std::string& dir) {
  const auto rows = ReadTsv(dir, "species.tsv");
  CheckRowOrder(rows, kSpeciesCount, "species");
  w << "const SpeciesRecord SPECIES_TABLE[SPECIES_COUNT] = {\n";
  for (const Row& r : rows) {
    w << "    {";
    // number, six base stats (storage order), type1, type2, catch, exp, friendship,
    // held items, female ratio
    for (int c : {1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}) w << Int(r, c) << ",";
    w << "},\n";
  }
  w << "};\n\nconst NameSlot SPECIES_NAME_SLOTS[SPECIES_COUNT] = {\n";
  for (const Row& r : rows) w << "    {" << Cp932Slot(r[2], 32) << "},\n";
  w << "};\n\nconst char* const SPECIES_NAMES[SPECIES_COUNT] = {\n";
  for (const Row& r : rows) w << "    " << BytesLiteral(r[2]) << ",\n";
  w << "};\n\nconst SpeciesAbilities SPECIES_ABILITIES[SPECIES_COUNT] = {\n";
  for (const Row& r : rows) w << "    {" << Int(r, 17) << "," << Int(r, 18) << "},\n";
  w << "};\n\nconst EggRecord EGG_TABLE[SPECIES_COUNT] = {\n";
  for (const Row& r : rows) {
    w << "    {" << Int(r, 19) << "," << Int(r, 20) << "," << Int(r, 21) << "},\n";
  }
  w << "};\n\n";
}

void WriteEvolutions(Writer& w, const std::string& dir) {
  const auto rows = ReadTsv(dir, "evolutions.tsv");
  if (static_cast<int>(rows.size()) != kEvolutionCount) Fail("evolutions: wrong count");
  w << "const EvolutionRecord EVOLUTION_TABLE[EVOLUTION_COUNT] = {\n";
  for (const Row& r : rows) {
    w << "    {" << Int(r, 0) << "," << Int(r, 1) << "," << Cp932Slot(r[2], 64) << "},\n";
  }
  w << "};\n\nconst char* const EVOLUTION_CONDITIONS[EVOLUTION_COUNT] = {\n";
  for (const Row& r : rows) w << "    " << BytesLiteral(r[2]) << ",\n";
  w << "};\n\n";
}

void WriteMoves(Writer& w, const std::string& dir) {
  const auto rows = ReadTsv(dir, "moves.tsv");
  CheckRowOrder(rows, kMoveCount, "moves");
  w << "const MoveRecord MOVE_TABLE[MOVE_COUNT] = {\n";
  for (const Row& r : rows) {
    w << "    {" << Cp932Slot(r[1], 32);
    for (int c = 2; c <= 8; ++c) w << "," << Int(r, c);
    w << "},\n";
  }
  w << "};\n\nconst char* const MOVE_NAMES[MOVE_COUNT] = {\n";
  for (const Row& r : rows) w << "    " << BytesLiteral(r[1]) << ",\n";
  w << "};\n\n";
}

void WriteAbilities(Writer& w, const std::string& dir) {
  const auto rows = ReadTsv(dir, "abilities.tsv");
  CheckRowOrder(rows, kAbilityCount, "abilities");
  w << "const NameSlot ABILITY_NAME_SLOTS[ABILITY_COUNT] = {\n";
  for (const Row& r : rows) w << "    {" << Cp932Slot(r[1], 32) << "},\n";
  w << "};\n\nconst char* const ABILITY_NAMES[ABILITY_COUNT] = {\n";
  for (const Row& r : rows) w << "    " << BytesLiteral(r[1]) << ",\n";
  w << "};\n\n";
}

// Rows of a slot table keyed by (species, table name) -> ordered slot values.
using SlotRows = std::map<std::string, std::map<int, std::vector<std::string>>>;

SlotRows GroupSlots(const std::vector<Row>& rows, std::size_t versionColumn, std::size_t slotColumn,
                    const std::vector<std::size_t>& valueColumns, std::size_t maxSlots,
                    int addToFirst) {
  SlotRows grouped;
  for (const Row& r : rows) {
    const std::string version = versionColumn == 99 ? "ALL" : r[versionColumn];
    auto& slots = grouped[version][Int(r, 0)];
    if (Int(r, slotColumn) != static_cast<int>(slots.size())) Fail("slots not packed");
    if (slots.size() >= maxSlots) Fail("too many slots");
    std::string value;
    for (std::size_t i = 0; i < valueColumns.size(); ++i) {
      int v = Int(r, valueColumns[i]);
      if (i == 0) v += addToFirst;
      if (i > 0) value += ',';
      value += std::to_string(v);
    }
    if (valueColumns.size() > 1) value = '{' + value + '}';
    slots.push_back(value);
  }
  return grouped;
}

void WriteSlotTable(Writer& w, const std::string& type, const std::string& name,
                    const std::map<int, std::vector<std::string>>& rows) {
  w << "const " << type << " " << name << " = {\n";
  for (int s = 0; s < kSpeciesCount; ++s) {
    w << "    {";
    const auto it = rows.find(s);
    if (it != rows.end()) {
      for (const std::string& v : it->second) w << v << ",";
    }
    w << "},\n";
  }
  w << "};\n\n";
}

void WriteLearnsets(Writer& w, const std::string& dir) {
  // Level-up entries are {level, MoveId}; the data set is already 0-based.
  auto levelUp = GroupSlots(ReadTsv(dir, "levelup.tsv"), 1, 2, {3, 4}, 24, 0);
  WriteSlotTable(w, "LevelUpTable", "LEVEL_UP_DP", levelUp["DP"]);
  WriteSlotTable(w, "LevelUpTable", "LEVEL_UP_PT", levelUp["PT"]);
  WriteSlotTable(w, "LevelUpTable", "LEVEL_UP_HGSS", levelUp["HGSS"]);

  auto eggs = GroupSlots(ReadTsv(dir, "eggmoves.tsv"), 1, 2, {3}, 16, 0);
  WriteSlotTable(w, "EggMoveTable", "EGG_MOVES_DPPT", eggs["DPPT"]);
  WriteSlotTable(w, "EggMoveTable", "EGG_MOVES_HGSS", eggs["HGSS"]);

  auto tutors = GroupSlots(ReadTsv(dir, "tutors.tsv"), 1, 2, {3}, 60, 0);
  if (!tutors["PT"].empty()) {
    for (const auto& [s, slots] : tutors["PT"]) {
      if (slots.size() > 40) Fail("PT tutor row too long");
    }
  }
  WriteSlotTable(w, "TutorTablePt", "TUTOR_PT", tutors["PT"]);
  WriteSlotTable(w, "TutorTableHgss", "TUTOR_HGSS", tutors["HGSS"]);

  // The special table keeps MoveId + 1 so that 0 can mark an empty slot.
  auto special = GroupSlots(ReadTsv(dir, "special_learn.tsv"), 99, 1, {2, 3}, 2, 1);
  WriteSlotTable(w, "SpecialLearnTable", "SPECIAL_LEARN", special["ALL"]);

  // Machine lists keep MoveId + 1 as well.
  std::map<std::string, std::vector<int>> machines;
  for (const Row& r : ReadTsv(dir, "machines.tsv")) {
    auto& list = machines[r[0]];
    if (Int(r, 1) != static_cast<int>(list.size())) Fail("machines out of order");
    list.push_back(Int(r, 3) + 1);
  }
  for (const auto& [list, name] :
       {std::pair{"DPPT", "MACHINE_LIST_DPPT"}, std::pair{"HGSS", "MACHINE_LIST_HGSS"}}) {
    if (machines[list].size() != 100) Fail("machine list size");
    w << "const MachineList " << name << " = {";
    for (int v : machines[list]) w << v << ",";
    w << "};\n\n";
  }

  std::map<std::string, std::map<int, std::string>> compat;
  for (const Row& r : ReadTsv(dir, "machine_compat.tsv")) {
    if (r[2].size() != 100) Fail("machine flags length");
    compat[r[1]][Int(r, 0)] = r[2];
  }
  for (const auto& [list, name] :
       {std::pair{"DPPT", "MACHINE_COMPAT_DPPT"}, std::pair{"HGSS", "MACHINE_COMPAT_HGSS"}}) {
    if (compat[list].size() != kSpeciesCount) Fail("machine compat rows");
    w << "const MachineCompat " << name << " = {\n";
    for (const auto& [s, flags] : compat[list]) {
      w << "    {" << s + 1;
      for (char f : flags) w << "," << (f == '1' ? "1" : "0");
      w << "},\n";
    }
    w << "};\n\n";
  }

  w << "const EmTutorList EM_TUTOR_LIST = {";
  for (const Row& r : ReadTsv(dir, "em_tutor.tsv")) w << Int(r, 1) << ",";
  w << "};\n\n";
}

void WriteRegional(Writer& w, const std::string& dir) {
  std::map<std::string, std::vector<int>> lists;
  for (const Row& r : ReadTsv(dir, "regional.tsv")) lists[r[0]].push_back(Int(r, 2));
  for (const auto& [list, name] :
       {std::pair{"DP", "REGIONAL_LIST_DP"}, std::pair{"PT", "REGIONAL_LIST_PT"}}) {
    if (lists[list].size() > 220) Fail("regional list too long");
    w << "const RegionalList " << name << " = {";
    for (int v : lists[list]) w << v << ",";
    w << "};\n\n";
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) Fail("usage: kerumina_tablegen TABLE_DIR OUTPUT.cpp");
  const std::string dir = argv[1];
  Writer w(argv[2]);
  w << "// Generated by kerumina_tablegen from data/tables; do not edit.\n"
       "#include \"data/learnsets.h\"\n#include \"data/moves.h\"\n"
       "#include \"data/abilities.h\"\n#include \"data/battle_rules.h\"\n#include "
       "\"data/species.h\"\n\n"
       "namespace kerumina::data {\n\n";
  WriteSpecies(w, dir);
  WriteEvolutions(w, dir);
  WriteMoves(w, dir);
  WriteAbilities(w, dir);
  WriteLearnsets(w, dir);
  WriteRegional(w, dir);
  w << "}  // namespace kerumina::data\n";
  return 0;
}
