// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Hangman card table in the 3D view: builds the round wooden table, the
// card pile, the cards, the rack and its 26 tiles, the candle and the
// gallows once, then shows on every step where the table model puts each
// card and tile, the gallows stages, the candle and its flame.
#include <QImage>
#include <QString>

namespace scene3d {
class SceneView;
}

namespace pendu {

class PenduGame;

class PenduScene {
public:
    explicit PenduScene(scene3d::SceneView &view);

    // Shows the table as the game holds it.
    void Show(const PenduGame &game);
    // The view keys: Left, Right (the table turns), Up, Down (the camera
    // rises or sinks), Home (back to the start).
    void TurnTable(float degrees);
    void RaiseCamera(float units);
    void ResetView();
    float TableTurn() const { return turn_; }
    float CameraHeight() const { return height_; }

    // The textures, drawn in code.
    static QImage LetterTexture(QChar letter); // a blank parchment for ' '
    static QImage WoodTexture(bool dark);
    static QImage CardBackTexture();
    static QImage PileTexture();
    static QImage CandleTexture();
    static QImage FlameTexture(int frame);
    static QImage FaceTexture();

    static const char *const kGallowsParts[12];

private:
    void Build();
    void BuildGallows();
    void PlaceCamera();
    scene3d::SceneView &view_;
    float turn_ = 0;
    float height_ = 1;
    int fittedWidth_ = -1; // the view width the score texts were placed for
};

} // namespace pendu
