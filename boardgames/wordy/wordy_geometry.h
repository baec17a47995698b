// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Wordy window's surface (785 x 530): the player panels, racks and bag
// area on the left, the board picture at (260, 5) with 37-pixel squares,
// square (col, row) from (281 + 37 (col - 1), 26 + 37 (row - 1)).
#include "scrabble/geometry/board_game_geometry.h"

namespace wordy_ui {

using scrabble_ui::PanelColumns;
using scrabble_ui::PixelPoint;
using scrabble_ui::SquarePos;
using scrabble_ui::TileRect;

class Geometry : public scrabble_ui::BoardGameGeometry {
public:
    Geometry() : BoardGameGeometry(13) {}

    PixelPoint SurfaceSize() const override { return {785, 530}; }
    TileRect BoardPicture() const override { return {260, 5, 780, 525}; }
    TileRect SquareTile(int col, int row) const override { return TileAt(37 * col + 244, 37 * row - 11); }
    std::optional<SquarePos> HoverSquare(int x, int y) const override { return DropSquare(x, y); }
    std::optional<SquarePos> DropSquare(int x, int y) const override;
    bool InExchangeArea(int x, int y) const override;
    std::optional<int> RackDropSlot(int x, int y, int owner, int rackSize) const override;
    TileRect RackTile(int owner, int slot) const override { return TileAt(32 * slot - 20, 90 * owner - 75); }
    TileRect ExchangeTile(int slot) const override { return TileAt(32 * slot - 20, 375); }
    TileRect BagArea() const override { return {5, 372, 241, 501}; }
    TileRect BagTileSpan() const override { return {6, 373, 209, 469}; }
    TileRect RacksArea() const override { return {5, 12, 241, 367}; }
    PanelColumns Columns() const override { return {5, 240, 80, 120, 7, 78, 82, 152, 12, 38}; }
    PixelPoint InputPanelAt(int player) const override { return {12, 90 * player - 45}; }

    static const Geometry &Instance();
};

} // namespace wordy_ui
