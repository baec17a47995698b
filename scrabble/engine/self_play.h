// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A game between computer players without a window, stepped by the same
// turn driver as the game windows: every player plays at its level (a
// human's level 0 plays as level 1). Tests and benchmarks play whole games
// with it.
#include <cstdint>
#include <functional>
#include <vector>

#include "scrabble/engine/board_game.h"
#include "scrabble/engine/move_search.h"
#include "scrabble/engine/turn_driver.h"

namespace scrabble {

class SelfPlay : public TurnHost {
public:
    SelfPlay(BoardGame &game, const MoveSearch &search) : game_(game), search_(search) {}

    // Before each search, with the rack dealt.
    std::function<void(const BoardGame &game)> beforeSearch;
    // After each move a computer played, with the board as it was before.
    std::function<void(const Tcoup &played, const Grid &before)> afterMove;

    // Plays a new game to its end, adjustments included; false when it has
    // not ended within `mostTicks` ticks.
    bool PlayToEnd(int mostTicks = 100000);
    int MovesPlayed() const { return movesPlayed_; }
    TurnDriver driver;

    std::int64_t Now() const override { return ticks_; }
    void NewGame() override;
    bool Configure() override { return true; }
    void Deal() override { game_.DrawTiles(); }
    bool IsGameOver() override { return game_.IsGameOver(); }
    void NextPlayer() override;
    bool CurrentIsHuman() override { return false; }
    bool ValidateHumanMove() override { return false; }
    void SearchComputerMove() override;
    bool PlayComputerMove() override;
    void EndOfGame() override { game_.ApplyEndOfGame(); }

private:
    BoardGame &game_;
    const MoveSearch &search_;
    std::vector<Tcoup> candidates_;
    std::int64_t ticks_ = 0;
    int movesPlayed_ = 0;
};

} // namespace scrabble
