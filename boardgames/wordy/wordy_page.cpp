// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardgames/wordy/wordy_page.h"

#include <algorithm>
#include <QLocale>

#include "framework/page_canvas.h"

namespace wordy_ui {

QString PlayerLine(int number, const QString &name, int score)
{
    return QStringLiteral("- %1 %2 : %3pts.").arg(number).arg(name).arg(score).trimmed();
}

QString MoveLine(int moveNumber, const QString &playerName, const QString &moveText)
{
    return QStringLiteral("%1 - %2 : %3").arg(moveNumber).arg(playerName, moveText);
}

void PrintPage(int target, PageCanvas &canvas, const QImage &board, const QString &title,
               const QStringList &players, const QStringList &moves, const QDateTime &now)
{
    DrawTitledPage(canvas, target, title);

    const double boardHeight =
        board.width() > 0 ? kPageBoardWidth * board.height() / board.width() : kPageBoardWidth;
    canvas.DrawBitmap(target, board, kPageBoardLeft, kPageBoardTop, kPageBoardWidth, boardHeight, 0, 0);

    canvas.SetFont(target, QStringLiteral("Arial"), Qt::black, 12, FontBold);
    double y = kPagePlayersTop;
    for (const QString &line : players) {
        double below = y;
        canvas.DrawText(target, line, kPagePlayersLeft, y, kPageWidthCm, TextAlign::Left, nullptr, &below);
        y = below;
    }

    canvas.SetFont(target, QStringLiteral("Arial"), Qt::black, 10, FontBold);
    double x = kPageMovesLeft;
    double widest = x;
    y = kPageMovesTop;
    for (const QString &line : moves) {
        // A column holds at least one line, however tall.
        if (y > kPageMovesTop && y + canvas.TextHeightCm(target, line) > kPageMovesBottom) {
            x = widest + 1;
            y = kPageMovesTop;
        }
        double end = x;
        double below = y;
        canvas.DrawText(target, line, x, y, kPageWidthCm, TextAlign::Left, &end, &below);
        widest = std::max(widest, end);
        y = below;
    }

    const QString stamp = QLocale::system().toString(now, QLocale::ShortFormat);
    canvas.DrawText(target, stamp, kPageWidthCm, kPageStampTop, kPageWidthCm, TextAlign::Right);
}

} // namespace wordy_ui
