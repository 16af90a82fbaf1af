// The data set's TSV files, read apart from the table generator: the tests compare the
// compiled tables and the lookups on them with this second reading.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "data/learnsets.h"
#include "tests/case_file.h"
#include "text/format.h"

namespace kerumina::data::data_set {

using Row = test::Case;

// The rows of a file without its header.
inline std::vector<Row> ReadTsv(const std::string& file) {
  return test::ReadRows(std::string(KERUMINA_TABLE_DIR) + "/" + file, 0, 1);
}

inline int Int(const Row& row, std::size_t column) {
  return std::stoi(row.at(column));
}

// The fields joined by tabs, as a line of a file.
template <typename... Fields>
std::string Line(const Fields&... fields) {
  std::ostringstream out;
  ((out << fields << '\t'), ...);
  std::string line = out.str();
  line.pop_back();
  return line;
}

// The file's lines (their first `columns` fields) and the rendered ones hold the same rows.
inline void ExpectSameRows(const std::string& file, std::vector<std::string> rendered,
                           std::size_t columns = 99) {
  std::vector<std::string> lines;
  for (Row& row : ReadTsv(file)) {
    row.resize(std::min(columns, row.size()));
    std::string line;
    for (const std::string& field : row) line += field + '\t';
    line.pop_back();
    lines.push_back(line);
  }
  std::ranges::sort(lines);
  std::ranges::sort(rendered);
  const auto [a, b] = std::ranges::mismatch(lines, rendered);
  EXPECT_TRUE(a == lines.end() && b == rendered.end())
      << file << ": " << (a == lines.end() ? "-" : *a) << " | " << (b == rendered.end() ? "-" : *b);
}

// One learnset entry: the level, the machine slot or the special kind it was listed with,
// and the method text and class (level-up, machine, special, egg) the detail view shows.
struct Entry {
  int key;
  MoveId move;
  std::string method;
  int methodClass;
};
using Entries = std::vector<Entry>;

// One species' learnsets, entries in stored order; [0] DP, DPPT or PT, [1] PT or HGSS.
struct Learnset {
  Entries levelUp[3], machines[2], tutors[2], eggs[2], special;
};

inline const std::vector<Learnset>& Learnsets() {
  static const std::vector<Learnset> sets = [] {
    std::vector<Learnset> s(SPECIES_COUNT);
    const std::map<std::string, int> level = {{"DP", 0}, {"PT", 1}, {"HGSS", 2}};
    const char* versions[] = {"DP", "PT", "GS"};
    for (const Row& r : ReadTsv("levelup.tsv")) {
      const int v = level.at(r[1]);
      s[Int(r, 0)].levelUp[v].push_back(
          {Int(r, 3), Int(r, 4), text::Format(" %s-LV:%d", versions[v], Int(r, 3)), 0});
    }
    std::map<std::string, std::array<MoveId, MACHINE_SLOTS>> lists;
    for (const Row& r : ReadTsv("machines.tsv")) lists[r[0]][Int(r, 1)] = Int(r, 3);
    for (const Row& r : ReadTsv("machine_compat.tsv")) {
      const bool hgss = r[1] == "HGSS";
      for (int j = 0; j < MACHINE_SLOTS; ++j) {
        if (r[2][j] != '1') continue;
        const std::string method =
            text::Format(" %s-%s:%d", hgss ? "GS" : "DPPT", j < 92 ? "マシン" : "ひでん",
                         j < 92 ? j + 1 : j - 91);
        s[Int(r, 0)].machines[hgss].push_back({j, lists[r[1]][j], method, 1});
      }
    }
    for (const Row& r : ReadTsv("tutors.tsv")) {
      const bool hgss = r[1] == "HGSS";
      s[Int(r, 0)].tutors[hgss].push_back(
          {0, Int(r, 3), hgss ? " GS:教え屋教え技" : " PT:教え屋教え技", 2});
    }
    for (const Row& r : ReadTsv("eggmoves.tsv")) {
      const bool hgss = r[1] == "HGSS";
      s[Int(r, 0)].eggs[hgss].push_back({0, Int(r, 3), hgss ? " GS-遺伝" : " DPPT-遺伝", 3});
    }
    const char* kinds[] = {"", "でんきだま遺伝", "ドラゴン教え技", "御三家教え技"};
    for (const Row& r : ReadTsv("special_learn.tsv")) {
      s[Int(r, 0)].special.push_back(
          {Int(r, 3), Int(r, 2), std::string(" 共通:") + kinds[Int(r, 3)], 2});
    }
    return s;
  }();
  return sets;
}

// The direct pre-evolution of every species, from the evolution records.
inline std::vector<SpeciesId> PreEvolutions() {
  std::vector<SpeciesId> pre(SPECIES_COUNT, NO_SPECIES);
  for (const Row& r : ReadTsv("evolutions.tsv")) pre[Int(r, 1) - 1] = Int(r, 0) - 1;
  return pre;
}

}  // namespace kerumina::data::data_set
