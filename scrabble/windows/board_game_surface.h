// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game surface of the board-game windows: the static background (a
// left-to-right gradient with the board picture where the geometry puts it),
// the player panels with their racks, the bag area and every tile where it is
// drawn now, each with the game's tile face. It forwards the mouse and the
// keys to the window.
#include <QImage>
#include <QRect>
#include <QWidget>

class QPainter;
class TFBoardGame;

namespace scrabble_ui {

// The static background for a surface size, the board picture at `at`.
QImage SurfaceBackground(const QSize &size, const QImage &boardPicture, const QPoint &at);
// "hh:mm:ss." for a time in milliseconds.
QString ElapsedText(qint64 ms);

class BoardGameSurface : public QWidget {
    Q_OBJECT
public:
    explicit BoardGameSurface(TFBoardGame *window);

    void RebuildBackground();
    // The classic player panels with their racks, and the bag area.
    void DrawPlayerPanels(QPainter &painter) const;
    // Draws the whole frame: background, panels, bag area and tiles.
    void Compose(QPainter &painter) const;
    // The composed frame at the surface's size (at least the drawing's size).
    QImage Picture() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool event(QEvent *event) override;

private:
    void DrawPlayerPanel(QPainter &painter, int player) const;
    QSize PictureSize() const;
    QPoint BoardAt() const;

    TFBoardGame *window_;
    QImage background_;
};

} // namespace scrabble_ui
