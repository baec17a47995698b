// SPDX-License-Identifier: GPL-3.0-or-later
// The classic window's geometry: where each tile goes for its state, and
// the drop areas in the order the drop rules test them.
#include <gtest/gtest.h>

#include "scrabble/engine/random.h"
#include "scrabble/engine/tile.h"
#include "scrabble/geometry/classic_geometry.h"

using scrabble_ui::ClassicGeometry;
using scrabble_ui::SquarePos;

TEST(ClassicGeometry, TilePlacesByState)
{
    const ClassicGeometry &g = ClassicGeometry::Instance();
    scrabble::Random random(3);
    scrabble::TJeton tile('A');
    tile.Owner = 2;
    tile.Slot = 3;
    tile.State = scrabble::OnRack;
    EXPECT_EQ(g.PositionFor(tile, random), (scrabble::TileRect{576, 105, 606, 135}));
    tile.State = scrabble::InExchange;
    EXPECT_EQ(g.PositionFor(tile, random).Top, 375);
    tile.State = scrabble::Fixed;
    tile.Col = 8;
    tile.Row = 8;
    EXPECT_EQ(g.PositionFor(tile, random), (scrabble::TileRect{241, 241, 271, 271}));
    // In the bag: anywhere in the bag area, the whole tile inside it.
    tile.State = scrabble::InBag;
    for (int i = 0; i < 200; ++i) {
        const scrabble::TileRect r = g.PositionFor(tile, random);
        EXPECT_GE(r.Left, g.BagArea().Left);
        EXPECT_LE(r.Right, g.BagArea().Right);
        EXPECT_GE(r.Top, g.BagArea().Top);
        EXPECT_LE(r.Bottom, g.BagArea().Bottom);
    }
}

TEST(ClassicGeometry, DropAreasAndSquares)
{
    const ClassicGeometry &g = ClassicGeometry::Instance();
    // A square's centre is that square, for hovering and for dropping.
    for (int col = 1; col <= 15; col += 7)
        for (int row = 1; row <= 15; row += 7) {
            const auto centre = g.SquareCentre(col, row);
            EXPECT_EQ(g.HoverSquare(centre.x, centre.y), (SquarePos{col, row}));
            EXPECT_EQ(g.DropSquare(centre.x, centre.y), (SquarePos{col, row}));
        }
    EXPECT_FALSE(g.DropSquare(20, 20).has_value());
    EXPECT_FALSE(g.HoverSquare(490, 200).has_value());
    // A rack slot's centre is that slot of its owner's rack only.
    for (int slot = 1; slot <= 7; ++slot) {
        const auto centre = g.SlotCentre(3, slot);
        EXPECT_EQ(g.RackDropSlot(centre.x, centre.y, 3, 7), slot);
        EXPECT_FALSE(g.RackDropSlot(centre.x, centre.y, 2, 7).has_value());
        EXPECT_FALSE(g.InExchangeArea(centre.x, centre.y));
    }
    const auto bag = scrabble_ui::BoardGameGeometry::Centre(g.BagArea());
    EXPECT_TRUE(g.InExchangeArea(bag.x, bag.y));
    // Panels follow one another down the surface, each holding its rack.
    for (int p = 1; p <= 4; ++p) {
        const auto panel = g.Panel(p);
        EXPECT_EQ(panel.frame.Right - panel.frame.Left, 236);
        const auto slot = g.SlotCentre(p, 1);
        EXPECT_TRUE(scrabble_ui::BoardGameGeometry::Inside(panel.frame, slot.x, slot.y));
        if (p > 1) {
            EXPECT_GT(panel.frame.Top, g.Panel(p - 1).frame.Bottom - 2);
        }
    }
}
