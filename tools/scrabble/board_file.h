// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A board as text: 15 lines of 15 characters, '.' for an empty square,
// 'A'-'Z' for a played tile, 'a'-'z' for a played joker.
#include <optional>
#include <string>

#include "scrabble/engine/grid.h"

namespace scrabble_tool {

// nullopt with `error` set when the text is not such a board.
std::optional<scrabble::Grid> ParseBoard(const std::string &text, int size, std::string &error);
std::optional<scrabble::Grid> ReadBoardFile(const std::string &path, int size, std::string &error);

} // namespace scrabble_tool
