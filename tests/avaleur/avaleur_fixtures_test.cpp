// SPDX-License-Identifier: GPL-3.0-or-later
// Saved Avaleur games of fixtures/ opened through the main window, and the
// game's entry in the "Nouveau jeu" menu. The disabled test wrote the
// fixtures once:
//   test_avaleur_window --gtest_also_run_disabled_tests --gtest_filter='*WriteAvaleurFixtures*'
#include "avaleur_window_fixture.h"
#include "support/main_form_fixture.h"

#include <QFile>

namespace {
using namespace avaleur;

QString Fixture(const char *name)
{
    return QStringLiteral(LUDORINE_AVALEUR_FIXTURE_DIR "/") + QLatin1String(name);
}

const QDateTime kSaved(QDate(2026, 12, 11), QTime(9, 0, 0));

// Puts a letter just ahead of the eater and lets it eat it.
void FeedEater(AvaleurGame &game, char c)
{
    TPacman &eater = game.Mangeur();
    // A way the eater can go.
    for (auto [d, dx, dy] : {std::tuple{'D', 4, 0}, {'G', -4, 0}, {'H', 0, -4}, {'B', 0, 4}})
        if (!eater.Plateau->MurEn(eater.X + dx, eater.Y + dy)) {
            eater.Direction = d;
            eater.Demande = ' ';
            break;
        }
    auto letter = std::make_unique<TLettre>(game, eater.Plateau);
    letter->Lettre = c;
    letter->PlaceSur(eater.CaseDe());
    letter->X = eater.X;
    letter->Y = eater.Y;
    letter->Image = 5;
    game.Insere(std::move(letter));
    eater.Avance();
}
} // namespace

TEST_F(AvaleurWindowTest, DISABLED_WriteAvaleurFixtures)
{
    // Early in a game: a few moves on the first board.
    TFAvaleur &w = Start(31);
    QTest::keyClick(&w, Qt::Key_Down);
    window_tests::FireTicks(w, 20);
    ASSERT_TRUE(WriteGameFile(w, Fixture("avaleur_early.Ldr"), kSaved));
    // A train of two letters behind the eater (a letter it met on its way
    // is dropped first).
    w.Game().Mangeur().TakeTrain();
    FeedEater(w.Game(), 'E');
    FeedEater(w.Game(), 'T');
    ASSERT_EQ(w.Game().Mangeur().Mot, "ET");
    window_tests::FireTicks(w, 3);
    ASSERT_TRUE(WriteGameFile(w, Fixture("avaleur_train.Ldr"), kSaved));
    // Caught by a ghost: the countdown runs.
    w.Game().Meurt();
    window_tests::FireTicks(w, 20);
    ASSERT_EQ(w.Game().CompteMort, 80);
    ASSERT_TRUE(WriteGameFile(w, Fixture("avaleur_death.Ldr"), kSaved));
}

class AvaleurFixturesTest : public MainFormTest {
protected:
    void PrepareDictionary(const QString &path) override
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(LUDORINE_TEST_DICTIONARY), path));
    }

    TFAvaleur *Open(const char *name)
    {
        EXPECT_TRUE(form->OpenGameFile(Fixture(name))) << name;
        auto *window = qobject_cast<TFAvaleur *>(form->ActiveGameWindow());
        if (window) {
            window->StopTicks();
            window->isActive = [] { return true; };
        }
        return window;
    }
};

TEST_F(AvaleurFixturesTest, SavedGamesOpenThroughTheMainWindowAndPlayOn)
{
    TFAvaleur *early = Open("avaleur_early.Ldr");
    ASSERT_NE(early, nullptr);
    EXPECT_FALSE(early->Game().AConfigurer);
    EXPECT_EQ(early->Game().Vies, 5);
    EXPECT_EQ(early->Game().Mangeur().Mot.size(), std::size_t(early->Game().Mangeur().NbTrain));
    window_tests::FireTicks(*early, 5);
    EXPECT_FALSE(early->Game().AConfigurer) << "no configuration when a game is opened";

    TFAvaleur *train = Open("avaleur_train.Ldr");
    ASSERT_NE(train, nullptr);
    const TPacman &eater = train->Game().Mangeur();
    EXPECT_EQ(eater.Mot.substr(0, 2), "ET");
    ASSERT_EQ(eater.NbTrain, int(eater.Mot.size()));
    for (int p = 1; p <= eater.NbTrain; ++p) {
        ASSERT_NE(eater.Train[std::size_t(p)].letter, nullptr);
        EXPECT_EQ(eater.Train[std::size_t(p)].letter->Lettre, eater.Mot[std::size_t(p - 1)]);
        EXPECT_EQ(eater.Train[std::size_t(p)].letter->Attache, 1);
    }

    TFAvaleur *death = Open("avaleur_death.Ldr");
    ASSERT_NE(death, nullptr);
    EXPECT_EQ(death->Game().CompteMort, 80);
    EXPECT_EQ(death->Game().Vies, 4);
    ASSERT_TRUE(window_tests::FireTicksUntil(
        *death, [&] { return death->Game().CompteMort == -1; }, 200));
    EXPECT_TRUE(death->Game().Mangeur().Visible);
    EXPECT_FALSE(death->GameOver);
    window_tests::SaveScreenshot(*form, QStringLiteral("avaleur_fixtures_main_window"));
}

TEST_F(AvaleurFixturesTest, NewGameMenuOpensAvaleurWithItsMenu)
{
    auto *w = qobject_cast<TFAvaleur *>(form->NewGame(GameKindCode::Avaleur));
    ASSERT_NE(w, nullptr);
    w->StopTicks();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Avaleur"));
    EXPECT_TRUE(MenuTitles().contains(QStringLiteral("Avaleur")));
}
