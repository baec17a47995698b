// SPDX-License-Identifier: GPL-3.0-or-later
// What a Duplicate turn keeps, and what it must drop, across the computers'
// ticks, a save and reopen, a redeal and a new game: the proposals already
// made, the letters a human is typing, the table's scroll position.
#include "duplicate_window_fixture.h"

#include "framework/code_page_text.h"
#include "framework/game_file.h"
#include "framework/savefile/typed_stream.h"
#include "scrabble/windows/duplicate_board_view.h"
#include "scrabble/windows/duplicate_input_panel.h"
#include "scrabble/windows/duplicate_player_table.h"
#include "scrabble/windows/duplicate_players_panel.h"

#include <QPushButton>
#include <QScrollBar>
#include <sstream>

namespace {

// The best word of the draw laid across the centre, as the fields take it.
QString BestWordAcrossTheCentre(const scrabble::DuplicateGame &game)
{
    for (const scrabble::Tcoup &move : game.Candidates())
        if (move.IsPlacement() &&
            std::none_of(move.Word.begin(), move.Word.end(), [](char c) { return c >= 'a' && c <= 'z'; }))
            return FromCodePage(move.Word);
    return {};
}

} // namespace

TEST_F(DuplicateWindowTest, ProposalsMadeBeforeASaveCountAfterReopening)
{
    TFDuplic &w = Start({0, 0}, 0, 51);
    ASSERT_TRUE(UntilSearched());
    const QString word = BestWordAcrossTheCentre(w.Game());
    ASSERT_FALSE(word.isEmpty());
    scrabble_ui::DuplicateInputPanel *input = w.Players->Input;
    input->SetFields({QStringLiteral("H"), QStringLiteral("8"), word});
    input->BT_ok->click();
    w.SelectPlayer(2);
    input->SetFields({QStringLiteral("H"), QStringLiteral("8"), word.left(2)});
    input->BT_ok->click();
    const int first = w.Game().Player(1).Current.Score;
    const int second = w.Game().Player(2).Current.Score;
    ASSERT_GT(first, 0);

    const QByteArray bytes = SavedGameBytes(w, QDateTime::currentDateTime());
    window = std::make_unique<TFDuplic>(nullptr, QStringLiteral(LUDORINE_TEST_DICTIONARY));
    window->StopTicks();
    std::istringstream in(bytes.toStdString());
    savefile::TypedReader reader(in);
    ASSERT_TRUE(ReadSavedGameKind(reader).has_value());
    ASSERT_TRUE(window->LoadGame(reader, QStringLiteral("/tmp/propositions.Ldr")));
    window->StopTicks();
    const scrabble::DuplicateGame &game = window->Game();
    EXPECT_EQ(game.Player(1).Current.Score, first);
    EXPECT_EQ(game.Player(2).Current.Score, second);
    EXPECT_EQ(game.TopPlayer(), first > second ? 1 : 2);

    window->Validate();
    EXPECT_EQ(game.Player(1).Info.Score, first);
    EXPECT_EQ(game.Player(2).Info.Score, second);
    ASSERT_EQ(game.History().size(), 1u);
    EXPECT_EQ(game.History()[0]->Score, std::max(first, second));
}

TEST_F(DuplicateWindowTest, AComputersProposalLeavesTheHumansTypingAlone)
{
    TFDuplic &w = Start({0, 5}, 0, 52);
    ASSERT_TRUE(UntilSearched());
    const QString word = BestWordAcrossTheCentre(w.Game());
    ASSERT_GE(word.size(), 2);
    const scrabble_ui::BoardGeometry g = w.Board->Geometry();
    QTest::mouseClick(w.Board, Qt::LeftButton, Qt::NoModifier, g.SquareRect(8, 8).center());
    QTest::keyClicks(w.Board, word.left(2));
    const std::string shownDraw = w.Game().DrawShown();
    ASSERT_TRUE(RunUntil([&] { return w.Game().Player(2).Current.IsPlayed(); }, 20));

    // The game and the screen still show what the human typed.
    for (int col : {8, 9}) {
        EXPECT_EQ(w.Game().SquareAt(col, 8).SquareState, 0) << col;
        EXPECT_EQ(w.Board->Board().At(col, 8).letter, word[col - 8].toLatin1()) << col;
    }
    EXPECT_EQ(w.Game().DrawShown(), shownDraw);
    // And the next letter goes on with his word.
    if (word.size() > 2) {
        QTest::keyClicks(w.Board, word.mid(2, 1));
        EXPECT_EQ(FromCodePage(w.Game().Player(1).Current.Word), word.left(3));
    }
}

TEST_F(DuplicateWindowTest, TheTableStaysWhereItWasScrolledWhileTheComputersPropose)
{
    std::vector<int> levels(40, 2);
    TFDuplic &w = Start(levels, 0, 53);
    QScrollBar *bar = w.Players->Table->verticalScrollBar();
    ASSERT_TRUE(RunUntil([&] { return w.Game().DrawNumber() >= 3; }, 200));
    ASSERT_TRUE(UntilSearched());
    QApplication::processEvents();
    ASSERT_GT(bar->maximum(), 0);
    bar->setValue(bar->maximum());
    Tick(4);
    EXPECT_EQ(bar->value(), bar->maximum());
}

TEST_F(DuplicateWindowTest, ARedealAndANewGameDropTheOldProposals)
{
    TFDuplic &w = Start({0}, 0, 54);
    ASSERT_TRUE(UntilSearched());
    const QString word = BestWordAcrossTheCentre(w.Game());
    w.Players->Input->SetFields({QStringLiteral("H"), QStringLiteral("8"), word});
    w.Players->Input->BT_ok->click();
    ASSERT_TRUE(w.Game().Player(1).Current.IsValid());

    w.Mchanger->trigger();
    const scrabble::PlayerRow &row = w.Game().Player(1).Current;
    EXPECT_FALSE(row.IsPlayed());
    EXPECT_TRUE(row.Word.empty());
    EXPECT_EQ(row.Score, 0);
    EXPECT_EQ(FromCodePage(row.MoveText()), QStringLiteral("?"));

    ASSERT_TRUE(UntilSearched());
    w.ShowProposals();
    ASSERT_TRUE(w.Proposals->isVisible());
    dialogs->answers = {Answer::No}; // not saved
    w.MnouvellePartie->trigger();
    EXPECT_EQ(dialogs->Texts(QStringLiteral("question")).size(), 1);
    EXPECT_FALSE(w.Proposals->isVisible());
    EXPECT_EQ(w.Proposals->List->count(), 0);
    Tick(); // the configuration, then the first deal of the new game
    EXPECT_EQ(w.Game().DrawNumber(), 1);
    EXPECT_FALSE(w.Proposals->isVisible());
}
