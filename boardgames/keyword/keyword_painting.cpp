// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardgames/keyword/keyword_painting.h"

#include <algorithm>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QToolTip>

#include "boardgames/keyword/keyword_board.h"
#include "scrabble/engine/board_layout.h"
#include "scrabble/engine/letters.h"

namespace keyword_ui {

namespace {

using scrabble_ui::PixelFont;

const QColor kBand(0, 50, 57);
const QColor kGrid(60, 60, 60);
const QColor kNeutralFace(240, 240, 240);
const QColor kCrossFace(128, 128, 128);
const QColor kLabelInk(255, 255, 255);

const QColor kLetterInk(0, 0, 255);
const QColor kJokerInk(0, 128, 0);

const QColor kBagBackground(225, 255, 225);
const QColor kBagHatch(120, 220, 120);

constexpr int kLabelPoints = 8;
constexpr int kFirstLetterPoints = 14;

QFont LabelFont()
{
    return PixelFont(PointsToPixels(kLabelPoints), true);
}

QFont LetterFont(int points)
{
    return PixelFont(PointsToPixels(points), true);
}

// A joker shows its letter as stored, in lower case like every letter a
// joker plays; a letter tile is always written in upper case.
QString TileText(char letter, bool joker)
{
    return QString(QChar(joker ? letter : scrabble::Upper(letter)));
}

// C L E across J9..J11 and down I10..K10: the middle square J10 holds the L
// of both.
void DrawCrossLetters(QPainter &painter, const scrabble_ui::BoardGeometry &geometry)
{
    const int s = geometry.SquareSize();
    painter.setFont(PixelFont(std::max(6, s * 3 / 5), true));
    painter.setPen(CrossInk());
    const char *const letters = "CLE";
    for (int i = 0; i < 3; ++i) {
        const QString text(QChar(letters[i]));
        const scrabble::SquarePos across = keyword::HorizontalArm()[std::size_t(i)];
        const scrabble::SquarePos down = keyword::VerticalArm()[std::size_t(i)];
        painter.drawText(geometry.SquareRect(across.col, across.row), Qt::AlignCenter, text);
        if (i != 1)
            painter.drawText(geometry.SquareRect(down.col, down.row), Qt::AlignCenter, text);
    }
}

} // namespace

scrabble_ui::BoardGeometry BoardGeometry(int s)
{
    return scrabble_ui::BoardGeometry(s, QPoint(s, s), keyword::kBoardSize);
}

QColor SquareColour(int kind)
{
    if (kind == keyword::kCross)
        return kCrossFace;
    const int colour = keyword::ColourOfKind(kind);
    if (colour == 0)
        return kNeutralFace;
    return PlayerColour(colour);
}

QColor BandColour()
{
    return kBand;
}

QColor CrossInk()
{
    return Qt::white;
}

int PointsToPixels(int points)
{
    return (points * 96 + 36) / 72;
}

bool LabelsFit(int s)
{
    // Two-digit numbers need a few pixels between them, or "10111213..."
    // reads as one number.
    const QFontMetrics metrics(LabelFont());
    return metrics.horizontalAdvance(QStringLiteral("19")) + 3 <= s && metrics.height() <= s;
}

QImage BoardPicture(int s, const QImage &keyPicture)
{
    s = std::max(1, s);
    const scrabble_ui::BoardGeometry geometry = BoardGeometry(s);
    const int n = keyword::kBoardSize;
    QImage picture((n + 1) * s, (n + 1) * s, QImage::Format_RGB32);
    picture.fill(kBand);
    QPainter painter(&picture);

    for (int row = 1; row <= n; ++row)
        for (int col = 1; col <= n; ++col)
            painter.fillRect(geometry.SquareRect(col, row), SquareColour(keyword::SquareKind(col, row)));

    // The key picture ANDed onto the square: white keeps the colour, black
    // gives black, greys darken it.
    if (!keyPicture.isNull()) {
        const QImage key = keyPicture.convertToFormat(QImage::Format_RGB32);
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        for (int row = 1; row <= n; ++row)
            for (int col = 1; col <= n; ++col)
                if (keyword::IsKeyCode(keyword::SquareKind(col, row)))
                    painter.drawImage(geometry.SquareRect(col, row), key);
        painter.restore();
    }

    // The grid: a line along the top and left edges of every square and
    // along the far edges of the last ones.
    painter.setPen(QPen(kGrid, 1));
    const int first = s;
    const int last = (n + 1) * s - 1;
    for (int i = 1; i <= n; ++i) {
        painter.drawLine(i * s, first, i * s, last);
        painter.drawLine(first, i * s, last, i * s);
    }
    painter.drawLine(last, first, last, last);
    painter.drawLine(first, last, last, last);

    painter.setRenderHint(QPainter::TextAntialiasing);
    DrawCrossLetters(painter, geometry);

    if (LabelsFit(s)) {
        painter.setPen(kLabelInk);
        painter.setFont(LabelFont());
        for (int i = 1; i <= n; ++i) {
            painter.drawText(geometry.ColumnLabelRect(i), Qt::AlignCenter, QString::number(i));
            painter.drawText(geometry.RowLabelRect(i), Qt::AlignCenter,
                             QString(QChar(scrabble::RowLetter(i))));
        }
    }
    return picture;
}

QColor PlayerColour(int colour)
{
    switch (colour) {
    case keyword::kRed:
        return QColor(255, 0, 0);
    case keyword::kBlue:
        return QColor(0, 0, 255);
    case keyword::kYellow:
        return QColor(255, 255, 0);
    case keyword::kGreen:
        return QColor(0, 128, 0);
    default:
        return QColor(128, 128, 128);
    }
}

QColor PlayerTextColour(int colour)
{
    switch (colour) {
    case keyword::kRed:
        return QColor(0, 255, 255);
    case keyword::kBlue:
        return QColor(255, 255, 0);
    case keyword::kYellow:
        return QColor(255, 127, 255);
    case keyword::kGreen:
        return QColor(0, 0, 255);
    default:
        return QColor(0, 0, 0);
    }
}

int LetterPointSize(int side, char letter)
{
    const QString text = QString(QChar(letter));
    int points = kFirstLetterPoints;
    while (points > 5) {
        const QFontMetrics metrics(LetterFont(points));
        if (metrics.horizontalAdvance(text) <= side - 1 && metrics.height() <= side - 1)
            break;
        points -= 2;
    }
    return points;
}

void DrawTile(QPainter &painter, const QRect &rect, char letter, bool joker,
              const scrabble_ui::TileLook &look)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    scrabble_ui::DrawBevelledFace(painter, rect, scrabble_ui::TileFaceColours::Wooden());
    const int b = rect.bottom();
    if (look.selected) {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }

    if (letter != 0) {
        const int side = std::min(rect.width(), rect.height());
        const QString text = TileText(letter, joker);
        const QFont font = LetterFont(LetterPointSize(side, joker ? letter : scrabble::Upper(letter)));
        const QFontMetrics metrics(font);
        painter.setFont(font);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        if (joker && look.selected) {
            // The letter on the highlight, as selected text is shown.
            const QPalette palette = QGuiApplication::palette();
            const QSize textSize(metrics.horizontalAdvance(text) + 2, metrics.height());
            QRect box(QPoint(0, 0), textSize.boundedTo(rect.size() - QSize(2, 2)));
            box.moveCenter(rect.center());
            painter.fillRect(box, palette.color(QPalette::Highlight));
            painter.setPen(palette.color(QPalette::HighlightedText));
            painter.drawText(box, Qt::AlignCenter, text);
            if (look.underline) {
                const int baseline = box.top() + (box.height() - metrics.height()) / 2 + metrics.ascent();
                const int first = std::min(baseline + 1, b - 4);
                painter.drawLine(box.left() + 1, first, box.right() - 1, first);
                painter.drawLine(box.left() + 1, first + 2, box.right() - 1, first + 2);
            }
        } else {
            painter.setPen(joker ? kJokerInk : kLetterInk);
            painter.drawText(rect, Qt::AlignCenter, text);
        }
    }
    painter.restore();
}

QColor BagBackground()
{
    return kBagBackground;
}

QColor BagHatch()
{
    return kBagHatch;
}

void DrawBagArea(QPainter &painter, const QRect &rect)
{
    painter.save();
    painter.fillRect(rect, kBagBackground);
    painter.setBrushOrigin(rect.topLeft());
    painter.fillRect(rect, QBrush(kBagHatch, Qt::DiagCrossPattern));
    painter.restore();
}

QImage KeyWordPicture(const std::string &word, const QImage &letterStrip)
{
    if (word.empty())
        return QImage();
    QImage picture(int(word.size()) * kLetterCell, kLetterCell, QImage::Format_RGB32);
    picture.fill(QToolTip::palette().color(QPalette::Inactive, QPalette::ToolTipBase));
    QPainter painter(&picture);
    for (std::size_t i = 0; i < word.size(); ++i) {
        const char letter = scrabble::Upper(word[i]);
        if (!scrabble::IsUpperLetter(letter))
            continue;
        const QRect cell((letter - 'A') * kLetterCell, 0, kLetterCell, kLetterCell);
        painter.drawImage(QPoint(int(i) * kLetterCell, 0), letterStrip, cell);
    }
    return picture;
}

} // namespace keyword_ui
