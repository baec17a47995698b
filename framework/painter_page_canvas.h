// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A page canvas that renders both targets onto one painter at a fixed number
// of device pixels per centimetre, without printer offsets and without the
// program's scale state: used to render a page to a picture.
#include "framework/page_canvas.h"

class PainterPageCanvas : public PageCanvas {
public:
    PainterPageCanvas(QPainter &painter, double pixelsPerCm);

protected:
    Surface SurfaceOf(int target) const override;
    int FontPixels(int target, double points) const override;
    void RefreshPrinterScale() override {}
    QPaintDevice *PrinterMetricsDevice() const override;

private:
    QPainter &painter_;
    double pixelsPerCm_;
};
