// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/geometry/classic_geometry.h"

#include <algorithm>

namespace scrabble_ui {

namespace {
bool Between(int value, int low, int high)
{
    return value >= low && value <= high;
}
} // namespace

const ClassicGeometry &ClassicGeometry::Instance()
{
    static const ClassicGeometry geometry;
    return geometry;
}

std::optional<SquarePos> ClassicGeometry::HoverSquare(int x, int y) const
{
    if (!Between(x, 31, 481) || !Between(y, 31, 481))
        return std::nullopt;
    return SquarePos{std::clamp((x - 31) / 30 + 1, 1, 15), std::clamp((y - 31) / 30 + 1, 1, 15)};
}

// The drop rules read the corner of a tile held by its bottom-right corner:
// 30 pixels up and left of the pointer.
std::optional<SquarePos> ClassicGeometry::DropSquare(int x, int y) const
{
    x -= 30;
    y -= 30;
    if (!Between(x, 1, 450) || !Between(y, 1, 450))
        return std::nullopt;
    return SquarePos{std::clamp(x / 30 + 1, 1, 15), std::clamp(y / 30 + 1, 1, 15)};
}

bool ClassicGeometry::InExchangeArea(int x, int y) const
{
    return Between(x - 30, 495, 700) && Between(y - 30, 362, 460);
}

std::optional<int> ClassicGeometry::RackDropSlot(int x, int y, int owner, int rackSize) const
{
    if (!Between(x, 480, 740) || !Between(y, 90 * owner - 75, 90 * owner - 43))
        return std::nullopt;
    return std::clamp((x - 480) / 32, 1, rackSize);
}

PanelParts ClassicGeometry::Panel(int player) const
{
    PanelParts parts;
    // x 505 to 740, y 90 p - 78 to 90 p + 7, both edges included.
    parts.frame = {505, 90 * player - 78, 741, 90 * player + 8};
    const int top = parts.frame.Top;
    parts.barY = top + 65;
    parts.separator1 = 580;
    parts.separator2 = 620;
    const int textTop = parts.barY + 2;
    const int textBottom = parts.frame.Bottom - 1;
    parts.name = {506, textTop, 577, textBottom};
    parts.score = {581, textTop, 620, textBottom};
    parts.time = {623, textTop, 740, textBottom};
    parts.lastMove = {512, top + 36, 738, top + 52};
    return parts;
}

} // namespace scrabble_ui
