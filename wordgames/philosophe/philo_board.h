// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 3D board of Philosophe: the background, the board plane with its
// letter slots, the blinking cursor, the rows of the round's proposals with
// their marks, the validate button, and the players' names and scores over
// the scene. It builds the scene once and shows the game's state on demand.
#include <QImage>

namespace scene3d {
class SceneView;
}
class GameSettings;

namespace philo {

class PhiloGame;

class PhiloBoard {
public:
    explicit PhiloBoard(scene3d::SceneView &view);

    // Shows the slots, the rows and the scores as the game holds them.
    void Show(const PhiloGame &game, const GameSettings &settings);
    // The cursor blinks: one call per tick.
    void Blink(const PhiloGame &game);
    // The button jumps up when a proposal is validated...
    void ButtonJump();
    // ...and sinks back by the scene time elapsed, on every animation step.
    void ButtonStep(double elapsedSeconds);
    double ButtonDepth() const { return buttonZ_; }

    static constexpr int kRows = 12;
    static constexpr float kButtonRest = 2.0f;

    // The textures, drawn in code.
    static QImage BackgroundTexture();
    static QImage BoardTexture();
    static QImage ButtonTexture();

private:
    void Build();
    scene3d::SceneView &view_;
    double buttonZ_ = kButtonRest;
    bool cursorShown_ = true;
    int fittedWidth_ = -1; // the view width the players' texts were placed for
};

} // namespace philo
