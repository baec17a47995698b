// SPDX-License-Identifier: GPL-3.0-or-later
// The solid shapes, named textures, cards seen from both sides, sprites,
// blending, emission, fog and wide lines, drawn and picked on a real
// display; and a card table drawn, saved and timed. Skipped without OpenGL.
#include "scene_test_view.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <QPainter>
#include <QRadialGradient>

using scene3d::Vec3;
using scene3d_test::Dominant;
using scene3d_test::DrawFrame;
using scene3d_test::ForegroundPixels;
using scene3d_test::IsBackground;

namespace {
QImage Plain(QColor colour)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

bool Bright(QRgb p)
{
    return qRed(p) > 200 && qGreen(p) > 200 && qBlue(p) > 200;
}

struct SceneShapes : scene3d_test::SceneViewTest {
    QRgb At(int x, int y) { return view->Render().pixel(x, y); }
};
} // namespace

TEST_F(SceneShapes, BoxesSpheresAndConesArePickedByTheirOwnNamesAndDrawnInTheirColours)
{
    view->AddGroup(QStringLiteral("reglette"), QString(), {0, 0, 0});
    view->AddGroup(QStringLiteral("Dos"), QStringLiteral("reglette"), {0, 0, 0});
    view->AddBox(QStringLiteral("Lettre_A"), QStringLiteral("Dos"), {-3.5f, 0, 0}, {1.6f, 1.6f, 1.6f},
                 QString(), Qt::red, {20, 30, 0});
    view->AddSphere(QStringLiteral("Boule"), QString(), {0, 0, 0}, 1, QString(), Qt::green);
    view->AddCone(QStringLiteral("Bougie"), QString(), {3.5f, 0, 0}, 0.9f, 0.5f, 2.4f, QString(), Qt::blue);
    // A dome above the ball, seen a little from below: its flat side shows.
    view->AddSphere(QStringLiteral("Dome"), QString(), {0, 2, 0}, 1, QString(), Qt::red, true);
    const QImage image = view->Render();
    EXPECT_EQ(Dominant(image.pixel(37, 75)), 'r');
    EXPECT_EQ(Dominant(image.pixel(100, 75)), 'g');
    EXPECT_EQ(Dominant(image.pixel(163, 75)), 'b');
    EXPECT_FALSE(IsBackground(image.pixel(100, 39)));
    EXPECT_TRUE(IsBackground(image.pixel(100, 46)));

    EXPECT_EQ(view->Pick(QPoint(37, 75)), QStringLiteral("Lettre_A"));
    EXPECT_EQ(view->Pick(Centre()), QStringLiteral("Boule"));
    EXPECT_EQ(view->Pick(QPoint(163, 75)), QStringLiteral("Bougie"));
    EXPECT_EQ(view->Pick(QPoint(100, 30)), QStringLiteral("Dome"));
    EXPECT_EQ(view->Pick(QPoint(100, 46)), QString());
    // The cone narrows upwards: beside its top there is nothing.
    EXPECT_EQ(view->Pick(QPoint(176, 58)), QString());
    EXPECT_EQ(view->Pick(QPoint(176, 92)), QStringLiteral("Bougie"));
}

TEST_F(SceneShapes, NamedTexturesAreSharedSwitchedAndReplaced)
{
    view->AddTexture(QStringLiteral("rouge"), Plain(Qt::red));
    view->AddTexture(QStringLiteral("vert"), Plain(Qt::green));
    view->AddPlane(QStringLiteral("A"), QString(), {-2.5f, 0, 0}, 4, 4, QStringLiteral("rouge"));
    view->AddPlane(QStringLiteral("B"), QString(), {2.5f, 0, 0}, 4, 4, QStringLiteral("rouge"));
    EXPECT_EQ(Dominant(At(55, 75)), 'r');
    EXPECT_EQ(Dominant(At(145, 75)), 'r');

    view->SetTexture(QStringLiteral("A"), QStringLiteral("vert"));
    EXPECT_EQ(Dominant(At(55, 75)), 'g');
    EXPECT_EQ(Dominant(At(145, 75)), 'r');
    // A new picture under the name shows wherever the name is shown.
    view->AddTexture(QStringLiteral("rouge"), Plain(Qt::blue));
    EXPECT_EQ(Dominant(At(55, 75)), 'g');
    EXPECT_EQ(Dominant(At(145, 75)), 'b');
    // The texture modulates the colour: blue through green is black.
    view->SetColour(QStringLiteral("B"), Qt::green);
    EXPECT_LT(std::max(qGreen(At(145, 75)), qBlue(At(145, 75))), 40);

    view->SetTexture(QStringLiteral("A"), QString());
    EXPECT_TRUE(Bright(At(55, 75)));
    view->SetTexture(QStringLiteral("A"), QStringLiteral("plus tard"));
    EXPECT_TRUE(Bright(At(55, 75)));
    view->AddTexture(QStringLiteral("plus tard"), Plain(Qt::red));
    EXPECT_EQ(Dominant(At(55, 75)), 'r');
}

TEST_F(SceneShapes, ACardShowsItsFrontFromTheFrontAndItsBackFromBehind)
{
    view->AddTexture(QStringLiteral("face"), Plain(Qt::red));
    view->AddTexture(QStringLiteral("dos"), Plain(Qt::blue));
    view->AddPlane(QStringLiteral("carte"), QString(), {0, 0, 0}, 3, 4, QStringLiteral("face"));
    view->AddPlane(QStringLiteral("carted3"), QStringLiteral("carte"), {0, 0, -0.002f}, 3, 4,
                   QStringLiteral("dos"), Qt::white, {180, 0, 0});
    EXPECT_EQ(Dominant(At(100, 75)), 'r');
    EXPECT_EQ(view->Pick(Centre()), QStringLiteral("carte"));

    view->SetRotation(QStringLiteral("carte"), {0, 180, 0});
    EXPECT_EQ(Dominant(At(100, 75)), 'b');
    EXPECT_EQ(view->Pick(Centre()), QStringLiteral("carted3"));

    // The same from the camera going round: the back plane is nearer, the
    // front plane's back is passed through.
    view->SetRotation(QStringLiteral("carte"), {0, 0, 0});
    view->SetCamera({0, 0, -10}, {0, 0, 0}, {0, 1, 0});
    EXPECT_EQ(Dominant(At(100, 75)), 'b');
    EXPECT_EQ(view->Pick(Centre()), QStringLiteral("carted3"));
    view->Remove(QStringLiteral("carted3"));
    EXPECT_TRUE(IsBackground(At(100, 75)));
    EXPECT_EQ(view->Pick(Centre()), QString());
}

TEST_F(SceneShapes, FogTurnsFarObjectsToItsColourButNotTheOverlayTexts)
{
    // 5 and 30 units from the eye, both about 36 pixels wide.
    view->AddPlane(QStringLiteral("Pres"), QString(), {-1.5f, 0, 5}, 1, 1, QImage(), Qt::red);
    view->AddPlane(QStringLiteral("Loin"), QString(), {10, 0, -20}, 6, 6, QImage(), Qt::red);
    view->AddOverlayText(QStringLiteral("Score"), QPoint(4, 4), QStringLiteral("MMMM"), Qt::white, 24);
    auto overlayBright = [this] {
        const QImage image = view->Render();
        int bright = 0;
        for (int y = 4; y < 30; ++y)
            for (int x = 4; x < 80; ++x)
                bright += Bright(image.pixel(x, y));
        return bright;
    };
    const int overlay = overlayBright();
    EXPECT_GT(overlay, 50);
    EXPECT_EQ(Dominant(At(160, 75)), 'r');

    view->SetFog(Qt::green, 4, 40);
    const QRgb near = At(46, 75), far = At(160, 75);
    EXPECT_EQ(Dominant(near), 'r');
    EXPECT_GT(qGreen(far), 120);
    EXPECT_GT(qGreen(far), qRed(far));
    EXPECT_NEAR(overlayBright(), overlay, overlay / 10);

    view->ClearFog();
    EXPECT_EQ(Dominant(At(160, 75)), 'r');
}

TEST_F(SceneShapes, ASpriteFacesTheCameraWhereverItIs)
{
    view->AddSprite(QStringLiteral("Flamme"), QString(), {0, 2, 0}, 2, 2, QString());
    view->AddPlane(QStringLiteral("Carte"), QString(), {0, -2, 0}, 2, 2, QImage(), Qt::red);
    const QRect top(0, 0, 200, 75), bottom(0, 75, 200, 75);
    const QImage front = view->Render();
    const int sprite = ForegroundPixels(front, top);
    EXPECT_NEAR(sprite, 36 * 36, 200);
    EXPECT_TRUE(Bright(front.pixel(100, 39)));
    EXPECT_EQ(view->Pick(QPoint(100, 39)), QStringLiteral("Flamme"));

    // From the side the plane is seen edge on; the sprite is not.
    view->SetCamera({10, 0, 0}, {0, 0, 0}, {0, 1, 0});
    const QImage side = view->Render();
    EXPECT_NEAR(ForegroundPixels(side, top), sprite, sprite / 10);
    EXPECT_LT(ForegroundPixels(side, bottom), 60);
    EXPECT_EQ(view->Pick(QPoint(100, 39)), QStringLiteral("Flamme"));
}

TEST_F(SceneShapes, BlendedObjectsShowWhatIsBehindThemAndMayBePassedThroughByPicking)
{
    // The veil comes first: blended objects are drawn after the opaque ones
    // whatever the order they were added in.
    view->AddPlane(QStringLiteral("Voile"), QString(), {0, 0, 1}, 2, 2, QImage(), Qt::green);
    view->AddPlane(QStringLiteral("Fond"), QString(), {0, 0, 0}, 8, 4, QImage(), Qt::red);
    view->AddSprite(QStringLiteral("Halo"), QString(), {3, 0, 1}, 1, 1, QString(), 1, true);
    EXPECT_EQ(Dominant(At(100, 75)), 'g');

    view->SetBlending(QStringLiteral("Voile"), 1, true);
    QRgb veil = At(100, 75);
    EXPECT_GT(qRed(veil), 150);
    EXPECT_GT(qGreen(veil), 150);
    EXPECT_TRUE(Bright(At(155, 75)));

    view->SetBlending(QStringLiteral("Voile"), 0.5f, false);
    veil = At(100, 75);
    EXPECT_NEAR(qRed(veil), qGreen(veil), 40);
    EXPECT_GT(qRed(veil), 60);
    EXPECT_LT(qRed(veil), 180);
    view->SetBlending(QStringLiteral("Voile"), 1, false);
    EXPECT_EQ(Dominant(At(100, 75)), 'g');

    EXPECT_EQ(view->Pick(Centre()), QStringLiteral("Voile"));
    view->SetPickable(QStringLiteral("Voile"), false);
    EXPECT_EQ(view->Pick(Centre()), QStringLiteral("Fond"));
    EXPECT_EQ(Dominant(At(100, 75)), 'g');
    view->SetPickable(QStringLiteral("Voile"), true);
    EXPECT_EQ(view->Pick(Centre()), QStringLiteral("Voile"));
}

TEST_F(SceneShapes, EmissionLightsADarkObject)
{
    view->AddBox(QStringLiteral("Braise"), QString(), {0, 0, 0}, {3, 3, 3}, QString(), QColor(20, 20, 20));
    EXPECT_LT(qRed(At(100, 75)), 60);
    view->SetEmission(QStringLiteral("Braise"), Qt::red);
    EXPECT_EQ(Dominant(At(100, 75)), 'r');
    view->SetEmission(QStringLiteral("Braise"), Qt::black);
    EXPECT_LT(qRed(At(100, 75)), 60);
}

TEST_F(SceneShapes, LinesAndOverlayTextsChangeAsTold)
{
    view->AddLines(QStringLiteral("Fin"), QString(), {{-4, 3, 0}, {4, 3, 0}}, Qt::white);
    view->AddLines(QStringLiteral("Epais"), QString(), {{-4, 1.5f, 0}, {4, 1.5f, 0}}, Qt::white, 5);
    view->AddLineStrip(QStringLiteral("Potence"), QString(), {{-4, -1, 0}, {-4, -3, 0}, {4, -3, 0}},
                       Qt::white, 3);
    const QImage lines = view->Render();
    const int thin = ForegroundPixels(lines, QRect(0, 10, 200, 25));
    EXPECT_NEAR(ForegroundPixels(lines, QRect(0, 38, 200, 20)), 5 * thin, thin);
    EXPECT_GT(ForegroundPixels(lines, QRect(20, 90, 10, 20)), 20);    // down
    EXPECT_GT(ForegroundPixels(lines, QRect(40, 120, 120, 15)), 300); // across

    view->Clear();
    view->AddOverlayText(QStringLiteral("Score"), QPoint(4, 4), QStringLiteral("MMMM"), Qt::white, 16);
    const int small = ForegroundPixels(view->Render());
    view->SetOverlayHeight(QStringLiteral("Score"), 32);
    EXPECT_GT(ForegroundPixels(view->Render()), 2 * small);
    view->SetColour(QStringLiteral("Score"), Qt::red);
    const QImage red = view->Render();
    int reds = 0;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 150; ++x)
            reds += Dominant(red.pixel(x, y)) == 'r';
    EXPECT_GT(reds, small * 3 / 2);
    view->SetVisible(QStringLiteral("Score"), false);
    EXPECT_EQ(ForegroundPixels(view->Render()), 0);
}

namespace {
QImage WoodTexture()
{
    QImage image(256, 256, QImage::Format_RGB32);
    image.fill(QColor(0x8A, 0x5A, 0x32));
    QPainter painter(&image);
    for (int y = 0; y < 256; y += 7) {
        painter.setPen(QPen(QColor(0x6E, 0x44, 0x22), 1 + y % 3));
        painter.drawLine(0, y, 256, y + (y * 37) % 11 - 5);
    }
    return image;
}

QImage CardFace(QChar letter)
{
    QImage image(128, 180, QImage::Format_RGB32);
    image.fill(QColor(0xF4, 0xEE, 0xDC));
    QPainter painter(&image);
    painter.setPen(QPen(QColor(0x80, 0x20, 0x20), 6));
    painter.drawRect(6, 6, 116, 168);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(100);
    painter.setFont(font);
    painter.drawText(image.rect(), Qt::AlignCenter, QString(letter));
    return image;
}

QImage CardBack()
{
    QImage image(128, 180, QImage::Format_RGB32);
    image.fill(QColor(0x30, 0x30, 0x90));
    QPainter painter(&image);
    painter.setPen(QPen(QColor(0xD0, 0xB0, 0x40), 3));
    for (int i = -180; i < 128; i += 16)
        painter.drawLine(i, 0, i + 180, 180);
    return image;
}

QImage FlameTexture()
{
    QImage image(64, 64, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QRadialGradient glow(32, 38, 30);
    glow.setColorAt(0, QColor(255, 250, 210, 255));
    glow.setColorAt(0.4, QColor(255, 170, 40, 200));
    glow.setColorAt(1, QColor(255, 80, 0, 0));
    painter.setBrush(glow);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QRectF(8, 2, 48, 62));
    return image;
}

// A round wooden table lit by a candle and a lamp, cards on it face up and
// face down, a box, a faint light beam and fog in the distance.
void BuildCardTable(scene3d::SceneView &view)
{
    const QColor night(0x14, 0x10, 0x1C);
    view.SetBackground(night);
    view.SetCamera({0, 4.2f, 7}, {0, 0.2f, 0}, {0, 1, 0}, 45);
    view.SetFog(night, 6, 14);
    view.AddTexture(QStringLiteral("bois"), WoodTexture());
    view.AddTexture(QStringLiteral("dos"), CardBack());
    view.AddTexture(QStringLiteral("flamme"), FlameTexture());
    view.AddTexture(QStringLiteral("cire"), Plain(QColor(0xF0, 0xE6, 0xC8)));
    view.AddLight(QStringLiteral("Lampe"), QString(), {0, 6, 3}, QColor(200, 200, 210));
    view.AddLight(QStringLiteral("Lueur"), QString(), {-1.5f, 1.2f, -0.8f}, QColor(255, 170, 80));

    view.AddCone(QStringLiteral("Table"), QString(), {0, -0.1f, 0}, 3.3f, 3.3f, 0.2f, QStringLiteral("bois"),
                 Qt::white, 64);
    view.AddCone(QStringLiteral("Pied"), QString(), {0, -1.6f, 0}, 0.5f, 0.3f, 2.8f, QStringLiteral("bois"));
    view.AddBox(QStringLiteral("Coffret"), QString(), {1.9f, 0.25f, -1.1f}, {1.2f, 0.5f, 0.8f},
                QStringLiteral("bois"), QColor(0xC8, 0xA0, 0x80), {0, -20, 0});
    const QString letters = QStringLiteral("PENDU");
    for (int i = 0; i < letters.size(); ++i) {
        const QString card = QStringLiteral("carte%1").arg(i), face = QStringLiteral("face%1").arg(i);
        view.AddTexture(face, CardFace(letters[i]));
        // Lying on the table, fanned out; the third one face down.
        view.AddPlane(card, QString(), {-1.6f + 0.8f * i, 0.01f, 1.2f}, 0.7f, 1, face, Qt::white,
                      {i == 2 ? 90.0f : -90.0f, float(14 - i * 7), 0});
        view.AddPlane(QStringLiteral("carted%1").arg(i), card, {0, 0, -0.002f}, 0.7f, 1,
                      QStringLiteral("dos"), Qt::white, {180, 0, 0});
    }
    view.AddCone(QStringLiteral("Bougie"), QString(), {-1.5f, 0.4f, -0.8f}, 0.12f, 0.09f, 0.8f,
                 QStringLiteral("cire"));
    view.AddSphere(QStringLiteral("Bougeoir"), QString(), {-1.5f, 0, -0.8f}, 0.3f, QString(),
                   QColor(0xB0, 0x90, 0x40), true);
    view.AddSprite(QStringLiteral("Flamme"), QString(), {-1.5f, 0.95f, -0.8f}, 0.22f, 0.36f,
                   QStringLiteral("flamme"), 1, true);
    view.SetPickable(QStringLiteral("Flamme"), false);
    view.AddCone(QStringLiteral("Faisceau"), QString(), {0, 5, 0}, 1.4f, 0, 10, QString(),
                 QColor(255, 240, 200));
    view.SetBlending(QStringLiteral("Faisceau"), 0.08f, true);
    view.SetPickable(QStringLiteral("Faisceau"), false);
    view.AddLineStrip(QStringLiteral("Potence"), QString(),
                      {{0.6f, 0.01f, -0.2f}, {0.6f, 1.2f, -0.2f}, {1.1f, 1.2f, -0.2f}, {1.1f, 1.0f, -0.2f}},
                      QColor(0x50, 0x30, 0x18), 3);
    view.AddOverlayText(QStringLiteral("Erreurs"), QPoint(10, 10), QStringLiteral("Pendu : 3 erreurs sur 7"),
                        Qt::white, 20);
}
} // namespace

TEST_F(SceneShapes, ACardTableIsDrawnAndTimed)
{
    view->resize(640, 480);
    BuildCardTable(*view);
    ASSERT_TRUE(DrawFrame(*view));
    std::vector<double> frames;
    for (int i = 0; i < 50; ++i) {
        const auto start = std::chrono::steady_clock::now();
        ASSERT_TRUE(DrawFrame(*view));
        frames.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::nth_element(frames.begin(), frames.begin() + 25, frames.end());
    RecordProperty("frame_ms", std::to_string(frames[25]));
    std::printf("card table frame: %.2f ms (median of 50)\n", frames[25]);

    const QImage image = view->Render();
    ASSERT_TRUE(scene3d_test::SaveScreenshot(image, QStringLiteral("scene3d_card_table.png")));
    // The light beam over the table is passed through by picking.
    EXPECT_EQ(view->Pick(QPoint(320, 240)), QStringLiteral("Table"));
    int lit = 0;
    for (int y = 0; y < image.height(); y += 4)
        for (int x = 0; x < image.width(); x += 4)
            lit += qGray(image.pixel(x, y)) > 40;
    EXPECT_GT(lit, image.width() * image.height() / 16 / 4);
}
