// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/picture_export.h"

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <QIODevice>

bool WriteJpeg(const QImage &image, QIODevice &out, int quality)
{
    if (image.isNull())
        return false;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);

    jpeg_compress_struct compressor{};
    jpeg_error_mgr errors{};
    compressor.err = jpeg_std_error(&errors);
    // The default error handler ends the process; a compression of an image
    // in memory has no error but "out of memory", which ends us anyway.
    jpeg_create_compress(&compressor);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&compressor, &buffer, &size);
    compressor.image_width = static_cast<JDIMENSION>(rgb.width());
    compressor.image_height = static_cast<JDIMENSION>(rgb.height());
    compressor.input_components = 3;
    compressor.in_color_space = JCS_RGB;
    jpeg_set_defaults(&compressor);
    jpeg_set_quality(&compressor, quality, TRUE);
    jpeg_start_compress(&compressor, TRUE);
    while (compressor.next_scanline < compressor.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(compressor.next_scanline)));
        jpeg_write_scanlines(&compressor, &row, 1);
    }
    jpeg_finish_compress(&compressor);
    jpeg_destroy_compress(&compressor);

    const bool written = out.write(reinterpret_cast<const char *>(buffer), static_cast<qint64>(size)) ==
                         static_cast<qint64>(size);
    std::free(buffer);
    return written;
}

bool WritePicture(const QImage &image, QIODevice &out, int kind)
{
    switch (kind) {
    case int(PictureKind::Jpeg):
        return WriteJpeg(image, out);
    case int(PictureKind::Bitmap):
        return !image.isNull() && image.save(&out, "BMP");
    default:
        return false;
    }
}
