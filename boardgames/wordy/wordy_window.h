// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TFWordy: the Wordy window on the board-game window layer: Wordy's rules,
// its geometry (panels on the left, the 13 x 13 board on the right), the
// coloured board and tiles, the coordinate filter (A to M), the report and
// its own printed page.
#include "scrabble/windows/board_game_window.h"

class TFWordy : public TFBoardGame {
    Q_OBJECT
public:
    // dictionaryFile: the dictionary the window opens read only; empty for
    // the main window's.
    explicit TFWordy(QWidget *parent = nullptr, const QString &dictionaryFile = QString());

    // Backspace, digits and the letters A to M in either case.
    static bool AcceptedCoordinateKey(const QString &text);
    // Backspace and the letters A to Z in either case.
    static bool AcceptedWordKey(const QString &text);

    QImage MakeBoardPicture() const override;
    void DrawTileFace(QPainter &painter, const QRect &rect, const scrabble::TJeton &tile,
                      const scrabble_ui::TileLook &look) const override;
    void ExportText(QTextStream &out) override;
    void PrintPage(int target, PageCanvas &canvas) override;
};
