// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writing a game's picture to a file: JPEG through libjpeg-turbo, or a
// Windows bitmap. Game windows call WritePicture from their ExportPicture.
#include <QImage>

class QIODevice;

enum class PictureKind { Jpeg = 1, Bitmap = 2 };

// JPEG of the image at the given quality (1-100); false on a write error.
bool WriteJpeg(const QImage &image, QIODevice &out, int quality = 90);

// The image in the form of kind 1 (JPEG) or 2 (BMP); false for another kind
// or a write error.
bool WritePicture(const QImage &image, QIODevice &out, int kind);
