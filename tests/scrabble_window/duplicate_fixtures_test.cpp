// SPDX-License-Identifier: GPL-3.0-or-later
// Saved Duplicate games kept under fixtures/ (just dealt, mid-game with a
// joker on the board, finished, and a joker game) open through the main
// window's open command with their whole content; mutated copies go through
// the window's reader and whatever loads plays on safely. The disabled test
// wrote the fixtures once:
//   test_scrabble_window --gtest_also_run_disabled_tests --gtest_filter='*WriteDuplicateFixtures*'
#include "duplicate_window_fixture.h"
#include "mutated_files.h"
#include "support/main_form_fixture.h"
#include "window_test_support.h"

#include "framework/code_page_text.h"
#include "framework/game_file.h"
#include "scrabble/windows/duplicate_bag_panel.h"
#include "scrabble/windows/duplicate_input_panel.h"
#include "scrabble/windows/duplicate_players_panel.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>

namespace {

QString Fixture(const char *name)
{
    return QStringLiteral(LUDORINE_FIXTURE_DIR "/") + QLatin1String(name);
}

const QDateTime kSaved(QDate(2026, 12, 10), QTime(14, 0, 0));

bool JokerOnTheBoard(const scrabble::DuplicateGame &game)
{
    for (const scrabble::DuplicateSquare &square : game.Squares())
        if (square.IsPlayed() && square.IsJoker)
            return true;
    return false;
}

} // namespace

TEST_F(DuplicateWindowTest, DISABLED_WriteDuplicateFixtures)
{
    Start({0, 5}, 0, 1001);
    ASSERT_TRUE(UntilSearched());
    ASSERT_TRUE(WriteGameFile(*window, Fixture("duplicate_started.Ldr"), kSaved));

    std::uint64_t seed = 2000;
    do {
        Start({5, 3, 1}, 0, ++seed);
        RunUntil([this] { return JokerOnTheBoard(window->Game()) || window->GameOver; }, 3000);
    } while (!JokerOnTheBoard(window->Game()) || window->GameOver);
    ASSERT_TRUE(WriteGameFile(*window, Fixture("duplicate_joker.Ldr"), kSaved));

    Start({5, 4, 2, 1}, 3, 3001);
    ASSERT_TRUE(RunUntil([this] { return window->GameOver; }, 5000));
    ASSERT_TRUE(WriteGameFile(*window, Fixture("duplicate_finished.Ldr"), kSaved));

    Start({0, 4}, 2, 4001);
    for (int turn = 0; turn < 4; ++turn) {
        ASSERT_TRUE(UntilSearched());
        RunUntil([this] { return window->Game().Player(2).Current.IsPlayed(); }, 20);
        dialogs->answers = {Answer::Yes};
        window->Validate();
    }
    ASSERT_TRUE(WriteGameFile(*window, Fixture("duplicate_joker_game.Ldr"), kSaved));
}

class DuplicateFixturesTest : public MainFormTest {
protected:
    void PrepareDictionary(const QString &path) override
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(LUDORINE_TEST_DICTIONARY), path));
    }

    TFDuplic *Open(const char *name)
    {
        EXPECT_TRUE(form->OpenGameFile(Fixture(name))) << name;
        auto *window = qobject_cast<TFDuplic *>(form->ActiveGameWindow());
        if (window)
            window->StopTicks();
        return window;
    }

    // The top total is the sum of the kept moves, and the rows follow the turns.
    static void ExpectConsistent(const scrabble::DuplicateGame &game)
    {
        int top = 0;
        for (const auto &move : game.History())
            top += move->Score;
        EXPECT_EQ(game.TopTotal(), top);
        // One kept move per completed turn but a last one that kept none;
        // every player has a past row per completed turn.
        const int turns = int(game.Player(1).Past.size());
        EXPECT_LE(int(game.History().size()), turns);
        EXPECT_GE(int(game.History().size()), turns - 1);
        EXPECT_LE(turns, game.DrawNumber());
        for (int p = 1; p <= game.PlayerCount(); ++p)
            EXPECT_EQ(int(game.Player(p).Past.size()), turns) << p;
    }
};

TEST_F(DuplicateFixturesTest, JustDealtGameWaitsForTheHumanAndTheComputerProposes)
{
    TFDuplic *w = Open("duplicate_started.Ldr");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(),
              QStringLiteral("Duplicate (") + Fixture("duplicate_started.Ldr") + QLatin1Char(')'));
    const scrabble::DuplicateGame &game = w->Game();
    EXPECT_EQ(game.DrawNumber(), 1);
    EXPECT_EQ(game.PlayerCount(), 2);
    EXPECT_EQ(game.Player(1).Info.Level, 0);
    EXPECT_EQ(game.Player(2).Info.Level, 5);
    EXPECT_EQ(game.Draw().size(), 7u);
    EXPECT_EQ(game.BagTotal() + 7, 102);
    EXPECT_TRUE(game.History().empty());
    EXPECT_FALSE(w->PendingConfiguration);
    // The search and the computer's proposal run again.
    for (int i = 0; i < 30 && !game.Player(2).Current.IsPlayed(); ++i)
        w->Ticks()->fire();
    EXPECT_TRUE(game.Player(2).Current.IsPlayed());
    EXPECT_TRUE(w->Players->Input->BT_ok->isEnabled());
}

TEST_F(DuplicateFixturesTest, MidGameHasItsJokerHistoryAndTotals)
{
    TFDuplic *w = Open("duplicate_joker.Ldr");
    ASSERT_NE(w, nullptr);
    const scrabble::DuplicateGame &game = w->Game();
    EXPECT_TRUE(JokerOnTheBoard(game));
    EXPECT_FALSE(game.GameOver);
    EXPECT_GT(game.History().size(), 0u);
    ExpectConsistent(game);
    EXPECT_EQ(w->HistoryPanel->List->count(), int(game.History().size()));
    EXPECT_EQ(w->BagPanel->Draws->count(), game.DrawNumber());
    // As the player sees it in the main window.
    form->resize(1024, 768);
    if (auto *frame = qobject_cast<QMdiSubWindow *>(w->parentWidget()))
        frame->showMaximized();
    QApplication::processEvents();
    QDir().mkpath(QStringLiteral(LUDORINE_SCREENSHOT_DIR));
    form->grab().save(QStringLiteral(LUDORINE_SCREENSHOT_DIR "/duplicate_main_window.png"));
    // All computers: the turn ends by itself and the next draw comes.
    const int draw = game.DrawNumber();
    for (int i = 0; i < 40 && game.DrawNumber() == draw && !game.GameOver; ++i)
        w->Ticks()->fire();
    EXPECT_TRUE(game.DrawNumber() == draw + 1 || game.GameOver);
}

TEST_F(DuplicateFixturesTest, FinishedGameShowsItsWinner)
{
    TFDuplic *w = Open("duplicate_finished.Ldr");
    ASSERT_NE(w, nullptr);
    const scrabble::DuplicateGame &game = w->Game();
    EXPECT_TRUE(w->GameOver);
    EXPECT_EQ(game.Variant(), scrabble::DuplicateVariant::SansPrime);
    ExpectConsistent(game);
    EXPECT_EQ(form->statusBar()->currentMessage(), w->VictoryText());
    EXPECT_FALSE(w->Players->Input->BT_ok->isEnabled());
    // The text export closes with each player's total.
    const QString text = FromCodePage(TextExportBytes(*w, kSaved).toStdString());
    for (int p = 1; p <= game.PlayerCount(); ++p)
        EXPECT_TRUE(text.contains(QStringLiteral("%1 : %2 pts.")
                                      .arg(FromCodePage(game.PlayerName(p)))
                                      .arg(game.Player(p).Info.Score)))
            << p;
    w->Ticks()->fire();
    EXPECT_TRUE(dialogs->Texts(QStringLiteral("message")).isEmpty())
        << "a reopened end is not announced again";
}

TEST_F(DuplicateFixturesTest, JokerGameKeepsItsVariantAndItsJokerFirst)
{
    TFDuplic *w = Open("duplicate_joker_game.Ldr");
    ASSERT_NE(w, nullptr);
    const scrabble::DuplicateGame &game = w->Game();
    EXPECT_EQ(game.Variant(), scrabble::DuplicateVariant::Joker);
    EXPECT_EQ(game.DrawNumber(), 5);
    ExpectConsistent(game);
    if (game.JokersLeft() > 0 && game.Draw().size() == 7) {
        EXPECT_EQ(game.Draw()[0], '*');
    }
}

class DuplicateMutatedFilesTest : public DuplicateWindowTest {
protected:
    MemoryTempFolder memory;
};

// Mutated copies of the four fixtures go through the window's LoadGame; on
// every one that loads, the search, the computers' proposals, a human's "Ok"
// and the end of the turn run. Count-bounded and seeded.
TEST_F(DuplicateMutatedFilesTest, MutatedFixturesLoadOrAreRefusedAndThenPlaySafely)
{
    constexpr int kMutantsPerFixture = 300;
    window = std::make_unique<TFDuplic>(nullptr, QStringLiteral(LUDORINE_TEST_DICTIONARY));
    window->StopTicks();
    window->seedSource = [] { return std::uint64_t(7); };
    const int loaded = LoadMutants(*window,
                                   {Fixture("duplicate_started.Ldr"), Fixture("duplicate_joker.Ldr"),
                                    Fixture("duplicate_finished.Ldr"), Fixture("duplicate_joker_game.Ldr")},
                                   GameKindCode::Duplicate, kMutantsPerFixture, 20261210, [this] {
                                       dialogs->answers = {Answer::Yes, Answer::Yes, Answer::Yes};
                                       Tick(12);
                                       window->SubmitProposal();
                                       window->Validate();
                                       Tick(3);
                                       dialogs->asked.clear();
                                   });
    EXPECT_GT(loaded, 20);
    std::printf("%d of %d mutants loaded\n", loaded, 4 * kMutantsPerFixture);
}

TEST_F(DuplicateFixturesTest, NewGameMenuOpensTheWindowWithItsMenu)
{
    QAction *entry = form->Action(QStringLiteral("ScrabbleDuplicate"));
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->isEnabled());
    auto *w = qobject_cast<TFDuplic *>(form->NewGame(GameKindCode::Duplicate));
    ASSERT_NE(w, nullptr);
    w->StopTicks();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Duplicate"));
    EXPECT_TRUE(w->PendingConfiguration);
    EXPECT_TRUE(MenuTitles().contains(QStringLiteral("&Scrabble")));
    EXPECT_EQ(window_tests::MenuEntries(*w->GameMenu()),
              (QStringList{
                  QStringLiteral("&Nouvelle partie|Ctrl+N"), QStringLiteral("Afficher l'&historique|Ctrl+H"),
                  QStringLiteral("&Proposer un coup|F2"), QStringLiteral("&Changer les lettres...|")}));
}
