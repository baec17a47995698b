// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The look of KeyWord: the board picture at any square size (the coloured
// quarters, the key squares with the key picture over them, the central
// cross printed C L E both ways, the labels around), the tile face, the
// players' colours, the bag area and the picture of the key word.
#include <QColor>
#include <QImage>
#include <QRect>
#include <string>

#include "scrabble/windows/board_painter.h"

class QPainter;

namespace keyword_ui {

// The squares of the board for square size s: square (col, row) at
// (s col, s row), the column numbers in the band above and the row letters in
// the band to the left.
scrabble_ui::BoardGeometry BoardGeometry(int s);

// The colour a square kind is painted in: red, blue, yellow, green for the
// quarters and their key squares, grey for the cross, light grey for the
// neutral centre.
QColor SquareColour(int kind);
// The band around the squares, behind the labels.
QColor BandColour();
// The ink of the C, L, E printed on the cross.
QColor CrossInk();

// Whether the labels (white bold 8) fit in bands of s pixels, with room
// between the numbers of neighbouring columns.
bool LabelsFit(int s);

// The board as drawn on the game surface from (s, s): 20 s x 20 s pixels with
// square (col, row) at (s col, s row). keyPicture is stretched over every key
// square and combined with a bitwise AND, so that its white stays the
// square's colour and its dark parts darken it; a null picture leaves the key
// squares plain.
QImage BoardPicture(int s, const QImage &keyPicture);

// A player's colour (1 red, 2 blue, 3 yellow, 4 green) and the colour of the
// texts written on it (cyan, yellow, pink, blue). Grey and black for any
// other number.
QColor PlayerColour(int colour);
QColor PlayerTextColour(int colour);

// The point size of a tile's letter: 14, made 2 points smaller while the
// letter does not fit within side - 1 pixels and the size is above 5.
int LetterPointSize(int side, char letter);
// The pixel size drawn for a point size (at 96 dots per inch).
int PointsToPixels(int points);

// One KeyWord tile filling rect: the face, its bevel, a black frame when
// look.selected, and the letter centred: blue for a letter tile (in upper
// case), green for a joker (its letter as given, lower case once chosen, '*'
// while it has none); a selected joker's letter is written in
// the highlight colours, double underlined when look.underline (the caller
// blinks it). A letter 0 draws the face alone (a tile in the bag).
// Call it qualified: through TileLook, argument-dependent lookup also finds
// scrabble_ui::DrawTile.
void DrawTile(QPainter &painter, const QRect &rect, char letter, bool joker,
              const scrabble_ui::TileLook &look = {});

// The bag area: hatched light green.
void DrawBagArea(QPainter &painter, const QRect &rect);
QColor BagBackground();
QColor BagHatch();

// The key word as a picture 30 pixels high and 30 per letter, on the tooltip
// background, each letter copied from its 30 x 30 cell of the letter strip
// (A at x 0, B at x 30, ...). Lower-case letters are drawn as upper case;
// anything else leaves its cell empty.
inline constexpr int kLetterCell = 30;
QImage KeyWordPicture(const std::string &word, const QImage &letterStrip);

} // namespace keyword_ui
