// The command line's answers: one function per JSON Lines command, mapping one input object
// to one output object by calling the core. They check the whole input before writing and
// throw InputError for bad input; the line loop turns that into the line's {"error": ...}.
#pragma once

#include "app/cli/json_fields.h"
#include "app/cli/json_writer.h"

namespace kerumina::cli {

void AnswerStats(const Json& input, JsonWriter& out);
void AnswerIv(const Json& input, JsonWriter& out);
void AnswerDamage(const Json& input, JsonWriter& out);
void AnswerSearch(const Json& input, JsonWriter& out);
void AnswerLearn(const Json& input, JsonWriter& out);
void AnswerSpecies(const Json& input, JsonWriter& out);

}  // namespace kerumina::cli
