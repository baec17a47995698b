// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/engine/move_search.h"

#include <algorithm>
#include <set>
#include <tuple>

#include "dictionary/dictionnaire.h"
#include "scrabble/engine/placement_checks.h"

namespace scrabble {

MoveSearch::MoveSearch(const TDictionnaire &dictionary, const BoardLayout &layout, const ScoringRules &rules)
    : dictionary_(dictionary), layout_(layout), rules_(rules)
{
}

MoveSearch::MoveSearch(const TDictionnaire &dictionary, const GameRules &rules)
    : dictionary_(dictionary), layout_(*rules.layout), rules_(*rules.scoring),
      openingStarts_(rules.openingStarts), openingMinLength_(rules.openingMinLength),
      maxStackHeight_(rules.maxStackHeight)
{
}

std::vector<Tcoup> MoveSearch::GenerateMoves(const Grid &grid, const std::string &letters,
                                             const SearchOptions &options) const
{
    const TDictionnaire::SearchHold hold(dictionary_);
    std::vector<Tcoup> candidates;
    candidates.reserve(200);
    if (options.variant != Variant::Problem)
        candidates.push_back(Tcoup::MakePass(options.player));
    if (options.variant == Variant::Classic && options.bagSize > 6 && !letters.empty())
        candidates.push_back(Tcoup::MakeExchange(options.player, letters));
    if (options.opening) {
        GenerateOpeningMoves(grid, letters, options, candidates);
    } else {
        GenerateLineMoves(grid, letters, 'V', options, candidates);
        GenerateLineMoves(grid, letters, 'H', options, candidates);
    }
    SortCandidates(candidates, options.variant, rules_.letterValue);
    return candidates;
}

Tcoup MoveSearch::Candidate(const Grid &grid, const std::string &word, char dir, int col, int row,
                            const SearchOptions &options) const
{
    Tcoup move = Tcoup::Placement(options.player, word, dir, col, row, grid, layout_, rules_, options.side);
    if (options.variant == Variant::Duplicate)
        move.Openness = Openness(grid, move);
    if (options.adjust)
        options.adjust(move, grid);
    return move;
}

void MoveSearch::GenerateLineMoves(const Grid &grid, const std::string &letters, char dir,
                                   const SearchOptions &options, std::vector<Tcoup> &out) const
{
    const int size = std::min(grid.Size(), layout_.Size());
    const int along = dir == 'V' ? 1 : 0; // 1: squares of the line go down
    const int rackLength = int(letters.size());
    // On a board whose tiles stack, a word may also cover played letters:
    // a played square gives its height and the cross-check of the letter
    // that would cover it, and the dictionary's stackable query answers.
    const bool stacks = maxStackHeight_ > 1;
    std::vector<std::string> lineChecks(static_cast<std::size_t>(size));
    std::vector<std::uint32_t> lineMasks(static_cast<std::size_t>(size));
    std::vector<std::uint32_t> masks;
    std::vector<int> heights;
    std::string pattern;
    for (int line = 1; line <= size; ++line) {
        if (options.stop && options.stop())
            return;
        auto square = [&](int k) -> const Square & { // k: 1-based position along the line
            return along ? grid.At(line, k) : grid.At(k, line);
        };
        // The cross-word constraint of each square a letter may go on: the
        // tiles on both sides of it across the line, '*' in its place. A
        // played joker enters the constraint, like the pattern, by its
        // upper-cased letter: the dictionary holds capitals only.
        for (int k = 1; k <= size; ++k) {
            std::string &check = lineChecks[std::size_t(k - 1)];
            check.clear();
            if (square(k).HasTile() && !stacks)
                continue;
            const int col = along ? line : k;
            const int row = along ? k : line;
            int sc = 0;
            int sr = 0;
            const std::string cross = CrossWord(grid, col, row, dir, '*', sc, sr);
            if (cross.size() >= 2)
                check = UpperCase(cross);
        }
        // Each square's letters across, worked out once for all the starts.
        for (int k = 1; k <= size; ++k)
            lineMasks[std::size_t(k - 1)] =
                dictionary_.CrossCheckMask(lineChecks[std::size_t(k - 1)], !stacks);
        for (int s = 1; s < size; ++s) {
            if (s > 1 && square(s - 1).HasTile())
                continue;
            pattern.clear();
            masks.clear();
            heights.clear();
            int lettersLeft = rackLength;
            int minLength = size + 1;
            for (int k = 0; s + k <= size; ++k) {
                const Square &sq = square(s + k);
                if (sq.HasTile()) {
                    pattern += Upper(sq.letter);
                    masks.push_back(lineMasks[std::size_t(s + k - 1)]);
                    heights.push_back(sq.height);
                    minLength = std::min(minLength, k + 1);
                } else {
                    if (--lettersLeft < 0)
                        break;
                    pattern += '*';
                    masks.push_back(lineMasks[std::size_t(s + k - 1)]);
                    heights.push_back(0);
                    if (!lineChecks[std::size_t(s + k - 1)].empty())
                        minLength = std::min(minLength, k + 1);
                }
            }
            // No word of a single letter: a lone tile forms its word in the
            // other direction, where the search finds it.
            if (minLength > size || pattern.size() < 2)
                continue;
            minLength = std::max(minLength, 2);
            const std::vector<std::string> words =
                stacks ? dictionary_.StackableWords(letters, minLength, size + 1 - s, pattern, masks, heights)
                       : dictionary_.PlaceableWords(letters, options.maxTiles, minLength, size + 1 - s,
                                                    pattern, masks);
            const int col = along ? line : s;
            const int row = along ? s : line;
            for (std::string word : words) {
                // Covering letters alone does not join a word to the board:
                // it reuses a letter or forms one across, as validation asks.
                if (stacks && !Connected(grid, col, row, dir, word))
                    continue;
                // Board letters come back in capitals: a played joker keeps its lower case.
                for (std::size_t k = 0; k < word.size(); ++k)
                    if (pattern[k] == word[k])
                        word[k] = square(s + int(k)).letter;
                out.push_back(Candidate(grid, word, dir, col, row, options));
            }
        }
    }
}

void MoveSearch::GenerateOpeningMoves(const Grid &grid, const std::string &letters,
                                      const SearchOptions &options, std::vector<Tcoup> &out) const
{
    const int size = std::min(grid.Size(), layout_.Size());
    const std::string pattern(std::size_t(size), '*');
    const std::vector<std::string> crossChecks(static_cast<std::size_t>(size));
    const std::vector<std::string> words =
        dictionary_.PlaceableWords(letters, options.maxTiles, openingMinLength_, size, pattern, crossChecks);
    if (!openingStarts_.empty()) {
        // Words laid from given squares in given directions.
        for (const GameRules::OpeningStart &start : openingStarts_)
            for (const std::string &word : words)
                if (int(word.size()) <= size + 1 - (start.dir == 'V' ? start.row : start.col))
                    out.push_back(Candidate(grid, word, start.dir, start.col, start.row, options));
        return;
    }
    // Each placement once, however many starting squares it covers.
    std::set<std::tuple<std::size_t, char, int, int>> seen;
    const auto firstTime = [&](char dir, int col, int row, std::size_t wordIndex) {
        return layout_.StartSquares().size() == 1 || seen.insert({wordIndex, dir, col, row}).second;
    };
    for (const SquarePos &start : layout_.StartSquares()) {
        const int cc = start.col;
        const int cr = start.row;
        for (std::size_t w = 0; w < words.size(); ++w) {
            const std::string &word = words[w];
            const int length = int(word.size());
            for (int b = 1; b <= length; ++b) {
                if (cr + 1 - b >= 1 && cr - b + length <= size && firstTime('V', cc, cr + 1 - b, w))
                    out.push_back(Candidate(grid, word, 'V', cc, cr + 1 - b, options));
                if (cc + 1 - b >= 1 && cc - b + length <= size && firstTime('H', cc + 1 - b, cr, w))
                    out.push_back(Candidate(grid, word, 'H', cc + 1 - b, cr, options));
            }
        }
    }
}

} // namespace scrabble
