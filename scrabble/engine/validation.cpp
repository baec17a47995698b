// SPDX-License-Identifier: GPL-3.0-or-later
// Validation of the current player's input: an exchange, a pass, or a word
// typed or laid on the board, checked step by step; the first error is
// returned by its code and nothing changes but the tiles' matched marks.
#include <algorithm>

#include "dictionary/dictionnaire.h"
#include "scrabble/engine/board_game.h"
#include "scrabble/engine/placement_checks.h"
#include "scrabble/engine/text.h"

namespace scrabble {

namespace {

// Coordinates are read upper-cased and trimmed, keeping only digits and letters.
std::string FilterCoordinate(const std::string &field)
{
    std::string result;
    for (const char c : UpperCase(Trimmed(field)))
        if ((c >= '0' && c <= '9') || IsUpperLetter(c))
            result += c;
    return result;
}

// The integer a field spells; 0 when it is not a number.
int NumberOf(const std::string &text)
{
    if (text.empty() || text.size() > 4 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return 0;
    return std::stoi(text);
}

// 1-based position of text in the alphabet; 0 when absent or empty.
int AlphabetPosition(const std::string &text)
{
    if (text.empty())
        return 0;
    const auto at = kAlphabet.find(text);
    return at == std::string_view::npos ? 0 : int(at) + 1;
}

struct SavedTile {
    TJeton *tile;
    int state;
    int row;
    int col;
};

} // namespace

InputResult BoardGame::ValidateInput(const InputFields &input, const TDictionnaire *dictionary,
                                     const Confirm &confirm)
{
    InputResult result;
    const int player = CurrentPlayer;
    for (int slot = 1; slot <= rackSize_; ++slot)
        if (TJeton *tile = RackTile(player, slot)) {
            if (tile->State == InExchange) {
                // Out of the exchange area: home to its slot, whatever the
                // move turns out to be.
                tile->State = OnRack;
                Aim(tile);
            }
            if (tile->State == Matched)
                tile->State = Placed;
        }
    const std::string c1 = FilterCoordinate(input.coord1);
    const std::string c2 = FilterCoordinate(input.coord2);
    std::string w = UpperCase(Trimmed(input.word));

    if (c1 == "E" && c2.empty()) {
        const ExchangeCheck check = CheckExchange(w);
        if (check.code != 0) {
            result.outcome = InputResult::Error;
            result.code = check.code;
            result.detail = check.detail;
            if (check.code == 4)
                result.highlight = check.tiles;
            return result;
        }
        result.move = &ExecuteExchange(check);
        result.outcome = InputResult::Played;
        return result;
    }
    if ((c1.empty() || c1 == "P") && c2.empty() && w.empty()) {
        if (!confirm || !confirm(CodePage("Voulez vous passer votre tour ?")))
            return result;
        Tcoup pass = Tcoup::MakePass(player);
        if (rules_->movesKeepRack)
            pass.RackText = RackText(player);
        result.move = &RecordMove(std::move(pass));
        result.outcome = InputResult::Played;
        return result;
    }

    auto fail = [&result](int code, std::string detail = {}) {
        result.outcome = InputResult::Error;
        result.code = code;
        result.detail = std::move(detail);
        return result;
    };
    const int size = layout_->Size();
    const std::string lastRow(1, RowLetter(size));
    char dir = 'V';
    int col = 0;
    int row = 0;
    if (!c1.empty() && c1 >= "A" && c1 <= lastRow) {
        dir = 'H';
        row = AlphabetPosition(c1);
        col = NumberOf(c2);
    } else {
        col = NumberOf(c1);
        row = AlphabetPosition(c2);
    }
    if (!layout_->Inside(col, row))
        return fail(10);
    const int dc = StepCol(dir);
    const int dr = StepRow(dir);

    // Every tile of the rack as it was, to undo the matching on failure.
    std::vector<SavedTile> saved;
    for (int slot = 1; slot <= rackSize_; ++slot)
        if (TJeton *tile = RackTile(player, slot))
            saved.push_back({tile, tile->State, tile->Row, tile->Col});
    auto undo = [&saved]() {
        for (const SavedTile &s : saved) {
            s.tile->State = s.state;
            s.tile->Row = s.row;
            s.tile->Col = s.col;
        }
    };

    // Extension over the tiles just before and just after the typed word.
    while (At(col - dc, row - dr) != nullptr) {
        col -= dc;
        row -= dr;
        const TJeton *tile = At(col, row);
        if (tile->IsJoker && tile->Letter == kJoker)
            return fail(17);
        w.insert(w.begin(), tile->Letter);
    }
    for (;;) {
        const TJeton *tile = At(col + dc * int(w.size()), row + dr * int(w.size()));
        if (tile == nullptr)
            break;
        if (tile->IsJoker && tile->Letter == kJoker)
            return fail(17);
        w += tile->Letter;
    }
    const int endCol = col + dc * (int(w.size()) - 1);
    const int endRow = row + dr * (int(w.size()) - 1);
    auto inSpan = [&](const TJeton *tile) {
        return tile->IsPending() &&
               (dir == 'H' ? tile->Row == row && tile->Col >= col && tile->Col <= endCol
                           : tile->Col == col && tile->Row >= row && tile->Row <= endRow);
    };

    // Letters: a played tile must agree; otherwise a tile is found for the letter.
    std::string recorded;
    std::vector<TJeton *> used;
    for (std::size_t i = 0; i < w.size(); ++i) {
        const char letter = Upper(w[i]);
        const int c = col + dc * int(i);
        const int r = row + dr * int(i);
        if (!IsUpperLetter(letter)) {
            undo();
            return fail(18, w);
        }
        if (!layout_->Inside(c, r)) { // the word runs past the edge of the board
            undo();
            return fail(11);
        }
        TJeton *square = At(c, r);
        // A played letter is reused; another one is covered while its
        // stack has room (never, on a board of single squares).
        if (const TJeton *played = PlayedAt(c, r)) {
            if (Upper(played->Letter) == letter) {
                recorded += played->Letter;
                continue;
            }
            if (PlayedHeight(c, r) >= rules_->maxStackHeight) {
                undo();
                return fail(11);
            }
        }
        TJeton *found = nullptr;
        if (square != nullptr && square->State == Placed && (square->IsJoker || square->Letter == letter))
            found = square;
        // Rack tiles, slot order; a tile lying on another square of the word
        // is kept for that square.
        auto usable = [&](const TJeton *tile) {
            return tile != nullptr && tile->State != Matched && !(tile->IsPending() && inSpan(tile));
        };
        if (found == nullptr) {
            std::string rack;
            std::vector<bool> taken;
            for (int slot = 1; slot <= rackSize_; ++slot) {
                const TJeton *tile = RackTile(player, slot);
                rack += tile == nullptr ? '\0' : tile->IsJoker ? kJoker : tile->Letter;
                taken.push_back(!usable(tile));
            }
            const int slot = TakeLetter(rack, taken, letter);
            if (slot >= 0)
                found = RackTile(player, slot + 1);
        }
        if (found == nullptr) {
            undo();
            return fail(12, std::string(1, letter));
        }
        if (found->IsJoker)
            found->SetJokerLetter(letter);
        found->State = Matched;
        found->Row = r;
        found->Col = c;
        used.push_back(found);
        recorded += found->Letter;
    }

    // Every tile laid this turn must lie on the word's line.
    for (int slot = 1; slot <= rackSize_; ++slot) {
        const TJeton *tile = RackTile(player, slot);
        if (tile != nullptr && tile->IsPending() && (dir == 'H' ? tile->Row != row : tile->Col != col)) {
            undo();
            return fail(16);
        }
    }
    const Grid played = Snapshot(false);
    std::vector<SquarePos> newSquares;
    for (const TJeton *tile : used)
        newSquares.push_back({tile->Col, tile->Row});
    const bool firstMove = history_.Empty() || played.PlayedCount() == 0;
    if (firstMove) {
        if (!CoversCentre(*layout_, newSquares)) {
            undo();
            return fail(13);
        }
        if (int(recorded.size()) < rules_->minFirstWord) {
            undo();
            return fail(14);
        }
    }
    // A move must lay at least one tile.
    if (used.empty()) {
        undo();
        return fail(11);
    }

    auto known = [&](const std::string &word) {
        if (dictionary == nullptr || dictionary->Contains(UpperCase(word)))
            return true;
        return confirm && confirm("Le mot " + word +
                                  CodePage(" ne figure pas dans le dictionnaire. Confirmez-vous ce mot ?"));
    };
    // A single letter is no word: its cross word is the word of the move.
    for (const std::string &word : WordsFormed(played, col, row, dir, recorded))
        if (!known(word)) {
            undo();
            return result;
        }
    if (!firstMove && !Connected(played, col, row, dir, recorded)) {
        undo();
        return fail(15);
    }

    // Score on the board as it will be: played tiles and the tiles used.
    Grid grid = played;
    for (const TJeton *tile : used) {
        scrabble::Square &sq = grid.At(tile->Col, tile->Row);
        sq.letter = tile->Letter;
        sq.joker = tile->IsJoker;
        sq.state = SquareState::Pending;
        sq.height += 1;
    }
    Tcoup move =
        Tcoup::Placement(player, recorded, dir, col, row, grid, *layout_, *rules_->scoring, Side(player));
    Scored(move, grid);
    if (rules_->movesKeepRack)
        move.RackText = RackText(player);
    const Tcoup &recordedMove = RecordMove(std::move(move));
    // Tiles laid but not used go back to the rack; the used ones leave the
    // squares they lay on before matching, then take their own.
    for (const SavedTile &s : saved)
        if (s.tile->State == Placed)
            ReturnToRack(s.tile);
    for (const SavedTile &s : saved)
        if (s.tile->State == Matched && layout_->Inside(s.col, s.row))
            board_.RemoveAt(s.col, s.row, s.tile);
    for (TJeton *tile : used)
        FixOnBoard(tile, tile->Col, tile->Row, &recordedMove);
    result.outcome = InputResult::Played;
    result.move = &recordedMove;
    result.fields.word = recorded;
    result.fields.coord1 = dir == 'H' ? std::string(1, RowLetter(row)) : std::to_string(col);
    result.fields.coord2 = dir == 'H' ? std::to_string(col) : std::string(1, RowLetter(row));
    result.fields.score = std::to_string(recordedMove.Score);
    return result;
}

} // namespace scrabble
