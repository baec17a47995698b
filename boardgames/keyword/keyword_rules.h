// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// KeyWord's scoring, end of game and computer choice, on the family's
// engine. The board is 19 x 19 squares of four colours (1 red, 2 blue,
// 3 yellow, 4 green) around a central cross; each colour has key squares
// coded colour + 10. A player owns one colour: a tile laid on a square of
// that colour scores 10, on one of its own key squares 50, on another
// colour's key square 25, anywhere else 5. Tiles already played score
// nothing and perpendicular words score nothing either.
#include <cstddef>
#include <string>
#include <vector>

#include "boardgames/keyword/keyword_board.h"
#include "scrabble/engine/board_layout.h"
#include "scrabble/engine/grid.h"
#include "scrabble/engine/move.h"
#include "scrabble/engine/random.h"
#include "scrabble/engine/scoring.h"

namespace keyword {

// Every tile is worth the same.
inline constexpr int kTileValue = 5;
// Added when a move forms the key word, and to the bonus of the player who goes out.
inline constexpr int kKeyBonus = 50;
inline constexpr int kGoingOutBonus = 50;

// Points of one tile laid this turn by the owner of `colour` on a square of `kind`.
int SquarePoints(int kind, int colour);

// Score of the word laid from (col, row) in direction dir ('H' or 'V') by
// the player of `colour`: SquarePoints for every letter whose square was
// free or holds a tile laid this turn, 0 for the played ones. A word that
// runs past the board scores 0. The key-word bonus is not included.
int ScoreMove(const scrabble::Grid &grid, const scrabble::BoardLayout &layout, int col, int row, char dir,
              const std::string &word, int colour);

// KeyWord's scoring for the engine: `player` is read as the player's colour.
// No bonus for a full rack; every letter is worth kTileValue.
class Scoring : public scrabble::ScoringRules {
public:
    Scoring();
    int WordScore(const scrabble::Grid &grid, const scrabble::BoardLayout &layout, int col, int row, char dir,
                  const std::string &word, int player) const override;
};

// The value of every KeyWord tile, jokers included.
int TileValue(char letter);

// End-of-game adjustments; racks[i] holds the letters left to player i + 1
// (spaces are empty slots and do not count). With t = kTileValue x all the
// tiles left: the first player whose rack is empty alone receives a bonus of
// t + kGoingOutBonus and nobody is penalised; when nobody went out, every
// player with tiles left receives a penalty of -kTileValue per tile.
std::vector<scrabble::Tcoup> EndOfGameMoves(const std::vector<std::string> &racks);

// Index of the candidate (sorted best first) a computer of `level` plays.
// Level 5 plays the best. Levels 1 to 4 first look at a window of the
// first count, 33, 17 or 9 candidates for one that forms the key word
// (formsKey[i] for candidate i; missing entries count as false) and play the
// best ranked such; without one they pick at random among the first 32, 16,
// 8 or 4. 0 when there are no candidates.
std::size_t PickComputerIndex(const std::vector<scrabble::Tcoup> &candidates,
                              const std::vector<bool> &formsKey, int level, scrabble::Random &random);

} // namespace keyword
