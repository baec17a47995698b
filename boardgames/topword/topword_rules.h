// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TopWord's rules for the board-game family: a board of 10 x 10 or 8 x 8
// squares whose four central squares take the first word, stacks of at most
// five tiles (a letter covers another, never its own), the 113 tiles
// without joker and without value, racks of 7, the scoring by stack heights
// with its bonus letters, and -5 a tile left at the end.
#include <string>

#include "scrabble/engine/board_layout.h"
#include "scrabble/engine/game_rules.h"

namespace topword {

inline constexpr int kLargeBoard = 10;
inline constexpr int kSmallBoard = 8;
inline constexpr int kMaxStackHeight = 5;
// Letters worth kBonusPoints each time one is laid.
inline constexpr const char *kBonusLetters = "JKQWXYZ";
inline constexpr int kBonusPoints = 2;
inline constexpr int kAllTilesBonus = 10;
inline constexpr int kPenaltyPerTile = 5;

bool IsBonusLetter(char letter);

// The board of a size (10, or 8 for any other value): square code 1 on the
// four central squares, 0 elsewhere.
const scrabble::BoardLayout &Layout(int size);
const scrabble::GameRules &Rules(int size);
// The size a rules object stands for (10 or 8).
int BoardSizeOf(const scrabble::GameRules &rules);

// The 113 letters in the order the bag is filled: E 15, S 9, A 9... X 11.
scrabble::TileSet TopWordTileSet();

// After "E 5" in the status bar: a space.
std::string SquareText(const scrabble::BoardLayout &layout, int col, int row);

} // namespace topword
