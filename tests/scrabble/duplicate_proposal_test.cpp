// SPDX-License-Identifier: GPL-3.0-or-later
// Duplicate proposals on the real dictionary: the validation codes, the
// best-proposal rule, the variants' limits, the end of the turn with its
// questions, and typing a proposal on the board.
#include <gtest/gtest.h>

#include "duplicate_test_support.h"
#include "scrabble/engine/text.h"

using namespace scrabble;
using namespace duplicate_test;

namespace {

class Proposals : public ::testing::Test {
protected:
    // A game of `levels` players whose draws are chosen from `draws`.
    void Start(const std::vector<int> &levels, std::deque<std::string> draws,
               DuplicateVariant variant = DuplicateVariant::Classique)
    {
        draw.answers = std::move(draws);
        draw.Attach(game);
        game.confirm = [this](const std::string &q) {
            questions.push_back(q);
            return yes;
        };
        ASSERT_TRUE(game.StartGame(Players(levels), variant));
    }
    // The proposal of a human player through the fields and "Ok".
    ProposalCheck Propose(int player, const std::string &c1, const std::string &c2, const std::string &word)
    {
        game.SelectPlayer(std::to_string(player));
        return *game.SubmitProposal({c1, c2, word});
    }

    DuplicateGame game{&Dictionary(), 9};
    ScriptedDraw draw;
    std::vector<std::string> questions;
    bool yes = true;
};

} // namespace

TEST_F(Proposals, CodesOfTheValidation)
{
    Start({0, 0}, {"MOTSAIE"});
    EXPECT_EQ(Propose(1, "H", "16", "MOT").code, BadCoordinates);
    EXPECT_EQ(Propose(1, "P", "8", "MOT").code, BadCoordinates);
    EXPECT_EQ(Propose(1, "8", "", "MOT").code, BadCoordinates);
    EXPECT_EQ(Propose(1, "H", "14", "MOTS").code, BadCoordinates); // runs past column 15
    const ProposalCheck missing = Propose(1, "H", "8", "MAX");
    EXPECT_EQ(missing.code, LetterNotInDraw);
    EXPECT_EQ(missing.detail, "X");
    EXPECT_EQ(missing.Message(), CodePage("La lettre « X » est introuvable !"));
    EXPECT_EQ(Propose(1, "H", "1", "MOT").code, CentreNotCovered);
    EXPECT_EQ(game.Player(1).Current.ProposalState, CentreNotCovered);
    EXPECT_EQ(game.Player(1).Current.Score, 0);
    EXPECT_EQ(ProposalErrorMessage(TooManyLetters),
              CodePage("Vous ne pouvez utiliser, au plus, que 7 lettres !"));

    // Lower case and spaces are read; the fields come back in notation form.
    const ProposalCheck valid = Propose(1, " 8 ", "g", " mot ");
    ASSERT_TRUE(valid.Valid());
    const PlayerRow &row = game.Player(1).Current;
    EXPECT_EQ(row.Coord1, "8");
    EXPECT_EQ(row.Coord2, "G");
    EXPECT_EQ(row.Word, "MOT");
    EXPECT_EQ(row.Direction, 'V');
    EXPECT_EQ(row.WordsFormed, "MOT; ");
    EXPECT_TRUE(row.AllWordsKnown);
    EXPECT_EQ(row.Score, (2 + 1 + 1) * 2);
    EXPECT_TRUE(row.IsTop);
    EXPECT_EQ(row.MoveText(), "8 G MOT (8)");
    // The proposal shows on the board and in the draw.
    EXPECT_EQ(game.SquareAt(8, 7).SquareState, 0);
    EXPECT_EQ(game.SquareAt(8, 9).Letter, 'T');
    EXPECT_EQ(game.DrawShown(), "---SAIE");
    EXPECT_EQ(game.SquareDescription(8, 8), CodePage("H 8 case mot compte double. lettre «O» (1 pts)."));

    // A word missing from the dictionary is asked about; No leaves code 20.
    yes = false;
    const ProposalCheck unknown = Propose(2, "H", "8", "MOTSAIE");
    EXPECT_EQ(unknown.code, UnknownWords);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0],
              CodePage("Le(s) mot(s) MOTSAIE. ne figure(nt) pas dans le dictionnaire. Confirmez-vous "
                       "ce(s) mot(s) ?"));
    EXPECT_FALSE(game.Player(2).Current.IsTop);
    EXPECT_TRUE(game.Player(1).Current.IsTop);
    // Yes makes it a valid proposal, with its bonus, and the best.
    yes = true;
    EXPECT_TRUE(Propose(2, "H", "8", "MOTSAIE").Valid());
    EXPECT_FALSE(game.Player(2).Current.AllWordsKnown);
    EXPECT_GT(game.Player(2).Current.Score, 50);
    EXPECT_EQ(game.TopPlayer(), 2);
    // Quiet validation asks nothing: the words confirmed stay confirmed for
    // the same proposal (another row selected, the game reopened), not for
    // another one.
    questions.clear();
    EXPECT_EQ(game.EditProposal({"H", "8", "MOTSAIE"})->code, ProposalValid);
    EXPECT_EQ(game.TopPlayer(), 2);
    EXPECT_EQ(game.EditProposal({"H", "8", "MOTSIAE"})->code, UnknownWords);
    EXPECT_EQ(game.TopPlayer(), 1);
    EXPECT_EQ(game.EditProposal({"H", "8", "MOTSAIE"})->code, UnknownWords);
    EXPECT_TRUE(questions.empty());
}

TEST_F(Proposals, ContactAndExtensionOnLaterDraws)
{
    Start({0}, {"MOTSAIE", "RNL"});
    ASSERT_TRUE(Propose(1, "H", "7", "MOT").Valid());
    ASSERT_EQ(game.EndTurn().outcome, EndTurnResult::Played);
    EXPECT_EQ(game.SquareAt(8, 8).Letter, 'O');
    EXPECT_TRUE(game.SquareAt(7, 8).IsPlayed());
    EXPECT_EQ(Propose(1, "A", "1", "SAIN").code, NotConnected);
    // A final proposal takes in the played letters before and after it: S after MOT.
    const ProposalCheck plural = Propose(1, "H", "10", "S");
    ASSERT_TRUE(plural.Valid());
    EXPECT_EQ(game.Player(1).Current.Word, "MOTS");
    EXPECT_EQ(game.Player(1).Current.Coord2, "7");
    // A played square must hold the proposal's letter.
    EXPECT_EQ(Propose(1, "H", "7", "MAIS").code, BadCoordinates);
    // The status text of a played square names the move.
    EXPECT_EQ(game.SquareDescription(7, 8),
              CodePage("H 7  «M» (2 pts).  Jouée par «Joueur 1».  Coup n° 1 : MOTSAIE  H 7 MOT 8 pts."));
}

TEST_F(Proposals, BestProposalRule)
{
    Start({0, 0, 0, 0}, {"MOTSAIE"});
    // ET from H 8 and from H 7: the same score and openness.
    ASSERT_TRUE(Propose(1, "H", "8", "ET").Valid());
    EXPECT_EQ(game.TopPlayer(), 1);
    ASSERT_TRUE(Propose(2, "H", "7", "ET").Valid());
    EXPECT_EQ(game.Player(1).Current.Score, game.Player(2).Current.Score);
    EXPECT_EQ(game.Player(1).Current.Openness, game.Player(2).Current.Openness);
    EXPECT_EQ(game.TopPlayer(), 2); // validated last among the best
    ASSERT_TRUE(Propose(1, "H", "8", "ET").Valid());
    EXPECT_EQ(game.TopPlayer(), 1);
    // A weaker proposal validated last: the first best in player order.
    ASSERT_TRUE(Propose(4, "H", "8", "TE").Valid());
    ASSERT_TRUE(Propose(3, "8", "H", "ET").Valid());
    EXPECT_EQ(game.TopPlayer(), 3);
    EXPECT_EQ(Propose(3, "H", "1", "ET").code, CentreNotCovered);
    EXPECT_EQ(game.TopPlayer(), 1);
    int marked = 0;
    for (const DuplicatePlayer &p : game.Players())
        marked += p.Current.IsTop;
    EXPECT_EQ(marked, 1);
}

TEST_F(Proposals, OpennessBreaksTies)
{
    Start({0, 0}, {"MOTSAIE", "RNL"});
    ASSERT_TRUE(Propose(1, "H", "7", "MOT").Valid());
    ASSERT_EQ(game.EndTurn().outcome, EndTurnResult::Played);
    // Two candidates of the same score, one more open than the other.
    game.SearchMoves();
    const std::vector<Tcoup> &moves = game.Candidates();
    const Tcoup *open = nullptr;
    const Tcoup *closed = nullptr;
    for (std::size_t i = 0; i < moves.size() && open == nullptr; ++i)
        for (std::size_t j = i + 1; j < moves.size() && open == nullptr; ++j)
            if (moves[i].IsPlacement() && moves[j].IsPlacement() && moves[i].Score == moves[j].Score &&
                moves[i].Score > 0 && moves[i].Openness > moves[j].Openness) {
                open = &moves[i];
                closed = &moves[j];
            }
    ASSERT_NE(open, nullptr);
    auto propose = [this](int player, const Tcoup &m) {
        const std::string notation = m.Notation();
        return Propose(player, notation.substr(0, notation.find(' ')),
                       notation.substr(notation.find(' ') + 1), m.Word);
    };
    ASSERT_TRUE(propose(1, *open).Valid());
    ASSERT_TRUE(propose(2, *closed).Valid());
    EXPECT_EQ(game.Player(1).Current.Openness, open->Openness);
    EXPECT_EQ(game.TopPlayer(), 1); // more open, though validated first
    ASSERT_TRUE(propose(1, *closed).Valid());
    ASSERT_TRUE(propose(2, *open).Valid());
    ASSERT_TRUE(propose(1, *closed).Valid());
    EXPECT_EQ(game.TopPlayer(), 2);
}

TEST_F(Proposals, EightLettersDealtSevenUsed)
{
    Start({0}, {"ETRANGES"}, DuplicateVariant::HuitLettres);
    EXPECT_EQ(game.Draw(), "ETRANGES");
    EXPECT_EQ(Propose(1, "H", "4", "ETRANGES").code, TooManyLetters);
    EXPECT_EQ(game.Player(1).Current.ProposalState, TooManyLetters);
    const ProposalCheck seven = Propose(1, "H", "8", "ETRANGE");
    ASSERT_TRUE(seven.Valid()) << seven.code;
    EXPECT_EQ(game.DrawShown(), "-------S");
}

TEST_F(Proposals, NoBonusWithoutPrime)
{
    DuplicateGame classic(&Dictionary(), 9);
    ScriptedDraw classicDraw;
    classicDraw.answers = {"ETRANGE"};
    classicDraw.Attach(classic);
    ASSERT_TRUE(classic.StartGame(Players({0}), DuplicateVariant::Classique));
    ASSERT_TRUE(classic.SubmitProposal({"H", "8", "ETRANGE"})->Valid());
    Start({0}, {"ETRANGE"}, DuplicateVariant::SansPrime);
    ASSERT_TRUE(game.SubmitProposal({"H", "8", "ETRANGE"})->Valid());
    EXPECT_EQ(classic.Player(1).Current.Score, game.Player(1).Current.Score + 50);
    EXPECT_EQ(game.Player(1).Current.Score, (1 + 1 + 1 + 1 + 1 * 2 + 2 + 1) * 2); // N on a letter double
}

TEST_F(Proposals, PassQuestionForAHumanWhoDidNotPlay)
{
    Start({5, 0}, {});
    // The computer has not proposed yet: the turn stays open, nobody is asked.
    const EndTurnResult early = game.EndTurn();
    EXPECT_EQ(early.outcome, EndTurnResult::NotYetPlayed);
    EXPECT_EQ(early.player, 1);
    EXPECT_EQ(early.Message(game.PlayerName(1)), CodePage("Le joueur Joueur 1 n'a pas encore joué."));
    EXPECT_TRUE(questions.empty());
    for (int tick = 0; tick < 15; ++tick)
        game.Tick();
    ASSERT_TRUE(game.Player(1).Current.IsPlayed());
    // No: the turn stays open.
    yes = false;
    const EndTurnResult declined = game.EndTurn();
    EXPECT_EQ(declined.outcome, EndTurnResult::PassDeclined);
    EXPECT_EQ(declined.player, 2);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0], "Le joueur 2 (Joueur 2) passe son tour ?");
    EXPECT_EQ(game.DrawNumber(), 1);
    EXPECT_TRUE(game.History().empty());
    EXPECT_TRUE(game.Player(1).Past.empty());
    // Yes: the computer's move is kept, the human scores nothing.
    yes = true;
    const EndTurnResult played = game.EndTurn();
    ASSERT_EQ(played.outcome, EndTurnResult::Played);
    ASSERT_NE(played.move, nullptr);
    EXPECT_EQ(played.move->Player, 1);
    EXPECT_EQ(game.TopTotal(), played.move->Score);
    EXPECT_EQ(game.Player(1).Info.Score, played.move->Score);
    EXPECT_EQ(game.Player(2).Info.Score, 0);
    EXPECT_EQ(game.DrawNumber(), 2);
    ASSERT_EQ(game.Player(2).Past.size(), 1u);
    EXPECT_EQ(game.Player(2).Past[0].DrawNo, 1);
    EXPECT_EQ(game.Player(2).Past[0].MoveText(), "?");
    EXPECT_EQ(game.HistoryLine(*played.move).rfind("1 ", 0), 0u);
    CheckTiles(game);
    CheckScores(game);
}

TEST_F(Proposals, NoMoveKeptEndsTheGame)
{
    Start({0, 0}, {"MOTSAIE"});
    EXPECT_EQ(Propose(1, "H", "1", "MOT").code, CentreNotCovered);
    const EndTurnResult result = game.EndTurn(); // player 2 passes (Yes)
    EXPECT_EQ(result.outcome, EndTurnResult::NoMoveKept);
    EXPECT_TRUE(result.gameOver);
    EXPECT_TRUE(game.GameOver);
    EXPECT_FALSE(game.SubmitProposal({"H", "8", "MOT"}).has_value());
    EXPECT_EQ(game.Winner(), 1); // equal totals: the first player
}

TEST_F(Proposals, TypingOnTheBoard)
{
    Start({0, 0}, {"MOTSAIE"});
    game.SelectPlayer("2");
    EXPECT_FALSE(game.TypeOnBoard('M').has_value()); // no cursor yet
    ASSERT_TRUE(game.ClickSquare(8, 8));
    auto fields = game.TypeOnBoard('m');
    ASSERT_TRUE(fields.has_value());
    EXPECT_EQ(*fields, (ProposalFields{"H", "8", "M"}));
    EXPECT_EQ(game.Cursor()->col, 9);
    // A letter under a letter: the word goes down.
    ASSERT_TRUE(game.ClickSquare(8, 9));
    fields = game.TypeOnBoard('O');
    EXPECT_EQ(*fields, (ProposalFields{"8", "H", "MO"}));
    EXPECT_EQ(game.Cursor()->row, 10);
    fields = game.TypeOnBoard('T');
    EXPECT_EQ(*fields, (ProposalFields{"8", "H", "MOT"}));
    EXPECT_TRUE(game.Player(2).Current.IsValid());
    EXPECT_EQ(game.Player(2).Current.Score, 8);
    EXPECT_FALSE(game.Player(1).Current.IsPlayed());
    // Backspace clears the cursor square; the fields follow.
    game.MoveCursor(CursorKey::Up);
    fields = game.TypeOnBoard(0);
    EXPECT_EQ(*fields, (ProposalFields{"8", "H", "MO"}));
    EXPECT_EQ(game.SquareAt(8, 10).SquareState, -1);
    EXPECT_FALSE(game.TypeOnBoard('3').has_value());
    // The cursor keys stay on the board.
    game.MoveCursor(CursorKey::Home);
    game.MoveCursor(CursorKey::Left);
    EXPECT_EQ(game.Cursor()->col, 1);
    EXPECT_EQ(game.Cursor()->row, 1);
    game.MoveCursor(CursorKey::PageDown);
    EXPECT_EQ(game.Cursor()->row, 15);
    game.MoveCursor(CursorKey::End);
    game.MoveCursor(CursorKey::Down);
    EXPECT_EQ(game.Cursor()->col, 15);
    EXPECT_EQ(game.Cursor()->row, 15);
    EXPECT_FALSE(game.ClickSquare(16, 1));
    EXPECT_FALSE(game.Cursor().has_value());
    // A player number outside the table selects player 1.
    EXPECT_EQ(game.SelectPlayer("41"), (ProposalFields{}));
    EXPECT_EQ(game.ActivePlayer(), 1);
    EXPECT_FALSE(game.Player(1).Current.IsPlayed());
}
