// SPDX-License-Identifier: GPL-3.0-or-later
// Scenes drawn, picked and played on a real display: what shows where, what
// the mouse hits, movements on the scene clock, views in more than one
// window. Skipped without OpenGL.
#include "scene_test_view.h"

#include <chrono>
#include <gtest/gtest.h>
#include <QKeyEvent>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

using scene3d::SceneView;
using scene3d::Vec3;

namespace {
using scene3d_test::Dominant;
using scene3d_test::DrawFrame;
using scene3d_test::ForegroundPixels;
using scene3d_test::IsBackground;
using scene3d_test::SaveScreenshot;
using scene3d_test::Show;

QImage GreenOverBlue()
{
    QImage image(64, 64, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QPainter(&image).fillRect(0, 0, 64, 32, Qt::green);
    return image;
}

struct SceneViewTest : scene3d_test::SceneViewTest {
    void AddRed() { view->AddPlane(QStringLiteral("Red"), QString(), {0, 0, 0}, 4, 4, QImage(), Qt::red); }
};
} // namespace

TEST_F(SceneViewTest, RendersPlanesInTheirColoursAtAnySize)
{
    AddRed();
    const QImage image = view->Render();
    ASSERT_EQ(image.size(), QSize(200, 150));
    EXPECT_EQ(Dominant(image.pixel(100, 75)), 'r');
    EXPECT_TRUE(IsBackground(image.pixel(3, 3)));

    // At another size, the same scene fills the same part of the picture,
    // and the view draws and picks at its own size afterwards.
    const QImage large = view->Render(QSize(400, 300));
    ASSERT_EQ(large.size(), QSize(400, 300));
    EXPECT_EQ(Dominant(large.pixel(200, 150)), 'r');
    EXPECT_NEAR(ForegroundPixels(large), 4 * ForegroundPixels(image), ForegroundPixels(image) / 10);
    EXPECT_EQ(view->Render().size(), QSize(200, 150));
    EXPECT_EQ(view->Pick(Centre()), QStringLiteral("Red"));

    view->SetColour(QStringLiteral("Red"), Qt::green);
    EXPECT_EQ(Dominant(view->Render().pixel(100, 75)), 'g');
}

TEST_F(SceneViewTest, ATextureShowsTheRightWayUp)
{
    view->AddPlane(QStringLiteral("Tile"), QString(), {0, 0, 0}, 4, 4, GreenOverBlue());
    const QImage image = view->Render();
    EXPECT_EQ(Dominant(image.pixel(100, 60)), 'g');
    EXPECT_EQ(Dominant(image.pixel(100, 90)), 'b');
}

TEST_F(SceneViewTest, PicksTheNearestShownObjectUnderThePoint)
{
    view->AddGroup(QStringLiteral("Board"), QString(), {0, 0, 0});
    view->AddPlane(QStringLiteral("Back"), QStringLiteral("Board"), {0, 0, 0}, 6, 2, QImage(), Qt::red);
    view->AddPlane(QStringLiteral("Front"), QStringLiteral("Board"), {0, 0, 1}, 2, 2, QImage(), Qt::green);
    view->AddPlane(QStringLiteral("High"), QStringLiteral("Board"), {0, 2.5f, 0}, 2, 1, QImage(), Qt::blue);
    ASSERT_TRUE(DrawFrame(*view));
    EXPECT_EQ(view->Pick(Centre()), QStringLiteral("Front"));
    EXPECT_EQ(view->Pick(Centre() + QPoint(40, 0)), QStringLiteral("Back"));
    // Above the centre on the screen is above in the scene.
    EXPECT_EQ(view->Pick(QPoint(100, 30)), QStringLiteral("High"));
    EXPECT_EQ(view->Pick(QPoint(100, 120)), QString());
    EXPECT_EQ(view->Pick(QPoint(3, 140)), QString());

    // What is hidden is neither drawn nor hit: what is behind it is.
    view->SetVisible(QStringLiteral("Front"), false);
    EXPECT_FALSE(view->IsVisible(QStringLiteral("Front")));
    EXPECT_EQ(view->Pick(Centre()), QStringLiteral("Back"));
    EXPECT_EQ(Dominant(view->Render().pixel(100, 75)), 'r');
    view->SetPosition(QStringLiteral("Board"), {0, 2.5f, 0});
    EXPECT_EQ(view->Pick(Centre()), QString());
    view->SetPosition(QStringLiteral("Board"), {0, 0, 0});

    // Points are read in the view's new size.
    view->resize(400, 100);
    ASSERT_TRUE(DrawFrame(*view));
    EXPECT_EQ(view->Pick(Centre()), QStringLiteral("Back"));
    EXPECT_EQ(view->Pick(QPoint(200, 2)), QString());
    EXPECT_EQ(view->Pick(QPoint(2, 50)), QString());

    // A group goes with everything in its frame.
    view->Remove(QStringLiteral("Board"));
    EXPECT_FALSE(view->Has(QStringLiteral("Back")));
    EXPECT_EQ(view->Pick(Centre()), QString());
    EXPECT_EQ(ForegroundPixels(view->Render()), 0);
}

TEST_F(SceneViewTest, OverlayTextsShowButAreNeverPicked)
{
    AddRed();
    view->AddOverlayText(QStringLiteral("Score"), QPoint(4, 4), QStringLiteral("Scoré 12"), Qt::yellow, 20);
    view->AddOverlayText(QStringLiteral("Over"), QPoint(60, 60), QStringLiteral("MMMMMMM"), Qt::white, 30);
    const QImage image = view->Render();
    EXPECT_GT(ForegroundPixels(image, QRect(0, 0, 120, 30)), 40);
    EXPECT_EQ(ForegroundPixels(image, QRect(0, 40, 20, 60)), 0);
    EXPECT_EQ(view->Pick(QPoint(10, 12)), QString());
    EXPECT_EQ(view->Pick(QPoint(80, 75)), QStringLiteral("Red"));
    view->SetText(QStringLiteral("Score"), QString());
    EXPECT_EQ(ForegroundPixels(view->Render(), QRect(0, 0, 120, 30)), 0);
}

TEST_F(SceneViewTest, AccentedTextsShowTheirAccents)
{
    view->SetCamera({0, 0, 6}, {0, 0, 0}, {0, 1, 0});
    view->AddText(QStringLiteral("Word"), QString(), {-2.7f, -1, 0}, QStringLiteral("EAC"), 2, Qt::white);
    const int plain = ForegroundPixels(view->Render());
    view->SetText(QStringLiteral("Word"), QStringLiteral("ÉÀÇ"));
    EXPECT_GT(plain, 200);
    EXPECT_GT(ForegroundPixels(view->Render()), plain + 60);
    EXPECT_EQ(view->Pick(Centre()), QStringLiteral("Word"));
}

TEST_F(SceneViewTest, TheScenesLightsReplaceTheLightAtTheEye)
{
    AddRed();
    auto red = [this] { return qRed(view->Render().pixel(100, 75)); };
    const int lit = red();
    // A light behind the plane leaves its front side in the ambient light.
    view->AddLight(QStringLiteral("Lamp"), QString(), {0, 0, -5}, Qt::white);
    EXPECT_LT(red(), lit / 2);
    view->SetPosition(QStringLiteral("Lamp"), {0, 0, 5});
    EXPECT_GT(red(), lit / 2);
    view->Remove(QStringLiteral("Lamp"));
    EXPECT_NEAR(red(), lit, 3);
}

TEST_F(SceneViewTest, CylindersLieAlongXAndLinesDraw)
{
    view->AddCylinder(QStringLiteral("Bar"), QString(), {0, 0, 0}, 0.5f, 6, Qt::blue);
    view->AddLines(QStringLiteral("Grid"), QString(), {{-4, 3, 0}, {4, 3, 0}}, Qt::white);
    const QImage image = view->Render();
    EXPECT_EQ(Dominant(image.pixel(100, 75)), 'b');
    EXPECT_FALSE(IsBackground(image.pixel(60, 75)));
    EXPECT_TRUE(IsBackground(image.pixel(100, 40)));
    EXPECT_TRUE(IsBackground(image.pixel(100, 110)));
    EXPECT_GT(ForegroundPixels(image, QRect(0, 0, 200, 50)), 50); // the line
    EXPECT_EQ(view->Pick(QPoint(60, 75)), QStringLiteral("Bar"));
}

TEST(SceneViewInput, TheMouseReportsWhatItHitsAndKeysGoToTheParent)
{
    if (!scene3d::OpenGLAvailable())
        GTEST_SKIP() << "no OpenGL on this platform";
    struct KeyCatcher : QWidget {
        int keys = 0;
        void keyPressEvent(QKeyEvent *) override { ++keys; }
    } parent;
    auto *view = new SceneView(&parent);
    view->resize(200, 150);
    parent.resize(200, 150);
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    view->AddPlane(QStringLiteral("Red"), QString(), {0, 0, 0}, 4, 4, QImage(), Qt::red);
    ASSERT_TRUE(DrawFrame(*view));

    QSignalSpy picked(view, &SceneView::picked), doubled(view, &SceneView::doubleClicked);
    QTest::mouseClick(view, Qt::RightButton, {}, QPoint(100, 75));
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_EQ(picked.count(), 2);
    EXPECT_EQ(picked[0][0].toString(), QStringLiteral("Red"));
    EXPECT_EQ(picked[0][1].value<Qt::MouseButton>(), Qt::RightButton);
    EXPECT_EQ(picked[1][0].toString(), QString());
    QTest::mouseDClick(view, Qt::LeftButton, {}, QPoint(100, 75));
    ASSERT_EQ(doubled.count(), 1);
    EXPECT_EQ(doubled[0][0].toString(), QStringLiteral("Red"));

    QTest::keyClick(view, Qt::Key_Escape);
    QTest::keyClick(view, Qt::Key_A);
    EXPECT_EQ(parent.keys, 2);
}

namespace {
struct FakeClockView : SceneViewTest {
    double seconds = 50;
    void SetUp() override
    {
        SceneViewTest::SetUp();
        if (IsSkipped())
            return;
        view->Clock().realTime = [this] { return seconds; };
        view->Step(); // starts the count
        view->AddPlane(QStringLiteral("Pawn"), QString(), {0, 0, 0}, 1, 1, QImage(), Qt::red);
        view->AddPlane(QStringLiteral("Rook"), QString(), {0, 0, 0}, 1, 1, QImage(), Qt::green);
    }
    void Wait(double s)
    {
        seconds += s;
        view->Step();
    }
    void ExpectAt(const QString &name, Vec3 p) const
    {
        const Vec3 at = view->Position(name);
        EXPECT_NEAR(at.x, p.x, 1e-4) << qPrintable(name);
        EXPECT_NEAR(at.y, p.y, 1e-4) << qPrintable(name);
        EXPECT_NEAR(at.z, p.z, 1e-4) << qPrintable(name);
    }
};
} // namespace

TEST_F(FakeClockView, AMovementPlaysOnTheClockAndEndsOnce)
{
    const QString pawn = QStringLiteral("Pawn");
    QSignalSpy ended(view.get(), &SceneView::movementEnded);
    view->Move(pawn, {{0, {0, 0, 0}, {}}, {1, {2, 0, 0}, {0, 0, 90}}, {2, {2, 2, 0}, {}}});
    EXPECT_TRUE(view->Moving(pawn));
    Wait(0.5);
    ExpectAt(pawn, {1, 0, 0});
    EXPECT_NEAR(view->Rotation(pawn).z, 45, 1e-3);

    // A pause of the clock does not move it on.
    view->Clock().Stop();
    Wait(30);
    view->Clock().Start();
    Wait(0);
    ExpectAt(pawn, {1, 0, 0});

    Wait(1);
    ExpectAt(pawn, {2, 1, 0});
    Wait(0.25);
    EXPECT_EQ(ended.count(), 0);
    Wait(0.5);
    ASSERT_EQ(ended.count(), 1);
    EXPECT_EQ(ended[0][0].toString(), pawn);
    ExpectAt(pawn, {2, 2, 0});
    EXPECT_FALSE(view->Moving(pawn));
    Wait(5);
    EXPECT_EQ(ended.count(), 1);
    // The plane is drawn where the movement left it.
    EXPECT_EQ(view->Pick(Centre()), QStringLiteral("Rook"));

    // A new movement replaces the one under way, which never ends.
    view->Move(pawn, {{0, {0, 0, 0}, {}}, {1, {4, 0, 0}, {}}});
    Wait(0.5);
    view->Move(pawn, {{0, {0, 3, 0}, {}}, {2, {0, 1, 0}, {}}});
    ExpectAt(pawn, {0, 3, 0});
    Wait(1);
    ExpectAt(pawn, {0, 2, 0});
    EXPECT_EQ(ended.count(), 1);
}

TEST_F(FakeClockView, FinishingPutsEveryMovingObjectAtItsEnd)
{
    QSignalSpy ended(view.get(), &SceneView::movementEnded);
    view->Move(QStringLiteral("Pawn"), {{0, {0, 0, 0}, {}}, {10, {5, 0, 0}, {0, 180, 0}}});
    view->Move(QStringLiteral("Rook"), {{0, {0, 0, 0}, {}}, {3, {0, -5, 0}, {}}});
    Wait(1);
    view->FinishMovements();
    ExpectAt(QStringLiteral("Pawn"), {5, 0, 0});
    EXPECT_FLOAT_EQ(view->Rotation(QStringLiteral("Pawn")).y, 180);
    ExpectAt(QStringLiteral("Rook"), {0, -5, 0});
    ASSERT_EQ(ended.count(), 2);
    EXPECT_NE(ended[0][0], ended[1][0]);
    EXPECT_FALSE(view->Moving(QStringLiteral("Pawn")));
    Wait(20);
    EXPECT_EQ(ended.count(), 2);
}

TEST(SceneViewWindows, AViewNeverShownPicksButDrawsNothing)
{
    if (!scene3d::OpenGLAvailable())
        GTEST_SKIP() << "no OpenGL on this platform";
    SceneView view;
    view.resize(200, 150);
    view.AddPlane(QStringLiteral("Red"), QString(), {0, 0, 0}, 4, 4, QImage(), Qt::red);
    EXPECT_EQ(view.Pick(QPoint(100, 75)), QStringLiteral("Red"));
    EXPECT_EQ(view.Pick(QPoint(5, 5)), QString());
    EXPECT_TRUE(view.Render().isNull());
    EXPECT_TRUE(view.Render(QSize(50, 50)).isNull());
}

TEST(SceneViewWindows, ViewsComeAndGoEachWithItsOwnTexts)
{
    if (!scene3d::OpenGLAvailable())
        GTEST_SKIP() << "no OpenGL on this platform";
    auto textView = [] {
        auto view = std::make_unique<SceneView>();
        view->SetCamera({0, 0, 6}, {0, 0, 0}, {0, 1, 0});
        view->AddText(QStringLiteral("Word"), QString(), {-2.7f, -1, 0}, QStringLiteral("ÉTÉ"), 2, Qt::white);
        Show(*view);
        return view;
    };
    auto first = textView(), second = textView();
    const QImage picture = second->Render();
    EXPECT_GT(ForegroundPixels(picture), 300);
    EXPECT_EQ(first->Render(), picture);
    // A view made after one has gone may get its context number.
    first.reset();
    EXPECT_EQ(second->Render(), picture);
    EXPECT_EQ(textView()->Render(), picture);
}

TEST(SceneViewWindows, DrawsAgainInANewWindow)
{
    if (!scene3d::OpenGLAvailable())
        GTEST_SKIP() << "no OpenGL on this platform";
    auto *view = new SceneView;
    Show(*view);
    view->AddPlane(QStringLiteral("Tile"), QString(), {0, 0, 0}, 4, 4, GreenOverBlue());
    view->AddText(QStringLiteral("Word"), QString(), {-1.5f, -3, 0}, QStringLiteral("ÀÉ"), 1, Qt::white);
    const int alone = ForegroundPixels(view->Render());

    // Into another window, with a new OpenGL context: the same picture.
    QWidget window;
    view->setParent(&window);
    window.resize(200, 150);
    window.show();
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QImage moved = view->Render();
    EXPECT_EQ(Dominant(moved.pixel(100, 60)), 'g');
    EXPECT_EQ(Dominant(moved.pixel(100, 90)), 'b');
    EXPECT_EQ(ForegroundPixels(moved), alone);
}

TEST_F(SceneViewTest, ScreenshotOfATestScene)
{
    view->resize(480, 320);
    view->SetCamera({0, 3, 9}, {0, 0, 0}, {0, 1, 0});
    view->AddPlane(QStringLiteral("Floor"), QString(), {0, -1.5f, 0}, 8, 5, QImage(),
                   QColor(0x40, 0x80, 0x40), {-90, 0, 0});
    view->AddPlane(QStringLiteral("Tile"), QString(), {-2, 0.5f, 0}, 2, 2, GreenOverBlue(), Qt::white,
                   {0, 30, 0});
    view->AddCylinder(QStringLiteral("Bar"), QString(), {1.5f, -0.5f, 0}, 0.4f, 3, QColor(0xC0, 0x60, 0x20),
                      {0, -30, 0});
    view->AddText(QStringLiteral("Word"), QString(), {-0.5f, 1, 0}, QStringLiteral("Été à Noël"), 0.6f,
                  Qt::yellow);
    view->AddLines(QStringLiteral("Axis"), QString(), {{-4, -1.5f, 2.5f}, {4, -1.5f, 2.5f}}, Qt::white);
    view->AddOverlayText(QStringLiteral("Score"), QPoint(8, 8), QStringLiteral("Scène d'essai : 12 points"),
                         Qt::white, 18);
    ASSERT_TRUE(DrawFrame(*view));
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 20; ++i)
        ASSERT_TRUE(DrawFrame(*view));
    const std::chrono::duration<double, std::milli> frames = std::chrono::steady_clock::now() - start;
    RecordProperty("frame_ms", std::to_string(frames.count() / 20));

    const QImage image = view->Render();
    ASSERT_TRUE(SaveScreenshot(image, QStringLiteral("scene3d_test_scene.png")));
    EXPECT_GT(ForegroundPixels(image), image.width() * image.height() / 5);
}
