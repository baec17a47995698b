// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/engine/final_ranking.h"

#include "scrabble/engine/board_game.h"

#include <algorithm>
#include <numeric>

namespace scrabble {

std::vector<int> FinalRanking(const std::vector<PlayerInfo> &players)
{
    std::vector<int> order(players.size());
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return players[std::size_t(a - 1)].Score > players[std::size_t(b - 1)].Score;
    });
    return order;
}

} // namespace scrabble
