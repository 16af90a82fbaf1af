// The JSON Lines loop every calculating command shares: one answer line per input line, in
// order, so a script can pair them up; a bad line is answered with its error and the rest
// go on.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

#include "app/cli/json_fields.h"
#include "app/cli/json_writer.h"

namespace kerumina::cli {

using Answer = std::function<void(const Json& input, JsonWriter& out)>;

// Writes the answer to one input line into `out` (cleared first): the command's object or
// {"error": "..."}. Returns whether the line succeeded.
bool AnswerLine(std::string_view line, const Answer& answer, JsonWriter& out);

// Compact one-line UTF-8 JSON; invalid UTF-8 in a text is replaced, never fatal.
std::string Dump(const Json& value);

// Answers every line of `in` on `out`. Returns whether every line succeeded.
bool RunJsonLines(std::istream& in, std::ostream& out, const Answer& answer);

}  // namespace kerumina::cli
