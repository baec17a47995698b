// SPDX-License-Identifier: GPL-3.0-or-later
// The TopWord window played through its surface and input panel: a word
// laid with the mouse, a tile dropped on a played letter and picked up
// again, the drops a stack refuses, the 8 x 8 board and its coordinates,
// whole games of four computers on both boards reopened whole, a game saved
// during a computer's turn, tall stacks rendered, and saved games kept under
// fixtures/ opened through the main window. The disabled test wrote the
// fixtures once:
//   test_topword_window --gtest_also_run_disabled_tests --gtest_filter='*WriteTopWordFixtures*'
#include "board_game_window_fixture.h"
#include "support/main_form_fixture.h"
#include "window_test_support.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>

#include "boardgames/topword/topword_game.h"
#include "boardgames/topword/topword_geometry.h"
#include "boardgames/topword/topword_window.h"
#include "framework/code_page_text.h"
#include "framework/game_file.h"
#include "framework/help_window.h"

namespace {

QString Fixture(const char *name)
{
    return QStringLiteral(LUDORINE_TOPWORD_FIXTURE_DIR "/") + QLatin1String(name);
}

const QDateTime kSaved(QDate(2026, 12, 10), QTime(15, 0, 0));

int HighestStack(const scrabble::BoardGame &game)
{
    int highest = 0;
    for (int row = 1; row <= game.Layout().Size(); ++row)
        for (int col = 1; col <= game.Layout().Size(); ++col)
            highest = std::max(highest, game.StackHeight(col, row));
    return highest;
}

} // namespace

class TopWordWindowTest : public BoardGameWindowTest<TFtopword> {
protected:
    void SmallBoard()
    {
        configure = [](TFconfig &config) { config.Options.ddlb_dim_topword = 1; };
    }
    // Plays letters on a square with no move (a stack).
    void Stack(int col, int row, const std::string &letters)
    {
        for (const char letter : letters)
            ASSERT_TRUE(window->Game().PlayFromBag(letter, col, row)) << letter;
        window->Game().NormaliseStacks();
        Settle();
    }
};

TEST_F(TopWordWindowTest, HumanLaysKiwiWithTheMouseAndCoversALetter)
{
    TFtopword &w = Start({0, 5}, 7);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("TopWord"));
    EXPECT_EQ(w.GameKind, GameKindCode::TopWord);
    EXPECT_EQ(w.TopGame().BoardSize(), 10);
    SetRack(1, "KIWIABC");
    Lay({{1, 3, 5}, {2, 4, 5}, {3, 5, 5}, {4, 6, 5}});
    Settle();
    EXPECT_EQ(w.Pnl_ctrl->Coord1->text(), QStringLiteral("E"));
    EXPECT_EQ(w.Pnl_ctrl->Coord2->text(), QStringLiteral("3"));
    EXPECT_EQ(w.Pnl_ctrl->Mot->text(), QStringLiteral("KIWI"));
    EXPECT_EQ(w.Pnl_ctrl->ED_note->text(), QStringLiteral("12"));
    window_tests::SaveScreenshot(w, QStringLiteral("topword_human_turn"));
    Validate();
    ASSERT_EQ(w.Game().MoveCount(), 1);
    EXPECT_EQ(w.Game().History().front()->Text(), "E 3 KIWI 12 pts.");
    EXPECT_EQ(w.HistoryPanel->List->item(0)->text(),
              QStringLiteral("1 E 3 KIWI 12 pts. (%1)").arg(w.Config().Players[1].Name));
    ASSERT_TRUE(RunUntil([&] { return w.Game().MoveCount() == 2 && w.Driver.Phase == 1; }, 4000));
    Settle();

    // The human's next turn: a tile dropped on the W rises over it and the
    // status bar tells what lies below; picked up again, it uncovers the W.
    SetRack(1, "ASEEEEE");
    const QPoint w5 = SquarePoint(5, 5);
    Drag(SlotPoint(1, 1), w5);
    Settle();
    ASSERT_EQ(w.Game().StackHeight(5, 5), 2);
    EXPECT_EQ(w.Game().At(5, 5)->Letter, 'A');
    EXPECT_TRUE(w.DescriptionAt(w5).startsWith(QStringLiteral("E 5  Lettre")));
    EXPECT_TRUE(w.DescriptionAt(w5).endsWith(QString::fromUtf8(" placé sur : W.")))
        << w.DescriptionAt(w5).toStdString();
    // The tile below the top of a stack of two lies 2 pixels left and up
    // of a floor tile; the top lies where a floor tile does.
    const auto &g = w.TopGeometry();
    EXPECT_EQ(w.Game().At(5, 5)->Bounds, g.StackedTile(5, 5, 1, 1));
    EXPECT_EQ(w.Game().StackTile(5, 5, 2)->Bounds.Left, g.StackedTile(5, 5, 1, 1).Left - 2);
    Drag(w5, SlotPoint(1, 1));
    Settle();
    EXPECT_EQ(w.Game().StackHeight(5, 5), 1);
    EXPECT_EQ(w.Game().At(5, 5)->Letter, 'W');
    EXPECT_EQ(w.Game().RackTile(1, 1)->State, scrabble::OnRack);
    EXPECT_TRUE(w.Pnl_ctrl->Mot->text().isEmpty());
    // Its own letter refuses the tile: it goes back to the rack.
    SetRack(1, "ISEEEEE");
    Drag(SlotPoint(1, 1), SquarePoint(4, 5));
    Settle();
    EXPECT_EQ(w.Game().StackHeight(4, 5), 1);
    EXPECT_EQ(w.Game().RackTile(1, 1)->State, scrabble::OnRack);
}

TEST_F(TopWordWindowTest, FullStacksAndTilesLaidThisTurnRefuseDrops)
{
    TFtopword &w = Start({0, 5}, 8);
    Stack(5, 5, "ESESE");
    SetRack(1, "CDEFGHI");
    Drag(SlotPoint(1, 1), SquarePoint(5, 5));
    Settle();
    EXPECT_EQ(w.Game().StackHeight(5, 5), 5);
    EXPECT_EQ(w.Game().RackTile(1, 1)->State, scrabble::OnRack);
    // A tile laid this turn is not covered either.
    Drag(SlotPoint(1, 2), SquarePoint(6, 5));
    Drag(SlotPoint(1, 3), SquarePoint(6, 5));
    Settle();
    EXPECT_EQ(w.Game().StackHeight(6, 5), 1);
    EXPECT_EQ(w.Game().At(6, 5)->Letter, 'D');
    EXPECT_EQ(w.Game().RackTile(1, 3)->State, scrabble::OnRack);
    // Typed over the full stack: "Le placement de ce mot est impossible".
    w.Game().ReturnPendingTiles();
    w.Pnl_ctrl->Coord1->setText(QStringLiteral("E"));
    w.Pnl_ctrl->Coord2->setText(QStringLiteral("5"));
    w.Pnl_ctrl->Mot->setText(QStringLiteral("CD"));
    Validate();
    EXPECT_EQ(w.Game().MoveCount(), 0);
    ASSERT_FALSE(dialogs->Texts(QStringLiteral("message")).isEmpty());
    EXPECT_EQ(dialogs->Texts(QStringLiteral("message")).last(),
              QStringLiteral("Le placement de ce mot est impossible"));
    // The tall stack drawn: each tile shifted from the one below.
    window_tests::SaveScreenshot(w.SurfacePicture(), QStringLiteral("topword_tall_stack"));
    const QImage board = w.BoardArea();
    EXPECT_FALSE(board.isNull());
}

TEST_F(TopWordWindowTest, TheSmallBoardAndItsCoordinates)
{
    SmallBoard();
    TFtopword &w = Start({0, 5}, 9);
    EXPECT_EQ(w.TopGame().BoardSize(), 8);
    EXPECT_EQ(w.TopGeometry().BoardLeft(), 50);
    EXPECT_EQ(w.TopGeometry().BoardTop(), 50);
    EXPECT_EQ(w.TopGeometry().Square(1, 1).Left, 390);
    SetRack(1, "MOTSAIE");
    w.Pnl_ctrl->Coord1->setText(QStringLiteral("I"));
    w.Pnl_ctrl->Coord2->setText(QStringLiteral("3"));
    w.Pnl_ctrl->Mot->setText(QStringLiteral("MOTS"));
    Validate();
    EXPECT_EQ(w.Game().MoveCount(), 0);
    EXPECT_EQ(dialogs->Texts(QStringLiteral("message")).last(),
              QString::fromUtf8("Les coordonnées indiquées pour ce coup ne sont pas valides."));
    // D 4, D 5, E 4 and E 5 are the central squares.
    Lay({{1, 2, 4}, {2, 3, 4}, {3, 4, 4}, {4, 5, 4}});
    Settle();
    EXPECT_EQ(w.Pnl_ctrl->Coord1->text(), QStringLiteral("D"));
    EXPECT_EQ(w.Pnl_ctrl->ED_note->text(), QStringLiteral("8"));
    Validate();
    ASSERT_EQ(w.Game().MoveCount(), 1);
    EXPECT_EQ(w.Game().History().front()->Text(), "D 2 MOTS 8 pts.");
    window_tests::SaveScreenshot(w.SurfacePicture(), QStringLiteral("topword_small_board"));
}

TEST_F(TopWordWindowTest, FourComputersPlayToTheEndOnBothBoardsAndReopenWhole)
{
    for (const bool small : {false, true}) {
        if (small)
            SmallBoard();
        TFtopword &w = Start({1, 2, 4, 5}, small ? 12 : 11);
        ASSERT_TRUE(RunUntil([&] { return w.Finished(); }, 60000)) << small;
        EXPECT_GT(w.Game().MoveCount(), 15);
        EXPECT_EQ(w.TopGame().BoardSize(), small ? 8 : 10);
        EXPECT_GE(HighestStack(w.Game()), 3);
        window_tests::SaveScreenshot(w, small ? QStringLiteral("topword_end_small")
                                              : QStringLiteral("topword_end"));
        auto back = Reopened();
        window_tests::ExpectSameGame(w, *back);
        EXPECT_EQ(back->TopGame().BoardSize(), w.TopGame().BoardSize());
        EXPECT_EQ(back->TopGeometry().BoardSize(), w.TopGame().BoardSize());
        EXPECT_TRUE(back->Finished());
        EXPECT_EQ(back->VictoryText(), w.VictoryText());
        const QByteArray bytes = TextExportBytes(*back, kSaved);
        const QStringList lines = FromCodePage(std::string_view(bytes.constData(), std::size_t(bytes.size())))
                                      .split(QStringLiteral("\r\n"));
        const int size = w.TopGame().BoardSize();
        EXPECT_TRUE(lines.contains(QStringLiteral("     ") + QString(2 * size, QLatin1Char('_'))));
        QString firstRow = QStringLiteral("  A  |");
        for (int col = 1; col <= size; ++col) {
            const scrabble::TJeton *top = w.Game().At(col, 1);
            firstRow +=
                (top != nullptr ? QChar::fromLatin1(top->Letter) : QLatin1Char('-')) + QLatin1Char('|');
        }
        EXPECT_TRUE(lines.contains(firstRow)) << firstRow.toStdString();
        QString name = back->Config().Players[1].Name.leftJustified(20, QLatin1Char(' '), true);
        EXPECT_TRUE(lines.contains(
            QStringLiteral("1 %1 %2").arg(name).arg(FromCodePage(back->Game().History().front()->Text()))));
        QStringList tail = lines;
        while (!tail.isEmpty() && tail.last().isEmpty())
            tail.removeLast();
        EXPECT_EQ(tail.last(), QStringLiteral("Ludorine"));
    }
}

TEST_F(TopWordWindowTest, AGameSavedDuringAComputerTurnSearchesAgain)
{
    TFtopword &w = Start({5, 5}, 5);
    ASSERT_TRUE(RunUntil(
        [&] { return w.Game().MoveCount() == 3 && w.Driver.Phase == 11 && w.Driver.Step == 1; }, 4000));
    auto back = Reopened();
    window_tests::ExpectSameGame(w, *back);
    EXPECT_EQ(back->Driver.Phase, 11);
    EXPECT_EQ(back->Driver.Step, 0);
    for (int i = 0; i < 400 && back->Game().MoveCount() == 3; ++i)
        back->Ticks()->fire();
    EXPECT_EQ(back->Game().MoveCount(), 4);
    EXPECT_EQ(back->TopGame().PreviousMoveText(1), w.TopGame().PreviousMoveText(1));
}

TEST_F(TopWordWindowTest, DISABLED_WriteTopWordFixtures)
{
    const QString base = QStringLiteral(LUDORINE_TOPWORD_FIXTURE_DIR "/topword");
    Start({0, 5}, 1001);
    ASSERT_TRUE(WriteGameFile(*window, base + QStringLiteral("_started.Ldr"), kSaved));
    Start({5, 3}, 2001);
    ASSERT_TRUE(RunUntil(
        [this] {
            return HighestStack(window->Game()) >= 3 && window->Driver.Phase == 11 &&
                   window->Driver.Step == 0;
        },
        60000));
    ASSERT_TRUE(WriteGameFile(*window, base + QStringLiteral("_middle.Ldr"), kSaved));
    SmallBoard();
    Start({5, 4, 2}, 3001);
    ASSERT_TRUE(RunUntil([this] { return window->Driver.Phase == -2; }, 60000));
    ASSERT_TRUE(WriteGameFile(*window, base + QStringLiteral("_finished.Ldr"), kSaved));
}

class TopWordFixturesTest : public MainFormTest {
protected:
    TFtopword *Open(const char *name)
    {
        EXPECT_TRUE(form->OpenGameFile(Fixture(name))) << name;
        auto *window = qobject_cast<TFtopword *>(form->ActiveGameWindow());
        if (window)
            window->StopTicks();
        return window;
    }
};

TEST_F(TopWordFixturesTest, SavedGamesOpenThroughTheMainWindow)
{
    TFtopword *started = Open("topword_started.Ldr");
    ASSERT_NE(started, nullptr);
    EXPECT_EQ(started->Driver.Phase, 1);
    EXPECT_EQ(started->Game().MoveCount(), 0);
    EXPECT_EQ(started->Game().BagSize(), 113 - 14);
    EXPECT_TRUE(started->Pnl_ctrl->isVisibleTo(started));

    TFtopword *middle = Open("topword_middle.Ldr");
    ASSERT_NE(middle, nullptr);
    EXPECT_GE(HighestStack(middle->Game()), 3);
    EXPECT_EQ(middle->Driver.Phase, 11);
    const int moves = middle->Game().MoveCount();
    for (int i = 0; i < 400 && middle->Game().MoveCount() == moves; ++i)
        middle->Ticks()->fire();
    EXPECT_EQ(middle->Game().MoveCount(), moves + 1);

    TFtopword *finished = Open("topword_finished.Ldr");
    ASSERT_NE(finished, nullptr);
    EXPECT_TRUE(finished->Finished());
    EXPECT_EQ(finished->TopGame().BoardSize(), 8);
    EXPECT_EQ(finished->Game().PlayerCount(), 3);
    window_tests::SaveScreenshot(*form, QStringLiteral("topword_fixtures_main_window"));
}

TEST_F(TopWordFixturesTest, NewGameMenuOpensTopWordWithItsMenu)
{
    auto *entry = form->findChild<QAction *>(QStringLiteral("Topword"));
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->isEnabled());
    auto *w = qobject_cast<TFtopword *>(form->NewGame(GameKindCode::TopWord));
    ASSERT_NE(w, nullptr);
    w->StopTicks();
    EXPECT_TRUE(MenuTitles().contains(QStringLiteral("&TopWord")));
    EXPECT_EQ(window_tests::MenuEntries(*w->GameMenu()),
              (QStringList{
                  QStringLiteral("&Nouvelle partie|Ctrl+N"), QStringLiteral("Afficher l'&historique|Ctrl+H"),
                  QStringLiteral("&Proposer un coup|F2"), QString::fromUtf8("&Mélanger les lettres|F8")}));
}
