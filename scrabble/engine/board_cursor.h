// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cursor of a board the user types letters on (the Duplicate board, the
// problems board): the keys that move it and where they take it.
#include <optional>

#include "scrabble/engine/grid.h"

namespace scrabble {

enum class CursorKey { Left, Right, Up, Down, Home, End, PageUp, PageDown };

// Home and End go to the first and the last square whether a cursor is set
// or not; the other keys move a cursor that is set, within 1..size, Page Up
// and Page Down to the first and the last row.
std::optional<SquarePos> MovedCursor(std::optional<SquarePos> cursor, CursorKey key, int size);

} // namespace scrabble
