// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// KeyWord's lines of the text report, after those of the settings.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "scrabble/engine/grid.h"
#include "scrabble/engine/move.h"

namespace keyword {

// The name of a player by number (1-based).
using PlayerName = std::function<std::string(int player)>;

// An empty line, the board picture (a rule of 38 underscores, one line per
// row A to S, the rule again, the column digits), an empty line, one line
// per move ("4 Anne H 5 MOT 25 pts."), an empty line and "Ludorine".
std::vector<std::string> ReportLines(const scrabble::Grid &grid,
                                     const std::vector<std::unique_ptr<scrabble::Tcoup>> &moves,
                                     const PlayerName &playerName);

} // namespace keyword
