// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/engine/move_ranking.h"

#include <algorithm>

namespace scrabble {

namespace {
int Key(int a, int b)
{
    return a > b ? -1 : a < b ? 1 : 0;
}
} // namespace

int CompareMoves(const Tcoup &a, const Tcoup &b, Variant variant, int (*value)(char))
{
    if (int k = Key(a.Score, b.Score))
        return k;
    if (variant == Variant::Duplicate)
        if (int k = Key(a.Openness, b.Openness))
            return k;
    if (int k = Key(int(a.Word.size()), int(b.Word.size())))
        return k;
    if (variant == Variant::Problem)
        return 0;
    return Key(LetterSum(a.Word, value), LetterSum(b.Word, value));
}

void SortCandidates(std::vector<Tcoup> &candidates, Variant variant, int (*value)(char))
{
    std::sort(candidates.begin(), candidates.end(), [variant, value](const Tcoup &a, const Tcoup &b) {
        return CompareMoves(a, b, variant, value) < 0;
    });
}

int Openness(const Grid &grid, const Tcoup &move)
{
    if (!move.IsPlacement())
        return 0;
    const char across = Across(move.Kind);
    const int dc = StepCol(across);
    const int dr = StepRow(across);
    int total = 0;
    int c = move.Col;
    int r = move.Row;
    for (std::size_t i = 0; i < move.Word.size(); ++i) {
        for (int side : {-1, 1}) {
            int x = c + side * dc;
            int y = r + side * dr;
            while (grid.Inside(x, y) && !grid.At(x, y).IsPlayed()) {
                ++total;
                x += side * dc;
                y += side * dr;
            }
        }
        c += StepCol(move.Kind);
        r += StepRow(move.Kind);
    }
    return total;
}

int PickComputerIndex(int level, int count, Random &random)
{
    if (count <= 0 || level >= 5)
        return 0;
    const int window = level <= 1 ? 32 : level == 2 ? 16 : level == 3 ? 8 : 4;
    return random.Below(std::min(count, window));
}

} // namespace scrabble
