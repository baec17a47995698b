// SPDX-License-Identifier: GPL-3.0-or-later
// Scale tables, centimetre conversions and offsets, bitmap sizes, text
// alignments and gradient bands.
#include "framework/page_canvas.h"
#include "framework/painter_page_canvas.h"
#include "framework/print_geometry.h"

#include <gtest/gtest.h>
#include <QImage>
#include <QPainter>
#include <set>

namespace {
class PrintGeometry : public ::testing::Test {
protected:
    void SetUp() override { ResetPrintScale(); }
    void TearDown() override { ResetPrintScale(); }
};

// The columns of Image that hold a pixel darker than mid-grey.
std::pair<int, int> InkColumns(const QImage &image)
{
    int first = image.width(), last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}
} // namespace

TEST_F(PrintGeometry, ScreenRowsAndTheNearestRowBelow)
{
    EXPECT_EQ(ScreenRowFor(1280).PreviewWidth, 693);
    EXPECT_EQ(ScreenRowFor(1366).ScreenWidth, 1280);
    EXPECT_EQ(ScreenRowFor(1920).ScreenWidth, 1600);
    EXPECT_EQ(ScreenRowFor(2560).PageHeight, 1156);
    EXPECT_EQ(ScreenRowFor(1599).ScreenWidth, 1280);
    EXPECT_EQ(ScreenRowFor(320).ScreenWidth, 640); // narrower than every row

    SetupScreenScale(1366);
    EXPECT_DOUBLE_EQ(PrintScale().ScreenScale, 980 / 29.7);
    EXPECT_EQ(PrintScale().PreviewWidth, 693);
    EXPECT_EQ(PrintScale().PreviewHeight, 980);
    EXPECT_EQ(PrintScale().ScreenFontFactor, 15);
    EXPECT_EQ(PreviewUnits(2), 66);
    EXPECT_EQ(PreviewUnits(29.7), 980);
}

TEST_F(PrintGeometry, PrinterTableBoundaries)
{
    EXPECT_DOUBLE_EQ(PrinterScaleFor(9001), 1200 / 2.54);
    EXPECT_DOUBLE_EQ(PrinterScaleFor(9000), 600 / 2.54);
    EXPECT_DOUBLE_EQ(PrinterScaleFor(4001), 600 / 2.54);
    EXPECT_DOUBLE_EQ(PrinterScaleFor(4000), 360 / 2.54);
    EXPECT_DOUBLE_EQ(PrinterScaleFor(2701), 360 / 2.54);
    EXPECT_DOUBLE_EQ(PrinterScaleFor(2700), 300 / 2.54);
    EXPECT_DOUBLE_EQ(PrinterScaleFor(1701), 300 / 2.54);
    EXPECT_DOUBLE_EQ(PrinterScaleFor(1700), 200 / 2.54);
    EXPECT_NEAR(PrinterScaleFor(4800), 236.22047244094, 1e-9);
}

TEST_F(PrintGeometry, PrinterOffsetsAndTheLowResolutionRule)
{
    SetupPrinterScale(4800); // 600 dpi
    // 2 cm from the page edge is 1.55 cm from the printable area's edge.
    EXPECT_EQ(PrinterUnitsX(2), RoundHalfEven(1.55 * 600 / 2.54));
    EXPECT_EQ(PrinterUnitsY(2), RoundHalfEven(1.5 * 600 / 2.54));
    ApplyPrintOffsetsRule();
    EXPECT_DOUBLE_EQ(PrintScale().PrintOffsetX, 0.45);

    SetupPrinterScale(1600); // 200 dpi
    ApplyPrintOffsetsRule();
    EXPECT_EQ(PrintScale().PrintOffsetX, 0);
    EXPECT_EQ(PrintScale().PrintOffsetY, 0);
    // For the rest of the run, whatever the printer.
    SetupPrinterScale(4800);
    ApplyPrintOffsetsRule();
    EXPECT_EQ(PrinterUnitsX(2), RoundHalfEven(2 * 600 / 2.54));
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
}

TEST_F(PrintGeometry, BitmapSizesFollowTheProportions)
{
    const QSize square(486, 486), wide(400, 200);
    EXPECT_EQ(BitmapRectCm(square, 3, 4, 8, 0, 0, 0), QRectF(3, 4, 8, 8));
    EXPECT_EQ(BitmapRectCm(wide, 3, 4, 0, 0, 0, 0), QRectF(3, 4, 20, 10));
    EXPECT_EQ(BitmapRectCm(wide, 3, 4, 0, 5, 0, 0), QRectF(3, 4, 10, 5));
    EXPECT_EQ(BitmapRectCm(wide, 3, 4, 6, 6, 0, 0), QRectF(3, 4, 6, 6)); // stretched
    EXPECT_EQ(BitmapRectCm(wide, 10.5, 10, 8, 0, 1, 2), QRectF(6.5, 6, 8, 4));
    EXPECT_EQ(BitmapRectCm(wide, 20, 10, 8, 0, 2, 1), QRectF(12, 8, 8, 4));
    EXPECT_EQ(BitmapRectCm(QSize(), 1, 1, 0, 0, 0, 0), QRectF(1, 1, 20, 0)); // no picture, no division

    // Drawn on a page: the square lands where its outputs say.
    QImage page(210, 297, QImage::Format_RGB32);
    page.fill(Qt::white);
    QImage picture(486, 486, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter painter(&page);
    PainterPageCanvas canvas(painter, 10);
    double xEnd = 0, yEnd = 0;
    canvas.DrawBitmap(1, picture, 2, 3, 8, 0, 0, 0, &xEnd, &yEnd);
    painter.end();
    EXPECT_DOUBLE_EQ(xEnd, 10);
    EXPECT_DOUBLE_EQ(yEnd, 11);
    EXPECT_EQ(InkColumns(page), std::make_pair(20, 99));
    EXPECT_EQ(qGray(page.pixel(50, 29)), 255);
    EXPECT_EQ(qGray(page.pixel(50, 30)), 0);
    EXPECT_EQ(qGray(page.pixel(50, 109)), 0);
    EXPECT_EQ(qGray(page.pixel(50, 110)), 255);
}

TEST_F(PrintGeometry, TextAlignmentsAndJustification)
{
    QImage page(420, 200, QImage::Format_RGB32);
    QPainter painter(&page);
    PainterPageCanvas canvas(painter, 20); // 21 cm = 420 px
    canvas.SetBrush(1, Qt::white, BrushStyle::Clear);
    canvas.SetFont(1, QStringLiteral("DejaVu Sans"), Qt::black, 24, FontBold);
    const QString text = QStringLiteral("MOTS");
    const double width = canvas.TextWidthCm(1, text);
    ASSERT_GT(width, 1.0);
    double xEnd = 0, yBelow = 0;

    page.fill(Qt::white);
    canvas.DrawText(1, text, 21, 1, 21, TextAlign::Right, &xEnd, &yBelow);
    EXPECT_NEAR(xEnd, 21, 1e-9);
    EXPECT_NEAR(yBelow, 1 + canvas.TextHeightCm(1, text), 1e-9);
    auto ink = InkColumns(page);
    EXPECT_GE(ink.second, 420 - 8); // ends at the page's right edge
    EXPECT_NEAR(ink.first, (21 - width) * 20, 8);

    page.fill(Qt::white);
    canvas.DrawText(1, text, 10.5, 1, 21, TextAlign::Center, &xEnd, &yBelow);
    EXPECT_NEAR(xEnd, 10.5 + width / 2, 1e-9);
    ink = InkColumns(page);
    EXPECT_NEAR((ink.first + ink.second) / 2.0, 210, 6);

    // Justified: the characters spread up to the right limit.
    page.fill(Qt::white);
    canvas.DrawText(1, text, 2, 1, 18, TextAlign::Justify, &xEnd, &yBelow);
    EXPECT_NEAR(xEnd, 18, 0.05);
    ink = InkColumns(page);
    EXPECT_NEAR(ink.first, 40, 6);
    EXPECT_GT(ink.second, 18 * 20 - (width / 4 + (16 - width) / 4) * 20);
    // Too narrow a space: justified acts as left-aligned.
    canvas.DrawText(1, text, 2, 1, 2.5, TextAlign::Justify, &xEnd, &yBelow);
    EXPECT_NEAR(xEnd, 2 + width, 1e-9);
    // An empty text: nothing moves, its height is that of "T".
    canvas.DrawText(1, QString(), 5, 3, 21, TextAlign::Justify, &xEnd, &yBelow);
    EXPECT_EQ(xEnd, 5);
    EXPECT_NEAR(yBelow, 3 + canvas.TextHeightCm(1, QStringLiteral("T")), 1e-9);
    // Other targets draw nothing.
    page.fill(Qt::white);
    canvas.DrawText(2, text, 2, 1, 21, TextAlign::Left, &xEnd, &yBelow);
    EXPECT_EQ(InkColumns(page).second, -1);
    EXPECT_EQ(canvas.TextWidthCm(5, text), 0);
}

TEST_F(PrintGeometry, PreviewPlacesCharactersWithThePrinterMetrics)
{
    SetupScreenScale(1280);
    // A printer at 1200 dpi, measured on a picture of that resolution.
    QImage printerPage(100, 100, QImage::Format_RGB32);
    printerPage.setDotsPerMeterX(47244);
    printerPage.setDotsPerMeterY(47244);
    PrintScale().PrinterScale = 1200 / 2.54;
    class FixedPrinterCanvas : public PageCanvas {
        void RefreshPrinterScale() override {}
    } canvas;
    canvas.SetMetricsDevice(&printerPage);
    QImage preview(PrintScale().PreviewWidth, 200, QImage::Format_RGB32);
    preview.fill(Qt::white);
    QPainter painter(&preview);
    canvas.SetPreviewPainter(&painter);
    canvas.SetFont(0, QStringLiteral("DejaVu Serif"), Qt::black, 12);
    const QString text = QStringLiteral("Il était une fois");
    double xEnd = 0, yBelow = 0;
    canvas.DrawText(0, text, 2, 1, 21, TextAlign::Left, &xEnd, &yBelow);
    double sum = 0;
    for (const QChar c : text)
        sum += canvas.TextWidthCm(1, QString(c));
    EXPECT_NEAR(xEnd, 2 + sum, 1e-9);
    EXPECT_NEAR(yBelow, 1 + canvas.TextHeightCm(0, text), 1e-9);
    painter.end();
    const auto ink = InkColumns(preview);
    EXPECT_NEAR(ink.first, PreviewUnits(2), 3);
    EXPECT_NEAR(ink.second, PreviewUnits(xEnd), 6);
}

TEST_F(PrintGeometry, GradientBands)
{
    QImage image(60, 300, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    EXPECT_FALSE(FillGradient(painter, image.rect(), 0, Qt::white, Qt::blue, 0));
    ASSERT_TRUE(FillGradient(painter, image.rect(), 30, Qt::white, QColor(0, 0, 255), 0));
    painter.end();
    std::set<QRgb> bands;
    for (int y = 0; y < 300; ++y) {
        const QRgb colour = image.pixel(30, y);
        EXPECT_EQ(colour, image.pixel(0, y));
        EXPECT_NE(colour, QColor(Qt::white).rgb());
        bands.insert(colour);
        // Band i covers rows [(i-1)*10, i*10): its colour is i steps from white.
        const int i = y / 10 + 1;
        EXPECT_EQ(qRed(colour), 255 + RoundHalfEven(i * -255.0 / 30)) << y;
    }
    EXPECT_EQ(bands.size(), 30u);
    EXPECT_EQ(image.pixel(0, 299), QColor(0, 0, 255).rgb());

    // Left to right, inside the rectangle only.
    QImage wide(100, 10, QImage::Format_RGB32);
    wide.fill(Qt::black);
    QPainter again(&wide);
    ASSERT_TRUE(FillGradient(again, QRect(10, 0, 80, 10), 4, QColor(0, 0, 0), QColor(200, 100, 40), 1));
    again.end();
    EXPECT_EQ(wide.pixel(9, 5), QColor(Qt::black).rgb());
    EXPECT_EQ(wide.pixel(10, 5), QColor(50, 25, 10).rgb());
    EXPECT_EQ(wide.pixel(89, 5), QColor(200, 100, 40).rgb());
    EXPECT_EQ(wide.pixel(90, 5), QColor(Qt::black).rgb());
}
