// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The TopWord window's surface: the player panels and the bag on the left,
// the board on the right from (BoardLeft, BoardTop): (0, 20) for 10 x 10,
// (50, 50) for 8 x 8. Square (c, r) from (BoardLeft + 340 + 42 (c - 1),
// BoardTop + 30 + 42 (r - 1)), 37 x 37; a stack's upper tiles are drawn
// shifted right and down so that its height shows. Player p's panel spans
// y 105 p - 93 to 105 p + 7; the bag lies below the last panel.
#include "scrabble/geometry/board_game_geometry.h"

namespace topword_ui {

using scrabble_ui::PixelPoint;
using scrabble_ui::TileRect;

class Geometry : public scrabble_ui::BoardGameGeometry {
public:
    explicit Geometry(int boardSize = 10, int players = 2);

    int BoardSize() const { return Side(); }
    int BoardLeft() const { return BoardSize() == 8 ? 50 : 0; }
    int BoardTop() const { return BoardSize() == 8 ? 50 : 20; }
    int Players() const { return players_; }
    // The board size and the number of players chosen: the bag lies below
    // the last panel.
    void Set(int boardSize, int players);

    // The square's 37 x 37 rectangle.
    TileRect Square(int col, int row) const;
    // The tile's offset in a stack: twice it is taken off both coordinates.
    static int StackShift(int height, int level);

    PixelPoint SurfaceSize() const override { return {790, 520}; }
    TileRect BoardPicture() const override;
    TileRect SquareTile(int col, int row) const override { return StackedTile(col, row, 1, 1); }
    TileRect StackedTile(int col, int row, int height, int level) const override;
    std::optional<scrabble::SquarePos> HoverSquare(int x, int y) const override { return DropSquare(x, y); }
    std::optional<scrabble::SquarePos> DropSquare(int x, int y) const override;
    bool InExchangeArea(int x, int y) const override { return Inside(BagArea(), x, y); }
    std::optional<int> RackDropSlot(int x, int y, int owner, int rackSize) const override;
    TileRect RackTile(int owner, int slot) const override { return TileAt(37 * slot - 13, 105 * owner - 85); }
    TileRect ExchangeTile(int slot) const override { return TileAt(37 * slot - 20, 375); }
    TileRect BagArea() const override { return {5, 95 * players_ + 50, 290, 511}; }
    TileRect BagTileSpan() const override;
    TileRect RacksArea() const override { return {5, 12, 291, 105 * players_ + 8}; }
    scrabble_ui::PanelColumns Columns() const override
    {
        return {5, 290, 150, 215, 8, 148, 152, 218, 10, 40};
    }
    int PanelTop(int player) const override { return 105 * player - 93; }
    int PanelHeight() const override { return 101; }
    int BarDown() const override { return 80; }
    // The line before the latest in a player's panel.
    TileRect PreviousMoveLine(int player) const;
    PixelPoint InputPanelAt(int player) const override { return {10, 105 * player - 40}; }

private:
    int players_;
};

} // namespace topword_ui
