// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/engine/grid.h"

#include "scrabble/engine/letters.h"

namespace scrabble {

const Square Grid::kOutside{};

int Grid::PlayedCount() const
{
    int count = 0;
    for (const Square &s : squares_)
        count += s.IsPlayed();
    return count;
}

int Grid::TileCount() const
{
    int count = 0;
    for (const Square &s : squares_)
        count += s.HasTile();
    return count;
}

void Grid::Play(int col, int row, char letter)
{
    Square &s = At(col, row);
    s.letter = letter;
    s.state = SquareState::Played;
    s.joker = IsLowerLetter(letter);
    if (s.height == 0)
        s.height = 1;
}

std::string CrossWord(const Grid &grid, int col, int row, char mainDir, char letter, int &startCol,
                      int &startRow)
{
    const char dir = Across(mainDir);
    const int dc = StepCol(dir);
    const int dr = StepRow(dir);
    int c = col;
    int r = row;
    while (grid.HasTile(c - dc, r - dr)) {
        c -= dc;
        r -= dr;
    }
    startCol = c;
    startRow = r;
    std::string word;
    for (; c == col && r == row ? true : grid.HasTile(c, r); c += dc, r += dr)
        word += c == col && r == row ? letter : grid.At(c, r).letter;
    return word;
}

} // namespace scrabble
