// SPDX-License-Identifier: GPL-3.0-or-later
// Whole games between computer players on the real dictionary, checking the
// tiles, the words on the board and the scores after every move; and the
// ludorine-scrabble program.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "framework/savefile/typed_stream.h"
#include "scrabble/engine/board_game.h"
#include "scrabble/engine/self_play.h"
#include "scrabble_test_support.h"

using namespace scrabble;

namespace {

// Every tile is in exactly one place: bag, one rack slot or one square.
void CheckTiles(const BoardGame &game)
{
    std::map<const TJeton *, int> places;
    for (const TJeton *t : game.Bag()) {
        ++places[t];
        EXPECT_EQ(t->State, InBag);
    }
    for (int p = 1; p <= 4; ++p)
        for (int s = 1; s <= 7; ++s)
            if (const TJeton *t = game.RackTile(p, s)) {
                ++places[t];
                EXPECT_EQ(t->State, OnRack);
                EXPECT_EQ(t->Owner, p);
                EXPECT_EQ(t->Slot, s);
            }
    for (int r = 1; r <= 15; ++r)
        for (int c = 1; c <= 15; ++c)
            if (const TJeton *t = game.At(c, r)) {
                ++places[t];
                EXPECT_EQ(t->State, Fixed);
                EXPECT_EQ(t->Col, c);
                EXPECT_EQ(t->Row, r);
                EXPECT_NE(t->Move, nullptr);
            }
    ASSERT_EQ(game.Tiles().size(), 102u);
    EXPECT_EQ(places.size(), 102u);
    for (const auto &[tile, count] : places)
        EXPECT_EQ(count, 1);
}

// Every run of two letters or more, across and down, is a word.
void CheckWords(const BoardGame &game, const TDictionnaire &dico)
{
    const Grid grid = game.Snapshot();
    for (const char dir : {'H', 'V'})
        for (int line = 1; line <= 15; ++line) {
            std::string run;
            for (int k = 1; k <= 16; ++k) {
                const int c = dir == 'H' ? k : line, r = dir == 'H' ? line : k;
                if (k <= 15 && grid.HasTile(c, r)) {
                    run += Upper(grid.At(c, r).letter);
                    continue;
                }
                if (run.size() >= 2) {
                    EXPECT_TRUE(dico.Contains(run)) << run;
                }
                run.clear();
            }
        }
}

void PlayGame(const TDictionnaire &dico, std::uint64_t seed, const std::vector<int> &levels)
{
    BoardGame game(seed);
    game.Players.clear();
    for (std::size_t i = 0; i < levels.size(); ++i)
        game.Players.push_back({"Ordinateur " + std::to_string(i + 1), levels[i], 0, {}});
    const MoveSearch search(dico);
    // The game runs through the windows' turn driver; after every move the
    // recorded score is found again on the board as it was, and every tile
    // and every word is checked.
    SelfPlay play(game, search);
    play.afterMove = [&](const Tcoup &played, const Grid &before) {
        if (played.IsPlacement()) {
            EXPECT_EQ(played.Score, Tcoup::Placement(played.Player, played.Word, played.Kind, played.Col,
                                                     played.Row, before)
                                        .Score)
                << played.Text();
        }
        CheckTiles(game);
        CheckWords(game, dico);
    };
    ASSERT_TRUE(play.PlayToEnd()) << "seed " << seed;
    EXPECT_TRUE(game.IsGameOver()) << "seed " << seed;
    if (::testing::Test::HasFailure())
        return;
    std::vector<int> sums(levels.size(), 0);
    for (const auto &move : game.History())
        sums[std::size_t(move->Player - 1)] += move->Score;
    for (std::size_t i = 0; i < levels.size(); ++i)
        EXPECT_EQ(game.Players[i].Score, sums[i]);

    // The finished game reads back whole.
    std::stringstream stream;
    {
        savefile::TypedWriter out(stream);
        game.Write(out);
    }
    BoardGame back(1);
    back.Players = game.Players;
    savefile::TypedReader in(stream);
    back.Read(in);
    CheckTiles(back);
    EXPECT_EQ(back.MoveCount(), game.MoveCount());
}

} // namespace

TEST(SelfPlay, SeededGamesOnTheRealDictionary)
{
    auto dico = TDictionnaire::Create(LUDORINE_TEST_DICTIONARY, 'R');
    ASSERT_TRUE(dico->IsOpen());
    PlayGame(*dico, 1, {5, 5});
    PlayGame(*dico, 2, {1, 3, 5});
    PlayGame(*dico, 3, {2, 4, 1, 5});
    PlayGame(*dico, 4, {4, 2});
}

namespace {
int RunProgram(const std::string &arguments, std::string &output)
{
    const std::string command = std::string(LUDORINE_SCRABBLE_PROGRAM) + " " + arguments + " 2>&1";
    FILE *pipe = popen(command.c_str(), "r");
    output.clear();
    char buffer[4096];
    while (std::size_t n = fread(buffer, 1, sizeof buffer, pipe))
        output.append(buffer, n);
    const int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
} // namespace

TEST(Program, MovesAndScore)
{
    scrabble_test::TempFolder folder;
    const std::string board = folder.File("board.txt");
    {
        std::ofstream out(board);
        for (int r = 1; r <= 15; ++r)
            out << (r == 8 ? std::string(".......CAFe....") : std::string(15, '.')) << "\n";
    }
    std::string output;
    ASSERT_EQ(
        RunProgram(std::string("score ") + LUDORINE_TEST_DICTIONARY + " " + board + " \"H 8 CAFES\"", output),
        0);
    EXPECT_EQ(output, "10\n"); // the joker E scores 0, S on a letter double
    ASSERT_EQ(
        RunProgram(std::string("moves ") + LUDORINE_TEST_DICTIONARY + " " + board + " S --variant problem",
                   output),
        0);
    EXPECT_NE(output.find("H 8 CAFeS 10 pts.\n"), std::string::npos);
    EXPECT_EQ(output.find("Passe"), std::string::npos);

    EXPECT_EQ(RunProgram(std::string("moves ") + LUDORINE_TEST_DICTIONARY + " " + board + " AB3", output), 2);
    EXPECT_EQ(RunProgram(std::string("moves ") + LUDORINE_TEST_DICTIONARY + " /nonexistent AB", output), 2);
    {
        std::ofstream out(board);
        out << "...\n";
    }
    EXPECT_EQ(RunProgram(std::string("moves ") + LUDORINE_TEST_DICTIONARY + " " + board + " AB", output), 2);
    EXPECT_NE(output.find("la ligne 1"), std::string::npos);
}
