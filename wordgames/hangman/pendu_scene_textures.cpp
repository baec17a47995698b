// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the Hangman table, drawn in code: parchment letters,
// woods, the card back and the pile, the candle, the flame and the face.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include "wordgames/common/parchment.h"
#include "wordgames/hangman/pendu_scene.h"

namespace pendu {

QImage PenduScene::LetterTexture(QChar letter)
{
    // Four times the 15 x 30 of the original picture, for a sharp letter.
    QImage image(60, 120, QImage::Format_RGB32);
    QPainter painter(&image);
    wordgame_ui::PaintParchment(painter, image.rect(), QColor(0xF6, 0xEA, 0xC8), QColor(0xE2, 0xCC, 0x98),
                                QColor(0xA8, 0x86, 0x50), 3);
    if (letter != QLatin1Char(' ')) {
        painter.setFont(wordgame_ui::BoldSerif(52));
        painter.setPen(QColor(0xC0, 0x10, 0x10));
        painter.drawText(image.rect(), Qt::AlignCenter, QString(letter));
    }
    return image;
}

QImage PenduScene::WoodTexture(bool dark)
{
    QImage image(256, 256, QImage::Format_RGB32);
    QPainter painter(&image);
    const QColor base = dark ? QColor(0x5A, 0x36, 0x1C) : QColor(0x9A, 0x62, 0x32);
    painter.fillRect(image.rect(), base);
    QRandomGenerator grain(dark ? 7 : 11);
    for (int line = 0; line < 90; ++line) {
        const int y = int(grain.bounded(256));
        const QColor streak = line % 3 ? base.darker(115 + int(grain.bounded(30))) : base.lighter(110);
        painter.setPen(QPen(streak, 1 + grain.bounded(2)));
        QPainterPath path(QPointF(0, y));
        path.cubicTo(85, y + grain.bounded(9) - 4, 170, y + grain.bounded(9) - 4, 256, y);
        painter.drawPath(path);
    }
    return image;
}

QImage PenduScene::CardBackTexture()
{
    QImage image(60, 120, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(image.rect(), QColor(0x1A, 0x3A, 0x8A));
    painter.setPen(QPen(QColor(0xE8, 0xD8, 0xA0), 2));
    for (int d = -120; d < 120; d += 10) {
        painter.drawLine(d, 0, d + 120, 120);
        painter.drawLine(d + 120, 0, d, 120);
    }
    painter.setPen(QPen(Qt::white, 4));
    painter.drawRect(image.rect().adjusted(2, 2, -3, -3));
    return image;
}

QImage PenduScene::PileTexture()
{
    QImage image(128, 64, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(image.rect(), QColor(0xF4, 0xF0, 0xE4));
    painter.setPen(QColor(0xB0, 0xA8, 0x98));
    for (int y = 2; y < 64; y += 4)
        painter.drawLine(0, y, 128, y);
    return image;
}

QImage PenduScene::CandleTexture()
{
    QImage image(64, 128, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient wax(0, 0, 64, 0);
    wax.setColorAt(0, QColor(0xE8, 0xDC, 0xB8));
    wax.setColorAt(0.5, QColor(0xFF, 0xF8, 0xE4));
    wax.setColorAt(1, QColor(0xE0, 0xD0, 0xA8));
    painter.fillRect(image.rect(), wax);
    return image;
}

QImage PenduScene::FlameTexture(int frame)
{
    QImage image(64, 64, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // Each frame leans and stretches a little differently: the flame flickers.
    const double lean = (frame - 2.5) * 2.5, stretch = 1.0 + 0.06 * (frame % 3);
    QRadialGradient glow(32 + lean, 40, 28);
    glow.setColorAt(0, QColor(255, 255, 210, 255));
    glow.setColorAt(0.35, QColor(255, 200, 60, 230));
    glow.setColorAt(0.7, QColor(230, 90, 10, 120));
    glow.setColorAt(1, QColor(120, 20, 0, 0));
    painter.setBrush(glow);
    painter.setPen(Qt::NoPen);
    painter.translate(32, 40);
    painter.scale(0.7, stretch);
    painter.drawEllipse(QPointF(lean, -4), 26, 30);
    return image;
}

QImage PenduScene::FaceTexture()
{
    QImage image(128, 64, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(image.rect(), QColor(0xF0, 0xC8, 0xA0));
    // The face wraps around the head: eyes and mouth at its middle.
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPointF(56, 26), 4, 5);
    painter.drawEllipse(QPointF(72, 26), 4, 5);
    painter.setPen(QPen(QColor(0x80, 0x20, 0x20), 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(54, 36, 20, 12), 0, 180 * 16);
    return image;
}

} // namespace pendu
