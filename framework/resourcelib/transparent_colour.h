// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pictures drawn on a background colour become sprites by making that colour
// transparent, as the games do with the pictures of the registry.
#include <QImage>

// A copy of image in which every pixel of the given colour (alpha ignored) is
// fully transparent; the other pixels keep their colour and alpha.
QImage WithTransparentColour(const QImage &image, QRgb colour);

// The colour of the bottom-left pixel, the usual choice of transparent colour
// for a picture drawn on a plain background. Black for a null image.
QRgb CornerColour(const QImage &image);
