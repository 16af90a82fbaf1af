// The JSON Lines loop every calculating command shares: one answer line per input line, in
// order, so a script can pair them up; a bad line is answered with its error and the rest
// go on.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

#include "app/cli/json_fields.h"

namespace kerumina::cli {

using Answer = std::function<Json(const Json&)>;

// The answer to one input line: the command's object or {"error": "..."}.
Json AnswerLine(std::string_view line, const Answer& answer, bool& ok);

// Compact one-line UTF-8 JSON; invalid UTF-8 in a text is replaced, never fatal.
std::string Dump(const Json& value);

// Answers every line of `in` on `out`. Returns whether every line succeeded.
bool RunJsonLines(std::istream& in, std::ostream& out, const Answer& answer);

}  // namespace kerumina::cli
