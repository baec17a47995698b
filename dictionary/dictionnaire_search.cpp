// SPDX-License-Identifier: GPL-3.0-or-later
// The searches of the word tools and of the hidden-word draws: words starting
// with a pattern, words matching a pattern, anagrams of a rack and random
// words. Each is one depth-first walk that prunes a branch as soon as the
// constraint fails; groups are read from the file as they are visited.
#include <chrono>
#include <random>
#include <set>

#include "dictionary/dictionnaire.h"
#include "dictionary/dictionnaire_walk.h"
#include "dictionary/word_search_results.h"

using dictionnaire::DictionnaireFile;
using dictionnaire::kMaxDepth;
using dictionnaire::NodeBlock;
using dictionnaire::WalkBudget;

namespace {

char JokerLetter(char upper)
{
    return upper >= 'A' && upper <= 'Z' ? char(upper - 'A' + 'a') : upper;
}

bool HasEndOfWord(const NodeBlock &block, int i)
{
    return (block.LetterByte(i) & trie::EndOfWord) != 0;
}

struct StartingWalk {
    const DictionnaireFile &file;
    WalkBudget budget;
    std::vector<std::string> found;
    std::string word;

    // `pattern` is never empty: an exhausted pattern counts as "*".
    void Group(std::uint64_t start, std::string_view pattern, int depth)
    {
        if (depth >= kMaxDepth)
            return;
        NodeBlock block;
        block.Load(file, start);
        for (int i = 1; block.InGroup(i) && budget.Spend(); ++i) {
            const char x = block.Letter(i);
            if (pattern[0] != x && pattern[0] != '*')
                continue;
            word.push_back(x);
            if (block.Child(i) != 0) {
                const std::string_view rest = pattern.size() > 1 ? pattern.substr(1) : std::string_view("*");
                Group(block.Child(i), rest, depth + 1);
            }
            if (HasEndOfWord(block, i) && pattern == "*")
                found.push_back(word);
            word.pop_back();
        }
    }
};

struct MatchingWalk {
    const DictionnaireFile &file;
    const std::string &pattern;
    WalkBudget budget;
    std::vector<std::string> found;
    std::string word;

    void Group(std::uint64_t start, std::size_t k)
    {
        if (k >= std::size_t(kMaxDepth))
            return;
        NodeBlock block;
        block.Load(file, start);
        for (int i = 1; block.InGroup(i) && budget.Spend(); ++i) {
            const char x = block.Letter(i);
            if (pattern[k] != x && pattern[k] != '*')
                continue;
            word.push_back(x);
            if (k + 1 == pattern.size()) {
                if (HasEndOfWord(block, i))
                    found.push_back(word);
            } else if (block.Child(i) != 0) {
                Group(block.Child(i), k + 1);
            }
            word.pop_back();
        }
    }
};

struct AnagramWalk {
    const DictionnaireFile &file;
    std::size_t length;
    WalkBudget budget;
    std::vector<std::string> found;
    std::string word;

    // Takes `written` (x itself or, for a joker, x in lower case) with the
    // rack `rack` already updated, and goes on below the node.
    void Take(const NodeBlock &block, int i, char written, const std::string &rack)
    {
        word.push_back(written);
        if (word.size() < length && block.Child(i) != 0)
            Group(block.Child(i), rack);
        if (word.size() == length && HasEndOfWord(block, i))
            found.push_back(word);
        word.pop_back();
    }

    void Group(std::uint64_t start, const std::string &rack)
    {
        if (word.size() >= std::size_t(kMaxDepth))
            return;
        NodeBlock block;
        block.Load(file, start);
        for (int i = 1; block.InGroup(i) && budget.Spend(); ++i) {
            const char x = block.Letter(i);
            // The real tile first, with its whole subtree, then the joker:
            // the version with real letters at the earliest positions is
            // found first and is the one the result list keeps.
            const std::size_t tile = rack.find(x);
            if (tile != std::string::npos) {
                std::string rest = rack;
                rest[tile] = '#';
                Take(block, i, x, rest);
            }
            const std::size_t joker = rack.find('*');
            if (joker != std::string::npos) {
                std::string rest = rack;
                rest[joker] = '#';
                Take(block, i, JokerLetter(x), rest);
            }
        }
    }
};

// The nodes of the group that starts at `start`, at most one block's worth.
int GroupSize(const NodeBlock &block)
{
    int n = 0;
    while (block.InGroup(n + 1))
        ++n;
    return n;
}

} // namespace

std::vector<std::string> TDictionnaire::WordsStartingWith(const std::string &pattern) const
{
    file_.Refresh();
    StartingWalk walk{file_, WalkBudget(file_.NodeCount()), {}, {}};
    walk.Group(0, pattern.empty() ? std::string_view("*") : std::string_view(pattern), 0);
    return dictionnaire::SortedWithoutDuplicates(std::move(walk.found));
}

std::vector<std::string> TDictionnaire::WordsMatching(const std::string &pattern) const
{
    if (pattern.empty())
        return {};
    file_.Refresh();
    MatchingWalk walk{file_, pattern, WalkBudget(file_.NodeCount()), {}, {}};
    walk.Group(0, 0);
    return dictionnaire::SortedWithoutDuplicates(std::move(walk.found));
}

std::vector<std::string> TDictionnaire::Anagrams(const std::string &letters) const
{
    if (letters.empty())
        return {};
    file_.Refresh();
    AnagramWalk walk{file_, letters.size(), WalkBudget(file_.NodeCount()), {}, {}};
    walk.Group(0, letters);
    return dictionnaire::SortedWithoutDuplicates(std::move(walk.found));
}

std::vector<std::string> TDictionnaire::RandomWords(int count, int minLength, int maxLength) const
{
    file_.Refresh();
    std::mt19937 random(std::uint32_t(std::chrono::steady_clock::now().time_since_epoch().count()));
    auto pick = [&random](int n) { return std::uniform_int_distribution<int>(1, n)(random); };
    std::uniform_int_distribution<int> stopDraw(0, 2120);

    std::set<std::string> words;
    const std::int64_t maxAttempts = std::int64_t(count) * 50;
    NodeBlock block;
    for (std::int64_t attempt = 0; std::int64_t(words.size()) < count && attempt < maxAttempts; ++attempt) {
        block.Load(file_, 0);
        int n = GroupSize(block);
        if (n == 0)
            break; // an empty dictionary has no word to draw
        int i = pick(n);
        std::string word(1, block.Letter(i));
        std::uint32_t child = block.Child(i);
        while (child != 0 && word.size() < std::size_t(kMaxDepth)) {
            block.Load(file_, child);
            n = GroupSize(block);
            if (n == 0)
                break;
            i = pick(n);
            word.push_back(block.Letter(i));
            child = block.Child(i);
            if (child == 0)
                break;
            if (HasEndOfWord(block, i)) {
                const int length = int(word.size());
                const bool wantsStop = stopDraw(random) % 2 == 0 || length >= maxLength;
                if (wantsStop && length >= minLength)
                    break;
            }
        }
        if (int(word.size()) >= minLength && int(word.size()) <= maxLength)
            words.insert(word);
    }
    return dictionnaire::SortedWithoutDuplicates({words.begin(), words.end()});
}
