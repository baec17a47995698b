// SPDX-License-Identifier: GPL-3.0-or-later
// Saved Hangman games of fixtures/ opened through the main window, and the
// game's entry in the "Nouveau jeu" menu. The disabled test wrote the
// fixtures once:
//   test_hangman_window --gtest_also_run_disabled_tests --gtest_filter='*WriteHangmanFixtures*'
#include "pendu_window_fixture.h"

#include <QListWidget>
#include <QMenu>

namespace {
QString Fixture(const char *name)
{
    return QStringLiteral(LUDORINE_HANGMAN_FIXTURE_DIR "/") + QLatin1String(name);
}

const QDateTime kSaved(QDate(2026, 12, 11), QTime(9, 0, 0));
} // namespace

TEST_F(PenduWindowTest, DISABLED_WriteHangmanFixtures)
{
    // A round under way: a human guesser, one wrong letter, one right.
    Start({false, true}, 1, 31);
    pendu::PenduGame &game = window->Game();
    Type('Z');
    Type(game.MotATrouver[0] == 'Z' ? 'W' : game.MotATrouver[1]);
    ASSERT_TRUE(WriteGameFile(*window, Fixture("pendu_round.Ldr"), kSaved));
    // A finished game: two computers, two turns.
    configure = [](TFconfig &config) { config.Options.ed_pendu_par1 = QStringLiteral("2"); };
    Start({true, true}, 0, 32);
    ASSERT_TRUE(RunUntil([this] { return window->GameOver; }, 60000));
    ASSERT_TRUE(WriteGameFile(*window, Fixture("pendu_finished.Ldr"), kSaved));
}

class PenduFixturesTest : public word_game_test::WordGameFixturesTest {
protected:
    PenduFixturesTest() : WordGameFixturesTest(QStringLiteral(LUDORINE_TEST_DICTIONARY)) {}
    TFPendu *Open(const char *name)
    {
        TFPendu *window = WordGameFixturesTest::Open<TFPendu>(Fixture(name));
        if (window)
            window->followActivation = false;
        return window;
    }
};

TEST_F(PenduFixturesTest, SavedGamesOpenThroughTheMainWindowAndPlayOn)
{
    TFPendu *round = Open("pendu_round.Ldr");
    ASSERT_NE(round, nullptr);
    double seconds = 100;
    round->View->Clock().realTime = [&seconds] { return seconds; };
    round->clock = [&seconds] { return qint64(seconds * 1000); };
    round->Paused = false;
    pendu::PenduGame &game = round->Game();
    EXPECT_EQ(game.Phase.state, 2);
    EXPECT_EQ(game.NbEssais, 10);
    EXPECT_EQ(game.Erreurs, 1);
    EXPECT_NE(game.Masque.find('*'), std::string::npos);
    EXPECT_NE(game.Table.tiles[26].mark, 0); // Z was played
    // The word's missing letters finish the round.
    const std::string word = game.MotATrouver;
    for (int n = 0; n < 2000 && game.Phase.state != 0; ++n) {
        if (game.HumanTurn())
            for (char c : word)
                if (!game.LetterUsed(c)) {
                    game.CharacterKey(c);
                    break;
                }
        seconds += 0.05;
        round->Ticks()->fire();
    }
    EXPECT_EQ(game.Phase.state, 0);

    TFPendu *finished = Open("pendu_finished.Ldr");
    ASSERT_NE(finished, nullptr);
    EXPECT_TRUE(finished->GameOver);
    EXPECT_EQ(finished->Game().Historique.size(), 4u);
    EXPECT_EQ(finished->JvHisto->LbHisto->count(), 4);
    window_tests::SaveScreenshot(*form, QStringLiteral("pendu_fixtures_main_window"));
}

TEST_F(PenduFixturesTest, NewGameMenuOpensHangmanWithItsMenu)
{
    auto *w = qobject_cast<TFPendu *>(form->NewGame(GameKindCode::Pendu));
    ASSERT_NE(w, nullptr);
    w->StopTicks();
    EXPECT_TRUE(MenuTitles().contains(QStringLiteral("Pendu")));
    EXPECT_EQ(window_tests::MenuEntries(*w->GameMenu()),
              (QStringList{QStringLiteral("&Nouvelle Partie|Ctrl+N"),
                           QStringLiteral("Afficher l'&historique|Ctrl+H"),
                           QStringLiteral("&Proposer un coup|F2")}));
}
