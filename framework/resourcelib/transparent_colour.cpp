// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/resourcelib/transparent_colour.h"

QImage WithTransparentColour(const QImage &image, QRgb colour)
{
    if (image.isNull())
        return QImage();
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = colour & 0x00FFFFFFu;
    for (int y = 0; y < result.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            if ((line[x] & 0x00FFFFFFu) == key)
                line[x] = 0;
    }
    return result;
}

QRgb CornerColour(const QImage &image)
{
    if (image.isNull())
        return qRgb(0, 0, 0);
    return image.pixel(0, image.height() - 1);
}
