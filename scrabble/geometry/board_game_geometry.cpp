// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/geometry/board_game_geometry.h"

#include "scrabble/engine/random.h"

namespace scrabble_ui {

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
        return SquareTile(tile.Col, tile.Row);
    }
}

} // namespace scrabble_ui
