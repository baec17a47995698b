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

constexpr std::uint32_t kEveryLetter = (1u << 26) - 1;

char Capital(char c)
{
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

// Follows `letters` from the group at `group`; false when the path breaks.
// `last` receives the last node.
bool Follow(const DictionnaireFile &file, std::uint64_t group, const std::string &letters, std::size_t from,
            std::size_t to, NodeBlock &block, dictionnaire::FoundNode &last)
{
    for (std::size_t k = from; k < to; ++k) {
        if (!dictionnaire::FindInGroup(file, group, Capital(letters[k]), block, last))
            return false;
        if (k + 1 < to) {
            if (last.child == 0)
                return false;
            group = last.child;
        }
    }
    return true;
}

// Whether the letter may go on square `position`: its bit in the square's
// cross-check mask (a square past the masks has no constraint).
bool Allowed(const std::vector<std::uint32_t> &masks, std::size_t position, char letter)
{
    if (letter < 'A' || letter > 'Z')
        return false;
    return position >= masks.size() || ((masks[position] >> (letter - 'A')) & 1u) != 0;
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
    const std::vector<std::uint32_t> &masks;
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
                ok = supplier >= 0 && Allowed(masks, d - 1, x);
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
                ok = supplier >= 0 && Allowed(masks, d - 1, x);
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

std::uint32_t TDictionnaire::CrossCheckMask(const std::string &check, bool withoutStar) const
{
    if (check.empty())
        return kEveryLetter;
    const std::size_t star = check.find('*');
    if (star == std::string::npos)
        return withoutStar ? kEveryLetter : 0;
    if (searchHolds_ == 0)
        file_.Refresh();
    // The prefix once, then each letter of its group with the suffix.
    NodeBlock block;
    dictionnaire::FoundNode last;
    std::uint64_t group = 0;
    if (star > 0) {
        if (!Follow(file_, 0, check, 0, star, block, last) || last.child == 0)
            return 0;
        group = last.child;
    }
    NodeBlock letters;
    letters.Load(file_, group);
    std::uint32_t mask = 0;
    for (int i = 1; letters.InGroup(i); ++i) {
        const char x = letters.Letter(i);
        if (x < 'A' || x > 'Z')
            continue;
        bool word = false;
        if (star + 1 == check.size())
            word = (letters.LetterByte(i) & trie::EndOfWord) != 0;
        else if (letters.Child(i) != 0)
            word = Follow(file_, letters.Child(i), check, star + 1, check.size(), block, last) &&
                   (last.letterByte & trie::EndOfWord) != 0;
        if (word)
            mask |= 1u << (x - 'A');
    }
    return mask;
}

std::vector<std::uint32_t> TDictionnaire::CrossCheckMasks(const std::vector<std::string> &checks,
                                                          bool withoutStar) const
{
    std::vector<std::uint32_t> masks;
    masks.reserve(checks.size());
    for (const std::string &check : checks)
        masks.push_back(CrossCheckMask(check, withoutStar));
    return masks;
}

std::vector<std::string> TDictionnaire::PlaceableWords(const std::string &letters, int maxTiles,
                                                       int minLength, int maxLength,
                                                       const std::string &pattern,
                                                       const std::vector<std::string> &crossChecks) const
{
    const SearchHold hold(*this);
    return PlaceableWords(letters, maxTiles, minLength, maxLength, pattern,
                          CrossCheckMasks(crossChecks, true));
}

std::vector<std::string> TDictionnaire::PlaceableWords(const std::string &letters, int maxTiles,
                                                       int minLength,
                                                       int /*maxLength: the pattern bounds the length*/,
                                                       const std::string &pattern,
                                                       const std::vector<std::uint32_t> &masks) const
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
                        masks,
                        EffectiveMinLength(minLength, pattern.size()),
                        WalkBudget(file_.NodeCount()),
                        {},
                        {}}};
    walk.Group(0, 1, maxTiles, 0);
    return dictionnaire::SortedWithoutDuplicates(std::move(walk.found));
}

std::vector<std::string> TDictionnaire::StackableWords(const std::string &letters, int minLength,
                                                       int maxLength, const std::string &pattern,
                                                       const std::vector<std::string> &crossChecks,
                                                       const std::vector<int> &heights) const
{
    const SearchHold hold(*this);
    return StackableWords(letters, minLength, maxLength, pattern, CrossCheckMasks(crossChecks, false),
                          heights);
}

std::vector<std::string> TDictionnaire::StackableWords(const std::string &letters, int minLength,
                                                       int /*maxLength: the pattern bounds the length*/,
                                                       const std::string &pattern,
                                                       const std::vector<std::uint32_t> &masks,
                                                       const std::vector<int> &heights) const
{
    if (pattern.empty())
        return {};
    if (searchHolds_ == 0)
        file_.Refresh();
    StackableWalk walk{{file_,
                        RackCounts(letters),
                        pattern,
                        masks,
                        EffectiveMinLength(minLength, pattern.size()),
                        WalkBudget(file_.NodeCount()),
                        {},
                        {}},
                       heights};
    walk.Group(0, 1, 0);
    return dictionnaire::SortedWithoutDuplicates(std::move(walk.found));
}
