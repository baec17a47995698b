// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/game_kinds.h"
#include "app/main_form.h"
#include "app/splash_form.h"
#include "support/main_form_fixture.h"
#include "support/scripted_dialogs.h"
#include "support/temp_settings.h"
#include "support/test_game_window.h"

#include <gtest/gtest.h>
#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>

TEST_F(MainFormTest, MenusEntriesShortcutsAndHints)
{
    EXPECT_EQ(MenuTitles(), (QStringList{"&Fichier", "Outils", "Jeu", "Fe&nêtre", "&Aide"}));
    EXPECT_EQ(form->Action("FileOpenItem")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(form->Action("FileSaveItem")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(form->Action("FileSaveAsItem")->text(), QStringLiteral("Enregistrer &sous..."));
    EXPECT_EQ(form->Action("Avaleur1")->statusTip(),
              QStringLiteral("Avaleur est un Pacman avec des lettres"));
    EXPECT_EQ(form->Action("Lacle")->text(), QStringLiteral("La clé"));
    EXPECT_EQ(form->Action("ScrabbleClassique")->text(), QStringLiteral("Partie libre"));
    for (const char *name :
         {"WindowCascadeItem", "WindowTileItem", "WindowTileItem2", "WindowMinimizeItem", "WindowArrangeItem",
          "Aide1", "LudorinesurleWeb1", "HelpAboutItem", "FileExitItem", "FileCloseItem", "Imprimer1",
          "Recherche", "ProblemesScrabble", "Dictionnaire1"})
        EXPECT_NE(form->Action(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_FALSE(form->GameMenuPlaceholder()->isEnabled());

    // Game kinds whose window is not built yet have their entry disabled.
    for (const GameKindRow &kind : GameKindRows())
        EXPECT_EQ(form->Action(QString::fromLatin1(kind.MenuName))->isEnabled(),
                  bool(GameWindowFactoryOf(kind.Code)))
            << kind.MenuName;

    // Nothing to save or print while no game is open.
    EXPECT_FALSE(form->Action("FileSaveItem")->isEnabled());
    EXPECT_FALSE(form->Action("Imprimer1")->isEnabled());
    EXPECT_TRUE(form->LogoVisible());
    EXPECT_TRUE(form->isEnabled());
}

TEST_F(MainFormTest, NewGameMenuFollowsTheKindTable)
{
    // The entries in the table's order, the Scrabble ones in their submenu.
    QMenu *newGame = form->findChild<QMenu *>(QStringLiteral("NouveauJeu"));
    ASSERT_NE(newGame, nullptr);
    QStringList entries;
    for (QAction *action : newGame->actions())
        entries << (action->menu() ? action->menu()->objectName() : action->objectName());
    EXPECT_EQ(entries,
              (QStringList{"Avaleur1", "Lacle", "Pendu", "Philosophe", "Topword", "Scrabble", "MWordy"}));
    QMenu *scrabble = newGame->findChild<QMenu *>(QStringLiteral("Scrabble"));
    ASSERT_NE(scrabble, nullptr);
    QStringList inScrabble;
    for (QAction *action : scrabble->actions())
        inScrabble << action->objectName();
    EXPECT_EQ(inScrabble, (QStringList{"ScrabbleClassique", "ScrabbleDuplicate"}));
}

TEST_F(MainFormTest, TheActiveGamesMenuTakesThePlaceOfJeu)
{
    TestGameWindow *withMenu = Open(QStringLiteral("Scrabble"), true);
    Area()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(withMenu->parentWidget()));
    EXPECT_EQ(MenuTitles(), (QStringList{"&Fichier", "Outils", "Scrabble", "Fe&nêtre", "&Aide"}));
    EXPECT_TRUE(form->Action("FileSaveItem")->isEnabled()) << "a game never saved asks for a name";
    EXPECT_TRUE(form->Action("FileSaveAsItem")->isEnabled());
    EXPECT_TRUE(form->Action("Imprimer1")->isEnabled());

    TestGameWindow *plain = Open(QStringLiteral("Pendu"));
    Area()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(plain->parentWidget()));
    EXPECT_EQ(MenuTitles(), (QStringList{"&Fichier", "Outils", "Jeu", "Fe&nêtre", "&Aide"}));

    Area()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(withMenu->parentWidget()));
    EXPECT_EQ(MenuTitles().at(2), QStringLiteral("Scrabble"));
}

TEST_F(MainFormTest, CancelOnTheFirstWindowStopsTheQuitAndAsksNoOther)
{
    TestGameWindow *first = Open(QStringLiteral("Un"));
    TestGameWindow *second = Open(QStringLiteral("Deux"));
    first->Modified = second->Modified = true;
    dialogs->answers = {Answer::Cancel};
    form->Quit();
    EXPECT_EQ(dialogs->Texts(QStringLiteral("question")).size(), 1);
    EXPECT_EQ(form->GameWindows().size(), 2);
    EXPECT_FALSE(first->Paused || second->Paused) << "the refused quit gives back Paused";
    EXPECT_TRUE(first->Modified && second->Modified);
}

TEST_F(MainFormTest, AQuitThatEveryWindowAcceptsClosesThemAll)
{
    TestGameWindow *first = Open(QStringLiteral("Un"));
    Open(QStringLiteral("Deux"));
    first->Modified = true;
    dialogs->answers = {Answer::No};
    EXPECT_TRUE(form->CloseQuery());
    for (TFLudorine *window : form->GameWindows())
        EXPECT_TRUE(window->Paused);
    form->Quit();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form->GameWindows().isEmpty());
    EXPECT_EQ(dialogs->Texts(QStringLiteral("question")).size(), 1);
}

TEST_F(MainFormTest, YesForAWindowThatIsNotActiveSavesThatWindow)
{
    TestGameWindow *background = Open(QStringLiteral("Arrière"));
    TestGameWindow *active = Open(QStringLiteral("Devant"));
    Area()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(active->parentWidget()));
    background->Modified = true;
    background->FileName = QStringLiteral("Sans nom");
    // Yes, then the save dialog is cancelled: the window stays open and modified.
    dialogs->answers = {Answer::Yes};
    dialogs->fileNames = {QString()};
    bool canClose = true;
    background->FormCloseQuery(canClose);
    EXPECT_FALSE(canClose);
    EXPECT_TRUE(background->Modified);
    EXPECT_EQ(dialogs->Texts(QStringLiteral("save")).size(), 1);
    EXPECT_FALSE(background->Paused);
    EXPECT_FALSE(active->Paused);
}

TEST_F(MainFormTest, TilingSplitsTheAreaAndTheWindowMenuListsTheWindows)
{
    TestGameWindow *first = Open(QStringLiteral("Un"));
    TestGameWindow *second = Open(QStringLiteral("Deux"));
    form->resize(1000, 700);
    form->TileHorizontally();
    const QRect a = first->parentWidget()->geometry(), b = second->parentWidget()->geometry();
    EXPECT_EQ(a.width(), b.width());
    EXPECT_EQ(a.width(), Area()->viewport()->width());
    EXPECT_NE(a.top(), b.top());
    form->TileVertically();
    EXPECT_EQ(first->parentWidget()->height(), Area()->viewport()->height());
    EXPECT_NE(first->parentWidget()->x(), second->parentWidget()->x());

    QMenu *windowMenu = form->findChild<QMenu *>(QStringLiteral("Fenetre"));
    ASSERT_NE(windowMenu, nullptr);
    emit windowMenu->aboutToShow();
    QStringList entries;
    for (QAction *action : windowMenu->actions())
        entries << action->text();
    EXPECT_TRUE(entries.contains(QStringLiteral("&1 Un")));
    EXPECT_TRUE(entries.contains(QStringLiteral("&2 Deux")));
}

TEST_F(MainFormTest, AMissingFileOnTheCommandLineOpensNothingSilently)
{
    TMainForm::Environment environment;
    environment.dictionaryFolders = {settings.Path(QString())};
    environment.arguments = {settings.Path(QStringLiteral("absente.ldr"))};
    TMainForm withArgument(environment);
    ASSERT_TRUE(withArgument.Initialize());
    withArgument.ShowAfterSplash();
    EXPECT_TRUE(withArgument.GameWindows().isEmpty());
    EXPECT_TRUE(dialogs->asked.empty());
}

TEST_F(MainFormTest, StatusTextsReachTheStatusBar)
{
    TestGameWindow *window = Open(QStringLiteral("Un"));
    window->ShowStatus(QStringLiteral("A vous de jouer"));
    EXPECT_EQ(form->statusBar()->currentMessage(), QStringLiteral("A vous de jouer"));
}

TEST(MainFormStart, WithoutDictionaryTheProgramStops)
{
    TempSettings settings;
    ScriptedDialogsScope dialogs;
    dialogs->fileNames = {QString()};
    TMainForm::Environment environment;
    environment.dictionaryFolders = {settings.Path(QStringLiteral("vide"))};
    TMainForm form(environment);
    EXPECT_FALSE(form.Initialize());
    EXPECT_EQ(dialogs->Texts(QStringLiteral("message")),
              QStringList{QStringLiteral("Ludorine ne peut fonctionner sans dictionnaire !")});
}

TEST(SplashShape, TheRegionIsTheRunsThatDifferFromTheCornerColour)
{
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter(&picture).fillRect(QRect(3, 2, 5, 4), Qt::red);
    picture.setPixel(15, 8, qRgb(0, 0, 255));
    const QRegion region = TSplashForm::ShapeOf(picture);
    EXPECT_EQ(region, QRegion(QRect(3, 2, 5, 4)) + QRegion(QRect(15, 8, 1, 1)));

    // The real splash keeps its rounded card but not the white corners.
    TSplashForm splash(nullptr, 60000);
    const QRegion shape = splash.mask();
    EXPECT_EQ(splash.size(), QSize(622, 248));
    EXPECT_FALSE(shape.contains(QPoint(1, 1)));
    EXPECT_TRUE(shape.contains(QPoint(311, 124)));
}
