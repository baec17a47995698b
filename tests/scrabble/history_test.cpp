// SPDX-License-Identifier: GPL-3.0-or-later
// History, report, end of game and the saved-game payload of the classic game.
#include <gtest/gtest.h>

#include <sstream>

#include "framework/savefile/typed_stream.h"
#include "scrabble/engine/board_game.h"
#include "scrabble/engine/text.h"
#include "scrabble_test_support.h"

using namespace scrabble;
using scrabble_test::SetRack;

TEST(History, LinesAndReport)
{
    BoardGame game(1);
    game.Players = {{"Alice", 0, 0, {}}, {"Un nom de joueur bien trop long", 2, 0, {}}};
    game.NewGame();
    SetRack(game, 1, "CAFEXYZ");
    const InputResult r = game.ValidateInput({"H", "8", "CAfE", ""}, nullptr, {});
    ASSERT_EQ(r.outcome, InputResult::Played);
    EXPECT_EQ(r.move->Word, "CAFE"); // typed case does not matter; no joker used
    EXPECT_EQ(game.HistoryLine(*r.move), "1 CAFEXYZ  H 8 CAFE 18 pts. (Alice)");
    EXPECT_EQ(game.StatusText(*r.move), CodePage("Alice joue « CAFEXYZ  H 8 CAFE 18 pts. »."));
    EXPECT_EQ(game.Player(1).LastMoveText, r.move->Text());
    game.NextPlayer();
    Tcoup pass = Tcoup::MakePass(2);
    game.RecordMove(pass);
    const std::vector<std::string> lines = game.ReportLines();
    ASSERT_EQ(lines.size(), 1u + 18 + 1 + 2);
    EXPECT_EQ(lines[1], "     " + std::string(30, '_'));
    EXPECT_EQ(lines[9], "  H  |-|-|-|-|-|-|-|C|A|F|E|-|-|-|-|");
    EXPECT_EQ(lines[18], "      1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 ");
    EXPECT_EQ(lines[20], "1 Alice                " + r.move->Text());
    EXPECT_EQ(lines[21], "2 Un nom de joueur bie Passe  0 pts.");
    EXPECT_EQ(game.SquareDescription(1, 1), "A 1 " + CodePage("case mot compte triple."));
    EXPECT_EQ(game.SquareDescription(8, 8),
              "H 8 " + CodePage("case mot compte double. Lettre «C» jouée par «Alice» ") + r.move->Text() +
                  CodePage(" coup n° 1"));
}

TEST(History, GameOverAndAdjustments)
{
    BoardGame game(1);
    game.Players.resize(3);
    game.NewGame();
    SetRack(game, 1, "AE"); // 2
    SetRack(game, 3, "B");  // 3
    game.EmptyRack(2);
    int col = 1, row = 1;
    while (game.BagSize() > 0) {
        ASSERT_TRUE(
            game.PlayFromBag(game.Bag().front()->IsJoker ? '*' : game.Bag().front()->Letter, col, row));
        if (++col > 15)
            col = 1, ++row;
    }
    EXPECT_TRUE(game.IsGameOver()); // player 2 went out
    game.ApplyEndOfGame();
    ASSERT_EQ(game.MoveCount(), 3);
    EXPECT_EQ(game.History()[0]->Text(), CodePage("Penalité A E -2 pts."));
    EXPECT_EQ(game.History()[1]->Score, -3);
    EXPECT_EQ(game.History()[2]->Kind, Bonus);
    EXPECT_EQ(game.History()[2]->Player, 2);
    EXPECT_EQ(game.History()[2]->Score, 5);
    EXPECT_EQ(game.Player(2).Score, 5);
    EXPECT_EQ(game.Player(1).Score, -2);
}

TEST(History, PassesEndTheGameAfterTenMoves)
{
    BoardGame game(1);
    game.NewGame();
    SetRack(game, 1, "A");
    SetRack(game, 2, "B");
    int col = 1, row = 1;
    while (game.BagSize() > 0) {
        ASSERT_TRUE(
            game.PlayFromBag(game.Bag().front()->IsJoker ? '*' : game.Bag().front()->Letter, col, row));
        if (++col > 15)
            col = 1, ++row;
    }
    for (int i = 0; i < 8; ++i)
        game.RecordMove(Tcoup::MakeExchange(1 + i % 2, "A"));
    game.RecordMove(Tcoup::MakePass(1));
    game.RecordMove(Tcoup::MakePass(2));
    EXPECT_FALSE(game.IsGameOver()); // two passes, but only 10 moves
    game.RecordMove(Tcoup::MakeExchange(1, "A"));
    game.RecordMove(Tcoup::MakePass(2));
    EXPECT_FALSE(game.IsGameOver());
    game.RecordMove(Tcoup::MakePass(1));
    EXPECT_TRUE(game.IsGameOver());
}

TEST(SavedGame, PayloadRoundTrip)
{
    BoardGame game(17);
    game.NewGame();
    SetRack(game, 1, "CAFE*ST");
    SetRack(game, 2, "MOTSAIE");
    ASSERT_EQ(game.ValidateInput({"H", "8", "CAFE", ""}, nullptr, {}).outcome, InputResult::Played);
    game.NextPlayer();
    ASSERT_TRUE(game.PlaceTile(game.RackTile(2, 4), 12, 9)); // S laid, not played
    std::stringstream stream;
    {
        savefile::TypedWriter out(stream);
        game.Write(out);
    }
    BoardGame back(3);
    back.NewGame();
    savefile::TypedReader in(stream);
    back.Read(in);
    EXPECT_EQ(back.MoveCount(), 1);
    Tcoup first = *back.History()[0];
    first.TilesPlaced = game.History()[0]->TilesPlaced; // not part of the record
    EXPECT_EQ(first, *game.History()[0]);
    EXPECT_EQ(back.BagSize(), game.BagSize());
    EXPECT_EQ(back.Tiles().size(), 102u);
    EXPECT_EQ(back.RackText(2), "MOTSAIE");
    EXPECT_EQ(back.RackTile(2, 4), back.At(12, 9)); // one tile, both places
    EXPECT_EQ(back.At(12, 9)->State, Placed);
    EXPECT_EQ(back.At(8, 8)->Move, back.History()[0].get());
    EXPECT_EQ(back.Player(1).LastMoveText, game.Player(1).LastMoveText);

    std::string truncated = stream.str();
    truncated.resize(truncated.size() / 2);
    std::stringstream damaged(truncated);
    savefile::TypedReader badIn(damaged);
    EXPECT_THROW(back.Read(badIn), savefile::ReadError);
    EXPECT_EQ(back.Tiles().size(), 0u);
}
