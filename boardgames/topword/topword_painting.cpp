// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardgames/topword/topword_painting.h"

#include <QLinearGradient>
#include <QPainter>

#include "boardgames/topword/topword_geometry.h"
#include "boardgames/topword/topword_rules.h"

namespace topword_ui {

namespace {
const QColor kFrame(0, 50, 57);
const scrabble_ui::TileFaceColours kGreyFace{QColor(203, 203, 203), QColor(76, 76, 76), QColor(178, 178, 178),
                                             QColor(236, 236, 236)};

QRect ToQRect(const scrabble::TileRect &r)
{
    return QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
}
} // namespace

QImage BoardPicture(const Geometry &geometry, const scrabble::BoardLayout &layout)
{
    const QRect area = ToQRect(geometry.BoardPicture());
    QImage picture(area.size(), QImage::Format_RGB32);
    picture.fill(kFrame);
    QPainter painter(&picture);
    const int size = geometry.BoardSize();
    const QRect first = ToQRect(geometry.Square(1, 1)).translated(-area.topLeft());
    const QRect last = ToQRect(geometry.Square(size, size)).translated(-area.topLeft());
    // The white margin around the squares.
    painter.fillRect(QRect(first.topLeft() - QPoint(5, 5), last.bottomRight() + QPoint(5, 5)), Qt::white);
    for (int row = 1; row <= size; ++row)
        for (int col = 1; col <= size; ++col) {
            const QRect square = ToQRect(geometry.Square(col, row)).translated(-area.topLeft());
            QLinearGradient gradient(square.topLeft(), square.bottomRight());
            if (layout.Code(col, row) == 1) {
                gradient.setColorAt(0, QColor(255, 220, 235));
                gradient.setColorAt(1, QColor(225, 120, 170));
            } else {
                gradient.setColorAt(0, Qt::white);
                gradient.setColorAt(1, QColor(170, 170, 170));
            }
            painter.fillRect(square, gradient);
            painter.setPen(QColor(120, 120, 120));
            painter.drawRect(square.adjusted(0, 0, -1, -1));
        }
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setPointSize(10);
    painter.setFont(font);
    painter.setPen(Qt::white);
    for (int i = 1; i <= size; ++i) {
        const QRect column = ToQRect(geometry.Square(i, 1)).translated(-area.topLeft());
        painter.drawText(QRect(column.left(), 0, column.width(), first.top() - 5), Qt::AlignCenter,
                         QString::number(i));
        const QRect row = ToQRect(geometry.Square(1, i)).translated(-area.topLeft());
        painter.drawText(QRect(0, row.top(), first.left() - 5, row.height()), Qt::AlignCenter,
                         QString(QChar(scrabble::RowLetter(i))));
    }
    return picture;
}

void DrawTile(QPainter &painter, const QRect &rect, char letter, const scrabble_ui::TileLook &look)
{
    scrabble_ui::DrawBevelledFace(painter, rect,
                                  look.grey ? kGreyFace : scrabble_ui::TileFaceColours::Wooden());
    painter.save();
    if (look.selected && !look.grey) {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
    if (letter != 0) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSize(13);
        font.setBold(true);
        painter.setFont(font);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        painter.setPen(look.grey                        ? QColor(Qt::black)
                       : topword::IsBonusLetter(letter) ? QColor(220, 0, 0)
                                                        : QColor(0, 0, 200));
        painter.drawText(rect, Qt::AlignCenter, QString(QChar(letter)));
    }
    painter.restore();
}

} // namespace topword_ui
