// SPDX-License-Identifier: GPL-3.0-or-later
// The About box cube: its angles, the 3D view turning it on a display with
// OpenGL, and the still picture where there is none.
#include "app/about_box.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QTest>

using scene3d::Vec3;

namespace {
void ExpectAngles(Vec3 actual, Vec3 expected)
{
    EXPECT_NEAR(actual.x, expected.x, 1e-3);
    EXPECT_NEAR(actual.y, expected.y, 1e-3);
    EXPECT_NEAR(actual.z, expected.z, 1e-3);
}

int DifferentPixels(const QImage &a, const QImage &b)
{
    int count = 0;
    for (int y = 0; y < std::min(a.height(), b.height()); ++y)
        for (int x = 0; x < std::min(a.width(), b.width()); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}
} // namespace

TEST(AboutCube, TurnsFourThreeAndTwoDegreesASecondWithinOneTurn)
{
    ExpectAngles(TAboutBox::CubeAngles(0), {0, 0, 0});
    ExpectAngles(TAboutBox::CubeAngles(10), {40, 30, 20});
    ExpectAngles(TAboutBox::CubeAngles(0.5), {2, 1.5f, 1});
    ExpectAngles(TAboutBox::CubeAngles(100), {40, 300, 200});
    ExpectAngles(TAboutBox::CubeAngles(3600), {0, 0, 0});
    ExpectAngles(TAboutBox::CubeAngles(200), {80, 240, 40});
}

TEST(AboutCube, TurnsInItsViewOnTheSceneClock)
{
    if (!scene3d::OpenGLAvailable())
        GTEST_SKIP() << "no OpenGL on this platform";
    TAboutBox about(QStringLiteral("1.0.1.0"), QStringLiteral("Logiciel libre, GPL 3 ou suivante."));
    scene3d::SceneView *view = about.CubeView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view, about.findChild<scene3d::SceneView *>(QStringLiteral("CubeView")));
    EXPECT_EQ(view->parentWidget(), about.CubeArea());
    EXPECT_EQ(view->size(), QSize(160, 160));
    EXPECT_EQ(about.CubeArea()->findChild<QLabel *>(), nullptr);

    double seconds = 0;
    view->Clock().realTime = [&seconds] { return seconds; };
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    QTest::qWait(100); // the first step starts the count
    const QImage before = view->Render();
    ASSERT_FALSE(before.isNull());

    seconds = 10;
    for (int i = 0; i < 200 && view->Clock().Now() < 10; ++i)
        QTest::qWait(10);
    EXPECT_NEAR(view->Clock().Now(), 10, 1e-9);
    ExpectAngles(view->Rotation(QStringLiteral("Cube")), {40, 30, 20});
    const QImage after = view->Render();
    EXPECT_GT(DifferentPixels(before, after), 500);
    // The cube fills the middle of its view.
    EXPECT_EQ(view->Pick(QPoint(80, 80)).left(8), QStringLiteral("CubeFace"));

    QDir().mkpath(QStringLiteral(LUDORINE_SCREENSHOT_DIR));
    EXPECT_TRUE(after.save(QStringLiteral(LUDORINE_SCREENSHOT_DIR "/about_cube.png")));
    EXPECT_TRUE(about.grab().save(QStringLiteral(LUDORINE_SCREENSHOT_DIR "/about_box_3d.png")));
}

// Run on the offscreen platform (the test program's second run).
TEST(AboutCubeWithoutOpenGL, ShowsTheStillPicture)
{
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        GTEST_SKIP() << "for the offscreen platform";
    EXPECT_FALSE(scene3d::OpenGLAvailable());
    TAboutBox about(QStringLiteral("1.0.1.0"), QStringLiteral("Logiciel libre."));
    about.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(about.CubeView(), nullptr);
    EXPECT_EQ(about.findChild<scene3d::SceneView *>(), nullptr);
    auto *still = about.CubeArea()->findChild<QLabel *>(QStringLiteral("CubePicture"));
    ASSERT_NE(still, nullptr);
    EXPECT_FALSE(still->pixmap().isNull());
    EXPECT_TRUE(still->isVisible());
}
