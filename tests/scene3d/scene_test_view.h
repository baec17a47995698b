// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the scene view tests share: a shown view over a known background,
// frames drawn on screen, reading the colours of a picture and saving it
// among the screenshots.
#include "wordgames/scene3d/scene_view.h"

#include <gtest/gtest.h>
#include <memory>
#include <QDir>
#include <QSignalSpy>
#include <QTest>

namespace scene3d_test {

inline const QColor kBackground(0, 0, 64);

inline bool IsBackground(QRgb p)
{
    return qAbs(qRed(p) - kBackground.red()) < 8 && qAbs(qGreen(p) - kBackground.green()) < 8 &&
           qAbs(qBlue(p) - kBackground.blue()) < 8;
}

// 'r', 'g' or 'b' when that channel is bright and the others dark.
inline char Dominant(QRgb p)
{
    const int r = qRed(p), g = qGreen(p), b = qBlue(p);
    if (r > 150 && g < 80 && b < 80)
        return 'r';
    if (g > 150 && r < 80 && b < 80)
        return 'g';
    return b > 150 && r < 80 && g < 80 ? 'b' : '-';
}

inline int ForegroundPixels(const QImage &image, QRect area = {})
{
    area = area.isNull() ? image.rect() : area;
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += !IsBackground(image.pixel(x, y));
    return count;
}

// A frame drawn on screen (not through Render).
inline bool DrawFrame(scene3d::SceneView &view)
{
    QSignalSpy swapped(&view, &scene3d::SceneView::frameSwapped);
    view.update();
    return swapped.wait(3000);
}

// A shown 200 x 150 view over the test background; the camera 10 units
// in front of the origin puts about 18 pixels to a unit there.
inline void Show(scene3d::SceneView &view)
{
    view.resize(200, 150);
    view.SetBackground(kBackground);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    ASSERT_TRUE(view.Available());
}

// Saves the picture among the build's screenshots.
inline bool SaveScreenshot(const QImage &image, const QString &fileName)
{
    QDir().mkpath(QStringLiteral(LUDORINE_SCREENSHOT_DIR));
    return image.save(QStringLiteral(LUDORINE_SCREENSHOT_DIR "/") + fileName);
}

class SceneViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!scene3d::OpenGLAvailable())
            GTEST_SKIP() << "no OpenGL on this platform";
        view = std::make_unique<scene3d::SceneView>();
        Show(*view);
    }
    QPoint Centre() const { return QPoint(view->width() / 2, view->height() / 2); }

    std::unique_ptr<scene3d::SceneView> view;
};

} // namespace scene3d_test
