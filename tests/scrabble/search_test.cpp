// SPDX-License-Identifier: GPL-3.0-or-later
// The move search: complete against a brute-force search over every start
// square, direction and word; the opening; jokers; ranking and levels.
#include <gtest/gtest.h>

#include "scrabble/geometry/classic_geometry.h"

#include <algorithm>
#include <set>
#include <tuple>

#include "scrabble/engine/move_search.h"
#include "scrabble/engine/proposals.h"
#include "scrabble_test_support.h"

using namespace scrabble;
using scrabble_test::GridFrom;

namespace {

using Placement = std::tuple<char, int, int, std::string>;

const std::vector<std::string> kWords = {
    "AS",     "SA",  "TA",   "TAS",  "MOT",   "MOTS", "MOTTE", "OS",   "OSE",  "ET",    "ETE",  "ES",
    "SET",    "MAT", "MATS", "TAMS", "EMOTS", "TE",   "TES",   "MOTE", "SOT",  "SOTS",  "OTE",  "OTES",
    "TOMATE", "ME",  "MA",   "AMIE", "AMI",   "MI",   "MIE",   "MIS",  "SEMA", "SEMAT", "TETE", "TETES"};

bool InWords(const std::string &w)
{
    return std::find(kWords.begin(), kWords.end(), UpperCase(w)) != kWords.end();
}

// Every placement of every word, checked square by square.
std::set<Placement> BruteForce(const Grid &grid, const std::string &rack, bool opening)
{
    std::set<Placement> found;
    const int jokers = int(std::count(rack.begin(), rack.end(), '*'));
    for (const char dir : {'H', 'V'})
        for (int row = 1; row <= 15; ++row)
            for (int col = 1; col <= 15; ++col)
                for (const std::string &word : kWords) {
                    const int n = int(word.size());
                    const int dc = StepCol(dir), dr = StepRow(dir);
                    const int endCol = col + dc * (n - 1), endRow = row + dr * (n - 1);
                    if (!grid.Inside(endCol, endRow) || grid.HasTile(col - dc, row - dr) ||
                        grid.HasTile(endCol + dc, endRow + dr))
                        continue;
                    std::string left = rack;
                    int missing = 0, tiles = 0;
                    bool ok = true, connected = false, centre = false;
                    for (int i = 0; i < n && ok; ++i) {
                        const int c = col + dc * i, r = row + dr * i;
                        const Square &sq = grid.At(c, r);
                        if (sq.HasTile()) {
                            ok = Upper(sq.letter) == word[std::size_t(i)];
                            connected = true;
                            continue;
                        }
                        ++tiles;
                        centre |= c == 8 && r == 8;
                        const auto at = left.find(word[std::size_t(i)]);
                        if (at != std::string::npos)
                            left[at] = '#';
                        else
                            ++missing;
                        int sc, sr;
                        const std::string cross = CrossWord(grid, c, r, dir, word[std::size_t(i)], sc, sr);
                        if (cross.size() >= 2) {
                            connected = true;
                            ok = InWords(cross);
                        }
                    }
                    if (ok && tiles >= 1 && tiles <= 7 && missing <= jokers && (opening ? centre : connected))
                        found.insert({dir, col, row, word});
                }
    return found;
}

std::set<Placement> Engine(const std::vector<Tcoup> &moves)
{
    std::set<Placement> set;
    for (const Tcoup &m : moves) {
        if (m.IsPlacement()) {
            EXPECT_TRUE(set.insert({m.Kind, m.Col, m.Row, UpperCase(m.Word)}).second) << m.Text();
        }
    }
    return set;
}

class Search : public ::testing::Test {
protected:
    void SetUp() override { dico = scrabble_test::SmallDictionary(folder.File("s.ox"), kWords); }
    std::vector<Tcoup> Run(const Grid &grid, const std::string &rack, bool opening, int bag = 50)
    {
        SearchOptions options;
        options.opening = opening;
        options.bagSize = bag;
        options.player = 1;
        return MoveSearch(*dico).GenerateMoves(grid, rack, options);
    }
    scrabble_test::TempFolder folder;
    std::unique_ptr<TDictionnaire> dico;
};

} // namespace

TEST_F(Search, CompleteAgainstBruteForce)
{
    const std::vector<std::vector<std::string>> boards = {
        {"", "", "", "", "", "", "", ".......MOT"},
        {"", "", "", "", "", "", "", ".....TOMATE", "......S", "......E"},
        {"MOTS", "A", "T.....ETE", "S......S", "", "", "", "", "", "", "", "", "", "", "..............M", ""},
        {"", "", "", "", "", "", ".......S", ".....MoT", ".......E", "..............A", "..............S"},
        {"", "", "", "", "", "", "", "", "", "", "", "", "", "...............", "..........TETES"},
    };
    for (const auto &rows : boards)
        for (const std::string rack : {"ASTE*", "MOTS", "E", "AEMST*", "**"}) {
            const Grid grid = GridFrom(rows);
            const std::vector<Tcoup> moves = Run(grid, rack, false);
            EXPECT_EQ(Engine(moves), BruteForce(grid, rack, false)) << rows[7] << " / " << rack;
            for (const Tcoup &m : moves) {
                if (!m.IsPlacement())
                    continue;
                {
                    // Scores are those of a fresh computation; words fit the board.
                    EXPECT_EQ(m.Score, Tcoup::Placement(1, m.Word, m.Kind, m.Col, m.Row, grid).Score);
                    EXPECT_LE((m.Kind == 'H' ? m.Col : m.Row) + int(m.Word.size()) - 1, 15);
                }
            }
        }
}

TEST_F(Search, OpeningThroughTheCentre)
{
    const Grid empty(15);
    const std::vector<Tcoup> moves = Run(empty, "TOMATES", true);
    EXPECT_EQ(Engine(moves), BruteForce(empty, "TOMATES", true));
    // TOMATE is 6 letters: 12 placements; every candidate covers H8.
    int tomate = 0;
    for (const Tcoup &m : moves)
        if (m.IsPlacement()) {
            tomate += m.Word == "TOMATE";
            const int last = (m.Kind == 'H' ? m.Col : m.Row) + int(m.Word.size()) - 1;
            EXPECT_TRUE((m.Kind == 'H' ? m.Row == 8 : m.Col == 8) && (m.Kind == 'H' ? m.Col : m.Row) <= 8 &&
                        last >= 8);
        }
    EXPECT_EQ(tomate, 12);
}

TEST_F(Search, SevenLetterOpeningWithBonus)
{
    auto seven = scrabble_test::SmallDictionary(folder.File("seven.ox"), {"TOMATES", "MOTS"});
    SearchOptions options;
    options.opening = true;
    const std::vector<Tcoup> moves = MoveSearch(*seven).GenerateMoves(Grid(15), "SETAMOT", options);
    int count = 0;
    for (const Tcoup &m : moves)
        if (m.Word == "TOMATES") {
            ++count;
            EXPECT_EQ(m.TilesPlaced, 7);
            EXPECT_GE(m.Score, 50 + 2 * (1 + 1 + 2 + 1 + 1 + 1 + 1));
        }
    EXPECT_EQ(count, 14);
    EXPECT_EQ(moves.front().Word, "TOMATES");
}

TEST_F(Search, JokerSuppliesOnlyMissingLetters)
{
    const Grid grid = GridFrom({"", "", "", "", "", "", "", ".......MOT"});
    int ete = 0;
    for (const Tcoup &m : Run(grid, "EE*", false))
        if (UpperCase(m.Word) == "ETE" && m.Kind == 'V' && m.Col == 10 && m.Row == 7) { // through the T
            ++ete;
            EXPECT_EQ(m.Word, "ETE");
        }
    EXPECT_GT(ete, 0);
    bool tete = false;
    for (const Tcoup &m : Run(GridFrom({"", "", "", "", "", "", "", "........T"}), "ET*", false))
        tete |=
            UpperCase(m.Word) == "TETE" && std::count_if(m.Word.begin(), m.Word.end(), IsLowerLetter) == 1;
    EXPECT_TRUE(tete);
}

TEST_F(Search, PlayedJokerOnTheLine)
{
    // MOT with the T played by a joker: words through it are found, and the
    // joker square keeps scoring 0.
    const Grid grid = GridFrom({"", "", "", "", "", "", "", ".......MOt"});
    const std::vector<Tcoup> moves = Run(grid, "S", false);
    const auto mots =
        std::find_if(moves.begin(), moves.end(), [](const Tcoup &m) { return m.Word == "MOtS"; });
    ASSERT_NE(mots, moves.end());
    EXPECT_EQ(mots->Score, (2 + 1 + 0 + 1) * 1); // S on H11: plain
    const auto tas =
        std::find_if(moves.begin(), moves.end(), [](const Tcoup &m) { return UpperCase(m.Word) == "TE"; });
    EXPECT_EQ(tas, moves.end()); // E is not on the rack
    EXPECT_EQ(Engine(moves), BruteForce(grid, "S", false));
}

TEST_F(Search, PassExchangeRankingAndLevels)
{
    const Grid grid = GridFrom({"", "", "", "", "", "", "", ".......MOT"});
    std::vector<Tcoup> none = Run(grid, "QQ", false, 7);
    ASSERT_EQ(none.size(), 2u);
    EXPECT_EQ(none[0].Kind, Exchange); // longer word than the pass
    EXPECT_EQ(none[0].Word, "QQ");
    EXPECT_EQ(none[1].Kind, Pass);
    EXPECT_EQ(Run(grid, "QQ", false, 6).size(), 1u); // no exchange with 6 in the bag

    const std::vector<Tcoup> moves = Run(grid, "AEMST*", false);
    for (std::size_t i = 1; i < moves.size(); ++i)
        EXPECT_LE(CompareMoves(moves[i - 1], moves[i]), 0);
    Random random(5);
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(PickComputerIndex(5, int(moves.size()), random), 0);
        EXPECT_LT(PickComputerIndex(4, int(moves.size()), random), 4);
        EXPECT_LT(PickComputerIndex(1, 3, random), 3);
    }
    Tcoup a = Tcoup::Placement(1, "MOTS", 'H', 1, 1, Grid(15));
    Tcoup b = a;
    b.Word = "MOTE";
    a.Openness = 1;
    b.Openness = 5;
    EXPECT_EQ(CompareMoves(a, b, Variant::Classic), 0); // same score, length and letter sum
    EXPECT_GT(CompareMoves(a, b, Variant::Duplicate), 0);
}

TEST(Openness, CountsFreeSquaresAcross)
{
    const Grid grid = GridFrom({"", "", "", "", "", "", "", ".......MOT", "", "........X"});
    const Tcoup down = Tcoup::Placement(1, "AB", 'V', 1, 1, grid);
    EXPECT_EQ(Openness(grid, down), 14 + 14);
    const Tcoup across = Tcoup::Placement(1, "AB", 'H', 8, 9, grid);
    // A on I8: up to H8 (MOT) nothing, down to O: 6; B on I9: up nothing, down to J9 (X) nothing.
    EXPECT_EQ(Openness(grid, across), 6 + 0);
}

TEST_F(Search, ProposalLinesFillTheFields)
{
    const Grid grid = GridFrom({"", "", "", "", "", "", "", ".......MOT"});
    const std::vector<Tcoup> moves = Run(grid, "SE", false);
    const std::vector<std::string> lines = ProposalLines(moves);
    ASSERT_EQ(lines.size() + 2, moves.size()); // no Pass or Exchange line
    // Words score: they come first, in ranking order.
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i], moves[i].Text());
    const auto fields = FieldsFromProposal(lines[0]);
    ASSERT_TRUE(fields.has_value());
    EXPECT_EQ(fields->coord1 + " " + fields->coord2 + " " + fields->word + " " +
                  std::to_string(moves[0].Score) + " pts.",
              lines[0]);
    EXPECT_FALSE(FieldsFromProposal("   ").has_value());
}

TEST(TileMotion, StepsTowardItsTarget)
{
    TJeton tile('A');
    Random random(1);
    tile.State = OnRack;
    tile.Owner = 2;
    tile.Slot = 3;
    tile.SetTarget(scrabble_ui::ClassicGeometry::Instance().PositionFor(tile, random));
    EXPECT_EQ(tile.Target.Left, 480 + 32 * 3);
    EXPECT_EQ(tile.Target.Top, 90 * 2 - 75);
    int steps = 0;
    while (tile.Step())
        ++steps;
    EXPECT_EQ(steps, (576 + 14) / 15); // 15 pixels at most per step on each axis
    EXPECT_EQ(tile.Bounds, tile.Target);
    EXPECT_FALSE(tile.Moving);
    EXPECT_TRUE(tile.HitTest(tile.Bounds.Left + 1, tile.Bounds.Top + 1));
    EXPECT_FALSE(tile.HitTest(tile.Bounds.Left, tile.Bounds.Top + 1));
}
