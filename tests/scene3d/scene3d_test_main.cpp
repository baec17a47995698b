// SPDX-License-Identifier: GPL-3.0-or-later
// Entry point of the scene tests: the scenes' surface format set before the
// QApplication, which runs on the display when there is one (offscreen
// otherwise, where the tests that draw are skipped).
#include "wordgames/scene3d/scene_view.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toUtf8());
    qputenv("XDG_CACHE_HOME", home.filePath(QStringLiteral("cache")).toUtf8());
    scene3d::SetDefaultSurfaceFormat();
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
