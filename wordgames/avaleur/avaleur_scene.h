// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// AvaleurScene: the pictures the game window shows. The window picture
// holds the frame, the current board with its sprites, the word being
// spelt, the score and the lives; a paint redraws only the region the
// sprites marked, unless the game asked for a full repaint.
#include <QImage>
#include <QRegion>
#include <QSize>
#include <string>

namespace avaleur {

class AvaleurGame;

class AvaleurScene {
public:
    explicit AvaleurScene(AvaleurGame &game);

    // The size of the paint box: the frame is centred in it and the board
    // origin follows. A full repaint follows.
    void Resize(QSize client);
    // Brings the window picture up to date; returns the part that changed.
    QRegion Paint();

    const QImage &WindowPicture() const { return window_; }
    const QImage &ScenePicture() const { return scene_; }
    QPoint FrameOrigin() const { return frameOrigin_; }

private:
    void DrawScene(const QRegion &boardRegion);
    void DrawBands();
    void DrawWord(QRegion &changed);
    void DrawScoreAndLives();

    AvaleurGame &game_;
    QImage frame_, letters_, digits_;
    QImage window_, scene_, word_;
    QPoint frameOrigin_;
};

} // namespace avaleur
