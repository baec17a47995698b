// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardgames/keyword/keyword_geometry.h"

#include <algorithm>

namespace keyword_ui {

int Geometry::SquareSizeFor(int width, int height)
{
    return std::max(10, std::min(width, height) / 22);
}

bool Geometry::Resize(int width, int height)
{
    const int s = SquareSizeFor(width, height);
    if (s == s_)
        return false;
    s_ = s;
    return true;
}

std::optional<SquarePos> Geometry::DropSquare(int x, int y) const
{
    if (x <= s_ || x > 20 * s_ || y <= s_ || y > 20 * s_)
        return std::nullopt;
    return SquarePos{std::clamp((x - s_) / s_ + 1, 1, 19), std::clamp((y - s_) / s_ + 1, 1, 19)};
}

// Slots follow one another every s + s/10 pixels from the panel's left
// edge plus s/10; a drop anywhere in the panel goes to the slot under it.
std::optional<int> Geometry::RackDropSlot(int x, int y, int, int rackSize) const
{
    if (!Inside(RackPanel(), x, y))
        return std::nullopt;
    return std::clamp((x - LeftEdge() - s_ / 10) / (s_ + s_ / 10) + 1, 1, rackSize);
}

TileRect Geometry::RackTile(int, int slot) const
{
    return TileAt(LeftEdge() + s_ / 10 + (s_ + s_ / 10) * (slot - 1), s_ + s_ / 5);
}

TileRect Geometry::BagTileSpan() const
{
    const TileRect bag = BagArea();
    return {bag.Left + 1, bag.Top + 1, std::max(bag.Left + 2, bag.Right - s_),
            std::max(bag.Top + 2, bag.Bottom - s_)};
}

TileRect Geometry::PlayerBand(int player) const
{
    const int top = PlayersTop() + 2 * s_ * (player - 1);
    return {LeftEdge(), top, RightEdge(), top + 2 * s_};
}

TileRect Geometry::KeyPanel() const
{
    return {LeftEdge(), PlayersPanel().Bottom + s_ / 2, RightEdge(), 15 * s_ - s_ / 2};
}

TileRect Geometry::MoveInfoLine() const
{
    const TileRect rack = RackPanel();
    return {rack.Left + s_ / 8, rack.Bottom - s_ - s_ / 8, rack.Right - 2 * s_ - s_ / 4,
            rack.Bottom - s_ / 8};
}

PanelColumns Geometry::Columns() const
{
    return {LeftEdge(), RightEdge() - 1, LeftEdge(), LeftEdge(), LeftEdge(),
            LeftEdge(), LeftEdge(),      LeftEdge(), LeftEdge(), 0};
}

PanelParts Geometry::Panel(int player) const
{
    PanelParts parts;
    parts.frame = PlayerBand(player);
    parts.barY = parts.frame.Top;
    parts.name = parts.score = parts.time = parts.lastMove = parts.frame;
    return parts;
}

PixelPoint Geometry::InputPanelAt(int) const
{
    const TileRect rack = RackPanel();
    const PixelPoint size = InputPanelSize();
    return {rack.Right - s_ / 8 - size.x, rack.Bottom - s_ / 8 - size.y};
}

} // namespace keyword_ui
