// SPDX-License-Identifier: GPL-3.0-or-later
// Saved Philosophe games of fixtures/ opened through the main window, and
// the game's entry in the "Nouveau jeu" menu. The disabled test wrote the
// fixtures once:
//   test_philosophe_window --gtest_also_run_disabled_tests --gtest_filter='*WritePhilosopheFixtures*'
#include "philo_window_fixture.h"

#include <QLineEdit>
#include <QMenu>
#include <QTreeWidget>

#include "wordgames/philosophe/philo_panels.h"

namespace {
QString Fixture(const char *name)
{
    return QStringLiteral(LUDORINE_PHILOSOPHE_FIXTURE_DIR "/") + QLatin1String(name);
}

const QDateTime kSaved(QDate(2026, 12, 11), QTime(9, 0, 0));
} // namespace

TEST_F(PhiloWindowTest, DISABLED_WritePhilosopheFixtures)
{
    // A round under way: a human guesser, two proposals marked, a third typed.
    Start({false, true}, 21);
    QTest::keyClicks(window.get(), "lundi");
    QTest::keyClick(window.get(), Qt::Key_Return);
    RunUntil([this] { return window->Game().Etape == 0; });
    QTest::keyClicks(window.get(), "rames");
    QTest::keyClick(window.get(), Qt::Key_Return);
    RunUntil([this] { return window->Game().Etape == 0; });
    QTest::keyClicks(window.get(), "ma");
    ASSERT_TRUE(WriteGameFile(*window, Fixture("philosophe_round.Ldr"), kSaved));
    // A finished game: three computers, two turns.
    configure = [](TFconfig &config) { config.Options.ed_philo_par1 = QStringLiteral("2"); };
    Start({true, true, true}, 22);
    ASSERT_TRUE(RunUntil([this] { return window->GameOver; }, 40000));
    ASSERT_TRUE(WriteGameFile(*window, Fixture("philosophe_finished.Ldr"), kSaved));
}

class PhiloFixturesTest : public word_game_test::WordGameFixturesTest {
protected:
    PhiloFixturesTest() : WordGameFixturesTest(QStringLiteral(LUDORINE_TEST_DICTIONARY)) {}
    TFPhilo *Open(const char *name) { return WordGameFixturesTest::Open<TFPhilo>(Fixture(name)); }
};

TEST_F(PhiloFixturesTest, SavedGamesOpenThroughTheMainWindowAndPlayOn)
{
    TFPhilo *round = Open("philosophe_round.Ldr");
    ASSERT_NE(round, nullptr);
    philo::PhiloGame &game = round->Game();
    EXPECT_EQ(game.Etat, 2);
    EXPECT_EQ(game.LongueurMot, 5);
    EXPECT_TRUE(game.Coups[1].Joue && game.Coups[2].Joue);
    EXPECT_FALSE(game.Coups[3].Joue);
    EXPECT_EQ(game.Proposition.substr(0, 5), "MA***");
    EXPECT_EQ(game.PosCurseur, 3);
    EXPECT_LT(game.Candidats.PossibleCount(), game.Candidats.Size());
    EXPECT_TRUE(round->mprop->isEnabled());
    // The hidden word finishes the round.
    QTest::keyClick(round, Qt::Key_Home);
    QTest::keyClicks(round, QString::fromLatin1(game.MotSecret.c_str()));
    QTest::keyClick(round, Qt::Key_Return);
    ASSERT_TRUE(window_tests::FireTicksUntil(
        *round, [&] { return game.Etat == 9 && game.Etape == 1; }, 100));
    EXPECT_EQ(round->Config().Players[1].Score, 10);

    TFPhilo *finished = Open("philosophe_finished.Ldr");
    ASSERT_NE(finished, nullptr);
    EXPECT_TRUE(finished->GameOver);
    EXPECT_EQ(finished->Game().Manches.size(), 6u);
    EXPECT_EQ(finished->Jvhisto->Tree->topLevelItemCount(), 6);
    EXPECT_EQ(finished->Config().PlayerCount, 3);
    finished->Ticks()->fire();
    EXPECT_TRUE(finished->Game().StatusText(false, false).startsWith(QStringLiteral("Partie terminée.")));
    window_tests::SaveScreenshot(*form, QStringLiteral("philosophe_fixtures_main_window"));
}

TEST_F(PhiloFixturesTest, NewGameMenuOpensPhilosopheWithItsMenu)
{
    auto *w = qobject_cast<TFPhilo *>(form->NewGame(GameKindCode::Philosophe));
    ASSERT_NE(w, nullptr);
    w->StopTicks();
    EXPECT_TRUE(MenuTitles().contains(QStringLiteral("Philosophe")));
    EXPECT_EQ(window_tests::MenuEntries(*w->GameMenu()),
              (QStringList{QStringLiteral("&Nouvelle partie|Ctrl+N"),
                           QStringLiteral("Afficher l'&historique|Ctrl+H"),
                           QStringLiteral("&Proposer un coup|F2")}));
}
