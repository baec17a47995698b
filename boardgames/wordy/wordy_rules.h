// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Wordy's rules for the board-game family: the 13 x 13 board of coloured
// squares with its start on G7, the 100 coloured tiles whose colour code is
// their value, the scoring by colours (a letter on a square of its colour
// counts double, white squares double the word, black squares triple it),
// Wordy's tile with its saved record, and the text report.
#include <memory>
#include <string>
#include <vector>

#include "scrabble/engine/board_game.h"
#include "scrabble/engine/game_rules.h"
#include "scrabble/engine/move.h"
#include "scrabble/engine/scoring.h"
#include "scrabble/engine/tile.h"

namespace wordy {

// Wordy's tile: the family's tile whose record keeps the `Previous`
// rectangle; its value is its colour code.
using TJeton = scrabble::TileWithPrevious;

// Wordy's move is the family's move without the rack it was played from:
// its record holds the kind alone where the Scrabble one adds the rack.
using Tcoup = scrabble::Tcoup;

// Letter value = colour code; a letter doubles on a square of its own
// colour, code 9 doubles the word, code 10 triples it, on the squares the
// move covers only; a joker's letter is worth 0.
class Scoring : public scrabble::ScoringRules {
public:
    Scoring();
    int WordScore(const scrabble::Grid &grid, const scrabble::BoardLayout &layout, int col, int row, char dir,
                  const std::string &word, int player) const override;
};

const scrabble::BoardLayout &Layout();
const scrabble::GameRules &Rules();

// " case de départ" and the other square names (code-page bytes).
std::string SquareText(const scrabble::BoardLayout &layout, int col, int row);

// The text report after the settings: the board picture, an empty line,
// one line per move ("3 name H 7 ZOO 14 pts."), an empty line and
// "Ludorine".
std::vector<std::string> ReportLines(const scrabble::BoardGame &game);

} // namespace wordy
