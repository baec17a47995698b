// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The look of Wordy: the board picture (the 13 x 13 coloured squares with
// the column numbers above and the row letters to the left) and the face of
// one coloured tile.
#include <QColor>
#include <QImage>
#include <QRect>

#include "scrabble/windows/board_painter.h"

class QPainter;

namespace wordy_ui {

// The board picture is 520 x 520 pixels; the window draws it at (260, 5).
inline constexpr int kPictureSide = 520;
inline constexpr int kPictureX = 260;
inline constexpr int kPictureY = 5;
// Squares of 37 pixels after a 21-pixel band holding the labels.
inline constexpr int kSquareSide = 37;
inline constexpr int kLabelBand = 21;
inline constexpr int kTileSide = 30;

// Square (col, row), 1-based, inside the board picture.
QRect SquareRect(int col, int row);

// The colour a square code is painted in: the tile colours for 1..8, white
// for 9, black for 10, the starting square's own background for 0.
QColor SquareColour(int code);
// The star that marks the starting square.
QColor StarColour();
// The colour of a tile by its colour code (white for a joker).
QColor TileColour(int code);

QImage BoardPicture();

// One Wordy tile in Rect (30 x 30 on the window): a rounded face shaded in
// the colour of ColourCode, the letter in the inverse colour and the value
// (the colour code) small at the bottom right. A joker is white with its
// letter, or '*' while it has none, in green inside a frame. Look.grey
// dulls the face (a rack of a player not to play), look.selected shades it
// as pressed and frames it, look.underline adds the joker's double
// underline, look.proposal shows a letter only proposed (pale, dashed edge).
// Call it qualified, wordy_ui::DrawTile: through TileLook, argument-dependent
// lookup also finds scrabble_ui::DrawTile, and an unqualified call is ambiguous.
void DrawTile(QPainter &painter, const QRect &rect, char letter, int colourCode, bool joker,
              const scrabble_ui::TileLook &look = {});

} // namespace wordy_ui
