// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers of the Scrabble window tests: ticks driven by the test, the
// screenshots looked at by hand, a game menu as text, and a printed page.
#include "framework/game_window.h"
#include "framework/painter_page_canvas.h"
#include "framework/tick_driver.h"

#include <functional>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QStringList>

namespace window_tests {

inline void FireTicks(TFLudorine &window, int count)
{
    for (int i = 0; i < count; ++i)
        window.Ticks()->fire();
}

// Ticks until `done`, at most `most` of them; whether it came.
inline bool FireTicksUntil(TFLudorine &window, const std::function<bool()> &done, int most)
{
    for (int i = 0; i < most; ++i) {
        if (done())
            return true;
        window.Ticks()->fire();
    }
    return done();
}

inline void SaveScreenshot(const QImage &image, const QString &name)
{
    QDir().mkpath(QStringLiteral(LUDORINE_SCREENSHOT_DIR));
    image.save(QStringLiteral(LUDORINE_SCREENSHOT_DIR "/") + name + QStringLiteral(".png"));
}

inline void SaveScreenshot(QWidget &widget, const QString &name)
{
    SaveScreenshot(widget.grab().toImage(), name);
}

// Pixels of a rectangle that satisfy a test.
template <typename Test> int CountPixels(const QImage &image, const QRect &rect, Test test)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            count += test(image.pixelColor(x, y)) ? 1 : 0;
    return count;
}

// "text|shortcut" for each entry of a menu, separators left out.
inline QStringList MenuEntries(const QMenu &menu)
{
    QStringList entries;
    for (QAction *action : menu.actions())
        if (!action->isSeparator())
            entries << action->text() + QLatin1Char('|') + action->shortcut().toString();
    return entries;
}

// The window's printed page on an A4 PDF printer; the file's bytes.
inline QByteArray PrintToPdf(TFLudorine &window, const QString &file)
{
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setFullPage(true);
        QPainter painter(&printer);
        PainterPageCanvas canvas(painter, printer.resolution() / 2.54);
        window.PrintPage(1, canvas);
    }
    QFile pdf(file);
    return pdf.open(QIODevice::ReadOnly) ? pdf.readAll() : QByteArray();
}

} // namespace window_tests
