// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardgames/keyword/keyword_board.h"

#include <algorithm>

namespace keyword {

namespace {

// One line per row A..S, columns 1..19. The board is not symmetric: the key
// squares and the odd squares of row J and column 10 differ between
// quarters, so the table must be read row by row.
// clang-format off
const std::vector<int> kLayout = {
    1,  1,  1,  1,  1,  1,  1,  1,  1,  1,  2,  2,  2,  2,  2,  2,  2,  2,  2, // A
    1, 13,  1,  1,  1,  1,  1,  1,  1,  2,  2,  2,  2,  2,  2,  2,  2, 11,  2, // B
    1,  1,  1,  1,  1,  1,  1,  1,  1,  4,  2,  2,  2,  2,  2,  2,  2,  2,  2, // C
    1,  1,  1, 12,  1,  1,  1,  1,  1,  3,  2,  2,  2,  2,  2, 14,  2,  2,  2, // D
    1,  1,  1,  1,  1,  1,  1,  1,  1,  1,  2,  2,  2,  2,  2,  2,  2,  2,  2, // E
    1,  1,  1,  1,  1, 12,  1,  1,  1,  2,  2,  2,  2, 14,  2,  2,  2,  2,  2, // F
    1,  1,  1,  1,  1,  1,  1,  1,  0,  0,  0,  2,  2,  2,  2,  2,  2,  2,  2, // G
    1,  1,  1,  1,  1,  1,  1, 14,  0,  0,  0, 13,  2,  2,  2,  2,  2,  2,  2, // H
    1,  1,  1,  1,  1,  1,  0,  0,  0,  5,  0,  0,  0,  2,  2,  2,  2,  2,  2, // I
    4,  1,  2,  3,  4,  1,  0,  0,  5,  5,  5,  0,  0,  3,  2,  1,  3,  3,  2, // J
    4,  4,  4,  4,  4,  4,  0,  0,  0,  5,  0,  0,  0,  3,  3,  3,  3,  3,  3, // K
    4,  4,  4,  4,  4,  4,  4, 11,  0,  0,  0, 12,  3,  3,  3,  3,  3,  3,  3, // L
    4,  4,  4,  4,  4,  4,  4,  4,  0,  0,  0,  3,  3,  3,  3,  3,  3,  3,  3, // M
    4,  4,  4,  4,  4, 13,  4,  4,  4,  4,  3,  3,  3, 11,  3,  3,  3,  3,  3, // N
    4,  4,  4,  4,  4,  4,  4,  4,  4,  3,  3,  3,  3,  3,  3,  3,  3,  3,  3, // O
    4,  4,  4, 13,  4,  4,  4,  4,  4,  2,  3,  3,  3,  3,  3, 11,  3,  3,  3, // P
    4,  4,  4,  4,  4,  4,  4,  4,  4,  1,  3,  3,  3,  3,  3,  3,  3,  3,  3, // Q
    4, 12,  4,  4,  4,  4,  4,  4,  4,  4,  3,  3,  3,  3,  3,  3,  3, 14,  3, // R
    4,  4,  4,  4,  4,  4,  4,  4,  4,  3,  3,  3,  3,  3,  3,  3,  3,  3,  3, // S
};
// clang-format on

const char *const kQuarterNames[] = {"", "(rouge)", "(bleu)", "(jaune)", "(vert)", "(case centrale)"};
const char *const kKeyNames[] = {"(clé rouge)", "(clé bleue)", "(clé jaune)", "(clé verte)"};

// Rows and columns of the cross: I = 9, J = 10, K = 11.
constexpr std::array<scrabble::SquarePos, 5> kCrossSquares = {
    {{10, 10}, {9, 10}, {11, 10}, {10, 9}, {10, 11}}};
constexpr std::array<scrabble::SquarePos, 3> kAcross = {{{9, 10}, {10, 10}, {11, 10}}};
constexpr std::array<scrabble::SquarePos, 3> kDown = {{{10, 9}, {10, 10}, {10, 11}}};

} // namespace

const std::vector<int> &SquareKinds()
{
    return kLayout;
}

int SquareKind(int col, int row)
{
    if (col < 1 || col > kBoardSize || row < 1 || row > kBoardSize)
        return -1;
    return kLayout[std::size_t((row - 1) * kBoardSize + (col - 1))];
}

const char *SquareName(int kind)
{
    if (kind >= kNeutral && kind <= kCross)
        return kQuarterNames[kind];
    if (IsKeyCode(kind))
        return kKeyNames[kind - kKeyOffset - 1];
    return "";
}

const std::array<scrabble::SquarePos, 5> &CentralCross()
{
    return kCrossSquares;
}

const std::array<scrabble::SquarePos, 3> &HorizontalArm()
{
    return kAcross;
}

const std::array<scrabble::SquarePos, 3> &VerticalArm()
{
    return kDown;
}

bool InCentralCross(int col, int row)
{
    return std::find(kCrossSquares.begin(), kCrossSquares.end(), scrabble::SquarePos{col, row}) !=
           kCrossSquares.end();
}

std::vector<int> PlayerColours(int count, int first)
{
    count = std::clamp(count, 1, kMaxPlayers);
    first = std::clamp(first, 1, kColourCount);
    const auto wrap = [](int colour) { return colour > kColourCount ? colour - kColourCount : colour; };
    std::vector<int> colours{first};
    if (count == 2) {
        colours.push_back(wrap(first + 2));
        return colours;
    }
    for (int player = 2; player <= count; ++player)
        colours.push_back(wrap(first + player - 1));
    return colours;
}

} // namespace keyword
