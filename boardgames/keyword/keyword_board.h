// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fixed data of KeyWord: the 19 x 19 board in four coloured quarters
// (red top left, blue top right, yellow bottom right, green bottom left),
// each with four key squares, around a neutral centre holding the central
// cross where the first word is laid; the rack size; the colours of the
// players and how they are handed out. Plain C++: the rules and the windows
// both read it.
#include <array>
#include <vector>

#include "scrabble/engine/grid.h"

namespace keyword {

inline constexpr int kBoardSize = 19;
inline constexpr int kRackSize = 10;
inline constexpr int kMaxPlayers = 4;

// Player colours, which are also the square kinds of the four quarters.
inline constexpr int kRed = 1;
inline constexpr int kBlue = 2;
inline constexpr int kYellow = 3;
inline constexpr int kGreen = 4;
inline constexpr int kColourCount = 4;

// The other square kinds: the neutral centre, the central cross, and the key
// squares of each colour (colour + kKeyOffset).
inline constexpr int kNeutral = 0;
inline constexpr int kCross = 5;
inline constexpr int kKeyOffset = 10;

constexpr int KeyCode(int colour)
{
    return colour + kKeyOffset;
}
constexpr bool IsKeyCode(int kind)
{
    return kind > kKeyOffset && kind <= kKeyOffset + kColourCount;
}
// The colour a square is painted in: the quarter's colour for 1..4 and for
// key squares; 0 for the neutral centre and the cross.
constexpr int ColourOfKind(int kind)
{
    if (kind >= kRed && kind <= kGreen)
        return kind;
    if (IsKeyCode(kind))
        return kind - kKeyOffset;
    return 0;
}

// The 361 square kinds, row-major: rows A..S, columns 1..19 within a row.
const std::vector<int> &SquareKinds();
// The kind of square (col, row), both 1-based; -1 off the board.
int SquareKind(int col, int row);
// The French name of a square kind in UTF-8 ("(rouge)", "(clé bleue)", ...);
// empty for the neutral centre and for an unknown kind.
const char *SquareName(int kind);

// The central cross: its middle J10, then the ends of its two arms. The first
// word fills one arm: J9, J10, J11 across or I10, J10, K10 down.
const std::array<scrabble::SquarePos, 5> &CentralCross();
const std::array<scrabble::SquarePos, 3> &HorizontalArm();
const std::array<scrabble::SquarePos, 3> &VerticalArm();
bool InCentralCross(int col, int row);

// The colour of every player, player 1 first, when player 1 has colour
// `first` (1..4): with two players the second takes the opposite quarter,
// with three or four they follow round the board. count is limited to
// 1..4 and first to 1..4.
std::vector<int> PlayerColours(int count, int first);

} // namespace keyword
