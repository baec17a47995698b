// SPDX-License-Identifier: GPL-3.0-or-later
// The maze boards: generation over many worlds (boards fit their
// neighbours, the world's edge is walled, mazes are connected), the wall
// shapes, the questions of the sprites, the path finder against a
// breadth-first search, and the saved form.
#include <array>
#include <queue>
#include <sstream>

#include "avaleur_test_support.h"
#include "framework/savefile/typed_stream.h"

namespace {
using namespace avaleur_test;

bool Free(const TPlateau &board, int x, int y)
{
    return board.At(x, y).Nature < kWall;
}

// Reachability by breadth-first search over free cells.
std::array<bool, kCellCount + 1> Reachable(const TPlateau &board, CellXY from)
{
    std::array<bool, kCellCount + 1> seen{};
    std::queue<CellXY> queue;
    seen[std::size_t(CellNumber(from.x, from.y))] = true;
    queue.push(from);
    while (!queue.empty()) {
        const CellXY c = queue.front();
        queue.pop();
        for (auto [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) {
            const int x = c.x + dx, y = c.y + dy;
            if (TPlateau::Inside(x, y) && Free(board, x, y) && !seen[std::size_t(CellNumber(x, y))]) {
                seen[std::size_t(CellNumber(x, y))] = true;
                queue.push({x, y});
            }
        }
    }
    return seen;
}

bool Connected(const TPlateau &board)
{
    CellXY first;
    int free = 0;
    for (int x = 1; x <= kColumns; ++x)
        for (int y = 1; y <= kRows; ++y)
            if (Free(board, x, y)) {
                ++free;
                if (!first.Valid())
                    first = {x, y};
            }
    if (free == 0)
        return true;
    const auto seen = Reachable(board, first);
    int reached = 0;
    for (bool s : seen)
        reached += s ? 1 : 0;
    return reached == free;
}

class MazeWorlds : public AvaleurRules {};

TEST_F(MazeWorlds, EveryBoardFitsItsNeighboursIsWalledAtTheWorldsEdgeAndIsConnected)
{
    int boards = 0, connected = 0;
    for (std::uint32_t seed = 1; seed <= 24; ++seed) {
        Start(seed);
        for (int x = 1; x <= kWorldSide; ++x)
            for (int y = 1; y <= kWorldSide; ++y) {
                const TPlateau &board = *game->Plateau(x, y);
                ++boards;
                if (Connected(board)) {
                    ++connected;
                } else { // only when the generator gave up
                    EXPECT_FALSE(board.LastGeneration.connected) << seed << " " << x << "," << y;
                }
                for (int r = 1; r <= kRows && x < kWorldSide; ++r) {
                    ASSERT_EQ(Free(board, kColumns, r), Free(*game->Plateau(x + 1, y), 1, r))
                        << "seed " << seed << " board " << x << "," << y << " row " << r;
                }
                for (int c = 1; c <= kColumns && y < kWorldSide; ++c) {
                    ASSERT_EQ(Free(board, c, kRows), Free(*game->Plateau(x, y + 1), c, 1))
                        << "seed " << seed << " board " << x << "," << y << " column " << c;
                }
                for (int r = 1; r <= kRows; ++r) {
                    EXPECT_TRUE(x != 1 || !Free(board, 1, r));
                    EXPECT_TRUE(x != kWorldSide || !Free(board, kColumns, r));
                }
                for (int c = 1; c <= kColumns; ++c) {
                    EXPECT_TRUE(y != 1 || !Free(board, c, 1));
                    EXPECT_TRUE(y != kWorldSide || !Free(board, c, kRows));
                }
            }
    }
    // Pockets that nothing can join are rare.
    EXPECT_GE(connected * 100, boards * 97) << connected << " of " << boards;
    RecordProperty("connected_boards", connected);
}

TEST_F(MazeWorlds, ARebuiltBoardFitsAllFourNeighbours)
{
    Start(5);
    TPlateau &board = *game->Plateau(2, 4);
    for (int n = 0; n < 10; ++n) {
        board.Prepare(-1, true);
        EXPECT_GE(board.Style, 0);
        EXPECT_LE(board.Style, 4);
        for (int r = 1; r <= kRows; ++r) {
            EXPECT_EQ(Free(board, 1, r), Free(*game->Plateau(1, 4), kColumns, r));
            EXPECT_EQ(Free(board, kColumns, r), Free(*game->Plateau(3, 4), 1, r));
        }
        for (int c = 1; c <= kColumns; ++c) {
            EXPECT_EQ(Free(board, c, 1), Free(*game->Plateau(2, 3), c, kRows));
            EXPECT_EQ(Free(board, c, kRows), Free(*game->Plateau(2, 5), c, 1));
        }
    }
}

TEST_F(MazeWorlds, WallShapesCountTheExposedSides)
{
    Start();
    TPlateau &board = game->Courant();
    for (int x = 1; x <= kColumns; ++x)
        for (int y = 1; y <= kRows; ++y)
            board.At(x, y).Nature = kFree;
    board.At(9, 6).Nature = kWall;                                                 // alone
    board.At(1, 1).Nature = board.At(2, 1).Nature = board.At(1, 2).Nature = kWall; // a corner
    board.CalculeMurs();
    EXPECT_EQ(board.At(9, 6).Nature, 128 + 15);
    EXPECT_EQ(board.At(1, 1).Nature, 128 + 1 + 4);     // the board's edges count as exposed
    EXPECT_EQ(board.At(2, 1).Nature, 128 + 2 + 4 + 8); // its left is the corner
    EXPECT_EQ(board.At(1, 2).Nature, 128 + 1 + 2 + 8);
}

TEST_F(MazeWorlds, QuestionsOfTheSprites)
{
    Start();
    OpenBoard();
    TPlateau &board = game->Courant();
    // The nearest free cell of a free cell is itself; near a wall, a free
    // cell close by.
    EXPECT_EQ(board.CaseLibreProche(5, 5), (CellXY{5, 5}));
    const CellXY near = board.CaseLibreProche(1, 1);
    ASSERT_TRUE(near.Valid());
    EXPECT_LT(board.At(near.x, near.y).Nature, kWall);
    EXPECT_LE(std::abs(near.x - 1) + std::abs(near.y - 1), 4);
    // MurEn: the 30-pixel box touches a wall square when it overlaps it.
    QRect square;
    EXPECT_TRUE(board.MurEn(2, 40, &square));
    EXPECT_EQ(square, QRect(0, 32, 32, 32));
    EXPECT_FALSE(board.MurEn(32, 32));
    EXPECT_FALSE(board.MurEn(33, 33));
    EXPECT_TRUE(board.MurEn(32, 320 + 3)); // the box reaches row 12
    // The nearest exit: only the top row's cell (5, 1) is open.
    EXPECT_EQ(board.SortieProche(1, 1), (CellXY{}));
    board.At(5, 1).Nature = kFree;
    board.At(18, 11).Nature = kFree;
    EXPECT_EQ(board.SortieProche(1, 1), (CellXY{5, 1}));
    EXPECT_EQ(board.SortieProche(17, 12), (CellXY{18, 11}));
    // A new sprite goes far from the others.
    ClearSprites();
    EaterAt(2, 2);
    board.PlaceSprites();
    TLettre probe(*game, &board);
    const CellXY far = board.PlaceEloignee(probe);
    ASSERT_TRUE(far.Valid());
    EXPECT_GT(std::hypot(far.x - 2.0, far.y - 2.0), 8.0);
}

TEST_F(MazeWorlds, PathsAgreeWithABreadthFirstSearch)
{
    int paths = 0;
    for (std::uint32_t seed = 30; seed < 34; ++seed) {
        Start(seed);
        std::mt19937 random(seed);
        for (int x = 1; x <= kWorldSide; ++x)
            for (int y = 1; y <= kWorldSide; ++y) {
                TPlateau &board = *game->Plateau(x, y);
                // Rebuilt with extra walls so that some goals are out of reach.
                for (int n = 0; n < 12; ++n)
                    board.At(2 + int(random() % 16), 2 + int(random() % 10)).Nature = kWall;
                board.CalculeMurs();
                for (int n = 0; n < 40; ++n) {
                    const CellXY from{1 + int(random() % 18), 1 + int(random() % 12)};
                    const CellXY to{1 + int(random() % 18), 1 + int(random() % 12)};
                    if (!Free(board, from.x, from.y))
                        continue;
                    const CellPath path = board.Chemin(from, to);
                    const bool reachable = Free(board, to.x, to.y) &&
                                           Reachable(board, from)[std::size_t(CellNumber(to.x, to.y))];
                    if (from == to) {
                        EXPECT_TRUE(path.empty());
                        continue;
                    }
                    ASSERT_EQ(!path.empty(), reachable) << seed << " " << from.x << "," << from.y;
                    if (path.empty())
                        continue;
                    ++paths;
                    EXPECT_EQ(CellOfNumber(path[0]), to);
                    CellXY at = from;
                    for (int i = path.size() - 1; i >= 0; --i) {
                        const CellXY next = CellOfNumber(path[i]);
                        ASSERT_EQ(std::abs(next.x - at.x) + std::abs(next.y - at.y), 1);
                        ASSERT_TRUE(Free(board, next.x, next.y));
                        at = next;
                    }
                }
            }
    }
    EXPECT_GT(paths, 500);
}

TEST_F(MazeWorlds, PathEdgeCases)
{
    Start();
    OpenBoard();
    const TPlateau &board = game->Courant();
    const CellPath step = board.Chemin({5, 5}, {6, 5});
    ASSERT_EQ(step.size(), 1);
    EXPECT_EQ(step[0], CellNumber(6, 5));
    EXPECT_TRUE(board.Chemin({5, 5}, {5, 5}).empty());
    EXPECT_TRUE(board.Chemin({5, 5}, {1, 1}).empty());  // a wall
    EXPECT_TRUE(board.Chemin({5, 5}, {0, 3}).empty());  // outside
    EXPECT_TRUE(board.Chemin({19, 5}, {3, 3}).empty()); // outside
    // In an open room the path is as short as can be.
    EXPECT_EQ(board.Chemin({2, 2}, {17, 11}).size(), 15 + 9);
}

TEST_F(MazeWorlds, SavedBoardReadsBackWithItsStyle)
{
    Start();
    TPlateau &board = *game->Plateau(4, 2);
    board.Prepare(3, false);
    std::stringstream bytes;
    {
        savefile::TypedWriter writer(bytes);
        board.Sauve(writer);
        writer.Flush();
    }
    const auto before = board.Cases;
    board.Prepare(1, true); // something else meanwhile
    savefile::TypedReader reader(bytes);
    ASSERT_TRUE(board.Charge(reader));
    EXPECT_EQ(board.Style, 3);
    EXPECT_EQ(board.CouleurFond, QColor(0, 16, 66));
    EXPECT_EQ(board.Palette.size(), 12u);
    for (int x = 1; x <= kColumns; ++x)
        for (int y = 1; y <= kRows; ++y)
            EXPECT_EQ(board.At(x, y).Nature >= kWall, before[std::size_t(x)][std::size_t(y)].Nature >= kWall);
    // A board read at the wrong place of the world is refused.
    std::stringstream again;
    {
        savefile::TypedWriter writer(again);
        board.Sauve(writer);
        writer.Flush();
    }
    savefile::TypedReader elsewhere(again);
    EXPECT_FALSE(game->Plateau(1, 1)->Charge(elsewhere));
}

} // namespace
