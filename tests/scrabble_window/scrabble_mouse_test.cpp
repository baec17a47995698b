// SPDX-License-Identifier: GPL-3.0-or-later
// A human turn played with the mouse on the classic Scrabble window: tiles
// dragged onto the board, the rack and the exchange area, validation with
// its score, history line and next player, the errors through the dialog
// interface, a joker given its letter from the keyboard.
#include "board_game_window_fixture.h"
#include "scrabble/geometry/classic_geometry.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

using scrabble::TJeton;

namespace {
const QString kCentreError =
    QString::fromUtf8("Une des lettres du premier mot placé doit recouvrir la case centrale.");
}

TEST_F(ScrabbleWindowTest, NewWindowConfiguresBeforeTheFirstDealAndCancelClosesIt)
{
    answerConfiguration = false;
    window = std::make_unique<TFScrabble>(nullptr, QStringLiteral(LUDORINE_TEST_DICTIONARY));
    window->StopTicks();
    window->runConfiguration = [this](TFconfig &) {
        ++configurations;
        // Nothing is dealt before the players are known.
        EXPECT_EQ(window->Game().BagSize(), 102);
        return false;
    };
    window->show();
    Tick(3);
    EXPECT_EQ(configurations, 1);
    EXPECT_TRUE(window->Closing);
    QApplication::processEvents();
    EXPECT_FALSE(window->isVisible());
    Tick(5); // a closing window's ticks do nothing
    EXPECT_EQ(configurations, 1);
}

TEST_F(ScrabbleWindowTest, HumanWordByMouseIsScoredRecordedAndPassesTheTurn)
{
    TFScrabble &w = Start({0, 0});
    ASSERT_EQ(w.Driver.Phase, 1);
    ASSERT_EQ(w.Driver.Step, 1);
    EXPECT_TRUE(w.Pnl_ctrl->isVisible());
    EXPECT_EQ(w.Pnl_ctrl->pos(), QPoint(512, 45));
    SetRack(1, "MOTABCD");
    const std::string rack = w.Game().RackText(1);

    Drag(SlotPoint(1, 1), SquarePoint(7, 8));
    Drag(SlotPoint(1, 2), SquarePoint(8, 8));
    Drag(SlotPoint(1, 3), SquarePoint(9, 8));
    EXPECT_EQ(w.Game().At(7, 8)->Letter, 'M');
    EXPECT_EQ(w.Game().At(9, 8)->State, scrabble::Matched);
    // The input panel follows the tiles laid.
    EXPECT_EQ(w.Pnl_ctrl->Coord1->text(), QStringLiteral("H"));
    EXPECT_EQ(w.Pnl_ctrl->Coord2->text(), QStringLiteral("7"));
    EXPECT_EQ(w.Pnl_ctrl->Mot->text(), QStringLiteral("MOT"));
    EXPECT_EQ(w.Pnl_ctrl->ED_note->text(), QStringLiteral("8"));

    // The clicks left the focus in the input panel: Enter validates.
    ASSERT_EQ(QApplication::focusWidget(), w.Pnl_ctrl->Coord1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(w.Driver.Step, 2);
    RunUntil([&] { return w.Driver.Step != 2; }, 200);
    ASSERT_EQ(w.Game().MoveCount(), 1);
    EXPECT_EQ(w.Driver.Phase, 0);
    EXPECT_EQ(w.Config().Players[1].Score, 8);
    EXPECT_TRUE(w.Modified);
    ASSERT_EQ(w.HistoryPanel->List->count(), 1);
    EXPECT_EQ(w.HistoryPanel->List->item(0)->text(),
              QStringLiteral("1 %1  H 7 MOT 8 pts. (%2)")
                  .arg(QString::fromLatin1(rack), w.Config().Players[1].Name));
    EXPECT_EQ(w.Game().At(8, 8)->State, scrabble::Fixed);
    EXPECT_EQ(w.Game().RackTile(1, 1), nullptr);

    Settle();
    EXPECT_EQ(w.Game().CurrentPlayer, 2);
    EXPECT_EQ(w.Config().CurrentPlayer, 2);
    EXPECT_EQ(w.Driver.Phase, 1);
    EXPECT_EQ(w.Game().RackText(1).size(), 7u); // refilled
    EXPECT_EQ(w.Pnl_ctrl->pos(), QPoint(512, 135));
    EXPECT_TRUE(dialogs->unexpected.isEmpty());
}

TEST_F(ScrabbleWindowTest, InvalidMoveShowsItsErrorAndTheTurnGoesOn)
{
    TFScrabble &w = Start({0, 0});
    SetRack(1, "MOTABCD");
    Drag(SlotPoint(1, 1), SquarePoint(1, 1));
    Drag(SlotPoint(1, 2), SquarePoint(2, 1));
    QTest::mouseClick(w.Pnl_ctrl->BT_val, Qt::LeftButton);
    RunUntil([&] { return w.Driver.Step != 2; }, 200);
    EXPECT_EQ(dialogs->Texts(QStringLiteral("message")), QStringList{kCentreError});
    EXPECT_EQ(w.Game().MoveCount(), 0);
    EXPECT_EQ(w.Driver.Phase, 1);
    EXPECT_EQ(w.Driver.Step, 1);
    EXPECT_EQ(w.Game().At(1, 1)->State, scrabble::Placed);
    EXPECT_EQ(w.Pnl_ctrl->Mot->text(), QStringLiteral("MO")); // kept for a correction

    // A word missing from the dictionary is confirmed; No abandons silently.
    Drag(SquarePoint(1, 1), QPoint(300, 500)); // off the board: home
    Drag(SquarePoint(2, 1), QPoint(300, 500));
    EXPECT_EQ(w.Game().At(1, 1), nullptr);
    w.Pnl_ctrl->Coord1->setText(QStringLiteral("H"));
    w.Pnl_ctrl->Coord2->setText(QStringLiteral("8"));
    w.Pnl_ctrl->Mot->setText(QStringLiteral("DBC"));
    dialogs->answers = {Answer::No};
    QTest::keyClick(w.Pnl_ctrl->Mot, Qt::Key_Return);
    RunUntil([&] { return w.Driver.Step != 2; }, 200);
    ASSERT_EQ(dialogs->Texts(QStringLiteral("question")).size(), 1);
    EXPECT_TRUE(
        dialogs->Texts(QStringLiteral("question"))[0].startsWith(QStringLiteral("Le mot DBC ne figure pas")));
    EXPECT_EQ(dialogs->asked.back().title, QStringLiteral("Scrabble"));
    EXPECT_EQ(dialogs->Texts(QStringLiteral("message")).size(), 1);
    EXPECT_EQ(w.Game().MoveCount(), 0);

    // An empty input asks to pass; Yes records the pass and a tile laid
    // meanwhile goes home rather than staying for the next player.
    Drag(SlotPoint(1, 7), SquarePoint(8, 8));
    w.Pnl_ctrl->Clear();
    dialogs->answers = {Answer::Yes};
    Validate();
    EXPECT_EQ(dialogs->Texts(QStringLiteral("question")).last(),
              QStringLiteral("Voulez vous passer votre tour ?"));
    ASSERT_EQ(w.Game().MoveCount(), 1);
    EXPECT_EQ(w.Game().History()[0]->Kind, scrabble::Pass);
    EXPECT_EQ(w.Game().At(8, 8), nullptr);
    EXPECT_EQ(w.Game().RackTile(1, 7)->State, scrabble::OnRack);
    Settle();
    EXPECT_EQ(w.Game().CurrentPlayer, 2);
}

TEST_F(ScrabbleWindowTest, DropOnAnOccupiedSquareSendsTheTileBack)
{
    TFScrabble &w = Start({0, 0});
    SetRack(1, "MOTABCD");
    Drag(SlotPoint(1, 1), SquarePoint(8, 8));
    TJeton *o = w.Game().RackTile(1, 2);
    Drag(SlotPoint(1, 2), SquarePoint(8, 8));
    EXPECT_EQ(w.Game().At(8, 8)->Letter, 'M');
    EXPECT_EQ(o->State, scrabble::OnRack);
    EXPECT_FALSE(o->Selected);
    EXPECT_EQ(w.DraggedTile, nullptr);
    Settle();
    EXPECT_EQ(o->Bounds, scrabble_ui::ClassicGeometry::Instance().PositionFor(*o, w.Game().random));

    // A tile laid this turn dropped on an occupied square stays on its own.
    Drag(SlotPoint(1, 2), SquarePoint(9, 8));
    Drag(SquarePoint(9, 8), SquarePoint(8, 8));
    EXPECT_EQ(w.Game().At(9, 8), o);
    Settle();
    EXPECT_EQ(o->Bounds.Left, 30 * 9 + 1);
    // Moved to a free square, it leaves the first one; dropped off the board,
    // it goes home.
    Drag(SquarePoint(9, 8), SquarePoint(8, 9));
    EXPECT_EQ(w.Game().At(9, 8), nullptr);
    EXPECT_EQ(w.Game().At(8, 9), o);
    Drag(SquarePoint(8, 9), QPoint(600, 30 * 12));
    EXPECT_EQ(w.Game().At(8, 9), nullptr);
    EXPECT_EQ(o->State, scrabble::OnRack);
}

TEST_F(ScrabbleWindowTest, DropOnAnotherSlotSwapsTheTwoTiles)
{
    TFScrabble &w = Start({0, 0});
    SetRack(1, "ABCDEFG");
    TJeton *a = w.Game().RackTile(1, 1);
    TJeton *c = w.Game().RackTile(1, 3);
    Drag(SlotPoint(1, 1), SlotPoint(1, 3));
    EXPECT_EQ(w.Game().RackTile(1, 3), a);
    EXPECT_EQ(w.Game().RackTile(1, 1), c);
    EXPECT_EQ(a->Bounds.Left, 480 + 32 * 3);
    EXPECT_EQ(c->Bounds.Left, 480 + 32 * 1);
    EXPECT_EQ(w.Game().RackText(1), "CBADEFG");
    // Another player's rack row is not this tile's rack: it goes home.
    Drag(SlotPoint(1, 2), SlotPoint(2, 5));
    EXPECT_EQ(w.Game().RackText(1), "CBADEFG");
    // Tiles of the player who is not to play do not move.
    const std::string other = w.Game().RackText(2);
    Drag(SlotPoint(2, 1), SquarePoint(8, 8));
    EXPECT_EQ(w.Game().At(8, 8), nullptr);
    EXPECT_EQ(w.Game().RackText(2), other);
}

TEST_F(ScrabbleWindowTest, ExchangeAreaFillsTheFieldsAndIsRefusedWithSixTilesInTheBag)
{
    TFScrabble &w = Start({0, 0});
    SetRack(1, "ABCDEFG");
    const QPoint exchange(600, 440);
    Drag(SlotPoint(1, 2), exchange);
    TJeton *b = w.Game().RackTile(1, 2);
    EXPECT_EQ(b->State, scrabble::InExchange);
    EXPECT_EQ(w.Pnl_ctrl->Coord1->text(), QStringLiteral("E"));
    EXPECT_EQ(w.Pnl_ctrl->Mot->text(), QStringLiteral("B "));
    Drag(SlotPoint(1, 5), exchange);
    EXPECT_EQ(w.Pnl_ctrl->Mot->text(), QStringLiteral("B E "));
    const int bag = w.Game().BagSize();
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(w.Driver.Step, 2);
    RunUntil([&] { return w.Driver.Step != 2; }, 200);
    ASSERT_EQ(w.Game().MoveCount(), 1);
    EXPECT_EQ(w.Game().History()[0]->Kind, scrabble::Exchange);
    EXPECT_EQ(w.Game().History()[0]->Word, "BE");
    EXPECT_EQ(w.Game().BagSize(), bag + 2);
    EXPECT_EQ(b->State, scrabble::InBag);
    Settle();

    // Player 2: the bag brought down to 6 tiles.
    ASSERT_EQ(w.Game().CurrentPlayer, 2);
    int square = 0;
    while (w.Game().BagSize() > 6) {
        const TJeton *last = w.Game().Bag().back();
        ASSERT_TRUE(
            w.Game().PlayFromBag(last->IsJoker ? '*' : last->Letter, 1 + square % 15, 15 - square / 15));
        ++square;
    }
    TJeton *tile = w.Game().RackTile(2, 1);
    Drag(SlotPoint(2, 1), exchange);
    EXPECT_EQ(tile->State, scrabble::OnRack);
    EXPECT_EQ(w.Pnl_ctrl->Coord1->text(), QString());
    Settle();
    EXPECT_EQ(tile->Bounds, scrabble_ui::ClassicGeometry::Instance().PositionFor(*tile, w.Game().random));
    // Typed, the exchange gets error 2.
    w.Pnl_ctrl->Coord1->setText(QStringLiteral("E"));
    w.Pnl_ctrl->Mot->setText(QString(QChar::fromLatin1(tile->Letter)));
    Validate();
    ASSERT_EQ(dialogs->Texts(QStringLiteral("message")).size(), 1);
    EXPECT_TRUE(dialogs->Texts(QStringLiteral("message"))[0].startsWith(
        QStringLiteral("IL n'y a plus assez de lettres")));
    EXPECT_EQ(w.Game().MoveCount(), 1);
}

TEST_F(ScrabbleWindowTest, TilesLeftInTheExchangeAreaGoHomeWhenTheTurnEndsOtherwise)
{
    TFScrabble &w = Start({0, 0});
    SetRack(1, "ABCDEFG");
    TJeton *b = w.Game().RackTile(1, 2);
    Drag(SlotPoint(1, 2), QPoint(600, 440));
    ASSERT_EQ(b->State, scrabble::InExchange);
    // The player changes his mind and passes instead.
    w.Pnl_ctrl->Clear();
    dialogs->answers = {Answer::Yes};
    Validate();
    ASSERT_EQ(w.Game().MoveCount(), 1);
    EXPECT_EQ(w.Game().History()[0]->Kind, scrabble::Pass);
    EXPECT_EQ(b->State, scrabble::OnRack);
    Settle();
    EXPECT_EQ(b->Bounds, scrabble_ui::ClassicGeometry::Instance().PositionFor(
                             *b, w.Game().random)); // back on its rack, not in the bag area
}

TEST_F(ScrabbleWindowTest, SelectedJokerTakesTypedLettersAndIsPlayedInLowerCase)
{
    TFScrabble &w = Start({0, 0});
    SetRack(1, "M*TABCD");
    Drag(SlotPoint(1, 1), SquarePoint(7, 8));
    Drag(SlotPoint(1, 2), SquarePoint(8, 8));
    TJeton *joker = w.Game().At(8, 8);
    ASSERT_TRUE(joker->IsJoker);
    EXPECT_EQ(w.DraggedTile, joker);
    EXPECT_FALSE(w.Pnl_ctrl->FieldsEnabled());
    EXPECT_EQ(QApplication::focusWidget(), w.Surface);
    QTest::keyClick(w.Surface, Qt::Key_O);
    EXPECT_EQ(joker->Letter, 'o');
    EXPECT_EQ(w.Pnl_ctrl->Mot->text(), QStringLiteral("Mo"));
    QTest::keyClick(w.Surface, Qt::Key_Backspace);
    EXPECT_EQ(joker->Letter, '*');
    QTest::keyClick(w.Surface, Qt::Key_9); // not a letter: refused
    EXPECT_EQ(joker->Letter, '*');
    QTest::keyClicks(w.Surface, QStringLiteral("o"));
    QTest::keyClick(w.Surface, Qt::Key_Tab);
    EXPECT_EQ(w.DraggedTile, nullptr);
    EXPECT_TRUE(w.Pnl_ctrl->FieldsEnabled());
    EXPECT_EQ(QApplication::focusWidget(), w.Pnl_ctrl->Coord1);
    QTest::keyClick(w.Surface, Qt::Key_A); // no joker selected: nothing changes
    EXPECT_EQ(joker->Letter, 'o');
    Drag(SlotPoint(1, 3), SquarePoint(9, 8));
    Validate();
    ASSERT_EQ(w.Game().MoveCount(), 1);
    EXPECT_EQ(w.Game().History()[0]->Word, "MoT");
    EXPECT_EQ(w.Config().Players[1].Score, (2 + 0 + 1) * 2);
}

TEST_F(ScrabbleWindowTest, CoordinateFieldsKeepOnlyTheirCharacters)
{
    using scrabble_ui::InputPanel;
    EXPECT_TRUE(InputPanel::AcceptedCoordinateKey(QStringLiteral("H")));
    EXPECT_TRUE(InputPanel::AcceptedCoordinateKey(QStringLiteral("8")));
    EXPECT_TRUE(InputPanel::AcceptedCoordinateKey(QStringLiteral("o")));
    EXPECT_FALSE(InputPanel::AcceptedCoordinateKey(QStringLiteral("p")));
    EXPECT_FALSE(InputPanel::AcceptedCoordinateKey(QStringLiteral(" ")));
    EXPECT_FALSE(InputPanel::AcceptedCoordinateKey(QStringLiteral("@")));
    TFScrabble &w = Start({0, 0});
    QTest::keyClicks(w.Pnl_ctrl->Coord1, QStringLiteral("x@h 8"));
    EXPECT_EQ(w.Pnl_ctrl->Coord1->text(), QStringLiteral("h8"));
}

TEST_F(ScrabbleWindowTest, ProposalsFillTheFieldsAndMenuCommandsFollowThePlayer)
{
    TFScrabble &w = Start({0, 5});
    SetRack(1, "MOTABCD");
    EXPECT_TRUE(w.mprop->isEnabled());
    w.mprop->trigger();
    ASSERT_TRUE(w.Proposals->isVisible());
    ASSERT_GT(w.Proposals->List->count(), 0);
    const QString first = w.Proposals->List->item(0)->text();
    const QStringList tokens = first.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    w.ProposalChosen(0);
    EXPECT_EQ(w.Pnl_ctrl->Coord1->text(), tokens[0]);
    EXPECT_EQ(w.Pnl_ctrl->Coord2->text(), tokens[1]);
    EXPECT_EQ(w.Pnl_ctrl->Mot->text(), tokens[2]);
    w.BTvaliderClick();
    EXPECT_FALSE(w.Proposals->isVisible());
    RunUntil([&] { return w.Driver.Step != 2; }, 200);
    ASSERT_EQ(w.Game().MoveCount(), 1);
    EXPECT_EQ(QString::fromLatin1(w.Game().History()[0]->Text()).mid(9), first);

    // The computer's turn: no input panel, no proposals, no shuffle.
    RunUntil([&] { return w.Driver.Phase == 11; });
    EXPECT_FALSE(w.Pnl_ctrl->isVisible());
    EXPECT_FALSE(w.mprop->isEnabled());
    EXPECT_FALSE(w.Arrangerleslettres->isEnabled());
    const qint64 before = w.Config().Players[2].TimeMs;
    RunUntil([&] { return w.Game().MoveCount() == 2; });
    EXPECT_GE(w.Config().Players[2].TimeMs, before);

    // Ctrl+H toggles the history, its close button unchecks the entry.
    w.Mhisto->trigger();
    EXPECT_TRUE(w.HistoryPanel->isVisible());
    EXPECT_TRUE(w.Mhisto->isChecked());
    EXPECT_EQ(w.HistoryPanel->List->count(), 2);
    QTest::mouseClick(w.HistoryPanel->CloseButton, Qt::LeftButton);
    EXPECT_FALSE(w.HistoryPanel->isVisible());
    EXPECT_FALSE(w.Mhisto->isChecked());
}
