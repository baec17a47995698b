// SPDX-License-Identifier: GPL-3.0-or-later
// Validation of a human move: exchange and pass requests, every placement
// error in its order, the dictionary confirmations and the move it plays.
#include <gtest/gtest.h>

#include "scrabble/engine/board_game.h"
#include "scrabble/engine/text.h"
#include "scrabble_test_support.h"

using namespace scrabble;
using scrabble_test::PlayWord;
using scrabble_test::SetRack;

namespace {

class Validation : public ::testing::Test {
protected:
    void SetUp() override
    {
        dico =
            scrabble_test::SmallDictionary(folder.File("v.ox"), {"MOT", "MOTS", "CAFE", "CAFES", "SA", "AS",
                                                                 "TA", "ET", "ETE", "MA", "TE", "OS", "OSE"});
        game.NewGame();
        SetRack(game, 1, "CAFESTO");
        SetRack(game, 2, "ETE*MAS");
    }
    InputResult Play(const std::string &c1, const std::string &c2, const std::string &word, bool yes = true)
    {
        questions.clear();
        return game.ValidateInput({c1, c2, word, {}}, dico.get(), [&](const std::string &q) {
            questions.push_back(q);
            return yes;
        });
    }
    // Plays CAFE from H8 for player 1 and hands the turn to player 2.
    void Open()
    {
        ASSERT_EQ(Play("H", "8", "cafe").outcome, InputResult::Played);
        game.NextPlayer();
    }

    scrabble_test::TempFolder folder;
    std::unique_ptr<TDictionnaire> dico;
    BoardGame game{21};
    std::vector<std::string> questions;
};

} // namespace

TEST_F(Validation, FirstMoveRules)
{
    EXPECT_EQ(Play("H", "1", "CAFE").code, 13);
    EXPECT_EQ(Play("H", "8", "C").code, 14);
    EXPECT_EQ(Play("H", "16", "CAFE").code, 10);
    EXPECT_EQ(Play("P", "8", "CAFE").code, 10);
    EXPECT_EQ(Play("H", "8", "C4FE").code, 18);
    EXPECT_EQ(Play("H", "8", "C4FE").detail, "C4FE");
    EXPECT_EQ(Play("H", "8", "CAFEZ").code, 12);
    EXPECT_EQ(Play("H", "8", "CAFEZ").detail, "Z");
    EXPECT_EQ(Play("H", "13", "CAFES").code, 11); // runs past column 15
    EXPECT_EQ(game.MoveCount(), 0);
    // Nothing moved: the rack is whole and the board empty.
    EXPECT_EQ(game.RackText(1), "CAFESTO");
    for (int s = 1; s <= 7; ++s)
        EXPECT_EQ(game.RackTile(1, s)->State, OnRack);

    const InputResult ok = Play("H", "8", "cafe");
    ASSERT_EQ(ok.outcome, InputResult::Played);
    EXPECT_TRUE(questions.empty());
    EXPECT_EQ(ok.move->Text(), "CAFESTO  H 8 CAFE 18 pts.");
    EXPECT_EQ(ok.fields.coord1, "H");
    EXPECT_EQ(ok.fields.coord2, "8");
    EXPECT_EQ(ok.move->MoveNumber, 1);
    EXPECT_EQ(game.Player(1).Score, 18);
    EXPECT_EQ(game.RackText(1), "STO");
    for (int c = 8; c <= 11; ++c) {
        ASSERT_NE(game.At(c, 8), nullptr);
        EXPECT_EQ(game.At(c, 8)->State, Fixed);
        EXPECT_EQ(game.At(c, 8)->Move, ok.move);
    }
}

TEST_F(Validation, CoordinatesAndExtension)
{
    Open();
    // "E" with a second coordinate is a move across row E, not an exchange.
    EXPECT_EQ(Play("E", "8", "ETE").code, 15);
    // Typed at H12, the word is extended by CAFE before it: CAFES.
    const InputResult s = Play("h", "12", "S");
    ASSERT_EQ(s.outcome, InputResult::Played) << s.code;
    EXPECT_EQ(s.move->Word, "CAFES");
    EXPECT_EQ(s.move->Col, 8);
    EXPECT_EQ(s.fields.word, "CAFES");
}

TEST_F(Validation, LettersMustAgreeWithTheBoard)
{
    Open();
    EXPECT_EQ(Play("8", "H", "MA").code, 11); // C is on H8
    // A word that lays no tile is no move.
    EXPECT_EQ(Play("H", "8", "CAFE").code, 11);
    EXPECT_EQ(Play("H", "8", "").code, 11);
}

TEST_F(Validation, TilesOnTwoLinesAreRefused)
{
    Open();
    ASSERT_TRUE(game.PlaceTile(game.RackTile(2, 1), 3, 3));
    ASSERT_TRUE(game.PlaceTile(game.RackTile(2, 2), 5, 6));
    EXPECT_EQ(Play("9", "G", "TA").code, 16);
    EXPECT_EQ(game.RackTile(2, 1)->State, Placed);
    EXPECT_EQ(game.At(3, 3), game.RackTile(2, 1));
}

TEST_F(Validation, JokersAndDictionaryQuestions)
{
    Open();
    // MA down from G9: the A is the board's.
    const InputResult ma = Play("9", "G", "MA");
    ASSERT_EQ(ma.outcome, InputResult::Played) << ma.code;
    EXPECT_TRUE(questions.empty());
    game.NextPlayer();
    // An unknown word is confirmed; No abandons without a message.
    const InputResult no = Play("10", "G", "OF", false);
    EXPECT_EQ(no.outcome, InputResult::Abandoned);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0],
              CodePage("Le mot OF ne figure pas dans le dictionnaire. Confirmez-vous ce mot ?"));
    EXPECT_EQ(game.RackText(1), "STO");
    // A joker supplies a letter the rack lacks (O) and is recorded in lower
    // case; the S forms CAFES across.
    game.NextPlayer();
    const InputResult joker = Play("12", "G", "OS");
    ASSERT_EQ(joker.outcome, InputResult::Played) << joker.code;
    EXPECT_EQ(joker.move->Word, "oS");
}

TEST_F(Validation, LaidTilesAndUnletteredJoker)
{
    Open();
    // Player 2 lays the joker on G9 without a letter, above the A of CAFE.
    TJeton *joker = game.RackTile(2, 4);
    ASSERT_TRUE(joker->IsJoker);
    ASSERT_TRUE(game.PlaceTile(joker, 9, 7));
    EXPECT_EQ(Play("9", "H", "A").code, 17); // extended over the joker
    joker->SetJokerLetter('m');
    const InputFields read = game.ReadPlacedTiles();
    EXPECT_EQ(read.coord1, "9");
    EXPECT_EQ(read.coord2, "G");
    EXPECT_EQ(read.word, "mA");
    EXPECT_EQ(read.score, "1"); // the joker counts 0, A at face value
    const InputResult played = Play(read.coord1, read.coord2, read.word);
    ASSERT_EQ(played.outcome, InputResult::Played) << played.code;
    EXPECT_EQ(played.move->Word, "mA");
    EXPECT_EQ(joker->State, Fixed);
    EXPECT_EQ(game.RackText(2), "ETEMAS");
}

TEST_F(Validation, ExchangeAndPassRequests)
{
    const InputResult err = Play("E", "", "QQ");
    EXPECT_EQ(err.code, 1);
    EXPECT_EQ(err.Message(), ErrorMessage(1));
    const InputResult ex = Play(" e ", "", "c a");
    ASSERT_EQ(ex.outcome, InputResult::Played);
    EXPECT_EQ(ex.move->Kind, Exchange);
    EXPECT_EQ(ex.move->Word, "CA");
    game.NextPlayer();
    const InputResult no = Play("", "", "", false);
    EXPECT_EQ(no.outcome, InputResult::Abandoned);
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0], "Voulez vous passer votre tour ?");
    const InputResult pass = Play("P", "", "");
    ASSERT_EQ(pass.outcome, InputResult::Played);
    EXPECT_EQ(pass.move->Text(), "ETE*MAS  Passe  0 pts.");
    EXPECT_EQ(game.MoveCount(), 2);
}

TEST_F(Validation, PlayedJokerIsMatchedByItsLetter)
{
    // A joker played as T in MOt: a word across through it matches its letter.
    PlayWord(game, "MOt", 'H', 7, 8);
    SetRack(game, 1, "ES");
    game.RecordMove(Tcoup::MakePass(2)); // a move exists: not the opening
    const InputResult te = Play("9", "H", "TE");
    ASSERT_EQ(te.outcome, InputResult::Played) << te.code;
    EXPECT_EQ(te.move->Word, "tE");
    // The joker square scores 0: E on I9 (letter double) = 2.
    EXPECT_EQ(te.move->Score, 2);
}
