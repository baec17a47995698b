// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board of the Scrabble problems: the user types a position letter by
// letter on an empty 15 x 15 board, gives a draw of up to eight letters and
// gets every move, best first; a move chosen is shown on the board. Cells
// are empty, hold a letter of the user's, or a letter of the move shown.
// Typing moves the cursor on in the direction the user types in.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "scrabble/engine/board_cursor.h"
#include "scrabble/engine/board_layout.h"
#include "scrabble/engine/grid.h"
#include "scrabble/engine/move.h"

namespace scrabble {

class MoveSearch;

enum class CellState { Empty = 0, User = 1, Solution = 2 };

struct ProblemCell {
    char letter = ' '; // upper case; a solution's joker in lower case
    CellState state = CellState::Empty;
};

class ProblemBoard {
public:
    static constexpr int kSide = 15;
    static constexpr int kDrawFields = 8;

    const ProblemCell &At(int col, int row) const { return cells_[Index(col, row)]; }
    const std::optional<SquarePos> &Cursor() const { return cursor_; }

    // A click on square (col, row) sets the cursor there; anywhere else (a
    // square off 1..15) clears it. The cell typed last stays known: a letter
    // typed under it carries the typing on downwards.
    void Click(int col, int row);
    void MoveCursor(CursorKey key);

    // Keys typed on the cursor's cell. A letter (either case) is put there
    // and the cursor moves forward; Space empties the cell and moves forward,
    // Backspace empties it and moves backward, Delete empties it and stays.
    // False (nothing done) without a cursor or for another character.
    enum class Edit { Letter, Space, Backspace, Delete };
    bool Type(Edit edit, char letter = 0);

    // Every cell emptied (the cursor stays).
    void Clear();

    // The user's letters as played tiles.
    Grid Position() const;
    // The draw the fields spell: a field gives its first character, upper
    // case, a character that is neither a blank nor a letter standing for a
    // joker ('*'); the blanks are dropped.
    static char DrawFieldCharacter(char c);
    static std::string Draw(const std::array<std::string, kDrawFields> &fields);

    // Every move for the draw on the user's letters (the moves through the
    // centre on an empty board), at most 7 letters of the draw each, best
    // first; the move shown is taken off first.
    std::vector<Tcoup> Solve(const MoveSearch &search, const std::string &draw);
    // Shows a move: the previous one goes, its letters fill the empty cells
    // of its squares.
    void Show(const Tcoup &move);
    void HideSolution();

private:
    static std::size_t Index(int col, int row) { return std::size_t((row - 1) * kSide + col - 1); }
    ProblemCell &Cell(int col, int row) { return cells_[Index(col, row)]; }
    void Step(bool forward);

    std::array<ProblemCell, kSide * kSide> cells_{};
    std::optional<SquarePos> cursor_;
    std::optional<SquarePos> previous_; // the cell typed before the cursor's
};

} // namespace scrabble
