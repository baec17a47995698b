// SPDX-License-Identifier: GPL-3.0-or-later
// Entry point of the widget tests: a QApplication (offscreen unless a
// display platform was asked for) around GoogleTest.
#include <gtest/gtest.h>
#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Whatever a test writes under the user's folders lands in a temporary
    // folder, never in the real home.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toUtf8());
    qputenv("XDG_CACHE_HOME", home.filePath(QStringLiteral("cache")).toUtf8());
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
