// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The look of the Scrabble boards and tiles, shared by the Scrabble windows:
// the board picture (squares in the premium colours, with the column numbers
// and row letters around them) and the drawing of one tile. A geometry object
// says where every square lies; a style says how the picture is coloured and
// labelled. The classic window uses 30-pixel squares in an 18-pixel margin;
// the Duplicate board is drawn at whatever size its window has.
#include <array>
#include <optional>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

#include "scrabble/engine/board_layout.h"

class QPainter;

namespace scrabble_ui {

inline constexpr int kSquare = 30;
// The margin of the classic board picture around the squares (labels).
inline constexpr int kBoardMargin = 18;

// Where the squares of a board picture lie: the side of a square, the
// top-left corner of square (1, 1) and the number of squares on a side.
// The labels sit in the band before the squares: column numbers in the
// band above (origin y high), row letters in the band to the left (origin x
// wide).
class BoardGeometry {
public:
    BoardGeometry(int squareSize, QPoint origin, int squares = 15);

    // The classic picture: 30-pixel squares after an 18-pixel margin.
    static BoardGeometry Classic(int squares = 15);
    // A board filling an area: the square size is min(width, height) / 17,
    // at least 5; row 0 and column 0 hold the labels, so square (col, row)
    // occupies [col x size, (col + 1) x size) on both axes.
    static BoardGeometry Fitting(QSize area, int squares = 15);

    int SquareSize() const { return size_; }
    QPoint Origin() const { return origin_; }
    int Squares() const { return squares_; }

    // Square (col, row), 1-based.
    QRect SquareRect(int col, int row) const;
    // The squares together.
    QRect BoardRect() const;
    // Where the number of column col and the letter of row row are written.
    QRect ColumnLabelRect(int col) const;
    QRect RowLabelRect(int row) const;
    // The square under a point as (col, row), each 1..squares; none off the
    // squares (the labels included).
    std::optional<QPoint> SquareAt(QPoint point) const;

    bool operator==(const BoardGeometry &) const = default;

private:
    int size_;
    QPoint origin_;
    int squares_;
};

// Colours and labelling of a board picture.
struct BoardStyle {
    QColor background;                  // the label bands
    QColor labelInk;                    // column numbers and row letters
    QColor grid;                        // the lines between squares
    std::array<QColor, 5> premiums;     // indexed by scrabble::Premium
    bool labelsOnAllSides = false;      // repeated below and to the right, in a margin as wide
    bool premiumTexts = false;          // "M×3"... on the squares and a star on the centre
    bool labelsOnlyWhenTheyFit = false; // dropped when "15" does not fit in a square
    int labelPixels = 12;               // 0: scaled to the square size
    bool labelBold = true;
    QString labelFamily = QStringLiteral("DejaVu Sans");

    // The classic window's board.
    static BoardStyle Classic();
    // The Duplicate board: white labels on RGB(0,50,57), word triple red,
    // word double RGB(254,180,180), letter triple blue, letter double
    // RGB(160,255,255), plain squares white.
    static BoardStyle Duplicate();

    QColor PremiumColour(scrabble::Premium premium) const { return premiums[std::size_t(premium)]; }
};

QColor PremiumColour(scrabble::Premium premium);

// The classic board picture: size x 30 squares with a margin of 18 pixels
// on each side (486 x 486 for the classic board). Square (col, row) has its
// top-left corner at (18 + 30 (col - 1), 18 + 30 (row - 1)).
QImage BoardPicture(const scrabble::BoardLayout &layout = scrabble::BoardLayout::Classic());

// A board picture of any geometry and style. It is as wide as the label band
// and the squares, plus the band again when the labels are on all sides, or
// plus one pixel for the last grid line otherwise.
QImage BoardPicture(const BoardGeometry &geometry, const BoardStyle &style,
                    const scrabble::BoardLayout &layout = scrabble::BoardLayout::Classic());
QSize BoardPictureSize(const BoardGeometry &geometry, const BoardStyle &style);
// Whether the labels of a style are written at this square size.
bool LabelsFit(const BoardGeometry &geometry, const BoardStyle &style);

// A font of the board pictures and tiles, sized in pixels and antialiased.
QFont PixelFont(int pixels, bool bold, const QString &family = QStringLiteral("DejaVu Sans"));

struct TileLook {
    bool grey = false;      // a rack of a player who is not to play
    bool selected = false;  // framed in black
    bool underline = false; // the blinking double underline of a selected joker
    bool proposal = false;  // a letter proposed, not played: dark red ink
};

// The face of a flat bevelled tile: filled with `face`, light along the top
// and left, a dark edge and a softer line inside it along the bottom and
// right. The KeyWord and TopWord tiles.
struct TileFaceColours {
    QColor face;
    QColor dark;
    QColor mid;
    QColor light;

    // RGB(255,206,148) with bevels RGB(99,74,57), RGB(206,189,140), RGB(247,239,222).
    static TileFaceColours Wooden();
};
void DrawBevelledFace(QPainter &painter, const QRect &rect, const TileFaceColours &colours);

// One tile in its rectangle (30 x 30 on the classic window; the fonts and
// marks scale with smaller or larger squares): letter (a joker's in green in
// a rounded frame, '*' while it has none) and face value at the bottom right
// (not for jokers, nor on squares too small to read it).
void DrawTile(QPainter &painter, const QRect &rect, char letter, int value, bool joker,
              const TileLook &look = {});

} // namespace scrabble_ui
