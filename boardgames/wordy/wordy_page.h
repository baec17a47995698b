// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printed page of a Wordy game, drawn in centimetres on an A4 page: the
// white page, the title, the board picture, the players with their scores,
// the moves in as many columns as they need and the date and time.
#include <QDateTime>
#include <QImage>
#include <QString>
#include <QStringList>

class PageCanvas;

namespace wordy_ui {

// Where the parts of the page lie (centimetres).
inline constexpr double kPageBoardLeft = 3;
inline constexpr double kPageBoardTop = 3.5;
inline constexpr double kPageBoardWidth = 8;
inline constexpr double kPagePlayersLeft = 12;
inline constexpr double kPagePlayersTop = 3.5;
inline constexpr double kPageMovesLeft = 2;
inline constexpr double kPageMovesTop = 12;
// A move line that would end lower than this starts a new column.
inline constexpr double kPageMovesBottom = 25;
inline constexpr double kPageStampTop = 27;

// "- 2 Alice : 31pts."
QString PlayerLine(int number, const QString &name, int score);
// "3 - Alice : H 7 ZOO 14 pts."
QString MoveLine(int moveNumber, const QString &playerName, const QString &moveText);

// Draws the page on Target of Canvas. Board is the 520 x 520 board area of
// the game surface; it is drawn 8 cm wide. Now is the date and time printed
// at the bottom right, in the system's short format.
void PrintPage(int target, PageCanvas &canvas, const QImage &board, const QString &title,
               const QStringList &players, const QStringList &moves, const QDateTime &now);

} // namespace wordy_ui
