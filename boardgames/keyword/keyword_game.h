// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// KeyWord's game on the board-game family: the 19 x 19 board of four
// colours and key squares, racks of 10, every tile worth 5, scoring by the
// player's colour, the three-letter key word worth 50 and drawn again once
// formed, moves made only of the tiles dragged onto the board, the first
// word on an arm of the central cross, the computer's liking for the key
// word, the end of game by a bonus or -5 a tile, and the payload's players
// (colour and last move) and key words.
#include <string>
#include <vector>

#include "scrabble/engine/board_game.h"

class TDictionnaire;

namespace keyword {

using TJeton = scrabble::TileWithPrevious;
using Tcoup = scrabble::Tcoup;

const scrabble::BoardLayout &Layout();
const scrabble::GameRules &Rules();
// " (rouge)" and the other square names; nothing for a neutral square.
std::string SquareText(const scrabble::BoardLayout &layout, int col, int row);

class Game : public scrabble::BoardGame {
public:
    explicit Game(std::uint64_t seed = 1) : BoardGame(seed, keyword::Rules()) {}

    // The key candidates come from this dictionary (none without one).
    void SetDictionary(const TDictionnaire *dictionary) { dictionary_ = dictionary; }

    std::vector<std::string> KeyCandidates;
    int KeyIndex = 0;
    // The line of the move being prepared, shown under the rack.
    std::string MoveInfo;
    // The key word in upper case; empty when there is none.
    std::string Key() const;
    void DrawKey();
    // Player colours for the players configured (player 1's drawn at random).
    void AssignColours();
    // The fields of the tiles laid this turn, and MoveInfo for them.
    scrabble::InputFields ReadPlacedTiles() override;

    void NewGame() override;
    int Side(int player) const override;
    void Scored(Tcoup &move, const scrabble::Grid &grid) const override;
    const Tcoup &RecordMove(Tcoup move) override;
    // The move of the tiles laid this turn (the fields are not read).
    scrabble::InputResult ValidateInput(const scrabble::InputFields &input, const TDictionnaire *dictionary,
                                        const scrabble::Confirm &confirm) override;
    const Tcoup &PickComputerMove(const std::vector<Tcoup> &candidates, int level) override;
    void ApplyEndOfGame() override;
    std::vector<std::string> ReportLines() const;

protected:
    void WritePlayers(savefile::TypedWriter &out) const override;
    void ReadPlayers(savefile::TypedReader &in) override;
    void WriteTail(savefile::TypedWriter &out) const override;
    void ReadTail(savefile::TypedReader &in) override;

private:
    const TDictionnaire *dictionary_ = nullptr;
};

} // namespace keyword
