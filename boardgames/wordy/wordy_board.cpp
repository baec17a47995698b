// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardgames/wordy/wordy_board.h"

#include <array>
#include <utility>

namespace wordy {

namespace {

// One line per row A..M, columns 1..13. The board is symmetric about its
// middle row and middle column but not about its diagonals: row B and
// column B differ, so the table must be read row by row.
// clang-format off
const std::vector<int> kLayout = {
    7,  6, 2, 5, 4, 3, 2, 3, 4, 5, 2,  6, 7, // A
    6, 10, 5, 4, 8, 8, 2, 8, 8, 4, 5, 10, 6, // B
    2,  5, 4, 9, 3, 1, 2, 1, 3, 9, 4,  5, 2, // C
    5,  4, 9, 1, 1, 1, 2, 1, 1, 1, 9,  4, 5, // D
    4,  2, 3, 1, 2, 3, 3, 3, 2, 1, 3,  2, 4, // E
    3,  8, 1, 1, 3, 1, 1, 1, 3, 1, 1,  8, 3, // F
    2,  2, 2, 2, 3, 1, 0, 1, 3, 2, 2,  2, 2, // G
    3,  8, 1, 1, 3, 1, 1, 1, 3, 1, 1,  8, 3, // H
    4,  2, 3, 1, 2, 3, 3, 3, 2, 1, 3,  2, 4, // I
    5,  4, 9, 1, 1, 1, 2, 1, 1, 1, 9,  4, 5, // J
    2,  5, 4, 9, 3, 1, 2, 1, 3, 9, 4,  5, 2, // K
    6, 10, 5, 4, 8, 8, 2, 8, 8, 4, 5, 10, 6, // L
    7,  6, 2, 5, 4, 3, 2, 3, 4, 5, 2,  6, 7, // M
};
// clang-format on

const std::array<const char *, 11> kSquareNames = {"de départ",
                                                   "rouge",
                                                   "jaune",
                                                   "bleue",
                                                   "verte",
                                                   "orange",
                                                   "grise",
                                                   "pourpre",
                                                   "rose",
                                                   "blanche (mot compte double)",
                                                   "noire (mot compte triple)"};

// The letter set in the order the bag is filled.
const std::array<std::pair<char, int>, 26> kLetterCounts = {{
    {'E', 13}, {'S', 9}, {'A', 8}, {'I', 8}, {'R', 7}, {'N', 6}, {'T', 6}, {'O', 5}, {'L', 4},
    {'U', 3},  {'C', 3}, {'M', 2}, {'P', 2}, {'D', 3}, {'G', 2}, {'B', 2}, {'F', 2}, {'H', 2},
    {'Z', 1},  {'V', 2}, {'Q', 1}, {'Y', 1}, {'X', 1}, {'J', 1}, {'K', 1}, {'W', 1},
}};

// Colour code of each letter A..Z.
// clang-format off
constexpr std::array<int, 26> kLetterCodes = {
//  A  B  C  D  E  F  G  H  I  J  K  L  M
    1, 4, 3, 4, 1, 5, 4, 5, 1, 7, 8, 2, 3,
//  N  O  P  Q  R  S  T  U  V  W  X  Y  Z
    1, 2, 3, 6, 1, 1, 1, 2, 6, 8, 7, 6, 5};
// clang-format on

constexpr std::array<Rgb, 9> kTileColours = {{
    {255, 255, 255}, // joker
    {255, 0, 0},
    {255, 255, 0},
    {0, 0, 255},
    {0, 128, 0},
    {255, 128, 0},
    {128, 128, 128},
    {128, 0, 128},
    {255, 110, 199},
}};

} // namespace

const std::vector<int> &SquareCodes()
{
    return kLayout;
}

int SquareCode(int col, int row)
{
    if (col < 1 || col > kBoardSize || row < 1 || row > kBoardSize)
        return -1;
    return kLayout[std::size_t((row - 1) * kBoardSize + (col - 1))];
}

const char *SquareName(int code)
{
    if (code < 0 || code >= int(kSquareNames.size()))
        return "";
    return kSquareNames[std::size_t(code)];
}

int ColourCode(char letter)
{
    if (!scrabble::IsUpperLetter(letter))
        return 0;
    return kLetterCodes[std::size_t(letter - 'A')];
}

const std::string &BagLetters()
{
    static const std::string letters = [] {
        std::string all;
        for (const auto &[letter, count] : kLetterCounts)
            all.append(std::size_t(count), letter);
        return all;
    }();
    return letters;
}

const scrabble::TileSet &WordyTileSet()
{
    static const scrabble::TileSet set{BagLetters(), kJokerCount};
    return set;
}

Rgb TileColour(int code)
{
    if (code < 1 || code > kLetterColours)
        return kTileColours[0];
    return kTileColours[std::size_t(code)];
}

} // namespace wordy
