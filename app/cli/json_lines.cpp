#include "app/cli/json_lines.h"

#include <istream>
#include <ostream>

namespace kerumina::cli {

namespace {

bool Refuse(JsonWriter& out, std::string_view message) {
  out.Clear();
  out.BeginObject().Key("error").String(message).EndObject();
  return false;
}

}  // namespace

bool AnswerLine(std::string_view line, const Answer& answer, JsonWriter& out) {
  out.Clear();
  // Lines from a Windows editor end in CR LF.
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  const Json input = Json::parse(line, nullptr, false);
  if (input.is_discarded()) return Refuse(out, "not valid JSON");
  try {
    answer(input, out);
    return true;
  } catch (const InputError& error) {
    return Refuse(out, error.what());
  } catch (const Json::exception& error) {
    // Only reached if a check missed a type; still an answer, never a crash.
    return Refuse(out, error.what());
  }
}

std::string Dump(const Json& value) {
  return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

bool RunJsonLines(std::istream& in, std::ostream& out, const Answer& answer) {
  bool allOk = true;
  std::string line;
  JsonWriter writer;
  while (std::getline(in, line)) {
    allOk = AnswerLine(line, answer, writer) && allOk;
    out << writer.Text() << '\n';
  }
  out.flush();
  return allOk;
}

}  // namespace kerumina::cli
