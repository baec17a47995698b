// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference_move_search.h"

#include <algorithm>

#include "dictionary/dictionnaire.h"
#include "dictionary/dictionnaire_lookup.h"
#include "dictionary/dictionnaire_walk.h"
#include "dictionary/word_search_results.h"
#include "scrabble/engine/placement_checks.h"

using dictionnaire::DictionnaireFile;
using dictionnaire::NodeBlock;
using namespace scrabble;

namespace scrabble_test {

namespace {

constexpr int kMaxStackHeight = 5;

// True when the square has no cross-check, else whether the cross word with
// `letter` in place of its '*' is stored.
bool PassesCrossCheck(const DictionnaireFile &file, const std::vector<std::string> &crossChecks,
                      std::size_t position, char letter, bool withoutStar)
{
    if (position >= crossChecks.size() || crossChecks[position].empty())
        return true;
    std::string crossWord = crossChecks[position];
    const std::size_t star = crossWord.find('*');
    if (star == std::string::npos)
        return withoutStar;
    crossWord[star] = letter;
    return dictionnaire::StoredWord(file, crossWord);
}

struct Walk {
    const DictionnaireFile &file;
    const std::string &letters;
    const std::string &pattern;
    const std::vector<std::string> &crossChecks;
    const std::vector<int> *heights; // null: no stacks
    int minLength;
    std::vector<std::string> found;
    std::string word;

    void Report(const NodeBlock &block, int i, std::size_t d, const std::string &rack)
    {
        if ((block.LetterByte(i) & trie::EndOfWord) != 0 && int(d) >= minLength &&
            (d >= pattern.size() || pattern[d] == '*') && rack != letters)
            found.push_back(word);
    }

    // d: the 1-based position in the pattern; tiles: the tiles still allowed.
    void Group(std::uint64_t start, std::size_t d, int tiles, const std::string &rack)
    {
        if (d > pattern.size() || d > std::size_t(dictionnaire::kMaxDepth) || tiles < 0 ||
            (heights == nullptr && tiles == 0 && pattern[d - 1] == '*'))
            return;
        NodeBlock block;
        block.Load(file, start);
        for (int i = 1; block.InGroup(i); ++i) {
            const char x = block.Letter(i);
            const char square = pattern[d - 1];
            std::string rest = rack;
            bool joker = false;
            bool ok = false;
            if (square == x) {
                ok = true;
            } else if (heights == nullptr && square == '*') {
                std::size_t tile = rest.find(x);
                if (tile == std::string::npos) {
                    joker = true;
                    tile = rest.find('*');
                }
                if (tile != std::string::npos) {
                    rest[tile] = '#';
                    ok = PassesCrossCheck(file, crossChecks, d - 1, x, true);
                }
            } else if (heights != nullptr && (square == '*' || (*heights)[d - 1] < kMaxStackHeight)) {
                const std::size_t tile = rest.find(x);
                if (tile != std::string::npos) {
                    rest[tile] = '#';
                    ok = PassesCrossCheck(file, crossChecks, d - 1, x, false);
                }
            }
            if (!ok)
                continue;
            word.push_back(joker && x >= 'A' && x <= 'Z' ? char(x - 'A' + 'a') : x);
            Report(block, i, d, rest);
            if (block.Child(i) != 0)
                Group(block.Child(i), d + 1, tiles - (rest != rack ? 1 : 0), rest);
            word.pop_back();
        }
    }
};

} // namespace

ReferenceMoveSearch::ReferenceMoveSearch(const TDictionnaire &dictionary, const GameRules &rules)
    : rules_(rules)
{
    file_.Open(dictionary.FileName(), false);
    file_.Refresh();
}

std::vector<std::string>
ReferenceMoveSearch::PlaceableWords(const std::string &letters, int maxTiles, int minLength,
                                    const std::string &pattern,
                                    const std::vector<std::string> &crossChecks) const
{
    if (maxTiles <= 0)
        maxTiles = int(letters.size()) + 1;
    Walk walk{file_, letters, pattern, crossChecks, nullptr, std::min<int>(minLength, int(pattern.size())),
              {},    {}};
    walk.Group(0, 1, maxTiles, letters);
    return dictionnaire::SortedWithoutDuplicates(std::move(walk.found));
}

std::vector<std::string> ReferenceMoveSearch::StackableWords(const std::string &letters, int minLength,
                                                             const std::string &pattern,
                                                             const std::vector<std::string> &crossChecks,
                                                             const std::vector<int> &heights) const
{
    Walk walk{file_, letters, pattern, crossChecks, &heights, std::min<int>(minLength, int(pattern.size())),
              {},    {}};
    walk.Group(0, 1, int(letters.size()) + 1, letters);
    return dictionnaire::SortedWithoutDuplicates(std::move(walk.found));
}

Tcoup ReferenceMoveSearch::Candidate(const Grid &grid, const std::string &word, char dir, int col, int row,
                                     const SearchOptions &options) const
{
    Tcoup move = Tcoup::Placement(options.player, word, dir, col, row, grid, *rules_.layout, *rules_.scoring,
                                  options.side);
    if (options.variant == Variant::Duplicate)
        move.Openness = Openness(grid, move);
    if (options.adjust)
        options.adjust(move, grid);
    return move;
}

std::vector<Tcoup> ReferenceMoveSearch::GenerateMoves(const Grid &grid, const std::string &letters,
                                                      const SearchOptions &options) const
{
    // A Pass (but in problems) and an Exchange (classic game, bag above 6)
    // before the words, which the unstable sort below may see in ties.
    std::vector<Tcoup> candidates;
    const bool pass = options.variant != Variant::Problem;
    const bool exchange = options.variant == Variant::Classic && options.bagSize > 6 && !letters.empty();
    if (pass)
        candidates.push_back(Tcoup::MakePass(options.player));
    if (exchange)
        candidates.push_back(Tcoup::MakeExchange(options.player, letters));
    if (options.opening)
        OpeningMoves(grid, letters, options, candidates);
    else
        for (const char dir : {'V', 'H'})
            LineMoves(grid, letters, dir, options, candidates);
    const auto value = rules_.scoring->letterValue;
    std::sort(candidates.begin(), candidates.end(),
              [&](const Tcoup &a, const Tcoup &b) { return CompareMoves(a, b, options.variant, value) < 0; });
    return candidates;
}

void ReferenceMoveSearch::LineMoves(const Grid &grid, const std::string &letters, char dir,
                                    const SearchOptions &options, std::vector<Tcoup> &out) const
{
    const int size = std::min(grid.Size(), rules_.layout->Size());
    const int along = dir == 'V' ? 1 : 0;
    const bool stacks = rules_.maxStackHeight > 1;
    for (int line = 1; line <= size; ++line) {
        auto square = [&](int k) -> const Square & { return along ? grid.At(line, k) : grid.At(k, line); };
        std::vector<std::string> lineChecks(static_cast<std::size_t>(size));
        for (int k = 1; k <= size; ++k) {
            if (square(k).HasTile() && !stacks)
                continue;
            int sc = 0;
            int sr = 0;
            const std::string cross = CrossWord(grid, along ? line : k, along ? k : line, dir, '*', sc, sr);
            if (cross.size() >= 2)
                lineChecks[std::size_t(k - 1)] = UpperCase(cross);
        }
        for (const LineStart &start : LineStarts(grid, dir, line, size, int(letters.size()), lineChecks)) {
            const auto from = lineChecks.begin() + (start.start - 1);
            const std::vector<std::string> crossChecks(from, from + std::ptrdiff_t(start.pattern.size()));
            const std::vector<std::string> words =
                stacks
                    ? StackableWords(letters, start.minLength, start.pattern, crossChecks, start.heights)
                    : PlaceableWords(letters, options.maxTiles, start.minLength, start.pattern, crossChecks);
            const int col = along ? line : start.start;
            const int row = along ? start.start : line;
            for (std::string word : words) {
                if (stacks && !Connected(grid, col, row, dir, word))
                    continue;
                PutBackBoardLetters(grid, dir, line, start, word);
                out.push_back(Candidate(grid, word, dir, col, row, options));
            }
        }
    }
}

void ReferenceMoveSearch::OpeningMoves(const Grid &grid, const std::string &letters,
                                       const SearchOptions &options, std::vector<Tcoup> &out) const
{
    const int size = std::min(grid.Size(), rules_.layout->Size());
    const std::vector<std::string> words = PlaceableWords(letters, options.maxTiles, rules_.openingMinLength,
                                                          std::string(std::size_t(size), '*'), {});
    // The placements are the engine's: only the words are the reference's.
    for (const OpeningPlacement &place : OpeningPlacements(words, *rules_.layout, rules_.openingStarts, size))
        out.push_back(Candidate(grid, words[place.word], place.dir, place.col, place.row, options));
}

} // namespace scrabble_test
