// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TFCle: the KeyWord window ("La clé") on the board-game window layer:
// KeyWord's game, a geometry that follows the window's size, the four-colour
// board with its keys, the rack panel of the player to play with the move
// being prepared and "Ok", the players panel, the key-word panel, the
// hatched bag area, the report and the printed page.
#include "scrabble/windows/board_game_window.h"

namespace keyword {
class Game;
}
namespace keyword_ui {
class Geometry;
}

class TFCle : public TFBoardGame {
    Q_OBJECT
public:
    // dictionaryFile: the dictionary the window opens read only; empty for
    // the main window's.
    explicit TFCle(QWidget *parent = nullptr, const QString &dictionaryFile = QString());

    keyword::Game &KeyGame();
    const keyword::Game &KeyGame() const;
    int SquareSize() const;

    QImage MakeBoardPicture() const override;
    void DrawTileFace(QPainter &painter, const QRect &rect, const scrabble::TJeton &tile,
                      const scrabble_ui::TileLook &look) const override;
    void DrawPanels(QPainter &painter) const override;
    QString OtherDescriptionAt(const QPoint &at) const override;
    void SaveGame(savefile::TypedWriter &writer) override;
    void ExportText(QTextStream &out) override;
    void PrintPage(int target, PageCanvas &canvas) override;

    // The next player starts with no move prepared.
    void NextPlayer() override;

protected:
    void Configured() override;
    void LaidOut() override;

private:
    const keyword_ui::Geometry &KeyGeometry() const;
    void DrawPlayers(QPainter &painter) const;
    QImage keyStrip_;
};
