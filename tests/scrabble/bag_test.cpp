// SPDX-License-Identifier: GPL-3.0-or-later
// The bag, the draw (automatic balance and manual choice), rack shuffles and
// exchanges of the classic game.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "scrabble/engine/board_game.h"
#include "scrabble/engine/text.h"
#include "scrabble/geometry/classic_geometry.h"
#include "scrabble_test_support.h"

using namespace scrabble;
using scrabble_test::SetRack;

namespace {
std::map<char, int> Letters(const BoardGame &game)
{
    std::map<char, int> count;
    for (const auto &tile : game.Tiles())
        ++count[tile->IsJoker ? '*' : tile->Letter];
    return count;
}
} // namespace

TEST(Bag, NewGameAndShuffles)
{
    BoardGame game(7);
    game.SetPlaces(&scrabble_ui::ClassicGeometry::Instance());
    game.NewGame();
    EXPECT_EQ(game.BagSize(), 102);
    EXPECT_EQ(Letters(game)['E'], 15);
    EXPECT_EQ(Letters(game)['*'], 2);
    const std::vector<TJeton *> before = game.Bag();
    game.ShuffleBag(false);
    const std::vector<TJeton *> after = game.Bag();
    EXPECT_TRUE(std::is_permutation(before.begin(), before.end(), after.begin()));
    EXPECT_NE(before, after);
    for (const TJeton *t : game.Bag()) {
        EXPECT_GE(t->Target.Left, 506);
        EXPECT_LE(t->Target.Left, 708);
    }
}

TEST(Draw, AutomaticFillsRacksFromTheEnd)
{
    BoardGame game(11);
    game.Players.resize(3);
    game.NewGame();
    game.DrawTiles();
    EXPECT_EQ(game.BagSize(), 102 - 21);
    for (int p = 1; p <= 3; ++p) {
        int vowels = 0, consonants = 0;
        for (int s = 1; s <= 7; ++s) {
            const TJeton *t = game.RackTile(p, s);
            ASSERT_NE(t, nullptr);
            EXPECT_EQ(t->State, OnRack);
            EXPECT_EQ(t->Owner, p);
            EXPECT_EQ(t->Slot, s);
            vowels += t->IsJoker || IsVowel(t->Letter);
            consonants += t->IsJoker || IsConsonant(t->Letter);
        }
        // Early in the game a rack has two vowels and two consonants.
        EXPECT_GE(vowels, 2);
        EXPECT_GE(consonants, 2);
    }
}

TEST(Draw, UnbalancedBagGivesUpAfterTheAttemptLimit)
{
    BoardGame game(3);
    game.NewGame();
    // Only consonants left: no balanced draw exists, the draw still fills the rack.
    int col = 1, row = 1;
    for (char v : std::string("AEIOUY*"))
        while (game.PlayFromBag(v, col, row))
            if (++col > 15)
                col = 1, ++row;
    const int left = game.BagSize();
    game.DrawTilesFor(1);
    EXPECT_EQ(game.BagSize(), left - 7);
    for (char c : game.RackText(1))
        EXPECT_FALSE(IsVowel(c));
}

TEST(Draw, FewTilesLeftAreTakenWithoutBalance)
{
    BoardGame game(5);
    game.NewGame();
    // Keep 4 tiles in the bag: consonants only.
    int col = 1, row = 1;
    while (game.BagSize() > 4) {
        ASSERT_TRUE(
            game.PlayFromBag(game.Bag().front()->IsJoker ? '*' : game.Bag().front()->Letter, col, row));
        if (++col > 15)
            col = 1, ++row;
    }
    game.DrawTilesFor(1);
    EXPECT_EQ(game.BagSize(), 0);
    EXPECT_EQ(game.RackText(1).size(), 4u);
}

TEST(Draw, ManualPromptAskedAgainUntilAcceptable)
{
    BoardGame game(9);
    game.Players[0].Name = "Alice";
    game.NewGame();
    game.drawMode = DrawMode::Manual;
    std::vector<std::string> answers = {"AB", "ZZZZZZZ", " kwxyz*e "};
    std::vector<std::string> labels;
    std::string title;
    game.DrawTilesFor(1, [&](const std::string &t, const std::string &label, const std::string &def) {
        title = t;
        labels.push_back(label);
        EXPECT_EQ(def.size(), 7u);
        const std::string a = answers[labels.size() - 1];
        return std::optional<std::string>(a);
    });
    EXPECT_EQ(labels.size(), 3u);
    EXPECT_EQ(title, "Tirage Alice");
    EXPECT_EQ(labels[0].rfind("Choisissez 7 lettres parmi ", 0), 0u);
    // Each letter goes to the highest empty slot: the first one to slot 7.
    EXPECT_EQ(game.RackText(1), "E*ZYXWK");
    EXPECT_EQ(game.BagSize(), 95);

    // Cancelling takes the default answer: the first letters of the bag.
    std::string expected;
    for (int i = 0; i < 7; ++i)
        expected += game.Bag()[std::size_t(i)]->Letter;
    std::reverse(expected.begin(), expected.end());
    game.DrawTilesFor(2, [](const std::string &, const std::string &, const std::string &) {
        return std::optional<std::string>();
    });
    EXPECT_EQ(game.RackText(2), expected);
}

TEST(Draw, ManualTakesTheWholeBagWithoutAsking)
{
    BoardGame game(2);
    game.NewGame();
    int col = 1, row = 1;
    while (game.BagSize() > 7) {
        ASSERT_TRUE(
            game.PlayFromBag(game.Bag().front()->IsJoker ? '*' : game.Bag().front()->Letter, col, row));
        if (++col > 15)
            col = 1, ++row;
    }
    game.drawMode = DrawMode::Manual;
    bool asked = false;
    game.DrawTilesFor(1, [&](const std::string &, const std::string &, const std::string &) {
        asked = true;
        return std::optional<std::string>();
    });
    EXPECT_FALSE(asked);
    EXPECT_EQ(game.BagSize(), 0);
    EXPECT_EQ(game.RackText(1).size(), 7u);
}

TEST(Rack, ShuffleKeepsTilesAndSlots)
{
    BoardGame game(4);
    game.NewGame();
    SetRack(game, 1, "ABCDEFG");
    game.ShuffleRack(1);
    std::string letters = game.RackText(1);
    std::sort(letters.begin(), letters.end());
    EXPECT_EQ(letters, "ABCDEFG");
    for (int s = 1; s <= 7; ++s)
        EXPECT_EQ(game.RackTile(1, s)->Slot, s);
}

TEST(Rack, SwapSlotsMovesBothTilesAtOnceAndKeepsAnEmptySlot)
{
    BoardGame game(4);
    game.NewGame();
    SetRack(game, 1, "ABC");
    TJeton *a = game.RackTile(1, 1);
    TJeton *c = game.RackTile(1, 3);
    game.SwapSlots(1, 1, 3);
    EXPECT_EQ(game.RackTile(1, 1), c);
    EXPECT_EQ(game.RackTile(1, 3), a);
    EXPECT_EQ(a->Slot, 3);
    EXPECT_EQ(c->Bounds, c->Target);
    EXPECT_FALSE(a->Moving);
    // Into an empty slot.
    game.SwapSlots(1, 3, 6);
    EXPECT_EQ(game.RackTile(1, 3), nullptr);
    EXPECT_EQ(game.RackTile(1, 6), a);
    EXPECT_EQ(a->Slot, 6);
    EXPECT_EQ(game.RackText(1), "CB"
                                "A");
}

TEST(Exchange, AreaTakesTilesOnlyWhileTheBagCanPayThemBack)
{
    BoardGame game(4);
    game.NewGame();
    SetRack(game, 1, "ABCDEFG");
    game.SetPlaces(&scrabble_ui::ClassicGeometry::Instance());
    TJeton *laid = game.RackTile(1, 2);
    ASSERT_TRUE(game.PlaceTile(laid, 8, 8));
    ASSERT_TRUE(game.PutInExchange(laid));
    EXPECT_EQ(game.At(8, 8), nullptr); // it left the board
    EXPECT_EQ(laid->State, InExchange);
    EXPECT_EQ(laid->Target.Top, 375);
    // With 6 tiles left no exchange is possible.
    while (game.BagSize() > 6) {
        const char letter = game.Bag().back()->IsJoker ? '*' : game.Bag().back()->Letter;
        ASSERT_TRUE(
            game.PlayFromBag(letter, 1 + (102 - game.BagSize()) % 15, 1 + (102 - game.BagSize()) / 15));
    }
    EXPECT_FALSE(game.PutInExchange(game.RackTile(1, 1)));
    EXPECT_EQ(game.RackTile(1, 1)->State, OnRack);
}

TEST(Exchange, ErrorsInOrder)
{
    BoardGame game(4);
    game.NewGame();
    SetRack(game, 1, "ABCDEFG");
    EXPECT_EQ(game.CheckExchange("XYZ").code, 1);
    // Two A asked with one on the rack: the second is reported.
    ExchangeCheck twoA = game.CheckExchange("aa");
    EXPECT_EQ(twoA.code, 3);
    EXPECT_EQ(twoA.detail, "A ");
    // A tile laid on the board this turn forbids an exchange.
    ASSERT_TRUE(game.PlaceTile(game.RackTile(1, 7), 8, 8));
    ExchangeCheck laid = game.CheckExchange("AB");
    EXPECT_EQ(laid.code, 4);
    ASSERT_EQ(laid.tiles.size(), 1u);
    EXPECT_EQ(laid.tiles[0]->Letter, 'G');
    game.ReturnPendingTiles();

    // The bag must hold 7 tiles.
    int col = 1, row = 1;
    while (game.BagSize() > 7) {
        ASSERT_TRUE(
            game.PlayFromBag(game.Bag().front()->IsJoker ? '*' : game.Bag().front()->Letter, col, row));
        if (++col > 15)
            col = 1, ++row;
    }
    ASSERT_TRUE(game.TakeFromBag(game.Bag().back()->IsJoker ? '*' : game.Bag().back()->Letter, 2, 1));
    EXPECT_EQ(game.CheckExchange("AB").code, 2); // 6 left
    game.EmptyRack(2);                           // 7 again
    ASSERT_EQ(game.BagSize(), 7);
    const ExchangeCheck ok = game.CheckExchange("B A");
    EXPECT_EQ(ok.code, 0);
    const Tcoup &move = game.ExecuteExchange(ok);
    EXPECT_EQ(move.Kind, Exchange);
    EXPECT_EQ(move.Word, "AB"); // in the order matched: rack slot order
    EXPECT_EQ(move.RackText, "ABCDEFG");
    EXPECT_EQ(move.Score, 0);
    EXPECT_EQ(game.BagSize(), 9);
    EXPECT_EQ(game.Bag().back()->Letter, 'B');
    EXPECT_EQ(game.RackText(1), "CDEFG");
}

TEST(Exchange, ComputerGivesTheWholeRack)
{
    BoardGame game(4);
    game.NewGame();
    SetRack(game, 1, "AAB*KZE");
    const Tcoup candidate = Tcoup::MakeExchange(1, game.RackLetters(1));
    const Tcoup &played = game.PlayComputerMove(candidate);
    EXPECT_EQ(played.RackText, "AAB*KZE");
    EXPECT_EQ(game.RackText(1), "");
    EXPECT_EQ(game.BagSize(), 102);
}

TEST(Tile, DescriptionAndRecord)
{
    BoardGame game(4);
    game.Players = {{"Alice", 0, 0, {}}, {"Bob", 3, 0, {}}};
    game.NewGame();
    SetRack(game, 2, "K*");
    auto names = [&](int p) { return game.PlayerName(p); };
    EXPECT_EQ(game.RackTile(2, 1)->Description(names), CodePage("Lettre «K» Bob"));
    EXPECT_EQ(game.RackTile(2, 2)->Description(names), CodePage("Joker («*») Bob"));
    EXPECT_EQ(game.Bag().front()->Description(names), "Masse");
    game.RackTile(2, 1)->State = InExchange;
    EXPECT_EQ(game.RackTile(2, 1)->Description(names), CodePage("Lettre «K» en cours échange"));
}
