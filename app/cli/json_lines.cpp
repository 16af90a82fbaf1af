#include "app/cli/json_lines.h"

#include <istream>
#include <ostream>

namespace kerumina::cli {

Json AnswerLine(std::string_view line, const Answer& answer, bool& ok) {
  // Lines from a Windows editor end in CR LF.
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  ok = false;
  const Json input = Json::parse(line, nullptr, false);
  if (input.is_discarded()) return Json{{"error", "not valid JSON"}};
  try {
    Json output = answer(input);
    ok = true;
    return output;
  } catch (const InputError& error) {
    return Json{{"error", error.what()}};
  } catch (const Json::exception& error) {
    // Only reached if a check above missed a type; still an answer, never a crash.
    return Json{{"error", error.what()}};
  }
}

std::string Dump(const Json& value) {
  return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

bool RunJsonLines(std::istream& in, std::ostream& out, const Answer& answer) {
  bool allOk = true;
  std::string line;
  while (std::getline(in, line)) {
    bool ok = false;
    out << Dump(AnswerLine(line, answer, ok)) << '\n';
    allOk = allOk && ok;
  }
  out.flush();
  return allOk;
}

}  // namespace kerumina::cli
