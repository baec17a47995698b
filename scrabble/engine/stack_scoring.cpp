// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/engine/stack_scoring.h"

#include <algorithm>
#include <utility>

namespace scrabble {

namespace {
int NoValue(char)
{
    return 1;
}
} // namespace

StackScoring::StackScoring(std::string bonusLetters, int bonusPoints, int allTilesBonus, int allTiles)
    : bonusLetters_(std::move(bonusLetters)), bonusPoints_(bonusPoints)
{
    letterValue = &NoValue;
    bingoTiles = allTiles;
    bingoBonus = allTilesBonus;
}

int StackScoring::FinalHeight(const Square &square, char letter)
{
    switch (square.state) {
    case SquareState::Empty:
        return 1;
    case SquareState::Pending:
        return std::max(1, square.height);
    case SquareState::Played:
        break;
    }
    return std::max(1, square.height) + (LaysTile(square, letter) ? 1 : 0);
}

int StackScoring::WordScore(const Grid &grid, const BoardLayout &layout, int col, int row, char dir,
                            const std::string &word, int) const
{
    int sum = 0;
    int bonus = 0;
    bool floor = true;
    bool laid = false;
    for (const char letter : word) {
        if (!layout.Inside(col, row) || !grid.Inside(col, row))
            return 0;
        const Square &square = grid.At(col, row);
        const int height = FinalHeight(square, letter);
        sum += height;
        floor = floor && height == 1;
        if (LaysTile(square, letter)) {
            laid = true;
            if (bonusLetters_.find(Upper(letter)) != std::string::npos)
                bonus += bonusPoints_;
        }
        col += StepCol(dir);
        row += StepRow(dir);
    }
    if (!laid)
        return 0;
    return (floor ? 2 * sum : sum) + bonus;
}

} // namespace scrabble
