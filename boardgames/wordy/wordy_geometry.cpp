// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardgames/wordy/wordy_geometry.h"

#include <algorithm>

namespace wordy_ui {

namespace {
bool Between(int value, int low, int high)
{
    return value >= low && value <= high;
}
} // namespace

const Geometry &Geometry::Instance()
{
    static const Geometry geometry;
    return geometry;
}

std::optional<SquarePos> Geometry::DropSquare(int x, int y) const
{
    if (!Between(x, 282, 761) || !Between(y, 28, 508))
        return std::nullopt;
    return SquarePos{std::clamp((x - 282) / 37 + 1, 1, 13), std::clamp((y - 27) / 37 + 1, 1, 13)};
}

// The bag area and the band above it down to below the fourth rack: a tile
// dropped on its owner's rack changes slot, never goes to the exchange.
bool Geometry::InExchangeArea(int x, int y) const
{
    return Between(x, 5, 240) && Between(y, 340, 510);
}

std::optional<int> Geometry::RackDropSlot(int x, int y, int owner, int rackSize) const
{
    if (x + 30 < 5 || x >= 210 || !Between(y + 30, 90 * owner - 78, 90 * owner - 20))
        return std::nullopt;
    return std::clamp((x + 25) / 32, 1, rackSize);
}

PanelParts Geometry::Panel(int player) const
{
    PanelParts parts;
    parts.frame = {5, 90 * player - 78, 241, 90 * player + 8};
    const int top = parts.frame.Top;
    parts.barY = top + 65;
    parts.separator1 = 80;
    parts.separator2 = 120;
    const int textTop = parts.barY + 2;
    const int textBottom = parts.frame.Bottom - 1;
    parts.name = {7, textTop, 78, textBottom};
    parts.score = {82, textTop, 120, textBottom};
    parts.time = {152, textTop, 240, textBottom};
    parts.lastMove = {12, top + 38, 238, top + 54};
    return parts;
}

} // namespace wordy_ui
