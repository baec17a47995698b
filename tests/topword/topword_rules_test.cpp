// SPDX-License-Identifier: GPL-3.0-or-later
// TopWord's rules on the family's engine: the set and the boards, scoring by
// stack heights, every check of a typed or laid move, the stacks' rules for
// dropped tiles, the end of the game, and the saved payload with its stacks.
#include <gtest/gtest.h>

#include <sstream>

#include "boardgames/topword/topword_game.h"
#include "framework/savefile/typed_stream.h"
#include "scrabble/engine/text.h"
#include "scrabble_test_support.h"

using scrabble::InputFields;
using scrabble::InputResult;
using scrabble_test::PlayWord;
using scrabble_test::SetRack;
using topword::Game;

namespace {

InputResult Type(Game &game, const std::string &c1, const std::string &c2, const std::string &word)
{
    return game.ValidateInput(InputFields{c1, c2, word, {}}, nullptr,
                              [](const std::string &) { return true; });
}

// A game of two players whose first move is behind it (a pass), so that
// the next word must join the board.
void StartedGame(Game &game)
{
    game.Players = {{"Alice", 0, 0, {}}, {"Bruno", 0, 0, {}}};
    game.NewGame();
    game.RecordMove(scrabble::Tcoup::MakePass(2));
}

int Count(const std::string &text, char c)
{
    return int(std::count(text.begin(), text.end(), c));
}

} // namespace

TEST(TopWordRules, TheSetAndTheTwoBoards)
{
    const scrabble::TileSet set = topword::TopWordTileSet();
    EXPECT_EQ(set.TileCount(), 113);
    EXPECT_EQ(set.jokers, 0);
    EXPECT_EQ(set.letters.substr(0, 24), std::string(15, 'E') + std::string(9, 'S'));
    EXPECT_EQ(Count(set.letters, 'X'), 11);
    EXPECT_EQ(set.letters.back(), 'W');
    const std::vector<scrabble::SquarePos> large{{5, 5}, {6, 5}, {5, 6}, {6, 6}};
    const std::vector<scrabble::SquarePos> small{{4, 4}, {5, 4}, {4, 5}, {5, 5}};
    EXPECT_EQ(topword::Layout(10).StartSquares(), large);
    EXPECT_EQ(topword::Layout(8).StartSquares(), small);
    EXPECT_EQ(topword::Rules(8).layout->Size(), 8);

    Game game(3);
    game.NewGame();
    EXPECT_EQ(game.BagSize(), 113);
    for (const auto &tile : game.Tiles())
        EXPECT_EQ(tile->Value, 1) << tile->Letter;
    EXPECT_TRUE(topword::IsBonusLetter('K'));
    EXPECT_FALSE(topword::IsBonusLetter('E'));
    EXPECT_FALSE(topword::IsBonusLetter('\0'));
}

TEST(TopWordScoring, FloorWordsDoubleAndBonusLettersAddAfter)
{
    Game game(5);
    game.Players = {{"Alice", 0, 0, {}}, {"Bruno", 0, 0, {}}};
    game.NewGame();
    SetRack(game, 1, "KIWIABC");
    // KIWI on the floor through E 5 and E 6: 4 x 2, then K and W.
    const InputResult kiwi = Type(game, "E", "3", "KIWI");
    ASSERT_EQ(kiwi.outcome, InputResult::Played) << kiwi.Message();
    EXPECT_EQ(kiwi.move->Score, 12);
    EXPECT_EQ(kiwi.move->Text(), "E 3 KIWI 12 pts.");
    EXPECT_EQ(game.Player(1).LastMoveText, "0 : E 3 KIWI 12 pts.");

    // Seven tiles on the floor: 7 x 2 and 10.
    Game seven(5);
    seven.NewGame();
    SetRack(seven, 1, "MARINES");
    const InputResult all = Type(seven, "5", "B", "MARINES");
    ASSERT_EQ(all.outcome, InputResult::Played) << all.Message();
    EXPECT_EQ(all.move->Score, 24);
}

TEST(TopWordScoring, CoveringLettersCountsTheHeights)
{
    Game game(6);
    StartedGame(game);
    PlayWord(game, "MITE", 'H', 4, 5);
    SetRack(game, 1, "OSAAEEI");
    // M and T reused, O on I and S on E: 1 + 2 + 1 + 2, not doubled.
    const InputResult mots = Type(game, "E", "4", "MOTS");
    ASSERT_EQ(mots.outcome, InputResult::Played) << mots.Message();
    EXPECT_EQ(mots.move->Score, 6);
    EXPECT_EQ(mots.move->TilesPlaced, 2);
    EXPECT_EQ(game.RackText(1), "AAEEI");
    EXPECT_EQ(game.StackHeight(5, 5), 2);
    EXPECT_EQ(game.StackTile(5, 5, 2)->Letter, 'I');
    EXPECT_EQ(game.At(5, 5)->StackLevel, 1);
    EXPECT_EQ(game.StackTile(5, 5, 2)->StackLevel, 2);
    EXPECT_EQ(game.StackTile(5, 5, 2)->StackHeight, 2);
    EXPECT_EQ(game.SquareDescription(5, 5).find(scrabble::CodePage(" placé sur : I.")) != std::string::npos,
              true)
        << game.SquareDescription(5, 5);

    // A cross word through a covering letter: A on the O of MOTS makes the
    // vertical AS... and the main word scores its own heights.
    SetRack(game, 2, "AZEEEEE");
    game.CurrentPlayer = 2;
    // Z laid on E 6 (height 2 -> 3) with E below it on F 6: "ZE" down.
    const InputResult ze = Type(game, "5", "E", "ZE");
    ASSERT_EQ(ze.outcome, InputResult::Played) << ze.Message();
    // The main word ZE: 3 + 1 (E on the floor), plus 2 for Z; the cross
    // word across row E becomes MZTS: 1 + 3 + 1 + 2 + 2.
    EXPECT_EQ(ze.move->Score, (3 + 1 + 2) + (1 + 3 + 1 + 2 + 2));
}

TEST(TopWordScoring, DroppedOrTypedTheSameMoveScoresTheSame)
{
    for (const bool dropped : {false, true}) {
        Game game(7);
        StartedGame(game);
        PlayWord(game, "MITE", 'H', 4, 5);
        SetRack(game, 1, "OSXAAEI");
        InputFields fields{"E", "4", "MOTS", {}};
        if (dropped) {
            ASSERT_TRUE(game.PlaceTile(game.RackTile(1, 1), 5, 5));
            ASSERT_TRUE(game.PlaceTile(game.RackTile(1, 2), 7, 5));
            fields = game.ReadPlacedTiles();
            EXPECT_EQ(fields.coord1, "E");
            EXPECT_EQ(fields.coord2, "4");
            EXPECT_EQ(fields.word, "MOTS");
            EXPECT_EQ(fields.score, "6");
        }
        const InputResult result = game.ValidateInput(fields, nullptr, {});
        ASSERT_EQ(result.outcome, InputResult::Played) << dropped << " " << result.Message();
        EXPECT_EQ(result.move->Score, 6) << dropped;
        EXPECT_EQ(game.StackHeight(7, 5), 2);
    }
}

TEST(TopWordValidation, FullStacksRefuseLettersAndDrops)
{
    Game game(8);
    StartedGame(game);
    // Five tiles on E 5: A B A B A, the top an A.
    for (const char letter : std::string("ABABA"))
        ASSERT_TRUE(game.PlayFromBag(letter, 5, 5));
    EXPECT_EQ(game.StackHeight(5, 5), 5);
    EXPECT_FALSE(game.PlayFromBag('C', 5, 5));
    PlayWord(game, "T", 'H', 6, 5);
    SetRack(game, 1, "CSEEEEA");
    EXPECT_EQ(Type(game, "E", "5", "CT").code, 11);
    // The top letter itself is reused: AT needs no tile on E 5.
    EXPECT_FALSE(game.CanPlace(game.RackTile(1, 1), 5, 5));
    EXPECT_FALSE(game.PlaceTile(game.RackTile(1, 1), 5, 5));
    // No tile on its own letter, nor on a tile laid this turn.
    EXPECT_FALSE(game.CanPlace(game.RackTile(1, 7), 5, 5));
    ASSERT_TRUE(game.PlaceTile(game.RackTile(1, 2), 7, 5));
    EXPECT_FALSE(game.CanPlace(game.RackTile(1, 3), 7, 5));
    EXPECT_TRUE(game.CanPlace(game.RackTile(1, 3), 6, 5));
    // A refused letter leaves the tiles laid this turn where they are.
    EXPECT_EQ(Type(game, "E", "5", "CTS").code, 11);
    EXPECT_EQ(game.At(7, 5), game.RackTile(1, 2));
    EXPECT_TRUE(game.At(7, 5)->IsPending());
}

TEST(TopWordValidation, EveryCheckInItsOrder)
{
    Game small(9, 8);
    StartedGame(small);
    SetRack(small, 1, "MOTSAIE");
    // Rows A to H and columns 1 to 8 only.
    EXPECT_EQ(Type(small, "I", "3", "MOT").code, 10);
    EXPECT_EQ(Type(small, "9", "A", "MOT").code, 10);
    EXPECT_EQ(Type(small, "D", "9", "MOT").code, 10);
    EXPECT_EQ(Type(small, "D", "7", "MOTS").code, 11); // past the edge
    EXPECT_EQ(Type(small, "D", "1", "MO2").code, 18);
    EXPECT_EQ(Type(small, "D", "1", "MOX").code, 12);

    // First word: a central square, two letters at least.
    Game first(9, 8);
    first.Players = {{"Alice", 0, 0, {}}, {"Bruno", 0, 0, {}}};
    first.NewGame();
    SetRack(first, 1, "MOTSAIE");
    EXPECT_EQ(Type(first, "A", "1", "MOT").code, 13);
    EXPECT_EQ(Type(first, "D", "4", "A").code, 14);
    EXPECT_EQ(Type(first, "D", "3", "MOTS").outcome, InputResult::Played);

    // Later words join the board: reuse, extension or a word across.
    Game later(9);
    StartedGame(later);
    PlayWord(later, "LE", 'H', 5, 5);
    SetRack(later, 1, "SAIETTR");
    EXPECT_EQ(Type(later, "A", "1", "SA").code, 15);
    // Covering both letters of LE joins nothing either.
    EXPECT_EQ(Type(later, "E", "5", "SA").code, 15);
    // Laid tiles off the word's line.
    ASSERT_TRUE(later.PlaceTile(later.RackTile(1, 7), 1, 9));
    EXPECT_EQ(Type(later, "E", "5", "LES").code, 16);
    later.ReturnPendingTiles();
    const InputResult les = Type(later, "E", "5", "LES");
    ASSERT_EQ(les.outcome, InputResult::Played) << les.Message();
    EXPECT_EQ(les.fields.word, "LES");
}

TEST(TopWordValidation, ExchangesNeedTheLettersAndSevenInTheBag)
{
    Game game(10);
    StartedGame(game);
    SetRack(game, 1, "EAIOUST");
    // EE needs two E: the second is missing.
    const InputResult twice = Type(game, "E", "", "EE");
    EXPECT_EQ(twice.code, 3);
    EXPECT_EQ(twice.detail, "E ");
    EXPECT_EQ(Type(game, "E", "", "").code, 1);
    // Dropped on the bag, one tile at a time joins the exchange row.
    EXPECT_TRUE(game.PutInExchange(game.RackTile(1, 1)));
    EXPECT_FALSE(game.PutInExchange(game.RackTile(1, 2)));
    EXPECT_EQ(game.ReadPlacedTiles().word, "E ");
    const InputResult done = Type(game, "E", "", "EA");
    ASSERT_EQ(done.outcome, InputResult::Played);
    EXPECT_EQ(done.move->Text(), "Change EA 0 pts.");

    // Fewer than 7 tiles in the bag: no exchange at all.
    Game late(10);
    StartedGame(late);
    SetRack(late, 1, "EAIOUST");
    for (int col = 1; col <= 10 && late.BagSize() >= 7; ++col)
        for (int row = 1; row <= 10 && late.BagSize() >= 7; ++row)
            late.PlayFromBag(late.Bag().back()->Letter, col, row);
    ASSERT_LT(late.BagSize(), 7);
    EXPECT_EQ(Type(late, "E", "", "E").code, 2);
}

TEST(TopWordStacks, LiftingATileLaidThisTurnUncoversTheOneBelow)
{
    Game game(11);
    StartedGame(game);
    PlayWord(game, "LE", 'H', 5, 5);
    SetRack(game, 1, "SAIETTR");
    scrabble::TJeton *s = game.RackTile(1, 1);
    ASSERT_TRUE(game.PlaceTile(s, 5, 5));
    EXPECT_EQ(game.At(5, 5), s);
    EXPECT_EQ(game.StackHeight(5, 5), 2);
    EXPECT_EQ(game.PlayedAt(5, 5)->Letter, 'L');
    EXPECT_EQ(game.Snapshot(false).At(5, 5).letter, 'L');
    EXPECT_EQ(game.Snapshot(true).At(5, 5).height, 2);
    ASSERT_TRUE(game.LiftTile(s));
    EXPECT_EQ(game.At(5, 5)->Letter, 'L');
    EXPECT_EQ(game.StackHeight(5, 5), 1);
    EXPECT_EQ(game.At(5, 5)->StackHeight, 1);
    EXPECT_EQ(s->State, scrabble::OnRack);
    // A played tile is never lifted.
    EXPECT_FALSE(game.LiftTile(game.At(5, 5)));
}

TEST(TopWordEnd, PenaltiesOfFiveATileAndTheBonus)
{
    Game game(12);
    game.Players = {{"Alice", 0, 0, {}}, {"Bruno", 0, 0, {}}, {"Chloé", 0, 0, {}}};
    game.NewGame();
    game.EmptyRack(1);
    SetRack(game, 2, "AB");
    SetRack(game, 3, "C");
    game.ApplyEndOfGame();
    ASSERT_EQ(game.MoveCount(), 3);
    const scrabble::Tcoup &first = *game.History()[0];
    EXPECT_EQ(first.Kind, 'S');
    EXPECT_EQ(first.Score, -10);
    EXPECT_EQ(first.Row, -10);
    EXPECT_EQ(first.Col, -10);
    EXPECT_EQ(game.History()[1]->Score, -5);
    const scrabble::Tcoup &bonus = *game.History()[2];
    EXPECT_EQ(bonus.Kind, 'B');
    EXPECT_EQ(bonus.Player, 1);
    EXPECT_EQ(bonus.Score, 15);
    EXPECT_EQ(bonus.Text(), "Bonus  15 pts.");
    EXPECT_EQ(game.Player(1).Score, 15);
    EXPECT_EQ(game.Player(2).Score, -10);
}

namespace {

std::string Saved(const Game &game)
{
    std::ostringstream out;
    {
        savefile::TypedWriter writer(out);
        game.Write(writer);
    }
    return out.str();
}

void ReadInto(Game &game, const std::string &bytes)
{
    std::istringstream in(bytes);
    savefile::TypedReader reader(in);
    game.Read(reader);
}

// A middle game: a stack of three under a tile laid this turn.
void MiddleGame(Game &game)
{
    StartedGame(game);
    for (const char letter : std::string("ABC"))
        ASSERT_TRUE(game.PlayFromBag(letter, 5, 5));
    PlayWord(game, "OR", 'H', 6, 5);
    SetRack(game, 1, "DEFGHIJ");
    ASSERT_TRUE(game.PlaceTile(game.RackTile(1, 1), 5, 5));
}

} // namespace

TEST(TopWordRecord, StacksAndTheBoardSizeReadBack)
{
    Game game(13, 8);
    MiddleGame(game);
    const std::string bytes = Saved(game);
    Game copy(1);
    copy.Players = game.Players;
    ReadInto(copy, bytes);
    EXPECT_EQ(copy.BoardSize(), 8);
    ASSERT_EQ(copy.StackHeight(5, 5), 4);
    for (int level = 1; level <= 4; ++level) {
        EXPECT_EQ(copy.StackTile(5, 5, level)->Letter, game.StackTile(5, 5, level)->Letter);
        EXPECT_EQ(copy.StackTile(5, 5, level)->StackLevel, level);
        EXPECT_EQ(copy.StackTile(5, 5, level)->StackHeight, 4);
    }
    EXPECT_TRUE(copy.At(5, 5)->IsPending());
    EXPECT_EQ(copy.At(5, 5), copy.RackTile(1, 1));
    EXPECT_EQ(copy.Player(1).LastMoveText, game.Player(1).LastMoveText);
    EXPECT_EQ(copy.PreviousMoveText(2), game.PreviousMoveText(2));
    EXPECT_EQ(Saved(copy), bytes);
}

TEST(TopWordRecord, DamagedStacksAreRefused)
{
    Game game(14);
    MiddleGame(game);
    const std::string bytes = Saved(game);
    auto refused = [&](const std::string &damaged) {
        Game copy(1);
        copy.Players = game.Players;
        EXPECT_THROW(ReadInto(copy, damaged), savefile::ReadError);
        EXPECT_EQ(copy.BagSize(), 0);
    };
    // A board size that is neither 10 nor 8.
    {
        Game other(14, 8);
        MiddleGame(other);
        std::string text = Saved(other);
        // The size follows the move counter and the bag size.
        std::ostringstream expected;
        std::ostringstream wrong;
        {
            savefile::TypedWriter w(expected);
            w.WriteInteger(other.MoveCount());
            w.WriteInteger(other.BagSize());
            w.WriteInteger(8);
            savefile::TypedWriter x(wrong);
            x.WriteInteger(other.MoveCount());
            x.WriteInteger(other.BagSize());
            x.WriteInteger(9);
        }
        ASSERT_EQ(text.rfind(expected.str(), 0), 0u);
        refused(wrong.str() + text.substr(expected.str().size()));
    }
    // A stack with the same letter twice in a row: Z over A becomes A over
    // A, another A of the board becoming the Z (the set stays whole).
    {
        Game bad(15);
        StartedGame(bad);
        ASSERT_TRUE(bad.PlayFromBag('A', 5, 5));
        ASSERT_TRUE(bad.PlayFromBag('Z', 5, 5));
        ASSERT_TRUE(bad.PlayFromBag('A', 1, 1));
        bad.At(5, 5)->Letter = 'A';
        bad.At(1, 1)->Letter = 'Z';
        refused(Saved(bad));
        bad.At(5, 5)->Letter = 'Z';
        bad.At(1, 1)->Letter = 'A';
        Game good(1);
        good.Players = bad.Players;
        ReadInto(good, Saved(bad));
        EXPECT_EQ(good.StackHeight(5, 5), 2);
    }
    refused(bytes.substr(0, bytes.size() / 2));
}
