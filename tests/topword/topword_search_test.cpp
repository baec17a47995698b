// SPDX-License-Identifier: GPL-3.0-or-later
// TopWord's move search: on small dictionaries and boards with stacks, the
// candidates are exactly the placements that validation accepts when typed,
// with the same scores; whole games of four computers on the real
// dictionary end on both board sizes without breaking a stack's rules.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "boardgames/topword/topword_game.h"
#include "scrabble/engine/move_search.h"
#include "scrabble/engine/self_play.h"
#include "scrabble_test_support.h"

using scrabble::InputFields;
using scrabble::InputResult;
using topword::Game;

namespace {

const std::vector<std::string> kWords = {
    "AS",   "AT",   "ART",  "ARTS", "ES",   "ET",   "IT",  "LE",  "LES",  "MI",  "MITE", "MOT",
    "MOTS", "MOTE", "OSE",  "RAT",  "RATS", "RI",   "RIT", "ROI", "ROSE", "ROT", "SA",   "SE",
    "SI",   "SOT",  "STAR", "TA",   "TAR",  "TARS", "TE",  "TES", "TO",   "TOI", "TRI",  "TROIS"};

using Placements = std::map<std::string, int>; // "E 5 MOTS" -> score

// A position: the board played without moves and a rack for player 1.
using Position = std::function<void(Game &)>;

void Prepare(Game &game, const Position &position, bool started)
{
    game.Players = {{"Alice", 0, 0, {}}, {"Bruno", 0, 0, {}}};
    game.NewGame();
    if (started)
        game.RecordMove(scrabble::Tcoup::MakePass(2));
    position(game);
}

// Every word of the dictionary typed at every square in both directions.
Placements Accepted(const TDictionnaire &dico, const Position &position, bool started)
{
    Placements accepted;
    auto game = std::make_unique<Game>(1);
    Prepare(*game, position, started);
    const int size = game->BoardSize();
    for (const std::string &word : kWords)
        for (const char dir : {'H', 'V'})
            for (int row = 1; row <= size; ++row)
                for (int col = 1; col <= size; ++col) {
                    const std::string rowText(1, scrabble::RowLetter(row));
                    const InputFields fields = dir == 'H'
                                                   ? InputFields{rowText, std::to_string(col), word, {}}
                                                   : InputFields{std::to_string(col), rowText, word, {}};
                    const InputResult result =
                        game->ValidateInput(fields, &dico, [](const std::string &) { return false; });
                    if (result.outcome != InputResult::Played)
                        continue;
                    // A single letter is the word across it, which the
                    // search lists in the other direction.
                    if (result.fields.word.size() >= 2)
                        accepted[result.fields.coord1 + " " + result.fields.coord2 + " " +
                                 result.fields.word] = result.move->Score;
                    game = std::make_unique<Game>(1);
                    Prepare(*game, position, started);
                }
    return accepted;
}

Placements Searched(const TDictionnaire &dico, const Position &position, bool started)
{
    Game game(1);
    Prepare(game, position, started);
    const scrabble::MoveSearch search(dico, game.Rules());
    Placements found;
    for (const scrabble::Tcoup &move : game.GenerateMoves(search, 1)) {
        EXPECT_NE(move.Kind, 'E');
        if (move.IsPlacement())
            found[move.Notation() + " " + move.Word] = move.Score;
    }
    return found;
}

class TopWordSearch : public ::testing::Test {
protected:
    scrabble_test::TempFolder folder_;
    std::unique_ptr<TDictionnaire> dico_ = scrabble_test::SmallDictionary(folder_.File("mots.ox"), kWords);
};

} // namespace

TEST_F(TopWordSearch, FindsEveryPlacementValidationAccepts)
{
    const std::vector<std::pair<Position, std::string>> positions = {
        {[](Game &g) {
             scrabble_test::PlayWord(g, "MITE", 'H', 4, 5);
             scrabble_test::SetRack(g, 1, "OSRATEI");
         },
         "MITE"},
        {[](Game &g) {
             scrabble_test::PlayWord(g, "ROSE", 'V', 5, 3);
             scrabble_test::PlayWord(g, "TA", 'H', 6, 4);
             // A stack of three on C 5 and a full one on F 5.
             ASSERT_TRUE(g.PlayFromBag('A', 5, 3));
             ASSERT_TRUE(g.PlayFromBag('T', 5, 3));
             for (const char letter : std::string("ABAB"))
                 ASSERT_TRUE(g.PlayFromBag(letter, 5, 6));
             scrabble_test::SetRack(g, 1, "MOSTRIE");
         },
         "stacks"},
        {[](Game &g) {
             scrabble_test::PlayWord(g, "TROIS", 'H', 1, 1);
             scrabble_test::PlayWord(g, "SOT", 'V', 10, 8);
             scrabble_test::SetRack(g, 1, "AEIMRST");
         },
         "edges"},
    };
    for (const auto &[position, name] : positions) {
        const Placements accepted = Accepted(*dico_, position, true);
        const Placements found = Searched(*dico_, position, true);
        EXPECT_FALSE(accepted.empty()) << name;
        EXPECT_EQ(found, accepted) << name;
    }
}

TEST_F(TopWordSearch, FirstWordsThroughTheCentralSquaresOnBothBoards)
{
    const Position rack = [](Game &g) { scrabble_test::SetRack(g, 1, "MOTSAIE"); };
    const Placements accepted = Accepted(*dico_, rack, false);
    const Placements found = Searched(*dico_, rack, false);
    EXPECT_EQ(found, accepted);
    EXPECT_EQ(found.at("E 5 MOTS"), 8);
    EXPECT_EQ(found.count("E 1 MOTS"), 0u);
}

namespace {

// The rules every board keeps: stacks of at most 5, no letter on its own.
void ExpectSoundStacks(const scrabble::BoardGame &game)
{
    const int size = game.Layout().Size();
    for (int row = 1; row <= size; ++row)
        for (int col = 1; col <= size; ++col) {
            const int height = game.StackHeight(col, row);
            ASSERT_LE(height, topword::kMaxStackHeight);
            for (int level = 1; level <= height; ++level) {
                const scrabble::TJeton *tile = game.StackTile(col, row, level);
                ASSERT_EQ(tile->StackLevel, level);
                ASSERT_EQ(tile->StackHeight, height);
                ASSERT_TRUE(tile->IsPlayed());
                if (level > 1) {
                    ASSERT_NE(tile->Letter, game.StackTile(col, row, level - 1)->Letter);
                }
            }
        }
}

} // namespace

TEST(TopWordGames, FourComputersPlayToTheEndOnBothBoards)
{
    auto dico = TDictionnaire::Create(LUDORINE_TEST_DICTIONARY, 'R');
    ASSERT_TRUE(dico->IsOpen());
    for (const int size : {topword::kLargeBoard, topword::kSmallBoard}) {
        Game game(21 + std::uint64_t(size), size);
        game.Players = {{"A", 5, 0, {}}, {"B", 4, 0, {}}, {"C", 2, 0, {}}, {"D", 1, 0, {}}};
        const scrabble::MoveSearch search(*dico, game.Rules());
        scrabble::SelfPlay play(game, search);
        int highest = 0;
        int words = 0;
        play.afterMove = [&](const scrabble::Tcoup &move, const scrabble::Grid &) {
            EXPECT_NE(move.Kind, 'E');
            if (move.IsPlacement()) {
                ++words;
                EXPECT_TRUE(dico->Contains(move.Word)) << move.Text();
            }
            ExpectSoundStacks(game);
            for (int row = 1; row <= size; ++row)
                for (int col = 1; col <= size; ++col)
                    highest = std::max(highest, game.StackHeight(col, row));
        };
        ASSERT_TRUE(play.PlayToEnd()) << size;
        EXPECT_EQ(game.BagSize(), 0);
        EXPECT_GT(words, 10) << size;
        EXPECT_GE(highest, 3) << size;
        int total = 0;
        for (const auto &move : game.History())
            total += move->Player == 1 ? move->Score : 0;
        EXPECT_EQ(total, game.Player(1).Score);
    }
}
