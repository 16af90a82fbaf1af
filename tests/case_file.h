// Tables of cases kept next to the tests: one case a line, its fields split at tabs; lines
// starting with '#' are comments.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace kerumina::test {

using Case = std::vector<std::string>;

// The cases of a file in the test's source folder, each with `fields` fields.
inline std::vector<Case> ReadCases(const std::string& file, std::size_t fields) {
  std::ifstream in(std::string(KERUMINA_TEST_DIR) + "/" + file);
  std::vector<Case> cases;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line.starts_with('#')) continue;
    std::istringstream split(line);
    Case& c = cases.emplace_back();
    for (std::string field; std::getline(split, field, '\t');) c.push_back(field);
    c.resize(fields);
  }
  EXPECT_FALSE(cases.empty()) << file;
  return cases;
}

}  // namespace kerumina::test
