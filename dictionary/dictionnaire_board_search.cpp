// SPDX-License-Identifier: GPL-3.0-or-later
// The searches of the board games' computer players: the words that can be
// laid on one board line from a rack (PlaceableWords), and the TopWord
// variant where tiles may be stacked on board letters (StackableWords).
// Both walk the trie along the line and prune a branch at the first letter
// that neither matches the board, nor comes from the rack, nor passes the
// cross-check of its square.
#include <array>

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

// The rack as letter counts, the jokers ('*') last: a letter is taken and
// given back as the walk goes down and up, with no string searched or copied.
class RackCounts {
public:
    static constexpr int kJoker = 26;

    explicit RackCounts(const std::string &letters)
    {
        for (const char c : letters) {
            if (c >= 'A' && c <= 'Z')
                ++counts_[std::size_t(c - 'A')];
            else if (c == '*')
                ++counts_[kJoker];
        }
    }
    // The counter that supplies `letter` (its own, else a joker when asked);
    // -1 when none is left.
    int Supplier(char letter, bool jokers) const
    {
        if (letter >= 'A' && letter <= 'Z' && counts_[std::size_t(letter - 'A')] > 0)
            return letter - 'A';
        return jokers && counts_[kJoker] > 0 ? kJoker : -1;
    }
    void Take(int counter) { --counts_[std::size_t(counter)]; }
    void GiveBack(int counter) { ++counts_[std::size_t(counter)]; }

private:
    std::array<int, kJoker + 1> counts_{};
};

struct BoardWalk {
    const DictionnaireFile &file;
    RackCounts rack;
    const std::string &pattern;
    const std::vector<std::string> &crossChecks;
    int minLength;
    WalkBudget budget;
    std::vector<std::string> found;
    std::string word;

    // The word may end at depth d: at the line's end or before an empty square.
    bool EndsAt(std::size_t d) const { return d >= pattern.size() || pattern[d] == '*'; }

    // used: the rack letters the word takes (a word of board letters alone is none).
    void Report(const NodeBlock &block, int i, std::size_t d, int used)
    {
        if ((block.LetterByte(i) & trie::EndOfWord) != 0 && int(d) >= minLength && EndsAt(d) && used > 0)
            found.push_back(word);
    }
};

struct PlaceableWalk : BoardWalk {
    // d is the 1-based position in the pattern, tiles the tiles still allowed.
    void Group(std::uint64_t start, std::size_t d, int tiles, int used)
    {
        if (d > pattern.size() || d > std::size_t(kMaxDepth) || tiles < 0 ||
            (tiles == 0 && pattern[d - 1] == '*'))
            return;
        NodeBlock block;
        block.Load(file, start);
        for (int i = 1; block.InGroup(i) && budget.Spend(); ++i) {
            const char x = block.Letter(i);
            int supplier = -1;
            bool ok = false;
            if (pattern[d - 1] == x) {
                ok = true; // the letter is on the board
            } else if (pattern[d - 1] == '*') {
                supplier = rack.Supplier(x, true);
                ok = supplier >= 0 && PassesCrossCheck(file, crossChecks, d - 1, x, true);
            }
            if (!ok)
                continue;
            const bool joker = supplier == RackCounts::kJoker;
            const int laid = supplier >= 0 ? 1 : 0;
            if (laid)
                rack.Take(supplier);
            word.push_back(joker && x >= 'A' && x <= 'Z' ? char(x - 'A' + 'a') : x);
            Report(block, i, d, used + laid);
            if (block.Child(i) != 0)
                Group(block.Child(i), d + 1, tiles - laid, used + laid);
            word.pop_back();
            if (laid)
                rack.GiveBack(supplier);
        }
    }
};

struct StackableWalk : BoardWalk {
    const std::vector<int> &heights;

    void Group(std::uint64_t start, std::size_t d, int used)
    {
        if (d > pattern.size() || d > std::size_t(kMaxDepth))
            return;
        NodeBlock block;
        block.Load(file, start);
        for (int i = 1; block.InGroup(i) && budget.Spend(); ++i) {
            const char x = block.Letter(i);
            int supplier = -1;
            bool ok = false;
            const char square = pattern[d - 1];
            const int height = d - 1 < heights.size() ? heights[d - 1] : 0;
            if (square == x) {
                ok = true; // the stack keeps its top letter
            } else if (square == '*' || height < kMaxStackHeight) {
                // A rack letter on an empty square or on top of a lower stack.
                supplier = rack.Supplier(x, false);
                ok = supplier >= 0 && PassesCrossCheck(file, crossChecks, d - 1, x, false);
            }
            if (!ok)
                continue;
            const int laid = supplier >= 0 ? 1 : 0;
            if (laid)
                rack.Take(supplier);
            word.push_back(x);
            Report(block, i, d, used + laid);
            if (block.Child(i) != 0)
                Group(block.Child(i), d + 1, used + laid);
            word.pop_back();
            if (laid)
                rack.GiveBack(supplier);
        }
    }
};

} // namespace

TDictionnaire::SearchHold::SearchHold(const TDictionnaire &dictionary) : dictionary_(dictionary)
{
    if (dictionary_.searchHolds_++ == 0)
        dictionary_.file_.Refresh();
}

TDictionnaire::SearchHold::~SearchHold()
{
    --dictionary_.searchHolds_;
}

std::vector<std::string> TDictionnaire::PlaceableWords(const std::string &letters, int maxTiles,
                                                       int minLength,
                                                       int /*maxLength: the pattern bounds the length*/,
                                                       const std::string &pattern,
                                                       const std::vector<std::string> &crossChecks) const
{
    if (pattern.empty())
        return {};
    if (searchHolds_ == 0)
        file_.Refresh();
    if (maxTiles <= 0)
        maxTiles = int(letters.size()) + 1;
    PlaceableWalk walk{{file_,
                        RackCounts(letters),
                        pattern,
                        crossChecks,
                        EffectiveMinLength(minLength, pattern.size()),
                        WalkBudget(file_.NodeCount()),
                        {},
                        {}}};
    walk.Group(0, 1, maxTiles, 0);
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
    if (searchHolds_ == 0)
        file_.Refresh();
    StackableWalk walk{{file_,
                        RackCounts(letters),
                        pattern,
                        crossChecks,
                        EffectiveMinLength(minLength, pattern.size()),
                        WalkBudget(file_.NodeCount()),
                        {},
                        {}},
                       heights};
    walk.Group(0, 1, 0);
    return dictionnaire::SortedWithoutDuplicates(std::move(walk.found));
}
