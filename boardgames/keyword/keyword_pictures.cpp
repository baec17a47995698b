// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardgames/keyword/keyword_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "boardgames/keyword/keyword_painting.h"
#include "framework/resourcelib/picture_registry.h"
#include "scrabble/windows/board_painter.h"

namespace keyword_ui {

namespace {
const QColor kKeyInk(35, 30, 25);
const QColor kLetterTop(150, 20, 20);
const QColor kLetterBottom(70, 0, 40);
const QColor kLetterShadow(0, 0, 0, 70);
} // namespace

QImage LetterStripPicture()
{
    // Transparent around the letters, so that the key word's background
    // shows through.
    QImage strip(26 * kLetterCell, kLetterCell, QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFont font = scrabble_ui::PixelFont(24, true, QStringLiteral("DejaVu Serif"));
    for (int k = 0; k < 26; ++k) {
        const QRectF cell(k * kLetterCell, 0, kLetterCell, kLetterCell);
        const QString letter(QChar('A' + k));
        QPainterPath path;
        path.addText(0, 0, font, letter);
        const QRectF shape = path.boundingRect();
        // Centred on the cell, the shadow one pixel down and right.
        path.translate(cell.center() - shape.center());
        painter.fillPath(path.translated(1, 1), kLetterShadow);
        QLinearGradient ink(cell.topLeft(), cell.bottomLeft());
        ink.setColorAt(0.2, kLetterTop);
        ink.setColorAt(0.9, kLetterBottom);
        painter.fillPath(path, ink);
    }
    return strip;
}

QImage KeyPicture()
{
    QImage key(kKeySide, kKeySide, QImage::Format_RGB32);
    key.fill(Qt::white);
    QPainter painter(&key);
    painter.setRenderHint(QPainter::Antialiasing);
    // A key lying from the bottom left to the top right: the bow (a ring),
    // the shaft and two teeth.
    painter.translate(kKeySide / 2.0, kKeySide / 2.0);
    painter.rotate(-45);
    QPainterPath shape;
    shape.addEllipse(QPointF(-11, 0), 6.5, 6.5);
    shape.addRect(QRectF(-5, -1.8, 22, 3.6));
    shape.addRect(QRectF(10, 1.5, 2.8, 5));
    shape.addRect(QRectF(14.5, 1.5, 2.8, 4));
    QPainterPath hole;
    hole.addEllipse(QPointF(-11, 0), 3, 3);
    painter.fillPath(shape.simplified().subtracted(hole), kKeyInk);
    return key;
}

void RegisterKeyWordPictures()
{
    RegisterPicture(QStringLiteral("POLICEPC"), LetterStripPicture);
    RegisterPicture(QStringLiteral("KEY"), KeyPicture);
}

} // namespace keyword_ui
