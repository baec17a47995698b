// SPDX-License-Identifier: GPL-3.0-or-later
// The Wordy window played through its surface and input panel: tiles laid
// with the mouse by square, the coordinate filter, the pass question, a
// whole game of four computers, saving and reopening, a game saved during a
// computer's turn, and saved games kept under fixtures/ opened through the
// main window. The disabled test wrote the fixtures once:
//   test_wordy_window --gtest_also_run_disabled_tests --gtest_filter='*WriteWordyFixtures*'
#include "board_game_window_fixture.h"
#include "support/main_form_fixture.h"
#include "window_test_support.h"

#include <QAction>
#include <QBuffer>
#include <QLineEdit>
#include <QListWidget>
#include <sstream>

#include "boardgames/wordy/wordy_window.h"
#include "framework/code_page_text.h"
#include "framework/game_file.h"
#include "framework/help_window.h"
#include "framework/savefile/typed_stream.h"

namespace {

QString Fixture(const char *name)
{
    return QStringLiteral(LUDORINE_WORDY_FIXTURE_DIR "/") + QLatin1String(name);
}

const QDateTime kSaved(QDate(2026, 12, 10), QTime(15, 0, 0));

} // namespace

class WordyWindowTest : public BoardGameWindowTest<TFWordy> {};

TEST_F(WordyWindowTest, HumanLaysZooOnG7WithTheMouseAndTheComputerAnswers)
{
    TFWordy &w = Start({0, 5}, 7);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Wordy"));
    EXPECT_EQ(w.GameKind, GameKindCode::Wordy);
    SetRack(1, "ZOOSETA");
    Lay({{1, 6, 7}, {2, 7, 7}, {3, 8, 7}});
    Settle();
    EXPECT_EQ(w.Pnl_ctrl->Coord1->text(), QStringLiteral("G"));
    EXPECT_EQ(w.Pnl_ctrl->Coord2->text(), QStringLiteral("6"));
    EXPECT_EQ(w.Pnl_ctrl->Mot->text(), QStringLiteral("ZOO"));
    EXPECT_EQ(w.Pnl_ctrl->ED_note->text(), QStringLiteral("9"));
    // The status bar names the square under the mouse.
    const QPoint g7 = SquarePoint(7, 7);
    EXPECT_TRUE(w.DescriptionAt(g7).startsWith(QString::fromUtf8("G 7 case de départ Lettre")))
        << w.DescriptionAt(g7).toStdString();
    EXPECT_TRUE(w.DescriptionAt(SquarePoint(2, 2)).startsWith(QStringLiteral("B 2 case noire")));
    Validate();
    ASSERT_EQ(w.Game().MoveCount(), 1);
    EXPECT_EQ(w.Game().History().front()->Text(), "G 6 ZOO 9 pts.");
    EXPECT_EQ(w.HistoryPanel->List->item(0)->text(),
              QStringLiteral("1 G 6 ZOO 9 pts. (%1)").arg(w.Config().Players[1].Name));
    ASSERT_TRUE(RunUntil([&] { return w.Game().MoveCount() == 2; }, 2000));
    Settle();
    EXPECT_EQ(w.Game().CurrentPlayer, 1);
    window_tests::SaveScreenshot(w, QStringLiteral("wordy_second_turn"));
}

TEST_F(WordyWindowTest, RackSlotsSwapAndTilesGoToTheExchangeArea)
{
    TFWordy &w = Start({0, 5}, 9);
    SetRack(1, "ZOOSETA");
    Drag(SlotPoint(1, 1), SlotPoint(1, 7));
    Settle();
    EXPECT_EQ(w.Game().RackText(1), "AOOSETZ");
    const auto bag = scrabble_ui::BoardGameGeometry::Centre(w.Geometry().BagArea());
    Drag(SlotPoint(1, 2), QPoint(bag.x, bag.y));
    Settle();
    EXPECT_EQ(w.Game().RackTile(1, 2)->State, scrabble::InExchange);
    EXPECT_EQ(w.Pnl_ctrl->Coord1->text(), QStringLiteral("E"));
    EXPECT_EQ(w.Pnl_ctrl->Mot->text(), QStringLiteral("O "));
    Validate();
    ASSERT_EQ(w.Game().MoveCount(), 1);
    EXPECT_EQ(w.Game().History().front()->Text(), "Change O 0 pts.");
    EXPECT_EQ(w.Game().BagSize(), 100 - 14 + 1); // the O is back in the bag until the next deal
}

TEST_F(WordyWindowTest, KeyFiltersAndThePassQuestion)
{
    TFWordy &w = Start({0, 5}, 3);
    QLineEdit *coord1 = w.Pnl_ctrl->Coord1;
    coord1->setFocus();
    QTest::keyClicks(coord1, QStringLiteral("P"));
    EXPECT_TRUE(coord1->text().isEmpty()); // P is past M: no such row
    QTest::keyClicks(coord1, QStringLiteral("m"));
    EXPECT_EQ(coord1->text(), QStringLiteral("m"));
    QTest::keyClick(coord1, Qt::Key_Backspace);
    QTest::keyClicks(w.Pnl_ctrl->Coord2, QStringLiteral("1x3"));
    EXPECT_EQ(w.Pnl_ctrl->Coord2->text(), QStringLiteral("13"));
    QTest::keyClicks(w.Pnl_ctrl->Mot, QStringLiteral("zo1o"));
    EXPECT_EQ(w.Pnl_ctrl->Mot->text(), QStringLiteral("zoo"));
    // Every field empty: the player is asked whether to pass.
    w.Pnl_ctrl->Clear();
    dialogs->answers = {Answer::Yes};
    Validate();
    EXPECT_EQ(dialogs->Texts(QStringLiteral("question")).last(),
              QStringLiteral("Voulez vous passer votre tour ?"));
    ASSERT_EQ(w.Game().MoveCount(), 1);
    EXPECT_EQ(w.Game().History().front()->Kind, 'P');
    // Shuffling stays available while the computer plays.
    RunUntil([&] { return w.Game().CurrentPlayer == 2; }, 100);
    EXPECT_TRUE(w.Arrangerleslettres->isEnabled());
    EXPECT_FALSE(w.mprop->isEnabled());
}

TEST_F(WordyWindowTest, FourComputersPlayToTheEndAndTheGameReopensWhole)
{
    TFWordy &w = Start({1, 2, 4, 5}, 11);
    ASSERT_TRUE(RunUntil([&] { return w.Finished(); }, 40000));
    EXPECT_GT(w.Game().MoveCount(), 15);
    EXPECT_TRUE(w.Game().IsGameOver());
    window_tests::SaveScreenshot(w, QStringLiteral("wordy_end"));
    // The history ends with the final scores.
    EXPECT_EQ(w.HistoryPanel->List->item(w.Game().MoveCount())->text(), QStringLiteral("Scores finaux :"));
    auto back = Reopened();
    window_tests::ExpectSameGame(w, *back);
    EXPECT_TRUE(back->Finished());
    EXPECT_EQ(back->VictoryText(), w.VictoryText());
    // The text export: the board rule of 26 underscores, one line per move, "Ludorine" last.
    const QByteArray bytes = TextExportBytes(*back, kSaved);
    const QStringList lines = FromCodePage(std::string_view(bytes.constData(), std::size_t(bytes.size())))
                                  .split(QStringLiteral("\r\n"));
    EXPECT_TRUE(lines.contains(QStringLiteral("     ") + QString(26, QLatin1Char('_'))));
    EXPECT_TRUE(lines.contains(QStringLiteral("1 %1 %2")
                                   .arg(back->Config().Players[1].Name)
                                   .arg(FromCodePage(back->Game().History().front()->Text()))));
    QStringList tail = lines;
    while (!tail.isEmpty() && tail.last().isEmpty())
        tail.removeLast();
    EXPECT_EQ(tail.last(), QStringLiteral("Ludorine"));
}

TEST_F(WordyWindowTest, AGameSavedDuringAComputerTurnSearchesAgain)
{
    TFWordy &w = Start({5, 5}, 5);
    ASSERT_TRUE(RunUntil(
        [&] { return w.Game().MoveCount() == 2 && w.Driver.Phase == 11 && w.Driver.Step == 1; }, 4000));
    auto back = Reopened();
    window_tests::ExpectSameGame(w, *back);
    EXPECT_EQ(back->Driver.Phase, 11);
    EXPECT_EQ(back->Driver.Step, 0); // a new search
    for (int i = 0; i < 400 && back->Game().MoveCount() == 2; ++i)
        back->Ticks()->fire();
    EXPECT_EQ(back->Game().MoveCount(), 3);
    // The history shows each move's own number.
    EXPECT_TRUE(back->HistoryPanel->List->item(2)->text().startsWith(QStringLiteral("3 ")));
}

TEST_F(WordyWindowTest, DISABLED_WriteWordyFixtures)
{
    WriteSavedGames(QStringLiteral(LUDORINE_WORDY_FIXTURE_DIR), QStringLiteral("wordy"), kSaved);
}

class WordyFixturesTest : public MainFormTest {
protected:
    TFWordy *Open(const char *name)
    {
        EXPECT_TRUE(form->OpenGameFile(Fixture(name))) << name;
        auto *window = qobject_cast<TFWordy *>(form->ActiveGameWindow());
        if (window)
            window->StopTicks();
        return window;
    }
};

TEST_F(WordyFixturesTest, SavedGamesOpenThroughTheMainWindow)
{
    TFWordy *started = Open("wordy_started.Ldr");
    ASSERT_NE(started, nullptr);
    EXPECT_EQ(started->Driver.Phase, 1);
    EXPECT_EQ(started->Game().MoveCount(), 0);
    EXPECT_EQ(started->Game().BagSize(), 100 - 14);
    EXPECT_TRUE(started->Pnl_ctrl->isVisibleTo(started));

    TFWordy *joker = Open("wordy_joker.Ldr");
    ASSERT_NE(joker, nullptr);
    EXPECT_TRUE(window_tests::JokerPlayed(joker->Game()));
    EXPECT_EQ(joker->Driver.Phase, 11);
    const int moves = joker->Game().MoveCount();
    for (int p = 1; p <= 2; ++p) {
        int sum = 0;
        for (const auto &move : joker->Game().History())
            sum += move->Player == p ? move->Score : 0;
        EXPECT_EQ(joker->Config().Players[std::size_t(p)].Score, sum);
    }
    for (int i = 0; i < 400 && joker->Game().MoveCount() == moves; ++i)
        joker->Ticks()->fire();
    EXPECT_EQ(joker->Game().MoveCount(), moves + 1);

    TFWordy *finished = Open("wordy_finished.Ldr");
    ASSERT_NE(finished, nullptr);
    EXPECT_TRUE(finished->Finished());
    EXPECT_EQ(finished->Game().BagSize(), 0);
    EXPECT_EQ(finished->Game().PlayerCount(), 3);
    window_tests::SaveScreenshot(*form, QStringLiteral("wordy_fixtures_main_window"));
}

TEST_F(WordyFixturesTest, NewGameMenuOpensWordyWithItsMenuAndHelp)
{
    auto *entry = form->findChild<QAction *>(QStringLiteral("MWordy"));
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->isEnabled());
    auto *w = qobject_cast<TFWordy *>(form->NewGame(GameKindCode::Wordy));
    ASSERT_NE(w, nullptr);
    w->StopTicks();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Wordy"));
    EXPECT_TRUE(MenuTitles().contains(QStringLiteral("&Wordy")));
    EXPECT_EQ(window_tests::MenuEntries(*w->GameMenu()),
              (QStringList{
                  QStringLiteral("&Nouvelle partie|Ctrl+N"), QStringLiteral("Afficher l'&historique|Ctrl+H"),
                  QStringLiteral("&Proposer un coup|F2"), QString::fromUtf8("&Mélanger les lettres|F8")}));
    EXPECT_EQ(HelpWindow::PageOf(QStringLiteral("Ludorine.chm::/Wordy.htm")), QStringLiteral("Wordy.htm"));
}
