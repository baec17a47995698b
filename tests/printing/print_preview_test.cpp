// SPDX-License-Identifier: GPL-3.0-or-later
// The preview window: its drawing area and caption, printing a page to a
// PDF file, and the pause around the preview.
#include "framework/page_canvas.h"
#include "framework/print_geometry.h"
#include "framework/print_preview.h"
#include "support/test_game_window.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
class PrintPreview : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetPrintScale();
        CurrentPrinter().setOutputFormat(QPrinter::PdfFormat);
        CurrentPrinter().setResolution(1200);
    }
    void TearDown() override { ResetPrintScale(); }

    QByteArray PrintToPdf(TestGameWindow &window, const QString &name)
    {
        const QString file = dir.filePath(name);
        TFPrint preview;
        preview.GameWindow = &window;
        int asked = 0;
        preview.confirmPrinter = [&](QPrinter &printer) {
            ++asked;
            printer.setOutputFileName(file);
            return true;
        };
        QTest::mouseClick(preview.PrintButton(), Qt::LeftButton);
        EXPECT_EQ(asked, 1);
        QFile pdf(file);
        return pdf.open(QIODevice::ReadOnly) ? pdf.readAll() : QByteArray();
    }

    QTemporaryDir dir;
};

// Pixels of the preview area that are mostly blue (the title) or dark (the footer).
int CountPixels(const QImage &image, const QRect &area, bool blue)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (blue ? c.blue() > 150 && c.red() < 100 && c.green() < 100 : qGray(c.rgb()) < 200)
                ++count;
        }
    return count;
}
} // namespace

TEST_F(PrintPreview, PreviewShowsTheHeaderAtItsPlaceAndTakesTheCaption)
{
    TestGameWindow window(QStringLiteral("Scrabble"));
    window.setWindowTitle(QStringLiteral("Scrabble (partie.Ldr)"));
    TFPrint preview;
    preview.GameWindow = &window;
    ASSERT_GT(PrintScale().ScreenScale, 0); // every screen gets a scale
    EXPECT_EQ(preview.appercu()->size(), QSize(PrintScale().PreviewWidth, PrintScale().PreviewHeight));
    preview.show();
    const QImage page = preview.appercu()->grab().toImage();
    EXPECT_EQ(preview.windowTitle(), QStringLiteral("Apperçu : Scrabble (partie.Ldr)"));
    QDir().mkpath(QStringLiteral(SCREENSHOT_DIR));
    page.save(QStringLiteral(SCREENSHOT_DIR "/preview_page.png"));
    preview.grab().save(QStringLiteral(SCREENSHOT_DIR "/preview_window.png"));

    // The title, blue, centred under the top edge; the footer at 2 cm, 27 cm.
    const int cm = PreviewUnits(1);
    EXPECT_GT(CountPixels(page, QRect(PreviewUnits(7), cm, PreviewUnits(7), cm * 3 / 2), true), 20);
    EXPECT_EQ(CountPixels(page, QRect(0, 0, PreviewUnits(21), cm - 1), true), 0);
    EXPECT_GT(CountPixels(page, QRect(PreviewUnits(2), PreviewUnits(27), PreviewUnits(4), cm / 2), false), 5);
    EXPECT_EQ(CountPixels(page, QRect(0, PreviewUnits(27), PreviewUnits(2) - 1, cm / 2), false), 0);
}

TEST_F(PrintPreview, PrintingWritesOneA4PageAndKeepsTheWindowOpen)
{
    TestGameWindow window(QStringLiteral("Pendu"));
    const QByteArray pdf = PrintToPdf(window, QStringLiteral("page.pdf"));
    ASSERT_TRUE(pdf.startsWith("%PDF")) << pdf.left(20).toStdString();
    QDir().mkpath(QStringLiteral(SCREENSHOT_DIR));
    QFile keep(QStringLiteral(SCREENSHOT_DIR "/page.pdf"));
    if (keep.open(QIODevice::WriteOnly))
        keep.write(pdf);
    const QString text = QString::fromLatin1(pdf);
    EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b(?!s)"))), 1);
    EXPECT_TRUE(
        text.contains(QRegularExpression(QStringLiteral("/MediaBox \\[0 0 595\\.\\d+ 84[12]\\.\\d+\\]"))));
    // The offsets are the PDF page's margins: the page lands where it is drawn.
    const QMarginsF margins = CurrentPrinter().pageLayout().margins(QPageLayout::Millimeter);
    EXPECT_NEAR(margins.left(), 4.5, 0.01);
    EXPECT_NEAR(margins.top(), 5, 0.01);
    EXPECT_DOUBLE_EQ(PrintScale().PrinterScale, 1200 / 2.54);
    EXPECT_DOUBLE_EQ(PrintScale().PrintOffsetX, 0.45);
}

TEST_F(PrintPreview, PrintingOnALowResolutionPrinterDropsTheOffsetsForLaterPrints)
{
    TestGameWindow window(QStringLiteral("Wordy"));
    CurrentPrinter().setResolution(200);
    EXPECT_TRUE(PrintToPdf(window, QStringLiteral("low.pdf")).startsWith("%PDF"));
    EXPECT_DOUBLE_EQ(PrintScale().PrinterScale, 200 / 2.54);
    EXPECT_EQ(PrintScale().PrintOffsetX, 0);
    EXPECT_EQ(PrintScale().PrintOffsetY, 0);
    CurrentPrinter().setResolution(1200);
    EXPECT_TRUE(PrintToPdf(window, QStringLiteral("high.pdf")).startsWith("%PDF"));
    EXPECT_EQ(PrintScale().PrintOffsetX, 0);
    EXPECT_NEAR(CurrentPrinter().pageLayout().margins(QPageLayout::Millimeter).left(), 0, 0.01);
}

TEST_F(PrintPreview, CancelledPrintDialogPrintsNothing)
{
    TestGameWindow window(QStringLiteral("Pendu"));
    const QString file = dir.filePath(QStringLiteral("none.pdf"));
    CurrentPrinter().setOutputFileName(file);
    TFPrint preview;
    preview.GameWindow = &window;
    preview.confirmPrinter = [](QPrinter &) { return false; };
    QTest::mouseClick(preview.PrintButton(), Qt::LeftButton);
    EXPECT_FALSE(QFile::exists(file));
}

TEST_F(PrintPreview, ShowPrintPreviewPausesTheGameWhileItIsOpen)
{
    TestGameWindow window(QStringLiteral("TopWord"));
    bool pausedDuring = false;
    QString caption;
    QTimer::singleShot(0, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        ASSERT_TRUE(qobject_cast<TFPrint *>(modal));
        pausedDuring = window.Paused;
        static_cast<TFPrint *>(modal)->appercu()->repaint();
        caption = modal->windowTitle();
        static_cast<TFPrint *>(modal)->reject();
    });
    ShowPrintPreview(&window);
    EXPECT_TRUE(pausedDuring);
    EXPECT_FALSE(window.Paused);
    EXPECT_EQ(caption, QStringLiteral("Apperçu : TopWord"));

    window.Paused = true;
    QTimer::singleShot(0, [] { static_cast<QDialog *>(QApplication::activeModalWidget())->reject(); });
    ShowPrintPreview(&window);
    EXPECT_TRUE(window.Paused);
}
