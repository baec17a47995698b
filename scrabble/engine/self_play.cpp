// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/engine/self_play.h"

#include <algorithm>

namespace scrabble {

bool SelfPlay::PlayToEnd(int mostTicks)
{
    driver.Restart(ticks_);
    for (int tick = 0; tick < mostTicks; ++tick) {
        ++ticks_;
        driver.Tick(*this);
        if (driver.Phase == -2)
            return true;
    }
    return false;
}

void SelfPlay::NewGame()
{
    candidates_.clear();
    movesPlayed_ = 0;
    game_.NewGame();
}

void SelfPlay::NextPlayer()
{
    game_.NextPlayer();
    game_.ShuffleBag(true);
}

void SelfPlay::SearchComputerMove()
{
    if (beforeSearch)
        beforeSearch(game_);
    candidates_ = game_.GenerateMoves(search_, game_.CurrentPlayer);
}

bool SelfPlay::PlayComputerMove()
{
    if (candidates_.empty())
        return false;
    const int level = std::clamp(game_.Player(game_.CurrentPlayer).Level, 1, 5);
    const Grid before = game_.Snapshot();
    const Tcoup &played = game_.PlayComputerMove(game_.PickComputerMove(candidates_, level));
    candidates_.clear();
    ++movesPlayed_;
    if (afterMove)
        afterMove(played, before);
    return true;
}

} // namespace scrabble
