// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/engine/move_ranking.h"

#include <algorithm>
#include <cstdint>

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

namespace {
// A candidate's ranking keys, computed once: the sort compares these rather
// than adding up the letters of two words at every comparison. When every
// key fits its field they are packed in one integer, higher first, so that a
// comparison is one integer comparison with the same outcome.
struct RankKeys {
    int score;
    int openness;
    int length;
    int letterSum;
    std::uint32_t index;
};

struct PackedKeys {
    std::uint64_t keys;
    std::uint32_t index;
};

// Score: 30 bits (offset), openness and letter sum 13 bits each, length 8.
bool Packable(const RankKeys &k)
{
    return k.score > -(1 << 29) && k.score < (1 << 29) && k.openness >= 0 && k.openness < (1 << 13) &&
           k.length >= 0 && k.length < (1 << 8) && k.letterSum >= 0 && k.letterSum < (1 << 13);
}

std::uint64_t Packed(const RankKeys &k)
{
    return std::uint64_t(k.score + (1 << 29)) << 34 | std::uint64_t(k.openness) << 21 |
           std::uint64_t(k.length) << 13 | std::uint64_t(k.letterSum);
}

void MoveInOrder(std::vector<Tcoup> &candidates, const auto &order)
{
    std::vector<Tcoup> sorted;
    sorted.reserve(candidates.size());
    for (const auto &k : order)
        sorted.push_back(std::move(candidates[k.index]));
    candidates = std::move(sorted);
}
} // namespace

void SortCandidates(std::vector<Tcoup> &candidates, Variant variant, int (*value)(char))
{
    std::vector<RankKeys> keys;
    keys.reserve(candidates.size());
    bool packable = true;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const Tcoup &move = candidates[i];
        keys.push_back({move.Score, variant == Variant::Duplicate ? move.Openness : 0, int(move.Word.size()),
                        variant == Variant::Problem ? 0 : LetterSum(move.Word, value), std::uint32_t(i)});
        packable = packable && Packable(keys.back());
    }
    // The same comparisons as CompareMoves, in the same sort: the same order.
    if (packable) {
        std::vector<PackedKeys> packed;
        packed.reserve(keys.size());
        for (const RankKeys &k : keys)
            packed.push_back({Packed(k), k.index});
        std::sort(packed.begin(), packed.end(),
                  [](const PackedKeys &a, const PackedKeys &b) { return a.keys > b.keys; });
        MoveInOrder(candidates, packed);
        return;
    }
    std::sort(keys.begin(), keys.end(), [](const RankKeys &a, const RankKeys &b) {
        if (a.score != b.score)
            return a.score > b.score;
        if (a.openness != b.openness)
            return a.openness > b.openness;
        if (a.length != b.length)
            return a.length > b.length;
        return a.letterSum > b.letterSum;
    });
    MoveInOrder(candidates, keys);
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
