// SPDX-License-Identifier: GPL-3.0-or-later
// The KeyWord board: the square kinds, their names, the central cross and
// the colours handed to the players.
#include "boardgames/keyword/keyword_board.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace keyword;
using Squares = std::set<std::pair<int, int>>; // (col, row)

TEST(KeyWordBoard, KindCountsKeysAndOrientation)
{
    ASSERT_EQ(SquareKinds().size(), 361u);
    std::map<int, int> counts;
    std::map<int, Squares> keys, byKind;
    for (int row = 1; row <= kBoardSize; ++row)
        for (int col = 1; col <= kBoardSize; ++col) {
            const int kind = SquareKind(col, row);
            ++counts[kind];
            byKind[kind].insert({col, row});
        }
    EXPECT_EQ(counts,
              (std::map<int, int>{
                  {0, 28}, {1, 78}, {2, 78}, {3, 79}, {4, 77}, {5, 5}, {11, 4}, {12, 4}, {13, 4}, {14, 4}}));
    // Each colour's key squares lie in the other quarters.
    EXPECT_EQ(byKind[KeyCode(kRed)], (Squares{{18, 2}, {8, 12}, {14, 14}, {16, 16}}));
    EXPECT_EQ(byKind[KeyCode(kBlue)], (Squares{{4, 4}, {6, 6}, {12, 12}, {2, 18}}));
    EXPECT_EQ(byKind[KeyCode(kYellow)], (Squares{{2, 2}, {12, 8}, {6, 14}, {4, 16}}));
    EXPECT_EQ(byKind[KeyCode(kGreen)], (Squares{{16, 4}, {14, 6}, {8, 8}, {18, 18}}));
    // I10, J9, J10, J11, K10, and nothing else.
    const Squares cross{{10, 9}, {9, 10}, {10, 10}, {11, 10}, {10, 11}};
    EXPECT_EQ(byKind[kCross], cross);
    Squares listed;
    for (const auto &square : CentralCross()) {
        listed.insert({square.col, square.row});
        EXPECT_TRUE(InCentralCross(square.col, square.row));
    }
    EXPECT_EQ(listed, cross);
    EXPECT_FALSE(InCentralCross(9, 9));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(HorizontalArm()[std::size_t(i)], (scrabble::SquarePos{9 + i, 10})); // J9..J11
        EXPECT_EQ(VerticalArm()[std::size_t(i)], (scrabble::SquarePos{10, 9 + i}));   // I10..K10
    }

    // Column first, then row: B2, B18, D16 and the corners of the quarters.
    EXPECT_EQ(SquareKind(2, 2), 13);
    EXPECT_EQ(SquareKind(18, 2), 11);
    EXPECT_EQ(SquareKind(16, 4), 14);
    EXPECT_EQ(SquareKind(1, 1), kRed);
    EXPECT_EQ(SquareKind(19, 1), kBlue);
    EXPECT_EQ(SquareKind(19, 19), kYellow);
    EXPECT_EQ(SquareKind(1, 19), kGreen);
    // Row B is not column B: the table is not its own transpose.
    bool rowBDiffersFromColumnB = false;
    for (int i = 1; i <= kBoardSize; ++i)
        rowBDiffersFromColumnB |= SquareKind(i, 2) != SquareKind(2, i);
    EXPECT_TRUE(rowBDiffersFromColumnB);
    for (auto [col, row] : {std::pair{0, 1}, {1, 0}, {20, 1}, {1, 20}})
        EXPECT_EQ(SquareKind(col, row), -1) << col << "," << row;
}

TEST(KeyWordBoard, SquareNames)
{
    const std::map<int, std::string> names{{0, ""},
                                           {1, "(rouge)"},
                                           {2, "(bleu)"},
                                           {3, "(jaune)"},
                                           {4, "(vert)"},
                                           {5, "(case centrale)"},
                                           {6, ""},
                                           {10, ""},
                                           {11, "(cl\xC3\xA9 rouge)"},
                                           {12, "(cl\xC3\xA9 bleue)"},
                                           {15, ""},
                                           {-1, ""},
                                           {13, "(cl\xC3\xA9 jaune)"},
                                           {14, "(cl\xC3\xA9 verte)"}};
    for (const auto &[kind, name] : names)
        EXPECT_EQ(SquareName(kind), name) << kind;
    for (int colour = kRed; colour <= kGreen; ++colour)
        EXPECT_EQ(ColourOfKind(KeyCode(colour)), colour);
}

TEST(KeyWordBoard, PlayerColoursForEveryCountAndFirstColour)
{
    for (int first = 1; first <= kColourCount; ++first) {
        EXPECT_EQ(PlayerColours(1, first), std::vector<int>{first});
        // Two players sit on opposite quarters; three or four follow round
        // the board, each colour once.
        EXPECT_EQ(PlayerColours(2, first), (std::vector<int>{first, (first + 1) % 4 + 1}));
        for (int count : {3, 4}) {
            const std::vector<int> colours = PlayerColours(count, first);
            ASSERT_EQ(int(colours.size()), count);
            for (int j = 0; j < count; ++j)
                EXPECT_EQ(colours[std::size_t(j)], (first - 1 + j) % 4 + 1) << count << " " << first;
        }
    }
    EXPECT_EQ(PlayerColours(2, 3), (std::vector<int>{3, 1}));
    EXPECT_EQ(PlayerColours(4, 2), (std::vector<int>{2, 3, 4, 1}));
    // Out-of-range counts and colours are brought back into range.
    EXPECT_EQ(PlayerColours(0, 2), std::vector<int>{2});
    EXPECT_EQ(PlayerColours(7, 1), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(PlayerColours(2, 9), (std::vector<int>{4, 2}));
}
