// SPDX-License-Identifier: GPL-3.0-or-later
// Whole Duplicate games between computer players on the real dictionary,
// driven tick by tick, in each variant; and the draws: the letters the kept
// move did not use, a redeal, the joker game and the balance of the draw.
#include <gtest/gtest.h>

#include "duplicate_test_support.h"
#include "scrabble/engine/text.h"

using namespace scrabble;
using namespace duplicate_test;

namespace {

// Every run of two letters or more on the board, across and down, is a word.
void CheckWords(const DuplicateGame &game)
{
    for (const char dir : {'H', 'V'})
        for (int line = 1; line <= 15; ++line) {
            std::string run;
            for (int k = 1; k <= 16; ++k) {
                const int c = dir == 'H' ? k : line;
                const int r = dir == 'H' ? line : k;
                if (k <= 15 && game.SquareAt(c, r).IsPlayed()) {
                    run += Upper(game.SquareAt(c, r).Letter);
                    continue;
                }
                if (run.size() >= 2) {
                    EXPECT_TRUE(Dictionary().Contains(run)) << run;
                }
                run.clear();
            }
        }
}

// Four computers play a game to its end; the checks run after every turn.
void PlayGame(DuplicateVariant variant, std::uint64_t seed)
{
    SCOPED_TRACE("variant " + std::to_string(int(variant)));
    DuplicateGame game(&Dictionary(), seed);
    ASSERT_TRUE(game.StartGame(Players({5, 3, 2, 1}), variant));
    int turns = 0;
    bool jokerChecked = false;
    for (int tick = 0; tick < 20000 && !game.GameOver; ++tick) {
        const int drawBefore = game.DrawNumber();
        const TickResult result = game.Tick();
        if (result.proposedBy != 0) {
            const PlayerRow &row = game.Player(result.proposedBy).Current;
            EXPECT_TRUE(row.IsPlayed());
            if (variant == DuplicateVariant::HuitLettres) {
                EXPECT_LE(std::count(game.DrawShown().begin(), game.DrawShown().end(), '-'), 7);
            }
        }
        if (!result.endTurn)
            continue;
        ASSERT_TRUE(result.endTurn->outcome == EndTurnResult::Played ||
                    result.endTurn->outcome == EndTurnResult::NoMoveKept);
        ++turns;
        if (result.endTurn->move != nullptr) {
            const Tcoup &kept = *result.endTurn->move;
            EXPECT_EQ(kept.MoveNumber, drawBefore);
            // The kept move is the best row of the turn.
            for (const DuplicatePlayer &p : game.Players())
                if (p.Past.front().IsValid()) {
                    EXPECT_GE(kept.Score, p.Past.front().Score);
                }
            EXPECT_TRUE(game.Player(kept.Player).Past.front().IsTop);
        }
        CheckTiles(game);
        CheckScores(game);
        CheckWords(game);
        // A new draw: 7 or 8 letters while the bag lasts.
        if (!game.GameOver && game.BagTotal() > 0) {
            EXPECT_EQ(int(game.Draw().size()), game.DrawSize());
        }
        if (variant == DuplicateVariant::Joker && !game.GameOver && game.JokersLeft() > 0 &&
            game.BagTotal() > 0) {
            EXPECT_EQ(game.Draw()[0], '*') << game.Draw();
            EXPECT_EQ(std::count(game.Draw().begin(), game.Draw().end(), '*'), 1) << game.Draw();
            jokerChecked = true;
        }
        if (::testing::Test::HasFailure())
            return;
    }
    ASSERT_TRUE(game.GameOver);
    EXPECT_GT(turns, 10);
    EXPECT_FALSE(game.History().empty());
    for (const auto &move : game.History())
        EXPECT_TRUE(move->IsPlacement());
    // The winner has the best total.
    const int winner = game.Winner();
    for (const DuplicatePlayer &p : game.Players())
        EXPECT_GE(game.Player(winner).Info.Score, p.Info.Score);
    if (variant == DuplicateVariant::Joker) {
        EXPECT_TRUE(jokerChecked);
    }
    // Once over, ticks and the end of the turn do nothing.
    const int draws = game.DrawNumber();
    EXPECT_TRUE(game.Tick().gameOver);
    EXPECT_EQ(game.EndTurn().outcome, EndTurnResult::Ignored);
    EXPECT_EQ(game.DrawNumber(), draws);
}

} // namespace

TEST(DuplicateGames, FourComputersToTheEndInEveryVariant)
{
    PlayGame(DuplicateVariant::Classique, 1);
    PlayGame(DuplicateVariant::HuitLettres, 2);
    PlayGame(DuplicateVariant::Joker, 3);
    PlayGame(DuplicateVariant::SansPrime, 4);
}

TEST(DuplicateGames, TicksOfATurn)
{
    DuplicateGame game(&Dictionary(), 7);
    ASSERT_TRUE(game.StartGame(Players({5, 0, 4}), DuplicateVariant::Classique));
    EXPECT_EQ(game.SearchCountdown(), 0);
    EXPECT_EQ(game.DrawNumber(), 1);
    // The search on the fifth tick, the computers' proposals on the 9th and 11th.
    std::vector<int> proposed;
    int searchedAt = 0;
    for (int tick = 1; tick <= 20; ++tick) {
        const TickResult result = game.Tick();
        if (result.searched)
            searchedAt = tick;
        if (result.proposedBy != 0)
            proposed.push_back(tick * 100 + result.proposedBy);
        EXPECT_FALSE(result.endTurn.has_value()); // a human plays: no end of turn by itself
    }
    EXPECT_EQ(searchedAt, 5);
    EXPECT_EQ(proposed, (std::vector<int>{901, 1103}));
    EXPECT_EQ(game.SearchCountdown(), -1);
    ASSERT_GT(game.Candidates().size(), 1u);
    EXPECT_TRUE(game.Candidates().front().IsPlacement());
    EXPECT_EQ(std::count_if(game.Candidates().begin(), game.Candidates().end(),
                            [](const Tcoup &m) { return m.Kind == Pass; }),
              1);
    // The list shows every word candidate, best first.
    const std::vector<std::string> lines = game.ProposalList();
    ASSERT_EQ(lines.size(), game.Candidates().size() - 1);
    EXPECT_EQ(lines.front(), game.Candidates()[0].Text());
    // The level-5 computer played the best candidate.
    EXPECT_EQ(game.Player(1).Current.Score, game.Candidates()[0].Score);
    EXPECT_TRUE(game.Player(1).Current.IsTop || game.Player(3).Current.IsTop);
}

TEST(DuplicateDraws, LettersNotUsedStayInTheNextDraw)
{
    DuplicateGame game(&Dictionary(), 3);
    ScriptedDraw draw;
    draw.answers = {"MOTSAIE", "RNL"};
    draw.Attach(game);
    bool asked = false;
    game.confirm = [&](const std::string &) { return asked = true; };
    ASSERT_TRUE(game.StartGame(Players({0}), DuplicateVariant::Classique));
    EXPECT_EQ(game.Draw(), "MOTSAIE");
    ASSERT_EQ(draw.labels.size(), 1u);
    EXPECT_EQ(draw.labels[0].rfind("Choisissez 7 lettres parmi ", 0), 0u);
    ASSERT_TRUE(game.SubmitProposal({"H", "7", "MOT"})->Valid());
    EXPECT_EQ(game.DrawShown(), "---SAIE");
    EXPECT_EQ(game.EndTurn().outcome, EndTurnResult::Played);
    EXPECT_FALSE(asked);
    // S, A, I and E stay; three letters are chosen to complete the draw.
    EXPECT_EQ(game.DrawNumber(), 2);
    ASSERT_EQ(draw.labels.size(), 2u);
    EXPECT_EQ(draw.labels[1].rfind("Choisissez 3 lettres parmi ", 0), 0u);
    EXPECT_EQ(Letters(game.Draw()), Letters("SAIERNL"));
    EXPECT_EQ(game.Bag().size(), 102u - 3 - 7);
    ASSERT_EQ(game.DrawLines().size(), 2u);
    EXPECT_EQ(game.DrawLines()[0].Text(), CodePage("Tirage n° 1 : MOTSAIE"));
    CheckTiles(game);
}

TEST(DuplicateDraws, RedealKeepsTheDrawNumber)
{
    DuplicateGame game(&Dictionary(), 5);
    ScriptedDraw draw;
    draw.answers = {"ABCDEFG", "XYZWKJQ"};
    draw.Attach(game);
    ASSERT_TRUE(game.StartGame(Players({0, 0}), DuplicateVariant::Classique));
    ASSERT_TRUE(game.SubmitProposal({"H", "8", "BAC"}).has_value());
    game.RedealDraw();
    EXPECT_EQ(game.DrawNumber(), 1);
    EXPECT_EQ(game.Draw(), "XYZWKJQ");
    // The proposals of the old draw wait to be made again.
    EXPECT_FALSE(game.Player(1).Current.IsPlayed());
    EXPECT_FALSE(game.Player(1).Current.IsTop);
    ASSERT_EQ(game.DrawLines().size(), 2u);
    EXPECT_EQ(game.DrawLines()[1].number, 1);
    // ABCDEFG went back to the bag; nothing is lost.
    EXPECT_EQ(game.Bag().size(), 95u);
    CheckTiles(game);
    EXPECT_EQ(game.SearchCountdown(), 0);
}

TEST(DuplicateDraws, AutomaticDrawsAreBalancedAndTheBagCounted)
{
    DuplicateGame game(&Dictionary(), 11);
    ASSERT_TRUE(game.StartGame(Players({0}), DuplicateVariant::Classique));
    int balanced = 0;
    for (int i = 0; i < 40; ++i) {
        game.RedealDraw();
        int v = 0;
        int c = 0;
        for (const char ch : game.Draw()) {
            v += ch == '*' || IsVowel(ch);
            c += ch == '*' || IsConsonant(ch);
        }
        EXPECT_EQ(game.Draw().size(), 7u);
        EXPECT_TRUE(v >= 2 && c >= 2) << game.Draw();
        balanced += v >= 3 && c >= 3;
        EXPECT_EQ(game.VowelCount(), std::count_if(game.Bag().begin(), game.Bag().end(), IsVowel));
        EXPECT_EQ(game.ConsonantCount(), std::count_if(game.Bag().begin(), game.Bag().end(), IsConsonant));
        EXPECT_EQ(game.DrawNumber(), 1);
    }
    EXPECT_GT(balanced, 30);
}

TEST(DuplicateDraws, JokerGameManualDrawAddsTheJokerFirst)
{
    DuplicateGame game(&Dictionary(), 2);
    ScriptedDraw draw;
    draw.answers = {"TOOLONG", "MOTSAI"};
    draw.Attach(game);
    ASSERT_TRUE(game.StartGame(Players({0}), DuplicateVariant::Joker));
    // Six letters to choose, the joker comes by itself, in front.
    ASSERT_EQ(draw.labels.size(), 2u);
    EXPECT_EQ(draw.labels[0].rfind("Choisissez 6 lettres parmi ", 0), 0u);
    EXPECT_EQ(draw.labels[0].find('*'), std::string::npos);
    EXPECT_EQ(game.Draw(), "*MOTSAI");
    // The joker's letter is scored as a capital while jokers are left.
    const auto check = game.SubmitProposal({"H", "8", "AMIE"});
    ASSERT_TRUE(check->Valid()) << check->code;
    EXPECT_EQ(game.Player(1).Current.Word, "AMIE");
    EXPECT_EQ(game.DrawShown(), "--OTS--");
    EXPECT_EQ(game.Player(1).Current.Score, (1 + 2 + 1 + 1) * 2);
    ASSERT_EQ(game.EndTurn().outcome, EndTurnResult::Played);
    // The real E came from the bag, the joker went back: no joker spent.
    EXPECT_EQ(game.JokersLeft(), 2);
    EXPECT_FALSE(game.SquareAt(11, 8).IsJoker);
    EXPECT_EQ(game.SquareAt(11, 8).Letter, 'E');
    EXPECT_EQ(game.Draw()[0], '*');
    CheckTiles(game);
}
