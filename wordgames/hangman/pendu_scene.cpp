// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordgames/hangman/pendu_scene.h"

#include <algorithm>
#include <cmath>

#include "framework/config.h"
#include "wordgames/hangman/pendu_game.h"
#include "wordgames/scene3d/scene_view.h"

namespace pendu {

using scene3d::Vec3;

const char *const PenduScene::kGallowsParts[12] = {"Socle", "Potence1", "Potence2", "Potence3",
                                                   "Corde", "Tete",     "Corps1",   "Corps2",
                                                   "Bras1", "Bras2",    "Pied1",    "Pied2"};

namespace {
QString Q(const std::string &text)
{
    return QString::fromStdString(text);
}

QString CardGroup(int card)
{
    return QStringLiteral("carteg%1").arg(card);
}

// A card lies flat; its turn flips it over its long side: 50 degrees shows
// its face, 230 its back, and the values between turn it in the air.
Vec3 CardFlip(const Vec3 &angles)
{
    return {0, angles.y - 50, angles.z};
}
} // namespace

PenduScene::PenduScene(scene3d::SceneView &view) : view_(view)
{
    Build();
}

void PenduScene::Build()
{
    scene3d::SceneView &v = view_;
    v.SetBackground(Qt::black);
    v.SetFog(QColor::fromRgbF(0.18f, 0.31f, 0.18f), 1, 25);
    for (char c = 'A'; c <= 'Z'; ++c)
        v.AddTexture(Q(TileName(c)), LetterTexture(QChar::fromLatin1(c)));
    v.AddTexture(QStringLiteral("Lettre_vide"), LetterTexture(QLatin1Char(' ')));
    v.AddTexture(QStringLiteral("Bois"), WoodTexture(false));
    v.AddTexture(QStringLiteral("Bois1"), WoodTexture(true));
    v.AddTexture(QStringLiteral("DosCarte"), CardBackTexture());
    v.AddTexture(QStringLiteral("Cartes"), PileTexture());
    v.AddTexture(QStringLiteral("Bougie"), CandleTexture());
    v.AddTexture(QStringLiteral("Visage1"), FaceTexture());
    for (int frame = 1; frame <= 4; ++frame)
        v.AddTexture(QStringLiteral("Flamme%1").arg(frame), FlameTexture(frame));

    v.AddGroup(QStringLiteral("DummyCube1"), QString(), {0, 0, 0});
    v.AddLight(QStringLiteral("Lumiere"), QString(), {2.5f, 4, 4}, QColor(255, 246, 230));
    BuildGallows();

    const QString table = QStringLiteral("Table");
    v.AddCone(table, QStringLiteral("DummyCube1"), {0, -1, 0}, 3.3f, 3.3f, 0.2f, QStringLiteral("Bois"),
              Qt::white, 64);
    v.AddBox(QStringLiteral("Pioche"), table, {1, 0.18f, -1.8f}, {1, 0.15f, 0.5f}, QStringLiteral("Cartes"),
             Qt::white, {0, 49, 0});
    v.AddPlane(QStringLiteral("DosPioche"), QStringLiteral("Pioche"), {0, 0.076f, 0}, 1, 0.5f,
               QStringLiteral("DosCarte"), Qt::white, {-90, 0, 0});
    v.AddBox(QStringLiteral("reglette"), table, {1.8f, 0.15f, 1.8f}, {4, 0.1f, 0.2f}, QStringLiteral("Bois1"),
             Qt::white, {0, 45, 0});
    v.AddBox(QStringLiteral("Dos"), QStringLiteral("reglette"), {0, 0.22f, -0.08f}, {4, 0.3f, 0.1f},
             QStringLiteral("Bois1"));
    for (int i = 1; i <= kLetters; ++i) {
        const char letter = char('A' + i - 1);
        v.AddBox(Q(TileName(letter)), QStringLiteral("Dos"), PenduTable::SlotPlace(i), {0.15f, 0.3f, 0.03f},
                 Q(TileName(letter)), Qt::white, PenduTable::SlotAngles(i));
    }
    // The candle: its holder, the body that sinks, the wick and the flame.
    v.AddGroup(QStringLiteral("Bougie1"), table, {-2.5f, 0.15f, 0});
    v.AddCone(QStringLiteral("bougeoir"), QStringLiteral("Bougie1"), {0, -0.02f, 0}, 0.3f, 0.25f, 0.06f,
              QStringLiteral("Bois1"));
    v.AddCone(QStringLiteral("fut"), QStringLiteral("Bougie1"), {0, 0, 0}, 0.12f, 0.09f, 1.5f,
              QStringLiteral("Bougie"));
    v.AddLines(QStringLiteral("meche1"), QStringLiteral("fut"), {{0, 0.75f, 0}, {0.01f, 0.85f, 0}}, Qt::black,
               2);
    v.AddLines(QStringLiteral("meche2"), QStringLiteral("fut"), {{0.01f, 0.85f, 0}, {-0.01f, 0.9f, 0}},
               Qt::black, 1);
    v.AddSprite(QStringLiteral("Flamme"), QStringLiteral("fut"), {0, 0.95f, 0}, 0.4f, 0.4f,
                QStringLiteral("Flamme1"), 0.4f, true);
    v.SetPickable(QStringLiteral("Flamme"), false);

    for (int n = 1; n <= kCards; ++n) {
        v.AddGroup(CardGroup(n), table, PenduTable::PilePlace(), {-90, 0, 0});
        v.AddPlane(Q(CardName(n)), CardGroup(n), {0, 0, 0}, 0.49f, 0.99f, QStringLiteral("Lettre_vide"));
        v.AddPlane(Q(CardBackName(n)), Q(CardName(n)), {0, 0, -0.002f}, 0.49f, 0.99f,
                   QStringLiteral("DosCarte"), Qt::white, {0, 180, 0});
        v.SetVisible(CardGroup(n), false);
    }

    v.AddCone(QStringLiteral("projecteur"), QStringLiteral("DummyCube1"), {-1.5f, 4.1f, -1.5f}, 1.4f, 0, 10,
              QString(), QColor(255, 150, 40));
    v.SetBlending(QStringLiteral("projecteur"), 0.25f, true);
    v.SetPickable(QStringLiteral("projecteur"), false);
    v.SetVisible(QStringLiteral("projecteur"), false);

    v.AddOverlayText(QStringLiteral("HUDText1"), {5, 10}, QString(), QColor(255, 230, 160), 18);
    for (int player = 1; player <= 4; ++player) {
        const QString name = QStringLiteral("ScoreJ%1").arg(player);
        v.AddOverlayText(name, {500, 10 + 20 * (player - 1)}, QString(), QColor(220, 240, 200), 16);
        v.SetVisible(name, false);
    }
    v.AddOverlayText(QStringLiteral("HUDPause"), {200, 200}, QStringLiteral("PAUSE"), QColor(255, 80, 40),
                     64);
    v.SetVisible(QStringLiteral("HUDPause"), false);
    PlaceCamera();
}

void PenduScene::BuildGallows()
{
    scene3d::SceneView &v = view_;
    const QColor wood(0x8A, 0x5A, 0x30);
    v.AddBox(QStringLiteral("Socle"), QStringLiteral("DummyCube1"), {-0.99f, -0.8f, -1.7f}, {1, 0.2f, 1},
             QStringLiteral("Bois1"));
    v.AddCone(QStringLiteral("Potence1"), QStringLiteral("Socle"), {0, 0.75f, 0}, 0.1f, 0.1f, 1.5f,
              QStringLiteral("Bois1"), wood);
    // The beam: its far end (x = 0.45 in its frame) holds the rope.
    v.AddCylinder(QStringLiteral("Potence2"), QStringLiteral("Potence1"), {0.4f, 0.75f, 0}, 0.07f, 1, wood);
    v.AddCylinder(QStringLiteral("Potence3"), QStringLiteral("Potence2"), {-0.2f, -0.2f, 0}, 0.07f, 0.5f,
                  wood, {0, 0, 45});
    v.AddLines(QStringLiteral("Corde"), QStringLiteral("Potence2"), {{0.45f, 0, 0}, {0.45f, -0.3f, 0}},
               Qt::white, 2);
    v.AddSphere(QStringLiteral("Tete"), QStringLiteral("Potence2"), {0.45f, -0.45f, 0}, 0.15f,
                QStringLiteral("Visage1"));
    v.AddCone(QStringLiteral("Corps1"), QStringLiteral("Tete"), {0, -0.35f, 0}, 0.2f, 0.05f, 0.4f, QString(),
              QColor(40, 70, 200));
    v.AddLineStrip(QStringLiteral("Bras1"), QStringLiteral("Corps1"),
                   {{0, 0.12f, 0}, {0.18f, 0, 0}, {0.28f, -0.2f, 0}}, QColor(240, 200, 160), 3);
    v.AddLineStrip(QStringLiteral("Bras2"), QStringLiteral("Corps1"),
                   {{-0.03f, 0.14f, 0.02f}, {-0.2f, 0.02f, 0.02f}, {-0.3f, -0.2f, 0.02f}},
                   QColor(240, 200, 160), 4);
    v.AddSphere(QStringLiteral("Corps2"), QStringLiteral("Corps1"), {0, -0.2f, 0}, 0.2f, QString(),
                QColor(200, 30, 30), true, {180, 0, 0});
    // The hips are turned over (the dome hangs down): in their frame the
    // legs go up.
    v.AddLines(QStringLiteral("Pied1"), QStringLiteral("Corps2"), {{0.08f, 0.1f, 0}, {0.2f, 0.6f, 0}},
               QColor(90, 60, 40), 5);
    v.AddLines(QStringLiteral("Pied2"), QStringLiteral("Corps2"), {{-0.08f, 0.1f, 0}, {-0.2f, 0.6f, 0}},
               QColor(90, 60, 40), 5);
    for (const char *part : kGallowsParts)
        v.SetVisible(QString::fromLatin1(part), false);
}

void PenduScene::PlaceCamera()
{
    // Wide enough to take in the whole table from the guesser's seat.
    view_.SetCamera({0, height_ + 0.6f, 5.2f}, {0, -0.6f, 0}, {0, 1, 0}, 62);
    view_.SetRotation(QStringLiteral("DummyCube1"), {0, turn_, 0});
}

void PenduScene::TurnTable(float degrees)
{
    if ((degrees > 0 && turn_ < 75) || (degrees < 0 && turn_ > -90))
        turn_ += degrees;
    PlaceCamera();
}

void PenduScene::RaiseCamera(float units)
{
    if ((units > 0 && height_ < 5) || (units < 0 && height_ > 0.2f))
        height_ += units;
    PlaceCamera();
}

void PenduScene::ResetView()
{
    turn_ = 0;
    height_ = 1;
    PlaceCamera();
}

void PenduScene::Show(const PenduGame &game)
{
    scene3d::SceneView &v = view_;
    // The score texts stand at x = 500 when the view is wide enough, else
    // as far right as they fit.
    if (v.width() != fittedWidth_) {
        fittedWidth_ = v.width();
        for (int player = 1; player <= 4; ++player)
            v.MoveOverlay(QStringLiteral("ScoreJ%1").arg(player),
                          {std::clamp(fittedWidth_ - 170, 5, 500), 10 + 20 * (player - 1)});
    }
    const PenduTable &table = game.Table;
    for (int n = 1; n <= kCards; ++n) {
        const TableObject &card = table.cards[std::size_t(n)];
        v.SetVisible(CardGroup(n), card.visible);
        if (!card.visible)
            continue;
        v.SetPosition(CardGroup(n), card.position);
        v.SetRotation(Q(CardName(n)), CardFlip(card.angles));
        v.SetTexture(Q(CardName(n)), Q(card.material));
    }
    for (int i = 1; i <= kLetters; ++i) {
        const TableObject &tile = table.tiles[std::size_t(i)];
        const QString name = Q(TileName(char('A' + i - 1)));
        v.SetPosition(name, tile.position);
        v.SetRotation(name, tile.angles);
        if (tile.mark == 0)
            v.SetEmission(name, Qt::black);
    }
    const int parts = game.PartsShown();
    for (int p = 0; p < 12; ++p)
        v.SetVisible(QString::fromLatin1(kGallowsParts[p]), p < parts);
    v.SetRotation(QStringLiteral("Socle"), {0, float(table.baseTurn), 0});
    v.SetVisible(QStringLiteral("projecteur"), parts > 0);
    v.SetPosition(QStringLiteral("fut"), {0, float(table.candle), 0});
    v.SetTexture(QStringLiteral("Flamme"), QStringLiteral("Flamme%1").arg(table.flame));
    v.update();
}

} // namespace pendu
