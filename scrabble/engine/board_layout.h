// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shape of a board: its side, the squares a first word must cover and a
// code for every square. What a code means belongs to the game: the
// Scrabble games read it as a premium, Wordy as a colour, other games as
// their own kinds of squares.
#include <string>
#include <vector>

#include "scrabble/engine/grid.h"

namespace scrabble {

// The codes of the Scrabble premiums.
enum class Premium : unsigned char { None, LetterDouble, LetterTriple, WordDouble, WordTriple };

class BoardLayout {
public:
    // rows: one string per row, one character per square: 'T' word triple,
    // 'D' word double, 't' letter triple, 'd' letter double, anything else
    // plain; the centre is the starting square.
    BoardLayout(const std::vector<std::string> &rows, int centreCol, int centreRow);
    // size x size codes, row by row; the first word covers one of `start`.
    BoardLayout(int size, std::vector<int> codes, std::vector<SquarePos> start);

    int Size() const { return size_; }
    // The first starting square (the centre of the Scrabble boards).
    int CentreCol() const { return start_.front().col; }
    int CentreRow() const { return start_.front().row; }
    const std::vector<SquarePos> &StartSquares() const { return start_; }
    bool IsStartSquare(int col, int row) const;
    bool Inside(int col, int row) const { return col >= 1 && col <= size_ && row >= 1 && row <= size_; }
    // The square's code; -1 outside the board.
    int Code(int col, int row) const;
    // The code read as a Scrabble premium; None outside the board.
    Premium At(int col, int row) const;
    // Square number (row - 1) x size + col.
    int SquareNumber(int col, int row) const { return (row - 1) * size_ + col; }

    static const BoardLayout &Classic();

private:
    int size_;
    std::vector<int> codes_;
    std::vector<SquarePos> start_;
};

// Row label: the row-th letter of the alphabet ("A" for row 1).
char RowLetter(int row);
// "H 8" for a horizontal move at (8, 8), "8 H" for a vertical one.
std::string MoveNotation(char direction, int col, int row);
// "case mot compte triple." and the three others; empty for a plain square.
std::string PremiumText(Premium premium);

} // namespace scrabble
