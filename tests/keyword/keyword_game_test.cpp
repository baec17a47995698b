// SPDX-License-Identifier: GPL-3.0-or-later
// KeyWord's game on the family's engine: a move laid by hand with its
// colour score and the key word, whole games between four computers on the
// real dictionary, and the saved payload with its key candidates.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "boardgames/keyword/keyword_game.h"
#include "dictionary/dictionnaire.h"
#include "framework/savefile/typed_stream.h"
#include "scrabble/engine/self_play.h"
#include "scrabble/engine/text.h"

using keyword::Game;
using scrabble::Tcoup;

namespace {

void SetRack(Game &game, int player, const std::string &letters)
{
    game.EmptyRack(player);
    for (std::size_t i = 0; i < letters.size(); ++i)
        ASSERT_TRUE(game.TakeFromBag(letters[i], player, int(i) + 1)) << letters[i];
}

} // namespace

TEST(KeyWordGame, TheFirstWordOnTheCrossScoresByColourAndTheKey)
{
    Game game(4);
    game.Players = {{"Rouge", 0, 0, {}, 1}, {"Bleu", 0, 0, {}, 2}};
    game.NewGame();
    EXPECT_EQ(game.BagSize(), 102);
    for (const auto &tile : game.Tiles())
        EXPECT_EQ(tile->Value, 5);
    game.KeyCandidates = {"CLE", "AMI"};
    game.KeyIndex = 0;
    SetRack(game, 1, "CLEFSTAIRE");
    // Two tiles only: error 1.
    ASSERT_TRUE(game.PlaceTile(game.RackTile(1, 1), 10, 10));
    ASSERT_TRUE(game.PlaceTile(game.RackTile(1, 2), 11, 10));
    EXPECT_EQ(game.ValidateInput({}, nullptr, {}).code, 1);
    game.ReturnPendingTiles();
    // CLE across J9-J11: three cross squares (5 each) and the key word.
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(game.PlaceTile(game.RackTile(1, i + 1), 9 + i, 10));
    game.ReadPlacedTiles();
    EXPECT_EQ(game.MoveInfo, "J 9 CLE 65 pts.");
    const auto played = game.ValidateInput({}, nullptr, {});
    ASSERT_EQ(played.outcome, scrabble::InputResult::Played) << played.Message();
    EXPECT_EQ(played.move->Score, 3 * 5 + 50);
    EXPECT_EQ(played.move->KeyFormed, "CLE");
    EXPECT_EQ(game.SquareDescription(10, 10).rfind(scrabble::CodePage("J 10 (case centrale)"), 0), 0u);
    EXPECT_EQ(game.SquareDescription(18, 2).rfind(scrabble::CodePage("B 18 (clé rouge)"), 0), 0u);
}

TEST(KeyWordGame, FourComputersPlayToTheEndAndTheGameReadsBack)
{
    auto dico = TDictionnaire::Create(LUDORINE_TEST_DICTIONARY, 'R');
    ASSERT_TRUE(dico->IsOpen());
    Game game(3);
    game.SetDictionary(dico.get());
    game.Players = {{"A", 5, 0, {}}, {"B", 4, 0, {}}, {"C", 2, 0, {}}, {"D", 1, 0, {}}};
    game.AssignColours();
    const scrabble::MoveSearch search(*dico, keyword::Rules());
    scrabble::SelfPlay play(game, search);
    bool first = true;
    int keys = 0;
    play.afterMove = [&](const Tcoup &move, const scrabble::Grid &) {
        if (first && move.IsPlacement()) {
            EXPECT_GE(move.Word.size(), 4u);
            EXPECT_TRUE((move.Kind == 'V' && move.Col == 10 && move.Row == 9) ||
                        (move.Kind == 'H' && move.Col == 9 && move.Row == 10))
                << move.Text();
            first = false;
        }
        keys += !move.KeyFormed.empty();
        EXPECT_NE(move.Kind, 'E');
    };
    ASSERT_TRUE(play.PlayToEnd());
    EXPECT_FALSE(game.KeyCandidates.empty());
    EXPECT_GT(play.MovesPlayed(), 8);
    std::map<int, int> sums;
    for (const auto &move : game.History())
        sums[move->Player] += move->Score;
    for (int p = 1; p <= 4; ++p)
        EXPECT_EQ(game.Player(p).Score, sums[p]);
    // Every player's colour differs.
    std::map<int, int> colours;
    for (const auto &p : game.Players)
        ++colours[p.Colour];
    EXPECT_EQ(colours.size(), 4u);

    std::stringstream stream;
    {
        savefile::TypedWriter out(stream);
        game.Write(out);
    }
    Game back(1);
    back.Players = game.Players;
    for (auto &p : back.Players)
        p.Colour = 0;
    {
        savefile::TypedReader in(stream);
        back.Read(in);
    }
    EXPECT_EQ(back.KeyCandidates, game.KeyCandidates);
    EXPECT_EQ(back.KeyIndex, game.KeyIndex);
    for (int p = 0; p < 4; ++p)
        EXPECT_EQ(back.Players[std::size_t(p)].Colour, game.Players[std::size_t(p)].Colour);
    ASSERT_EQ(back.MoveCount(), game.MoveCount());
    for (int i = 0; i < game.MoveCount(); ++i)
        EXPECT_EQ(back.History()[std::size_t(i)]->KeyFormed, game.History()[std::size_t(i)]->KeyFormed);
    const std::vector<std::string> report = back.ReportLines();
    EXPECT_EQ(report.back(), "Ludorine");
}

TEST(KeyWordGame, NoKeyWithoutThreeLetterWordsAndDamagedKeysAreRefused)
{
    Game game(2);
    game.NewGame(); // no dictionary: no candidates
    EXPECT_TRUE(game.KeyCandidates.empty());
    EXPECT_EQ(game.Key(), "");
    game.KeyCandidates = {"AMI"};
    game.KeyIndex = 0;
    for (const auto &[what, index, words] :
         std::vector<std::tuple<const char *, int, std::vector<std::string>>>{
             {"index past the list", 3, {"AMI"}},
             {"word with a digit", 0, {"A1I"}},
             {"empty word", 0, {""}}}) {
        Game saved(2);
        saved.NewGame();
        saved.KeyCandidates = words;
        saved.KeyIndex = index;
        std::stringstream stream;
        {
            savefile::TypedWriter out(stream);
            saved.Write(out);
        }
        Game back(1);
        back.Players = saved.Players;
        savefile::TypedReader in(stream);
        EXPECT_THROW(back.Read(in), savefile::ReadError) << what;
    }
}
