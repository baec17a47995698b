// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/geometry/classic_geometry.h"

#include <algorithm>

namespace scrabble_ui {

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

} // namespace scrabble_ui
