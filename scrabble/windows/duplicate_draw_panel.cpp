// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/windows/duplicate_draw_panel.h"

#include <algorithm>
#include <QPainter>
#include <QVBoxLayout>

#include "scrabble/engine/letters.h"
#include "scrabble/windows/board_painter.h"
#include "scrabble/windows/duplicate_texts.h"

namespace scrabble_ui {

namespace {

// Room for the 8 letters of the variant "Huit lettres".
constexpr int kPlaces = 8;
constexpr int kGap = 4;

} // namespace

DuplicateDrawTiles::DuplicateDrawTiles(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TirageLettres"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void DuplicateDrawTiles::SetDraw(const QString &draw)
{
    if (draw == draw_)
        return;
    draw_ = draw;
    update();
}

int DuplicateDrawTiles::TileSide() const
{
    const int places = std::max<int>(kPlaces, int(draw_.size()));
    const int byWidth = (width() - kGap) / places - kGap;
    const int byHeight = height() - 2 * kGap;
    return std::clamp(std::min(byWidth, byHeight), 12, 48);
}

QRect DuplicateDrawTiles::TileRect(int i) const
{
    const int side = TileSide();
    return QRect(kGap + i * (side + kGap), (height() - side) / 2, side, side);
}

QSize DuplicateDrawTiles::sizeHint() const
{
    return QSize(kGap + kPlaces * (kSquare + kGap), kSquare + 2 * kGap);
}

QSize DuplicateDrawTiles::minimumSizeHint() const
{
    return QSize(kGap + kPlaces * (12 + kGap), 12 + 2 * kGap);
}

void DuplicateDrawTiles::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 50, 57));
    for (int i = 0; i < int(draw_.size()); ++i) {
        const QRect place = TileRect(i);
        const char letter = draw_.at(i).toLatin1();
        if (letter == '_' || letter == '-') {
            // An empty place: a dashed outline for a letter the proposal
            // uses, a faint one for a letter already played.
            painter.setPen(QPen(QColor(120, 160, 160), 1, letter == '-' ? Qt::DashLine : Qt::DotLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(place.adjusted(0, 0, -1, -1));
            continue;
        }
        const bool joker = letter == scrabble::kJoker;
        DrawTile(painter, place, letter, scrabble::LetterValue(letter), joker);
    }
}

DuplicateDrawPanel::DuplicateDrawPanel(QWidget *parent) : QGroupBox(parent)
{
    setObjectName(QStringLiteral("Tirage"));
    Tiles = new DuplicateDrawTiles(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(Tiles);
    SetElapsed(0);
}

void DuplicateDrawPanel::SetElapsed(qint64 milliseconds)
{
    const QString caption = DrawCaption(milliseconds);
    if (caption != title())
        setTitle(caption);
}

} // namespace scrabble_ui
