// SPDX-License-Identifier: GPL-3.0-or-later
// The Scrabble problems board: typing a position in both directions, the
// keys that empty cells, the draw fields, and the solutions on a small
// dictionary (at most 7 letters of an eight-letter draw, the centre on an
// empty board, a move shown taking the previous one's place).
#include <gtest/gtest.h>

#include "scrabble/engine/move_search.h"
#include "scrabble/engine/problem_board.h"
#include "scrabble_test_support.h"

using scrabble::CellState;
using scrabble::CursorKey;
using scrabble::ProblemBoard;
using Edit = scrabble::ProblemBoard::Edit;

namespace {

std::string Row(const ProblemBoard &board, int row, int from, int to)
{
    std::string text;
    for (int col = from; col <= to; ++col)
        text += board.At(col, row).letter;
    return text;
}

std::string Column(const ProblemBoard &board, int col, int from, int to)
{
    std::string text;
    for (int row = from; row <= to; ++row)
        text += board.At(col, row).letter;
    return text;
}

void TypeWord(ProblemBoard &board, const std::string &word)
{
    for (const char c : word)
        ASSERT_TRUE(board.Type(Edit::Letter, c));
}

} // namespace

TEST(ProblemBoard, TypingGoesOnInTheDirectionTyped)
{
    ProblemBoard board;
    EXPECT_FALSE(board.Type(Edit::Letter, 'A')); // no cursor
    board.Click(4, 8);
    TypeWord(board, "chat");
    EXPECT_EQ(Row(board, 8, 4, 7), "CHAT");
    EXPECT_EQ(board.At(4, 8).state, CellState::User);
    EXPECT_EQ(board.Cursor(), (scrabble::SquarePos{8, 8}));
    // Down: a letter typed under the one before carries the typing on down.
    board.Click(10, 2);
    ASSERT_TRUE(board.Type(Edit::Letter, 'R'));
    board.MoveCursor(CursorKey::Left);
    board.MoveCursor(CursorKey::Down);
    TypeWord(board, "ATS");
    EXPECT_EQ(Column(board, 10, 2, 5), "RATS");
    EXPECT_EQ(board.Cursor(), (scrabble::SquarePos{10, 6}));
    // Backspace goes back the way the letters came, emptying the cell.
    board.Click(12, 2);
    TypeWord(board, "OR");
    ASSERT_TRUE(board.Type(Edit::Backspace));
    ASSERT_TRUE(board.Type(Edit::Backspace));
    EXPECT_EQ(board.Cursor(), (scrabble::SquarePos{12, 2}));
    EXPECT_EQ(Row(board, 2, 12, 14), "O  ");
    // The cursor never leaves the board: at the edge it stays.
    board.Click(14, 15);
    TypeWord(board, "EA");
    EXPECT_EQ(Row(board, 15, 14, 15), "EA");
    EXPECT_EQ(board.Cursor(), (scrabble::SquarePos{15, 15}));
    // Keys that type nothing, Home, End, Page Up and Down.
    EXPECT_FALSE(board.Type(Edit::Letter, '3'));
    board.MoveCursor(CursorKey::Home);
    EXPECT_EQ(board.Cursor(), (scrabble::SquarePos{1, 1}));
    board.MoveCursor(CursorKey::PageDown);
    EXPECT_EQ(board.Cursor(), (scrabble::SquarePos{1, 15}));
    board.MoveCursor(CursorKey::End);
    EXPECT_EQ(board.Cursor(), (scrabble::SquarePos{15, 15}));
    board.Click(0, 3);
    EXPECT_FALSE(board.Cursor().has_value());
    board.Clear();
    EXPECT_EQ(board.Position().PlayedCount(), 0);
}

TEST(ProblemBoard, DrawFieldsGiveLettersAndJokers)
{
    EXPECT_EQ(ProblemBoard::DrawFieldCharacter('e'), 'E');
    EXPECT_EQ(ProblemBoard::DrawFieldCharacter('7'), '*');
    EXPECT_EQ(ProblemBoard::DrawFieldCharacter('?'), '*');
    EXPECT_EQ(ProblemBoard::DrawFieldCharacter(' '), ' ');
    EXPECT_EQ(ProblemBoard::Draw({"l", "U", "", " ", "4", "rx", "I", "N"}), "LU*RIN");
}

class ProblemSolutions : public ::testing::Test {
protected:
    scrabble_test::TempFolder folder_;
    std::unique_ptr<TDictionnaire> dico_ = scrabble_test::SmallDictionary(
        folder_.File("mots.ox"), {"CHAT", "CHATS", "RAT", "RATS", "ART", "TAR", "TARS", "STAR", "AS", "TA",
                                  "ARTISTE", "RESTAIT", "TRAITES", "TARISSE", "ASSISTER"});
    const scrabble::MoveSearch search_{*dico_};
};

TEST_F(ProblemSolutions, EmptyBoardGivesOnlyMovesThroughTheCentre)
{
    ProblemBoard board;
    const auto moves = board.Solve(search_, "ARTS");
    ASSERT_FALSE(moves.empty());
    for (const scrabble::Tcoup &move : moves) {
        ASSERT_TRUE(move.IsPlacement()) << move.Text();
        const int last = int(move.Word.size()) - 1;
        const bool across = move.Kind == 'H';
        EXPECT_TRUE(across ? move.Row == 8 && move.Col <= 8 && move.Col + last >= 8
                           : move.Col == 8 && move.Row <= 8 && move.Row + last >= 8)
            << move.Text();
    }
    for (std::size_t i = 1; i < moves.size(); ++i)
        EXPECT_GE(moves[i - 1].Score, moves[i].Score);
}

TEST_F(ProblemSolutions, EightLettersGiveMovesOfSevenAtMostAndShowReplaces)
{
    ProblemBoard board;
    board.Click(5, 8);
    TypeWord(board, "CHAT");
    const auto moves = board.Solve(search_, "ASSISTER");
    ASSERT_FALSE(moves.empty());
    for (const scrabble::Tcoup &move : moves)
        EXPECT_LE(move.TilesPlaced, 7) << move.Text();
    // CHATS through the S of the draw is one of them.
    const auto chats = std::find_if(moves.begin(), moves.end(), [](const scrabble::Tcoup &m) {
        return m.Word == "CHATS" && m.Kind == 'H' && m.Col == 5 && m.Row == 8;
    });
    ASSERT_NE(chats, moves.end());
    EXPECT_EQ(chats->TilesPlaced, 1);
    board.Show(*chats);
    EXPECT_EQ(board.At(9, 8).letter, 'S');
    EXPECT_EQ(board.At(9, 8).state, CellState::Solution);
    EXPECT_EQ(board.At(5, 8).state, CellState::User);
    // Another move: the S goes.
    const auto other = std::find_if(moves.begin(), moves.end(),
                                    [](const scrabble::Tcoup &m) { return m.Kind == 'V' && m.Col != 9; });
    ASSERT_NE(other, moves.end());
    board.Show(*other);
    EXPECT_EQ(board.At(9, 8).state, CellState::Empty);
    // A space over a user letter empties it: the search no longer sees it.
    board.Click(8, 8);
    ASSERT_TRUE(board.Type(Edit::Space));
    EXPECT_EQ(board.At(8, 8).state, CellState::Empty);
    for (const scrabble::Tcoup &move : board.Solve(search_, "S"))
        EXPECT_NE(move.Word, "CHATS");
    for (int col = 1; col <= 15; ++col)
        EXPECT_NE(board.At(col, 8).state, CellState::Solution);
}
