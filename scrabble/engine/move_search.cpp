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
    } else if (maxStackHeight_ > 1) {
        GenerateStackedLineMoves(grid, letters, 'V', options, candidates);
        GenerateStackedLineMoves(grid, letters, 'H', options, candidates);
    } else {
        GenerateWordMoves(grid, letters, "VH", options, candidates);
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

namespace {

// The cross-word constraint of each square of a line that a letter may go
// on: the tiles on both sides of it across the line, '*' in its place (empty
// when it has no neighbour across). A played joker enters the constraint,
// like the pattern, by its upper-cased letter: the dictionary holds capitals
// only. On a board whose tiles stack, played squares have theirs too.
void LineChecks(const Grid &grid, char dir, int line, int size, bool stacks, std::vector<std::string> &checks)
{
    const int along = dir == 'V' ? 1 : 0; // 1: squares of the line go down
    const int dc = StepCol(Across(dir));
    const int dr = StepRow(Across(dir));
    for (int k = 1; k <= size; ++k) {
        std::string &check = checks[std::size_t(k - 1)];
        check.clear();
        const int col = along ? line : k;
        const int row = along ? k : line;
        if ((grid.HasTile(col, row) && !stacks) ||
            (!grid.HasTile(col - dc, row - dr) && !grid.HasTile(col + dc, row + dr)))
            continue;
        int sc = 0;
        int sr = 0;
        check = UpperCase(CrossWord(grid, col, row, dir, '*', sc, sr));
    }
}

} // namespace

void MoveSearch::GenerateLineMoves(const Grid &grid, const std::string &letters, char dir,
                                   const SearchOptions &options, std::vector<Tcoup> &out) const
{
    if (maxStackHeight_ > 1)
        GenerateStackedLineMoves(grid, letters, dir, options, out);
    else
        GenerateWordMoves(grid, letters, std::string(1, dir), options, out);
}

void MoveSearch::GenerateWordMoves(const Grid &grid, const std::string &letters, const std::string &dirs,
                                   const SearchOptions &options, std::vector<Tcoup> &out) const
{
    const int size = std::min(grid.Size(), layout_.Size());
    // Every line that holds an anchor, in one query: its squares, their
    // letters across (each worked out once) and the anchors a word must
    // cover to join the board.
    struct LinePlace {
        char dir;
        int line;
    };
    std::vector<std::vector<TDictionnaire::LineSquare>> lines;
    std::vector<LinePlace> places;
    std::vector<std::string> checks(static_cast<std::size_t>(size));
    for (const char dir : dirs)
        for (int line = 1; line <= size; ++line) {
            if (options.stop && options.stop())
                break;
            LineChecks(grid, dir, line, size, false, checks);
            std::vector<TDictionnaire::LineSquare> squares(static_cast<std::size_t>(size));
            bool anchors = false;
            for (int k = 1; k <= size; ++k) {
                const Square &at = dir == 'V' ? grid.At(line, k) : grid.At(k, line);
                const std::string &check = checks[std::size_t(k - 1)];
                TDictionnaire::LineSquare &square = squares[std::size_t(k - 1)];
                square.letter = at.HasTile() ? Upper(at.letter) : '*';
                square.mask = dictionary_.CrossCheckMask(check, true);
                square.anchor = at.HasTile() || !check.empty();
                anchors = anchors || square.anchor;
            }
            if (anchors) {
                lines.push_back(std::move(squares));
                places.push_back({dir, line});
            }
        }
    std::vector<TDictionnaire::LineWord> found = dictionary_.BoardWords(letters, options.maxTiles, lines);
    out.reserve(out.size() + found.size());
    for (TDictionnaire::LineWord &word : found) {
        const LinePlace place = places[std::size_t(word.line)];
        const int col = place.dir == 'V' ? place.line : word.start + 1;
        const int row = place.dir == 'V' ? word.start + 1 : place.line;
        // Board letters come back in capitals: a played joker keeps its lower case.
        for (std::size_t k = 0; k < word.word.size(); ++k) {
            const Square &at = place.dir == 'V' ? grid.At(col, row + int(k)) : grid.At(col + int(k), row);
            if (at.HasTile())
                word.word[k] = at.letter;
        }
        out.push_back(Candidate(grid, word.word, place.dir, col, row, options));
    }
}

std::vector<LineStart> LineStarts(const Grid &grid, char dir, int line, int size, int rackLength,
                                  const std::vector<std::string> &checks)
{
    auto square = [&](int k) -> const Square & { // k: 1-based position along the line
        return dir == 'V' ? grid.At(line, k) : grid.At(k, line);
    };
    std::vector<LineStart> starts;
    for (int s = 1; s < size; ++s) {
        if (s > 1 && square(s - 1).HasTile())
            continue;
        LineStart start;
        start.start = s;
        int lettersLeft = rackLength;
        int minLength = size + 1;
        for (int k = 0; s + k <= size; ++k) {
            const Square &sq = square(s + k);
            if (!sq.HasTile() && --lettersLeft < 0)
                break;
            start.pattern += sq.HasTile() ? Upper(sq.letter) : '*';
            start.heights.push_back(sq.HasTile() ? sq.height : 0);
            if (sq.HasTile() || !checks[std::size_t(s + k - 1)].empty())
                minLength = std::min(minLength, k + 1);
        }
        // No word of a single letter: a lone tile forms its word in the
        // other direction, where the search finds it.
        if (minLength > size || start.pattern.size() < 2)
            continue;
        start.minLength = std::max(minLength, 2);
        starts.push_back(std::move(start));
    }
    return starts;
}

void PutBackBoardLetters(const Grid &grid, char dir, int line, const LineStart &start, std::string &word)
{
    for (std::size_t k = 0; k < word.size() && k < start.pattern.size(); ++k)
        if (start.pattern[k] == word[k]) {
            const int at = start.start + int(k);
            word[k] = (dir == 'V' ? grid.At(line, at) : grid.At(at, line)).letter;
        }
}

void MoveSearch::GenerateStackedLineMoves(const Grid &grid, const std::string &letters, char dir,
                                          const SearchOptions &options, std::vector<Tcoup> &out) const
{
    // A word may also cover played letters: a played square gives its
    // height and the cross-check of the letter that would cover it, and the
    // dictionary's stackable query answers.
    const int size = std::min(grid.Size(), layout_.Size());
    std::vector<std::string> lineChecks(static_cast<std::size_t>(size));
    std::vector<std::uint32_t> lineMasks(static_cast<std::size_t>(size));
    for (int line = 1; line <= size; ++line) {
        if (options.stop && options.stop())
            return;
        LineChecks(grid, dir, line, size, true, lineChecks);
        // Each square's letters across, worked out once for all the starts.
        for (int k = 1; k <= size; ++k)
            lineMasks[std::size_t(k - 1)] = dictionary_.CrossCheckMask(lineChecks[std::size_t(k - 1)], false);
        for (const LineStart &start : LineStarts(grid, dir, line, size, int(letters.size()), lineChecks)) {
            const auto from = lineMasks.begin() + (start.start - 1);
            const std::vector<std::uint32_t> masks(from, from + std::ptrdiff_t(start.pattern.size()));
            const int col = dir == 'V' ? line : start.start;
            const int row = dir == 'V' ? start.start : line;
            for (std::string word : dictionary_.StackableWords(
                     letters, start.minLength, size + 1 - start.start, start.pattern, masks, start.heights)) {
                // Covering letters alone does not join a word to the board:
                // it reuses a letter or forms one across, as validation asks.
                if (!Connected(grid, col, row, dir, word))
                    continue;
                PutBackBoardLetters(grid, dir, line, start, word);
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
    for (const OpeningPlacement &place : OpeningPlacements(words, layout_, openingStarts_, size))
        out.push_back(Candidate(grid, words[place.word], place.dir, place.col, place.row, options));
}

std::vector<OpeningPlacement> OpeningPlacements(const std::vector<std::string> &words,
                                                const BoardLayout &layout,
                                                const std::vector<GameRules::OpeningStart> &starts, int size)
{
    std::vector<OpeningPlacement> places;
    if (!starts.empty()) {
        // Words laid from given squares in given directions.
        for (const GameRules::OpeningStart &start : starts)
            for (std::size_t w = 0; w < words.size(); ++w)
                if (int(words[w].size()) <= size + 1 - (start.dir == 'V' ? start.row : start.col))
                    places.push_back({w, start.dir, start.col, start.row});
        return places;
    }
    // Each placement once, however many starting squares it covers.
    std::set<std::tuple<std::size_t, char, int, int>> seen;
    const auto firstTime = [&](char dir, int col, int row, std::size_t wordIndex) {
        return layout.StartSquares().size() == 1 || seen.insert({wordIndex, dir, col, row}).second;
    };
    for (const SquarePos &start : layout.StartSquares()) {
        const int cc = start.col;
        const int cr = start.row;
        for (std::size_t w = 0; w < words.size(); ++w) {
            const int length = int(words[w].size());
            for (int b = 1; b <= length; ++b) {
                if (cr + 1 - b >= 1 && cr - b + length <= size && firstTime('V', cc, cr + 1 - b, w))
                    places.push_back({w, 'V', cc, cr + 1 - b});
                if (cc + 1 - b >= 1 && cc - b + length <= size && firstTime('H', cc + 1 - b, cr, w))
                    places.push_back({w, 'H', cc + 1 - b, cr});
            }
        }
    }
    return places;
}

} // namespace scrabble
