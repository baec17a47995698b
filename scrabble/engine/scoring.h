// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Scoring of words and placements. Each game gives its scoring rules: the
// value of a letter, the bonus for laying a full rack and how one word is
// scored on its board. The Scrabble rule: premiums count only on the squares
// the move covers (empty or holding a tile laid this turn); tiles already
// played count at face value; letters played by jokers are worth nothing.
#include <string>

#include "scrabble/engine/board_layout.h"
#include "scrabble/engine/grid.h"
#include "scrabble/engine/letters.h"

namespace scrabble {

class ScoringRules {
public:
    virtual ~ScoringRules() = default;

    int (*letterValue)(char) = &LetterValue;
    // Bonus for laying exactly bingoTiles tiles in one move (0 for none).
    int bingoTiles = 7;
    int bingoBonus = 50;
    // A joker tile lying on a square is worth 0 whatever the letter's case.
    // Duplicate's joker variant turns it off: only lower-case letters score 0.
    bool jokerTilesScoreZero = true;
    // Whether the words a move forms across its own score too.
    bool crossWordsScore = true;

    // Score of one word laid by `player` from (col, row) in direction dir
    // ('H' or 'V'); 0 when it runs past the board. The Scrabble premiums.
    virtual int WordScore(const Grid &grid, const BoardLayout &layout, int col, int row, char dir,
                          const std::string &word, int player) const;

    static const ScoringRules &Classic();
};

// rules.WordScore for no particular player.
int ScoreWord(const Grid &grid, const BoardLayout &layout, const ScoringRules &rules, int col, int row,
              char dir, const std::string &word);

struct PlacementScore {
    int score = 0;
    int tilesPlaced = 0;
};

// Main word, every cross word of two letters or more through a covered
// square, and the bonus. A main word of a single letter is not a word: only
// its cross word scores, so that a one-tile move scores the same whichever
// direction it is written in.
PlacementScore ScorePlacement(const Grid &grid, const BoardLayout &layout, const ScoringRules &rules, int col,
                              int row, char dir, const std::string &word, int player = 0);

} // namespace scrabble
