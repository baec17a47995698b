// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fixed data of Wordy: the 13 x 13 board of coloured squares, the colour
// code of every letter (which is also its value), the letter set of the bag
// and the tile colours. A tile laid on a square of its own colour counts
// double; white squares double the word, black squares triple it.
// Plain C++: the rules and the windows both read it.
#include <string>
#include <vector>

#include "scrabble/engine/letters.h"

namespace wordy {

inline constexpr int kBoardSize = 13;
// The starting square G7: the first word must cover it.
inline constexpr int kStartCol = 7;
inline constexpr int kStartRow = 7;

// Square colour codes. 1..8 are the letter colours (the same codes as
// ColourCode), 9 and 10 the word multipliers.
inline constexpr int kStartSquare = 0;
inline constexpr int kRed = 1;
inline constexpr int kYellow = 2;
inline constexpr int kBlue = 3;
inline constexpr int kGreen = 4;
inline constexpr int kOrange = 5;
inline constexpr int kGrey = 6;
inline constexpr int kPurple = 7;
inline constexpr int kPink = 8;
inline constexpr int kWordDouble = 9;  // white
inline constexpr int kWordTriple = 10; // black
inline constexpr int kLetterColours = 8;

inline constexpr int kJokerCount = 4;
inline constexpr int kTileCount = 100;

// The 169 square codes, row-major: rows A..M, columns 1..13 within a row.
const std::vector<int> &SquareCodes();
// The code of square (col, row), both 1-based; -1 off the board.
int SquareCode(int col, int row);
// The French name of a square code in UTF-8 ("de départ", "rouge", ...,
// "noire (mot compte triple)"); empty for an unknown code.
const char *SquareName(int code);

// The colour code (= value) of a letter: 1..8 for the upper-case letters,
// 0 for anything else (the joker '*', a joker's lower-case letter).
int ColourCode(char letter);

// The 96 letters of the bag in the order it is filled before shuffling,
// each repeated by its count (E 13, S 9, A 8, ... W 1); the 4 jokers follow.
const std::string &BagLetters();
// The same letters as a tile set for the shared engine: the letters, the
// jokers (the values are the scoring's: ColourCode).
const scrabble::TileSet &WordyTileSet();

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb &) const = default;
};

// The colour of a tile by its colour code; white for a joker (code 0) and
// for any code outside 1..8.
Rgb TileColour(int code);

} // namespace wordy
