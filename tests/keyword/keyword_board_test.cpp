// SPDX-License-Identifier: GPL-3.0-or-later
// The KeyWord board: the square kinds, their names, the central cross and
// the colours handed to the players.
#include "boardgames/keyword/keyword_board.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace keyword;

TEST(KeyWordBoard, KindCountsKeysAndOrientation)
{
    ASSERT_EQ(SquareKinds().size(), 361u);
    std::map<int, int> counts;
    for (int kind : SquareKinds())
        ++counts[kind];
    EXPECT_EQ(counts,
              (std::map<int, int>{
                  {0, 28}, {1, 78}, {2, 78}, {3, 79}, {4, 77}, {5, 5}, {11, 4}, {12, 4}, {13, 4}, {14, 4}}));
    // Each colour's four key squares, found by position.
    std::map<int, std::set<std::pair<int, int>>> keys;
    for (int row = 1; row <= kBoardSize; ++row)
        for (int col = 1; col <= kBoardSize; ++col)
            if (IsKeyCode(SquareKind(col, row)))
                keys[SquareKind(col, row) - kKeyOffset].insert({col, row});
    EXPECT_EQ(keys[kRed], (std::set<std::pair<int, int>>{{18, 2}, {8, 12}, {14, 14}, {16, 16}}));
    EXPECT_EQ(keys[kBlue], (std::set<std::pair<int, int>>{{4, 4}, {6, 6}, {12, 12}, {2, 18}}));
    EXPECT_EQ(keys[kYellow], (std::set<std::pair<int, int>>{{2, 2}, {12, 8}, {6, 14}, {4, 16}}));
    EXPECT_EQ(keys[kGreen], (std::set<std::pair<int, int>>{{16, 4}, {14, 6}, {8, 8}, {18, 18}}));

    // Column first, then row (B = 2, D = 4, J = 10).
    EXPECT_EQ(SquareKind(2, 2), 13);
    EXPECT_EQ(SquareKind(18, 2), 11);
    EXPECT_EQ(SquareKind(16, 4), 14);
    EXPECT_EQ(SquareKind(10, 10), kCross);
    // The odd squares of row J and column 10 tell a transposed table apart.
    EXPECT_EQ(SquareKind(1, 10), kGreen);
    EXPECT_EQ(SquareKind(3, 10), kBlue);
    EXPECT_EQ(SquareKind(10, 3), kGreen);
    EXPECT_EQ(SquareKind(10, 4), kYellow);
    bool rowBDiffersFromColumnB = false;
    for (int i = 1; i <= kBoardSize; ++i)
        rowBDiffersFromColumnB |= SquareKind(i, 2) != SquareKind(2, i);
    EXPECT_TRUE(rowBDiffersFromColumnB);

    // The quarters: the corners take the four colours.
    EXPECT_EQ(SquareKind(1, 1), kRed);
    EXPECT_EQ(SquareKind(19, 1), kBlue);
    EXPECT_EQ(SquareKind(19, 19), kYellow);
    EXPECT_EQ(SquareKind(1, 19), kGreen);

    for (auto [col, row] : {std::pair{0, 1}, {1, 0}, {20, 1}, {1, 20}, {-3, 5}})
        EXPECT_EQ(SquareKind(col, row), -1) << col << "," << row;
}

TEST(KeyWordBoard, CentralCrossAndItsArms)
{
    std::set<std::pair<int, int>> cross;
    for (int row = 1; row <= kBoardSize; ++row)
        for (int col = 1; col <= kBoardSize; ++col) {
            if (SquareKind(col, row) == kCross)
                cross.insert({col, row});
            EXPECT_EQ(InCentralCross(col, row), SquareKind(col, row) == kCross) << col << "," << row;
        }
    // I10, J9, J10, J11, K10.
    const std::set<std::pair<int, int>> expected{{10, 9}, {9, 10}, {10, 10}, {11, 10}, {10, 11}};
    EXPECT_EQ(cross, expected);
    std::set<std::pair<int, int>> listed;
    for (const auto &square : CentralCross())
        listed.insert({square.col, square.row});
    EXPECT_EQ(listed, expected);

    // Across J9..J11 in one row, down I10..K10 in one column, both through J10.
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(HorizontalArm()[std::size_t(i)], (scrabble::SquarePos{9 + i, 10}));
        EXPECT_EQ(VerticalArm()[std::size_t(i)], (scrabble::SquarePos{10, 9 + i}));
    }
}

TEST(KeyWordBoard, SquareNames)
{
    EXPECT_STREQ(SquareName(kNeutral), "");
    EXPECT_STREQ(SquareName(kRed), "(rouge)");
    EXPECT_STREQ(SquareName(kBlue), "(bleu)");
    EXPECT_STREQ(SquareName(kYellow), "(jaune)");
    EXPECT_STREQ(SquareName(kGreen), "(vert)");
    EXPECT_STREQ(SquareName(kCross), "(case centrale)");
    EXPECT_STREQ(SquareName(KeyCode(kRed)), "(cl\xC3\xA9 rouge)");
    EXPECT_STREQ(SquareName(KeyCode(kBlue)), "(cl\xC3\xA9 bleue)");
    EXPECT_STREQ(SquareName(KeyCode(kYellow)), "(cl\xC3\xA9 jaune)");
    EXPECT_STREQ(SquareName(KeyCode(kGreen)), "(cl\xC3\xA9 verte)");
    for (int unknown : {-1, 6, 10, 15, 99})
        EXPECT_STREQ(SquareName(unknown), "") << unknown;
    // Every square of the board has a name or is neutral.
    for (int kind : SquareKinds())
        EXPECT_EQ(std::string(SquareName(kind)).empty(), kind == kNeutral) << kind;
    // Key squares are painted in their quarter's colour.
    for (int colour = kRed; colour <= kGreen; ++colour) {
        EXPECT_EQ(ColourOfKind(colour), colour);
        EXPECT_EQ(ColourOfKind(KeyCode(colour)), colour);
    }
    EXPECT_EQ(ColourOfKind(kCross), 0);
    EXPECT_EQ(ColourOfKind(kNeutral), 0);
}

TEST(KeyWordBoard, PlayerColoursForEveryCountAndFirstColour)
{
    for (int first = 1; first <= kColourCount; ++first) {
        EXPECT_EQ(PlayerColours(1, first), std::vector<int>{first});
        // Two players sit on opposite quarters.
        const std::vector<int> two = PlayerColours(2, first);
        ASSERT_EQ(two.size(), 2u);
        EXPECT_EQ(two[0], first);
        EXPECT_EQ(two[1], (first + 1) % 4 + 1);
        // Three and four follow round the board, each colour at most once.
        for (int count : {3, 4}) {
            const std::vector<int> colours = PlayerColours(count, first);
            ASSERT_EQ(int(colours.size()), count);
            for (int j = 0; j < count; ++j)
                EXPECT_EQ(colours[std::size_t(j)], (first - 1 + j) % 4 + 1) << count << " " << first;
            EXPECT_EQ(int(std::set<int>(colours.begin(), colours.end()).size()), count);
        }
        for (int count = 1; count <= 4; ++count)
            for (int colour : PlayerColours(count, first)) {
                EXPECT_GE(colour, 1);
                EXPECT_LE(colour, 4);
            }
    }
    EXPECT_EQ(PlayerColours(2, 3), (std::vector<int>{3, 1}));
    EXPECT_EQ(PlayerColours(4, 2), (std::vector<int>{2, 3, 4, 1}));
    // Out-of-range counts and colours are brought back into range.
    EXPECT_EQ(PlayerColours(0, 2), std::vector<int>{2});
    EXPECT_EQ(PlayerColours(7, 1), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(PlayerColours(2, 9), (std::vector<int>{4, 2}));
    EXPECT_EQ(PlayerColours(3, 0), (std::vector<int>{1, 2, 3}));
}
