// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scoring of the games whose tiles stack: a word scores the heights its
// letters stand at once the move is made, doubled when the whole word lies
// on the floor, plus a bonus for each bonus letter the move lays; letters
// have no value of their own. A word the move lays nothing of scores 0.
#include <string>

#include "scrabble/engine/scoring.h"

namespace scrabble {

class StackScoring : public ScoringRules {
public:
    // bonusLetters: the letters worth bonusPoints each time one is laid.
    StackScoring(std::string bonusLetters, int bonusPoints, int allTilesBonus, int allTiles);

    // The height of the square once the letter stands on it: a square of
    // the grid laid this turn is at its height already; a played one keeps
    // its height when the letter is its own and rises by one otherwise; an
    // empty one is the floor, 1.
    static int FinalHeight(const Square &square, char letter);

    int WordScore(const Grid &grid, const BoardLayout &layout, int col, int row, char dir,
                  const std::string &word, int player) const override;

private:
    std::string bonusLetters_;
    int bonusPoints_;
};

} // namespace scrabble
