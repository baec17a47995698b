// SPDX-License-Identifier: GPL-3.0-or-later
// KeyWord's rules on a board built from the game's own table: the scoring
// by colour, the key word, the check of the laid tiles, the end of game,
// the computer's choice by level and the text report.
#include <algorithm>
#include <gtest/gtest.h>
#include <set>

#include "boardgames/keyword/keyword_key.h"
#include "boardgames/keyword/keyword_report.h"
#include "boardgames/keyword/keyword_rules.h"
#include "boardgames/keyword/keyword_validation.h"
#include "scrabble/engine/text.h"

using namespace keyword;
using scrabble::Grid;
using scrabble::Tcoup;

namespace {

// Square codes, row A to S, columns 1 to 19.
const int kCodes[19][19] = {
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2},
    {1, 13, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 11, 2},
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 4, 2, 2, 2, 2, 2, 2, 2, 2, 2},
    {1, 1, 1, 12, 1, 1, 1, 1, 1, 3, 2, 2, 2, 2, 2, 14, 2, 2, 2},
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2},
    {1, 1, 1, 1, 1, 12, 1, 1, 1, 2, 2, 2, 2, 14, 2, 2, 2, 2, 2},
    {1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 2, 2, 2, 2, 2, 2, 2, 2},
    {1, 1, 1, 1, 1, 1, 1, 14, 0, 0, 0, 13, 2, 2, 2, 2, 2, 2, 2},
    {1, 1, 1, 1, 1, 1, 0, 0, 0, 5, 0, 0, 0, 2, 2, 2, 2, 2, 2},
    {4, 1, 2, 3, 4, 1, 0, 0, 5, 5, 5, 0, 0, 3, 2, 1, 3, 3, 2},
    {4, 4, 4, 4, 4, 4, 0, 0, 0, 5, 0, 0, 0, 3, 3, 3, 3, 3, 3},
    {4, 4, 4, 4, 4, 4, 4, 11, 0, 0, 0, 12, 3, 3, 3, 3, 3, 3, 3},
    {4, 4, 4, 4, 4, 4, 4, 4, 0, 0, 0, 3, 3, 3, 3, 3, 3, 3, 3},
    {4, 4, 4, 4, 4, 13, 4, 4, 4, 4, 3, 3, 3, 11, 3, 3, 3, 3, 3},
    {4, 4, 4, 4, 4, 4, 4, 4, 4, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3},
    {4, 4, 4, 13, 4, 4, 4, 4, 4, 2, 3, 3, 3, 3, 3, 11, 3, 3, 3},
    {4, 4, 4, 4, 4, 4, 4, 4, 4, 1, 3, 3, 3, 3, 3, 3, 3, 3, 3},
    {4, 12, 4, 4, 4, 4, 4, 4, 4, 4, 3, 3, 3, 3, 3, 3, 3, 14, 3},
    {4, 4, 4, 4, 4, 4, 4, 4, 4, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3},
};

const scrabble::BoardLayout &Layout()
{
    static const scrabble::BoardLayout layout = [] {
        std::vector<int> codes;
        for (const auto &row : kCodes)
            codes.insert(codes.end(), std::begin(row), std::end(row));
        return scrabble::BoardLayout(kBoardSize, codes, {{10, 9}, {9, 10}, {10, 10}, {11, 10}, {10, 11}});
    }();
    return layout;
}

// Rows by letter: Row('J') is 10.
constexpr int Row(char letter)
{
    return letter - 'A' + 1;
}

// Plays `word` on the grid from (col, row) in direction dir.
void PlayWord(Grid &grid, int col, int row, char dir, const std::string &word)
{
    for (const char letter : word) {
        grid.Play(col, row, letter);
        col += scrabble::StepCol(dir);
        row += scrabble::StepRow(dir);
    }
}

Tcoup Word(char dir, int col, int row, const std::string &word)
{
    Tcoup move;
    move.Kind = dir;
    move.Col = col;
    move.Row = row;
    move.Word = word;
    return move;
}

LaidTile At(char row, int col, char letter)
{
    return {col, Row(row), letter};
}

// The indices a computer of `level` picks over 400 seeds.
std::set<std::size_t> Picks(std::size_t count, const std::vector<std::size_t> &keyAt, int level)
{
    const std::vector<Tcoup> candidates(count, Word('H', 1, 1, "MOT"));
    std::vector<bool> forms(count, false);
    for (const std::size_t i : keyAt)
        forms[i] = true;
    std::set<std::size_t> picks;
    for (std::uint64_t seed = 1; seed <= 400; ++seed) {
        scrabble::Random random(seed);
        picks.insert(PickComputerIndex(candidates, forms, level, random));
    }
    return picks;
}

} // namespace

TEST(KeyWordScoring, LaidLettersScoreByTheirSquareAndTheMoversColour)
{
    const Grid empty(kBoardSize);
    // Row B from column 16: blue, blue, red key, blue.
    EXPECT_EQ(ScoreMove(empty, Layout(), 16, Row('B'), 'H', "ABCD", kRed), 5 + 5 + 50 + 5);
    EXPECT_EQ(ScoreMove(empty, Layout(), 16, Row('B'), 'H', "ABCD", kBlue), 10 + 10 + 25 + 10);
    EXPECT_EQ(ScoreMove(empty, Layout(), 1, Row('A'), 'H', "A", kRed), 10);
    EXPECT_EQ(ScoreMove(empty, Layout(), 16, Row('D'), 'H', "A", kRed), 25); // green key
    EXPECT_EQ(ScoreMove(empty, Layout(), 16, Row('D'), 'H', "A", kGreen), 50);
    // The cross and the neutral centre belong to nobody; down column 1 from I: red, green, green.
    EXPECT_EQ(ScoreMove(empty, Layout(), 9, Row('J'), 'H', "CLE", kRed), 15);
    EXPECT_EQ(ScoreMove(empty, Layout(), 1, Row('I'), 'V', "ABC", kGreen), 5 + 10 + 10);
    // Past the edge the word scores nothing.
    EXPECT_EQ(ScoreMove(empty, Layout(), 18, Row('A'), 'H', "ABC", kBlue), 0);
    EXPECT_EQ(ScoreMove(empty, Layout(), 1, Row('R'), 'V', "ABC", kGreen), 0);

    const Scoring scoring;
    for (int colour = kRed; colour <= kGreen; ++colour)
        EXPECT_EQ(scoring.WordScore(empty, Layout(), 16, Row('B'), 'H', "ABCD", colour),
                  ScoreMove(empty, Layout(), 16, Row('B'), 'H', "ABCD", colour));
    for (const char letter : std::string("AKZz*"))
        EXPECT_EQ(scoring.letterValue(letter), 5) << letter;
    EXPECT_EQ(scoring.bingoBonus, 0);
}

TEST(KeyWordScoring, PlayedLettersAndCrossWordsScoreNothing)
{
    Grid grid(kBoardSize);
    grid.Play(18, Row('B'), 'C');
    EXPECT_EQ(ScoreMove(grid, Layout(), 16, Row('B'), 'H', "ABCD", kRed), 15);
    // A tile laid this turn is the move's own.
    grid.At(19, Row('B')) = {'D', scrabble::SquareState::Pending, false};
    EXPECT_EQ(ScoreMove(grid, Layout(), 16, Row('B'), 'H', "ABCD", kRed), 15);
    Grid crossed(kBoardSize);
    PlayWord(crossed, 1, Row('C'), 'H', "ABC");
    PlayWord(crossed, 1, Row('E'), 'H', "DEF");
    EXPECT_EQ(ScoreMove(crossed, Layout(), 1, Row('D'), 'H', "XYZ", kRed), 30);
}

TEST(KeyWordKey, FormedAsTheMainWordOrAPerpendicularWord)
{
    Grid before(kBoardSize);
    EXPECT_EQ(CheckKey(before, Word('V', 10, Row('I'), "cLe"), "cle"), "CLE");
    EXPECT_EQ(CheckKey(before, Word('H', 9, Row('J'), "CLEF"), "CLE"), "");
    EXPECT_EQ(CheckKey(before, Word('H', 9, Row('J'), "CLE"), ""), "");
    EXPECT_EQ(CheckKey(before, Tcoup::MakePenalty(1, "C L E ", -15), "CLE"), "");

    before.Play(5, Row('D'), 'C');
    before.Play(5, Row('F'), 'E');
    // ALU across row E puts its L (or a joker's l) between C and E.
    EXPECT_EQ(CheckKey(before, Word('H', 4, Row('E'), "ALU"), "CLE"), "CLE");
    EXPECT_EQ(CheckKey(before, Word('H', 5, Row('E'), "lU"), "CLE"), "CLE");
    EXPECT_EQ(CheckKey(before, Word('H', 4, Row('E'), "ALU"), "OUI"), "");
    EXPECT_EQ(CheckKey(before, Word('H', 6, Row('E'), "ALU"), "CLE"), "");
    before.Play(5, Row('G'), 'S'); // CLES is not CLE
    EXPECT_EQ(CheckKey(before, Word('H', 4, Row('E'), "ALU"), "CLE"), "");
}

TEST(KeyWordKey, KeyBonusComesOnTopOfTheLaidLettersOnly)
{
    Grid before(kBoardSize);
    PlayWord(before, 9, Row('J'), 'H', "CLE");
    // UN under the E of CLE forms EU downwards: 5 + 5, no cross-word points, 50 for the key.
    const Tcoup un = Word('H', 11, Row('K'), "UN");
    const KeyedScore keyed = ScoreWithKey(before, Layout(), un, kRed, "EU");
    EXPECT_EQ(keyed.score, 60);
    EXPECT_EQ(keyed.keyFormed, "EU");
    EXPECT_EQ(ScoreWithKey(before, Layout(), un, kRed, "OUI").score, 10);
    EXPECT_EQ(ScoreWithKey(before, Layout(), Tcoup::MakeBonus(1, 85), kRed, "EU").score, 85);
    EXPECT_EQ(ScoreWithKey(before, Layout(), Tcoup::MakePenalty(1, "A B ", -10), kRed, "EU").score, -10);
    EXPECT_EQ(ScoreWithKey(before, Layout(), Tcoup::MakePass(1), kRed, "EU").score, 0);
}

TEST(KeyWordKey, DrawnIndexStaysInsideTheCandidatesAndNoneMeansNoKey)
{
    scrabble::Random random(7);
    std::set<int> seen;
    for (int i = 0; i < 300; ++i)
        seen.insert(DrawKeyIndex(5, random));
    EXPECT_EQ(seen, (std::set<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(DrawKeyIndex(0, random), 0);
    EXPECT_EQ(DrawKeyIndex(-3, random), 0);

    const std::vector<std::string> words = {"cle", "OUI"};
    EXPECT_EQ(CurrentKey(words, 0), "CLE");
    EXPECT_EQ(CurrentKey(words, 2), "");
    EXPECT_EQ(CurrentKey(words, -1), "");
    const std::string none = CurrentKey({}, DrawKeyIndex(0, random));
    EXPECT_EQ(none, "");
    EXPECT_EQ(CheckKey(Grid(kBoardSize), Word('H', 9, Row('J'), "CLE"), none), "");
}

TEST(KeyWordEndOfGame, GoingOutEarnsTheTilesLeftElseFivePerTileIsLost)
{
    const std::vector<Tcoup> out = EndOfGameMoves({"ABC", "", "DEFG", ""});
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].Kind, scrabble::Bonus);
    EXPECT_EQ(out[0].Player, 2);
    EXPECT_EQ(out[0].Text(), "Bonus  85 pts.");
    // Empty slots shown as spaces are not tiles.
    EXPECT_EQ(EndOfGameMoves({"A B", "  "}).at(0).Score, 60);

    const std::vector<Tcoup> stuck = EndOfGameMoves({"AB", "C*DE"});
    ASSERT_EQ(stuck.size(), 2u);
    EXPECT_EQ(stuck[0].Text(), "Penalit\xE9 A B -10 pts.");
    EXPECT_EQ(stuck[1].Player, 2);
    EXPECT_EQ(stuck[1].Score, -20);
    EXPECT_EQ(stuck[1].Word, "C * D E");
}

TEST(KeyWordComputer, KeyFormingCandidateInsideTheWindowIsPreferred)
{
    EXPECT_EQ(Picks(50, {3}, 5), (std::set<std::size_t>{0}));
    // The last candidate of each level's window; a later one is ignored.
    const std::size_t lastInWindow[5] = {0, 199, 32, 16, 8};
    for (int level = 1; level <= 4; ++level) {
        const std::size_t at = lastInWindow[level];
        EXPECT_EQ(Picks(200, {at, std::min<std::size_t>(at + 1, 199)}, level), (std::set<std::size_t>{at}))
            << "level " << level;
    }
    EXPECT_EQ(Picks(200, {6, 2}, 4), (std::set<std::size_t>{2}));
}

TEST(KeyWordComputer, WithoutAKeyInTheWindowTheLevelPicksAtRandomInItsRange)
{
    const std::size_t range[5] = {0, 32, 16, 8, 4};
    for (int level = 2; level <= 4; ++level) {
        const std::set<std::size_t> picks = Picks(200, {2 * range[level] + 1}, level);
        EXPECT_LT(*picks.rbegin(), range[level]) << "level " << level;
        EXPECT_EQ(picks.size(), range[level]) << "level " << level;
    }
    EXPECT_EQ(Picks(200, {}, 1).size(), 32u);
    EXPECT_EQ(Picks(3, {}, 2), (std::set<std::size_t>{0, 1, 2}));
    scrabble::Random random(1);
    EXPECT_EQ(PickComputerIndex({}, {}, 1, random), 0u);
}

TEST(KeyWordValidation, FirstMoveNeedsThreeTilesOnAFullArmOfTheCross)
{
    const Grid empty(kBoardSize);
    EXPECT_EQ(ValidateLaid(empty, {}, true).code, kNothingLaid);
    EXPECT_EQ(ValidateLaid(empty, {At('J', 10, 'L'), At('J', 11, 'E')}, true).code, kFirstWordTooShort);
    EXPECT_EQ(ValidateLaid(empty, {At('J', 8, 'C'), At('J', 9, 'L'), At('J', 10, 'E')}, true).code,
              kCrossArmNotCovered);
    // A joker without a letter is reported before anything else, and selected.
    const LaidMove joker = ValidateLaid(empty, {At('J', 10, 'L'), At('J', 11, '*')}, true);
    EXPECT_EQ(joker.code, kJokerWithoutLetter);
    EXPECT_EQ(joker.joker, (scrabble::SquarePos{11, Row('J')}));

    const LaidMove down = ValidateLaid(empty, {At('K', 10, 'E'), At('I', 10, 'C'), At('J', 10, 'L')}, true);
    EXPECT_EQ(down.code, 0);
    EXPECT_EQ(down.direction, 'V');
    EXPECT_EQ(scrabble::SquarePos(down.col, down.row), (scrabble::SquarePos{10, Row('I')}));
    EXPECT_EQ(down.words, (std::vector<std::string>{"CLE"}));
    const LaidMove across = ValidateLaid(
        empty, {At('J', 11, 'E'), At('J', 7, 'S'), At('J', 9, 'c'), At('J', 10, 'L'), At('J', 8, 'O')}, true);
    EXPECT_EQ(across.code, 0);
    EXPECT_EQ(across.direction, 'H');
    EXPECT_EQ(across.col, 7);
    EXPECT_EQ(across.word, "SOcLE");
}

TEST(KeyWordValidation, LaterMovesMustTouchThePlayedWords)
{
    Grid played(kBoardSize);
    PlayWord(played, 9, Row('J'), 'H', "CLE");
    EXPECT_EQ(ValidateLaid(played, {At('A', 1, 'O'), At('A', 2, 'U')}, false).code, kNotConnected);
    // A corner is not a contact.
    EXPECT_EQ(ValidateLaid(played, {At('K', 12, 'U'), At('K', 13, 'N')}, false).code, kNotConnected);

    const LaidMove extended = ValidateLaid(played, {At('J', 13, 'S'), At('J', 12, 'F')}, false);
    EXPECT_EQ(extended.code, 0);
    EXPECT_EQ(extended.col, 9);
    EXPECT_EQ(extended.words, (std::vector<std::string>{"CLEFS"}));
    const LaidMove beside = ValidateLaid(played, {At('K', 11, 'U'), At('K', 12, 'N')}, false);
    EXPECT_EQ(beside.code, 0);
    EXPECT_EQ(beside.words, (std::vector<std::string>{"UN", "EU"}));
    // One tile under E reads down through it.
    const LaidMove single = ValidateLaid(played, {At('K', 11, 'T')}, false);
    EXPECT_EQ(single.code, 0);
    EXPECT_EQ(single.direction, 'V');
    EXPECT_EQ(single.row, Row('J'));
    EXPECT_EQ(single.word, "ET");
}

TEST(KeyWordValidation, TilesOutsideOneWordAreRefused)
{
    const Grid empty(kBoardSize);
    EXPECT_EQ(ValidateLaid(empty, {At('I', 10, 'C'), At('J', 10, 'L'), At('J', 11, 'E')}, true).code,
              kNotAligned);
    EXPECT_EQ(ValidateLaid(empty, {At('J', 9, 'C'), At('J', 10, 'L'), At('J', 12, 'E')}, true).code,
              kNotAligned); // a gap
    Grid played(kBoardSize);
    PlayWord(played, 9, Row('J'), 'H', "CLE");
    EXPECT_EQ(ValidateLaid(played, {At('K', 11, 'T'), At('I', 12, 'A')}, false).code, kNotAligned);
    EXPECT_EQ(ValidateLaid(played, {At('J', 9, 'A')}, false).code, kNotAligned);
    EXPECT_EQ(ValidateLaid(played, {{20, 1, 'A'}}, false).code, kNotAligned);
}

TEST(KeyWordValidation, MessagesInTheCodePage)
{
    EXPECT_EQ(ErrorText(kFirstWordTooShort), "Le premier mot plac\xE9 doit avoir au moins 3 lettres !");
    EXPECT_EQ(ErrorText(kCrossArmNotCovered), "Les trois premi\xE8res lettres du premier mot doivent \xEAtre "
                                              "plac\xE9"
                                              "es sur la croix centrales");
    EXPECT_EQ(ErrorText(kNotConnected), "Chaque mot pos\xE9 doit \xEAtre raccord\xE9 \xE0 un mot existant !");
    EXPECT_EQ(ErrorText(kJokerWithoutLetter), "Vous devez indiquez quelles sont les lettres remplac\xE9"
                                              "es parles jokers.");
    EXPECT_EQ(ErrorText(kNotAligned).substr(0, 25), "Les lettres pos\xE9"
                                                    "es lors d");
    EXPECT_EQ(ErrorText(kNothingLaid), "");
    EXPECT_EQ(ErrorText(5), "");
}

TEST(KeyWordReport, BoardPictureMovesAndClosingLine)
{
    Grid grid(kBoardSize);
    PlayWord(grid, 9, Row('J'), 'H', "CLe");
    std::vector<std::unique_ptr<Tcoup>> moves;
    moves.push_back(std::make_unique<Tcoup>(Word('H', 9, Row('J'), "CLe")));
    moves.back()->Player = 1;
    moves.back()->Score = 15;
    moves.back()->MoveNumber = 1;
    moves.push_back(std::make_unique<Tcoup>(Tcoup::MakeBonus(2, 85)));
    moves.back()->MoveNumber = 2;
    const std::vector<std::string> names = {"Anne", "Ordinateur"};

    const std::vector<std::string> lines =
        ReportLines(grid, moves, [&names](int player) { return names[std::size_t(player - 1)]; });
    ASSERT_EQ(lines.size(), 28u);
    const std::string rule = "     " + std::string(38, '_');
    EXPECT_EQ(lines[1], rule);
    EXPECT_EQ(lines[21], rule);
    EXPECT_EQ(lines[Row('J') + 1], "  J  |-|-|-|-|-|-|-|-|C|L|e|-|-|-|-|-|-|-|-|");
    EXPECT_EQ(lines[20].substr(0, 6), "  S  |");
    EXPECT_EQ(lines[22], "      1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 6 7 8 9 ");
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 23, lines.end()),
              (std::vector<std::string>{"", "1 Anne J 9 CLe 15 pts.", "2 Ordinateur Bonus  85 pts.", "",
                                        "Ludorine"}));
}
