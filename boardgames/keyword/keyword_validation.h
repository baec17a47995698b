// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The check of a KeyWord turn before its words are looked up. Words are laid
// only by dragging tiles onto the board, so the move is read from the tiles
// laid this turn: its direction, its start and its whole word through the
// tiles already played. The first move lays at least 3 tiles and fills one
// arm of the central cross; every later move touches the played words.
#include <string>
#include <vector>

#include "scrabble/engine/grid.h"

namespace keyword {

// A tile laid this turn: its square and its letter, upper case for a letter
// tile, lower case for a joker given a letter, '*' for a joker without one.
struct LaidTile {
    int col = 0;
    int row = 0;
    char letter = 0;
};

// Outcomes of the check (the others are 0, valid, and the error codes 1 to 4).
inline constexpr int kNothingLaid = -1; // the caller asks whether to pass
inline constexpr int kFirstWordTooShort = 1;
inline constexpr int kCrossArmNotCovered = 2;
inline constexpr int kNotConnected = 3;
inline constexpr int kJokerWithoutLetter = 4;
// The laid tiles are not all part of one word: the family's message for
// tiles off the line.
inline constexpr int kNotAligned = 16;

// The central cross: its middle square J10 and its two arms of three squares.
inline constexpr int kCrossCol = 10;
inline constexpr int kCrossRow = 10;

struct LaidMove {
    int code = kNothingLaid;
    char direction = 'H';
    // Start square and word, letters of the laid tiles and of the played
    // tiles before, between and after them.
    int col = 0;
    int row = 0;
    std::string word;
    // The words to look up, the main word first, then each perpendicular
    // word of two letters or more through a laid tile.
    std::vector<std::string> words;
    // Error kJokerWithoutLetter: the joker to select.
    scrabble::SquarePos joker;
};

// Checks the tiles laid this turn on `played` (only its played squares
// count; the laid squares must be free). The first error found is kept; the
// direction, start and word are filled as soon as they are known.
LaidMove ValidateLaid(const scrabble::Grid &played, const std::vector<LaidTile> &laid, bool firstMove);

// The message of a code of ValidateLaid (code-page bytes); empty for 0,
// kNothingLaid and unknown codes.
std::string ErrorText(int code);

} // namespace keyword
