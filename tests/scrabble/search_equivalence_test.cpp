// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's move search against the plain search of
// reference_move_search.h on the real dictionary: seeded positions from
// self-play games (the first moves to nearly full boards), racks with no,
// one and two jokers, empty boards, Duplicate draws of eight letters,
// problems and stacked boards. Every position must give the same candidates,
// with the same scores, in the same order.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "dictionary/dictionnaire.h"
#include "reference_move_search.h"
#include "scrabble/engine/board_game.h"
#include "scrabble/engine/move_search.h"
#include "scrabble/engine/random.h"
#include "scrabble/engine/self_play.h"

using namespace scrabble;

namespace {

// Under the address sanitizer the reference is slow: fewer positions.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kGames = 2;
#else
constexpr int kGames = 6;
#endif

struct Position {
    Grid grid;
    std::string rack;
    int bag = 0;
};

class SearchEquivalence : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dictionary = TDictionnaire::Create(LUDORINE_TEST_DICTIONARY, 'R').release();
        ASSERT_TRUE(dictionary->IsOpen());
        ASSERT_GT(dictionary->NodeCount(), 100000u);
        // Every position of seeded games between a level-5 and a level-2
        // computer: the board from its first word to the last.
        const MoveSearch search(*dictionary);
        positions = new std::vector<Position>;
        for (std::uint64_t seed = 1; seed <= std::uint64_t(kGames); ++seed) {
            BoardGame game(seed * 7919);
            game.Players = {{"A", 5, 0, {}}, {"B", 2, 0, {}}};
            SelfPlay play(game, search);
            play.beforeSearch = [](const BoardGame &g) {
                const Grid grid = g.Snapshot(false);
                if (grid.PlayedCount() > 0)
                    positions->push_back({grid, g.RackLetters(g.CurrentPlayer), g.BagSize()});
            };
            play.PlayToEnd();
        }
    }
    static void TearDownTestSuite()
    {
        delete positions;
        delete dictionary;
    }

    // Both searches on one position; the first difference is reported.
    static void ExpectSame(const Grid &grid, const std::string &rack, const SearchOptions &options,
                           const GameRules &rules = GameRules())
    {
        const std::vector<Tcoup> engine = MoveSearch(*dictionary, rules).GenerateMoves(grid, rack, options);
        const std::vector<Tcoup> reference =
            scrabble_test::ReferenceMoveSearch(*dictionary, rules).GenerateMoves(grid, rack, options);
        ASSERT_EQ(engine.size(), reference.size()) << rack << " on " << grid.PlayedCount() << " tiles";
        for (std::size_t i = 0; i < engine.size(); ++i)
            ASSERT_EQ(engine[i], reference[i])
                << rack << ", candidate " << i << ": " << engine[i].Text() << " / " << reference[i].Text();
    }

    // `count` letters drawn from the French tiles, then `jokers` jokers.
    static std::string Draw(Random &random, int count, int jokers)
    {
        std::string bag = FrenchTileSet().letters;
        std::string rack;
        for (int i = 0; i < count; ++i) {
            const int at = random.Below(int(bag.size()));
            rack += bag[std::size_t(at)];
            bag.erase(std::size_t(at), 1);
        }
        return rack + std::string(std::size_t(jokers), '*');
    }

    static TDictionnaire *dictionary;
    static std::vector<Position> *positions;
};

TDictionnaire *SearchEquivalence::dictionary = nullptr;
std::vector<Position> *SearchEquivalence::positions = nullptr;

} // namespace

TEST_F(SearchEquivalence, ClassicRacksWithAndWithoutJokers)
{
    ASSERT_GT(positions->size(), std::size_t(20 * kGames));
    bool nearlyFull = false;
    for (std::size_t i = 0; i < positions->size(); ++i) {
        const Position &p = (*positions)[i];
        nearlyFull = nearlyFull || p.grid.PlayedCount() >= 80;
        SearchOptions options;
        options.bagSize = p.bag;
        options.player = 1;
        ExpectSame(p.grid, p.rack, options);
        if (p.rack.empty())
            continue;
        // The same rack with a joker for its last letter, and with two.
        std::string joker = p.rack;
        joker.back() = '*';
        ExpectSame(p.grid, joker, options);
        if (i % 3 == 0 && joker.size() >= 2) {
            joker[0] = '*';
            ExpectSame(p.grid, joker, options);
        }
    }
    EXPECT_TRUE(nearlyFull);
}

TEST_F(SearchEquivalence, EmptyBoards)
{
    Random random(23);
    const Grid empty(15);
    for (int i = 0; i < 12; ++i) {
        SearchOptions options;
        options.opening = true;
        options.bagSize = 80;
        options.variant = i % 3 == 0 ? Variant::Duplicate : Variant::Classic;
        ExpectSame(empty, Draw(random, 7 - i % 3, i % 3), options);
    }
}

TEST_F(SearchEquivalence, DuplicateDrawsOfEight)
{
    Random random(8);
    for (std::size_t i = 0; i < positions->size(); i += 2) {
        SearchOptions options;
        options.variant = Variant::Duplicate;
        options.maxTiles = 7;
        ExpectSame((*positions)[i].grid, Draw(random, 8 - int(i % 4 == 0), int(i % 4 == 0)), options);
    }
}

TEST_F(SearchEquivalence, ProblemsOfFewAndMany)
{
    Random random(5);
    for (std::size_t i = 1; i < positions->size(); i += 4) {
        SearchOptions options;
        options.variant = Variant::Problem;
        // From a single letter to the whole rack, and a rack of jokers.
        const int letters = 1 + int(i % 7);
        ExpectSame((*positions)[i].grid, i % 20 == 1 ? "**" : Draw(random, letters, 0), options);
    }
}

TEST_F(SearchEquivalence, StackedBoards)
{
    // The game boards with some stacks raised, on a board whose tiles stack.
    GameRules rules;
    rules.maxStackHeight = 5;
    Random random(17);
    for (std::size_t i = 0; i < positions->size(); i += 6) {
        Grid grid = (*positions)[i].grid;
        for (int row = 1; row <= 15; ++row)
            for (int col = 1; col <= 15; ++col)
                if (grid.At(col, row).HasTile())
                    grid.At(col, row).height = 1 + random.Below(5);
        SearchOptions options;
        options.maxTiles = 7;
        ExpectSame(grid, Draw(random, 7, 0), options, rules);
    }
}
