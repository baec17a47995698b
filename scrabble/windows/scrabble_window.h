// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TFScrabble: the window of a classic Scrabble game for one to four players,
// each human or computer, on the board-game window layer: the classic
// board and its geometry, the tile face with the letter values, the text
// report and the printed page.
#include "scrabble/windows/board_game_window.h"

class TFScrabble : public TFBoardGame {
    Q_OBJECT
public:
    // dictionaryFile: the dictionary the window opens read only; empty for
    // the main window's.
    explicit TFScrabble(QWidget *parent = nullptr, const QString &dictionaryFile = QString());

    QImage MakeBoardPicture() const override;
    void DrawTileFace(QPainter &painter, const QRect &rect, const scrabble::TJeton &tile,
                      const scrabble_ui::TileLook &look) const override;
    void ExportText(QTextStream &out) override;
    void PrintPage(int target, PageCanvas &canvas) override;
};
