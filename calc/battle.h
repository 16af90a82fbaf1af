// The battle around the game model's strike: how often a move strikes, what entry hazards,
// held items, the weather and the defender's status do to its HP before, between and after
// the strikes, and so the chance that it has fainted by the end of each turn. One strike's
// sixteen rolls come from the game model; this layer only combines strikes and turns over
// the defender's HP.
#pragma once

#include <vector>

#include "calc/game_damage.h"

namespace kerumina::calc {

// The row's strike, and the battle around it when anything acts around it: the fields the
// lone strike leaves as they are, and hits, damage and KO chances of whole uses over turns.
GameDamageResult ComputeGameBattle(const DamageRequest& request);

// How many times one use of the row's move strikes.
std::vector<StrikeCount> StrikeCounts(const DamageRequest& request);

}  // namespace kerumina::calc
