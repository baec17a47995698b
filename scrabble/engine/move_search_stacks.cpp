// SPDX-License-Identifier: GPL-3.0-or-later
// The line scan of the games whose tiles stack. From each start of a line
// whose preceding square is empty, the pattern runs to the line's end: a
// played square gives its top letter, its height and its cross-check, an
// empty one '*' and its cross-check, and the pattern stops at the first
// empty square once every rack letter has a square. The word must reach the
// first square that is played or has a neighbour across the line, and join
// the board as a typed move must.
#include <algorithm>

#include "dictionary/dictionnaire.h"
#include "scrabble/engine/move_search.h"
#include "scrabble/engine/placement_checks.h"

namespace scrabble {

void MoveSearch::GenerateStackLineMoves(const Grid &grid, const std::string &letters, char dir,
                                        const SearchOptions &options, std::vector<Tcoup> &out) const
{
    const int size = std::min(grid.Size(), layout_.Size());
    const bool down = dir == 'V';
    const int rackLength = int(letters.size());
    std::vector<std::string> lineChecks(static_cast<std::size_t>(size));
    std::vector<std::string> crossChecks;
    std::vector<int> heights;
    std::string pattern;
    for (int line = 1; line <= size; ++line) {
        if (options.stop && options.stop())
            return;
        auto square = [&](int k) -> const Square & { return down ? grid.At(line, k) : grid.At(k, line); };
        // Every square's cross word with '*' in its place, played ones too:
        // a covering letter forms a new word across.
        for (int k = 1; k <= size; ++k) {
            int sc = 0;
            int sr = 0;
            const std::string cross = CrossWord(grid, down ? line : k, down ? k : line, dir, '*', sc, sr);
            lineChecks[std::size_t(k - 1)] = cross.size() >= 2 ? UpperCase(cross) : std::string();
        }
        for (int s = 1; s < size; ++s) {
            if (s > 1 && square(s - 1).HasTile())
                continue;
            pattern.clear();
            crossChecks.clear();
            heights.clear();
            int lettersLeft = rackLength;
            int minLength = size + 1;
            for (int k = 0; s + k <= size; ++k) {
                const Square &sq = square(s + k);
                if (sq.HasTile()) {
                    pattern += Upper(sq.letter);
                    heights.push_back(sq.height);
                } else {
                    if (--lettersLeft < 0)
                        break;
                    pattern += '*';
                    heights.push_back(0);
                }
                crossChecks.push_back(lineChecks[std::size_t(s + k - 1)]);
                if (sq.HasTile() || !crossChecks.back().empty())
                    minLength = std::min(minLength, k + 1);
            }
            if (minLength > size || pattern.size() < 2)
                continue;
            minLength = std::max(minLength, 2);
            const std::vector<std::string> words =
                dictionary_.StackableWords(letters, minLength, size + 1 - s, pattern, crossChecks, heights);
            // Covering letters alone does not join a word to the board: the
            // word reuses a letter or forms one across, as validation asks.
            for (const std::string &word : words)
                if (Connected(grid, down ? line : s, down ? s : line, dir, word))
                    out.push_back(Candidate(grid, word, dir, down ? line : s, down ? s : line, options));
        }
    }
}

} // namespace scrabble
