// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordgames/common/parchment.h"

#include <QLinearGradient>
#include <QPainter>

namespace wordgame_ui {

void PaintParchment(QPainter &painter, const QRect &area, QColor light, QColor dark, QColor frame,
                    int frameWidth)
{
    QLinearGradient shading(area.topLeft(), area.bottomRight());
    shading.setColorAt(0, light);
    shading.setColorAt(1, dark);
    painter.fillRect(area, shading);
    painter.setPen(QPen(frame, frameWidth));
    // The pen is centred on the line: keep the whole frame inside.
    const int inset = (frameWidth + 1) / 2;
    painter.drawRect(area.adjusted(inset, inset, -inset, -inset));
}

QFont BoldSerif(int pixelSize)
{
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setBold(true);
    font.setPixelSize(pixelSize);
    return font;
}

} // namespace wordgame_ui
