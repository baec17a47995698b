// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardgames/topword/topword_geometry.h"

#include <algorithm>

namespace topword_ui {

Geometry::Geometry(int boardSize, int players)
    : BoardGameGeometry(boardSize == 8 ? 8 : 10), players_(std::clamp(players, 1, 4))
{
}

void Geometry::Set(int boardSize, int players)
{
    SetSide(boardSize == 8 ? 8 : 10);
    players_ = std::clamp(players, 1, 4);
}

TileRect Geometry::Square(int col, int row) const
{
    const int left = BoardLeft() + 340 + 42 * (col - 1);
    const int top = BoardTop() + 30 + 42 * (row - 1);
    return {left, top, left + 37, top + 37};
}

int Geometry::StackShift(int height, int level)
{
    switch (height) {
    case 2:
        return level == 1 ? -1 : 0;
    case 3:
        return level == 1 ? -2 : level == 3 ? 0 : -1;
    case 4:
        return level == 1 ? -3 : level == 2 ? -2 : level == 4 ? 0 : -1;
    case 5:
        return level == 1 ? -3 : level == 2 ? -2 : level == 4 ? 0 : level == 5 ? 1 : -1;
    default:
        return -1;
    }
}

TileRect Geometry::StackedTile(int col, int row, int height, int level) const
{
    const int d = StackShift(height, level);
    return TileAt(BoardLeft() + 299 + 42 * col - 2 * d, BoardTop() - 11 + 42 * row - 2 * d);
}

TileRect Geometry::BoardPicture() const
{
    const int size = BoardSize();
    return {BoardLeft() + 312, BoardTop() + 3, BoardLeft() + 42 * size + 365, BoardTop() + 42 * size + 53};
}

std::optional<scrabble::SquarePos> Geometry::DropSquare(int x, int y) const
{
    const int size = BoardSize();
    const int left = BoardLeft() + 340;
    const int top = BoardTop() + 30;
    if (!Between(x, left, left + 42 * size) || y <= top || y > top + 42 * size)
        return std::nullopt;
    return scrabble::SquarePos{std::clamp((x - left) / 42 + 1, 1, size),
                               std::clamp((y - top) / 42 + 1, 1, size)};
}

std::optional<int> Geometry::RackDropSlot(int x, int y, int owner, int rackSize) const
{
    if (x + 30 < 6 || x + 30 >= 289 || !Between(y + 30, 105 * owner - 93, 105 * owner - 16))
        return std::nullopt;
    return std::clamp((x + 24) / 32, 1, rackSize);
}

TileRect Geometry::BagTileSpan() const
{
    const TileRect area = BagArea();
    return {area.Left + 1, area.Top + 1, std::max(area.Left + 2, area.Right - kTile - 1),
            std::max(area.Top + 2, area.Bottom - kTile - 1)};
}

TileRect Geometry::PreviousMoveLine(int player) const
{
    const TileRect latest = Panel(player).lastMove;
    return {latest.Left, latest.Bottom, latest.Right, latest.Bottom + 14};
}

} // namespace topword_ui
