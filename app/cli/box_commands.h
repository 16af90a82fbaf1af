// The box file from the command line: list and export its entries as JSON or as build
// texts, create a box file from JSON entries and append builds to one — checked whole
// before anything is written.
#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

#include "app/cli/json_fields.h"
#include "box/box.h"

namespace kerumina::cli {

// One `box list` line: the entry's fields, its index, its species name and whether every
// field is valid.
Json BoxListLine(const box::BoxEntry& entry, int index);

// Entries of a `box create` input, or the messages of every bad entry (then no entries).
struct ParsedEntries {
  std::vector<box::BoxEntry> entries;
  std::vector<std::string> errors;
};
ParsedEntries EntriesFromJson(std::string_view text);

// Exit codes: 0 done, 1 failed (messages on `err`, one JSON object per line).
int RunBoxList(const std::filesystem::path& file, std::ostream& out, std::ostream& err);
int RunBoxExport(const std::filesystem::path& file, std::ostream& out, std::ostream& err);
int RunBoxCreate(const std::filesystem::path& file, std::istream& in, std::ostream& out,
                 std::ostream& err);
// Appends the builds read from `in` to the box file, creating it when missing.
int RunBoxImportText(const std::filesystem::path& file, std::istream& in, std::ostream& out,
                     std::ostream& err);
// Every entry's build; an entry that cannot be written is reported on `err` by its index.
int RunBoxExportText(const std::filesystem::path& file, std::ostream& out, std::ostream& err);

}  // namespace kerumina::cli
