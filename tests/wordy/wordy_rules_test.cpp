// SPDX-License-Identifier: GPL-3.0-or-later
// Wordy's rules on the shared engine: scoring by colours, the first word on
// G7, the status texts, the manual draw of the last tiles, the saved record
// of its tiles, and whole games between computers on the real dictionary.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "boardgames/wordy/wordy_board.h"
#include "boardgames/wordy/wordy_geometry.h"
#include "boardgames/wordy/wordy_rules.h"
#include "dictionary/dictionnaire.h"
#include "framework/savefile/typed_stream.h"
#include "scrabble/engine/move_ranking.h"
#include "scrabble/engine/random.h"
#include "scrabble/engine/self_play.h"
#include "scrabble/engine/text.h"

using scrabble::BoardGame;
using scrabble::Grid;
using scrabble::Tcoup;

namespace {

int Score(const std::string &word, char dir, int col, int row, const Grid &grid = Grid(13),
          const scrabble::BoardLayout &layout = wordy::Layout())
{
    return Tcoup::Placement(1, word, dir, col, row, grid, layout, *wordy::Rules().scoring).Score;
}

// The rack of player 1 becomes exactly these letters.
void SetRack(BoardGame &game, const std::string &letters)
{
    game.EmptyRack(1);
    for (std::size_t i = 0; i < letters.size(); ++i)
        ASSERT_TRUE(game.TakeFromBag(letters[i], 1, int(i) + 1)) << letters[i];
}

} // namespace

TEST(WordyScoring, ColoursDoubleLettersAndWhiteAndBlackMultiplyWords)
{
    // Z (orange 5) on orange A4, O (yellow 2) on green A5 and blue A6.
    EXPECT_EQ(Score("ZOO", 'H', 4, 1), 5 * 2 + 2 + 2);
    // A red letter on a red square (C6) counts 2, on a yellow one (A3) 1.
    EXPECT_EQ(wordy::Rules().scoring->WordScore(Grid(13), wordy::Layout(), 6, 3, 'H', "A", 1), 2);
    EXPECT_EQ(wordy::Rules().scoring->WordScore(Grid(13), wordy::Layout(), 3, 1, 'H', "A", 1), 1);
    // No line of the board holds both a black and a white square: on a
    // board whose first row starts black, white, the word counts 6 times.
    std::vector<int> codes(169, 0);
    codes[0] = wordy::kWordTriple;
    codes[1] = wordy::kWordDouble;
    const scrabble::BoardLayout blackAndWhite(13, codes, {{7, 7}});
    EXPECT_EQ(Score("SET", 'H', 1, 1, Grid(13), blackAndWhite), (1 + 1 + 1) * 6);
    // A joker is worth 0 and never doubles, even on a square of its letter's colour.
    EXPECT_EQ(Score("zOO", 'H', 4, 1), 0 + 2 + 2);
    // Squares already played count at face value, their colours ignored.
    Grid grid(13);
    grid.Play(4, 1, 'Z');
    EXPECT_EQ(Score("ZOO", 'H', 4, 1, grid), 5 + 2 + 2);
    // Seven tiles add 50: G1..G7 (yellow, yellow, yellow, yellow, blue, red, start).
    EXPECT_EQ(Score("LUOLCAE", 'H', 1, 7), 2 * 2 + 2 * 2 + 2 * 2 + 2 * 2 + 3 * 2 + 1 * 2 + 1 + 50);
    // Past the edge the word scores nothing.
    EXPECT_EQ(wordy::Rules().scoring->WordScore(Grid(13), wordy::Layout(), 12, 1, 'H', "ZOO", 1), 0);
}

TEST(WordyRanking, TheThirdKeyIsTheColourSum)
{
    // Same score and length; the French values would rank ZZAA first.
    std::vector<Tcoup> moves;
    for (const char *word : {"WAAA", "ZZAA", "KJAA"}) { // colour sums 11, 12, 17
        Tcoup move = Tcoup::MakePass(1);
        move.Kind = 'H';
        move.Word = word;
        move.Score = 10;
        moves.push_back(move);
    }
    scrabble::SortCandidates(moves, scrabble::Variant::Classic, wordy::Rules().scoring->letterValue);
    EXPECT_EQ(moves[0].Word, "KJAA");
    EXPECT_EQ(moves[1].Word, "ZZAA");
    EXPECT_EQ(moves[2].Word, "WAAA");
}

TEST(WordyGame, FirstWordCoversG7AndSquaresAreNamed)
{
    BoardGame game(3, wordy::Rules());
    game.NewGame();
    EXPECT_EQ(game.BagSize(), 100);
    int jokers = 0;
    for (const auto &tile : game.Tiles()) {
        jokers += tile->IsJoker;
        EXPECT_EQ(tile->Value, wordy::ColourCode(tile->Letter)) << tile->Letter;
        EXPECT_NE(dynamic_cast<const wordy::TJeton *>(tile.get()), nullptr);
    }
    EXPECT_EQ(jokers, 4);
    SetRack(game, "ZOOSETA");
    const auto refused = game.ValidateInput({"A", "4", "ZOO", {}}, nullptr, {});
    EXPECT_EQ(refused.code, 13);
    const auto played = game.ValidateInput({"G", "6", "ZOO", {}}, nullptr, {});
    ASSERT_EQ(played.outcome, scrabble::InputResult::Played) << played.Message();
    // Z on red G6, O on the start square, O on red G8: no colour matches.
    EXPECT_EQ(played.move->Score, 5 + 2 + 2);
    EXPECT_EQ(played.move->Text(), "G 6 ZOO 9 pts.");
    EXPECT_TRUE(played.move->RackText.empty());
    EXPECT_EQ(game.SquareDescription(7, 7).rfind(scrabble::CodePage("G 7 case de départ Lettre «O»"), 0), 0u);
    EXPECT_EQ(game.SquareDescription(1, 2), scrabble::CodePage("B 1 case grise"));
    EXPECT_EQ(game.SquareDescription(2, 2), scrabble::CodePage("B 2 case noire (mot compte triple)"));
}

TEST(WordyGame, ManualDrawAsksForTheWholeBagAtTheEnd)
{
    BoardGame game(5, wordy::Rules());
    game.NewGame();
    game.drawMode = scrabble::DrawMode::Manual;
    while (game.BagSize() > 3)
        ASSERT_TRUE(game.PlayFromBag(game.Bag().back()->IsJoker ? '*' : game.Bag().back()->Letter,
                                     1 + (100 - game.BagSize()) % 13, 1 + (100 - game.BagSize()) / 13));
    std::string bag;
    for (const auto *tile : game.Bag())
        bag += tile->Letter;
    std::vector<std::string> asked;
    game.DrawTilesFor(1, [&](const std::string &, const std::string &label, const std::string &answer) {
        asked.push_back(label);
        EXPECT_EQ(answer, bag);
        return std::optional<std::string>(answer);
    });
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], "Choisissez 3 lettres parmi " + bag + ":");
    EXPECT_EQ(game.BagSize(), 0);
    EXPECT_EQ(game.RackText(1).size(), 3u);
}

TEST(WordyRecords, TilesKeepTheirPreviousRectangleAndMovesNoRack)
{
    BoardGame game(9, wordy::Rules());
    game.NewGame();
    SetRack(game, "ZOOSETA");
    auto *first = dynamic_cast<wordy::TJeton *>(game.Tiles().front().get());
    ASSERT_NE(first, nullptr);
    first->Previous = {1, 2, 3, 4};
    ASSERT_EQ(game.ValidateInput({"G", "6", "ZOO", {}}, nullptr, {}).outcome, scrabble::InputResult::Played);
    std::stringstream stream;
    {
        savefile::TypedWriter out(stream);
        game.Write(out);
    }
    BoardGame back(1, wordy::Rules());
    back.Players = game.Players;
    {
        savefile::TypedReader in(stream);
        back.Read(in);
    }
    ASSERT_EQ(back.Tiles().size(), 100u);
    EXPECT_EQ(back.MoveCount(), 1);
    EXPECT_EQ(back.History().front()->Text(), "G 6 ZOO 9 pts.");
    for (int col = 6; col <= 8; ++col) {
        ASSERT_NE(back.At(col, 7), nullptr);
        EXPECT_EQ(back.At(col, 7)->Letter, game.At(col, 7)->Letter);
        EXPECT_EQ(back.At(col, 7)->Move, back.History().front().get());
    }
    bool found = false;
    for (const auto &tile : back.Tiles())
        if (auto *w = dynamic_cast<wordy::TJeton *>(tile.get());
            w != nullptr && w->Previous == first->Previous)
            found = true;
    EXPECT_TRUE(found);

    // A classic game's record (no Previous rectangle) is refused.
    BoardGame classic(9);
    classic.NewGame();
    std::stringstream classicStream;
    {
        savefile::TypedWriter out(classicStream);
        classic.Write(out);
    }
    BoardGame wrong(1, wordy::Rules());
    wrong.Players = classic.Players;
    savefile::TypedReader in(classicStream);
    EXPECT_THROW(wrong.Read(in), savefile::ReadError);
    EXPECT_TRUE(wrong.Tiles().empty());
}

TEST(WordySelfPlay, FourComputersPlayToTheEnd)
{
    auto dico = TDictionnaire::Create(LUDORINE_TEST_DICTIONARY, 'R');
    ASSERT_TRUE(dico->IsOpen());
    for (const std::uint64_t seed : {1u, 2u}) {
        BoardGame game(seed, wordy::Rules());
        game.Players = {{"A", 5, 0, {}}, {"B", 3, 0, {}}, {"C", 1, 0, {}}, {"D", 4, 0, {}}};
        const scrabble::MoveSearch search(*dico, wordy::Rules());
        scrabble::SelfPlay play(game, search);
        bool first = true;
        play.afterMove = [&](const Tcoup &played, const Grid &before) {
            if (!played.IsPlacement())
                return;
            EXPECT_EQ(played.Score,
                      Tcoup::Placement(played.Player, played.Word, played.Kind, played.Col, played.Row,
                                       before, wordy::Layout(), *wordy::Rules().scoring)
                          .Score);
            if (first) { // the opening word covers G7
                const int last = int(played.Word.size()) - 1;
                EXPECT_TRUE(played.Kind == 'H' ? played.Row == 7 && played.Col <= 7 && played.Col + last >= 7
                                               : played.Col == 7 && played.Row <= 7 && played.Row + last >= 7)
                    << played.Text();
                first = false;
            }
            // Every word on the board is in the dictionary.
            const Grid grid = game.Snapshot();
            for (const char dir : {'H', 'V'})
                for (int line = 1; line <= 13; ++line) {
                    std::string run;
                    for (int k = 1; k <= 14; ++k) {
                        const int c = dir == 'H' ? k : line;
                        const int r = dir == 'H' ? line : k;
                        if (k <= 13 && grid.HasTile(c, r)) {
                            run += scrabble::Upper(grid.At(c, r).letter);
                            continue;
                        }
                        if (run.size() >= 2) {
                            EXPECT_TRUE(dico->Contains(run)) << run;
                        }
                        run.clear();
                    }
                }
        };
        ASSERT_TRUE(play.PlayToEnd()) << seed;
        EXPECT_GT(play.MovesPlayed(), 10);
        // Scores are the sums of the moves, penalties by colour codes included.
        std::map<int, int> sums;
        int penalties = 0;
        for (const auto &move : game.History()) {
            sums[move->Player] += move->Score;
            if (move->Kind == 'S') {
                int codes = 0;
                for (const char c : move->Word)
                    codes += c == ' ' ? 0 : wordy::ColourCode(c);
                EXPECT_EQ(move->Score, -codes) << move->Word;
                penalties += codes;
            }
            if (move->Kind == 'B') {
                EXPECT_EQ(move->Score, penalties);
            }
        }
        for (int p = 1; p <= 4; ++p)
            EXPECT_EQ(game.Player(p).Score, sums[p]);
        // Every tile once: 100 tiles in the bag, the racks and on the board.
        int placed = 0;
        for (int r = 1; r <= 13; ++r)
            for (int c = 1; c <= 13; ++c)
                placed += game.At(c, r) != nullptr;
        int racks = 0;
        for (int p = 1; p <= 4; ++p)
            racks += int(game.RackText(p).size());
        EXPECT_EQ(placed + racks + game.BagSize(), 100);
    }
}

TEST(WordyGeometry, TilePlacesAndDropAreas)
{
    const wordy_ui::Geometry &g = wordy_ui::Geometry::Instance();
    scrabble::Random random(1);
    wordy::TJeton tile('A');
    tile.State = scrabble::Fixed;
    tile.Col = 7;
    tile.Row = 7;
    EXPECT_EQ(g.PositionFor(tile, random), (scrabble::TileRect{503, 248, 533, 278})); // 37 c + 244, 37 r - 11
    tile.State = scrabble::OnRack;
    tile.Owner = 4;
    tile.Slot = 7;
    EXPECT_EQ(g.PositionFor(tile, random).Left, 32 * 7 - 20);
    EXPECT_EQ(g.PositionFor(tile, random).Top, 90 * 4 - 75);
    // Every square's centre drops on that square.
    for (int col = 1; col <= 13; ++col)
        for (int row = 1; row <= 13; row += 6) {
            const auto centre = g.SquareCentre(col, row);
            EXPECT_EQ(g.DropSquare(centre.x, centre.y), (scrabble::SquarePos{col, row}));
        }
    EXPECT_FALSE(g.DropSquare(270, 100).has_value());
    // The fourth player's rack takes its own tiles back, it is not the
    // exchange area; the bag area is.
    for (int slot = 1; slot <= 7; ++slot) {
        const auto centre = g.SlotCentre(4, slot);
        EXPECT_EQ(g.RackDropSlot(centre.x, centre.y, 4, 7), slot);
        EXPECT_FALSE(g.InExchangeArea(centre.x, centre.y));
    }
    const auto bag = scrabble_ui::BoardGameGeometry::Centre(g.BagArea());
    EXPECT_TRUE(g.InExchangeArea(bag.x, bag.y));
    EXPECT_FALSE(g.RackDropSlot(bag.x, bag.y, 4, 7).has_value());
}
