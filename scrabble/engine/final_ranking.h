// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The order of the players at the end of a game: best score first; players
// with the same score keep their playing order, so that the first of them
// is named the winner.
#include <vector>

namespace scrabble {

struct PlayerInfo;

// Player numbers (1-based) from the best score to the worst.
std::vector<int> FinalRanking(const std::vector<PlayerInfo> &players);

} // namespace scrabble
