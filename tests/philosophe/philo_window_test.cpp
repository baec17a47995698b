// SPDX-License-Identifier: GPL-3.0-or-later
// The Philosophe window played as a user plays it: typing on the board,
// clicking its button, the setter's panels, whole games of computers, save
// and reopen, the exports and the printed page; and the window on a display
// without OpenGL.
#include "philo_window_fixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextStream>
#include <QTreeWidget>

#include "wordgames/philosophe/philo_panels.h"

bool PhiloWindowTest::WordPanelShown() const
{
    return window->JvChoix_mot->isVisible();
}

namespace {
// The first point of the view where the pick finds `name`.
QPoint PointOf(scene3d::SceneView &view, const QString &name)
{
    for (int y = 4; y < view.height(); y += 6)
        for (int x = 4; x < view.width(); x += 6)
            if (view.Pick(QPoint(x, y)) == name)
                return QPoint(x, y);
    return QPoint(-1, -1);
}

std::string Letters(const std::string &word)
{
    return word.substr(0, word.find(' '));
}
} // namespace

TEST_F(PhiloWindowTest, AHumanFindsTheWordWithTheKeyboardAndTheBoardsButton)
{
    Start({false});
    philo::PhiloGame &game = window->Game();
    ASSERT_EQ(game.Etat, 2);
    const std::string secret = game.MotSecret;
    ASSERT_EQ(secret.size(), 5u);
    EXPECT_TRUE(window->mprop->isEnabled());

    // A proposal of an empty slot is not taken.
    QTest::keyClicks(window.get(), "ab");
    QTest::keyClick(window.get(), Qt::Key_Return);
    EXPECT_FALSE(game.Coups[1].Joue);
    EXPECT_EQ(game.PosCurseur, 3);

    const std::string first = secret == "DAMES" ? "RAMES" : "DAMES";
    QTest::keyClick(window.get(), Qt::Key_Home);
    QTest::keyClicks(window.get(), QString::fromLatin1(first.c_str()).toLower());
    QTest::keyClick(window.get(), Qt::Key_Return);
    ASSERT_TRUE(game.Coups[1].Joue);
    EXPECT_EQ(Letters(game.Coups[1].Mot), first);
    const philo::Mark mark = philo::NoteMot(secret, first, 5, true);
    EXPECT_EQ(game.Coups[1].Note, philo::NoteText(mark, true));
    RunUntil([&] { return game.Etape == 0; });
    window_tests::SaveScreenshot(Frame(), QStringLiteral("philosophe_first_proposal"));

    // "Proposer un coup" lists words that agree with the mark.
    window->mprop->trigger();
    ASSERT_TRUE(window->JvProp->isVisible());
    ASSERT_GT(window->JvProp->LB_prop->count(), 0);
    for (int i = 0; i < window->JvProp->LB_prop->count(); ++i) {
        const std::string word = window->JvProp->LB_prop->item(i)->text().toStdString();
        EXPECT_EQ(philo::NoteMot(word, first, 5, true), mark) << word;
    }

    // The hidden word typed, then validated by a click on the board's button.
    QTest::keyClick(window.get(), Qt::Key_Home);
    QTest::keyClicks(window.get(), QString::fromLatin1(secret.c_str()));
    Frame();
    const QPoint button = PointOf(*window->View, QStringLiteral("bouton"));
    ASSERT_GE(button.x(), 0) << "the button is not on the view";
    QTest::mouseClick(window->View, Qt::LeftButton, Qt::NoModifier, button);
    EXPECT_EQ(Letters(game.Coups[1].Mot), secret);
    ASSERT_TRUE(RunUntil([&] { return game.Etat == 9 && game.Etape == 1; }));
    EXPECT_EQ(window->Config().Players[1].Score, 11);
    EXPECT_EQ(window->Jvhisto->Tree->topLevelItemCount(), 1);
    EXPECT_EQ(window->Jvhisto->Tree->topLevelItem(0)->childCount(), 2);
    window_tests::SaveScreenshot(Frame(), QStringLiteral("philosophe_found"));

    // A key starts the next round.
    QTest::keyClick(window.get(), Qt::Key_Space);
    EXPECT_EQ(game.Etape, 9);
    ASSERT_TRUE(RunUntil([&] { return game.Etat == 2 && game.Etape == 0; }));
    EXPECT_FALSE(game.Coups[1].Joue);
}

TEST_F(PhiloWindowTest, TheComputerFindsTheWordTheHumanTyped)
{
    Start({true, false});
    ASSERT_TRUE(WordPanelShown());
    EXPECT_FALSE(window->mprop->isEnabled());
    QLineEdit *edit = window->JvChoix_mot->Edit_mot;
    edit->clear();
    QTest::keyClicks(edit, "mardi");
    EXPECT_EQ(edit->text(), QStringLiteral("MARDI"));
    window_tests::SaveScreenshot(*window, QStringLiteral("philosophe_setter_panel"));
    window->JvChoix_mot->Btn_mot->click();
    EXPECT_FALSE(WordPanelShown());
    philo::PhiloGame &game = window->Game();
    ASSERT_TRUE(RunUntil([&] { return game.Etat == 9 && game.Etape == 1; }));
    EXPECT_EQ(Letters(game.Coups[1].Mot), "MARDI");
    EXPECT_GT(window->Config().Players[1].Score, 0);
    EXPECT_TRUE(dialogs->unexpected.isEmpty());
}

TEST_F(PhiloWindowTest, WrongMarksOfAHiddenWordAreReportedWhenItIsRevealed)
{
    Start({true, false});
    QLineEdit *edit = window->JvChoix_mot->Edit_mot;
    edit->setText(QStringLiteral("*****"));
    window->JvChoix_mot->Btn_mot->click();
    philo::PhiloGame &game = window->Game();
    EXPECT_TRUE(game.HiddenWord());
    int marked = 0;
    ASSERT_TRUE(RunUntil([&] {
        if (window->JvReponse->isVisible()) {
            EXPECT_EQ(window->JvReponse->CB_bp->count(), 6);
            EXPECT_TRUE(window->JvReponse->CB_mp->isEnabled());
            if (marked++ == 0)
                window_tests::SaveScreenshot(*window, QStringLiteral("philosophe_marks_panel"));
            window->JvReponse->Btn_rep->click(); // 0 and 0, as the lists start
        }
        return game.Etat == 3 && WordPanelShown();
    }));
    EXPECT_GT(marked, 0);
    edit->setText(QStringLiteral("MARDI"));
    window->JvChoix_mot->Btn_mot->click();
    const QStringList messages = dialogs->Texts(QStringLiteral("message"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("Erreur coup n° "))) << messages[0].toStdString();
    ASSERT_TRUE(RunUntil([&] { return game.Etat == 9 && game.Etape == 1; }));
    EXPECT_EQ(window->Config().Players[1].Score, 13);
}

TEST_F(PhiloWindowTest, ComputersPlayToTheEndWithoutInput)
{
    configure = [](TFconfig &config) { config.Options.ed_philo_par1 = QStringLiteral("2"); };
    Start({true, true, true});
    ASSERT_TRUE(RunUntil([this] { return window->GameOver; }, 40000));
    EXPECT_EQ(window->Game().Manches.size(), 6u);
    EXPECT_EQ(window->Jvhisto->Tree->topLevelItemCount(), 6);
    EXPECT_FALSE(window->mprop->isEnabled());
    window->Ticks()->fire();
    const int winner = window->Game().Winner();
    EXPECT_EQ(window->Game().StatusText(false, false),
              QStringLiteral("Partie terminée. Victoire de « %1 » avec %2 points.")
                  .arg(window->Config().Players[std::size_t(winner)].Name)
                  .arg(window->Config().Players[std::size_t(winner)].Score));
    // "Nouvelle partie" goes through the settings again and plays.
    window->MnouvellePartie->trigger();
    EXPECT_FALSE(window->GameOver);
    ASSERT_TRUE(RunUntil([this] { return window->Game().Etat == 2; }));
    EXPECT_TRUE(window->Game().Manches.empty());
}

TEST_F(PhiloWindowTest, ARoundSavedAndReopenedGoesOnAsItWas)
{
    Start({false, true});
    philo::PhiloGame &game = window->Game();
    QTest::keyClicks(window.get(), "lundi");
    QTest::keyClick(window.get(), Qt::Key_Return);
    RunUntil([&] { return game.Etape == 0; });
    QTest::keyClicks(window.get(), "ma");
    const auto back = Reopened();
    philo::PhiloGame &loaded = back->Game();
    EXPECT_EQ(loaded.MotSecret, game.MotSecret);
    EXPECT_EQ(loaded.Proposition, game.Proposition);
    EXPECT_EQ(loaded.PosCurseur, game.PosCurseur);
    EXPECT_EQ(loaded.Etat, game.Etat);
    for (int n = 1; n <= philo::kEntries; ++n)
        EXPECT_EQ(loaded.Coups[n].Mot, game.Coups[n].Mot);
    EXPECT_EQ(loaded.Candidats.PossibleCount(), game.Candidats.PossibleCount());
    EXPECT_EQ(back->Config().PlayerCount, 2);
    EXPECT_FALSE(back->Modified);
    EXPECT_TRUE(back->mprop->isEnabled());

    // Text export: the settings lines, then the rounds.
    QString text;
    QTextStream out(&text);
    window->ExportText(out);
    EXPECT_TRUE(text.contains(QStringLiteral("1 %1 : 0").arg(window->Config().Players[1].Name)))
        << text.toStdString();

    // The printed page holds the rendered board.
    const QByteArray pdf = window_tests::PrintToPdf(*window, settings.Path(QStringLiteral("philosophe.pdf")));
    EXPECT_GT(pdf.size(), 5000);
    const QImage picture = window->ScenePicture();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), window->View->size() * window->View->devicePixelRatio());
}

TEST_F(PhiloWindowTest, TheSettersPanelComesBackWithAReopenedGame)
{
    Start({true, false});
    ASSERT_TRUE(WordPanelShown());
    const auto back = Reopened();
    back->show();
    EXPECT_TRUE(back->JvChoix_mot->isVisible());
    back->JvChoix_mot->Edit_mot->setText(QStringLiteral("RAMES"));
    back->JvChoix_mot->Btn_mot->click();
    ASSERT_TRUE(window_tests::FireTicksUntil(
        *back, [&] { return back->Game().Etat == 9 && back->Game().Etape == 1; }, 5000));
    EXPECT_EQ(Letters(back->Game().Coups[1].Mot), "RAMES");
}

// On a display without OpenGL the window says why and closes.
TEST(PhiloWithoutOpenGL, TheWindowSaysSoAndCloses)
{
    if (scene3d::OpenGLAvailable())
        GTEST_SKIP() << "this display has OpenGL";
    TempSettings settings;
    ScriptedDialogsScope dialogs;
    TFPhilo window(nullptr, QStringLiteral(LUDORINE_TEST_DICTIONARY));
    const QStringList messages = dialogs->Texts(QStringLiteral("message"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("OpenGL")));
    EXPECT_EQ(window.View, nullptr);
    EXPECT_FALSE(window.Ticks() && window.Ticks()->isActive());
}
