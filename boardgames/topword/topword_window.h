// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TFtopword: the TopWord window on the board-game window layer: TopWord's
// game with its stacks, the geometry of the board size chosen (panels and
// bag on the left, the board on the right), the board in its teal frame,
// the tiles with their red bonus letters, the panels with two last-move
// lines, the text report and the printed page.
#include "boardgames/topword/topword_game.h"
#include "boardgames/topword/topword_geometry.h"
#include "scrabble/windows/board_game_window.h"

class TFtopword : public TFBoardGame {
    Q_OBJECT
public:
    // dictionaryFile: the dictionary the window opens read only; empty for
    // the main window's.
    explicit TFtopword(QWidget *parent = nullptr, const QString &dictionaryFile = QString());

    topword::Game &TopGame() { return GameAs<topword::Game>(); }
    const topword::Game &TopGame() const { return GameAs<topword::Game>(); }
    const topword_ui::Geometry &TopGeometry() const { return GeometryAs<topword_ui::Geometry>(); }

    // Backspace, digits and the letters A to J in either case.
    static bool AcceptedCoordinateKey(const QString &text);
    // Backspace, digits and the letters A to Z in either case.
    static bool AcceptedWordKey(const QString &text);

    QImage MakeBoardPicture() const override;
    void DrawTileFace(QPainter &painter, const QRect &rect, const scrabble::TJeton &tile,
                      const scrabble_ui::TileLook &look) const override;
    void DrawPanels(QPainter &painter) const override;
    bool LoadGame(savefile::TypedReader &reader, const QString &fileName) override;
    void ExportText(QTextStream &out) override;
    void PrintPage(int target, PageCanvas &canvas) override;

protected:
    // The board size and the players chosen in the settings.
    void Configured() override;

private:
    // The geometry follows the game's board and players.
    void FollowGame();
};
