// SPDX-License-Identifier: GPL-3.0-or-later
// The searches of the board games' computer players: the words that can be
// laid on one board line from a rack (PlaceableWords), and the TopWord
// variant where tiles may be stacked on board letters (StackableWords).
// Both walk the trie along the line and prune a branch at the first letter
// that neither matches the board, nor comes from the rack, nor passes the
// cross-check of its square.
#include "dictionary/dictionnaire.h"
#include "dictionary/dictionnaire_lookup.h"
#include "dictionary/dictionnaire_walk.h"
#include "dictionary/word_search_results.h"

using dictionnaire::DictionnaireFile;
using dictionnaire::kMaxDepth;
using dictionnaire::NodeBlock;
using dictionnaire::WalkBudget;

namespace {

constexpr int kMaxStackHeight = 5;

int EffectiveMinLength(int minLength, std::size_t patternLength)
{
    if (minLength <= 0)
        minLength = 2;
    return std::min<int>(minLength, int(patternLength));
}

// The cross-check of a square that a letter is placed on: true when there is
// none, else whether the cross word with `letter` in place of its '*' is
// stored. `withoutStar` is the answer for a cross-check that has no '*'.
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

struct BoardWalk {
    const DictionnaireFile &file;
    const std::string &letters;
    const std::string &pattern;
    const std::vector<std::string> &crossChecks;
    int minLength;
    WalkBudget budget;
    std::vector<std::string> found;
    std::string word;

    // The word may end at depth d: at the line's end or before an empty square.
    bool EndsAt(std::size_t d) const { return d >= pattern.size() || pattern[d] == '*'; }

    void Report(const NodeBlock &block, int i, std::size_t d, const std::string &rack)
    {
        if ((block.LetterByte(i) & trie::EndOfWord) != 0 && int(d) >= minLength && EndsAt(d) &&
            rack != letters)
            found.push_back(word);
    }
};

struct PlaceableWalk : BoardWalk {
    // d is the 1-based position in the pattern, budget the tiles still allowed.
    void Group(std::uint64_t start, std::size_t d, int tiles, const std::string &rack)
    {
        if (d > pattern.size() || d > std::size_t(kMaxDepth) || tiles < 0 ||
            (tiles == 0 && pattern[d - 1] == '*'))
            return;
        NodeBlock block;
        block.Load(file, start);
        for (int i = 1; block.InGroup(i) && budget.Spend(); ++i) {
            const char x = block.Letter(i);
            std::string rest = rack;
            int restTiles = tiles;
            bool joker = false;
            bool ok = false;
            if (pattern[d - 1] == x) {
                ok = true; // the letter is on the board
            } else if (pattern[d - 1] == '*') {
                std::size_t tile = rest.find(x);
                if (tile == std::string::npos) {
                    joker = true;
                    tile = rest.find('*');
                }
                if (tile != std::string::npos) {
                    rest[tile] = '#';
                    --restTiles;
                    ok = PassesCrossCheck(file, crossChecks, d - 1, x, true);
                }
            }
            if (!ok)
                continue;
            word.push_back(joker && x >= 'A' && x <= 'Z' ? char(x - 'A' + 'a') : x);
            Report(block, i, d, rest);
            if (block.Child(i) != 0)
                Group(block.Child(i), d + 1, restTiles, rest);
            word.pop_back();
        }
    }
};

struct StackableWalk : BoardWalk {
    const std::vector<int> &heights;

    void Group(std::uint64_t start, std::size_t d, const std::string &rack)
    {
        if (d > pattern.size() || d > std::size_t(kMaxDepth))
            return;
        NodeBlock block;
        block.Load(file, start);
        for (int i = 1; block.InGroup(i) && budget.Spend(); ++i) {
            const char x = block.Letter(i);
            std::string rest = rack;
            bool ok = false;
            const char square = pattern[d - 1];
            const int height = d - 1 < heights.size() ? heights[d - 1] : 0;
            if (square == x) {
                ok = true; // the stack keeps its top letter
            } else if (square == '*' || height < kMaxStackHeight) {
                // A rack letter on an empty square or on top of a lower stack.
                const std::size_t tile = rest.find(x);
                if (tile != std::string::npos) {
                    rest[tile] = '#';
                    ok = PassesCrossCheck(file, crossChecks, d - 1, x, false);
                }
            }
            if (!ok)
                continue;
            word.push_back(x);
            Report(block, i, d, rest);
            if (block.Child(i) != 0)
                Group(block.Child(i), d + 1, rest);
            word.pop_back();
        }
    }
};

} // namespace

std::vector<std::string> TDictionnaire::PlaceableWords(const std::string &letters, int maxTiles,
                                                       int minLength,
                                                       int /*maxLength: the pattern bounds the length*/,
                                                       const std::string &pattern,
                                                       const std::vector<std::string> &crossChecks) const
{
    if (pattern.empty())
        return {};
    file_.Refresh();
    if (maxTiles <= 0)
        maxTiles = int(letters.size()) + 1;
    PlaceableWalk walk{{file_,
                        letters,
                        pattern,
                        crossChecks,
                        EffectiveMinLength(minLength, pattern.size()),
                        WalkBudget(file_.NodeCount()),
                        {},
                        {}}};
    walk.Group(0, 1, maxTiles, letters);
    return dictionnaire::SortedWithoutDuplicates(std::move(walk.found));
}

std::vector<std::string> TDictionnaire::StackableWords(const std::string &letters, int minLength,
                                                       int /*maxLength: the pattern bounds the length*/,
                                                       const std::string &pattern,
                                                       const std::vector<std::string> &crossChecks,
                                                       const std::vector<int> &heights) const
{
    if (pattern.empty())
        return {};
    file_.Refresh();
    StackableWalk walk{{file_,
                        letters,
                        pattern,
                        crossChecks,
                        EffectiveMinLength(minLength, pattern.size()),
                        WalkBudget(file_.NodeCount()),
                        {},
                        {}},
                       heights};
    walk.Group(0, 1, letters);
    return dictionnaire::SortedWithoutDuplicates(std::move(walk.found));
}
