// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The checks every word placement goes through, whatever holds the letters
// (the classic game's rack tiles, Duplicate's draw string): taking a letter
// from a set, the starting square, the contact with played squares, and the
// words a placement forms with their dictionary lookup.
#include <string>
#include <string_view>
#include <vector>

#include "scrabble/engine/board_layout.h"
#include "scrabble/engine/grid.h"

class TDictionnaire;

namespace scrabble {

// Index of the character of `letters` that supplies `letter`: the first one
// not yet taken that is the same letter, else the first joker ('*') not yet
// taken; -1 when there is none. taken[i] marks a character already used (or
// not usable); it may be shorter than letters (the rest counts as free).
int TakeLetter(std::string_view letters, const std::vector<bool> &taken, char letter);

// Whether one of the new squares is one of the layout's starting squares.
bool CoversCentre(const BoardLayout &layout, const std::vector<SquarePos> &newSquares);

// Whether one of the new squares has a played neighbour on one of its four sides.
bool TouchesPlayed(const Grid &played, const std::vector<SquarePos> &newSquares);

// Whether a placement joins the played tiles of `played`: it reuses a
// played letter (extending a word or crossing it), or one of the tiles it
// lays forms a perpendicular word of two letters or more.
bool Connected(const Grid &played, int col, int row, char dir, const std::string &word);

// The words a placement forms on the played squares of `played`: the main
// word laid from (col, row) in direction dir (when it has two letters or
// more), then, for each of its squares where it lays a tile, in word order, the
// perpendicular word through it when it has two letters or more.
std::vector<std::string> WordsFormed(const Grid &played, int col, int row, char dir, const std::string &word);

// The words missing from the dictionary (looked up in upper case), in order;
// none without a dictionary.
std::vector<std::string> MissingWords(const TDictionnaire *dictionary, const std::vector<std::string> &words);

} // namespace scrabble
