#include "app/cli/box_commands.h"

#include <istream>
#include <iterator>
#include <memory>
#include <ostream>
#include <span>
#include <system_error>

#include "app/cli/entry_json.h"
#include "app/cli/json_lines.h"
#include "calc/build_text.h"

namespace kerumina::cli {

namespace {

int Failure(std::ostream& err, const std::string& message) {
  err << Dump(Json{{"error", message}}) << '\n';
  return 1;
}

std::string ReadAll(std::istream& in) {
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The box is 147 KB: kept on the heap.
std::unique_ptr<box::Box> LoadOrNull(const std::filesystem::path& file) {
  auto loaded = std::make_unique<box::Box>();
  if (!box::LoadBox(*loaded, file)) return nullptr;
  return loaded;
}

}  // namespace

Json BoxListLine(const box::BoxEntry& entry, int index) {
  Json line = EntryToJson(entry);
  line["index"] = index;
  line["speciesName"] = box::SpeciesText(entry);
  // The name counts too: a valid line must survive export and create byte for byte.
  line["valid"] = box::HasValidName(entry) && box::IsValidEntry(entry);
  return line;
}

ParsedEntries EntriesFromJson(std::string_view text) {
  ParsedEntries parsed;
  const Json input = Json::parse(text, nullptr, false);
  if (input.is_discarded()) {
    parsed.errors.push_back("not valid JSON");
    return parsed;
  }
  if (!input.is_array()) {
    parsed.errors.push_back("expected a JSON array of entries");
    return parsed;
  }
  if (input.size() > static_cast<std::size_t>(box::BOX_CAPACITY)) {
    parsed.errors.push_back(std::to_string(input.size()) + " entries: a box holds at most " +
                            std::to_string(box::BOX_CAPACITY));
    return parsed;
  }
  for (std::size_t i = 0; i < input.size(); ++i) {
    try {
      parsed.entries.push_back(EntryFromJson(input[i], "entries[" + std::to_string(i) + "]"));
    } catch (const InputError& error) {
      parsed.errors.push_back(error.what());
    }
  }
  if (!parsed.errors.empty()) parsed.entries.clear();
  return parsed;
}

int RunBoxList(const std::filesystem::path& file, std::ostream& out, std::ostream& err) {
  const std::unique_ptr<box::Box> loaded = LoadOrNull(file);
  if (!loaded) return Failure(err, "cannot read " + file.string());
  const int count = box::AppendIndex(*loaded);
  for (int i = 0; i < count; ++i) out << Dump(BoxListLine(loaded->entries[i], i)) << '\n';
  out.flush();
  return 0;
}

int RunBoxExport(const std::filesystem::path& file, std::ostream& out, std::ostream& err) {
  const std::unique_ptr<box::Box> loaded = LoadOrNull(file);
  if (!loaded) return Failure(err, "cannot read " + file.string());
  // One entry per line keeps the file readable and easy to compare.
  const int count = box::AppendIndex(*loaded);
  out << '[';
  for (int i = 0; i < count; ++i) {
    out << (i == 0 ? "\n" : ",\n") << Dump(EntryToJson(loaded->entries[i]));
  }
  out << "\n]\n";
  out.flush();
  return 0;
}

int RunBoxCreate(const std::filesystem::path& file, std::istream& in, std::ostream& out,
                 std::ostream& err) {
  const ParsedEntries parsed = EntriesFromJson(ReadAll(in));
  if (!parsed.errors.empty()) {
    for (const std::string& message : parsed.errors) Failure(err, message);
    return 1;
  }
  auto created = std::make_unique<box::Box>();
  for (const box::BoxEntry& entry : parsed.entries) box::Append(*created, entry);
  if (!box::SaveBox(*created, file)) return Failure(err, "cannot write " + file.string());
  out << Dump(Json{{"entries", parsed.entries.size()}}) << '\n';
  return 0;
}

int RunBoxImportText(const std::filesystem::path& file, std::istream& in, std::ostream& out,
                     std::ostream& err) {
  const calc::ParsedBuilds parsed = calc::ParseBuilds(ReadAll(in));
  if (parsed.error) {
    err << Dump(Json{{"error", calc::BuildTextErrorMessage(*parsed.error)},
                     {"line", parsed.error->line}})
        << '\n';
    return 1;
  }
  auto target = std::make_unique<box::Box>();
  std::error_code error;
  const bool exists = std::filesystem::exists(file, error);
  if (error || (exists && !box::LoadBox(*target, file))) {
    return Failure(err, "cannot read " + file.string());
  }
  const int before = box::AppendIndex(*target);
  const int count = static_cast<int>(parsed.entries.size());
  if (before + count > box::BOX_CAPACITY) {
    return Failure(err, std::to_string(count) + " builds: the box has room for " +
                            std::to_string(box::BOX_CAPACITY - before));
  }
  for (const box::BoxEntry& entry : parsed.entries) box::Append(*target, entry);
  if (!box::SaveBox(*target, file)) return Failure(err, "cannot write " + file.string());
  out << Dump(Json{{"added", count}, {"entries", before + count}}) << '\n';
  return 0;
}

int RunBoxExportText(const std::filesystem::path& file, std::ostream& out, std::ostream& err) {
  const std::unique_ptr<box::Box> loaded = LoadOrNull(file);
  if (!loaded) return Failure(err, "cannot read " + file.string());
  const std::span<const box::BoxEntry> used(loaded->entries.data(),
                                            static_cast<std::size_t>(box::AppendIndex(*loaded)));
  out << calc::BuildsText(used);
  out.flush();
  int status = 0;
  for (std::size_t i = 0; i < used.size(); ++i) {
    if (calc::CanWriteBuild(used[i])) continue;
    err << Dump(Json{{"error", "not a valid box entry: left out"}, {"index", i}}) << '\n';
    status = 1;
  }
  return status;
}

}  // namespace kerumina::cli
