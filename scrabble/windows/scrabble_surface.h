// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game surface of the classic Scrabble window: the static background
// (a left-to-right gradient with the board picture at (13, 13)), the player
// panels with their racks, the bag area and every tile where it is drawn
// now. It forwards the mouse and the keys to the window.
#include <QImage>
#include <QRect>
#include <QWidget>

class QPainter;
class TFScrabble;

namespace scrabble_ui {

// Panel of player i (1..4) and its parts, in surface pixels.
QRect PlayerPanelRect(int player);
inline constexpr int kBoardX = 13; // top-left corner of the board picture
inline constexpr int kBoardY = 13;
const QRect kBagArea(505, 372, 236, 129); // (505, 372) to (740, 500)

// The static background for a surface size.
QImage SurfaceBackground(const QSize &size, const QImage &boardPicture);
// "hh:mm:ss." for a time in milliseconds.
QString ElapsedText(qint64 ms);

class ScrabbleSurface : public QWidget {
    Q_OBJECT
public:
    explicit ScrabbleSurface(TFScrabble *window);

    void RebuildBackground();
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

    TFScrabble *window_;
    QImage background_;
};

} // namespace scrabble_ui
