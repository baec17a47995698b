// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardgames/keyword/keyword_key.h"

#include "boardgames/keyword/keyword_rules.h"
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

KeyedScore ScoreWithKey(const scrabble::Grid &before, const scrabble::BoardLayout &layout,
                        const scrabble::Tcoup &move, int colour, const std::string &key)
{
    KeyedScore result;
    if (move.Kind == scrabble::Penalty || move.Kind == scrabble::Bonus)
        result.score = move.Row;
    if (!move.IsPlacement())
        return result;
    result.score = ScoreMove(before, layout, move.Col, move.Row, move.Kind, move.Word, colour);
    result.keyFormed = CheckKey(before, move, key);
    if (!result.keyFormed.empty())
        result.score += kKeyBonus;
    return result;
}

} // namespace keyword
