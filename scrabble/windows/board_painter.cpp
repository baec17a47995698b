// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/windows/board_painter.h"

#include <cmath>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "scrabble/engine/letters.h"

namespace scrabble_ui {

namespace {

const QColor kFrame(24, 64, 52);
const QColor kLabel(250, 236, 190);
const QColor kLine(236, 232, 214);
const QColor kFace(255, 206, 148);
const QColor kBevelDark(99, 74, 57);
const QColor kBevelLight(206, 189, 140);
const QColor kBevelLighter(247, 239, 222);
const QColor kGreyFace(203, 203, 203);

QFont PixelFont(int pixels, bool bold, const QString &family = QStringLiteral("DejaVu Sans"))
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QString PremiumLabel(scrabble::Premium premium)
{
    switch (premium) {
    case scrabble::Premium::WordTriple:
        return QStringLiteral("M×3");
    case scrabble::Premium::WordDouble:
        return QStringLiteral("M×2");
    case scrabble::Premium::LetterTriple:
        return QStringLiteral("L×3");
    case scrabble::Premium::LetterDouble:
        return QStringLiteral("L×2");
    default:
        return QString();
    }
}

void DrawStar(QPainter &painter, const QRectF &square)
{
    QPolygonF star;
    const QPointF centre = square.center();
    const double outer = square.width() * 0.36;
    const double inner = outer * 0.42;
    for (int i = 0; i < 10; ++i) {
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const double radius = i % 2 == 0 ? outer : inner;
        star << QPointF(centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle));
    }
    painter.setPen(QPen(QColor(120, 20, 40), 1));
    painter.setBrush(QColor(200, 40, 70));
    painter.drawPolygon(star);
}

} // namespace

QColor PremiumColour(scrabble::Premium premium)
{
    switch (premium) {
    case scrabble::Premium::WordTriple:
        return QColor(214, 48, 44);
    case scrabble::Premium::WordDouble:
        return QColor(246, 168, 172);
    case scrabble::Premium::LetterTriple:
        return QColor(42, 98, 196);
    case scrabble::Premium::LetterDouble:
        return QColor(148, 204, 238);
    default:
        return QColor(196, 218, 188);
    }
}

QImage BoardPicture(const scrabble::BoardLayout &layout)
{
    const int n = layout.Size();
    const int side = n * kSquare + 2 * kBoardMargin;
    QImage picture(side, side, QImage::Format_RGB32);
    picture.fill(kFrame);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    // Column numbers above and below, row letters left and right.
    painter.setPen(kLabel);
    painter.setFont(PixelFont(12, true));
    for (int i = 1; i <= n; ++i) {
        const int at = kBoardMargin + (i - 1) * kSquare;
        const QString number = QString::number(i);
        painter.drawText(QRect(at, 0, kSquare, kBoardMargin), Qt::AlignCenter, number);
        painter.drawText(QRect(at, side - kBoardMargin, kSquare, kBoardMargin), Qt::AlignCenter, number);
        const QString letter(QChar(scrabble::RowLetter(i)));
        painter.drawText(QRect(0, at, kBoardMargin, kSquare), Qt::AlignCenter, letter);
        painter.drawText(QRect(side - kBoardMargin, at, kBoardMargin, kSquare), Qt::AlignCenter, letter);
    }

    painter.setFont(PixelFont(10, true));
    for (int row = 1; row <= n; ++row)
        for (int col = 1; col <= n; ++col) {
            const QRect square(kBoardMargin + (col - 1) * kSquare, kBoardMargin + (row - 1) * kSquare,
                               kSquare, kSquare);
            const scrabble::Premium premium = layout.At(col, row);
            painter.fillRect(square, PremiumColour(premium));
            if (col == layout.CentreCol() && row == layout.CentreRow()) {
                DrawStar(painter, square);
                continue;
            }
            const QString label = PremiumLabel(premium);
            if (label.isEmpty())
                continue;
            const bool dark =
                premium == scrabble::Premium::WordTriple || premium == scrabble::Premium::LetterTriple;
            painter.setPen(dark ? QColor(255, 250, 240) : QColor(40, 40, 60));
            painter.drawText(square, Qt::AlignCenter, label);
        }
    // The grid: one light line between squares and around them.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(kLine, 1));
    for (int i = 0; i <= n; ++i) {
        const int at = kBoardMargin + i * kSquare;
        painter.drawLine(at, kBoardMargin, at, kBoardMargin + n * kSquare);
        painter.drawLine(kBoardMargin, at, kBoardMargin + n * kSquare, at);
    }
    return picture;
}

void DrawTile(QPainter &painter, const QRect &rect, char letter, int value, bool joker, const TileLook &look)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    const QRect r = rect.adjusted(0, 0, -1, -1); // the 30 pixels, edges included
    painter.fillRect(rect, look.grey ? kGreyFace : kFace);
    if (!look.grey) {
        // The bevel: light top inside, dark left, right and bottom edges.
        painter.setPen(kBevelLighter);
        painter.drawLine(r.left() + 1, r.top(), r.right() - 1, r.top());
        painter.drawLine(r.left() + 2, r.top() + 1, r.right() - 2, r.top() + 1);
        painter.setPen(kBevelLight);
        painter.drawLine(r.left() + 2, r.top() + 2, r.left() + 2, r.bottom() - 3);
        painter.drawLine(r.right() - 2, r.top() + 2, r.right() - 2, r.bottom() - 3);
        painter.setPen(kBevelDark);
        painter.drawLine(r.left(), r.top(), r.left(), r.bottom());
        painter.drawLine(r.right(), r.top(), r.right(), r.bottom());
        painter.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        painter.drawLine(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
    } else {
        painter.setPen(QColor(130, 130, 130));
        painter.drawRect(r);
    }

    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const QColor ink = look.grey ? Qt::black : (joker ? QColor(0, 128, 0) : QColor(0, 0, 200));
    const QString text(QChar(scrabble::Upper(letter)));
    const QRect letterBox(rect.left() + 1, rect.top() + 1, rect.width() - 7, rect.height() - 6);
    if (joker) {
        painter.setPen(QPen(ink, 1.2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect).adjusted(4.5, 3.5, -4.5, -5.5), 5, 5);
        painter.setFont(PixelFont(16, true));
        painter.drawText(QRect(rect.left(), rect.top(), rect.width(), rect.height() - 2), Qt::AlignCenter,
                         letter == scrabble::kJoker ? QStringLiteral("*") : QString(QChar(letter)));
    } else {
        painter.setPen(ink);
        painter.setFont(PixelFont(19, true));
        painter.drawText(letterBox, Qt::AlignCenter, text);
        painter.setFont(PixelFont(9, true, QStringLiteral("DejaVu Sans Mono")));
        painter.drawText(QRect(rect.left(), rect.bottom() - 12, rect.width() - 3, 11),
                         Qt::AlignRight | Qt::AlignBottom, QString::number(value));
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (look.selected) {
        painter.setPen(QPen(Qt::black, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(1, 1, -1, -1));
    }
    if (look.underline) {
        painter.setPen(QPen(Qt::black, 1));
        const int y = rect.bottom() - 4;
        painter.drawLine(rect.left() + 7, y, rect.right() - 7, y);
        painter.drawLine(rect.left() + 7, y + 2, rect.right() - 7, y + 2);
    }
    painter.restore();
}

} // namespace scrabble_ui
