// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/engine/board_cursor.h"

#include <algorithm>

namespace scrabble {

std::optional<SquarePos> MovedCursor(std::optional<SquarePos> cursor, CursorKey key, int size)
{
    if (key == CursorKey::Home)
        return SquarePos{1, 1};
    if (key == CursorKey::End)
        return SquarePos{size, size};
    if (!cursor)
        return cursor;
    SquarePos c = *cursor;
    switch (key) {
    case CursorKey::Left:
        c.col = std::max(1, c.col - 1);
        break;
    case CursorKey::Right:
        c.col = std::min(size, c.col + 1);
        break;
    case CursorKey::Up:
        c.row = std::max(1, c.row - 1);
        break;
    case CursorKey::Down:
        c.row = std::min(size, c.row + 1);
        break;
    case CursorKey::PageUp:
        c.row = 1;
        break;
    case CursorKey::PageDown:
        c.row = size;
        break;
    default:
        break;
    }
    return c;
}

} // namespace scrabble
