// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The geometry of a board-game window: every pixel position of its game
// surface (board picture and squares, racks, player panels, bag and
// exchange areas, the input panel) and the drop rules' areas. Drawing,
// hit-testing, printing and tests all ask it; the game asks it where each
// tile goes. Rectangles are scrabble::TileRect: Right and Bottom excluded.
#include <optional>

#include "scrabble/engine/grid.h"
#include "scrabble/engine/tile.h"

namespace scrabble_ui {

using scrabble::SquarePos;
using scrabble::TileRect;

struct PixelPoint {
    int x = 0;
    int y = 0;
    bool operator==(const PixelPoint &) const = default;
};

// A player's panel: its frame, the bar under the rack with its two
// separators, the boxes of the name, the score and the time in the bar, and
// the line of the last move.
struct PanelParts {
    TileRect frame;
    int barY = 0;
    int separator1 = 0;
    int separator2 = 0;
    TileRect name;
    TileRect score;
    TileRect time;
    TileRect lastMove;
};

// Where the parts of the player panels lie across the surface: the panel p
// spans these columns (and y 90 p - 78 to 90 p + 7 unless the geometry
// places it otherwise).
struct PanelColumns {
    int left = 0;
    int right = 0; // included
    int separator1 = 0;
    int separator2 = 0;
    int nameLeft = 0;
    int nameRight = 0;
    int scoreLeft = 0;
    int timeLeft = 0;
    int lastMoveLeft = 0;
    int lastMoveDown = 0; // below the panel's top
};

class BoardGameGeometry : public scrabble::TilePlaces {
public:
    explicit BoardGameGeometry(int side) : side_(side) {}

    int Side() const { return side_; }
    static constexpr int kTile = scrabble::TJeton::kSize;

    // The side of a tile.
    virtual int TileSize() const { return kTile; }
    // The window's surface has this size now: a geometry that follows it
    // recomputes its positions and says true (every tile is then placed
    // again and the board drawn again).
    virtual bool Resize(int /*width*/, int /*height*/) { return false; }
    // The drawing's size; the surface is at least this large.
    virtual PixelPoint SurfaceSize() const = 0;
    // The board picture: where it is drawn and its size (also the area printed).
    virtual TileRect BoardPicture() const = 0;
    // Where a tile lies on square (col, row).
    virtual TileRect SquareTile(int col, int row) const = 0;
    // Where a tile lies at a level of a stack of a height (level 1: the
    // top); a board without stacks draws every tile on its square.
    virtual TileRect StackedTile(int col, int row, int /*height*/, int /*level*/) const
    {
        return SquareTile(col, row);
    }
    // The square under the pointer for the status bar and the drag cursor.
    virtual std::optional<SquarePos> HoverSquare(int x, int y) const = 0;
    // The square a tile dropped with the pointer at (x, y) goes to; none off
    // the board.
    virtual std::optional<SquarePos> DropSquare(int x, int y) const = 0;
    // Whether a drop there puts the tile in the exchange area.
    virtual bool InExchangeArea(int x, int y) const = 0;
    // The slot of owner's rack a drop there goes to; none off that rack.
    virtual std::optional<int> RackDropSlot(int x, int y, int owner, int rackSize) const = 0;
    // Where a rack tile lies.
    virtual TileRect RackTile(int owner, int slot) const = 0;
    virtual TileRect ExchangeTile(int slot) const = 0;
    // The bag area, where the tiles in the bag lie at random.
    virtual TileRect BagArea() const = 0;
    virtual TileRect BagTileSpan() const = 0; // top-left corners of bag tiles
    // The area where the status bar describes the rack tiles.
    virtual TileRect RacksArea() const = 0;
    virtual PanelColumns Columns() const = 0;
    // Player p's panel: from PanelTop(p), PanelHeight() high, the bar under
    // the rack BarDown() below its top.
    virtual int PanelTop(int player) const { return 90 * player - 78; }
    virtual int PanelHeight() const { return 86; }
    virtual int BarDown() const { return 65; }
    virtual PanelParts Panel(int player) const;
    // The top-left corner of the input panel of the player to play, and its size.
    virtual PixelPoint InputPanelAt(int player) const = 0;
    virtual PixelPoint InputPanelSize() const { return {226, 26}; }
    // A dragged tile's top-left corner for the pointer at (x, y).
    virtual PixelPoint DraggedTileAt(int x, int y) const { return {x - 20, y - 20}; }

    // A tile's place for its state.
    TileRect PositionFor(const scrabble::TJeton &tile, scrabble::Random &random) const override;

    // Points a test clicks: the centre of a square's tile and of a rack slot.
    PixelPoint SquareCentre(int col, int row) const { return Centre(SquareTile(col, row)); }
    PixelPoint SlotCentre(int owner, int slot) const { return Centre(RackTile(owner, slot)); }

    static bool Inside(const TileRect &r, int x, int y)
    {
        return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
    }
    static PixelPoint Centre(const TileRect &r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }
    // A tile's rectangle at (x, y).
    TileRect TileAt(int x, int y) const { return {x, y, x + TileSize(), y + TileSize()}; }
    static bool Between(int value, int low, int high) { return value >= low && value <= high; }

protected:
    // A geometry whose board size is chosen with the game.
    void SetSide(int side) { side_ = side; }

private:
    int side_;
};

} // namespace scrabble_ui
