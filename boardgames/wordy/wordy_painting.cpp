// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardgames/wordy/wordy_painting.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "boardgames/wordy/wordy_board.h"
#include "scrabble/engine/board_layout.h"

namespace wordy_ui {

namespace {

// The label band takes the colour the game surface starts its gradient with.
const QColor kBand(0, 50, 57);
const QColor kLabelInk(255, 255, 255);
const QColor kGrid(40, 40, 40);
const QColor kStartFace(255, 244, 214);
const QColor kStar(190, 20, 50);
const QColor kSilver(203, 203, 203);
const QColor kJokerInk(0, 128, 0);

using scrabble_ui::PixelFont;

void DrawStar(QPainter &painter, const QRectF &square)
{
    QPolygonF star;
    const QPointF centre = square.center();
    const double outer = square.width() * 0.40;
    const double inner = outer * 0.45;
    for (int i = 0; i < 10; ++i) {
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const double radius = i % 2 == 0 ? outer : inner;
        star << QPointF(centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle));
    }
    painter.setPen(QPen(kStar.darker(140), 1));
    painter.setBrush(kStar);
    painter.drawPolygon(star);
}

QColor Mix(const QColor &a, const QColor &b, double towardsB)
{
    const auto channel = [towardsB](int x, int y) { return int(std::lround(x + (y - x) * towardsB)); };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()), channel(a.blue(), b.blue()));
}

// The letter ink of a face: its inverse colour, unless that is too close to
// the face to be read (the inverse of mid-grey is mid-grey); then black or
// white, whichever stands out.
QColor InkFor(const QColor &face)
{
    const QColor inverse(255 - face.red(), 255 - face.green(), 255 - face.blue());
    const int distance =
        std::max({std::abs(inverse.red() - face.red()), std::abs(inverse.green() - face.green()),
                  std::abs(inverse.blue() - face.blue())});
    if (distance >= 100)
        return inverse;
    return qGray(face.rgb()) < 140 ? QColor(Qt::white) : QColor(Qt::black);
}

} // namespace

QRect SquareRect(int col, int row)
{
    return QRect(kLabelBand + kSquareSide * (col - 1), kLabelBand + kSquareSide * (row - 1), kSquareSide,
                 kSquareSide);
}

QColor SquareColour(int code)
{
    if (code == wordy::kStartSquare)
        return kStartFace;
    if (code == wordy::kWordDouble)
        return Qt::white;
    if (code == wordy::kWordTriple)
        return Qt::black;
    return TileColour(code);
}

QColor StarColour()
{
    return kStar;
}

QColor TileColour(int code)
{
    const wordy::Rgb rgb = wordy::TileColour(code);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

QImage BoardPicture()
{
    QImage picture(kPictureSide, kPictureSide, QImage::Format_RGB32);
    picture.fill(kBand);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::TextAntialiasing);

    for (int row = 1; row <= wordy::kBoardSize; ++row)
        for (int col = 1; col <= wordy::kBoardSize; ++col)
            painter.fillRect(SquareRect(col, row), SquareColour(wordy::SquareCode(col, row)));

    // The grid: one line before every square and one after the last.
    const int first = kLabelBand;
    const int last = kLabelBand + wordy::kBoardSize * kSquareSide;
    painter.setPen(QPen(kGrid, 1));
    for (int i = 0; i <= wordy::kBoardSize; ++i) {
        const int at = kLabelBand + i * kSquareSide;
        painter.drawLine(at, first, at, last);
        painter.drawLine(first, at, last, at);
    }

    painter.setRenderHint(QPainter::Antialiasing);
    DrawStar(painter, QRectF(SquareRect(wordy::kStartCol, wordy::kStartRow)).adjusted(1, 1, 0, 0));

    // Column numbers in the band above, row letters in the band to the left.
    painter.setPen(kLabelInk);
    painter.setFont(PixelFont(13, true));
    for (int i = 1; i <= wordy::kBoardSize; ++i) {
        const QRect square = SquareRect(i, i);
        painter.drawText(QRect(square.left(), 0, kSquareSide, kLabelBand), Qt::AlignCenter,
                         QString::number(i));
        painter.drawText(QRect(0, square.top(), kLabelBand, kSquareSide), Qt::AlignCenter,
                         QString(QChar(scrabble::RowLetter(i))));
    }
    return picture;
}

void DrawTile(QPainter &painter, const QRect &rect, char letter, int colourCode, bool joker,
              const scrabble_ui::TileLook &look)
{
    // Lengths are given for a 30-pixel tile and scaled to this one.
    const int side = std::min(rect.width(), rect.height());
    const double ratio = double(side) / kTileSide;
    const auto scaled = [side](int at30) { return (at30 * side + kTileSide / 2) / kTileSide; };

    QColor face = joker ? QColor(Qt::white) : TileColour(colourCode);
    if (look.grey)
        face = Mix(face, kSilver, 0.65);
    if (look.proposal)
        face = Mix(face, Qt::white, 0.55);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);

    // The face: light at the top left, the tile's colour across the middle,
    // darker at the bottom right; a selected tile is shaded the other way
    // round, as if pressed. A dulled tile is shaded less.
    const double relief = look.grey ? 0.5 : 1.0;
    QColor light = Mix(face, Qt::white, 0.45 * relief);
    QColor dark = Mix(face, Qt::black, 0.35 * relief);
    if (look.selected)
        std::swap(light, dark);
    QLinearGradient gradient(rect.topLeft(), rect.bottomRight() + QPoint(1, 1));
    gradient.setColorAt(0, light);
    gradient.setColorAt(0.5, face);
    gradient.setColorAt(1, dark);
    const QRectF outline = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    const double radius = 5 * ratio;
    QPen edge(look.selected ? QColor(Qt::black) : Mix(face, Qt::black, 0.55), look.selected ? 2 : 1);
    if (look.proposal)
        edge.setStyle(Qt::DashLine);
    painter.setPen(edge);
    painter.setBrush(gradient);
    painter.drawRoundedRect(look.selected ? outline.adjusted(0.5, 0.5, -0.5, -0.5) : outline, radius, radius);

    if (joker) {
        painter.setPen(QPen(kJokerInk, std::max(1.0, 1.2 * ratio)));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect).adjusted(5.5 * ratio, 4.5 * ratio, -5.5 * ratio, -6.5 * ratio),
                                4 * ratio, 4 * ratio);
        painter.setFont(PixelFont(scaled(15), true));
        const QString text = letter == scrabble::kJoker ? QStringLiteral("*") : QString(QChar(letter));
        painter.drawText(QRect(rect.left(), rect.top(), rect.width(), rect.height() - scaled(2)),
                         Qt::AlignCenter, text);
        if (look.underline) {
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setPen(QPen(Qt::black, 1));
            const int y = rect.bottom() - scaled(4);
            painter.drawLine(rect.left() + scaled(7), y, rect.right() - scaled(7), y);
            painter.drawLine(rect.left() + scaled(7), y + 2, rect.right() - scaled(7), y + 2);
        }
    } else {
        const QColor ink = look.grey ? QColor(Qt::black) : InkFor(face);
        painter.setPen(ink);
        painter.setFont(PixelFont(scaled(15), true));
        const QRect letterBox(rect.left() + 1, rect.top() + 1, rect.width() - scaled(5),
                              rect.height() - scaled(4));
        painter.drawText(letterBox, Qt::AlignCenter, QString(QChar(scrabble::Upper(letter))));
        if (side >= 18) {
            painter.setFont(PixelFont(scaled(8), true, QStringLiteral("DejaVu Sans Mono")));
            painter.drawText(
                QRect(rect.left(), rect.bottom() - scaled(11), rect.width() - scaled(3), scaled(10)),
                Qt::AlignRight | Qt::AlignBottom, QString::number(colourCode));
        }
    }
    painter.restore();
}

} // namespace wordy_ui
