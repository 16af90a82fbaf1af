// The part of a row's report that explains the games' own result: the box window puts it
// after the classic report when it computes as the games do, so a player sees both.
#pragma once

#include <string>

#include "calc/game_damage.h"

namespace kerumina::calc {

// UTF-8 with CR LF line ends, starting with an empty line; empty for a skipped row.
std::string GameDamageReport(const GameDamageResult& result);

}  // namespace kerumina::calc
