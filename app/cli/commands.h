// The command line's answers: one function per JSON Lines command, mapping one input object
// to one output object by calling the core. They throw InputError for bad input; the line
// loop turns that into the line's {"error": ...} answer.
#pragma once

#include "app/cli/json_fields.h"

namespace kerumina::cli {

Json AnswerStats(const Json& input);
Json AnswerIv(const Json& input);
Json AnswerDamage(const Json& input);
Json AnswerSearch(const Json& input);
Json AnswerLearn(const Json& input);
Json AnswerSpecies(const Json& input);

}  // namespace kerumina::cli
