// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/geometry/board_game_geometry.h"

#include "scrabble/engine/random.h"

namespace scrabble_ui {

PanelParts BoardGameGeometry::Panel(int player) const
{
    const PanelColumns c = Columns();
    PanelParts parts;
    const int top = PanelTop(player);
    parts.frame = {c.left, top, c.right + 1, top + PanelHeight()};
    parts.barY = top + BarDown();
    parts.separator1 = c.separator1;
    parts.separator2 = c.separator2;
    const int textTop = parts.barY + 2;
    const int textBottom = parts.frame.Bottom - 1;
    parts.name = {c.nameLeft, textTop, c.nameRight, textBottom};
    parts.score = {c.scoreLeft, textTop, c.separator2, textBottom};
    parts.time = {c.timeLeft, textTop, c.right, textBottom};
    parts.lastMove = {c.lastMoveLeft, top + c.lastMoveDown, c.lastMoveLeft + 226, top + c.lastMoveDown + 16};
    return parts;
}

TileRect BoardGameGeometry::PositionFor(const scrabble::TJeton &tile, scrabble::Random &random) const
{
    switch (tile.State) {
    case scrabble::InBag: {
        const TileRect span = BagTileSpan();
        const int x = span.Left + random.Below(span.Right - span.Left);
        const int y = span.Top + random.Below(span.Bottom - span.Top);
        return TileAt(x, y);
    }
    case scrabble::OnRack:
        return RackTile(tile.Owner, tile.Slot);
    case scrabble::InExchange:
        return ExchangeTile(tile.Slot);
    default:
        return StackedTile(tile.Col, tile.Row, tile.StackHeight, tile.StackLevel);
    }
}

} // namespace scrabble_ui
