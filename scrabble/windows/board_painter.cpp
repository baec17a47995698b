// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/windows/board_painter.h"

#include <algorithm>
#include <cmath>
#include <QFont>
#include <QFontMetrics>
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

QFont PixelFont(int pixels, bool bold, const QString &family)
{
    QFont font(family);
    font.setPixelSize(std::max(1, pixels));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QColor PremiumColour(scrabble::Premium premium)
{
    return BoardStyle::Classic().PremiumColour(premium);
}

BoardGeometry::BoardGeometry(int squareSize, QPoint origin, int squares)
    : size_(squareSize), origin_(origin), squares_(squares)
{
}

BoardGeometry BoardGeometry::Classic(int squares)
{
    return BoardGeometry(kSquare, QPoint(kBoardMargin, kBoardMargin), squares);
}

BoardGeometry BoardGeometry::Fitting(QSize area, int squares)
{
    const int size = std::max(5, std::min(area.width(), area.height()) / 17);
    return BoardGeometry(size, QPoint(size, size), squares);
}

QRect BoardGeometry::SquareRect(int col, int row) const
{
    return QRect(origin_.x() + (col - 1) * size_, origin_.y() + (row - 1) * size_, size_, size_);
}

QRect BoardGeometry::BoardRect() const
{
    return QRect(origin_, QSize(squares_ * size_, squares_ * size_));
}

QRect BoardGeometry::ColumnLabelRect(int col) const
{
    return QRect(origin_.x() + (col - 1) * size_, 0, size_, origin_.y());
}

QRect BoardGeometry::RowLabelRect(int row) const
{
    return QRect(0, origin_.y() + (row - 1) * size_, origin_.x(), size_);
}

std::optional<QPoint> BoardGeometry::SquareAt(QPoint point) const
{
    // Floor division: points left of or above the squares stay outside.
    const int dx = point.x() - origin_.x();
    const int dy = point.y() - origin_.y();
    if (dx < 0 || dy < 0)
        return std::nullopt;
    const int col = dx / size_ + 1;
    const int row = dy / size_ + 1;
    if (col > squares_ || row > squares_)
        return std::nullopt;
    return QPoint(col, row);
}

BoardStyle BoardStyle::Classic()
{
    BoardStyle style;
    style.background = kFrame;
    style.labelInk = kLabel;
    style.grid = kLine;
    style.premiums = {QColor(196, 218, 188), QColor(148, 204, 238), QColor(42, 98, 196),
                      QColor(246, 168, 172), QColor(214, 48, 44)};
    style.labelsOnAllSides = true;
    style.premiumTexts = true;
    return style;
}

BoardStyle BoardStyle::Duplicate()
{
    BoardStyle style;
    style.background = QColor(0, 50, 57);
    style.labelInk = Qt::white;
    style.grid = QColor(0, 50, 57);
    style.premiums = {QColor(Qt::white), QColor(160, 255, 255), QColor(Qt::blue), QColor(254, 180, 180),
                      QColor(Qt::red)};
    style.labelsOnlyWhenTheyFit = true;
    style.labelPixels = 0;
    style.labelFamily = QStringLiteral("Courier New");
    return style;
}

namespace {

QFont LabelFont(const BoardGeometry &geometry, const BoardStyle &style)
{
    const int pixels = style.labelPixels > 0 ? style.labelPixels : std::max(6, geometry.SquareSize() * 3 / 5);
    return PixelFont(pixels, style.labelBold, style.labelFamily);
}

} // namespace

bool LabelsFit(const BoardGeometry &geometry, const BoardStyle &style)
{
    if (!style.labelsOnlyWhenTheyFit)
        return true;
    const QFontMetrics metrics(LabelFont(geometry, style));
    return metrics.horizontalAdvance(QStringLiteral("15")) < geometry.SquareSize() &&
           metrics.ascent() < geometry.SquareSize();
}

QSize BoardPictureSize(const BoardGeometry &geometry, const BoardStyle &style)
{
    const int squares = geometry.Squares() * geometry.SquareSize();
    const QPoint o = geometry.Origin();
    if (style.labelsOnAllSides)
        return QSize(2 * o.x() + squares, 2 * o.y() + squares);
    return QSize(o.x() + squares + 1, o.y() + squares + 1);
}

QImage BoardPicture(const scrabble::BoardLayout &layout)
{
    return BoardPicture(BoardGeometry::Classic(layout.Size()), BoardStyle::Classic(), layout);
}

QImage BoardPicture(const BoardGeometry &geometry, const BoardStyle &style,
                    const scrabble::BoardLayout &layout)
{
    const int n = geometry.Squares();
    const int s = geometry.SquareSize();
    const QPoint o = geometry.Origin();
    const QSize side = BoardPictureSize(geometry, style);
    QImage picture(side, QImage::Format_RGB32);
    picture.fill(style.background);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    // Column numbers above, row letters to the left (and below and to the
    // right when the style repeats them).
    if (LabelsFit(geometry, style)) {
        painter.setPen(style.labelInk);
        painter.setFont(LabelFont(geometry, style));
        for (int i = 1; i <= n; ++i) {
            const QString number = QString::number(i);
            const QRect top = geometry.ColumnLabelRect(i);
            painter.drawText(top, Qt::AlignCenter, number);
            if (style.labelsOnAllSides)
                painter.drawText(top.translated(0, side.height() - o.y()), Qt::AlignCenter, number);
            const QString letter(QChar(scrabble::RowLetter(i)));
            const QRect left = geometry.RowLabelRect(i);
            painter.drawText(left, Qt::AlignCenter, letter);
            if (style.labelsOnAllSides)
                painter.drawText(left.translated(side.width() - o.x(), 0), Qt::AlignCenter, letter);
        }
    }

    painter.setFont(PixelFont(10, true));
    for (int row = 1; row <= n; ++row)
        for (int col = 1; col <= n; ++col) {
            const QRect square = geometry.SquareRect(col, row);
            const scrabble::Premium premium = layout.At(col, row);
            painter.fillRect(square, style.PremiumColour(premium));
            if (!style.premiumTexts)
                continue;
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
    // The grid: one line between squares and around them.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(style.grid, 1));
    for (int i = 0; i <= n; ++i) {
        const int x = o.x() + i * s;
        const int y = o.y() + i * s;
        painter.drawLine(x, o.y(), x, o.y() + n * s);
        painter.drawLine(o.x(), y, o.x() + n * s, y);
    }
    return picture;
}

TileFaceColours TileFaceColours::Wooden()
{
    return {kFace, kBevelDark, kBevelLight, kBevelLighter};
}

void DrawBevelledFace(QPainter &painter, const QRect &rect, const TileFaceColours &colours)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(rect, colours.face);
    const int l = rect.left(), t = rect.top(), r = rect.right(), b = rect.bottom();
    painter.setPen(colours.light);
    painter.drawLine(l, t, r - 1, t);
    painter.drawLine(l, t, l, b - 1);
    painter.setPen(colours.mid);
    painter.drawLine(l + 1, b - 1, r - 1, b - 1);
    painter.drawLine(r - 1, t + 1, r - 1, b - 1);
    painter.setPen(colours.dark);
    painter.drawLine(l, b, r, b);
    painter.drawLine(r, t, r, b);
    painter.restore();
}

void DrawTile(QPainter &painter, const QRect &rect, char letter, int value, bool joker, const TileLook &look)
{
    // Lengths are given for the classic 30-pixel tile and scaled to this one.
    const int side = std::min(rect.width(), rect.height());
    const auto scaled = [side](int at30) { return (at30 * side + kSquare / 2) / kSquare; };
    const double ratio = double(side) / kSquare;

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    const QRect r = rect.adjusted(0, 0, -1, -1); // the whole square, edges included
    painter.fillRect(rect, look.grey ? kGreyFace : kFace);
    if (look.grey) {
        painter.setPen(QColor(130, 130, 130));
        painter.drawRect(r);
    } else if (side >= 14) {
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
    }

    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const QColor ink = look.grey       ? QColor(Qt::black)
                       : joker         ? QColor(0, 128, 0)
                       : look.proposal ? QColor(170, 0, 0)
                                       : QColor(0, 0, 200);
    const QString text(QChar(scrabble::Upper(letter)));
    const bool valueShown = !joker && side >= 18;
    const QRect letterBox = valueShown ? QRect(rect.left() + 1, rect.top() + 1, rect.width() - scaled(7),
                                               rect.height() - scaled(6))
                                       : rect;
    if (joker) {
        painter.setPen(QPen(ink, std::max(1.0, 1.2 * ratio)));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect).adjusted(4.5 * ratio, 3.5 * ratio, -4.5 * ratio, -5.5 * ratio),
                                5 * ratio, 5 * ratio);
        painter.setFont(PixelFont(std::max(4, scaled(16)), true));
        painter.drawText(QRect(rect.left(), rect.top(), rect.width(), rect.height() - scaled(2)),
                         Qt::AlignCenter,
                         letter == scrabble::kJoker ? QStringLiteral("*") : QString(QChar(letter)));
    } else {
        painter.setPen(ink);
        painter.setFont(PixelFont(std::max(4, scaled(19)), true));
        painter.drawText(letterBox, Qt::AlignCenter, text);
        if (valueShown) {
            painter.setFont(PixelFont(scaled(9), true, QStringLiteral("DejaVu Sans Mono")));
            painter.drawText(
                QRect(rect.left(), rect.bottom() - scaled(12), rect.width() - scaled(3), scaled(11)),
                Qt::AlignRight | Qt::AlignBottom, QString::number(value));
        }
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (look.selected) {
        painter.setPen(QPen(Qt::black, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(1, 1, -1, -1));
    }
    if (look.underline) {
        painter.setPen(QPen(Qt::black, 1));
        const int y = rect.bottom() - scaled(4);
        painter.drawLine(rect.left() + scaled(7), y, rect.right() - scaled(7), y);
        painter.drawLine(rect.left() + scaled(7), y + 2, rect.right() - scaled(7), y + 2);
    }
    painter.restore();
}

} // namespace scrabble_ui
