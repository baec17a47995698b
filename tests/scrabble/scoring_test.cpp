// SPDX-License-Identifier: GPL-3.0-or-later
// Scoring of words and moves, the move text and the saved move record.
#include <gtest/gtest.h>

#include <sstream>

#include "framework/savefile/typed_stream.h"
#include "scrabble/engine/move.h"
#include "scrabble/engine/scoring.h"
#include "scrabble/engine/text.h"
#include "scrabble_test_support.h"

using namespace scrabble;
using scrabble_test::GridFrom;

TEST(Letters, ValuesAndFrenchSet)
{
    EXPECT_EQ(LetterValue('K'), 10);
    EXPECT_EQ(LetterValue('Q'), 8);
    EXPECT_EQ(LetterValue('*'), 0);
    EXPECT_EQ(LetterValue('e'), 0);
    EXPECT_EQ(LetterValue('1'), 0);
    const TileSet &set = FrenchTileSet();
    EXPECT_EQ(set.letters.size(), 100u);
    EXPECT_EQ(std::count(set.letters.begin(), set.letters.end(), 'E'), 15);
    EXPECT_EQ(set.TileCount(), 102);
    int total = 0;
    for (char c : set.letters)
        total += LetterValue(c);
    EXPECT_EQ(total, 197); // the French set's face values
}

TEST(BoardLayout, PremiumCounts)
{
    const BoardLayout &layout = BoardLayout::Classic();
    int counts[5] = {};
    for (int r = 1; r <= 15; ++r)
        for (int c = 1; c <= 15; ++c) {
            ++counts[int(layout.At(c, r))];
            EXPECT_EQ(layout.At(c, r), layout.At(r, c));      // symmetric about the diagonal
            EXPECT_EQ(layout.At(c, r), layout.At(16 - c, r)); // and the middle column
        }
    EXPECT_EQ(counts[int(Premium::WordTriple)], 8);
    EXPECT_EQ(counts[int(Premium::WordDouble)], 17);
    EXPECT_EQ(counts[int(Premium::LetterTriple)], 12);
    EXPECT_EQ(counts[int(Premium::LetterDouble)], 24);
    EXPECT_EQ(layout.At(8, 8), Premium::WordDouble);
    EXPECT_EQ(MoveNotation('H', 8, 8), "H 8");
    EXPECT_EQ(MoveNotation('V', 12, 4), "12 D");
}

TEST(ScoreWord, PremiumsOnlyOnCoveredSquares)
{
    Grid empty(15);
    const BoardLayout &layout = BoardLayout::Classic();
    const ScoringRules &rules = ScoringRules::Classic();
    // MOT from H7: O on the centre doubles the word.
    EXPECT_EQ(ScoreWord(empty, layout, rules, 7, 8, 'H', "MOT"), 8);
    // Past the right edge: nothing.
    EXPECT_EQ(ScoreWord(empty, layout, rules, 14, 1, 'H', "MOT"), 0);
    // A joker letter on the word-double centre: 0 for it, word still doubled.
    EXPECT_EQ(ScoreWord(empty, layout, rules, 7, 8, 'H', "MoT"), 6);
    // Played tiles count at face value: MOT already on the board from H7.
    const Grid played = GridFrom({"", "", "", "", "", "", "", "......MOT"});
    EXPECT_EQ(ScoreWord(played, layout, rules, 7, 8, 'H', "MOT"), 4);
    // A played joker stays at 0 even written in capitals.
    const Grid joker = GridFrom({"", "", "", "", "", "", "", "......MoT"});
    EXPECT_EQ(ScoreWord(joker, layout, rules, 7, 8, 'H', "MOT"), 3);
    ScoringRules upper = rules;
    upper.jokerTilesScoreZero = false;
    EXPECT_EQ(ScoreWord(joker, layout, upper, 7, 8, 'H', "MOT"), 4);
}

TEST(ComputeScore, CrossWordsAndBonus)
{
    // Examples of the move text: CAFE from H8 = 18; CAFE down from D8 = 12.
    Grid empty(15);
    EXPECT_EQ(Tcoup::Placement(1, "CAFE", 'H', 8, 8, empty).Score, 18);
    EXPECT_EQ(Tcoup::Placement(1, "CAFE", 'V', 8, 4, empty).Score, 12);

    // S added under the T of MOT (H7..H9) forming TS down and ... across: the
    // main word "ST"? Lay "AS" across on row I from column 8: cross words OA and TS.
    const Grid board = GridFrom({"", "", "", "", "", "", "", "......MOT"});
    const Tcoup as = Tcoup::Placement(1, "AS", 'H', 8, 9, board);
    // AS: A on I8 (plain) 1, S on I9 (letter double) 2 -> 3; OA: 1+1 = 2; TS: 1 + 2 = 3.
    EXPECT_EQ(as.Score, 3 + 2 + 3);
    EXPECT_EQ(as.TilesPlaced, 2);

    // Seven tiles through a played letter: 8-letter word plus 50.
    const Grid withE = GridFrom({"", "", "", "", "", "", "", ".......E"});
    const Tcoup eight = Tcoup::Placement(1, "RETAINSX", 'H', 7, 8, withE);
    EXPECT_EQ(eight.TilesPlaced, 7);
    EXPECT_EQ(eight.Score,
              ScoreWord(withE, BoardLayout::Classic(), ScoringRules::Classic(), 7, 8, 'H', "RETAINSX") + 50);

    // A single tile written as a one-letter word scores its cross word only,
    // the same as when written in the other direction.
    const Grid ma = GridFrom({"", "", "", "", "", "", "", ".......M"});
    EXPECT_EQ(Tcoup::Placement(1, "A", 'H', 8, 9, ma).Score, Tcoup::Placement(1, "MA", 'V', 8, 8, ma).Score);
}

TEST(MoveText, Forms)
{
    Tcoup cafe = Tcoup::Placement(1, "CAFE", 'H', 8, 8, Grid(15));
    cafe.RackText = "ABCDEFG";
    EXPECT_EQ(cafe.Text(), "ABCDEFG  H 8 CAFE 18 pts.");
    Tcoup pass = Tcoup::MakePass(1);
    pass.RackText = "ABCDEFG";
    EXPECT_EQ(pass.Text(), "ABCDEFG  Passe  0 pts.");
    const Tcoup down = Tcoup::Placement(1, "CAFE", 'V', 8, 4, Grid(15));
    EXPECT_EQ(down.Text(), "8 D CAFE 12 pts.");
    EXPECT_EQ(Tcoup::MakePenalty(2, "A B ", -4).Text(), CodePage("Penalité A B -4 pts."));
    Tcoup bonus = Tcoup::MakeBonus(1, 8);
    bonus.RackText = "XYZ";
    EXPECT_EQ(bonus.Text(), "Bonus  8 pts.");
    Tcoup exchange = Tcoup::MakeExchange(1, "KWZ");
    exchange.RackText = "KWZAEIO";
    EXPECT_EQ(exchange.Text(), "KWZAEIO  Change KWZ 0 pts.");
    // A rack text of 9 characters or more is not padded.
    Tcoup long_ = cafe;
    long_.RackText = "ABCDEFGHI";
    EXPECT_EQ(long_.Text(), "ABCDEFGHIH 8 CAFE 18 pts.");
}

TEST(MoveRecord, RoundTrip)
{
    Tcoup move = Tcoup::Placement(3, "CAFe", 'V', 8, 4, Grid(15));
    move.RackText = "ACF*XYZ";
    move.MoveNumber = 12;
    Tcoup pass = Tcoup::MakePass(2);
    pass.MoveNumber = 13;
    std::stringstream stream;
    {
        savefile::TypedWriter out(stream);
        move.Write(out);
        pass.Write(out);
        move.Write(out, true);
    }
    savefile::TypedReader in(stream);
    Tcoup back = Tcoup::Read(in);
    back.TilesPlaced = move.TilesPlaced; // not stored
    EXPECT_EQ(back, move);
    const Tcoup passBack = Tcoup::Read(in);
    EXPECT_EQ(passBack.Kind, Pass);
    EXPECT_EQ(passBack.RackText, "");
    EXPECT_EQ(passBack.MoveNumber, 13);
    Tcoup dup = Tcoup::Read(in, true);
    EXPECT_EQ(dup.Score, move.Score);

    std::stringstream bad;
    {
        savefile::TypedWriter out(bad);
        out.WriteInteger(1);
        out.WriteInteger(1);
        out.WriteInteger(1);
        out.WriteString("Q");
    }
    savefile::TypedReader badIn(bad);
    EXPECT_THROW(Tcoup::Read(badIn), savefile::ReadError);
}

TEST(Messages, CodesInTheCodePage)
{
    EXPECT_EQ(ErrorMessage(12, "Z"), CodePage("La lettre « Z » est introuvable !"));
    EXPECT_EQ(ErrorMessage(3, "A "),
              CodePage("Parmi les lettres indiquées pour l'échange, les lettres « A  » sont introuvables"));
    EXPECT_EQ(ErrorMessage(18, "A1"),
              CodePage("Le mot posé (« A1 ») ne doit contenir que des caractères alphabétiques."));
    for (int code : {1, 2, 4, 10, 11, 13, 14, 15, 16, 17}) {
        const std::string m = ErrorMessage(code);
        EXPECT_FALSE(m.empty()) << code;
        EXPECT_EQ(m.find('?'), std::string::npos) << code; // every character has an 8-bit code
    }
    // The typographic apostrophe of message 16 is byte 0x92.
    EXPECT_EQ(ErrorMessage(16).substr(0, 33), "Les lettres pos\xE9"
                                              "es lors d\x92un coup");
    EXPECT_NE(Utf8(ErrorMessage(16)).find("posées lors d’un coup"), std::string::npos);
    EXPECT_TRUE(ErrorMessage(5).empty());
}
