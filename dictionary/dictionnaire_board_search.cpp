// SPDX-License-Identifier: GPL-3.0-or-later
// The searches of the board games' computer players: the words that can be
// laid on one board line from a rack (PlaceableWords), the TopWord variant
// where tiles may be stacked on board letters (StackableWords), and every
// word of a whole board at once (BoardWords). All walk the trie along the
// line and prune a branch at the first letter that neither matches the
// board, nor comes from the rack, nor passes the cross-check of its square.
#include <algorithm>
#include <array>
#include <bit>

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
            if (c >= 'A' && c <= 'Z') {
                ++counts_[std::size_t(c - 'A')];
                present_ |= 1u << (c - 'A');
            } else if (c == '*') {
                ++counts_[kJoker];
            }
        }
    }
    // The letters the rack can still supply (bit 0 for A): all of them while
    // a joker is left.
    std::uint32_t Letters() const { return counts_[kJoker] > 0 ? kEveryLetter : present_; }
    // The counter that supplies `letter` (its own, else a joker when asked);
    // -1 when none is left.
    int Supplier(char letter, bool jokers) const
    {
        if (letter >= 'A' && letter <= 'Z' && counts_[std::size_t(letter - 'A')] > 0)
            return letter - 'A';
        return jokers && counts_[kJoker] > 0 ? kJoker : -1;
    }
    // Takes the tile of a letter that Letters() holds (0 for A): its own,
    // else a joker; returns the counter to give it back to.
    int TakeFor(int letter)
    {
        const int counter = counts_[std::size_t(letter)] > 0 ? letter : kJoker;
        Take(counter);
        return counter;
    }
    void Take(int counter)
    {
        if (--counts_[std::size_t(counter)] == 0 && counter != kJoker)
            present_ &= ~(1u << counter);
    }
    void GiveBack(int counter)
    {
        if (counts_[std::size_t(counter)]++ == 0 && counter != kJoker)
            present_ |= 1u << counter;
    }

private:
    std::array<int, kJoker + 1> counts_{};
    std::uint32_t present_ = 0;
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

// The walk of BoardWords. The words whose first anchor is A start on the
// free squares just before it, which take any letter: what goes there (the
// left part) depends on the rack alone. So the left parts are walked once
// from the trie's root for every anchor of every line, and from each node of
// that walk the words go on from each anchor that is far enough from its
// previous one, first tested against the letters the node's group holds.
struct WholeBoardWalk {
    using Square = TDictionnaire::LineSquare;
    struct Target {
        std::size_t line;
        std::size_t anchor;
        std::size_t reach;   // the longest left part before the anchor
        std::uint32_t tile;  // the anchor's played letter (its bit), else 0
        std::uint32_t mask;  // an empty anchor's letters across, else 0
        std::size_t squares; // the length of its line
    };

    const DictionnaireFile &file;
    RackCounts rack;
    const std::vector<std::vector<Square>> &lines;
    std::vector<Target> targets; // the longest reach first
    int tiles;                   // the tiles still allowed
    WalkBudget budget;
    std::vector<TDictionnaire::LineWord> &found;
    std::string word;
    // The word being walked: its line and its first square.
    const std::vector<Square> *line = nullptr;
    std::size_t lineIndex = 0;
    std::size_t start = 0;

    // The letters that square `square` takes now (bit 0 for A).
    std::uint32_t Accepts(const Square &square) const
    {
        if (square.letter != '*')
            return square.letter >= 'A' && square.letter <= 'Z' ? 1u << (square.letter - 'A') : 0;
        return tiles > 0 ? rack.Letters() & square.mask : 0;
    }

    // A group's entries by letter, found in one scan: a node of the left
    // parts serves every anchor from it, each looking its letters up here.
    struct GroupIndex {
        std::uint32_t present = 0; // bit 0 for A
        std::array<std::uint8_t, 26> entry{};

        explicit GroupIndex(const NodeBlock &block)
        {
            for (int i = 1; block.InGroup(i); ++i) {
                const int code = block.LetterByte(i) & trie::LetterCode;
                if (code >= 1 && code <= 26 && ((present >> (code - 1)) & 1u) == 0) {
                    present |= 1u << (code - 1);
                    entry[std::size_t(code - 1)] = std::uint8_t(i);
                }
            }
        }
    };

    // The left part of `length` letters ends `word`; `group` follows it.
    void LeftPart(std::uint64_t group, std::size_t length)
    {
        NodeBlock block;
        block.Load(file, group);
        const GroupIndex index(block);
        const std::uint32_t playable = tiles > 0 ? rack.Letters() : 0;
        for (const Target &target : targets) {
            if (target.reach < length)
                break;
            const std::uint32_t letters = index.present & (target.tile | (target.mask & playable));
            if (letters == 0 || target.anchor - length + 2 > target.squares)
                continue;
            line = &lines[target.line];
            lineIndex = target.line;
            start = target.anchor - length;
            Extend(block, index, letters, target.anchor, int(length));
        }
        if (targets.empty() || targets.front().reach == length || tiles == 0)
            return;
        for (std::uint32_t letters = rack.Letters() & index.present; letters != 0 && budget.Spend();
             letters &= letters - 1) {
            const int letter = std::countr_zero(letters);
            const std::uint32_t child = block.Child(index.entry[std::size_t(letter)]);
            if (child == 0)
                continue;
            const int supplier = Lay(letter);
            LeftPart(child, length + 1);
            word.pop_back();
            Lift(supplier);
        }
    }

    // The word goes on with square p from the group in `block`, with each
    // of `letters` (those of the group that the square takes); used: the
    // rack tiles the word takes.
    void Extend(const NodeBlock &block, const GroupIndex &index, std::uint32_t letters, std::size_t p,
                int used)
    {
        if (word.size() >= std::size_t(kMaxDepth))
            return;
        const bool played = (*line)[p].letter != '*';
        for (; letters != 0 && budget.Spend(); letters &= letters - 1) {
            const int letter = std::countr_zero(letters);
            const int i = index.entry[std::size_t(letter)];
            if (played) {
                word.push_back(char('A' + letter));
                Arrive(block, i, p, used);
                word.pop_back();
            } else {
                const int supplier = Lay(letter);
                Arrive(block, i, p, used + 1);
                word.pop_back();
                Lift(supplier);
            }
        }
    }

    // The word's last letter is entry i of `block`, on square p.
    void Arrive(const NodeBlock &block, int i, std::size_t p, int used)
    {
        const bool last = p + 1 == line->size();
        if ((block.LetterByte(i) & trie::EndOfWord) != 0 && used > 0 && word.size() >= 2 &&
            (last || (*line)[p + 1].letter == '*'))
            found.push_back({int(lineIndex), int(start), word});
        if (last || block.Child(i) == 0 || word.size() >= std::size_t(kMaxDepth))
            return;
        const Square &next = (*line)[p + 1];
        NodeBlock child;
        if (next.letter != '*') {
            // A played letter: its entry alone, the scan ending there.
            child.Load(file, block.Child(i));
            for (int j = 1; child.InGroup(j) && budget.Spend(); ++j)
                if (child.Letter(j) == next.letter) {
                    word.push_back(next.letter);
                    Arrive(child, j, p + 1, used);
                    word.pop_back();
                    return;
                }
            return;
        }
        const std::uint32_t accepts = Accepts(next);
        if (accepts == 0)
            return;
        child.Load(file, block.Child(i));
        const GroupIndex index(child);
        Extend(child, index, index.present & accepts, p + 1, used);
    }

    // Puts a rack tile for the letter (0 for A) at the end of the word: a
    // joker's letter in lower case.
    int Lay(int letter)
    {
        const int supplier = rack.TakeFor(letter);
        --tiles;
        word.push_back(char((supplier == RackCounts::kJoker ? 'a' : 'A') + letter));
        return supplier;
    }
    void Lift(int supplier)
    {
        ++tiles;
        rack.GiveBack(supplier);
    }
};

// The order of BoardWords' results: by line, by first square, then as the
// other searches sort (letters without regard to case). The first twelve
// letters are packed five bits each, so that most comparisons are one or two
// integer comparisons; the words hold letters only.
struct FoundKey {
    std::uint64_t place;
    std::uint64_t letters;
    std::uint32_t index;

    FoundKey(const TDictionnaire::LineWord &found, std::uint32_t i)
        : place(std::uint64_t(std::uint32_t(found.line)) << 32 | std::uint32_t(found.start)), letters(0),
          index(i)
    {
        for (std::size_t k = 0; k < 12; ++k) {
            const char c = k < found.word.size() ? found.word[k] : 0;
            const int code = c >= 'a' && c <= 'z' ? c - 'a' + 1 : c >= 'A' && c <= 'Z' ? c - 'A' + 1 : 0;
            letters = letters << 5 | std::uint64_t(code);
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

std::vector<TDictionnaire::LineWord>
TDictionnaire::BoardWords(const std::string &letters, int maxTiles,
                          const std::vector<std::vector<LineSquare>> &lines) const
{
    std::vector<LineWord> found;
    if (searchHolds_ == 0)
        file_.Refresh();
    if (maxTiles <= 0)
        maxTiles = int(letters.size()) + 1;
    WholeBoardWalk walk{file_, RackCounts(letters), lines, {}, maxTiles, WalkBudget(0), found, {}};
    const std::size_t reach = std::size_t(std::max(0, std::min(maxTiles, int(letters.size()))));
    for (std::size_t l = 0; l < lines.size(); ++l) {
        const std::vector<LineSquare> &line = lines[l];
        // first: where the words whose first anchor is `a` may start, after
        // the previous anchor (beyond the square next to it for a tile).
        std::size_t first = 0;
        for (std::size_t a = 0; a < line.size(); ++a) {
            if (!line[a].anchor)
                continue;
            if (first <= a && walk.Accepts(line[a]) != 0) {
                const bool played = line[a].letter != '*';
                walk.targets.push_back({l, a, a - std::max(first, a > reach ? a - reach : 0),
                                        played ? walk.Accepts(line[a]) : 0, played ? 0 : line[a].mask,
                                        line.size()});
            }
            first = line[a].letter != '*' ? a + 2 : a + 1;
        }
    }
    if (walk.targets.empty())
        return found;
    std::stable_sort(
        walk.targets.begin(), walk.targets.end(),
        [](const WholeBoardWalk::Target &x, const WholeBoardWalk::Target &y) { return x.reach > y.reach; });
    walk.budget = WalkBudget((walk.targets.size() + 1) * file_.NodeCount());
    walk.LeftPart(0, 0);

    std::vector<FoundKey> keys;
    keys.reserve(found.size());
    for (std::size_t i = 0; i < found.size(); ++i)
        keys.emplace_back(found[i], std::uint32_t(i));
    const auto before = [&found](const FoundKey &x, const FoundKey &y) {
        if (x.place != y.place)
            return x.place < y.place;
        if (x.letters != y.letters)
            return x.letters < y.letters;
        return dictionnaire::LessIgnoringCase(found[x.index].word, found[y.index].word);
    };
    std::stable_sort(keys.begin(), keys.end(), before);
    std::vector<LineWord> sorted;
    sorted.reserve(found.size());
    for (std::size_t i = 0; i < keys.size(); ++i)
        // One version of the words equal without regard to case (the first found).
        if (i == 0 || before(keys[i - 1], keys[i]))
            sorted.push_back(std::move(found[keys[i].index]));
    return sorted;
}
