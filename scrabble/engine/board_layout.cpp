// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/engine/board_layout.h"

#include <utility>

#include "scrabble/engine/letters.h"
#include "scrabble/engine/text.h"

namespace scrabble {

namespace {
std::vector<int> PremiumCodes(const std::vector<std::string> &rows)
{
    const int size = int(rows.size());
    std::vector<int> codes(std::size_t(size * size), int(Premium::None));
    for (int r = 0; r < size; ++r)
        for (int c = 0; c < size && c < int(rows[std::size_t(r)].size()); ++c) {
            Premium p = Premium::None;
            switch (rows[std::size_t(r)][std::size_t(c)]) {
            case 'T':
                p = Premium::WordTriple;
                break;
            case 'D':
                p = Premium::WordDouble;
                break;
            case 't':
                p = Premium::LetterTriple;
                break;
            case 'd':
                p = Premium::LetterDouble;
                break;
            default:
                break;
            }
            codes[std::size_t(r * size + c)] = int(p);
        }
    return codes;
}
} // namespace

BoardLayout::BoardLayout(const std::vector<std::string> &rows, int centreCol, int centreRow)
    : BoardLayout(int(rows.size()), PremiumCodes(rows), {{centreCol, centreRow}})
{
}

BoardLayout::BoardLayout(int size, std::vector<int> codes, std::vector<SquarePos> start)
    : size_(size), codes_(std::move(codes)), start_(std::move(start))
{
    codes_.resize(std::size_t(size_ * size_), 0);
    if (start_.empty())
        start_.push_back({(size_ + 1) / 2, (size_ + 1) / 2});
}

bool BoardLayout::IsStartSquare(int col, int row) const
{
    for (const SquarePos &s : start_)
        if (s.col == col && s.row == row)
            return true;
    return false;
}

int BoardLayout::Code(int col, int row) const
{
    return Inside(col, row) ? codes_[std::size_t(SquareNumber(col, row) - 1)] : -1;
}

Premium BoardLayout::At(int col, int row) const
{
    const int code = Code(col, row);
    return code >= int(Premium::LetterDouble) && code <= int(Premium::WordTriple) ? Premium(code)
                                                                                  : Premium::None;
}

const BoardLayout &BoardLayout::Classic()
{
    static const BoardLayout layout(
        {"T..d...T...d..T", ".D...t...t...D.", "..D...d.d...D..", "d..D...d...D..d", "....D.....D....",
         ".t...t...t...t.", "..d...d.d...d..", "T..d...D...d..T", "..d...d.d...d..", ".t...t...t...t.",
         "....D.....D....", "d..D...d...D..d", "..D...d.d...D..", ".D...t...t...D.", "T..d...T...d..T"},
        8, 8);
    return layout;
}

char RowLetter(int row)
{
    return row >= 1 && row <= int(kAlphabet.size()) ? kAlphabet[std::size_t(row - 1)] : '?';
}

std::string MoveNotation(char direction, int col, int row)
{
    if (direction == 'V')
        return std::to_string(col) + " " + RowLetter(row);
    return std::string(1, RowLetter(row)) + " " + std::to_string(col);
}

std::string PremiumText(Premium premium)
{
    switch (premium) {
    case Premium::WordTriple:
        return CodePage("case mot compte triple.");
    case Premium::WordDouble:
        return CodePage("case mot compte double.");
    case Premium::LetterTriple:
        return CodePage("case lettre compte triple.");
    case Premium::LetterDouble:
        return CodePage("case lettre compte double.");
    case Premium::None:
        break;
    }
    return {};
}

} // namespace scrabble
