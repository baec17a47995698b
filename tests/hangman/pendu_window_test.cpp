// SPDX-License-Identifier: GPL-3.0-or-later
// The Hangman window played as a user plays it: letters typed and tiles
// clicked, the gallows at each stage, the setter's panels, computers to the
// end, pause and Escape, save and reopen, exports and the printed page.
#include "pendu_window_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextStream>

#include "wordgames/hangman/pendu_panels.h"
#include "wordgames/hangman/pendu_scene.h"

namespace {
QPoint PointOf(scene3d::SceneView &view, const QString &name)
{
    for (int y = 2; y < view.height(); y += 3)
        for (int x = 2; x < view.width(); x += 3)
            if (view.Pick(QPoint(x, y)) == name)
                return QPoint(x, y);
    return QPoint(-1, -1);
}

// A letter of the alphabet not in the word, not played yet.
char WrongLetter(const pendu::PenduGame &game)
{
    for (char c : std::string("ZWXKJQYVBHFGPCMDLUTSNRAOIE"))
        if (game.MotATrouver.find(c) == std::string::npos && !game.LetterUsed(c))
            return c;
    return '?';
}
} // namespace

TEST_F(PenduWindowTest, AHumanRoundThroughTheGallowsStagesToTheEnd)
{
    Start({false}, 0);
    pendu::PenduGame &game = window->Game();
    ASSERT_TRUE(game.HumanTurn());
    EXPECT_TRUE(window->etat1->isEnabled());
    window_tests::SaveScreenshot(Frame(), QStringLiteral("pendu_stage_0"));
    // A tile clicked on the table plays its letter.
    const char first = WrongLetter(game);
    Frame();
    const QString tile = QStringLiteral("Lettre_%1").arg(QChar::fromLatin1(first));
    const QPoint at = PointOf(*window->View, tile);
    ASSERT_GE(at.x(), 0) << "no tile " << first << " on the view";
    QTest::mouseClick(window->View, Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_EQ(game.LettreJouee, first);
    RunUntil([&] { return game.HumanTurn(); });
    EXPECT_EQ(game.Erreurs, 1);
    window_tests::SaveScreenshot(Frame(), QStringLiteral("pendu_stage_1"));
    for (int errors = 2; errors <= 6; ++errors) {
        Type(char(WrongLetter(game) + 'a' - 'A'));
        EXPECT_EQ(game.Erreurs, errors);
        EXPECT_EQ(game.PartsShown(), pendu::PenduTable::PartsShown(errors, 7));
        window_tests::SaveScreenshot(Frame(), QStringLiteral("pendu_stage_%1").arg(errors));
    }
    Type(WrongLetter(game));
    ASSERT_TRUE(RunUntil([&] { return game.Phase.state == 0 && game.Sommet == 0; }));
    EXPECT_EQ(game.PartsShown(), 12);
    EXPECT_EQ(window->Config().Players[1].Score, 0);
    EXPECT_EQ(window->JvHisto->LbHisto->count(), 1);
    window_tests::SaveScreenshot(Frame(), QStringLiteral("pendu_stage_7"));
    // A key deals the next round.
    QTest::keyClick(window.get(), Qt::Key_Space);
    ASSERT_TRUE(RunUntil([&] { return game.HumanTurn(); }));
    EXPECT_EQ(game.Erreurs, 0);
    EXPECT_EQ(game.PartsShown(), 0);
}

TEST_F(PenduWindowTest, TheComputerGuessesAWordTypedInTheWordPanel)
{
    Start({true, false});
    ASSERT_TRUE(window->P_masque->isVisible());
    EXPECT_TRUE(window->P_masque->lab_propo->text().startsWith(QStringLiteral("(Proposition : « ")));
    window_tests::SaveScreenshot(*window, QStringLiteral("pendu_word_panel"));
    // Too long for the 12 cards: refused with its message.
    window->P_masque->Edit_masque->setText(QStringLiteral("ANTICONSTITUTIONNEL"));
    window->P_masque->B_valider->click();
    EXPECT_EQ(dialogs->Texts(QStringLiteral("message")).value(0),
              QStringLiteral("Le mot à trouver doit comporter, au maximum, 12 lettres !"));
    EXPECT_TRUE(window->P_masque->isVisible());
    window->P_masque->Edit_masque->setText(QStringLiteral("maison"));
    window->P_masque->B_valider->click();
    EXPECT_FALSE(window->P_masque->isVisible());
    pendu::PenduGame &game = window->Game();
    ASSERT_TRUE(RunUntil([&] { return game.Phase.state == 0 && game.Sommet == 0; }));
    EXPECT_EQ(game.MotATrouver, "MAISON");
    EXPECT_EQ(window->Config().Players[1].Score, std::max(0, 7 - game.Erreurs));
}

TEST_F(PenduWindowTest, AHiddenWordIsMarkedOnThePanelAndTheMissingLettersGiven)
{
    Start({true, false});
    window->P_masque->Edit_masque->setText(QStringLiteral("*****"));
    window->P_masque->B_valider->click();
    pendu::PenduGame &game = window->Game();
    const std::string word = "LUNDI";
    int marks = 0;
    ASSERT_TRUE(RunUntil([&] {
        if (window->P_rep->isVisible() && game.Top() && game.Top()->kind == 'R') {
            if (marks++ == 0)
                window_tests::SaveScreenshot(*window, QStringLiteral("pendu_marks_panel"));
            for (std::size_t i = 0; i < word.size(); ++i)
                if (word[i] == game.LettreJouee)
                    window->P_rep->CKB[i]->setChecked(true);
            window->P_rep->b_reponse->click();
        }
        return game.Phase.state == 0 || (window->P_rep->isVisible() && game.Top() && game.Top()->kind == 'W');
    }));
    EXPECT_GT(marks, 0);
    if (game.Phase.state != 0) {
        // The computer failed: the missing letters are given.
        for (std::size_t i = 0; i < word.size(); ++i)
            if (window->P_rep->Edit_L[i]->isEnabled() && !window->P_rep->Edit_L[i]->isReadOnly())
                window->P_rep->Edit_L[i]->setText(QString(QChar::fromLatin1(word[i])));
        window->P_rep->b_reponse->click();
        ASSERT_TRUE(RunUntil([&] { return game.Phase.state == 0 && game.Sommet == 0; }));
    }
    EXPECT_EQ(game.MotATrouver, word);
    EXPECT_EQ(game.Masque.find('*') == std::string::npos, true);
}

TEST_F(PenduWindowTest, ComputersPlayToTheEndAndPauseAndEscapeWork)
{
    configure = [](TFconfig &config) { config.Options.ed_pendu_par1 = QStringLiteral("1"); };
    Start({true, true});
    pendu::PenduGame &game = window->Game();
    // The Pause key stops everything; any key goes on.
    QTest::keyClick(window.get(), Qt::Key_Pause);
    EXPECT_TRUE(window->Paused);
    EXPECT_TRUE(window->View->IsVisible(QStringLiteral("HUDPause")));
    const int state = game.Phase.state, step = game.Phase.step;
    for (int n = 0; n < 50; ++n)
        Tick(*window);
    EXPECT_EQ(game.Phase.state, state);
    EXPECT_EQ(game.Phase.step, step);
    QTest::keyClick(window.get(), Qt::Key_A);
    EXPECT_FALSE(window->Paused);
    // Leaving the window pauses it and stops its tick; coming back to a game
    // of computers plays on.
    window->Activated(false);
    EXPECT_TRUE(window->Paused);
    EXPECT_FALSE(window->Ticks()->isActive());
    window->Activated(true);
    EXPECT_FALSE(window->Paused);
    EXPECT_TRUE(window->Ticks()->isActive());
    window->StopTicks();
    ASSERT_TRUE(RunUntil([this] { return window->GameOver; }, 60000));
    EXPECT_EQ(game.Historique.size(), 2u);
    EXPECT_FALSE(window->etat1->isEnabled());
    window_tests::SaveScreenshot(Frame(), QStringLiteral("pendu_game_over"));
}

TEST_F(PenduWindowTest, ARoundSavedAndReopenedHasItsTableAsItWas)
{
    Start({false, true}, 1);
    pendu::PenduGame &game = window->Game();
    Type(WrongLetter(game));
    Type(game.MotATrouver[1]);
    const auto back = Reopened();
    back->show();
    pendu::PenduGame &loaded = back->Game();
    EXPECT_EQ(loaded.MotATrouver, game.MotATrouver);
    EXPECT_EQ(loaded.Masque, game.Masque);
    EXPECT_EQ(loaded.Erreurs, 1);
    for (int n = 1; n <= pendu::kCards; ++n) {
        EXPECT_EQ(loaded.Table.cards[std::size_t(n)].position, game.Table.cards[std::size_t(n)].position)
            << n;
        EXPECT_EQ(loaded.Table.cards[std::size_t(n)].material, game.Table.cards[std::size_t(n)].material)
            << n;
    }
    for (int i = 1; i <= pendu::kLetters; ++i)
        EXPECT_EQ(loaded.Table.tiles[std::size_t(i)].mark, game.Table.tiles[std::size_t(i)].mark) << i;
    EXPECT_FALSE(back->Modified);

    QString text;
    QTextStream out(&text);
    window->ExportText(out);
    EXPECT_TRUE(text.contains(window->Config().Players[1].Name + QStringLiteral(" : 0")));
    const QByteArray pdf = window_tests::PrintToPdf(*window, settings.Path(QStringLiteral("pendu.pdf")));
    EXPECT_GT(pdf.size(), 5000);
    EXPECT_FALSE(window->ScenePicture().isNull());
}

// On a display without OpenGL the window says why and closes.
TEST(PenduWithoutOpenGL, TheWindowSaysSoAndCloses)
{
    if (scene3d::OpenGLAvailable())
        GTEST_SKIP() << "this display has OpenGL";
    TempSettings settings;
    ScriptedDialogsScope dialogs;
    TFPendu window(nullptr, QStringLiteral(LUDORINE_TEST_DICTIONARY));
    const QStringList messages = dialogs->Texts(QStringLiteral("message"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("OpenGL")));
    EXPECT_EQ(window.View, nullptr);
}
