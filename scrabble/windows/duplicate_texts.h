// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Display texts of the Duplicate window that are not the game's: the clock
// of the draw. The player table's columns, the draw lines and the squares'
// status come from the rules.
#include <QString>

namespace scrabble_ui {

// The time since the deal: "%2.2d:%2.2d:%2.2d." (hours, minutes, seconds);
// hours go on past 99. A negative time reads as 0.
QString DrawClockText(qint64 milliseconds);
// Caption of the "Tirage" panel.
QString DrawCaption(qint64 milliseconds);

// What the board shows of a square: its letter, -1 empty, 0 a letter of
// the proposal shown, 1 played, and whether a joker stands for the letter.
struct SquareFacts {
    char letter = ' ';
    int state = -1;
    bool joker = false;
    // Drawn as a plain bold letter, without a tile (a letter only shown).
    bool plain = false;
};

} // namespace scrabble_ui
