// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Display texts of the Duplicate window: the columns of the player table,
// the draw clock, the lines of the bag panel and the status line of a board
// square. Pure formatting: the rules give the numbers.
#include <QString>

#include "scrabble/engine/board_layout.h"

namespace scrabble_ui {

// Column " Note" of a player's current row: "123 pts.", followed while some
// move was played (topTotal > 0) by " (%3.2f " with 100 x total / topTotal and
// " %)".
QString CurrentNoteText(int total, int topTotal);
// Column " Note" of a past row: its score.
QString PastNoteText(int score);

// Column "Coup": "?" for a row not played that has no word; otherwise
// Coord1 + " " + Coord2 + " " + Word, followed on a current row by
// " (" + score + ")" when the score is positive.
QString MoveColumnText(bool played, const QString &coord1, const QString &coord2, const QString &word,
                       int score, bool currentRow);

// The time since the deal: "%2.2d:%2.2d:%2.2d." (hours, minutes, seconds);
// hours go on past 99. A negative time reads as 0.
QString DrawClockText(qint64 milliseconds);
// Caption of the "Tirage" panel.
QString DrawCaption(qint64 milliseconds);

// One line of the bag panel per draw: "Tirage n° 3 : EAUNRST".
QString DrawLineText(int drawNumber, const QString &letters);

// What the status line says about a board square. `letter` is ' ' for an
// empty square; `state` is -1 empty, 0 a letter of the proposal shown, 1
// played. For a played square with a move, playedBy, drawNumber and moveText
// tell who played it, when and what.
struct SquareFacts {
    char letter = ' ';
    int state = -1;
    bool joker = false;
    QString playedBy; // empty: no move known
    int drawNumber = -1;
    QString moveText;
};
QString SquareStatusText(int col, int row, scrabble::Premium premium, const SquareFacts &square);

} // namespace scrabble_ui
