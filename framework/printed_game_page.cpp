// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/printed_game_page.h"

#include "framework/config.h"
#include "framework/page_canvas.h"

#include <algorithm>

void PrintPicturePlayersAndLines(int target, PageCanvas &canvas, const QImage &board,
                                 const QStringList &players, const QStringList &moves,
                                 const PrintedLinesFont &font)
{
    const double boardHeight = board.width() > 0 ? 8.0 * board.height() / board.width() : 8.0;
    canvas.DrawBitmap(target, board, 3, 3.5, 8, boardHeight, 0, 0);

    canvas.SetFont(target, QStringLiteral("Arial"), Qt::black, 12, FontBold);
    double y = 3.5;
    for (const QString &line : players) {
        double below = y;
        canvas.DrawText(target, line, 12, y, kPageWidthCm, TextAlign::Left, nullptr, &below);
        y = below;
    }

    canvas.SetFont(target, font.family, Qt::black, font.size, font.style);
    double x = 2;
    double widest = x;
    y = 12;
    for (const QString &line : moves) {
        if (y > 25) {
            x = widest + 1;
            y = 12;
        }
        double end = x;
        double below = y;
        canvas.DrawText(target, line, x, y, kPageWidthCm, TextAlign::Left, &end, &below);
        widest = std::max(widest, end);
        y = below;
    }
}

QStringList PrintedPlayerLines(const GameSettings &settings)
{
    QStringList lines;
    for (int n = 1; n <= settings.PlayerCount; ++n) {
        const Tjoueur &player = settings.Players[std::size_t(n)];
        lines << QStringLiteral("- %1 %2 : %3pts.").arg(n).arg(player.Name).arg(player.Score);
    }
    return lines;
}
