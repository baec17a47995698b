// SPDX-License-Identifier: GPL-3.0-or-later
// The input fields derived from the tiles the player dragged this turn: the
// exchange area, or the word through the tiles laid on the board with its
// provisional score.
#include "scrabble/engine/board_game.h"

namespace scrabble {

InputFields BoardGame::ReadPlacedTiles()
{
    InputFields fields;
    const int player = CurrentPlayer;
    std::string exchange;
    for (int slot = 1; slot <= rackSize_; ++slot)
        if (const TJeton *tile = RackTile(player, slot); tile != nullptr && tile->State == InExchange) {
            exchange.push_back(tile->IsJoker ? kJoker : tile->Letter);
            exchange.push_back(' ');
        }
    if (!exchange.empty()) {
        fields.coord1.assign(1, 'E');
        fields.word = exchange;
        fields.score.assign(1, '0');
        return fields;
    }
    const int size = layout_->Size();
    std::vector<TJeton *> laid;
    for (int col = 1; col <= size; ++col)
        for (int row = 1; row <= size; ++row)
            if (TJeton *tile = At(col, row); tile != nullptr && tile->IsPending()) {
                tile->State = Placed;
                if (tile->IsJoker && !IsLowerLetter(tile->Letter))
                    tile->Letter = kJoker;
                laid.push_back(tile);
            }
    if (laid.empty())
        return fields;
    const TJeton *anchor = laid.front();
    const int ac = anchor->Col;
    const int ar = anchor->Row;
    auto placedAt = [this](int c, int r) {
        const TJeton *t = At(c, r);
        return t != nullptr && t->State == Placed;
    };
    auto any = [this](int c, int r) { return At(c, r) != nullptr; };
    char dir = 'H';
    if (laid.size() >= 2 && laid[0]->Col == laid[1]->Col)
        dir = 'V';
    else if (laid.size() >= 2 && laid[0]->Row == laid[1]->Row)
        dir = 'H';
    else if (placedAt(ac + 1, ar))
        dir = 'H';
    else if (placedAt(ac, ar + 1))
        dir = 'V';
    else if (any(ac + 1, ar))
        dir = 'H';
    else if (any(ac, ar + 1))
        dir = 'V';
    else if (any(ac - 1, ar))
        dir = 'H';
    else if (any(ac, ar - 1))
        dir = 'V';
    const int dc = StepCol(dir);
    const int dr = StepRow(dir);
    int col = ac;
    int row = ar;
    while (any(col - dc, row - dr)) {
        col -= dc;
        row -= dr;
    }
    std::string word;
    for (int c = col, r = row; any(c, r); c += dc, r += dr) {
        TJeton *tile = At(c, r);
        if (tile->IsPending())
            tile->State = Matched;
        word += tile->Letter;
    }
    fields.word = word;
    fields.coord1 = dir == 'H' ? std::string(1, RowLetter(row)) : std::to_string(col);
    fields.coord2 = dir == 'H' ? std::to_string(col) : std::string(1, RowLetter(row));
    const Grid grid = Snapshot(true);
    Tcoup provisional =
        Tcoup::Placement(player, word, dir, col, row, grid, *layout_, *rules_->scoring, Side(player));
    Scored(provisional, grid);
    fields.score = std::to_string(provisional.Score);
    return fields;
}

} // namespace scrabble
