// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the main windows of the program to PNG files in the build folder,
// so that they can be looked at as a user sees them.
#include "app/about_box.h"
#include "app/main_form.h"
#include "app/splash_form.h"
#include "framework/help_window.h"
#include "support/scripted_dialogs.h"
#include "support/temp_settings.h"
#include "support/test_game_window.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>

namespace {
QString Shot(QWidget &widget, const QString &name)
{
    QDir().mkpath(QStringLiteral(LUDORINE_SCREENSHOT_DIR));
    const QString path = QStringLiteral(LUDORINE_SCREENSHOT_DIR "/") + name + QStringLiteral(".png");
    QCoreApplication::processEvents();
    widget.grab().save(path);
    return path;
}

// A picture that is more than one flat colour.
bool HasContent(const QString &path)
{
    const QImage image(path);
    if (image.isNull())
        return false;
    const QRgb first = image.pixel(image.width() / 2, image.height() / 2);
    for (int y = 0; y < image.height(); y += 7)
        for (int x = 0; x < image.width(); x += 7)
            if (image.pixel(x, y) != first)
                return true;
    return false;
}
} // namespace

TEST(Screenshots, MainWindowSplashAboutAndHelp)
{
    TempSettings settings;
    ScriptedDialogsScope dialogs;
    QFile dico(settings.Path(QStringLiteral("LDico.ox")));
    dico.open(QIODevice::WriteOnly);
    dico.write(QByteArray("\x41\x01\0\0\0\xC2\0\0\0\0", 10)); // the word AB
    dico.close();
    TMainForm::Environment environment;
    environment.dictionaryFolders = {settings.Path(QString())};
    TMainForm form(environment);
    ASSERT_TRUE(form.Initialize());
    form.resize(1000, 700);
    form.ShowAfterSplash();
    EXPECT_TRUE(HasContent(Shot(form, QStringLiteral("main_window_empty"))));

    auto *one = new TestGameWindow(QStringLiteral("Scrabble"), true);
    auto *two = new TestGameWindow(QStringLiteral("Pendu"));
    form.AddGameWindow(one);
    form.AddGameWindow(two);
    form.TileVertically();
    one->ShowStatus(QStringLiteral("Bertin réfléchit..."));
    EXPECT_EQ(form.statusBar()->currentMessage(), QStringLiteral("Bertin réfléchit..."));
    EXPECT_TRUE(HasContent(Shot(form, QStringLiteral("main_window_two_games"))));

    TSplashForm splash(nullptr, 60000);
    EXPECT_TRUE(HasContent(Shot(splash, QStringLiteral("splash"))));

    TAboutBox about(form.Version, form.LegalText);
    about.adjustSize();
    EXPECT_TRUE(HasContent(Shot(about, QStringLiteral("about_box"))));

    HelpWindow help;
    help.ShowTopic(QStringLiteral("Ludorine.chm::/Ludorine.htm"));
    EXPECT_TRUE(HasContent(Shot(help, QStringLiteral("help_main"))));
}
