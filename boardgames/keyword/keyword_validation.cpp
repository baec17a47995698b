// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardgames/keyword/keyword_validation.h"

#include <algorithm>

#include "scrabble/engine/letters.h"
#include "scrabble/engine/placement_checks.h"
#include "scrabble/engine/text.h"

namespace keyword {

namespace {
// The played squares of `grid` alone.
scrabble::Grid PlayedOnly(const scrabble::Grid &grid)
{
    scrabble::Grid result(grid.Size());
    for (int row = 1; row <= grid.Size(); ++row)
        for (int col = 1; col <= grid.Size(); ++col)
            if (grid.At(col, row).IsPlayed())
                result.At(col, row) = grid.At(col, row);
    return result;
}

// The direction of the laid tiles (sorted by column, then row): that of the
// first two when they share a column or a row; for a single tile, the side
// of its first neighbour to the right, below, to the left or above; across by
// default. Tiles on neither line cannot make one word and are refused once
// the word is read.
char Direction(const scrabble::Grid &board, const std::vector<LaidTile> &laid)
{
    if (laid.size() >= 2 && laid[0].col == laid[1].col)
        return 'V';
    if (laid.size() >= 2 && laid[0].row == laid[1].row)
        return 'H';
    const int c = laid.front().col;
    const int r = laid.front().row;
    if (board.HasTile(c + 1, r))
        return 'H';
    if (board.HasTile(c, r + 1))
        return 'V';
    if (board.HasTile(c - 1, r))
        return 'H';
    if (board.HasTile(c, r - 1))
        return 'V';
    return 'H';
}

bool ArmCovered(const scrabble::Grid &board, char dir)
{
    for (int k = -1; k <= 1; ++k)
        if (!board.HasTile(kCrossCol + k * scrabble::StepCol(dir), kCrossRow + k * scrabble::StepRow(dir)))
            return false;
    return true;
}
} // namespace

LaidMove ValidateLaid(const scrabble::Grid &played, const std::vector<LaidTile> &laid, bool firstMove)
{
    LaidMove result;
    if (laid.empty())
        return result;
    const scrabble::Grid playedOnly = PlayedOnly(played);
    scrabble::Grid board = playedOnly;
    for (const LaidTile &tile : laid) {
        // A tile off the board or on a taken square cannot belong to the move.
        if (!board.Inside(tile.col, tile.row) || board.HasTile(tile.col, tile.row)) {
            result.code = kNotAligned;
            return result;
        }
        scrabble::Square &square = board.At(tile.col, tile.row);
        square.letter = tile.letter;
        square.state = scrabble::SquareState::Pending;
        square.joker = !scrabble::IsUpperLetter(tile.letter);
    }
    for (const LaidTile &tile : laid)
        if (tile.letter == scrabble::kJoker) {
            result.code = kJokerWithoutLetter;
            result.joker = {tile.col, tile.row};
            return result;
        }

    std::vector<LaidTile> sorted = laid;
    std::sort(sorted.begin(), sorted.end(), [](const LaidTile &a, const LaidTile &b) {
        return a.col != b.col ? a.col < b.col : a.row < b.row;
    });
    const char dir = Direction(board, sorted);
    const int dc = scrabble::StepCol(dir);
    const int dr = scrabble::StepRow(dir);
    int col = sorted.front().col;
    int row = sorted.front().row;
    while (board.HasTile(col - dc, row - dr)) {
        col -= dc;
        row -= dr;
    }
    result.direction = dir;
    result.col = col;
    result.row = row;
    bool connected = false;
    int laidInWord = 0;
    for (int c = col, r = row; board.HasTile(c, r); c += dc, r += dr) {
        const scrabble::Square &square = board.At(c, r);
        result.word += square.letter;
        if (square.IsPlayed()) {
            connected = true;
            continue;
        }
        ++laidInWord;
        int sc = 0;
        int sr = 0;
        if (scrabble::CrossWord(playedOnly, c, r, dir, square.letter, sc, sr).size() >= 2)
            connected = true;
    }
    // Tiles off the word's line, or beyond a gap in it, would be left lying
    // outside any word.
    if (laidInWord != int(laid.size())) {
        result.code = kNotAligned;
        return result;
    }

    result.code = 0;
    if (firstMove) {
        if (laid.size() < 3)
            result.code = kFirstWordTooShort;
        else if (!ArmCovered(board, 'H') && !ArmCovered(board, 'V'))
            result.code = kCrossArmNotCovered;
    } else if (!connected) {
        result.code = kNotConnected;
    }
    if (result.code == 0)
        result.words = scrabble::WordsFormed(playedOnly, col, row, dir, result.word);
    return result;
}

std::string ErrorText(int code)
{
    switch (code) {
    case kFirstWordTooShort:
        return scrabble::CodePage("Le premier mot placé doit avoir au moins 3 lettres !");
    case kCrossArmNotCovered:
        return scrabble::CodePage(
            "Les trois premières lettres du premier mot doivent être placées sur la croix centrales");
    case kNotConnected:
        return scrabble::CodePage("Chaque mot posé doit être raccordé à un mot existant !");
    case kJokerWithoutLetter:
        return scrabble::CodePage("Vous devez indiquez quelles sont les lettres remplacées parles jokers.");
    case kNotAligned:
        return scrabble::ErrorMessage(kNotAligned);
    default:
        return {};
    }
}

} // namespace keyword
