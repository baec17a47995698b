// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The KeyWord window's surface, sized from the window: the square side s is
// min(width, height) div 22 (at least 10, 26 before the first layout). The
// board's squares lie at (s col, s row); on the right, from x 20 s + s/4 to
// 31 s + s/4 + s/10, the rack panel (y s to 4 s), the players panel (from
// 4 s + s/2, a band of 2 s per player), the key-word panel and the bag area
// (y 15 s to 20 s). Tiles are s x s.
#include "scrabble/geometry/board_game_geometry.h"

namespace keyword_ui {

using scrabble_ui::PanelColumns;
using scrabble_ui::PanelParts;
using scrabble_ui::PixelPoint;
using scrabble_ui::SquarePos;
using scrabble_ui::TileRect;

class Geometry : public scrabble_ui::BoardGameGeometry {
public:
    Geometry() : BoardGameGeometry(19) {}

    int SquareSize() const { return s_; }
    static int SquareSizeFor(int width, int height);

    int TileSize() const override { return s_; }
    bool Resize(int width, int height) override;
    PixelPoint SurfaceSize() const override { return {RightEdge() + s_ / 2, 21 * s_}; }
    TileRect BoardPicture() const override { return {0, 0, 20 * s_, 20 * s_}; }
    TileRect SquareTile(int col, int row) const override { return TileAt(s_ * col, s_ * row); }
    std::optional<SquarePos> HoverSquare(int x, int y) const override { return DropSquare(x, y); }
    std::optional<SquarePos> DropSquare(int x, int y) const override;
    bool InExchangeArea(int, int) const override { return false; }
    std::optional<int> RackDropSlot(int x, int y, int owner, int rackSize) const override;
    TileRect RackTile(int owner, int slot) const override;
    TileRect ExchangeTile(int slot) const override { return RackTile(1, slot); }
    TileRect BagArea() const override { return {LeftEdge(), 15 * s_, RightEdge(), 20 * s_}; }
    TileRect BagTileSpan() const override;
    TileRect RacksArea() const override { return RackPanel(); }
    PanelColumns Columns() const override;
    PanelParts Panel(int player) const override;
    PixelPoint InputPanelAt(int player) const override;
    PixelPoint InputPanelSize() const override { return {2 * s_, s_}; }
    PixelPoint DraggedTileAt(int x, int y) const override { return {x - s_ / 2, y - s_ / 2}; }

    TileRect RackPanel() const { return {LeftEdge(), s_, RightEdge(), 4 * s_}; }
    TileRect PlayersPanel() const { return {LeftEdge(), PlayersTop(), RightEdge(), PlayersTop() + 8 * s_}; }
    // A player's band in the players panel.
    TileRect PlayerBand(int player) const;
    TileRect KeyPanel() const;
    // The line of the move being prepared, at the rack panel's bottom left.
    TileRect MoveInfoLine() const;

private:
    int LeftEdge() const { return 20 * s_ + s_ / 4; }
    int RightEdge() const { return 31 * s_ + s_ / 4 + s_ / 10; }
    int PlayersTop() const { return 4 * s_ + s_ / 2; }
    int s_ = 26;
};

} // namespace keyword_ui
