// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The look of TopWord: the board picture (the squares in their gradients,
// pink for the four central ones, in a dark teal frame with the column
// numbers above and the row letters to the left) and the face of a tile
// (its letter blue, red for a bonus letter; grey on the rack of a player
// not to play; no letter in the bag).
#include <QImage>
#include <QRect>

#include "scrabble/engine/board_layout.h"
#include "scrabble/windows/board_painter.h"

class QPainter;

namespace topword_ui {

class Geometry;

// The board area of the surface (Geometry::BoardPicture) as a picture.
QImage BoardPicture(const Geometry &geometry, const scrabble::BoardLayout &layout);

// letter 0: a tile in the bag, no letter shown.
void DrawTile(QPainter &painter, const QRect &rect, char letter, const scrabble_ui::TileLook &look);

} // namespace topword_ui
