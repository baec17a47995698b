// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lines of the text report that every Scrabble game shares: the picture
// of the board and the line of a move in the history.
#include <string>
#include <vector>

#include "scrabble/engine/grid.h"

namespace scrabble {

// An empty line, then the board in size + 3 lines: a rule of underscores,
// one line per row ("  A  |C|A|-|...|"), the rule again and the last digit
// of every column number. A square shows its letter when it holds a tile.
std::vector<std::string> BoardPictureLines(const Grid &grid);

// "12 " + the player's name padded or cut to 20 characters + " " + the move text.
std::string HistoryReportLine(int number, std::string name, const std::string &moveText);

} // namespace scrabble
