// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/engine/problem_board.h"

#include "scrabble/engine/letters.h"
#include "scrabble/engine/move_search.h"

namespace scrabble {

void ProblemBoard::Click(int col, int row)
{
    if (col >= 1 && col <= kSide && row >= 1 && row <= kSide)
        cursor_ = SquarePos{col, row};
    else
        cursor_.reset();
}

void ProblemBoard::MoveCursor(CursorKey key)
{
    cursor_ = MovedCursor(cursor_, key, kSide);
}

// Forward: on along the row when the last two typed cells lie side by side
// on it, down when one lies under the other, else right while it can, then
// down. Backward mirrors it (left, up).
void ProblemBoard::Step(bool forward)
{
    const SquarePos at = *cursor_;
    bool across = at.col < kSide;
    if (!forward)
        across = at.col > 1;
    if (previous_) {
        const SquarePos p = *previous_;
        if (p.row == at.row && (p.col == at.col - 1 || p.col == at.col + 1))
            across = true;
        else if (p.col == at.col && (p.row == at.row - 1 || p.row == at.row + 1))
            across = false;
    }
    const int step = forward ? 1 : -1;
    SquarePos next = at;
    if (across)
        next.col += step;
    else
        next.row += step;
    if (next.col < 1 || next.col > kSide || next.row < 1 || next.row > kSide)
        next = at; // the edge: the cursor stays
    previous_ = at;
    cursor_ = next;
}

bool ProblemBoard::Type(Edit edit, char letter)
{
    if (!cursor_)
        return false;
    ProblemCell &cell = Cell(cursor_->col, cursor_->row);
    switch (edit) {
    case Edit::Letter:
        letter = Upper(letter);
        if (!IsUpperLetter(letter))
            return false;
        cell = {letter, CellState::User};
        Step(true);
        break;
    case Edit::Space:
        cell = {};
        Step(true);
        break;
    case Edit::Backspace:
        cell = {};
        Step(false);
        break;
    case Edit::Delete:
        cell = {};
        break;
    }
    return true;
}

void ProblemBoard::Clear()
{
    cells_.fill({});
}

Grid ProblemBoard::Position() const
{
    Grid grid(kSide);
    for (int row = 1; row <= kSide; ++row)
        for (int col = 1; col <= kSide; ++col)
            if (At(col, row).state == CellState::User)
                grid.Play(col, row, At(col, row).letter);
    return grid;
}

char ProblemBoard::DrawFieldCharacter(char c)
{
    c = Upper(c);
    return c == ' ' || IsUpperLetter(c) ? c : kJoker;
}

std::string ProblemBoard::Draw(const std::array<std::string, kDrawFields> &fields)
{
    std::string draw;
    for (const std::string &field : fields)
        if (!field.empty() && DrawFieldCharacter(field.front()) != ' ')
            draw += DrawFieldCharacter(field.front());
    return draw;
}

void ProblemBoard::HideSolution()
{
    for (ProblemCell &cell : cells_)
        if (cell.state == CellState::Solution)
            cell = {};
}

std::vector<Tcoup> ProblemBoard::Solve(const MoveSearch &search, const std::string &draw)
{
    HideSolution();
    const Grid grid = Position();
    SearchOptions options;
    options.variant = Variant::Problem;
    options.maxTiles = 7;
    options.opening = grid.PlayedCount() == 0;
    return search.GenerateMoves(grid, draw, options);
}

void ProblemBoard::Show(const Tcoup &move)
{
    HideSolution();
    if (!move.IsPlacement())
        return;
    int col = move.Col;
    int row = move.Row;
    for (const char letter : move.Word) {
        if (col < 1 || col > kSide || row < 1 || row > kSide)
            break;
        ProblemCell &cell = Cell(col, row);
        if (cell.state == CellState::Empty)
            cell = {letter, CellState::Solution};
        col += StepCol(move.Kind);
        row += StepRow(move.Kind);
    }
}

} // namespace scrabble
