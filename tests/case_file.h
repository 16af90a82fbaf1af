// Tables of cases kept in files: one case a line, its fields split at tabs.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace kerumina::test {

using Case = std::vector<std::string>;

// The rows of a file, each with at least `fields` fields; lines starting with '#' are
// comments, and the first `header` lines are skipped.
inline std::vector<Case> ReadRows(const std::string& path, std::size_t fields, int header = 0) {
  std::ifstream in(path, std::ios::binary);
  std::vector<Case> rows;
  for (std::string line; std::getline(in, line);) {
    if (header-- > 0 || line.empty() || line.starts_with('#')) continue;
    std::istringstream split(line);
    Case& row = rows.emplace_back();
    for (std::string field; std::getline(split, field, '\t');) row.push_back(field);
    if (row.size() < fields) row.resize(fields);
  }
  EXPECT_FALSE(rows.empty()) << path;
  return rows;
}

// The cases of a file in the test's source folder.
inline std::vector<Case> ReadCases(const std::string& file, std::size_t fields) {
  return ReadRows(std::string(KERUMINA_TEST_DIR) + "/" + file, fields);
}

}  // namespace kerumina::test
