// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printed page of the game windows, after the base page: the game's
// picture 8 units wide at (3, 3.5), one line per player from (12, 3.5) in
// "Arial" 12 bold, and the moves from (2, 12) downward, in columns: a line
// that would start below 25 starts a new column one unit right of the widest
// line so far (the moves, or the rounds).
#include <QImage>
#include <QString>
#include <QStringList>

class GameSettings;
class PageCanvas;

struct PrintedLinesFont {
    QString family;
    int size = 9;
    unsigned style = 0;
};

void PrintPicturePlayersAndLines(int target, PageCanvas &canvas, const QImage &board,
                                 const QStringList &players, const QStringList &moves,
                                 const PrintedLinesFont &font);

// "- 1 name : 12pts." for each player of the game.
QStringList PrintedPlayerLines(const GameSettings &settings);
