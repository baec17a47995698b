// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The look of the Scrabble boards and tiles, shared by the Scrabble windows:
// the board picture (squares of 30 pixels in the premium colours, with the
// column numbers and row letters around them) and the drawing of one tile.
#include <QColor>
#include <QImage>
#include <QRect>

#include "scrabble/engine/board_layout.h"

class QPainter;

namespace scrabble_ui {

inline constexpr int kSquare = 30;
// The margin of the board picture around the squares (labels).
inline constexpr int kBoardMargin = 18;

QColor PremiumColour(scrabble::Premium premium);

// The board picture: size x 30 squares with a margin of 18 pixels on each
// side (486 x 486 for the classic board). Square (col, row) has its top-left
// corner at (18 + 30 (col - 1), 18 + 30 (row - 1)).
QImage BoardPicture(const scrabble::BoardLayout &layout = scrabble::BoardLayout::Classic());

struct TileLook {
    bool grey = false;      // a rack of a player who is not to play
    bool selected = false;  // framed in black
    bool underline = false; // the blinking double underline of a selected joker
};

// One tile in its 30 x 30 rectangle: letter (a joker's in green in a rounded
// frame, '*' while it has none) and face value at the bottom right (not for
// jokers).
void DrawTile(QPainter &painter, const QRect &rect, char letter, int value, bool joker,
              const TileLook &look = {});

} // namespace scrabble_ui
