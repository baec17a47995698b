// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/painter_page_canvas.h"

#include <QPainter>

PainterPageCanvas::PainterPageCanvas(QPainter &painter, double pixelsPerCm)
    : painter_(painter), pixelsPerCm_(pixelsPerCm)
{
    SetPreviewPainter(&painter);
    SetPrinterPainter(&painter);
}

PageCanvas::Surface PainterPageCanvas::SurfaceOf(int) const
{
    return {&painter_, pixelsPerCm_, 0, 0};
}

int PainterPageCanvas::FontPixels(int, double points) const
{
    return RoundHalfEven(points * 2.54 / 72 * pixelsPerCm_);
}

QPaintDevice *PainterPageCanvas::PrinterMetricsDevice() const
{
    return painter_.device();
}
