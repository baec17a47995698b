// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardgames/keyword/keyword_key.h"

#include "scrabble/engine/letters.h"

namespace keyword {

int DrawKeyIndex(int count, scrabble::Random &random)
{
    const int index = random.Below(count);
    return index >= 0 && index < count ? index : 0;
}

std::string CurrentKey(const std::vector<std::string> &candidates, int index)
{
    if (index < 0 || std::size_t(index) >= candidates.size())
        return {};
    return scrabble::UpperCase(candidates[std::size_t(index)]);
}

std::string CheckKey(const scrabble::Grid &before, const scrabble::Tcoup &move, const std::string &key)
{
    const std::string wanted = scrabble::UpperCase(key);
    if (wanted.empty() || !move.IsPlacement())
        return {};
    if (scrabble::UpperCase(move.Word) == wanted)
        return wanted;
    int col = move.Col;
    int row = move.Row;
    for (const char letter : move.Word) {
        if (!before.Inside(col, row))
            break;
        int startCol = 0;
        int startRow = 0;
        const std::string cross =
            scrabble::CrossWord(before, col, row, move.Kind, letter, startCol, startRow);
        if (scrabble::UpperCase(cross) == wanted)
            return wanted;
        col += scrabble::StepCol(move.Kind);
        row += scrabble::StepRow(move.Kind);
    }
    return {};
}

} // namespace keyword
