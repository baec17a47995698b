// SPDX-License-Identifier: GPL-3.0-or-later
// The Wordy board layout, the letter colours and the letter set.
#include "boardgames/wordy/wordy_board.h"

#include <gtest/gtest.h>
#include <map>

using namespace wordy;

TEST(WordyBoard, LayoutCountsSymmetryAndOrientation)
{
    ASSERT_EQ(SquareCodes().size(), 169u);
    std::map<int, int> counts;
    for (int code : SquareCodes())
        ++counts[code];
    EXPECT_EQ(
        counts,
        (std::map<int, int>{
            {0, 1}, {1, 36}, {2, 32}, {3, 28}, {4, 20}, {5, 16}, {6, 8}, {7, 4}, {8, 12}, {9, 8}, {10, 4}}));
    EXPECT_EQ(SquareCode(kStartCol, kStartRow), kStartSquare);
    EXPECT_STREQ(SquareName(SquareCode(7, 7)), "de d\xC3\xA9part");
    EXPECT_STREQ(SquareName(SquareCode(2, 2)), "noire (mot compte triple)");

    bool rowBDiffersFromColumnB = false;
    for (int i = 1; i <= kBoardSize; ++i) {
        rowBDiffersFromColumnB |= SquareCode(i, 2) != SquareCode(2, i);
        for (int j = 1; j <= kBoardSize; ++j) {
            EXPECT_EQ(SquareCode(i, j), SquareCode(kBoardSize + 1 - i, j)) << i << "," << j;
            EXPECT_EQ(SquareCode(i, j), SquareCode(i, kBoardSize + 1 - j)) << i << "," << j;
        }
    }
    EXPECT_TRUE(rowBDiffersFromColumnB);
    // Row A from column 4 is orange, green, blue; B5 is pink but E2 yellow.
    EXPECT_EQ(SquareCode(4, 1), kOrange);
    EXPECT_EQ(SquareCode(5, 1), kGreen);
    EXPECT_EQ(SquareCode(6, 1), kBlue);
    EXPECT_EQ(SquareCode(5, 2), kPink);
    EXPECT_EQ(SquareCode(2, 5), kYellow);
    EXPECT_EQ(SquareCode(1, 14), -1);
}

TEST(WordyLetters, ColourCodesAndLetterSet)
{
    const std::map<int, std::string> groups = {{1, "AEINRST"}, {2, "LOU"}, {3, "CMP"}, {4, "BDG"},
                                               {5, "FHZ"},     {6, "QVY"}, {7, "JX"},  {8, "KW"}};
    for (const auto &[code, letters] : groups)
        for (char letter : letters)
            EXPECT_EQ(ColourCode(letter), code) << letter;
    for (char other : {'*', 'a', 'z', '@', '['})
        EXPECT_EQ(ColourCode(other), 0) << other;

    // Run lengths of the bag in filling order.
    const std::string &bag = BagLetters();
    std::string runs;
    for (std::size_t i = 0, j = 0; i < bag.size(); i = j) {
        while (j < bag.size() && bag[j] == bag[i])
            ++j;
        runs += bag[i] + std::to_string(j - i) + " ";
    }
    EXPECT_EQ(runs, "E13 S9 A8 I8 R7 N6 T6 O5 L4 U3 C3 M2 P2 D3 G2 B2 F2 H2 Z1 V2 Q1 Y1 X1 J1 K1 W1 ");
    EXPECT_EQ(bag.size(), 96u);
    EXPECT_EQ(WordyTileSet().TileCount(), 100);

    EXPECT_EQ(TileColour(kPink), (Rgb{255, 110, 199}));
    EXPECT_EQ(TileColour(0), (Rgb{255, 255, 255}));
}
