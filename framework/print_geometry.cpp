// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/print_geometry.h"

#include <cmath>
#include <memory>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QScreen>

namespace {
PrintScaleState state;

// Widest first. The page height in pixels gives the preview scale.
constexpr ScreenRow kScreenRows[] = {
    {1600, 1156, 817, 1156, 18}, {1280, 980, 693, 980, 15}, {1152, 820, 580, 820, 12},
    {1024, 724, 512, 724, 10},   {800, 556, 393, 556, 8},   {640, 436, 308, 436, 6},
};
} // namespace

PrintScaleState &PrintScale()
{
    return state;
}

void ResetPrintScale()
{
    state = PrintScaleState();
}

const ScreenRow &ScreenRowFor(int screenWidth)
{
    for (const ScreenRow &row : kScreenRows)
        if (screenWidth >= row.ScreenWidth)
            return row;
    return kScreenRows[std::size(kScreenRows) - 1];
}

double PrinterScaleFor(int pageWidthDevice)
{
    // Resolution in dots per inch divided by 2.54.
    if (pageWidthDevice > 9000)
        return 1200 / 2.54;
    if (pageWidthDevice > 4000)
        return 600 / 2.54;
    if (pageWidthDevice > 2700)
        return 360 / 2.54;
    if (pageWidthDevice > 1700)
        return 300 / 2.54;
    return 200 / 2.54;
}

void SetupScreenScale(int screenWidth)
{
    const ScreenRow &row = ScreenRowFor(screenWidth);
    state.ScreenScale = row.PageHeight / kPageHeightCm;
    state.PreviewWidth = row.PreviewWidth;
    state.PreviewHeight = row.PreviewHeight;
    state.ScreenFontFactor = row.FontFactor;
}

void SetupPrinterScale(int pageWidthDevice)
{
    state.PrinterScale = PrinterScaleFor(pageWidthDevice);
}

void SetupScale(int target)
{
    if (target == 0) {
        const QScreen *screen = QGuiApplication::primaryScreen();
        SetupScreenScale(screen ? screen->geometry().width() : 0);
    } else if (target == 1) {
        SetupPrinterScale(CurrentPrinter().width());
    }
}

void ApplyPrintOffsetsRule()
{
    if (state.PrinterScale < kLowResolutionPrinterScale) {
        state.PrintOffsetX = 0;
        state.PrintOffsetY = 0;
    }
}

QPrinter &CurrentPrinter()
{
    static std::unique_ptr<QPrinter> printer;
    if (!printer) {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setPageSize(QPageSize(QPageSize::A4));
        printer->setPageOrientation(QPageLayout::Portrait);
        printer->setDocName(QStringLiteral("Ludorine"));
    }
    return *printer;
}

int RoundHalfEven(double value)
{
    return int(std::nearbyint(value));
}

int PreviewUnits(double cm)
{
    return RoundHalfEven(cm * state.ScreenScale);
}

int PrinterUnitsX(double cm)
{
    return RoundHalfEven((cm - state.PrintOffsetX) * state.PrinterScale);
}

int PrinterUnitsY(double cm)
{
    return RoundHalfEven((cm - state.PrintOffsetY) * state.PrinterScale);
}

QRectF BitmapRectCm(QSize bitmap, double x, double y, double width, double height, int hAlign, int vAlign)
{
    const double bw = bitmap.width();
    const double bh = bitmap.height();
    // An empty picture has no proportions: a missing side stays 0.
    const bool proportional = bw > 0 && bh > 0;
    if (width == 0 && height == 0) {
        width = 20;
        height = proportional ? width * bh / bw : 0;
    } else if (width == 0) {
        width = proportional ? height * bw / bh : 0;
    } else if (height == 0) {
        height = proportional ? width * bh / bw : 0;
    }
    double left = x;
    if (hAlign == 1)
        left = x - width / 2;
    else if (hAlign == 2)
        left = x - width;
    double top = y;
    if (vAlign == 1)
        top = y - height / 2;
    else if (vAlign == 2)
        top = y - height;
    return QRectF(left, top, width, height);
}

bool FillGradient(QPainter &dc, const QRect &rect, int steps, const QColor &startColour,
                  const QColor &endColour, int direction)
{
    if (steps < 1)
        return false;
    const int r0 = startColour.red(), g0 = startColour.green(), b0 = startColour.blue();
    const double dr = double(endColour.red() - r0) / steps;
    const double dg = double(endColour.green() - g0) / steps;
    const double db = double(endColour.blue() - b0) / steps;
    const auto component = [](int value) { return ((value % 256) + 256) % 256; };
    const int span = direction == 0 ? rect.height() : rect.width();
    for (int i = 1; i <= steps; ++i) {
        const int from = RoundHalfEven(double(i - 1) * span / steps);
        const int to = RoundHalfEven(double(i) * span / steps);
        const QColor colour(component(r0 + RoundHalfEven(i * dr)), component(g0 + RoundHalfEven(i * dg)),
                            component(b0 + RoundHalfEven(i * db)));
        if (to <= from)
            continue;
        if (direction == 0)
            dc.fillRect(QRect(rect.left(), rect.top() + from, rect.width(), to - from), colour);
        else
            dc.fillRect(QRect(rect.left() + from, rect.top(), to - from, rect.height()), colour);
    }
    return true;
}
