// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shape of a board: its side, its starting square and the premium of
// every square. The Scrabble games use the classic 15 x 15 layout; other
// board games give their own size and premiums.
#include <string>
#include <vector>

namespace scrabble {

enum class Premium : unsigned char { None, LetterDouble, LetterTriple, WordDouble, WordTriple };

class BoardLayout {
public:
    // rows: one string per row, one character per square: 'T' word triple,
    // 'D' word double, 't' letter triple, 'd' letter double, anything else plain.
    BoardLayout(const std::vector<std::string> &rows, int centreCol, int centreRow);

    int Size() const { return size_; }
    int CentreCol() const { return centreCol_; }
    int CentreRow() const { return centreRow_; }
    bool Inside(int col, int row) const { return col >= 1 && col <= size_ && row >= 1 && row <= size_; }
    // None outside the board.
    Premium At(int col, int row) const;
    // Square number (row - 1) x size + col.
    int SquareNumber(int col, int row) const { return (row - 1) * size_ + col; }

    static const BoardLayout &Classic();

private:
    int size_;
    int centreCol_;
    int centreRow_;
    std::vector<Premium> premiums_;
};

// Row label: the row-th letter of the alphabet ("A" for row 1).
char RowLetter(int row);
// "H 8" for a horizontal move at (8, 8), "8 H" for a vertical one.
std::string MoveNotation(char direction, int col, int row);
// "case mot compte triple." and the three others; empty for a plain square.
std::string PremiumText(Premium premium);

} // namespace scrabble
