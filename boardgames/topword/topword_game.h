// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TopWord's game on the board-game family: the board of the size chosen
// (10 x 10 or 8 x 8) with its stacks, two last-move lines per player (the
// latest numbered, and the one before), the payload's board size and bag
// area, and the text report of the board's top letters.
#include <array>
#include <string>
#include <vector>

#include "boardgames/topword/topword_rules.h"
#include "scrabble/engine/board_game.h"

// TopWord's tile and move are the family's TJeton and Tcoup: their saved
// records (the tile's value field holding its colour code, 1) are the same.
namespace topword {

class Game : public scrabble::BoardGame {
public:
    explicit Game(std::uint64_t seed = 1, int boardSize = kLargeBoard);

    int BoardSize() const { return Layout().Size(); }
    // Another board size: the tiles on the board go back to the bag.
    void SetBoardSize(int size);
    // The bag area the payload records (the window's).
    void SetBagArea(const scrabble::TileRect &area) { bagArea_ = area; }

    // The line before the latest one of a player's last moves.
    const std::string &PreviousMoveText(int player) const;

    void NewGame() override;
    // The player's latest line becomes "n : " and the move's text, n being
    // the number of moves recorded before it; the former one is kept.
    const scrabble::Tcoup &RecordMove(scrabble::Tcoup move) override;

    // The report after the settings: the board (top letters, '-' for an
    // empty square), the moves, "Ludorine".
    std::vector<std::string> ReportLines() const;

protected:
    void WriteHead(savefile::TypedWriter &out) const override;
    void ReadHead(savefile::TypedReader &in) override;
    void WritePlayers(savefile::TypedWriter &out) const override;
    void ReadPlayers(savefile::TypedReader &in) override;

private:
    std::array<std::string, 4> previous_;
    scrabble::TileRect bagArea_;
};

} // namespace topword
