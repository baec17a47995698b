// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The classic Scrabble window's surface (750 x 512): the board picture at
// (13, 13) with 30-pixel squares, square (col, row) at (30 col + 1,
// 30 row + 1); the player panels, racks and bag area on the right.
#include "scrabble/geometry/board_game_geometry.h"

namespace scrabble_ui {

class ClassicGeometry : public BoardGameGeometry {
public:
    ClassicGeometry() : BoardGameGeometry(15) {}

    PixelPoint SurfaceSize() const override { return {750, 512}; }
    TileRect BoardPicture() const override { return {13, 13, 13 + 486, 13 + 486}; }
    TileRect SquareTile(int col, int row) const override { return TileAt(30 * col + 1, 30 * row + 1); }
    std::optional<SquarePos> HoverSquare(int x, int y) const override;
    std::optional<SquarePos> DropSquare(int x, int y) const override;
    bool InExchangeArea(int x, int y) const override;
    std::optional<int> RackDropSlot(int x, int y, int owner, int rackSize) const override;
    TileRect RackTile(int owner, int slot) const override { return TileAt(480 + 32 * slot, 90 * owner - 75); }
    TileRect ExchangeTile(int slot) const override { return TileAt(480 + 32 * slot, 375); }
    TileRect BagArea() const override { return {505, 372, 741, 501}; }
    TileRect BagTileSpan() const override { return {506, 373, 709, 469}; }
    TileRect RacksArea() const override { return {505, 12, 741, 367}; }
    PanelColumns Columns() const override { return {505, 740, 580, 620, 506, 577, 581, 623, 512, 36}; }
    PixelPoint InputPanelAt(int player) const override { return {512, 90 * player - 45}; }

    static const ClassicGeometry &Instance();
};

} // namespace scrabble_ui
